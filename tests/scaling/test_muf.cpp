// MUF(3000) and M(3000) with the transmission curve: the start value and the
// first move of a selection, the key moves with their clamps, messages and
// searches, and the curve handed to the window.

#include "common/curva_attesa.h"
#include "common/fakes.h"
#include "common/vista_finta.h"
#include "scaling/curva_trasmissione.h"
#include "scaling/scalatura.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

using testi = std::vector<std::pair<const char*, const char*>>;

struct banco {
    prova::caselle_finte caselle;
    prova::messaggi_finti messaggi;
    prova::vista_finta vista;
    scalatura s{caselle, messaggi, vista, "Ostrand"};

    explicit banco(const testi& prima = {}) {
        for (const auto& [nome, testo] : prima) caselle.imposta_testo(nome, testo);
    }
    std::string operator[](std::string_view nome) const { return caselle.testo(nome); }
};

} // namespace

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
        {&strato_f2, 80, "79", -1, "80 101", "Be careful!|foF2 cannot be greater than MUF(3000)F2!!!"},
        {&strato_f2, 99, "10", +1, "99 990", "Be careful!!|MUF(3000)F2 cannot be 10 times greater than foF2!!"},
        // foF1 in hundredths (4.5 MHz); the MUF may not equal it either.
        {&strato_f1, 45, "450", -1, "46 102", "Be careful!|foF1 cannot be greater than MUF(3000)F1!!"},
        {&strato_f1, 449, "450", +1, "449 998", "Be careful!!|MUF(3000)F1 cannot be 10 times greater than foF1!!"},
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
        std::string mostrato;
        for (const auto& m : b.messaggi.mostrati) mostrato += (m.domanda ? "?" : "") + m.titolo + "|" + m.testo;
        EXPECT_EQ(mostrato, caso.messaggio);
    }
}

TEST(CurvaTrasmissione, VerticesFollowTheFormula) {
    EXPECT_NEAR(stima_secante(7.5f, 299.25f), 27.43, 0.005);
    for (const float muf : {3.0f, 3.1f, 7.5f, 15.1f, 27.5f, 44.4f, 70.0f}) {
        std::vector<std::pair<int, int>> coppie;
        for (const auto& p : punti_curva_trasmissione(muf)) coppie.emplace_back(p.x, p.y);
        EXPECT_EQ(coppie, prova::vertici_curva_attesi(muf)) << muf;
    }
    // 27.5 MHz starts at the first height searched, 99 km (row 11), column 142;
    // 3.0 MHz never leaves column 1 up to 396 km and starts one step past it.
    EXPECT_EQ(punti_curva_trasmissione(27.5f).front(), (punto_grafico{142, 11}));
    EXPECT_EQ(punti_curva_trasmissione(3.0f).front(), (punto_grafico{1, 276}));
}
