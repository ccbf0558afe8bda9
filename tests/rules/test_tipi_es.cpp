// Es types: key filter, keys swallowed on key down, proposal, stepping.

#include "rules/caselle_46.h"
#include "rules/tipi_es.h"

#include <gtest/gtest.h>

using namespace velaris;

TEST(TipiEs, KeyFilterByLengthBeforeTheKey) {
    const struct { const char* testo; int tasto, atteso; } casi[] = {
        {"", 'c', 'C'},  {"", 'n', 0},     {"", '1', 0},     {"", 8, 8},        {"C", '9', '9'},
        {"C", '0', 0},   {"C", 'h', 0},    {"C", 8, 8},      {"C2", 'q', 'Q'},  {"C2", '3', 0},
        {"C2H", '1', '1'}, {"C2H1", 'a', 0}, {"C2H1", '5', 0}, {"C2H1", 8, 8},
        {"C2H1X", 'z', 'z'}, // a longer text, which typing cannot make, is not filtered
    };
    for (const auto& c : casi)
        EXPECT_EQ(filtro_tasto_tipi_es(c.testo, c.tasto), c.atteso) << c.testo << ' ' << c.tasto;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const bool tipo = std::string_view("ACDFHKLQRS").find(c) != std::string_view::npos;
        EXPECT_EQ(filtro_tasto_tipi_es("F1", c + 32) == c, tipo) << c;
    }
    for (int codice : {37, 38, 39, 40, 46}) EXPECT_TRUE(tasto_giu_tipi_es_ingoiato(codice));
    for (int codice : {8, 36, 41, 45, 47}) EXPECT_FALSE(tasto_giu_tipi_es_ingoiato(codice));
}

// A high Es (160 km and above) is H1 whatever was typed; otherwise an empty
// box takes the proposal from the E and Es boxes, whose own table is in the
// selection tests of h'Es.
TEST(TipiEs, ProposalWhenSelected) {
    const std::pair<const char*, const char*> casi[] = {
        {"Text5=170", "H1"}, {"Text5=160 Text7=C2H1", "H1"}, {"Text5=159 Text7=C2", "C2"},
        {"Text5=150 Text34=A", "L1"}, {"Text35=G", "F1"}, {"", ""},
    };
    for (const auto& [prima, atteso] : casi) {
        auto caselle = prova::finestra(prima);
        proposta_selezione_tipi_es(caselle);
        auto attese = prova::finestra(prima);
        prova::scrivi(attese, std::string("Text7=") + atteso);
        EXPECT_EQ(prova::differenze(caselle, attese), "") << prima;
    }
}

TEST(TipiEs, StepButtons) {
    const char* const sesta =
        "Es multiple refelctions!!|A sixth multiple reflection is not considered by the software!!";
    const struct { bool su; const char *prima, *dopo, *messaggio; } casi[] = {
        {true, "C1", "C2", ""},   {true, "F4", "F5", ""},     {true, " L2 ", "L3", ""},  {true, "H3", "H4", ""},
        {true, "C1H1", "C1H1", ""}, {true, "A1", "A1", ""},   {true, "C6", "C6", ""},    {true, "", "", ""},
        {false, "C5", "C4", ""},  {false, "C0", "C0", ""},    {false, "c2", "c2", ""},
        {true, "C5", "C5", sesta}, {true, "H5", "H5", sesta},
        {false, "C1", "C1", "Es multiple reflections!!|You cannot go below C1!!"},
        {false, " H1", " H1", "Es multiple reflections!!|You cannot go below H1!!"},
    };
    for (const auto& c : casi) {
        auto caselle = prova::finestra("");
        caselle.imposta_testo("Text7", c.prima);
        prova::messaggi_finti messaggi;
        c.su ? aumento_riflessioni_es(caselle, messaggi) : diminuzione_riflessioni_es(caselle, messaggi);
        std::string mostrato;
        for (const auto& m : messaggi.mostrati) mostrato += m.titolo + "|" + m.testo;
        EXPECT_EQ(caselle.testo("Text7"), c.dopo) << c.prima;
        EXPECT_EQ(mostrato, c.messaggio) << c.prima;
    }
}
