// Es types: the key filter, the keys swallowed on key down, the proposal on
// selection and the stepping buttons.

#include "rules/caselle_46.h"
#include "rules/tipi_es.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::finestra;

TEST(TipiEs, KeyFilterByLengthBeforeTheKey) {
    const struct {
        const char* testo;
        int tasto;
        int atteso; // 0: swallowed
    } casi[] = {
        {"", 'c', 'C'},   {"", 'S', 'S'},   {"", 'n', 0},     {"", '1', 0},     {"", 8, 8},
        {"C", '2', '2'},  {"C", '9', '9'},  {"C", '0', 0},    {"C", 'h', 0},    {"C", 8, 8},
        {"C2", 'h', 'H'}, {"C2", 'q', 'Q'}, {"C2", 'B', 0},   {"C2", '3', 0},   {"C2H", '1', '1'},
        {"C2H", ' ', 0},  {"C2H1", 'a', 0}, {"C2H1", '5', 0}, {"C2H1", 8, 8},
        // A longer text (which typing cannot make) is not filtered.
        {"C2H1X", 'z', 'z'},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(filtro_tasto_tipi_es(caso.testo, caso.tasto), caso.atteso)
            << '"' << caso.testo << "\" key " << caso.tasto;
    // Every type letter in either case, no other letter.
    for (char c = 'A'; c <= 'Z'; ++c) {
        const bool tipo = std::string_view("ACDFHKLQRS").find(c) != std::string_view::npos;
        EXPECT_EQ(filtro_tasto_tipi_es("", c + 32) == c, tipo) << c;
        EXPECT_EQ(filtro_tasto_tipi_es("F1", c) != 0, tipo) << c;
    }
}

TEST(TipiEs, KeysSwallowedOnKeyDown) {
    for (int codice : {37, 38, 39, 40, 46}) EXPECT_TRUE(tasto_giu_tipi_es_ingoiato(codice));
    for (int codice : {8, 36, 41, 45, 47, 113}) EXPECT_FALSE(tasto_giu_tipi_es_ingoiato(codice));
}

TEST(TipiEs, ProposalWhenSelected) {
    const struct {
        finestra prima;
        const char* atteso;
    } casi[] = {
        {{{"Text5", "170"}}, "H1"},
        {{{"Text5", "160"}, {"Text7", "C2H1"}}, "H1"}, // high Es overrides what was typed
        {{{"Text5", "159"}, {"Text7", "C2"}}, "C2"},
        {{{"Text5", "150"}, {"Text34", "A"}}, "L1"},
        {{{"Text5", "150"}, {"Text34", "A"}, {"Text3", "300"}, {"Text4", "40"}}, "C1"},
        // Es letters "E" "S" with an empty E layer: no F1, but C1 (foE d empty).
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "S"}}, "C1"},
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "G"}}, "F1"},
        {{{"Text35", "G"}}, "F1"},
        // foE d "B" the only E entry: neither F1 nor C1.
        {{{"Text4", "40"}, {"Text34", "B"}}, ""},
        {{{"Text4", "40"}, {"Text34", "B"}, {"Text18", "A"}}, "C1"},
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "G"}, {"Text2", "100"}}, ""},
        {{}, ""},
    };
    for (const auto& caso : casi) {
        auto caselle = prova::caselle_da(caso.prima);
        proposta_selezione_tipi_es(caselle);
        EXPECT_EQ(prova::differenze(caselle, prova::con(caso.prima, {{"Text7", caso.atteso}})), "")
            << caso.atteso;
    }
}

TEST(TipiEs, StepButtons) {
    const char* const sesta = "A sixth multiple reflection is not considered by the software!!";
    const struct {
        bool su;
        const char* prima;
        const char* dopo;
        const char* titolo;
        const char* messaggio;
    } casi[] = {
        {true, "C1", "C2", "", ""},
        {true, "F4", "F5", "", ""},
        {true, " L2 ", "L3", "", ""},
        {true, "H3", "H4", "", ""},
        {true, "C5", "C5", "Es multiple refelctions!!", sesta},
        {true, "H5", "H5", "Es multiple refelctions!!", sesta},
        {true, "C1H1", "C1H1", "", ""},
        {true, "A1", "A1", "", ""},
        {true, "C6", "C6", "", ""},
        {true, "", "", "", ""},
        {false, "C5", "C4", "", ""},
        {false, "L2", "L1", "", ""},
        {false, "C1", "C1", "Es multiple reflections!!", "You cannot go below C1!!"},
        {false, "F1", "F1", "Es multiple reflections!!", "You cannot go below F1!!"},
        {false, "L1", "L1", "Es multiple reflections!!", "You cannot go below L1!!"},
        {false, " H1", " H1", "Es multiple reflections!!", "You cannot go below H1!!"},
        {false, "C0", "C0", "", ""},
        {false, "c2", "c2", "", ""},
    };
    for (const auto& caso : casi) {
        auto caselle = prova::caselle_da({{"Text7", caso.prima}});
        prova::messaggi_finti messaggi;
        if (caso.su)
            aumento_riflessioni_es(caselle, messaggi);
        else
            diminuzione_riflessioni_es(caselle, messaggi);
        const std::string traccia = std::string(caso.su ? "up " : "down ") + caso.prima;
        EXPECT_EQ(caselle.testo("Text7"), caso.dopo) << traccia;
        if (*caso.messaggio == '\0') {
            EXPECT_TRUE(messaggi.mostrati.empty()) << traccia;
        } else {
            ASSERT_EQ(messaggi.mostrati.size(), 1u) << traccia;
            EXPECT_EQ(messaggi.mostrati[0].titolo, caso.titolo);
            EXPECT_EQ(messaggi.mostrati[0].testo, caso.messaggio);
        }
    }
}
