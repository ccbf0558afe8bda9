// The consistency check: every rule in its order, its message and title, the
// boxes it points at, and that it never changes a box.

#include "rules/caselle_46.h"
#include "rules/controllo_coerenza.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::con;
using prova::finestra;

namespace {

const char* const t1 = "Be careful!!";
const char* const t2 = "Be careful!!!!";

// The least a window may hold: the six required characteristics with a
// descriptive letter each.
const finestra minima = {{"Text23", "C"},
                         {"Text37", "C"},
                         {"Text38", "C"},
                         {"lettera_descrittiva_fof2", "C"},
                         {"lettera_descrittiva_muf3000f2", "C"},
                         {"Text44", "C"}};
// The same with an E layer scaled.
const finestra con_strato_e = con(minima, {{"Text2", "100"}, {"Text3", "300"}});

struct caso_controllo {
    const char* nome;
    finestra caselle;
    const char* codice;
    const char* titolo; // "" when every rule passes
    const char* messaggio;
    std::vector<std::string_view> evidenziate;
};

void verifica(const caso_controllo& caso) {
    auto caselle = prova::caselle_da(caso.caselle);
    prova::messaggi_finti messaggi;
    const esito_controllo esito = controllo_coerenza(caselle, caso.codice, messaggi);
    EXPECT_EQ(prova::differenze(caselle, caso.caselle), "") << caso.nome;
    if (*caso.titolo == '\0') {
        EXPECT_FALSE(esito.fermare) << caso.nome;
        EXPECT_TRUE(messaggi.mostrati.empty()) << caso.nome;
        EXPECT_TRUE(esito.caselle.empty()) << caso.nome;
        return;
    }
    EXPECT_TRUE(esito.fermare) << caso.nome;
    ASSERT_EQ(messaggi.mostrati.size(), 1u) << caso.nome;
    EXPECT_FALSE(messaggi.mostrati[0].domanda);
    EXPECT_EQ(messaggi.mostrati[0].titolo, caso.titolo) << caso.nome;
    EXPECT_EQ(messaggi.mostrati[0].testo, caso.messaggio) << caso.nome;
    EXPECT_EQ(esito.caselle, caso.evidenziate) << caso.nome;
}

} // namespace

TEST(ControlloCoerenza, QualifyingLetterWithoutDescriptiveLetter) {
    const struct {
        const char *q, *d, *caratteristica;
    } righe[] = {
        {"Text17", "Text23", "fmin"},
        {"Text18", "Text33", "h'E"},
        {"Text19", "Text34", "foE"},
        {"Text20", "Text35", "foEs"},
        {"Text21", "Text36", "h'Es"},
        {"Text22", "Text37", "fbEs"},
        {"Text24", "Text38", "h'F"},
        {"lettera_qualificativa_fof1", "lettera_descrittiva_fof1", "foF1"},
        {"lettera_qualificativa_fof2", "lettera_descrittiva_fof2", "foF2"},
        {"lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1", "MUF(3000)F1"},
        {"lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2", "MUF(3000)F2"},
        {"lettera_qualificativa_m3000f1", "lettera_descrittiva_m3000f1", "M(3000)F1"},
        {"lettera_qualificativa_m3000f2", "lettera_descrittiva_m3000f2", "M(3000)F2"},
        {"Text28", "Text42", "h'F2"},
        {"Text30", "Text44", "fxI"},
    };
    for (std::size_t i = 0; i < std::size(righe); ++i) {
        const auto& r = righe[i];
        // The row's own fault is reported before every later row's.
        finestra f = con(con_strato_e, {{r.q, "U"}, {r.d, ""}});
        if (i + 1 < std::size(righe)) f = con(f, {{righe[i + 1].q, "U"}, {righe[i + 1].d, ""}});
        const std::string messaggio = std::string(r.caratteristica) + " has only a qualificative letter!!";
        verifica({r.caratteristica, f, "xx", t1, messaggio.c_str(), {r.q, r.d}});
    }
}

TEST(ControlloCoerenza, RequiredCharacteristicsAndTheELayer) {
    const caso_controllo casi[] = {
        {"all empty", {}, "xx", t1, "fmin missing!!", {"Text1", "Text23"}},
        {"q before missing", {{"Text17", "U"}}, "xx", t1, "fmin has only a qualificative letter!!",
         {"Text17", "Text23"}},
        {"fbEs", con(minima, {{"Text37", ""}, {"Text38", ""}}), "xx", t1, "fbEs missing!!",
         {"Text6", "Text37"}},
        {"h'F", con(minima, {{"Text38", ""}, {"Text44", ""}}), "xx", t1, "h'F missing!!",
         {"Text8", "Text38"}},
        {"foF2", con(minima, {{"lettera_descrittiva_fof2", ""}}), "xx", t1, "foF2 missing!!",
         {"Text13", "lettera_descrittiva_fof2"}},
        {"MUF(3000)F2", con(minima, {{"lettera_descrittiva_muf3000f2", ""}}), "xx", t1,
         "MUF(3000)F2 missing!!", {"Text15", "lettera_descrittiva_muf3000f2"}},
        {"fxI", con(minima, {{"Text44", ""}}), "xx", t1, "fxI missing!!", {"Text14", "Text44"}},
        {"blank value counts", con(minima, {{"Text44", ""}, {"Text14", " "}}), "xx", "", "", {}},
        {"only descriptive letters pass", minima, "xx", "", "", {}},
        {"h'E letters without foE", con(minima, {{"Text18", "U"}, {"Text33", "A"}}), "xx", t1,
         "foE missing!!", {"Text3", "Text34"}},
        {"foE without h'E", con(minima, {{"Text3", "300"}}), "xx", t1, "h'E missing!!",
         {"Text2", "Text33"}},
        {"blank foE d", con(minima, {{"Text34", " "}}), "xx", t1, "h'E missing!!",
         {"Text2", "Text33"}},
        {"h'E without foE", con(minima, {{"Text33", "A"}}), "xx", t1, "foE missing!!",
         {"Text3", "Text34"}},
    };
    for (const auto& caso : casi) verifica(caso);
}

TEST(ControlloCoerenza, ELayerAgainstEsTypesAndFxILetters) {
    const char* const f_vietata = "foE was scaled. You are not allowed to digit F in the Es Types.";
    const char* const solo_f = "foE was not scaled. You are allowed to digit only F in the Es Types.";
    const char* const fxi_x = "If the descriptive letter of fxI is \"X\" the corresponding "
                              "qualificative letter has to be empty.";
    const std::vector<std::string_view> e_tipi = {"Text7", "Text3", "Text34"};
    const caso_controllo casi[] = {
        {"F with foE", con(con_strato_e, {{"Text7", "C1F2"}}), "xx", t1, f_vietata, e_tipi},
        {"C without foE", con(minima, {{"Text7", "C1"}}), "xx", t1, solo_f, e_tipi},
        {"each letter but F", con(minima, {{"Text7", " R1 "}}), "xx", t1, solo_f, e_tipi},
        {"F without foE", con(minima, {{"Text7", "F1"}}), "xx", "", "", {}},
        {"C with foE", con(con_strato_e, {{"Text7", "C1"}}), "xx", "", "", {}},
        {"no Es types", con_strato_e, "xx", "", "", {}},
        // A blank foE letter is foE for rules 3 and 4 but not for rules 5 and 6.
        {"blank E layer", con(minima, {{"Text34", " "}, {"Text33", " "}, {"Text7", "C1"}}), "xx",
         t1, solo_f, e_tipi},
        {"blank E layer, F", con(minima, {{"Text34", " "}, {"Text33", " "}, {"Text7", "F1"}}),
         "xx", "", "", {}},
        {"fxI X", con(minima, {{"Text44", "X"}, {"Text30", "A"}}), "xx", t1, fxi_x,
         {"Text30", "Text44"}},
        {"fxI x", con(minima, {{"Text44", "x"}, {"Text30", "A"}}), "xx", t1, fxi_x,
         {"Text30", "Text44"}},
        {"fxI X, blank q", con(minima, {{"Text44", "X"}, {"Text30", " "}}), "xx", "", "", {}},
        // Rule 5 comes before the particular case's own rules.
        {"3a with F", con(con_strato_e, {{"Text7", "F1"}}), "3a", t1, f_vietata, e_tipi},
    };
    for (const auto& caso : casi) verifica(caso);
}

TEST(ControlloCoerenza, RequirementsOfTheParticularCase) {
    const std::vector<std::string_view> he = {"Text2", "Text18", "Text33"};
    const std::vector<std::string_view> foe = {"Text3", "Text19", "Text34"};
    const std::vector<std::string_view> tipi = {"Text7"};
    const finestra notte_f = con(minima, {{"Text7", "F1"}});
    const finestra giorno_c = con(con_strato_e, {{"Text7", "C1"}});
    const caso_controllo casi[] = {
        // "01": no E layer, no Es types, no h'F2, foF1 or MUF(3000)F1.
        {"01 h'E", con_strato_e, "01", t2,
         "The selected particular case cannot have values or letters for h'E!!", he},
        {"01 Es types", notte_f, "01", t2,
         "The selected particular case has to have the field Es Types empty!!", tipi},
        {"01 h'F2", con(minima, {{"Text42", "L"}}), "01", t2,
         "The selected particular case cannot have values or letters for h'F2!!",
         {"Text12", "Text28", "Text42"}},
        {"01 foF1", con(minima, {{"Text9", "400"}}), "01", t2,
         "The selected particular case cannot have values or letters for foF1!!",
         {"Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1"}},
        {"01 MUF(3000)F1", con(minima, {{"lettera_descrittiva_muf3000f1", "L"}}), "01", t2,
         "The selected particular case cannot have values or letters for MUF(3000)F1!!",
         {"Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1"}},
        {"01 passes", minima, "01", "", "", {}},
        // "02": an E layer and no Es types.
        {"02 foE", minima, "02", t2,
         "The selected particular case has to have a value and/or a descriptive letter for foE!!",
         {"Text3", "Text34"}},
        {"02 Es types", giorno_c, "02", t2,
         "The selected particular case has to have the field Es Types empty!!", tipi},
        {"02 passes", con_strato_e, "02", "", "", {}},
        // Day blanketing: an E layer and Es types starting with C, H or L.
        {"3b foE", minima, "3b", t2,
         "The selected particular case has to have a value and/or a descriptive letter for foE!!",
         {"Text3", "Text34"}},
        {"3a no Es types", con_strato_e, "3a", t2,
         "The selected particular case can't have the field Es Types empty!!", tipi},
        {"3c F first", con(minima, {{"Text33", " "}, {"Text34", " "}, {"Text7", " F1"}}), "3c",
         t2, "The selected particular case has to have as first character of Es Types a C, a H or a L!!",
         tipi},
        {"3a passes", giorno_c, "3a", "", "", {}},
        // Night blanketing: no E layer, Es types starting with F.
        {"4a foE", con(con_strato_e, {{"Text7", "C1"}}), "4a", t2,
         "The selected particular case cannot have values or letters for foE!!", foe},
        {"4b no Es types", minima, "4b", t2,
         "The selected particular case cannot have the field Es Types empty!!", tipi},
        {"4c not F", con(minima, {{"Text7", "B1"}}), "4c", t2,
         "The selected particular case has to have as first character of Es Types a F!!", tipi},
        {"4a blanks only", con(minima, {{"Text7", "  "}}), "4a", t2,
         "The selected particular case has to have as first character of Es Types a F!!", tipi},
        {"4a h'F2", con(notte_f, {{"Text12", "250"}}), "4a", t2,
         "The selected particular case cannot have values or letters for h'F2!!",
         {"Text12", "Text28", "Text42"}},
        {"4b foF1", con(notte_f, {{"lettera_descrittiva_fof1", "L"}}), "4b", t2,
         "The selected particular case cannot have values or letters for foF1!!",
         {"Text9", "lettera_qualificativa_fof1", "lettera_descrittiva_fof1"}},
        {"4c MUF(3000)F1", con(notte_f, {{"Text10", "120"}}), "4c", t2,
         "The selected particular case cannot have values or letters for MUF(3000)F1!!",
         {"Text10", "lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1"}},
        {"4a passes", notte_f, "4a", "", "", {}},
        // No rules for partial absorption, no ionogram or an unknown code.
        {"05", giorno_c, "05", "", "", {}},
        {"06", notte_f, "06", "", "", {}},
        {"3A", con_strato_e, "3A", "", "", {}},
    };
    for (const auto& caso : casi) verifica(caso);
}
