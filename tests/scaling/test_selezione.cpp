#include "scaling/selezione.h"
#include "scaling/tabella_grandezze.h"
#include "common/fakes.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::caselle_finte;

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
    EXPECT_EQ(caselle_lettera().size(), 31u); // every letter box, the Es types box among them
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
    const std::pair<std::vector<std::pair<std::string_view, std::string_view>>, const char*> casi[] = {
        {{{"Text34", "A"}}, "L1"},
        {{{"Text34", "A"}, {"Text3", "300"}, {"Text4", "40"}}, "C1"},
        {{{"Text4", "40"}}, "F1"},
        {{{"Text20", "E"}}, "F1"},                                   // a letter alone makes foEs present
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "S"}}, "C1"}, // "ES" skips F1
        {{{"Text4", "40"}, {"Text3", "310"}, {"Text34", "A"}}, "C1"},
        {{{"Text4", "40"}, {"Text2", "105"}, {"Text34", "B"}}, "C1"},
        {{{"Text4", "40"}, {"Text18", "A"}, {"Text34", "B"}}, "C1"},
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "G"}}, "F1"},
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "G"}, {"Text3", "300"}}, ""}, // EG: no C1
        {{{"Text4", "40"}, {"Text34", "B"}}, ""}, // only foE's d.l.: neither F1 nor C1
        {{{"Text2", "105"}}, ""},                 // no foEs: nothing to type
        {{{"Text4", "40"}, {"Text7", "C2"}}, "C2"},
    };
    for (const auto& [prima, atteso] : casi) {
        caselle_finte caselle;
        for (const auto& [nome, testo] : prima) caselle.imposta_testo(nome, testo);
        std::string giorno_notte = "d";
        seleziona_grandezza("hEs", caselle, giorno_notte, true);
        EXPECT_EQ(caselle.testo("Text7"), atteso) << prima.size() << " boxes, " << prima.back().first;
    }
}
