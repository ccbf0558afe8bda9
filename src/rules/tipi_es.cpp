#include "tipi_es.h"

#include "base/numeri.h"
#include "rules/lettere.h"
#include "scaling/selezione.h"
#include "scaling/tabella_grandezze.h"

#include <string>

namespace velaris {

namespace {

constexpr std::string_view lettere_tipo = "ACDFHKLQRS";
// The chains the buttons step through, in the order they are compared.
constexpr std::string_view catene = "CFLH";
constexpr char massime_riflessioni = '5';

/// The type letter and the count of a text that is one member of a chain
/// (C1 ... H5, blanks around it ignored); false for anything else.
bool membro_catena(std::string_view testo, char& tipo, char& conto) {
    const std::string_view t = senza_spazi(testo);
    if (t.size() != 2 || catene.find(t[0]) == std::string_view::npos) return false;
    if (t[1] < '1' || t[1] > massime_riflessioni) return false;
    tipo = t[0];
    conto = t[1];
    return true;
}

} // namespace

int filtro_tasto_tipi_es(std::string_view testo, int carattere) {
    if (carattere == tasto_backspace) return carattere;
    switch (testo.size()) {
    case 0:
    case 2: {
        const int maiuscola = carattere >= 'a' && carattere <= 'z' ? carattere - 32 : carattere;
        if (maiuscola >= 'A' && maiuscola <= 'Z' &&
            lettere_tipo.find(static_cast<char>(maiuscola)) != std::string_view::npos)
            return maiuscola;
        return 0;
    }
    case 1:
    case 3:
        return carattere >= '1' && carattere <= '9' ? carattere : 0;
    case 4:
        return 0;
    default:
        return carattere;
    }
}

bool tasto_giu_tipi_es_ingoiato(int codice) {
    return (codice >= 37 && codice <= 40) || codice == 46;
}

void proposta_selezione_tipi_es(caselle_testo& caselle) {
    if (valore_numerico(caselle.testo(caselle_hes.valore)) >= 160)
        caselle.imposta_testo(caselle_tipi_es.valore, "H1");
    if (!caselle.testo(caselle_tipi_es.valore).empty()) return;
    const std::string_view proposta = proposta_tipo_es(caselle);
    if (!proposta.empty()) caselle.imposta_testo(caselle_tipi_es.valore, proposta);
}

void aumento_riflessioni_es(caselle_testo& caselle, messaggi& messaggi) {
    char tipo = 0, conto = 0;
    if (!membro_catena(caselle.testo(caselle_tipi_es.valore), tipo, conto)) return;
    if (conto == massime_riflessioni) {
        messaggi.avviso("Es multiple refelctions!!",
                        "A sixth multiple reflection is not considered by the software!!");
        return;
    }
    caselle.imposta_testo(caselle_tipi_es.valore, std::string{tipo, static_cast<char>(conto + 1)});
}

void diminuzione_riflessioni_es(caselle_testo& caselle, messaggi& messaggi) {
    char tipo = 0, conto = 0;
    if (!membro_catena(caselle.testo(caselle_tipi_es.valore), tipo, conto)) return;
    if (conto == '1') {
        messaggi.avviso("Es multiple reflections!!",
                        std::string("You cannot go below ") + tipo + "1!!");
        return;
    }
    caselle.imposta_testo(caselle_tipi_es.valore, std::string{tipo, static_cast<char>(conto - 1)});
}

} // namespace velaris
