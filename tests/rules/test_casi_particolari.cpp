// Particular cases over the 46 boxes: fills, refusals, deletions, captions,
// and which codes reach a file header.

#include "rules/casi_particolari.h"
#include "rules/caselle_46.h"

#include <gtest/gtest.h>

#include <map>

using namespace velaris;
using prova::finestra;

namespace {
// Blanketing by day (foE with only a descriptive letter) and by night.
const std::string giorno = "Text2=105 Text34=A Text4=52 Text5=110 Text7=C2 Text6=40 Text38=B ";
const std::string notte = "Text4=30 Text5=100 Text7=F1 Text6=25 Text1=14 ";
const std::string sei_a = " Text37=A Text38=A lettera_descrittiva_fof2=A Text44=A "
                          "lettera_descrittiva_m3000f2=A lettera_descrittiva_muf3000f2=A";
const std::string nove = "Text23 Text35 Text36 Text38 lettera_descrittiva_fof2 Text37 Text44 "
                         "lettera_descrittiva_m3000f2 lettera_descrittiva_muf3000f2";

// Label11 when a case is chosen, and when it is read back from a file header.
const std::map<std::string, std::pair<const char*, const char*>> didascalie = {
    {"01", {"Nighttime Es missing", "Nighttime Es missing"}},
    {"02", {"Daytime Es missing", "Daytime Es missing"}},
    {"3a", {"Daily Es blanketing - single reflection", "Daytime Es blanketing - single reflection"}},
    {"3b", {"Daily Es blanketing - more reflections - second reflection >= foEs",
            "Daytime Es blanketing - multiple reflections - second reflection >= foEs"}},
    {"3c", {"Daily Es blanketing - more reflections - second reflection < foEs",
            "Daytime Es blanketing - multiple reflections - second reflection < foEs"}},
    {"4a", {"Nocturnal Es blanketing - single reflection", "Nighttime Es blanketing - single reflection"}},
    {"4b", {"Nocturnal Es blanketing - more reflections - second reflection >= foEs",
            "Nighttime Es blanketing - multiple reflections - second reflection >= foEs"}},
    {"4c", {"Nocturnal Es blanketing - more reflections - second reflection < foEs",
            "Nighttime Es blanketing - multiple reflections - second reflection < foEs"}},
    {"05", {"Partial absorption", "Partial absorption"}},
};
} // namespace

TEST(CasiParticolari, FillsBeforeAndAfter) {
    const struct { const char* codice; std::string prima, dopo; bool hf; } casi[] = {
        {"02", "Text3=345 Text2=105", "Text4=35 Text20=E Text35=G Text6=35 Text22=E Text37=G Text36=G", true},
        {"02", "Text3=344", "Text4=34 Text20=E Text35=G Text6=34 Text22=E Text37=G Text36=G", true},
        {"02", "Text3=995 Text6=1 Text36=A", "Text4=100 Text20=E Text35=G Text6=100 Text22=E Text37=G Text36=G", true},
        {"01", "Text1=15", "Text17=E Text23=S Text4=15 Text20=E Text35=S Text6=15 Text22=E Text37=S Text36=S", true},
        {"01", "Text1=15 Text23=S Text17=D", "Text17=E Text4=15 Text20=E Text35=S Text6=15 Text22=E Text37=S Text36=S", true},
        {"01", "Text1=15 Text23=B", "Text17=E Text4=15 Text20=E Text35=B Text6=15 Text22=E Text37=B Text36=B", true},
        {"01", "Text1=15 Text23=E Text17=D Text20=U", "Text4=15 Text35=E Text6=15 Text37=E Text36=E", true},
        {"3a", giorno, sei_a, false},
        {"3b", giorno, "Text6=52 Text22=A" + sei_a, false},
        {"3c", giorno, "Text22=A" + sei_a, false},
        {"4a", notte, sei_a, false},
        {"4b", notte, "Text6=30 Text22=A" + sei_a, false},
        {"4c", notte + "Text34=A", "Text22=A" + sei_a, false},
        {"05", "Text1=18 Text7=C1 Text2=100 Text3=300",
         "Text33=B Text34=B Text4=18 Text20=E Text35=B Text36=B Text7= Text6=18 Text22=E Text37=B", true},
    };
    for (const auto& caso : casi) {
        auto caselle = finestra(caso.prima), attese = finestra(caso.prima);
        prova::messaggi_finti messaggi;
        std::string codice = "3a"; // the case in force is simply overwritten
        const auto esito = applicazione_caso_particolare(caso.codice, caselle, codice, messaggi);
        EXPECT_EQ(prova::differenze(caselle, prova::scrivi(attese, caso.dopo)), "") << caso.prima;
        EXPECT_TRUE(esito.applicato && messaggi.mostrati.empty()) << caso.prima;
        EXPECT_EQ(esito.seleziona_hf, caso.hf) << caso.prima;
        EXPECT_EQ(esito.didascalia, std::string("Particular Case: ") + didascalie.at(caso.codice).first);
        EXPECT_EQ(codice, caso.codice);
    }
}

TEST(CasiParticolari, RefusalsChangeNothing) {
    const std::pair<const char*, std::string> casi[] = {
        {"02", "Text3=345 Text7=C1"}, {"02", "Text3=345 Text4=30"}, {"02", "Text34=A"},
        {"01", "Text1=15 Text23=C"},  {"01", "Text1=15 Text2=1"},   {"01", "Text1=15 Text5=1"},
        {"01", "Text1=15 Text7=F1"},  {"01", "Text23=S"},           {"3a", giorno + "Text34="},
        {"3b", giorno + "Text2="},    {"3a", giorno + "Text7="},    {"3c", giorno + "Text6="},
        {"4a", notte + "Text3=300"},  {"4b", notte + "Text2=100"},  {"4a", notte + "Text5="},
        {"4c", notte + "Text6="},     {"05", "Text17=E"},
    };
    for (const auto& [caso, prima] : casi) {
        auto caselle = finestra(prima);
        prova::messaggi_finti messaggi;
        std::string codice = "05";
        const auto esito = applicazione_caso_particolare(caso, caselle, codice, messaggi);
        EXPECT_FALSE(esito.applicato || esito.didascalia || codice != "05") << caso << ' ' << prima;
        EXPECT_EQ(prova::differenze(caselle, finestra(prima)), "") << caso << ' ' << prima;
        ASSERT_EQ(messaggi.mostrati.size(), 1u) << caso << ' ' << prima;
        EXPECT_EQ(messaggi.mostrati[0].titolo + "|" + messaggi.mostrati[0].testo,
                  "Be careful!!|There aren't the right conditions to apply this particular case");
    }
}

TEST(CasiParticolari, DeletionEmptiesWhatTheRecordedCaseFills) {
    const auto tutte = [](const std::string& nomi, const char* testo) {
        std::istringstream in(nomi);
        std::string f;
        for (std::string n; in >> n;) f += n + "=" + testo + " ";
        return f;
    };
    const std::string sei = "Text37 Text38 lettera_descrittiva_fof2 Text44 lettera_descrittiva_m3000f2 "
                            "lettera_descrittiva_muf3000f2 ";
    const std::pair<const char*, std::string> casi[] = {
        {"01", "Text17 Text23 Text4 Text20 Text35 Text6 Text22 Text37 Text36"},
        {"02", "Text4 Text20 Text35 Text6 Text22 Text37 Text36"},
        {"3a", sei}, {"4a", sei}, {"3b", sei + "Text6 Text22"}, {"3c", sei + "Text6 Text22"},
        {"4b", sei + "Text6 Text22"}, {"4c", sei + "Text6 Text22"},
        {"05", "Text33 Text34 Text4 Text20 Text35 Text36 Text6 Text22 Text37"},
        {"06", nove}, {"3A", ""}, // an unknown code empties nothing but is reset
    };
    const std::string prima = tutte(prova::quarantasei_caselle, "Q");
    for (const auto& [caso, svuotate] : casi) {
        auto caselle = finestra(prima);
        std::string codice = caso;
        const auto esito = annullamento_caso_particolare(caselle, codice);
        EXPECT_EQ(prova::differenze(caselle, finestra(prima + tutte(svuotate, ""))), "") << caso;
        EXPECT_TRUE(esito.applicato && esito.didascalia == "" && codice == "xx") << caso;
    }
    // No ionogram twice gives the same nine "C"; its deletion leaves all empty.
    auto caselle = finestra(prima);
    std::string codice = "xx";
    prova::messaggi_finti messaggi;
    for (int volta = 0; volta < 2; ++volta) {
        const auto esito = applicazione_caso_particolare("06", caselle, codice, messaggi);
        EXPECT_FALSE(esito.seleziona_hf || esito.didascalia); // Label11 is left alone
        EXPECT_EQ(prova::differenze(caselle, finestra(tutte(nove, "C"))), "");
    }
    annullamento_caso_particolare(caselle, codice);
    EXPECT_EQ(prova::differenze(caselle, finestra("")), "");
    // With "xx" in force nothing happens, not even to Label11.
    const auto nulla = annullamento_caso_particolare(caselle = finestra(prima), codice);
    EXPECT_FALSE(nulla.applicato || nulla.didascalia);
    EXPECT_EQ(prova::differenze(caselle, finestra(prima)), "");
}

TEST(CasiParticolari, CaptionsCodesAndRightClick) {
    for (const auto& [codice, testi] : didascalie) {
        EXPECT_EQ(didascalia_caso_particolare(codice), std::string("Particular Case: ") + testi.second);
        EXPECT_TRUE(codice_da_scrivere(codice)) << codice;
    }
    EXPECT_EQ(didascalia_caso_particolare("xx"), "");
    EXPECT_TRUE(codice_da_scrivere("xx"));
    for (const char* altro : {"06", "3A", "", "011"}) {
        EXPECT_EQ(didascalia_caso_particolare(altro), std::nullopt) << altro;
        EXPECT_FALSE(codice_da_scrivere(altro)) << altro;
    }
    // The right click: day when foE has a value or a descriptive letter.
    const std::pair<std::string, const char*> clic[] = {
        {"Text3=310 Text1=15", "02"}, {"Text34=A Text1=15", "--"}, {"Text1=15", "01"}};
    for (const auto& [prima, atteso] : clic) {
        auto caselle = finestra(prima);
        prova::messaggi_finti messaggi;
        std::string codice = "--";
        mancanza_es_clic_destro(caselle, codice, messaggi);
        EXPECT_EQ(codice, atteso) << prima;
    }
    // foE texts of another length than scaling writes round their whole number.
    EXPECT_EQ(foe_in_decimi("95"), "10");
    EXPECT_EQ(foe_in_decimi("1005"), "101");
}
