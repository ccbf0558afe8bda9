// The click's text and its rounding by digits, for every pixel of the plot
// against the arithmetic the rounding must equal (half up of the exact value).

#include "scaling/testo_click.h"

#include <gtest/gtest.h>

#include <string>

using namespace velaris;

namespace {

std::string altezza(int y) { return valore_chilometri(testo_click_altezza(static_cast<float>(y))); }
std::string centesimi(int x) { return *valore_centesimi(testo_click_frequenza(static_cast<float>(x))); }
std::string decimi(int x) { return *valore_decimi(testo_click_frequenza(static_cast<float>(x))); }

} // namespace

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

TEST(TestoClick, DigitCarriesAndTooManyDecimals) {
    EXPECT_EQ(valore_centesimi(" 3.425"), "343"); // the second decimal raised by one
    EXPECT_EQ(valore_decimi(" 5.95"), "60");      // the first decimal carries into I
    EXPECT_EQ(valore_decimi(" 9.95"), "100");
    // More than three decimals leave the box as it is.
    EXPECT_EQ(valore_centesimi(" 3.4251"), std::nullopt);
    EXPECT_EQ(valore_decimi(" 3.4251"), std::nullopt);
}
