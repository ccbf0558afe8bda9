// Particular cases: what each command does to the 46 boxes, the code and the
// caption; what a deletion empties; what the code means to loading and saving.

#include "rules/casi_particolari.h"
#include "rules/caselle_46.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::con;
using prova::finestra;

namespace {

const char* const rifiuto = "There aren't the right conditions to apply this particular case";

// The six descriptive boxes the blanketing cases mark with "A".
const finestra sei_a = {{"Text37", "A"},
                        {"Text38", "A"},
                        {"lettera_descrittiva_fof2", "A"},
                        {"Text44", "A"},
                        {"lettera_descrittiva_m3000f2", "A"},
                        {"lettera_descrittiva_muf3000f2", "A"}};

// A day ionogram with an Es layer that may blanket: foE with a descriptive
// letter only, h'E with a value, foEs, h'Es, Es types and fbEs.
const finestra giorno_occultato = {{"Text2", "105"}, {"Text34", "A"}, {"Text4", "52"},
                                   {"Text5", "110"}, {"Text7", "C2"}, {"Text6", "40"},
                                   {"Text13", "61"}, {"Text38", "B"}};
// The same at night: no E layer, Es types F.
const finestra notte_occultata = {{"Text4", "30"}, {"Text5", "100"}, {"Text7", "F1"},
                                  {"Text6", "25"}, {"Text1", "14"}};

} // namespace

TEST(CasiParticolari, FillsOfEachCaseOverTheWholeWindow) {
    const struct {
        const char* codice;
        finestra prima;
        finestra cambiate; // every other box of the 46 keeps its text
        bool seleziona_hf;
    } casi[] = {
        // Daytime Es missing: foE rounded half up to tenths.
        {"02", {{"Text3", "345"}, {"Text2", "105"}, {"Text1", "15"}},
         {{"Text4", "35"}, {"Text20", "E"}, {"Text35", "G"}, {"Text6", "35"}, {"Text22", "E"},
          {"Text37", "G"}, {"Text36", "G"}},
         true},
        {"02", {{"Text3", "344"}}, {{"Text4", "34"}, {"Text20", "E"}, {"Text35", "G"},
                                    {"Text6", "34"}, {"Text22", "E"}, {"Text37", "G"},
                                    {"Text36", "G"}}, true},
        {"02", {{"Text3", "995"}, {"Text6", "12"}, {"Text36", "A"}},
         {{"Text4", "100"}, {"Text20", "E"}, {"Text35", "G"}, {"Text6", "100"}, {"Text22", "E"},
          {"Text37", "G"}, {"Text36", "G"}},
         true},
        // Nighttime Es missing, by fmin's descriptive letter.
        {"01", {{"Text1", "15"}},
         {{"Text17", "E"}, {"Text23", "S"}, {"Text4", "15"}, {"Text20", "E"}, {"Text35", "S"},
          {"Text6", "15"}, {"Text22", "E"}, {"Text37", "S"}, {"Text36", "S"}},
         true},
        {"01", {{"Text1", "15"}, {"Text23", "S"}, {"Text17", "D"}},
         {{"Text17", "E"}, {"Text23", "S"}, {"Text4", "15"}, {"Text20", "E"}, {"Text35", "S"},
          {"Text6", "15"}, {"Text22", "E"}, {"Text37", "S"}, {"Text36", "S"}},
         true},
        {"01", {{"Text1", "15"}, {"Text23", "B"}, {"Text8", "230"}},
         {{"Text17", "E"}, {"Text4", "15"}, {"Text20", "E"}, {"Text35", "B"}, {"Text6", "15"},
          {"Text22", "E"}, {"Text37", "B"}, {"Text36", "B"}},
         true},
        // With "E" no qualifying letter changes.
        {"01", {{"Text1", "15"}, {"Text23", "E"}, {"Text17", "D"}, {"Text20", "U"}},
         {{"Text4", "15"}, {"Text35", "E"}, {"Text6", "15"}, {"Text37", "E"}, {"Text36", "E"}},
         true},
        // Day blanketing with foE holding only a descriptive letter.
        {"3a", giorno_occultato, sei_a, false},
        {"3b", giorno_occultato, con(sei_a, {{"Text6", "52"}, {"Text22", "A"}}), false},
        {"3c", giorno_occultato, con(sei_a, {{"Text22", "A"}}), false},
        {"4a", notte_occultata, sei_a, false},
        {"4b", notte_occultata, con(sei_a, {{"Text6", "30"}, {"Text22", "A"}}), false},
        {"4c", con(notte_occultata, {{"Text34", "A"}}), con(sei_a, {{"Text22", "A"}}), false},
        // Partial absorption empties the Es types.
        {"05", {{"Text1", "18"}, {"Text7", "C1"}, {"Text2", "100"}, {"Text3", "300"}},
         {{"Text33", "B"}, {"Text34", "B"}, {"Text4", "18"}, {"Text20", "E"}, {"Text35", "B"},
          {"Text36", "B"}, {"Text7", ""}, {"Text6", "18"}, {"Text22", "E"}, {"Text37", "B"}},
         true},
    };
    for (const auto& caso : casi) {
        auto caselle = prova::caselle_da(caso.prima);
        prova::messaggi_finti messaggi;
        std::string codice = "3a"; // a case in force is simply overwritten
        const auto esito = applicazione_caso_particolare(caso.codice, caselle, codice, messaggi);
        const std::string traccia = std::string(caso.codice) + " from " + caso.prima.begin()->second;
        EXPECT_TRUE(esito.applicato) << traccia;
        EXPECT_EQ(esito.seleziona_hf, caso.seleziona_hf) << traccia;
        EXPECT_EQ(codice, caso.codice);
        EXPECT_TRUE(messaggi.mostrati.empty()) << traccia;
        EXPECT_EQ(prova::differenze(caselle, con(caso.prima, caso.cambiate)), "") << traccia;
    }
}

TEST(CasiParticolari, NoIonogramLeavesOnlyTheNineCLetters) {
    finestra piena;
    for (std::string_view nome : prova::quarantasei_caselle) piena[std::string(nome)] = "7";
    const finestra attese = {{"Text23", "C"},
                             {"Text35", "C"},
                             {"Text36", "C"},
                             {"Text38", "C"},
                             {"lettera_descrittiva_fof2", "C"},
                             {"Text37", "C"},
                             {"Text44", "C"},
                             {"lettera_descrittiva_m3000f2", "C"},
                             {"lettera_descrittiva_muf3000f2", "C"}};
    auto caselle = prova::caselle_da(piena);
    prova::messaggi_finti messaggi;
    std::string codice = "xx";
    for (int volta = 0; volta < 2; ++volta) {
        const auto esito = applicazione_caso_particolare("06", caselle, codice, messaggi);
        EXPECT_TRUE(esito.applicato);
        EXPECT_FALSE(esito.seleziona_hf);
        EXPECT_EQ(esito.didascalia, std::nullopt); // Label11 is left alone
        EXPECT_EQ(prova::differenze(caselle, attese), "");
    }
    EXPECT_EQ(codice, "06");
    annullamento_caso_particolare(caselle, codice);
    EXPECT_EQ(prova::differenze(caselle, {}), "");
}

TEST(CasiParticolari, RefusalsChangeNothing) {
    const struct {
        const char* codice;
        finestra prima;
    } casi[] = {
        {"02", {{"Text3", "345"}, {"Text7", "C1"}}},
        {"02", {{"Text3", "345"}, {"Text4", "30"}}},
        {"02", {{"Text34", "A"}}},
        {"01", {{"Text1", "15"}, {"Text23", "C"}}},
        {"01", {{"Text1", "15"}, {"Text2", "100"}}},
        {"01", {{"Text1", "15"}, {"Text5", "100"}}},
        {"01", {{"Text1", "15"}, {"Text7", "F1"}}},
        {"01", {{"Text23", "S"}}},
        {"3a", con(giorno_occultato, {{"Text34", ""}})},
        {"3b", con(giorno_occultato, {{"Text2", ""}})},
        {"3a", con(giorno_occultato, {{"Text7", ""}})},
        {"3c", con(giorno_occultato, {{"Text6", ""}})},
        {"4a", con(notte_occultata, {{"Text3", "300"}})},
        {"4b", con(notte_occultata, {{"Text2", "100"}})},
        {"4a", con(notte_occultata, {{"Text5", ""}})},
        {"4c", con(notte_occultata, {{"Text6", ""}})},
        {"05", {{"Text17", "E"}, {"Text7", "C1"}}},
    };
    for (const auto& caso : casi) {
        auto caselle = prova::caselle_da(caso.prima);
        prova::messaggi_finti messaggi;
        std::string codice = "05";
        const auto esito = applicazione_caso_particolare(caso.codice, caselle, codice, messaggi);
        EXPECT_FALSE(esito.applicato) << caso.codice;
        EXPECT_EQ(esito.didascalia, std::nullopt) << caso.codice;
        EXPECT_EQ(codice, "05") << caso.codice;
        EXPECT_EQ(prova::differenze(caselle, caso.prima), "") << caso.codice;
        ASSERT_EQ(messaggi.mostrati.size(), 1u) << caso.codice;
        EXPECT_EQ(messaggi.mostrati[0].titolo, "Be careful!!");
        EXPECT_EQ(messaggi.mostrati[0].testo, rifiuto);
    }
}

TEST(CasiParticolari, DeletionEmptiesWhatTheRecordedCaseFills) {
    finestra piena;
    for (std::string_view nome : prova::quarantasei_caselle) piena[std::string(nome)] = "Q";
    const auto vuote = [](std::initializer_list<const char*> nomi) {
        finestra f;
        for (const char* n : nomi) f[n] = "";
        return f;
    };
    const finestra sei = vuote({"Text37", "Text38", "lettera_descrittiva_fof2", "Text44",
                                "lettera_descrittiva_m3000f2", "lettera_descrittiva_muf3000f2"});
    const struct {
        const char* codice;
        finestra svuotate;
    } casi[] = {
        {"01", vuote({"Text17", "Text23", "Text4", "Text20", "Text35", "Text6", "Text22", "Text37",
                      "Text36"})},
        {"02", vuote({"Text4", "Text20", "Text35", "Text6", "Text22", "Text37", "Text36"})},
        {"3a", sei},
        {"4a", sei},
        {"3b", con(sei, vuote({"Text6", "Text22"}))},
        {"3c", con(sei, vuote({"Text6", "Text22"}))},
        {"4b", con(sei, vuote({"Text6", "Text22"}))},
        {"4c", con(sei, vuote({"Text6", "Text22"}))},
        {"05", vuote({"Text33", "Text34", "Text4", "Text20", "Text35", "Text36", "Text6", "Text22",
                      "Text37"})},
        {"06", vuote({"Text23", "Text35", "Text36", "Text38", "lettera_descrittiva_fof2", "Text37",
                      "Text44", "lettera_descrittiva_m3000f2", "lettera_descrittiva_muf3000f2"})},
        {"3A", {}}, // an unknown code empties nothing but is still reset
    };
    for (const auto& caso : casi) {
        auto caselle = prova::caselle_da(piena);
        std::string codice = caso.codice;
        const auto esito = annullamento_caso_particolare(caselle, codice);
        EXPECT_TRUE(esito.applicato);
        EXPECT_EQ(esito.didascalia, "") << caso.codice;
        EXPECT_EQ(codice, "xx");
        EXPECT_EQ(prova::differenze(caselle, con(piena, caso.svuotate)), "") << caso.codice;
    }
    // With no case in force nothing happens, not even to Label11.
    auto caselle = prova::caselle_da(piena);
    std::string codice = "xx";
    const auto esito = annullamento_caso_particolare(caselle, codice);
    EXPECT_FALSE(esito.applicato);
    EXPECT_EQ(esito.didascalia, std::nullopt);
    EXPECT_EQ(prova::differenze(caselle, piena), "");
}

TEST(CasiParticolari, RightClickChoosesDayOrNightByFoE) {
    const struct {
        finestra prima;
        const char* codice;
    } casi[] = {
        {{{"Text3", "310"}, {"Text1", "15"}}, "02"},
        // foE's descriptive letter alone makes it day; its rule then refuses.
        {{{"Text34", "A"}, {"Text1", "15"}}, "3a"},
        {{{"Text1", "15"}}, "01"},
    };
    for (const auto& caso : casi) {
        auto caselle = prova::caselle_da(caso.prima);
        prova::messaggi_finti messaggi;
        std::string codice = "3a";
        mancanza_es_clic_destro(caselle, codice, messaggi);
        EXPECT_EQ(codice, caso.codice);
    }
}

TEST(CasiParticolari, CaptionsOfTheOperatorsChoiceAndOfAFile) {
    const struct {
        const char* codice;
        std::optional<std::string> scelta, letta;
    } casi[] = {
        {"01", "Particular Case: Nighttime Es missing", "Particular Case: Nighttime Es missing"},
        {"02", "Particular Case: Daytime Es missing", "Particular Case: Daytime Es missing"},
        {"3a", "Particular Case: Daily Es blanketing - single reflection",
         "Particular Case: Daytime Es blanketing - single reflection"},
        {"3b", "Particular Case: Daily Es blanketing - more reflections - second reflection >= foEs",
         "Particular Case: Daytime Es blanketing - multiple reflections - second reflection >= "
         "foEs"},
        {"3c", "Particular Case: Daily Es blanketing - more reflections - second reflection < foEs",
         "Particular Case: Daytime Es blanketing - multiple reflections - second reflection < foEs"},
        {"4a", "Particular Case: Nocturnal Es blanketing - single reflection",
         "Particular Case: Nighttime Es blanketing - single reflection"},
        {"4b",
         "Particular Case: Nocturnal Es blanketing - more reflections - second reflection >= foEs",
         "Particular Case: Nighttime Es blanketing - multiple reflections - second reflection >= "
         "foEs"},
        {"4c",
         "Particular Case: Nocturnal Es blanketing - more reflections - second reflection < foEs",
         "Particular Case: Nighttime Es blanketing - multiple reflections - second reflection < "
         "foEs"},
        {"05", "Particular Case: Partial absorption", "Particular Case: Partial absorption"},
        {"06", std::nullopt, std::nullopt},
    };
    for (const auto& caso : casi) {
        // Conditions are met for every case by a window made for it.
        finestra adatta = caso.codice[0] == '3' ? giorno_occultato : notte_occultata;
        if (std::string_view(caso.codice) == "02") adatta = {{"Text3", "300"}};
        if (std::string_view(caso.codice) == "01") adatta = {{"Text1", "15"}};
        auto caselle = prova::caselle_da(adatta);
        prova::messaggi_finti messaggi;
        std::string codice = "xx";
        const auto esito = applicazione_caso_particolare(caso.codice, caselle, codice, messaggi);
        ASSERT_TRUE(esito.applicato) << caso.codice;
        EXPECT_EQ(esito.didascalia, caso.scelta) << caso.codice;
        EXPECT_EQ(didascalia_caso_particolare(caso.codice), caso.letta) << caso.codice;
    }
    EXPECT_EQ(didascalia_caso_particolare("xx"), "");
    for (const char* ignoto : {"3A", "", "07"})
        EXPECT_EQ(didascalia_caso_particolare(ignoto), std::nullopt) << ignoto;
}

TEST(CasiParticolari, CodesThatReachTheFileHeader) {
    for (const char* codice : {"01", "02", "3a", "3b", "3c", "4a", "4b", "4c", "05", "xx"})
        EXPECT_TRUE(codice_da_scrivere(codice)) << codice;
    for (const char* codice : {"06", "3A", "", "x", "011"})
        EXPECT_FALSE(codice_da_scrivere(codice)) << codice;
}

TEST(CasiParticolari, FoEInTenthsForTextsScalingDoesNotWrite) {
    // Three characters follow the digit rule; other lengths round the whole number.
    const std::pair<const char*, const char*> casi[] = {
        {"345", "35"}, {"350", "35"}, {"999", "100"}, {"95", "10"}, {"94", "9"}, {"1005", "101"}};
    for (const auto& [foe, atteso] : casi) EXPECT_EQ(foe_in_decimi(foe), atteso) << foe;
}
