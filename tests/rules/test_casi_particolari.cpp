// Particular cases over the 46 boxes: fills, refusals, deletions, captions,
// and which codes reach a file header.

#include "rules/caselle_46.h"
#include "rules/casi_particolari.h"
#include "rules/controllo_coerenza.h"

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

// The least that passes: the six required characteristics with a
// descriptive letter each; then the same with an E layer.
const std::string minima = "Text23=C Text37=C Text38=C lettera_descrittiva_fof2=C "
                           "lettera_descrittiva_muf3000f2=C Text44=C ";
const std::string strato_e = minima + "Text2=100 Text3=300 ";

/// A rule's expectation: "title|message", a line end, the boxes pointed at; "" when the check passes.
struct caso { std::string caselle; const char* codice; std::string atteso; };

std::string t1(const std::string& messaggio, const char* caselle) {
    return "Be careful!!|" + messaggio + "\n" + caselle;
}
std::string t2(const std::string& messaggio, const char* caselle) {
    return "Be careful!!!!|" + messaggio + "\n" + caselle;
}

void verifica(const caso& c) {
    const auto caselle = finestra(c.caselle);
    prova::messaggi_finti messaggi;
    const esito_controllo esito = controllo_coerenza(caselle, c.codice, messaggi);
    std::string visto = messaggi.detti();
    for (std::size_t n = 0; n < esito.caselle.size(); ++n)
        visto.append(n ? " " : "").append(esito.caselle[n]);
    const std::string traccia = std::string(c.codice) + ": " + c.caselle;
    EXPECT_EQ(visto, c.atteso) << traccia;
    EXPECT_EQ(esito.fermare, !c.atteso.empty()) << traccia;
    EXPECT_EQ(prova::differenze(caselle, finestra(c.caselle)), "") << traccia; // no box changes
}

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
        EXPECT_EQ(messaggi.detti(), "Be careful!!|There aren't the right conditions to apply this particular case\n")
            << caso << ' ' << prima;
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

// The consistency check: every rule in order, its title and message, the
// boxes it points at, and that it changes no box.


TEST(ControlloCoerenza, QualifyingLetterWithoutDescriptiveLetter) {
    // In the order of the rule; each row fails together with the next one.
    const std::array<const char*, 3> righe[] = {
        {"Text17", "Text23", "fmin"}, {"Text18", "Text33", "h'E"}, {"Text19", "Text34", "foE"},
        {"Text20", "Text35", "foEs"}, {"Text21", "Text36", "h'Es"}, {"Text22", "Text37", "fbEs"},
        {"Text24", "Text38", "h'F"},
        {"lettera_qualificativa_fof1", "lettera_descrittiva_fof1", "foF1"},
        {"lettera_qualificativa_fof2", "lettera_descrittiva_fof2", "foF2"},
        {"lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1", "MUF(3000)F1"},
        {"lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2", "MUF(3000)F2"},
        {"lettera_qualificativa_m3000f1", "lettera_descrittiva_m3000f1", "M(3000)F1"},
        {"lettera_qualificativa_m3000f2", "lettera_descrittiva_m3000f2", "M(3000)F2"},
        {"Text28", "Text42", "h'F2"}, {"Text30", "Text44", "fxI"}, {"Text30", "Text44", "fxI"}};
    for (std::size_t i = 0; i + 1 < std::size(righe); ++i) {
        const auto& [q, d, nome] = righe[i];
        const auto& prossima = righe[i + 1];
        const std::string evidenziate = std::string(q) + " " + d;
        verifica({strato_e + q + "=U " + d + "= " + prossima[0] + "=U " + prossima[1] + "=", "xx",
                  t1(std::string(nome) + " has only a qualificative letter!!", evidenziate.c_str())});
    }
}

TEST(ControlloCoerenza, MissingCharacteristicsELayerEsTypesAndFxI) {
    const char* const f_no = "foE was scaled. You are not allowed to digit F in the Es Types.";
    const char* const solo_f = "foE was not scaled. You are allowed to digit only F in the Es Types.";
    const char* const x = "If the descriptive letter of fxI is \"X\" the corresponding qualificative "
                          "letter has to be empty.";
    const caso casi[] = {
        {"", "xx", t1("fmin missing!!", "Text1 Text23")},
        {"Text17=U", "xx", t1("fmin has only a qualificative letter!!", "Text17 Text23")},
        {minima + "Text37= Text38=", "xx", t1("fbEs missing!!", "Text6 Text37")},
        {minima + "Text38= Text44=", "xx", t1("h'F missing!!", "Text8 Text38")},
        {minima + "lettera_descrittiva_fof2=", "xx", t1("foF2 missing!!", "Text13 lettera_descrittiva_fof2")},
        {minima + "lettera_descrittiva_muf3000f2=", "xx", t1("MUF(3000)F2 missing!!", "Text15 lettera_descrittiva_muf3000f2")},
        {minima + "Text44=", "xx", t1("fxI missing!!", "Text14 Text44")},
        {minima + "Text44= Text14=_", "xx", ""}, // a blank is a value
        {minima + "Text3=300", "xx", t1("h'E missing!!", "Text2 Text33")},
        {minima + "Text34=_", "xx", t1("h'E missing!!", "Text2 Text33")},
        {minima + "Text18=U Text33=A", "xx", t1("foE missing!!", "Text3 Text34")},
        {strato_e + "Text7=C1F2", "xx", t1(f_no, "Text7 Text3 Text34")},
        {strato_e + "Text7=F1", "3a", t1(f_no, "Text7 Text3 Text34")}, // before the case's rules
        {minima + "Text7=C1", "xx", t1(solo_f, "Text7 Text3 Text34")},
        {minima + "Text7=_R1_", "xx", t1(solo_f, "Text7 Text3 Text34")},
        {minima + "Text7=F1", "xx", ""},
        {strato_e + "Text7=C1", "xx", ""},
        // Blank foE letters are foE for h'E/foE missing, not against the Es types.
        {minima + "Text34=_ Text33=_ Text7=C1", "xx", t1(solo_f, "Text7 Text3 Text34")},
        {minima + "Text34=_ Text33=_ Text7=F1", "xx", ""},
        {minima + "Text44=X Text30=A", "xx", t1(x, "Text30 Text44")},
        {minima + "Text44=x Text30=A", "xx", t1(x, "Text30 Text44")},
        {minima + "Text44=X Text30=_", "xx", ""},
    };
    for (const auto& c : casi) verifica(c);
}

TEST(ControlloCoerenza, RequirementsOfTheParticularCase) {
    const std::string notte_f = minima + "Text7=F1 ", giorno_c = strato_e + "Text7=C1 ";
    const auto no = [](const char* cosa, const char* caselle) {
        return t2(std::string("The selected particular case cannot have values or letters for ") +
                      cosa + "!!", caselle);
    };
    const auto tipi = [](const char* testo) {
        return t2(std::string("The selected particular case ") + testo, "Text7");
    };
    const std::string si_foe = t2(
        "The selected particular case has to have a value and/or a descriptive letter for foE!!",
        "Text3 Text34");
    const char* const hf2 = "Text12 Text28 Text42";
    const char* const fof1 = "Text9 lettera_qualificativa_fof1 lettera_descrittiva_fof1";
    const char* const muf = "Text10 lettera_qualificativa_muf3000f1 lettera_descrittiva_muf3000f1";
    const caso casi[] = {
        {strato_e, "01", no("h'E", "Text2 Text18 Text33")},
        {notte_f, "01", tipi("has to have the field Es Types empty!!")},
        {minima + "Text42=L", "01", no("h'F2", hf2)},
        {minima + "Text9=400", "01", no("foF1", fof1)},
        {minima + "lettera_descrittiva_muf3000f1=L", "01", no("MUF(3000)F1", muf)},
        {minima, "01", ""},
        {minima, "02", si_foe},
        {giorno_c, "02", tipi("has to have the field Es Types empty!!")},
        {strato_e, "02", ""},
        {minima, "3b", si_foe},
        {strato_e, "3a", tipi("can't have the field Es Types empty!!")},
        {minima + "Text33=_ Text34=_ Text7=_F1", "3c", tipi("has to have as first character of Es Types a C, a H or a L!!")},
        {giorno_c, "3a", ""},
        {giorno_c, "4a", no("foE", "Text3 Text19 Text34")},
        {minima, "4b", tipi("cannot have the field Es Types empty!!")},
        {minima + "Text7=B1", "4c", tipi("has to have as first character of Es Types a F!!")},
        {minima + "Text7=__", "4a", tipi("has to have as first character of Es Types a F!!")},
        {notte_f + "Text12=250", "4a", no("h'F2", hf2)},
        {notte_f + "lettera_descrittiva_fof1=L", "4b", no("foF1", fof1)},
        {notte_f + "Text10=120", "4c", no("MUF(3000)F1", muf)},
        {notte_f, "4a", ""}, {giorno_c, "05", ""}, {notte_f, "06", ""}, {strato_e, "3A", ""},
    };
    for (const auto& c : casi) verifica(c);
}
