// Letter boxes: key filters, clicks, and the M(3000) letters derived when the
// focus leaves a source box.

#include "rules/caselle_46.h"
#include "rules/lettere.h"
#include "rules/tipi_es.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::finestra;

TEST(Lettere, KeyFilters) {
    const char* const q = "|Be careful!!|This is not a qualificative letter!\n";
    const char* const d = "|Be careful!!|This is not a descriptive letter!\n";
    // Box, current characteristic, key -> character let through, "focus|message".
    const struct { const char *casella, *corrente; int tasto, atteso; const char* dopo; } casi[] = {
        {"Text17", "fmin", 'a', 'A', "Text23|"},
        {"lettera_qualificativa_muf3000f1", "MUF3000F1", 'u', 'U', "lettera_descrittiva_muf3000f1|"},
        {"Text17", "fmin", 'x', 0, q},      {"Text28", "hF2", 'B', 0, q},
        {"Text17", "fmin", 8, 8, "|"},      {"Text23", "fmin", 8, 8, "|"},
        {"Text23", "fmin", 'x', 'X', "|"},  {"Text23", "fmin", 'u', 0, d},  {"Text44", "fxI", 'J', 0, d},
        // Non-letters vanish silently, the six codes between Z and a too.
        {"Text17", "fmin", '5', 0, "|"},    {"Text23", "fmin", '[', 0, "|"}, {"Text17", "fmin", '`', 0, "|"},
        {"Text23", "fmin", '@', 0, "|"},    {"Text23", "fmin", '{', 0, "|"}, {"Text23", "fmin", 0xE9, 0, "|"},
        // Not the current characteristic, or a box without a filter: as typed.
        {"Text17", "hE", 'x', 'x', "|"},    {"lettera_qualificativa_m3000f2", "MUF3000F2", 'x', 'x', "|"},
        {"Text13", "foF2", '5', '5', "|"},
    };
    for (const auto& c : casi) {
        prova::messaggi_finti messaggi;
        const esito_tasto esito = filtro_tasto_lettera(c.casella, c.tasto, c.corrente, messaggi);
        const std::string dopo = std::string(esito.fuoco) + "|" + messaggi.detti();
        EXPECT_EQ(esito.carattere, c.atteso) << c.casella << ' ' << c.tasto;
        EXPECT_EQ(dopo, c.dopo) << c.casella << ' ' << c.tasto;
    }
    // The refused letters of each kind, and no other.
    for (char c = 'A'; c <= 'Z'; ++c) {
        prova::messaggi_finti m;
        const bool rifiutata = std::string_view("BCFGHKLNPQRSVWXY").find(c) != std::string_view::npos;
        EXPECT_EQ(filtro_tasto_lettera("Text18", c, "hE", m).carattere == 0, rifiutata) << c;
        EXPECT_EQ(filtro_tasto_lettera("Text33", c + 32, "hE", m).carattere == 0,
                  c == 'I' || c == 'J' || c == 'U') << c;
    }
}

TEST(Lettere, ClicksSelectAndPlaceTheFocus) {
    const std::array<const char*, 3> casi[] = {
        {"Text17", "fmin", ""}, {"Text23", "fmin", "Text23"}, {"Text7", "tipoEs", ""},
        {"lettera_descrittiva_fof1", "foF1", "lettera_descrittiva_fof1"},
        {"lettera_descrittiva_m3000f1", "", ""}, {"Text13", "", ""}};
    for (const auto& [casella, chiave, fuoco] : casi) {
        const auto clic = clic_in_casella(casella);
        EXPECT_EQ(std::string(clic.chiave) + "|" + std::string(clic.fuoco),
                  std::string(chiave) + "|" + fuoco);
    }
}

TEST(Lettere, DerivationOfTheM3000Letters) {
    // foF value q d, MUF value q d, M value and its old q d -> new M q d.
    // Written for F1; the F2 layer runs on its own boxes.
    const auto Q = variante_uscita::qualificativa, D = variante_uscita::descrittiva;
    const struct { const char* prima; variante_uscita v; const char* dopo; } casi[] = {
        {"400 U - 120 D A 300 Z Z", D, "D A"}, {"400 U - 120 D - 300 Z Z", D, "U -"},
        {"400 - - 120 D - 300 Z Z", Q, "D -"}, {"400 U A 120 D B 300 Z Z", D, "- A"},
        {"400 - A 120 D A 300 Z Z", D, "D A"}, {"400 U A 120 - - 300 Z Z", D, "U A"},
        {"400 U A 120 U A 300 Z Z", D, "U A"}, {"400 U A 120 D A 300 Z Z", D, "- A"},
        {"400 U A 120 - A 300 - -", D, "U A"}, {"400 U B 120 D C - Z Z", D, "- B"},
        {"- U B 120 D C - Z Z", D, "- C"},     {"- - B 120 - - - Z Z", D, "- B"},
        {"- - B - - C - Z Z", D, "- B"},       {"400 - - 120 - C - Z Z", D, "- C"},
        {"400 U - 120 D - - Z Z", D, "- -"},   {"400 U - 120 D - - Z Y", Q, "- Y"},
    };
    const char* const f1[] = {"Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1",
        "Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1",
        "Text11", "lettera_qualificativa_m3000f1", "lettera_descrittiva_m3000f1"};
    const char* const f2[] = {"Text13", "lettera_qualificativa_fof2", "lettera_descrittiva_fof2",
        "Text15", "lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2",
        "Text16", "lettera_qualificativa_m3000f2", "lettera_descrittiva_m3000f2"};
    const auto scrivi = [](const char* const* nomi, const char* testi, int da) {
        std::istringstream in(testi);
        std::string f;
        for (std::string t; in >> t; ++da) f += std::string(nomi[da]) + "=" + (t == "-" ? "" : t) + " ";
        return f;
    };
    for (const auto& c : casi)
        for (const auto* nomi : {f1, f2}) {
            auto caselle = finestra(scrivi(nomi, c.prima, 0) + "Text44=X");
            derivazione_lettere_m3000(nomi == f1 ? strato_m3000::f1 : strato_m3000::f2, c.v, caselle);
            auto attese = finestra(scrivi(nomi, c.prima, 0) + "Text44=X " + scrivi(nomi, c.dopo, 7));
            EXPECT_EQ(prova::differenze(caselle, attese), "") << c.prima << (nomi == f1 ? " F1" : " F2");
        }
    // Leaving a box picks the layer and the variant (M values and source letters empty).
    const std::array<const char*, 4> uscite[] = {
        {"lettera_qualificativa_fof1", "K", "K", "y"}, {"lettera_descrittiva_muf3000f1", "", "K", "y"},
        {"lettera_qualificativa_muf3000f2", "K", "K", "y"}, {"lettera_descrittiva_fof2", "K", "", "y"},
        {"Text23", "K", "K", "n"}, {"lettera_descrittiva_m3000f1", "K", "K", "n"}};
    for (const auto& [casella, dx1, dx2, derivate] : uscite) {
        auto caselle = finestra("lettera_descrittiva_m3000f1=K lettera_descrittiva_m3000f2=K");
        EXPECT_EQ(uscita_da_casella_lettera(casella, caselle), *derivate == 'y') << casella;
        EXPECT_EQ(caselle.testo("lettera_descrittiva_m3000f1"), dx1) << casella;
        EXPECT_EQ(caselle.testo("lettera_descrittiva_m3000f2"), dx2) << casella;
    }
}

// Es types: key filter, keys swallowed on key down, proposal, stepping.
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
        "Es multiple refelctions!!|A sixth multiple reflection is not considered by the software!!\n";
    const struct { bool su; const char *prima, *dopo, *messaggio; } casi[] = {
        {true, "C1", "C2", ""},   {true, "F4", "F5", ""},     {true, " L2 ", "L3", ""},  {true, "H3", "H4", ""},
        {true, "C1H1", "C1H1", ""}, {true, "A1", "A1", ""},   {true, "C6", "C6", ""},    {true, "", "", ""},
        {false, "C5", "C4", ""},  {false, "C0", "C0", ""},    {false, "c2", "c2", ""},
        {true, "C5", "C5", sesta}, {true, "H5", "H5", sesta},
        {false, "C1", "C1", "Es multiple reflections!!|You cannot go below C1!!\n"},
        {false, " H1", " H1", "Es multiple reflections!!|You cannot go below H1!!\n"},
    };
    for (const auto& c : casi) {
        auto caselle = prova::finestra("");
        caselle.imposta_testo("Text7", c.prima);
        prova::messaggi_finti messaggi;
        c.su ? aumento_riflessioni_es(caselle, messaggi) : diminuzione_riflessioni_es(caselle, messaggi);
        EXPECT_EQ(caselle.testo("Text7"), c.dopo) << c.prima;
        EXPECT_EQ(messaggi.detti(), c.messaggio) << c.prima;
    }
}
