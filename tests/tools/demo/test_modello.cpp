// The physics of the demo day against closed forms and against what a
// mid-latitude day must look like.

#include "modello.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace velaris::demo;

namespace {

// Parabolic layer fp^2 = fc^2 (1 - ((h - hm) / ym)^2) from hm - ym upward.
constexpr double fc = 5.0, hm = 250.0, ym = 100.0;

double parabola(double h) {
    const double z = (h - hm) / ym;
    return h < hm - ym ? 0.0 : fc * fc * (1.0 - std::min(1.0, z * z));
}

} // namespace

TEST(ModelloGruppo, LinearLayerGivesTwiceTheDepthOfReflection) {
    // fp^2 = k (h - hb): the wave turns at hb + f^2/k, its group path is twice that depth.
    const double hb = 100.0, k = 0.2;
    const profilo p([&](double h) { return h < hb ? 0.0 : k * (h - hb); }, 60.0, 400.0, 0.25);
    for (double f : {1.0, 4.0, 6.3}) {
        const auto h = p.altezza_virtuale(f, modo::ordinario);
        ASSERT_TRUE(h) << f;
        EXPECT_NEAR(*h, hb + 2.0 * f * f / k, 1e-4) << f;
    }
}

TEST(ModelloGruppo, ParabolicLayerMatchesClosedFormAndPenetrationFrequencies) {
    const profilo p(parabola, 60.0, 400.0, 0.25);
    for (const auto& [r, tolleranza] : {std::pair{0.2, 0.01}, {0.8, 0.02}, {0.99, 0.05}}) {
        const auto h = p.altezza_virtuale(r * fc, modo::ordinario);
        ASSERT_TRUE(h) << r;
        EXPECT_NEAR(*h, hm - ym + 0.5 * ym * r * std::log((1 + r) / (1 - r)), tolleranza) << r;
    }
    // The o wave goes through at fc, the x wave at fH/2 + sqrt(fc^2 + fH^2/4).
    const double fx = girofrequenza / 2 + std::sqrt(fc * fc + girofrequenza * girofrequenza / 4);
    for (const auto& [f, m, torna] : {std::tuple{fc * 1.001, modo::ordinario, false},
                                      {fx - 0.01, modo::straordinario, true},
                                      {fx + 0.01, modo::straordinario, false}})
        EXPECT_EQ(p.altezza_virtuale(f, m).has_value(), torna) << f;
}

TEST(ModelloIonosfera, NoonIsWellAboveMidnightAndF1OnlyByDay) {
    EXPECT_GT(ionosfera_del_momento(64, 12.0).foF2, ionosfera_del_momento(64, 0.0).foF2 + 4.0);
    // 07:00: the sun is up, but too low.
    for (const auto& [ora, f1] : {std::pair{0.0, false}, {7.0, false}, {12.0, true}, {18.0, false}})
        EXPECT_EQ(ionosfera_del_momento(64, ora).foF1 > 0, f1) << ora;
}
