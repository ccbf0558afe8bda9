// Form_MouseDown on the boxes, one table per rule family. Positions come from
// the mapping f = 0.025 x + 0.9, h = 1.125 y + 85.5; a message is written
// "title|text", with "?" in front for a Yes/No box.

#include "common/banco_scalatura.h"
#include "scaling/testo_click.h"

#include <gtest/gtest.h>

#include <string>

using namespace velaris;

namespace {

using prova::testi;
const std::string cont = "\r\nDo you want to continue?\n";

/// Plot column of a frequency in MHz.
float x_di(double mhz) { return static_cast<float>(40.0 * mhz - 36.0); }

struct caso {
    const char* grandezza;
    float x, y;
    testi prima, dopo; ///< "" in dopo expects an empty box
    std::string messaggi = {}; ///< what messaggi_finti::detti() gives
    std::deque<bool> risposte = {};
    const char* stazione = "Ostrand";
    float frequenza_iniziale = 1.0f;
};

void verifica(const caso& c) {
    prova::banco_scalatura b(c.prima, c.stazione);
    b.messaggi.risposte = c.risposte;
    b.s.clic(c.x, c.y, c.grandezza, true, c.frequenza_iniziale);
    const std::string dove = std::string(c.grandezza) + " at " + std::to_string(c.x) + ", " +
                             std::to_string(c.y);
    for (const auto& [nome, testo] : c.dopo) EXPECT_EQ(b[nome], testo) << dove << " " << nome;
    EXPECT_EQ(b.messaggi.detti(), c.messaggi) << dove;
}


std::string altezza(int y) { return valore_chilometri(testo_click_altezza(static_cast<float>(y))); }
std::string centesimi(int x) { return *valore_centesimi(testo_click_frequenza(static_cast<float>(x))); }
std::string decimi(int x) { return *valore_decimi(testo_click_frequenza(static_cast<float>(x))); }

} // namespace

TEST(Clic, Gate) {
    prova::banco_scalatura b;
    // Off the plot, without an ionogram, or on a key that is not clicked.
    for (const auto& [x, y, chiave, presente] :
         {std::tuple{765.0f, 300.0f, "foF2", true}, {100.0f, 601.0f, "foF2", true},
          {0.0f, 300.0f, "foF2", true}, {100.0f, 300.0f, "foF2", false},
          {100.0f, 300.0f, "MUF3000F2", true}, {100.0f, 300.0f, "tipoEs", true}})
        b.s.clic(x, y, chiave, presente, 1.0f);
    EXPECT_TRUE(b.caselle.testi.empty() && b.vista.chiamate.empty());
    verifica({"foF2", 764, 600, {}, {{"Text13", "200"}}}); // the last pixel of the plot
}

TEST(Clic, HeightsQuestionsAndOrderChecks) {
    const std::string impossibile = "?Be careful!!!|Impossible value for this characteristic!!" + cont;
    const std::string he_hes = "?Be careful!|(h'E-10) cannot be greater than h'Es" + cont;
    const std::string hes_hf = "?Be careful!|h'Es cannot be greater than h'F" + cont;
    const std::string hf_hf2 = "?Be careful!|h'F cannot be greater than h'F2" + cont;
    const caso casi[] = {
        // The limits of plausibility; No keeps the box as it was.
        {"hE", 0, 57, {}, {{"Text2", "150"}}},
        {"hE", 0, 58, {{"Text2", "1"}}, {{"Text2", "1"}}, impossibile, {false}},
        {"hE", 0, 58, {}, {{"Text2", "151"}}, impossibile, {true}},
        {"hEs", 0, 97, {}, {{"Text5", "195"}}},
        {"hEs", 0, 98, {}, {{"Text5", "196"}}, impossibile, {true}},
        {"hF", 0, 83, {}, {{"Text8", ""}}, impossibile, {false}},
        {"hF", 0, 84, {}, {{"Text8", "180"}}},
        {"hF", 0, 280, {}, {{"Text8", "400"}}},
        {"hF", 0, 281, {}, {{"Text8", ""}}, impossibile, {false}},
        {"hF2", 0, 101, {}, {{"Text12", ""}}, impossibile, {false}},
        {"hF2", 0, 102, {}, {{"Text12", "200"}}},
        {"hF2", 0, 458, {}, {{"Text12", "600"}}},
        {"hF2", 0, 459, {}, {{"Text12", ""}}, impossibile, {false}},
        // y 40 = 130.5 km -> "131": 131 - 10 against h'Es. A blank box is not empty.
        {"hE", 0, 40, {{"Text5", "110"}}, {{"Text2", ""}}, he_hes, {false}},
        {"hE", 0, 40, {{"Text5", "121"}}, {{"Text2", "131"}}},
        {"hE", 0, 40, {{"Text5", " "}}, {{"Text2", "131"}}, he_hes, {true}},
        // y 20 = 108 km: the first check kept, the second taken back.
        {"hEs", 0, 20, {{"Text2", "120"}, {"Text8", "100"}}, {{"Text5", ""}}, he_hes + hes_hf,
         {true, false}},
        {"hEs", 0, 20, {{"Text2", "118"}, {"Text8", "108"}}, {{"Text5", "108"}}},
        // y 100 = 198 km; a No ends the click before the next check.
        {"hF", 0, 100, {{"Text5", "200"}, {"Text12", "190"}}, {{"Text8", "198"}}, hes_hf + hf_hf2,
         {true, true}},
        {"hF", 0, 100, {{"Text5", "200"}, {"Text12", "190"}}, {{"Text8", ""}}, hes_hf, {false}},
        // y 150 = 254.25 km.
        {"hF2", 0, 150, {{"Text8", "260"}}, {{"Text12", ""}}, hf_hf2, {false}},
        {"hF2", 0, 150, {{"Text8", "254"}}, {{"Text12", "254"}}},
    };
    for (const auto& c : casi) verifica({c.grandezza, 100.0f, c.y, c.prima, c.dopo, c.messaggi, c.risposte});
}

TEST(Clic, FrequenciesFminAndEsLetters) {
    const std::string fmin_foe = "?Be careful!|fmin cannot be greater than foE" + cont;
    const caso casi[] = {
        {"foE", 364, 300, {{"Text3", "345"}}, {{"Text3", "345"}},
         "Be careful|Impossible value for this characteristic!!\n"},
        {"foE", 363, 300, {}, {{"Text3", "998"}}},
        {"foE", 1, 300, {}, {{"Text3", "100"}}},
        {"foE", x_di(2.5), 300, {{"Text1", "30"}}, {{"Text3", ""}}, fmin_foe, {false}},
        {"foE", x_di(3.0), 300, {{"Text1", "30"}}, {{"Text3", "300"}}},
        {"foF1", x_di(2.5), 300, {}, {{"Text9", "250"}}},
        // fmin at or below the first sounding frequency takes it, letters "E" "E".
        {"fmin", x_di(1.2), 300, {}, {{"Text1", "15"}, {"Text17", "E"}, {"Text23", "E"}}, {}, {}, "Ostrand", 1.5f},
        {"fmin", x_di(1.5), 300, {}, {{"Text1", "15"}, {"Text17", "E"}}, {}, {}, "Ostrand", 1.5f},
        {"fmin", x_di(1.6), 300, {}, {{"Text1", "16"}, {"Text17", ""}}, {}, {}, "Ostrand", 1.5f},
        {"fmin", 1, 300, {}, {{"Text1", "10"}, {"Text17", ""}}, {}, {}, "Ostrand", 0.5f},
        {"fmin", x_di(3.0), 300, {{"Text3", "250"}}, {{"Text1", ""}}, fmin_foe, {false}},
        // fbEs against foEs: equal "A" "A", above "U" "Y".
        {"fbEs", x_di(4.0), 300, {{"Text4", "40"}}, {{"Text6", "40"}, {"Text22", "A"}, {"Text37", "A"}}},
        {"fbEs", x_di(4.5), 300, {{"Text4", "40"}}, {{"Text22", "U"}, {"Text37", "Y"}}},
        {"fbEs", x_di(3.5), 300, {{"Text4", "40"}}, {{"Text22", ""}, {"Text37", ""}}},
        {"fbEs", x_di(4.5), 300, {}, {{"Text22", ""}}},
        {"foEs", x_di(3.5), 300, {{"Text6", "40"}}, {{"Text4", "35"}, {"Text22", "U"}, {"Text37", "Y"}}},
    };
    for (const auto& c : casi) verifica(c);
}

TEST(Clic, FxIAndFoF2AtTheStation) {
    for (const auto& [stazione, scarto] : {std::pair{"Ostrand", 5}, {"Kesh Amar", 6}, {"QX106", 6}})
        EXPECT_EQ(scarto_stazione(stazione), scarto) << stazione;
    const char* qfo = "lettera_qualificativa_fof2";
    const caso casi[] = {
        // fxI 0.1 MHz from foF2: fxI follows from foF2, D higher.
        {"fxI", x_di(7.1), 0, {{"Text13", "70"}, {qfo, "A"}}, {{"Text14", "75"}, {"Text30", "O"}, {qfo, ""}, {"Text44", ""}}},
        {"fxI", x_di(7.1), 0, {{"Text13", "70"}}, {{"Text14", "79"}, {"Text30", "O"}}, {}, {}, "PSV"},
        // Exactly D above: kept and marked "X".
        {"fxI", x_di(7.5), 0, {{"Text13", "70"}}, {{"Text14", "75"}, {"Text30", ""}, {"Text44", "X"}}},
        {"fxI", x_di(7.6), 0, {{"Text13", "70"}}, {{"Text14", "76"}, {"Text30", ""}, {"Text44", ""}}},
        {"fxI", x_di(7.5), 0, {}, {{"Text14", "75"}, {"Text44", ""}}},
        // foF2 within 0.2 MHz of fxI either way: foF2 follows from fxI.
        {"foF2", x_di(7.3), 0, {{"Text14", "75"}}, {{"Text13", "70"}, {"Text44", "X"}, {qfo, "J"}}},
        {"foF2", x_di(7.7), 0, {{"Text14", "75"}}, {{"Text13", "70"}, {"Text44", "X"}, {qfo, "J"}}},
        {"foF2", x_di(7.2), 0, {{"Text14", "75"}}, {{"Text13", "72"}, {"Text44", ""}, {qfo, ""}}},
        {"foF2", x_di(7.8), 0, {{"Text14", "75"}}, {{"Text13", "78"}, {"Text44", ""}, {qfo, ""}}},
        // foF2 exactly D below fxI: the fxI letter X, foF2 as clicked.
        {"foF2", x_di(7.0), 0, {{"Text14", "75"}}, {{"Text13", "70"}, {"Text44", "X"}, {qfo, ""}}},
        {"foF2", x_di(7.0), 0, {{"Text14", "79"}}, {{"Text13", "70"}, {"Text44", "X"}}, {}, {}, "PSV"},
    };
    for (const auto& c : casi) verifica({c.grandezza, c.x, 300.0f, c.prima, c.dopo, {}, {}, c.stazione});
}

TEST(Clic, MufLimitsAndM3000AfterFo) {
    const caso casi[] = {
        {"foF2", x_di(7.5), 0, {{"Text15", "245"}}, {{"Text13", "75"}, {"Text16", "327"}}},
        {"foF2", x_di(8.0), 0, {{"Text15", "800"}}, {{"Text13", "80"}, {"Text16", "1000"}}},
        {"foF2", x_di(8.0), 0, {{"Text15", "79"}, {"Text16", "1"}}, {{"Text13", ""}, {"Text16", ""}},
         "Be careful!|foF2 cannot be greater than MUF(3000)F2!!\n"},
        {"foF2", x_di(8.0), 0, {{"Text15", "801"}, {"Text16", "1"}}, {{"Text13", ""}, {"Text16", ""}},
         "Be careful!|MUF(3000)F2 cannot be 10 times greater than foF2!!\n"},
        // Ties go to the even neighbour: 8100 / 40 = 202.5, 8300 / 40 = 207.5.
        {"foF2", x_di(4.0), 0, {{"Text15", "81"}}, {{"Text16", "202"}}},
        {"foF2", x_di(4.0), 0, {{"Text15", "83"}}, {{"Text16", "208"}}},
        {"foF2", x_di(4.0), 0, {{"Text16", "1"}}, {{"Text16", "1"}}},
        {"foF1", x_di(4.5), 0, {{"Text10", "45"}}, {{"Text9", "450"}, {"Text11", "100"}}},
        {"foF1", x_di(4.5), 0, {{"Text10", "44"}, {"Text11", "1"}}, {{"Text9", ""}, {"Text11", ""}},
         "Be careful!|foF1 cannot be greater than MUF(3000)F1!!\n"},
        {"foF1", x_di(4.5), 0, {{"Text10", "451"}}, {{"Text9", ""}, {"Text11", ""}},
         "Be careful!|MUF(3000)F1 cannot be 10 times greater than foF1!!\n"},
    };
    for (const auto& c : casi) verifica({c.grandezza, c.x, 300.0f, c.prima, c.dopo, c.messaggi});
}

// The click's text and its rounding by digits, for every pixel of the plot
// against the arithmetic the rounding must equal (half up of the exact value).

TEST(TestoClick, HeightsAreWholeKilometresHalfUpAndGridRowsTheirLabels) {
    const std::pair<int, int> righe[] = {{12, 100}, {102, 200}, {190, 300}, {280, 400},
                                         {368, 500}, {458, 600}, {546, 700}};
    for (int y = 1; y <= 600; ++y) {
        // h = 1.125 y + 85.5 = (9 y + 684) / 8 km; half up is (9 y + 688) / 8.
        int atteso = (9 * y + 688) / 8;
        for (const auto& [riga, km] : righe)
            if (y == riga) atteso = km;
        ASSERT_EQ(altezza(y), std::to_string(atteso)) << "y = " << y;
    }
    EXPECT_EQ(testo_click_altezza(279), " 399.375"); // row 280 is "400", not 400.5
}

TEST(TestoClick, FoEAndFoF1AreHundredthsHalfUp) {
    // 100 f = 2.5 x + 90 = (5 x + 180) / 2; half up is (5 x + 181) / 2. x 1-3 read as 1 MHz.
    for (int x = 1; x <= 363; ++x)
        ASSERT_EQ(centesimi(x), std::to_string(x <= 3 ? 100 : (5 * x + 181) / 2)) << "x = " << x;
}

TEST(TestoClick, OtherFrequenciesAreTenthsHalfUp) {
    // 10 f = (x + 36) / 4; half up is (x + 38) / 4. x 1-3 read as 1 MHz.
    for (int x = 1; x <= 764; ++x)
        ASSERT_EQ(decimi(x), std::to_string(x <= 3 ? 10 : (x + 38) / 4)) << "x = " << x;
}

// (The digit carries, 9.95 to "100" among them, are in the pixel loops above.)
TEST(TestoClick, MoreThanThreeDecimalsLeaveTheBoxAsItIs) {
    EXPECT_EQ(valore_centesimi(" 3.4251"), std::nullopt);
    EXPECT_EQ(valore_decimi(" 3.4251"), std::nullopt);
}
