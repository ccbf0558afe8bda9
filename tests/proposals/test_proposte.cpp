// The proposals on synthetic ionograms: each row draws a few traces of known
// shape (a layer's trace climbs without bound toward its critical frequency
// and comes down from above the one below it) and says which characteristics
// must be proposed and where; every other one must get no proposal.

#include "proposals/proposte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

using namespace velaris;

namespace {

constexpr double passo = 0.05; // 1 to 20 MHz, 381 records

struct traccia {
    double da, a;        ///< records from `da` up to below `a`, MHz
    double base;         ///< virtual height far from critical frequencies, km
    double fc = 0;       ///< critical frequency it climbs toward (0: flat)
    double fc_sotto = 0; ///< critical frequency of the layer below it (0: none)
    int ampiezza = 200;
    double spostamento = 0; ///< the extraordinary trace: the same, this much higher
    int salto = 1;          ///< 2 for the second hop

    double altezza(double f) const {
        f -= spostamento;
        double h = base;
        if (fc > 0) h -= 30 * std::log(std::max(1e-12, 1 - f * f / (fc * fc)));
        if (fc_sotto > 0) h -= 30 * std::log(std::max(1e-12, 1 - fc_sotto * fc_sotto / (f * f)));
        return salto * h;
    }
};

struct caso {
    const char* nome;
    std::vector<traccia> tracce;
    std::map<std::string, double> attesi; ///< MHz or km where a proposal must be
    bool disturbi = false;                ///< a broadcast carrier and scattered specks
};

dati_ionogramma ionogramma(const caso& c) {
    dati_ionogramma d{1.0f, 20.0f, static_cast<float>(passo), 381, {}};
    d.azzeramento_ampiezze();
    const auto riga = [](double h) { return (h - 85.5) / 4.5; }; // cell j is 85.5 + 4.5 j km
    for (int i = 1; i <= 381; ++i) {
        const double f = 1.0 + (i - 1) * passo;
        for (const traccia& t : c.tracce) {
            if (f < t.da || f >= t.a) continue;
            // The record spans the heights its frequency bin sweeps, and the
            // pulse adds two cells above.
            const double basso =
                std::min({t.altezza(f - passo / 2), t.altezza(f), t.altezza(f + passo / 2)});
            const double alto = std::max(t.altezza(f - passo / 2), t.altezza(f + passo / 2)) + 9;
            for (int j = std::max(1, static_cast<int>(std::ceil(riga(basso))));
                 j <= std::min(150.0, std::floor(riga(alto))); ++j)
                d.cella(i, j) = static_cast<std::int16_t>(std::max<int>(d.cella(i, j), t.ampiezza));
        }
        for (int j = 1; c.disturbi && j <= 150; ++j) {
            if (i == 41 && j % 3 != 0) d.cella(i, j) = 45;       // 3.0 MHz carrier
            if ((i * 151 + j * 7) % 89 == 0) d.cella(i, j) = 30; // specks
        }
    }
    return d;
}

/// The lowest virtual height a trace reaches over its records.
double minimo(const traccia& t) {
    double h = std::numeric_limits<double>::max();
    for (double f = 1.0; f < 20.0; f += passo)
        if (f >= t.da && f < t.a) h = std::min(h, t.altezza(f));
    return h;
}

const traccia f_notte{1.6, 5.0, 250, 5.0};
const traccia x_notte{2.3, 5.7, 240, 5.0, 0, 120, 0.7}; // starts lower than the o trace
const traccia e_giorno{2.0, 3.0, 100, 3.0};
const traccia f_giorno{3.0, 8.0, 220, 8.0, 3.0};
const traccia f1{3.0, 4.4, 200, 4.4, 3.0};
const traccia f2{4.4, 8.0, 240, 8.0, 4.4};
const traccia es_notte{1.6, 3.5, 105, 0, 0, 220};

const caso casi[] = {
    {"nothing", {}, {}},
    {"night F: its x trace is not foF2",
     {f_notte, x_notte},
     {{"fmin", 1.6}, {"hF", minimo(f_notte)}, {"foF2", 5.0}}},
    {"night F without x trace", {f_notte}, {{"fmin", 1.6}, {"hF", minimo(f_notte)}, {"foF2", 5.0}}},
    {"night F with second hop, carrier and specks",
     {f_notte, x_notte, {1.6, 5.0, 250, 5.0, 0, 70, 0, 2}},
     {{"fmin", 1.6}, {"hF", minimo(f_notte)}, {"foF2", 5.0}},
     true},
    {"day: E cusp, F down from above it",
     {e_giorno, f_giorno},
     {{"fmin", 2.0},
      {"hE", minimo(e_giorno)},
      {"foE", 3.0},
      {"hF", minimo(f_giorno)},
      {"foF2", 8.0}}},
    {"day with F1 cusp",
     {e_giorno, f1, f2},
     {{"fmin", 2.0},
      {"hE", minimo(e_giorno)},
      {"foE", 3.0},
      {"hF", minimo(f1)},
      {"foF1", 4.4},
      {"foF2", 8.0}}},
    {"night sporadic E screening the F foot",
     {es_notte, {1.6, 5.0, 250, 5.0, 0, 60}},
     {{"fmin", 1.6}, {"foEs", 3.5}, {"hEs", minimo(es_notte)}, {"foF2", 5.0}}},
    {"night sporadic E and its second hop below the F trace",
     {{1.6, 2.5, 105, 0, 0, 220}, {1.6, 2.5, 105, 0, 0, 90, 0, 2}, {3.0, 5.0, 250, 5.0}},
     {{"fmin", 1.6},
      {"foEs", 2.5},
      {"hEs", 105},
      {"hF", minimo({3.0, 5.0, 250, 5.0})},
      {"foF2", 5.0}}},
};

void PrintTo(const caso& c, std::ostream* os) {
    *os << c.nome;
}

class Proposte : public testing::TestWithParam<caso> {};

TEST_P(Proposte, SeesWhatIsThereAndProposesNothingElse) {
    const caso& c = GetParam();
    std::map<std::string, double> visti;
    for (const proposta& p : proposte(ionogramma(c))) {
        const bool altezza = p.chiave.front() == 'h';
        visti[std::string(p.chiave)] = altezza ? 1.125 * p.punto.y + 85.5 : 0.025 * p.punto.x + 0.9;
    }
    for (const auto& [chiave, atteso] : c.attesi) {
        ASSERT_TRUE(visti.count(chiave)) << chiave << " not proposed";
        // One record of frequency; a cell of height and the rounding to a row.
        EXPECT_NEAR(visti[chiave], atteso, chiave.front() == 'h' ? 5.7 : passo) << chiave;
    }
    for (const auto& [chiave, valore] : visti)
        EXPECT_TRUE(c.attesi.count(chiave)) << chiave << " proposed at " << valore;
}

INSTANTIATE_TEST_SUITE_P(Tracce, Proposte, testing::ValuesIn(casi), [](const auto& info) {
    std::string nome = info.param.nome;
    std::replace_if(
        nome.begin(), nome.end(), [](char c) { return !std::isalnum(c); }, '_');
    return nome;
});

} // namespace
