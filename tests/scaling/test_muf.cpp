// MUF(3000)F1/F2 with the transmission curve: the three ways to the start
// value, the first move, the key moves with their clamps, messages and
// searches, M(3000), and the curve handed to the window.

#include "common/curva_attesa.h"
#include "common/fakes.h"
#include "common/vista_scalatura_finta.h"
#include "scaling/curva_trasmissione.h"
#include "scaling/scalatura.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace velaris;

namespace {

struct banco {
    prova::caselle_finte caselle;
    prova::messaggi_finti messaggi;
    prova::vista_scalatura_finta vista;
    scalatura s{caselle, messaggi, vista, "Ostrand"};

    std::string operator[](std::string_view nome) const { return caselle.testo(nome); }
    void poni(std::initializer_list<std::pair<const char*, const char*>> testi) {
        for (const auto& [nome, testo] : testi) caselle.imposta_testo(nome, testo);
    }
    void seleziona_f2() { s.selezione_muf(strato_f2, true); }
    void tasto(int decimi) { s.spostamento_muf(strato_f2, decimi); }
};

} // namespace

TEST(Muf, StartFromTheEstimateOfTheLastFoClick) {
    banco b;
    b.s.clic(1, 264.0f, 190.0f, "foF2", true, 1.0f); // 7.5 MHz, 299.25 km
    ASSERT_EQ(b["Text13"], "75");
    EXPECT_NEAR(stima_secante(7.5f, 299.25f), 27.43, 0.005);
    b.seleziona_f2();
    // 27.43 -> 27.4, and the first move 0.1 MHz up.
    EXPECT_EQ(b["Text15"], "275");
    EXPECT_EQ(b["Text16"], "367"); // 100 x 275 / 75 = 366.67
    EXPECT_EQ(b.vista.chiamate,
              (std::vector<std::string>{"ionogramma+pulisci", "ionogramma", "curva"}));
    EXPECT_FLOAT_EQ(b.s.variabili().muf_mhz, 27.5f);
    EXPECT_TRUE(b.messaggi.mostrati.empty());

    // The box now holds the MUF: every selection starts from it and adds 0.1.
    b.seleziona_f2();
    EXPECT_EQ(b["Text15"], "276");
    EXPECT_EQ(b["Text16"], "368");
    b.seleziona_f2();
    EXPECT_EQ(b["Text15"], "277");
}

TEST(Muf, EstimateShapes) {
    const struct {
        float f;
        const char* fo;
        const char* muf;
        int beep;
    } casi[] = {
        {2.46f, "24", "91", 0},    // 8.997 -> 9.0, printed "9": 90, then 91
        {2.6f, "26", "96", 0},     // 9.51 -> 9.5: 95, then 96
        {34.0f, "340", "700", 1},  // 124.4: too long, the first move clamps
    };
    for (const auto& caso : casi) {
        banco b;
        b.s.variabili().frequenza_click_fof2 = caso.f;
        b.s.variabili().altezza_click_fof2 = 299.25f;
        b.poni({{"Text13", caso.fo}});
        b.seleziona_f2();
        EXPECT_EQ(b["Text15"], caso.muf) << caso.f;
        EXPECT_EQ(b.messaggi.segnali_acustici, caso.beep) << caso.f;
    }
}

TEST(Muf, StartFromFifteenMegahertzWithTheSearches) {
    const struct {
        const char* fo;
        const char* muf;
        const char* m;
    } casi[] = {
        {"75", "151", "201"},  // between 7.5 and 75: 15.0, then 15.1
        {"160", "162", "101"}, // raised above 16.0 to 16.1, then 16.2
        {"10", "99", "990"},   // lowered to 9.9; 10.0 is ten times foF2: back to 9.9
    };
    for (const auto& caso : casi) {
        banco b;
        b.poni({{"Text13", caso.fo}});
        b.seleziona_f2();
        EXPECT_EQ(b["Text15"], caso.muf) << caso.fo;
        EXPECT_EQ(b["Text16"], caso.m) << caso.fo;
        EXPECT_TRUE(b.messaggi.mostrati.empty()) << "the MUF box was empty";
    }
}

TEST(Muf, WithoutFoOrIonogramNothingIsWrittenOrDrawn) {
    banco b;
    b.s.selezione_muf(strato_f1, true);
    EXPECT_EQ(b["Text10"], "");
    EXPECT_EQ(b.vista.chiamate, std::vector<std::string>{"ionogramma+pulisci"});
    EXPECT_FLOAT_EQ(b.s.variabili().muf_mhz, 15.0f);
    b.s.spostamento_muf(strato_f1, +1);
    EXPECT_EQ(b["Text10"], "151");
    EXPECT_EQ(b["Text11"], "");
    EXPECT_EQ(b.vista.chiamate.back(), "curva");

    banco c;
    c.poni({{"Text13", "75"}});
    c.s.selezione_muf(strato_f2, false);
    EXPECT_TRUE(c.vista.chiamate.empty());
    EXPECT_EQ(c["Text15"], "");
}

TEST(Muf, ClampsAtThreeAndSeventyWithABeep) {
    banco b;
    b.poni({{"Text15", "150"}});
    b.seleziona_f2(); // no foF2: the start only
    for (int n = 0; n < 30; ++n) b.tasto(+20);
    EXPECT_EQ(b["Text15"], "700");
    EXPECT_FLOAT_EQ(b.s.variabili().muf_mhz, 70.0f);
    const int beep = b.messaggi.segnali_acustici;
    EXPECT_GE(beep, 1);
    for (int n = 0; n < 700; ++n) b.tasto(-1);
    EXPECT_EQ(b["Text15"], "30");
    EXPECT_GT(b.messaggi.segnali_acustici, beep);

    // 70.0 itself passes without a beep.
    banco c;
    c.poni({{"Text15", "680"}});
    c.seleziona_f2();
    c.tasto(+20);
    EXPECT_EQ(c["Text15"], "700");
    EXPECT_EQ(c.messaggi.segnali_acustici, 0);
    c.tasto(+1);
    EXPECT_EQ(c["Text15"], "700");
    EXPECT_EQ(c.messaggi.segnali_acustici, 1);
}

TEST(Muf, KeyMovesBeyondTheLimitsAreCorrectedWithAMessage) {
    const struct {
        const strato_muf* strato;
        const char* muf;
        const char* fo;
        int passo;
        const char* titolo;
        const char* testo;
        const char* muf_dopo;
        const char* m_dopo;
    } casi[] = {
        {&strato_f2, "80", "79", -1, "Be careful!", "foF2 cannot be greater than MUF(3000)F2!!!",
         "80", "101"},
        {&strato_f2, "99", "10", +1, "Be careful!!",
         "MUF(3000)F2 cannot be 10 times greater than foF2!!", "99", "990"},
        // foF1 in hundredths: 4.5 MHz. The MUF may not equal foF1 either.
        {&strato_f1, "45", "450", -1, "Be careful!", "foF1 cannot be greater than MUF(3000)F1!!",
         "46", "102"},
        {&strato_f1, "449", "450", +1, "Be careful!!",
         "MUF(3000)F1 cannot be 10 times greater than foF1!!", "449", "998"},
        {&strato_f2, "120", "70", -20, "", "", "100", "143"},
    };
    for (const auto& caso : casi) {
        banco b;
        b.poni({{caso.strato->casella_fo.data(), caso.fo}});
        // The state a selection leaves for a MUF box of caso.muf.
        b.s.variabili().muf_decimi = static_cast<std::int16_t>(std::atoi(caso.muf));
        b.s.variabili().muf_mhz = b.s.variabili().muf_decimi / 10.0f;
        b.caselle.imposta_testo(caso.strato->casella_muf, caso.muf);
        b.s.spostamento_muf(*caso.strato, caso.passo);
        EXPECT_EQ(b[caso.strato->casella_muf], caso.muf_dopo) << caso.muf;
        EXPECT_EQ(b[caso.strato->casella_m], caso.m_dopo) << caso.muf;
        if (*caso.testo == '\0') {
            EXPECT_TRUE(b.messaggi.mostrati.empty());
            continue;
        }
        ASSERT_EQ(b.messaggi.mostrati.size(), 1u) << caso.muf;
        EXPECT_FALSE(b.messaggi.mostrati[0].domanda);
        EXPECT_EQ(b.messaggi.mostrati[0].titolo, caso.titolo);
        EXPECT_EQ(b.messaggi.mostrati[0].testo, caso.testo);
    }
}

TEST(Muf, TheCurveIsTheOneOfTheMufShown) {
    banco b;
    b.poni({{"Text13", "75"}, {"Text15", "274"}});
    b.seleziona_f2();
    ASSERT_EQ(b["Text15"], "275");
    const auto attesi = prova::vertici_curva_attesi(27.5f);
    ASSERT_EQ(b.vista.ultima_curva.size(), attesi.size());
    for (std::size_t n = 0; n < attesi.size(); ++n) {
        EXPECT_EQ(b.vista.ultima_curva[n].x, attesi[n].first) << n;
        EXPECT_EQ(b.vista.ultima_curva[n].y, attesi[n].second) << n;
    }
}

TEST(CurvaTrasmissione, VerticesFollowTheFormula) {
    for (const float muf : {3.0f, 3.1f, 7.5f, 15.1f, 27.5f, 44.4f, 70.0f}) {
        const auto punti = punti_curva_trasmissione(muf);
        const auto attesi = prova::vertici_curva_attesi(muf);
        ASSERT_EQ(punti.size(), attesi.size()) << muf;
        for (std::size_t n = 0; n < attesi.size(); ++n) {
            ASSERT_EQ(punti[n].x, attesi[n].first) << muf << " vertex " << n;
            ASSERT_EQ(punti[n].y, attesi[n].second) << muf << " vertex " << n;
        }
    }
    // 27.5 MHz starts at the first height searched, 99 km (row 11), column 142.
    EXPECT_EQ(punti_curva_trasmissione(27.5f).front(), (punto_grafico{142, 11}));
    // 3.0 MHz never leaves column 1 up to 396 km: the curve starts past it.
    EXPECT_EQ(punti_curva_trasmissione(3.0f).front(), (punto_grafico{1, 276}));
    // 70 MHz leaves the plot: no vertex at column 760 or beyond.
    for (const auto& p : punti_curva_trasmissione(70.0f)) EXPECT_LT(p.x, 760);
}
