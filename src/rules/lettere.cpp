#include "lettere.h"

#include "scaling/tabella_grandezze.h"

#include <string>

namespace velaris {

namespace {

constexpr std::string_view qualificative_rifiutate = "BCFGHKLNPQRSVWXY";
constexpr std::string_view descrittive_rifiutate = "IJU";

/// A characteristic whose letter boxes the operator types into: every row
/// but the Es types and the derived M(3000) factors.
const grandezza* con_lettere_battute(std::string_view casella, bool& qualificativa) {
    for (const auto& g : tabella_grandezze) {
        if (!g.selezionabile || g.chiave == chiave_tipi_es) continue;
        if (casella == g.qualificativa || casella == g.descrittiva) {
            qualificativa = casella == g.qualificativa;
            return &g;
        }
    }
    return nullptr;
}

bool lettera(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool tra(std::string_view elenco, int c) {
    return elenco.find(static_cast<char>(c)) != std::string_view::npos;
}

struct fonti_m3000 {
    std::string_view valore_fo, q_fo, d_fo;    // foF1 / foF2
    std::string_view valore_muf, q_muf, d_muf; // MUF(3000)F1 / MUF(3000)F2
    std::string_view valore_m, q_m, d_m;       // M(3000)F1 / M(3000)F2
};

fonti_m3000 fonti(strato_m3000 strato) {
    const bool f1 = strato == strato_m3000::f1;
    const grandezza& fo = *trova_grandezza(f1 ? "foF1" : "foF2");
    const grandezza& muf = *trova_grandezza(f1 ? "MUF3000F1" : "MUF3000F2");
    const grandezza& m = *trova_grandezza(f1 ? "M3000F1" : "M3000F2");
    return {fo.valore,       fo.qualificativa, fo.descrittiva,  muf.valore,   muf.qualificativa,
            muf.descrittiva, m.valore,         m.qualificativa, m.descrittiva};
}

} // namespace

esito_tasto filtro_tasto_lettera(std::string_view casella, int carattere,
                                 std::string_view grandezza_corrente, messaggi& messaggi) {
    bool qualificativa = false;
    const grandezza* g = con_lettere_battute(casella, qualificativa);
    if (g == nullptr || g->chiave != grandezza_corrente) return {carattere, {}};
    if (carattere == tasto_backspace) return {carattere, {}};
    if (!lettera(carattere)) return {};
    if (carattere >= 'a') carattere -= 32;
    if (qualificativa) {
        if (tra(qualificative_rifiutate, carattere)) {
            messaggi.avviso("Be careful!!", "This is not a qualificative letter!");
            return {};
        }
        return {carattere, g->descrittiva};
    }
    if (tra(descrittive_rifiutate, carattere)) {
        messaggi.avviso("Be careful!!", "This is not a descriptive letter!");
        return {};
    }
    return {carattere, {}};
}

clic_casella clic_in_casella(std::string_view casella) {
    const grandezza* tipi = trova_grandezza(chiave_tipi_es);
    if (casella == tipi->valore) return {tipi->chiave, {}};
    bool qualificativa = false;
    const grandezza* g = con_lettere_battute(casella, qualificativa);
    if (g == nullptr) return {};
    return {g->chiave, qualificativa ? std::string_view() : g->descrittiva};
}

void derivazione_lettere_m3000(strato_m3000 strato, variante_uscita variante,
                               caselle_testo& caselle) {
    const fonti_m3000 n = fonti(strato);
    const std::string qf = caselle.testo(n.q_fo), df = caselle.testo(n.d_fo);
    const std::string qm = caselle.testo(n.q_muf), dm = caselle.testo(n.d_muf);
    std::string qx, dx;

    if (!caselle.testo(n.valore_m).empty()) {
        if (df.empty() && !dm.empty()) {
            qx = qm;
            dx = dm;
        } else if (df.empty()) {
            qx = !qf.empty() ? qf : qm;
        } else if (!dm.empty() && dm != df) {
            dx = df;
        } else {
            dx = df;
            if (qf.empty())
                qx = qm;
            else if (qm.empty() || qm == qf)
                qx = qf;
        }
    } else {
        // Without an M(3000) value only a descriptive letter is carried over,
        // preferably from MUF(3000) when it alone has a value.
        const bool preferita_muf =
            caselle.testo(n.valore_fo).empty() && !caselle.testo(n.valore_muf).empty();
        const std::string& preferita = preferita_muf ? dm : df;
        const std::string& altra = preferita_muf ? df : dm;
        if (!preferita.empty())
            dx = preferita;
        else if (!altra.empty())
            dx = altra;
        else if (variante == variante_uscita::qualificativa)
            dx = caselle.testo(n.d_m);
    }
    caselle.imposta_testo(n.q_m, qx);
    caselle.imposta_testo(n.d_m, dx);
}

bool uscita_da_casella_lettera(std::string_view casella, caselle_testo& caselle) {
    bool qualificativa = false;
    const grandezza* g = con_lettere_battute(casella, qualificativa);
    if (g == nullptr) return false;
    strato_m3000 strato;
    if (g->chiave == "foF1" || g->chiave == "MUF3000F1")
        strato = strato_m3000::f1;
    else if (g->chiave == "foF2" || g->chiave == "MUF3000F2")
        strato = strato_m3000::f2;
    else
        return false;
    derivazione_lettere_m3000(
        strato, qualificativa ? variante_uscita::qualificativa : variante_uscita::descrittiva,
        caselle);
    return true;
}

} // namespace velaris
