// The main window's session with the window faked: what no window test can
// see beside the moves (test_spostamento) and the ways out (test_uscita).
// What the keys, clicks and boxes do through the real widgets is in
// tests/windows.

#include "common/banco_sessione.h"
#include "common/giornata_di_prova.h"
#include "common/sessione_di_prova.h"
#include "session/sessione_principale.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

class Sessione : public ::testing::Test, protected prova::banco_sessione {
protected:
    void SetUp() override {
        prova::prepara_sessione(stato, cartella.percorso());
        prova::scrivi_ionogramma(stato, 7, 45);
        sessione.carica();
    }

};

} // namespace

// The MUF curve and its keys need an ionogram: without one the selection
// only selects, and the keys move nothing; the Es types propose nothing and
// their buttons stay hidden. Any other selection draws the empty plot again.
TEST_F(Sessione, WithoutAnIonogramSelectionsOnlySelect) {
    caselle.imposta_testo("Text13", "75");
    caselle.imposta_testo("Text5", "170");
    stato.ionogramma_presente = false;
    sessione.seleziona("MUF3000F2");
    sessione.tasto(tasto_tabella::giu, false, false);
    EXPECT_EQ(sessione.grandezza_corrente(), "MUF3000F2");
    EXPECT_EQ(caselle.testo("Text15"), "");
    sessione.seleziona("tipoEs");
    EXPECT_EQ(caselle.testo("Text7"), "");
    EXPECT_FALSE(vista.pulsanti_es);
    EXPECT_EQ(vista.chiamate, std::vector<std::string>{"vuoto"});
}

// The right click applies Es missing by night or by day by foE, anywhere and
// without an ionogram too.
TEST_F(Sessione, TheRightClickAppliesEsMissingByFoE) {
    stato.ionogramma_presente = false;
    caselle.imposta_testo("Text1", "15");
    sessione.clic(2, 2000.0f, -40.0f);
    EXPECT_EQ(stato.codice_caso_particolare, "01");
    EXPECT_EQ(vista.caso_particolare, "Particular Case: Nighttime Es missing");
    EXPECT_EQ(sessione.grandezza_corrente(), "hF");
    sessione.annulla_caso_particolare();
    caselle.imposta_testo("Text3", "345");
    sessione.clic(2, 100.0f, 100.0f);
    EXPECT_EQ(stato.codice_caso_particolare, "02");
}
