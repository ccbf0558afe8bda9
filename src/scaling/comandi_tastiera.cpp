#include "comandi_tastiera.h"

#include "scaling/selezione.h"
#include "scaling/tabella_grandezze.h"

#include <array>
#include <utility>

namespace velaris {

namespace {

/// The ring F2 walks backwards (and F1 forwards where no condition applies).
constexpr std::array<std::string_view, 14> anello = {
    "fmin", "hE",   "foE",       "foEs", "hEs",  "tipoEs", "fbEs",
    "hF",   "foF1", "MUF3000F1", "hF2",  "foF2", "fxI",    "MUF3000F2"};

bool vuote(const caselle_testo& caselle, std::initializer_list<std::string_view> nomi) {
    for (std::string_view nome : nomi)
        if (!caselle.testo(nome).empty()) return false;
    return true;
}

void svuota(caselle_testo& caselle, std::string_view chiave) {
    const grandezza& g = *trova_grandezza(chiave);
    caselle.imposta_testo(g.valore, "");
    if (!g.qualificativa.empty()) caselle.imposta_testo(g.qualificativa, "");
    if (!g.descrittiva.empty()) caselle.imposta_testo(g.descrittiva, "");
}

void copia(caselle_testo& caselle, std::string_view verso, std::string_view da) {
    caselle.imposta_testo(verso, caselle.testo(da));
}

} // namespace

std::string_view grandezza_successiva(std::string_view corrente, caselle_testo& caselle,
                                      std::string& giorno_notte) {
    if (corrente == "fmin") return giorno_notte == "n" ? "foEs" : "hE";
    if (corrente == "foEs") {
        giorno_notte = giorno_o_notte(caselle);
        return "hEs";
    }
    if (corrente == "hEs") {
        const std::string_view proposta = proposta_tipo_es(caselle);
        if (!proposta.empty()) caselle.imposta_testo(caselle_tipi_es.valore, proposta);
        return caselle.testo(caselle_hes.descrittiva) == "C" ? "fbEs" : "tipoEs";
    }
    if (corrente == "hF")
        return vuote(caselle,
                     {caselle_foe.valore, caselle_foe.qualificativa, caselle_foe.descrittiva})
                   ? "foF2"
                   : "foF1";
    for (std::size_t i = 0; i < anello.size(); ++i)
        if (anello[i] == corrente) return anello[(i + 1) % anello.size()];
    return {};
}

std::string_view grandezza_precedente(std::string_view corrente) {
    for (std::size_t i = 0; i < anello.size(); ++i)
        if (anello[i] == corrente) return anello[(i + anello.size() - 1) % anello.size()];
    return {};
}

void cancellazione_grandezza(std::string_view corrente, caselle_testo& c) {
    static constexpr std::array<std::string_view, 9> semplici = {"fmin", "hE", "foE", "foEs", "hEs",
                                                                 "fbEs", "hF", "hF2", "fxI"};
    for (std::string_view chiave : semplici)
        if (corrente == chiave) return svuota(c, chiave);
    if (corrente == "tipoEs") {
        c.imposta_testo(caselle_tipi_es.valore, "");
    } else if (corrente == "foF1" || corrente == "MUF3000F1") {
        svuota(c, corrente);
        c.imposta_testo(caselle_m3000f1.valore, "");
        c.imposta_testo(caselle_m3000f1.qualificativa, "");
        copia(c, caselle_m3000f1.descrittiva,
              corrente == "foF1" ? caselle_muf3000f1.descrittiva : caselle_fof1.descrittiva);
    } else if (corrente == "foF2") {
        if (c.testo(caselle_fxi.descrittiva) == "X") c.imposta_testo(caselle_fxi.descrittiva, "");
        svuota(c, "foF2");
        c.imposta_testo(caselle_m3000f2.valore, "");
        copia(c, caselle_m3000f2.qualificativa, caselle_muf3000f2.qualificativa);
        copia(c, caselle_m3000f2.descrittiva, caselle_muf3000f2.descrittiva);
    } else if (corrente == "MUF3000F2") {
        svuota(c, "MUF3000F2");
        c.imposta_testo(caselle_m3000f2.valore, "");
        copia(c, caselle_m3000f2.qualificativa, caselle_fof2.qualificativa);
        copia(c, caselle_m3000f2.descrittiva, caselle_fof2.descrittiva);
    }
}

void nessuno_strato_f1(caselle_testo& caselle) {
    for (std::string_view chiave : {"foF1", "MUF3000F1", "M3000F1", "hF2"}) {
        const grandezza& g = *trova_grandezza(chiave);
        caselle.imposta_testo(g.valore, "");
        caselle.imposta_testo(g.qualificativa, "");
        caselle.imposta_testo(g.descrittiva, "L");
    }
}

std::string_view grandezza_dopo_spazio(std::string_view corrente) {
    return corrente == "hF" || corrente == "foF1" ? "foF2" : std::string_view{};
}

} // namespace velaris
