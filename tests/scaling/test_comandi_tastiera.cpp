#include "common/fakes.h"
#include "rules/caselle_46.h"
#include "scaling/comandi_tastiera.h"
#include "scaling/selezione.h"
#include "scaling/tabella_grandezze.h"

#include <gtest/gtest.h>

#include <vector>

using namespace velaris;
using prova::caselle_finte;

// By day, with foE scaled and h'Es not "C", F1 walks the whole table once
// round; F2 walks it back.
TEST(ComandiTastiera, F1AndF2WalkTheRing) {
    const std::vector<std::string> giro = {"hE",   "foE",       "foEs", "hEs",  "tipoEs",
                                           "fbEs", "hF",        "foF1", "MUF3000F1", "hF2",
                                           "foF2", "fxI",       "MUF3000F2", "fmin"};
    caselle_finte caselle;
    caselle.imposta_testo("Text3", "310");
    caselle.imposta_testo("Text7", "C1");
    std::string giorno_notte = "d";
    std::string corrente = "fmin";
    for (const std::string& atteso : giro) {
        corrente = std::string(grandezza_successiva(corrente, caselle, giorno_notte));
        EXPECT_EQ(corrente, atteso);
    }
    for (auto it = giro.rbegin() + 1; it != giro.rend(); ++it) {
        corrente = std::string(grandezza_precedente(corrente));
        EXPECT_EQ(corrente, *it);
    }
    EXPECT_EQ(grandezza_precedente("hE"), "fmin");
    EXPECT_EQ(grandezza_precedente("fmin"), "MUF3000F2");
    for (const char* niente : {"", "M3000F1", "M3000F2"}) {
        EXPECT_EQ(grandezza_successiva(niente, caselle, giorno_notte), "");
        EXPECT_EQ(grandezza_precedente(niente), "");
    }
}

TEST(ComandiTastiera, F1TakesTheShortcutsOfTheNightAndOfAMissingE) {
    caselle_finte caselle;
    std::string giorno_notte = "d";
    // No E layer: leaving foEs makes it night, and fmin then skips to foEs
    // (the E layer's boxes that make it day are the selection's table).
    EXPECT_EQ(grandezza_successiva("foEs", caselle, giorno_notte), "hEs");
    EXPECT_EQ(giorno_notte, "n");
    EXPECT_EQ(grandezza_successiva("fmin", caselle, giorno_notte), "foEs");
    // foE empty: h'F goes straight to foF2; a foE letter is enough for foF1.
    EXPECT_EQ(grandezza_successiva("hF", caselle, giorno_notte), "foF2");
    caselle.imposta_testo("Text19", "U");
    EXPECT_EQ(grandezza_successiva("hF", caselle, giorno_notte), "foF1");
    // h'Es with descriptive letter "C" skips the Es types.
    caselle.imposta_testo("Text36", "C");
    EXPECT_EQ(grandezza_successiva("hEs", caselle, giorno_notte), "fbEs");
}

// Leaving h'Es with F1 proposes the Es types over what the box held (the
// proposal's own rules are the selection's, tested with it).
TEST(ComandiTastiera, F1OnHEsProposesTheEsTypes) {
    // clang-format off
    for (auto [prima, tipi] : {std::pair{"Text34=A", "L1"}, {"Text4=30 Text20=E Text35=G", "F1"},
                               {"Text4=30 Text34=S", "X9"}}) { // foE's letter the only E entry
        // clang-format on
        auto caselle = prova::finestra(std::string(prima) + " Text7=X9");
        std::string giorno_notte = "d";
        EXPECT_EQ(grandezza_successiva("hEs", caselle, giorno_notte), "tipoEs");
        EXPECT_EQ(caselle.testo("Text7"), tipi) << prima;
    }
}

// F12 and Ctrl: what each current characteristic empties, and where the
// M(3000) letters come from. Every box starts with a text of its own; only
// the named boxes change.
TEST(ComandiTastiera, ClearingEmptiesTheCurrentCharacteristicAndItsMFactor) {
    const std::string inizio =
        "Text1=v Text17=a Text23=b Text9=v lettera_qualificativa_fof1=c lettera_descrittiva_fof1=d "
        "Text10=v lettera_qualificativa_muf3000f1=e lettera_descrittiva_muf3000f1=f Text11=v "
        "lettera_qualificativa_m3000f1=g lettera_descrittiva_m3000f1=h Text13=v "
        "lettera_qualificativa_fof2=i lettera_descrittiva_fof2=j Text15=v "
        "lettera_qualificativa_muf3000f2=k lettera_descrittiva_muf3000f2=l Text16=v "
        "lettera_qualificativa_m3000f2=m lettera_descrittiva_m3000f2=n Text7=C1 Text44=X Text14=v ";
    const std::pair<const char*, const char*> casi[] = {
        {"fmin", "Text1= Text17= Text23="},
        {"tipoEs", "Text7="},
        {"fxI", "Text14= Text44="},
        {"foF1", "Text9= lettera_qualificativa_fof1= lettera_descrittiva_fof1= Text11= "
                 "lettera_qualificativa_m3000f1= lettera_descrittiva_m3000f1=f"},
        {"MUF3000F1", "Text10= lettera_qualificativa_muf3000f1= lettera_descrittiva_muf3000f1= "
                      "Text11= lettera_qualificativa_m3000f1= lettera_descrittiva_m3000f1=d"},
        {"foF2", "Text44= Text13= lettera_qualificativa_fof2= lettera_descrittiva_fof2= Text16= "
                 "lettera_qualificativa_m3000f2=k lettera_descrittiva_m3000f2=l"},
        {"MUF3000F2", "Text15= lettera_qualificativa_muf3000f2= lettera_descrittiva_muf3000f2= "
                      "Text16= lettera_qualificativa_m3000f2=i lettera_descrittiva_m3000f2=j"},
        {"M3000F2", ""},
        {"", ""},
    };
    for (const auto& [corrente, cambi] : casi) {
        auto caselle = prova::finestra(inizio);
        cancellazione_grandezza(corrente, caselle);
        EXPECT_EQ(prova::differenze(caselle, prova::finestra(inizio + cambi)), "") << corrente;
    }
    // An fxI letter other than "X" stays when foF2 is cleared.
    auto caselle = prova::finestra("Text44=A");
    cancellazione_grandezza("foF2", caselle);
    EXPECT_EQ(caselle.testo("Text44"), "A");
}

TEST(ComandiTastiera, NoF1LayerAndSpace) {
    const std::string prima = "Text9=7 Text10=7 Text11=7 Text12=7 lettera_qualificativa_fof1=7 Text28=7 Text13=7 ";
    auto caselle = prova::finestra(prima);
    nessuno_strato_f1(caselle);
    const auto attese = prova::finestra(
        prima + "Text9= Text10= Text11= Text12= lettera_qualificativa_fof1= Text28= lettera_descrittiva_fof1=L "
                "lettera_descrittiva_muf3000f1=L lettera_descrittiva_m3000f1=L Text42=L");
    EXPECT_EQ(prova::differenze(caselle, attese), "");
    const std::pair<const char*, const char*> spazio[] = {{"hF", "foF2"}, {"foF1", "foF2"}, {"foF2", ""}, {"hF2", ""}};
    for (const auto& [da, a] : spazio) EXPECT_EQ(grandezza_dopo_spazio(da), a) << da;
}


TEST(Selezione, UnlocksOnlyTheCurrentPairAndFocusesItsDescriptiveLetter) {
    const struct {
        const char* chiave;
        bool presente;
        std::vector<std::string_view> aperte;
        ridisegno plot;
    } casi[] = {
        {"foF2", true, {"lettera_qualificativa_fof2", "lettera_descrittiva_fof2"}, ridisegno::ionogramma},
        {"hE", true, {"Text18", "Text33"}, ridisegno::ionogramma},
        {"tipoEs", true, {"Text7"}, ridisegno::ionogramma},
        {"foE", false, {"Text19", "Text34"}, ridisegno::grafico_vuoto},
        // The MUF selections leave the plot to the transmission curve.
        {"MUF3000F2", true, {"lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2"}, ridisegno::nessuno},
        {"MUF3000F1", false, {"lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1"}, ridisegno::nessuno},
    };
    for (const auto& caso : casi) {
        caselle_finte caselle;
        std::string giorno_notte = "d";
        const auto esito = seleziona_grandezza(caso.chiave, caselle, giorno_notte, caso.presente);
        EXPECT_EQ(esito.grandezza_corrente, caso.chiave);
        EXPECT_EQ(esito.sbloccate, caso.aperte) << caso.chiave;
        EXPECT_EQ(esito.fuoco, caso.aperte.back()) << caso.chiave;
        EXPECT_EQ(esito.plot, caso.plot) << caso.chiave;
    }
    caselle_finte caselle;
    std::string giorno_notte = "d";
    EXPECT_TRUE(seleziona_grandezza("M3000F1", caselle, giorno_notte, true).grandezza_corrente.empty());
    // A name that is no box is a fault of the caller, an empty one too.
    for (const char* nome : {"Text13", "lettera_descrittiva_fof2", "Text47", "Text7"}) EXPECT_TRUE(casella_nota(nome)) << nome;
    for (const char* nome : {"", "Label11", "text13", "Text51"}) EXPECT_FALSE(casella_nota(nome)) << nome;
    // The reset after a load: foF2 unlocked, but no focus and no redraw.
    const auto fof2 = selezione_fof2();
    EXPECT_EQ(fof2.grandezza_corrente, "foF2");
    EXPECT_EQ(fof2.sbloccate.back(), "lettera_descrittiva_fof2");
    EXPECT_TRUE(fof2.fuoco.empty() && fof2.plot == ridisegno::nessuno);
}

TEST(Selezione, FoEsTellsNightFromDayByTheSixELayerBoxes) {
    caselle_finte vuote;
    std::string giorno_notte = "d";
    seleziona_grandezza("foEs", vuote, giorno_notte, true);
    EXPECT_EQ(giorno_notte, "n");
    for (std::string_view nome : {"Text2", "Text18", "Text33", "Text3", "Text19", "Text34"})
        for (const char* testo : {"A", " "}) { // a blank counts as filled
            caselle_finte caselle;
            caselle.imposta_testo(nome, testo);
            std::string marcatore = "n";
            seleziona_grandezza("foEs", caselle, marcatore, true);
            EXPECT_EQ(marcatore, "d") << nome << " '" << testo << "'";
        }
}

// Selecting h'Es proposes an Es type from the E and Es boxes, never over one typed.
TEST(Selezione, HEsProposesAnEsTypeFromTheEAndEsBoxes) {
    const std::pair<const char*, const char*> casi[] = {
        {"Text34=A", "L1"},
        {"Text34=A Text3=300 Text4=40", "C1"},
        {"Text4=40", "F1"},
        {"Text20=E", "F1"},                       // a letter alone makes foEs present
        {"Text4=40 Text20=E Text35=S", "C1"},     // "ES" skips F1
        {"Text4=40 Text2=105 Text34=B", "C1"},
        {"Text4=40 Text18=A Text34=B", "C1"},
        {"Text4=40 Text20=E Text35=G", "F1"},
        {"Text4=40 Text20=E Text35=G Text3=300", ""}, // EG: no C1
        {"Text4=40 Text34=B", ""},                // only foE's d.l.: neither F1 nor C1
        {"Text2=105", ""},                        // no foEs: nothing to type
        {"Text4=40 Text7=C2", "C2"},
    };
    for (const auto& [prima, atteso] : casi) {
        auto caselle = prova::finestra(prima);
        std::string giorno_notte = "d";
        seleziona_grandezza("hEs", caselle, giorno_notte, true);
        EXPECT_EQ(caselle.testo("Text7"), atteso) << prima;
    }
}
