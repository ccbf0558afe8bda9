#include "scaling/selezione.h"
#include "scaling/tabella_grandezze.h"
#include "common/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velaris;

namespace {

using caselle_finte = prova::caselle_finte;


} // namespace

TEST(Selezione, UnlocksOnlyTheCurrentPairAndFocusesItsDescriptiveLetter) {
    const struct {
        const char* chiave;
        std::vector<std::string_view> aperte;
        std::string_view fuoco;
        ridisegno plot;
    } casi[] = {
        {"foF2", {"lettera_qualificativa_fof2", "lettera_descrittiva_fof2"},
         "lettera_descrittiva_fof2", ridisegno::ionogramma},
        {"hE", {"Text18", "Text33"}, "Text33", ridisegno::ionogramma},
        {"tipoEs", {"Text7"}, "Text7", ridisegno::ionogramma},
        // The MUF selections leave the plot to the transmission curve and keep
        // the M(3000) letters locked.
        {"MUF3000F2", {"lettera_qualificativa_muf3000f2", "lettera_descrittiva_muf3000f2"},
         "lettera_descrittiva_muf3000f2", ridisegno::nessuno},
        {"MUF3000F1", {"lettera_qualificativa_muf3000f1", "lettera_descrittiva_muf3000f1"},
         "lettera_descrittiva_muf3000f1", ridisegno::nessuno},
    };
    for (const auto& caso : casi) {
        caselle_finte caselle;
        std::string giorno_notte = "d";
        const auto esito = seleziona_grandezza(caso.chiave, caselle, giorno_notte, true);
        EXPECT_EQ(esito.grandezza_corrente, caso.chiave);
        EXPECT_EQ(esito.sbloccate, caso.aperte) << caso.chiave;
        EXPECT_EQ(esito.fuoco, caso.fuoco) << caso.chiave;
        EXPECT_EQ(esito.plot, caso.plot) << caso.chiave;
    }
}

TEST(Selezione, EmptyPlotWithoutIonogramAndDerivedFactorsNotSelectable) {
    caselle_finte caselle;
    std::string giorno_notte = "d";
    EXPECT_EQ(seleziona_grandezza("foE", caselle, giorno_notte, false).plot,
              ridisegno::grafico_vuoto);
    EXPECT_TRUE(seleziona_grandezza("M3000F1", caselle, giorno_notte, true).grandezza_corrente.empty());
    // Every letter box is walked, the Es types box among them.
    EXPECT_EQ(caselle_lettera().size(), 31u);
}

TEST(Selezione, ResetToFoF2NeitherFocusesNorRedraws) {
    const auto esito = selezione_fof2();
    EXPECT_EQ(esito.grandezza_corrente, "foF2");
    EXPECT_EQ(esito.sbloccate.back(), "lettera_descrittiva_fof2");
    EXPECT_TRUE(esito.fuoco.empty());
    EXPECT_EQ(esito.plot, ridisegno::nessuno);
}

TEST(Selezione, FoEsTellsNightFromDayByTheSixELayerBoxes) {
    caselle_finte vuote;
    std::string giorno_notte = "d";
    seleziona_grandezza("foEs", vuote, giorno_notte, true);
    EXPECT_EQ(giorno_notte, "n");
    for (std::string_view nome : caselle_strato_e) {
        for (const char* testo : {"A", " "}) { // a blank counts as filled
            caselle_finte caselle;
            caselle.imposta_testo(nome, testo);
            giorno_notte = "n";
            seleziona_grandezza("foEs", caselle, giorno_notte, true);
            EXPECT_EQ(giorno_notte, "d") << nome << " '" << testo << "'";
        }
    }
}

TEST(Selezione, HEsProposesAnEsTypeFromTheEAndEsBoxes) {
    const struct {
        std::vector<std::pair<std::string_view, std::string_view>> caselle;
        const char* atteso;
    } casi[] = {
        {{{"Text34", "A"}}, "L1"},
        {{{"Text34", "A"}, {"Text3", "300"}, {"Text4", "40"}}, "C1"},
        {{{"Text4", "40"}}, "F1"},
        {{{"Text20", "E"}}, "F1"},                              // a letter alone makes foEs present
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "S"}}, "C1"}, // "ES" skips F1
        {{{"Text4", "40"}, {"Text3", "310"}, {"Text34", "A"}}, "C1"},
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "G"}}, "F1"},
        {{{"Text4", "40"}, {"Text20", "E"}, {"Text35", "G"}, {"Text3", "300"}}, ""}, // EG: no C1
        {{{"Text4", "40"}, {"Text34", "B"}}, ""}, // only foE's d.l.: neither F1 nor C1
        {{{"Text2", "105"}}, ""},                 // no foEs: nothing to type
    };
    for (const auto& caso : casi) {
        caselle_finte caselle;
        for (const auto& [nome, testo] : caso.caselle) caselle.imposta_testo(nome, testo);
        std::string giorno_notte = "d";
        seleziona_grandezza("hEs", caselle, giorno_notte, true);
        EXPECT_EQ(caselle.testo("Text7"), caso.atteso) << caso.caselle.size() << " boxes, "
                                                        << caso.caselle.front().first;
    }
}

TEST(Selezione, HEsNeverOverwritesEsTypesAlreadyThere) {
    caselle_finte caselle;
    caselle.imposta_testo("Text4", "40");
    caselle.imposta_testo("Text7", "C2");
    std::string giorno_notte = "d";
    seleziona_grandezza("hEs", caselle, giorno_notte, true);
    EXPECT_EQ(caselle.testo("Text7"), "C2");
}
