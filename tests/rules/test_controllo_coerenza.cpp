// The consistency check: every rule in order, its title and message, the
// boxes it points at, and that it changes no box.

#include "rules/caselle_46.h"
#include "rules/controllo_coerenza.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::finestra;

namespace {

// The least that passes: the six required characteristics with a
// descriptive letter each; then the same with an E layer.
const std::string minima = "Text23=C Text37=C Text38=C lettera_descrittiva_fof2=C "
                           "lettera_descrittiva_muf3000f2=C Text44=C ";
const std::string strato_e = minima + "Text2=100 Text3=300 ";

/// A rule's expectation: "title|message|boxes pointed at", "" when the check passes.
struct caso { std::string caselle; const char* codice; std::string atteso; };

std::string t1(const std::string& messaggio, const char* caselle) {
    return "Be careful!!|" + messaggio + "|" + caselle;
}
std::string t2(const std::string& messaggio, const char* caselle) {
    return "Be careful!!!!|" + messaggio + "|" + caselle;
}

void verifica(const caso& c) {
    const auto caselle = finestra(c.caselle);
    prova::messaggi_finti messaggi;
    const esito_controllo esito = controllo_coerenza(caselle, c.codice, messaggi);
    std::string visto;
    for (const auto& m : messaggi.mostrati) visto += m.titolo + "|" + m.testo + "|";
    for (std::size_t n = 0; n < esito.caselle.size(); ++n)
        visto.append(n ? " " : "").append(esito.caselle[n]);
    const std::string traccia = std::string(c.codice) + ": " + c.caselle;
    EXPECT_EQ(visto, c.atteso) << traccia;
    EXPECT_EQ(esito.fermare, !c.atteso.empty()) << traccia;
    EXPECT_EQ(prova::differenze(caselle, finestra(c.caselle)), "") << traccia; // no box changes
}

} // namespace

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
