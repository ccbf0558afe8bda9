// The physics of the demo day against closed forms and against what a
// mid-latitude day must look like.

#include "giornata.h"
#include "modello.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace velaris::demo;

namespace {

/// Parabolic layer: fp^2 = fc^2 (1 - ((h - hm) / ym)^2) from hm - ym up to hm.
struct strato_parabolico {
    double fc = 5.0, hm = 250.0, ym = 100.0;
    double plasma2(double h) const {
        const double z = (h - hm) / ym;
        return h < hm - ym ? 0.0 : fc * fc * (1.0 - std::min(1.0, z * z));
    }
    /// Its group path, known in closed form.
    double virtuale(double f) const {
        const double r = f / fc;
        return hm - ym + 0.5 * ym * r * std::log((1.0 + r) / (1.0 - r));
    }
};

} // namespace

TEST(IntegraleGruppo, LinearLayerDoublesTheDepthOfReflection) {
    // fp^2 = k (h - hb): the wave turns at hb + f^2/k and its group path is
    // twice that depth.
    const double hb = 100.0, k = 0.2;
    const profilo p([&](double h) { return h < hb ? 0.0 : k * (h - hb); }, 60.0, 400.0, 0.25);
    for (double f : {1.0, 2.5, 4.0, 6.3}) {
        const double profondita = f * f / k;
        ASSERT_TRUE(p.altezza_virtuale(f, modo::ordinario)) << f;
        EXPECT_NEAR(*p.altezza_riflessione(f * f), hb + profondita, 1e-9) << f;
        EXPECT_NEAR(*p.altezza_virtuale(f, modo::ordinario), hb + 2.0 * profondita, 1e-4) << f;
    }
}

TEST(IntegraleGruppo, ParabolicLayerMatchesClosedForm) {
    const strato_parabolico s;
    const profilo p([&](double h) { return s.plasma2(h); }, 60.0, 400.0, 0.25);
    const struct {
        double rapporto, tolleranza;
    } casi[] = {{0.2, 0.01}, {0.5, 0.01}, {0.8, 0.02}, {0.95, 0.02}, {0.99, 0.05}};
    for (const auto& c : casi) {
        const double f = c.rapporto * s.fc;
        const auto h = p.altezza_virtuale(f, modo::ordinario);
        ASSERT_TRUE(h) << f;
        EXPECT_NEAR(*h, s.virtuale(f), c.tolleranza) << f;
    }
    // Through the peak the wave escapes.
    EXPECT_FALSE(p.altezza_virtuale(s.fc * 1.001, modo::ordinario));
}

TEST(IntegraleGruppo, ExtraordinaryWaveTurnsLowerAndPenetratesHalfAGyrofrequencyLater) {
    const strato_parabolico s;
    const profilo p([&](double h) { return s.plasma2(h); }, 60.0, 400.0, 0.25);
    const double f = 4.0;
    EXPECT_LT(*p.altezza_virtuale(f, modo::straordinario), *p.altezza_virtuale(f, modo::ordinario));
    // fx = fH/2 + sqrt(fc^2 + fH^2/4): the last frequency the layer returns.
    const double fx =
        girofrequenza / 2 + std::sqrt(s.fc * s.fc + girofrequenza * girofrequenza / 4);
    EXPECT_TRUE(p.altezza_virtuale(fx - 0.01, modo::straordinario));
    EXPECT_FALSE(p.altezza_virtuale(fx + 0.01, modo::straordinario));
    EXPECT_EQ(livello_riflessione(1.0, modo::straordinario), 0.0); // below fH: no such wave
}

TEST(IntegraleGruppo, PathUpToAHeightBelowReflection) {
    const strato_parabolico s;
    const profilo p([&](double h) { return s.plasma2(h); }, 60.0, 400.0, 0.25);
    EXPECT_NEAR(*p.percorso_fino_a(3.0, modo::ordinario, 140.0), 140.0, 1e-9); // still in vacuum
    EXPECT_GT(*p.percorso_fino_a(3.0, modo::ordinario, 170.0), 170.0);
    EXPECT_FALSE(p.percorso_fino_a(3.0, modo::ordinario, 240.0)); // turned back before
}

TEST(Sole, ZenithAngleOverTheStation) {
    // Equinox at 45 N: the noon sun stands 45 degrees from the zenith.
    EXPECT_NEAR(coseno_zenitale(80, 12.0), std::cos(std::numbers::pi / 4), 0.01);
    // Early March: lower, and symmetric about noon; below the horizon at midnight.
    EXPECT_NEAR(coseno_zenitale(64, 12.0), 0.61, 0.02);
    EXPECT_NEAR(coseno_zenitale(64, 9.0), coseno_zenitale(64, 15.0), 1e-12);
    EXPECT_LT(coseno_zenitale(64, 0.0), -0.5);
}

TEST(Ionosfera, LayersOverTheDemoDay) {
    const int giorno = giorno_dell_anno(data{});
    const struct {
        double ora;
        double fof2_min, fof2_max, foe_max, hmf2_min, hmf2_max, fmin_min, fmin_max;
        bool f1;
    } casi[] = {
        {0.0, 3.2, 4.0, 0.5, 300, 350, 1.0, 1.3, false},
        {5.0, 2.6, 3.1, 0.5, 300, 350, 1.0, 1.3, false},
        {12.0, 8.5, 9.5, 3.6, 250, 300, 1.5, 2.5, true},
        {14.0, 8.5, 9.5, 3.6, 250, 300, 1.5, 2.5, true},
        {18.0, 6.0, 7.2, 1.0, 250, 350, 1.0, 1.3, false},
    };
    for (const auto& c : casi) {
        const ionosfera io = ionosfera_del_momento(giorno, c.ora);
        EXPECT_GE(io.foF2, c.fof2_min) << c.ora;
        EXPECT_LE(io.foF2, c.fof2_max) << c.ora;
        EXPECT_LE(io.foE, c.foe_max) << c.ora;
        EXPECT_GE(io.hmF2, c.hmf2_min) << c.ora;
        EXPECT_LE(io.hmF2, c.hmf2_max) << c.ora;
        EXPECT_GE(io.fmin, c.fmin_min) << c.ora;
        EXPECT_LE(io.fmin, c.fmin_max) << c.ora;
        EXPECT_EQ(io.foF1 > 0, c.f1) << c.ora;
        // The sampled profile peaks at foF2 (E and F1 sit well below it).
        EXPECT_NEAR(std::sqrt(profilo(io).massimo()), io.foF2, 0.02 * io.foF2) << c.ora;
    }
    const ionosfera mezzogiorno = ionosfera_del_momento(giorno, 12.0);
    EXPECT_GT(mezzogiorno.foE, 2.8);
    EXPECT_GT(mezzogiorno.foF1, 4.0);
    EXPECT_LT(mezzogiorno.foF1, 4.6);

    // foF2 is smooth over the day (no jump from one quarter hour to the next,
    // also across midnight) and its lowest value comes before dawn.
    double minimo = 99.0, ora_minimo = -1.0;
    for (double ora = 0.0; ora < 24.0; ora += 0.25) {
        EXPECT_LT(std::abs(fof2_del_giorno(ora + 0.25) - fof2_del_giorno(ora)), 0.5) << ora;
        if (fof2_del_giorno(ora) < minimo) minimo = fof2_del_giorno(ora), ora_minimo = ora;
    }
    EXPECT_NEAR(fof2_del_giorno(24.0), fof2_del_giorno(0.0), 1e-12);
    EXPECT_GE(ora_minimo, 3.0);
    EXPECT_LE(ora_minimo, 6.0);
}

TEST(Ionosfera, NoonTraceHasTheECuspAndTheF1Cusp) {
    const ionosfera io = ionosfera_del_momento(64, 12.0);
    const profilo p(io);
    auto hv = [&](double f) { return p.altezza_virtuale(f, modo::ordinario).value_or(-1.0); };
    // E: a low flat trace that bends up at foE; just above it the wave goes
    // on to the F region.
    EXPECT_LT(hv(io.fmin + 0.1), 115.0);
    EXPECT_GT(hv(io.foE - 0.05), hv(io.foE - 0.5) + 15.0);
    EXPECT_GT(*p.altezza_riflessione(std::pow(io.foE + 0.3, 2)), 130.0);
    // F1: the trace bends up toward the top of the ledge (which the E layer
    // lifts a little above foF1), and the F2 trace starting above it first
    // comes down again.
    double cuspide = io.foF1;
    for (double f = io.foF1; f < io.foF1 + 0.5; f += 0.01)
        if (hv(f) > hv(cuspide)) cuspide = f;
    EXPECT_GT(hv(cuspide), 300.0);
    EXPECT_GT(hv(cuspide), hv(cuspide + 0.6) + 20.0);
    EXPECT_LT(hv(cuspide + 1.5), hv(cuspide + 0.6));
    // F2: rises without bound toward foF2.
    EXPECT_GT(hv(io.foF2 - 0.05), hv(io.foF2 - 1.0) + 80.0);
    EXPECT_LT(hv(io.foF2 + 0.05), 0.0);
}

TEST(Ionosfera, SporadicEEpisodes) {
    for (double ora : {0.0, 6.0, 12.0, 19.0})
        EXPECT_FALSE(es_del_momento(ora)) << ora;
    for (double ora : {15.0, 21.75}) {
        const auto es = es_del_momento(ora);
        ASSERT_TRUE(es) << ora;
        EXPECT_GE(es->foEs, 4.0);
        EXPECT_LE(es->foEs, 7.0);
        EXPECT_LT(es->fbEs, es->foEs);
        EXPECT_GE(es->hEs, 100.0);
        EXPECT_LE(es->hEs, 120.0);
    }
}
