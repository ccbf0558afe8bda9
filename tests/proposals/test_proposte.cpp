// The proposals on synthetic ionograms, a row per ionogram: a few traces of
// known shape, maybe disturbed, and where each characteristic must be
// proposed (MHz or km); every other one must get none. A layer's trace climbs
// without bound toward its critical frequency fc and comes down from above
// the one below it (fc_sotto); its lowest virtual height, where h'E, h'F or
// h'Es must be read, is worked out by hand from the shape.

#include "proposals/proposte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

using namespace velaris;

namespace {

constexpr double passo = 0.05; // from 1 MHz: 381 records up to 20 MHz

/// Records from `da` up to below `a` MHz at `base` km far from the critical
/// frequencies; `x` MHz later for an extraordinary trace, `spessore` km of
/// echo above the leading edge (the pulse), `salto` 2 for a second hop.
struct traccia {
    double da, a, base, fc = 0, fc_sotto = 0, x = 0, spessore = 9;
    int ampiezza = 200, salto = 1;

    double altezza(double f) const {
        const auto salita = [](double r) { return -30 * std::log(std::max(1e-12, 1 - r * r)); };
        f -= x;
        return salto *
               (base + (fc > 0 ? salita(f / fc) : 0) + (fc_sotto > 0 ? salita(fc_sotto / f) : 0));
    }
};

/// `n` records from 1 MHz; each sweeps the heights of its frequency bin, and
/// the pulse's thickness above; `disturbo` adds its amplitude at record i,
/// height cell j.
dati_ionogramma ionogramma(const std::vector<traccia>& tracce, int (*disturbo)(int i, int j), int n) {
    dati_ionogramma d{1.0f, float(1 + (n - 1) * passo), static_cast<float>(passo), n, {}};
    d.azzeramento_ampiezze();
    for (int i = 1; i <= n; ++i) {
        const double f = 1.0 + (i - 1) * passo;
        const auto metti = [&](int j, int a) {
            d.cella(i, j) = std::max<std::int16_t>(d.cella(i, j), a);
        };
        for (const traccia& t : tracce) {
            if (f < t.da || f >= t.a) continue;
            const double h0 = t.altezza(f - passo / 2), h1 = t.altezza(f + passo / 2);
            const double basso = std::min({h0, t.altezza(f), h1}),
                         alto = std::max(h0, h1) + t.spessore;
            for (int j = std::max(1.0, std::ceil((basso - 85.5) / 4.5));
                 j <= (alto - 85.5) / 4.5 && j <= 150; ++j)
                metti(j, t.ampiezza); // cell j is 85.5 + 4.5 j km
        }
        for (int j = 1; disturbo && j <= 150; ++j) metti(j, disturbo(i, j));
    }
    return d;
}

} // namespace

TEST(Proposte, SeeWhatIsThereAndProposeNothingElse) {
    // clang-format off
    // Night F (o and x), day E and F, F1 and F2, night Es.
    const traccia fn{1.6, 5.0, 250, 5.0}, xn{2.3, 5.7, 240, 5.0, 0, 0.7, 9, 120};
    const traccia e{2.0, 3.0, 100, 3.0}, f{3.0, 8.0, 220, 8.0, 3.0};
    const traccia f1{3.0, 4.4, 200, 4.4, 3.0}, f2{4.4, 8.0, 240, 8.0, 4.4};
    const traccia es{1.6, 3.5, 105, 0, 0, 0, 9, 220}, es2{1.6, 2.5, 105, 0, 0, 0, 9, 220};
    using attesi = std::map<std::string, double>;
    const attesi notte{{"fmin", 1.6}, {"hF", 253.2}, {"foF2", 5.0}};
    const attesi giorno{{"fmin", 2.0}, {"hE", 117.6}, {"foE", 3.0}, {"hF", 248.2}, {"foF2", 8.0}};
    // Carriers as strong as the traces at 4.75 and 4.8 MHz (two records lost:
    // the trace breaks) or 3.4 MHz (one lost: the trace goes on); a weak one at
    // 3.0 MHz and scattered specks.
    const auto due_forti = [](int i, int) { return i == 76 || i == 77 ? 200 : 0; };
    const auto forte = [](int i, int) { return i == 49 ? 200 : 0; };
    const auto macchie = [](int i, int j) {
        return i == 41 && j % 3 ? 45 : (i * 151 + j * 7) % 89 ? 0 : 30;
    };
    const struct { const char* nome; std::vector<traccia> tracce; attesi dove;
                   int (*disturbo)(int, int) = nullptr; int record = 381; } casi[] = {
        {"night F: its x trace is not foF2", {fn, xn}, notte},
        {"night F alone: its trace is the ordinary one", {fn}, notte},
        {"a cusp below foF2, a trace already above it but none starting there: no F1",
         {fn, {1.6, 3, 350, 3}, {2.95, 4, 650}}, notte},
        {"night F, second hop, weak carrier, specks", {fn, xn, {1.6, 5, 250, 5, 0, 0, 9, 70, 2}},
         notte, macchie},
        {"night F broken by two lost records near its top", {fn}, notte, due_forti},
        {"range-spread night F", {{1.6, 5.0, 250, 5.0, 0, 0, 120}}, notte},
        {"frequency-spread night F: no cusp, no foF2", {fn, {4.6, 5.6, 300, 0, 0, 0, 150}},
         {{"fmin", 1.6}, {"hF", 253.2}}},
        {"night F still rising where a 1-12 MHz sweep ends: foF2 beyond it", {{1.6, 12.05, 250, 12.2}},
         {{"fmin", 1.6}, {"hF", 250.5}}, nullptr, 221},
        {"day: E cusp, F down from above it", {e, f}, giorno},
        {"day with a record of the F trace lost to a carrier", {e, f}, giorno, forte},
        {"day with F1 cusp", {e, f1, f2},
         {{"fmin", 2.0}, {"hE", 117.6}, {"foE", 3.0}, {"hF", 268.7}, {"foF1", 4.4}, {"foF2", 8.0}}},
        {"night Es screening the F foot", {es, {1.6, 5.0, 250, 5.0, 0, 0, 9, 60}},
         {{"fmin", 1.6}, {"foEs", 3.5}, {"hEs", 105}, {"foF2", 5.0}}},
        {"night Es and its second hop below the F trace",
         {es2, {1.6, 2.5, 105, 0, 0, 0, 9, 90, 2}, {3.0, 5.0, 250, 5.0}},
         {{"fmin", 1.6}, {"foEs", 2.5}, {"hEs", 105}, {"hF", 264.0}, {"foF2", 5.0}}},
    };
    // clang-format on
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        attesi visti;
        for (const proposta& p : proposte(ionogramma(c.tracce, c.disturbo, c.record)))
            visti[std::string(p.chiave)] =
                p.chiave[0] == 'h' ? 1.125 * p.punto.y + 85.5 : 0.025 * p.punto.x + 0.9;
        // Each where it must be, within a record of frequency, or a cell of
        // height and the rounding to a row; none missing.
        for (const auto& [chiave, valore] : visti)
            EXPECT_NEAR(valore, c.dove.count(chiave) ? c.dove.at(chiave) : -1e9,
                        chiave[0] == 'h' ? 5.7 : passo)
                << chiave << " proposed";
        EXPECT_EQ(visti.size(), c.dove.size());
    }
}
