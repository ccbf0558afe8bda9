// The proposals in the main window's session: Enter writes exactly what a
// left click at the proposal's point writes, and nothing else ever writes a
// box. The proposer itself is tests/proposals.

#include "common/banco_sessione.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

/// The key; what the status line says once it is current; a box written
/// first, so that a rule of the click applies, and its text; the answers to
/// the questions the click asks.
using caso = std::tuple<const char*, const char*, const char*, const char*, std::deque<bool>>;

// The traces below are made for these values: a flat sporadic E whose
// leading edge stands at 103.5 km from 1.6 MHz to its end between 3.45 and
// 3.5 MHz, an F trace from 3.5 MHz ending between 5.45 and 5.5 MHz.
const caso casi[] = {
    {"fmin", "proposed: fmin 1.6 MHz", "Text3", "150", {true}}, // fmin above foE: kept
    {"foEs", "proposed: foEs 3.5 MHz", "Text6", "35", {}},      // fbEs = foEs: letters A A
    {"hEs", "proposed: h'Es 104 km", "Text8", "100", {false}},  // above h'F: taken back
    {"foF2", "proposed: foF2 5.5 MHz", "Text15", "50", {}},     // above MUF(3000)F2: refused
};

class PropostaAccettata : public ::testing::TestWithParam<caso>, protected prova::banco_sessione {
protected:
    void SetUp() override {
        std::vector<unsigned char> byte = prova::rdf_di_prova{}.byte();
        std::fill(byte.begin() + 197, byte.end(), 0);
        // Es up to record 50, then F, climbing 13.5 km a record at its end.
        for (int i = 13; i <= 90; ++i)
            for (int j = i <= 50 ? 4 : i <= 84 ? 36 : 36 + (i - 84) * 3, k = 0; k < 3; ++j, ++k)
                byte[197 + (i - 1) * 150 + j - 1] = 200;
        prova::scrivi_file(prova::file_ionogramma(stato, 7, 45), byte);
        sessione.carica();
    }
};

TEST_P(PropostaAccettata, EnterWritesWhatAClickAtItsPointWrites) {
    const auto& [chiave, testo_stato, casella, testo, risposte] = GetParam();
    caselle.imposta_testo(casella, testo);
    sessione.seleziona(chiave);
    const punto_grafico punto = proponi(sessione.dati(), chiave)->punto;
    EXPECT_EQ(vista.marcatore, punto);
    EXPECT_EQ(vista.proposta, testo_stato);
    const auto prima = caselle.testi;
    const auto dopo = [&](const std::function<void()>& comando) {
        caselle.testi = prima;
        messaggi.mostrati.clear();
        messaggi.risposte = risposte;
        comando();
        return std::pair(caselle.testi, messaggi.testi());
    };
    const auto accettata = dopo([&] { sessione.tasto(tasto_tabella::invio, false, false); });
    EXPECT_EQ(accettata, dopo([&] { sessione.clic(1, float(punto.x), float(punto.y)); }));
    EXPECT_NE(accettata, std::pair(prima, std::vector<std::string>{})); // it did something
}

INSTANTIATE_TEST_SUITE_P(Casi, PropostaAccettata, ::testing::ValuesIn(casi));

// Down the whole list with F1 the proposals are shown and nothing is written;
// switched off none is shown, the one on the plot is drawn over, and Enter
// does nothing; nor does it where there is no proposal (fxI never has one,
// nor a sounding without a file).
TEST_F(PropostaAccettata, NothingWithoutTheKey) {
    int mostrate = 0;
    do {
        sessione.tasto(tasto_tabella::f1, false, false);
        mostrate += vista.marcatore.has_value();
    } while (sessione.grandezza_corrente() != "foF2");
    EXPECT_EQ(mostrate, 4);
    sessione.mostra_proposte(false);
    EXPECT_EQ(vista.chiamate.back(), "ionogramma");
    EXPECT_FALSE(vista.marcatore);
    sessione.tasto(tasto_tabella::invio, false, false);
    sessione.mostra_proposte(true);
    sessione.seleziona("fxI");
    sessione.tasto(tasto_tabella::invio, false, false);
    sessione.sposta(verso::successivo); // saves 07:45, which shows as the previous sounding
    sessione.tasto(tasto_tabella::invio, false, false); // 08:00 has no file
    for (const auto& [casella, testo] : caselle.testi) EXPECT_EQ(testo, "") << casella;
    EXPECT_TRUE(messaggi.mostrati.empty());
}

} // namespace
