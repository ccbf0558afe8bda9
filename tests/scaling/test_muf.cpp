// MUF(3000) and M(3000) with the transmission curve: the start value and the
// first move of a selection, the key moves with their clamps, messages and
// searches, and the curve handed to the window.

#include "common/banco_scalatura.h"
#include "scaling/curva_trasmissione.h"

#include <gtest/gtest.h>

using namespace velaris;

using prova::testi;
using banco = prova::banco_scalatura;

TEST(Muf, SelectionStartsFromTheBoxTheEstimateOrFifteenMegahertz) {
    const struct { testi prima; float f, h; const char *muf, *m; int beep; } casi[] = {
        // 7.5 MHz at 299.25 km estimates 27.43 -> 27.4; the first move adds 0.1.
        {{{"Text13", "75"}}, 7.5f, 299.25f, "275", "367", 0},
        {{{"Text13", "75"}, {"Text15", "275"}}, 7.5f, 299.25f, "276", "368", 0},
        {{{"Text13", "24"}}, 2.46f, 299.25f, "91", "379", 0},    // 8.997 -> 9.0, printed "9"
        {{{"Text13", "26"}}, 2.6f, 299.25f, "96", "369", 0},     // 9.51 -> 9.5
        {{{"Text13", "340"}}, 34.0f, 299.25f, "700", "206", 1},  // 124.4: the move clamps
        // No click (h 0): 15.0 MHz, raised above foF2 or lowered below ten times it.
        {{{"Text13", "75"}}, 7.5f, 0, "151", "201", 0},
        {{{"Text13", "160"}}, 0, 0, "162", "101", 0},
        {{{"Text13", "149"}}, 0, 0, "151", "101", 0}, // 15.0 is already above 14.9
        // 9.9 MHz; the move to 10.0 is ten times foF2 and goes back, silently
        // as the box was empty.
        {{{"Text13", "10"}}, 0, 0, "99", "990", 0},
        {{}, 7.5f, 299.25f, "", "", 0},
    };
    for (const auto& caso : casi) {
        banco b(caso.prima);
        b.s.variabili().frequenza_click_fof2 = caso.f;
        b.s.variabili().altezza_click_fof2 = caso.h;
        b.s.selezione_muf(strato_f2, true);
        EXPECT_EQ(b["Text15"] + " " + b["Text16"], std::string(caso.muf) + " " + caso.m) << caso.f;
        EXPECT_EQ(b.messaggi.segnali_acustici, caso.beep) << caso.f;
        EXPECT_TRUE(b.messaggi.mostrati.empty());
    }
}

TEST(Muf, SelectionDrawsTheCurveOfTheMufShownOnlyWithFoAndIonogram) {
    banco b({{"Text13", "75"}, {"Text15", "274"}});
    b.s.selezione_muf(strato_f2, true);
    EXPECT_EQ(b.vista.chiamate, (std::vector<std::string>{"ionogramma+pulisci", "ionogramma", "curva"}));
    EXPECT_EQ(b.vista.ultima_curva, punti_curva_trasmissione(27.5f));
    // Without foF1 the start is only set; the first key writes the MUF, no M.
    banco f1;
    f1.s.selezione_muf(strato_f1, true);
    EXPECT_EQ(f1.vista.chiamate, std::vector<std::string>{"ionogramma+pulisci"});
    EXPECT_EQ(f1["Text10"], "");
    f1.s.spostamento_muf(strato_f1, +1);
    EXPECT_EQ(f1["Text10"] + "|" + f1["Text11"], "151|");
    banco senza(testi{{"Text13", "75"}});
    senza.s.selezione_muf(strato_f2, false);
    EXPECT_TRUE(senza.vista.chiamate.empty() && senza["Text15"].empty());
}

TEST(Muf, ClampsAtThreeAndSeventyWithABeep) {
    banco b(testi{{"Text15", "680"}});
    b.s.selezione_muf(strato_f2, true); // no foF2: the start only
    b.s.spostamento_muf(strato_f2, +20);
    EXPECT_EQ(b["Text15"], "700"); // 70.0 itself passes without a beep
    EXPECT_EQ(b.messaggi.segnali_acustici, 0);
    b.s.spostamento_muf(strato_f2, +1);
    b.s.spostamento_muf(strato_f2, +20);
    EXPECT_EQ(b["Text15"], "700");
    EXPECT_EQ(b.messaggi.segnali_acustici, 2);
    for (int n = 0; n < 700; ++n) b.s.spostamento_muf(strato_f2, -1);
    EXPECT_EQ(b["Text15"], "30");
    EXPECT_FLOAT_EQ(b.s.variabili().muf_mhz, 3.0f);
    EXPECT_GT(b.messaggi.segnali_acustici, 2);
}

TEST(Muf, KeyMovesBeyondTheLimitsAreCorrectedWithAMessage) {
    // Layer, MUF shown, fo, key step -> "MUF M" and the message "title|text".
    const struct {
        const strato_muf* strato;
        int muf;
        const char* fo;
        int passo;
        const char *dopo, *messaggio;
    } casi[] = {
        {&strato_f2, 80, "79", -1, "80 101", "Be careful!|foF2 cannot be greater than MUF(3000)F2!!!\n"},
        {&strato_f2, 99, "10", +1, "99 990", "Be careful!!|MUF(3000)F2 cannot be 10 times greater than foF2!!\n"},
        // foF1 in hundredths (4.5 MHz); the MUF may not equal it either.
        {&strato_f1, 45, "450", -1, "46 102", "Be careful!|foF1 cannot be greater than MUF(3000)F1!!\n"},
        {&strato_f1, 449, "450", +1, "449 998", "Be careful!!|MUF(3000)F1 cannot be 10 times greater than foF1!!\n"},
        {&strato_f2, 120, "70", -20, "100 143", ""},
    };
    for (const auto& caso : casi) {
        banco b(testi{{caso.strato->casella_fo.data(), caso.fo}});
        // What a selection leaves for a MUF box showing caso.muf.
        b.caselle.imposta_testo(caso.strato->casella_muf, std::to_string(caso.muf));
        b.s.variabili().muf_decimi = static_cast<std::int16_t>(caso.muf);
        b.s.variabili().muf_mhz = caso.muf / 10.0f;
        b.s.spostamento_muf(*caso.strato, caso.passo);
        EXPECT_EQ(b[caso.strato->casella_muf] + " " + b[caso.strato->casella_m], caso.dopo) << caso.muf;
        EXPECT_EQ(b.messaggi.detti(), caso.messaggio);
    }
}

// f(h) = MUF cos i / 1.114 with i = atan(sin 0.235 / (1 + h / 6371 - cos 0.235)),
// from the first height of 99 + 1.125 n km past column 1 (at most 396 km) up
// to 756 km, columns below 760; column Int((f - 0.925) / 0.025), row
// Int((h - 86.625) / 1.125). The vertices below were worked out from it by hand.
TEST(CurvaTrasmissione, VerticesFollowTheFormula) {
    EXPECT_NEAR(stima_secante(7.5f, 299.25f), 27.43, 0.005);
    const struct { float muf; std::size_t quanti; punto_grafico primo, terzo, ultimo; } casi[] = {
        {27.5f, 586, {142, 11}, {143, 12}, {487, 595}}, // from the first height searched
        {7.5f, 586, {11, 11}, {12, 12}, {106, 595}},
        {3.0f, 321, {1, 276}, {1, 277}, {20, 595}}, // column 1 up to 396 km: one step past
        {70.0f, 199, {419, 11}, {421, 12}, {759, 208}}, // cut where it leaves the plot
    };
    for (const auto& c : casi) {
        const auto punti = punti_curva_trasmissione(c.muf);
        ASSERT_EQ(punti.size(), c.quanti) << c.muf;
        EXPECT_TRUE(punti[0] == c.primo && punti[1] == c.primo && punti[2] == c.terzo &&
                    punti.back() == c.ultimo) << c.muf;
    }
}
