#include "selezione.h"

#include "tabella_grandezze.h"

#include <algorithm>

namespace velaris {

namespace {

bool e_vuota(const caselle_testo& caselle, std::string_view nome) {
    return caselle.testo(nome).empty();
}

bool strato_e_vuoto(const caselle_testo& caselle) {
    return std::all_of(caselle_strato_e.begin(), caselle_strato_e.end(),
                       [&](std::string_view nome) { return e_vuota(caselle, nome); });
}

} // namespace

std::string_view proposta_tipo_es(const caselle_testo& caselle) {
    const std::string q = caselle.testo(caselle_foes.qualificativa);
    const std::string d = caselle.testo(caselle_foes.descrittiva);
    const std::string lettere = q + d;
    const bool foes_presente = !e_vuota(caselle, caselle_foes.valore) || !q.empty() || !d.empty();
    if (caselle.testo(caselle_foe.descrittiva) == "A" && e_vuota(caselle, caselle_foe.valore))
        return "L1";
    if (foes_presente && lettere != "ES" && strato_e_vuoto(caselle)) return "F1";
    // This rule asks whether foE's descriptive letter is missing, but whether
    // any of the other five E-layer boxes holds something.
    const bool qualche_e =
        !e_vuota(caselle, caselle_he.descrittiva) || !e_vuota(caselle, caselle_foe.qualificativa) ||
        !e_vuota(caselle, caselle_he.qualificativa) || !e_vuota(caselle, caselle_foe.valore) ||
        !e_vuota(caselle, caselle_he.valore);
    if (lettere != "EG" && foes_presente &&
        (e_vuota(caselle, caselle_foe.descrittiva) || qualche_e))
        return "C1";
    return {};
}

namespace {

esito_selezione passi_comuni(const grandezza& g) {
    esito_selezione esito;
    esito.grandezza_corrente = std::string(g.chiave);
    if (g.chiave == chiave_tipi_es) {
        esito.sbloccate = {g.valore};
        esito.fuoco = g.valore;
    } else {
        esito.sbloccate = {g.qualificativa, g.descrittiva};
        esito.fuoco = g.descrittiva;
    }
    return esito;
}

} // namespace

const std::vector<std::string_view>& caselle_lettera() {
    static const std::vector<std::string_view> elenco = [] {
        std::vector<std::string_view> nomi;
        for (const auto& g : tabella_grandezze) {
            if (g.chiave == chiave_tipi_es) {
                nomi.push_back(g.valore);
            } else {
                nomi.push_back(g.qualificativa);
                nomi.push_back(g.descrittiva);
            }
        }
        return nomi;
    }();
    return elenco;
}

std::string giorno_o_notte(const caselle_testo& caselle) {
    return strato_e_vuoto(caselle) ? "n" : "d";
}

esito_selezione seleziona_grandezza(std::string_view chiave, caselle_testo& caselle,
                                    std::string& giorno_notte, bool ionogramma_presente) {
    const grandezza* g = trova_grandezza(chiave);
    if (g == nullptr || !g->selezionabile) return {};
    esito_selezione esito = passi_comuni(*g);
    if (chiave == "MUF3000F1" || chiave == "MUF3000F2") return esito;

    if (chiave == "foEs") {
        giorno_notte = giorno_o_notte(caselle);
    } else if (chiave == "hEs") {
        const std::string_view proposta = proposta_tipo_es(caselle);
        if (!proposta.empty() && e_vuota(caselle, caselle_tipi_es.valore))
            caselle.imposta_testo(caselle_tipi_es.valore, proposta);
    }
    esito.plot = ionogramma_presente ? ridisegno::ionogramma : ridisegno::grafico_vuoto;
    return esito;
}

esito_selezione selezione_fof2() {
    esito_selezione esito = passi_comuni(*trova_grandezza("foF2"));
    esito.fuoco = {};
    return esito;
}

} // namespace velaris
