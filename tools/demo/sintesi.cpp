#include "sintesi.h"

#include "ionogram/stazioni.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace velaris::demo {

namespace {

constexpr double assente = std::numeric_limits<double>::quiet_NaN();
constexpr double altezza_massima = altezza_campione(numero_altezze);

/// Frequencies every half step, from half a step below the first record to
/// half a step above the last: the centres and the edges of the records'
/// frequency bins.
constexpr int numero_mezzi_passi = 2 * numero_frequenze + 1;
constexpr double mezzo_passo(int k) { return frequenza_iniziale + (k - 1) * 0.5 * passo_frequenza; }

/// Virtual and true reflection heights of one magneto-ionic trace, on the
/// half-step grid (NaN where there is no echo).
struct traccia {
    std::vector<double> virtuale, vera;
};

traccia calcola_traccia(const profilo& p, modo m, double f_minima) {
    traccia t{std::vector<double>(numero_mezzi_passi, assente),
              std::vector<double>(numero_mezzi_passi, assente)};
    for (int k = 0; k < numero_mezzi_passi; ++k) {
        const double f = mezzo_passo(k);
        // Below the absorption limit nothing comes back: spare the integral.
        if (f < f_minima) continue;
        const double livello = livello_riflessione(f, m);
        const auto h_r = p.altezza_riflessione(livello);
        if (!h_r) continue;
        t.vera[static_cast<std::size_t>(k)] = *h_r;
        t.virtuale[static_cast<std::size_t>(k)] = *p.altezza_virtuale(f, m);
    }
    return t;
}

/// The amplitude field being built, one double per cell, record-major.
class campo {
public:
    campo() : m_v(static_cast<std::size_t>(numero_frequenze) * numero_altezze, 0.0) {}

    /// An echo in record i (1-based) spread over virtual heights
    /// [h_bassa, h_alta]: full strength over the span, a short fall-off
    /// below it and a longer tail above it (the pulse's trailing edge).
    void eco(int i, double h_bassa, double h_alta, double ampiezza) {
        if (ampiezza < ampiezza_minima || h_bassa > altezza_massima + 4.5) return;
        const double j_basso = (h_bassa - 85.5) / 4.5 - 0.5;
        const double j_alto = (h_alta - 85.5) / 4.5 + 0.5;
        const int da = std::max(1, static_cast<int>(std::floor(j_basso)) - 1);
        const int a = std::min(numero_altezze, static_cast<int>(std::ceil(j_alto)) + 4);
        for (int j = da; j <= a; ++j) {
            double peso = 1.0;
            if (j < j_basso)
                peso = std::exp(-std::pow((j_basso - j) / 0.6, 2));
            else if (j > j_alto)
                peso = std::exp(-(j - j_alto) / 0.9);
            imposta(i, j, ampiezza * peso);
        }
    }

    void imposta(int i, int j, double v) {
        double& c = m_v[indice(i, j)];
        c = std::max(c, v);
    }
    double valore(int i, int j) const { return m_v[indice(i, j)]; }

    std::vector<std::uint8_t> byte() const {
        std::vector<std::uint8_t> r(m_v.size());
        std::transform(m_v.begin(), m_v.end(), r.begin(), [](double v) {
            const long b = std::lround(std::min(v, 255.0));
            return static_cast<std::uint8_t>(b < ampiezza_minima ? 0 : b);
        });
        return r;
    }

private:
    static std::size_t indice(int i, int j) {
        return static_cast<std::size_t>(i - 1) * numero_altezze + static_cast<std::size_t>(j - 1);
    }
    std::vector<double> m_v;
};

/// Draws a trace, or its `molteplicita`-fold multiple, into the field. Each
/// record spans the virtual heights its frequency bin sweeps over, so steep
/// parts of a trace stay continuous; where the true reflection height jumps
/// (a layer is penetrated) the bin is not joined across.
template <typename Ampiezza>
void disegna(campo& c, const traccia& t, double molteplicita, Ampiezza ampiezza) {
    for (int i = 1; i <= numero_frequenze; ++i) {
        const auto centro = static_cast<std::size_t>(2 * i - 1);
        const double h = t.virtuale[centro];
        if (std::isnan(h)) continue;
        double bassa = h, alta = h;
        for (const std::size_t bordo : {centro - 1, centro + 1}) {
            const double hb = t.virtuale[bordo];
            if (std::isnan(hb) || std::abs(t.vera[bordo] - t.vera[centro]) > 8.0) continue;
            bassa = std::min(bassa, hb);
            alta = std::max(alta, hb);
        }
        c.eco(i, molteplicita * bassa, molteplicita * alta, ampiezza(i, h, t.vera[centro]));
    }
}

/// Strength after the non-deviative absorption: 0 at `f_minima`, rising
/// quickly to 1 well above it.
double dopo_assorbimento(double f, double f_minima) {
    if (f <= f_minima) return 0.0;
    return std::sqrt(1.0 - std::pow(f_minima / f, 4));
}

/// Fading: each echo of each record has its own small loss, drawn once per
/// sounding (four echoes: ordinary, extraordinary, second hop, sporadic E).
class evanescenza {
public:
    explicit evanescenza(generatore& g) : m_v(static_cast<std::size_t>(numero_frequenze) * 4) {
        for (double& v : m_v) v = 0.75 + 0.25 * g.uniforme();
    }
    double operator()(int i, int n) const {
        return m_v[static_cast<std::size_t>(i - 1) * 4 + static_cast<std::size_t>(n)];
    }

private:
    std::vector<double> m_v;
};

/// Losses while the wave is slowed down near reflection: traces fade where
/// they bend up toward a critical frequency.
double deviativo(double h_virtuale, double h_vera) {
    return std::exp(-(h_virtuale - h_vera) / 500.0);
}

/// The ordinary and extraordinary traces of the regular layers and the
/// second hop, screened in part by a sporadic-E patch below them.
void disegna_strati(campo& c, const profilo& p, const sondaggio_sintetico& s,
                    const evanescenza& fading) {
    const ionosfera& io = s.io;
    const traccia o = calcola_traccia(p, modo::ordinario, io.fmin - passo_frequenza);
    const traccia x = calcola_traccia(p, modo::straordinario, io.fmin - passo_frequenza);
    // Partial screening of the echoes from above a sporadic-E patch.
    auto schermo = [&](double f, double h_vera) {
        if (!s.es || h_vera <= s.es->hEs) return 1.0;
        if (f < s.es->fbEs) return 0.12;
        if (f < s.es->foEs) return 0.5;
        return 1.0;
    };
    auto ampiezza_o = [&](int i, double hv, double hr) {
        const double f = frequenza_record(i);
        return 245.0 * dopo_assorbimento(f, io.fmin) * deviativo(hv, hr) * schermo(f, hr) *
               fading(i, 0);
    };
    // The extraordinary wave is absorbed more, as if it were about fH/2 lower.
    auto ampiezza_x = [&](int i, double hv, double hr) {
        const double f = frequenza_record(i);
        return 150.0 * dopo_assorbimento(f - 0.5 * girofrequenza, io.fmin) * deviativo(hv, hr) *
               schermo(f, hr) * fading(i, 1);
    };
    // The second hop crosses the absorbing region four times instead of two.
    auto ampiezza_2 = [&](int i, double hv, double hr) {
        const double f = frequenza_record(i);
        return 0.45 * ampiezza_o(i, hv, hr) * dopo_assorbimento(f, io.fmin) * fading(i, 2);
    };
    disegna(c, o, 2.0, ampiezza_2);
    disegna(c, x, 1.0, ampiezza_x);
    disegna(c, o, 1.0, ampiezza_o);
}

/// The sporadic-E patch and its second and third hops. The patch is thin: its
/// trace is flat, with the retardation of the background below it and a
/// small rise near foEs.
void disegna_es(campo& c, const profilo& p, const ionosfera& io, const strato_es& es,
                const evanescenza& fading) {
    traccia t{std::vector<double>(numero_mezzi_passi, assente),
              std::vector<double>(numero_mezzi_passi, es.hEs)};
    for (int k = 0; k < numero_mezzi_passi; ++k) {
        const double f = mezzo_passo(k);
        if (f < io.fmin - passo_frequenza || f >= es.foEs) continue;
        if (const auto sotto = p.percorso_fino_a(f, modo::ordinario, es.hEs))
            t.virtuale[static_cast<std::size_t>(k)] =
                *sotto + std::min(15.0, 1.5 / std::sqrt(1.0 - std::pow(f / es.foEs, 2)));
    }
    auto ampiezza_es = [&](int i, double, double) {
        const double f = frequenza_record(i);
        if (f >= es.foEs) return 0.0;
        return 235.0 * dopo_assorbimento(f, io.fmin) * std::sqrt(1.0 - std::pow(f / es.foEs, 8)) *
               fading(i, 3);
    };
    disegna(c, t, 3.0, [&](int i, double, double) { return 0.25 * ampiezza_es(i, 0, 0); });
    disegna(c, t, 2.0, [&](int i, double, double) { return 0.5 * ampiezza_es(i, 0, 0); });
    disegna(c, t, 1.0, ampiezza_es);
}

/// Background: sparse receiver noise, and two broadcast carriers that leave a
/// vertical line of interference (the lower one only at night, when it
/// propagates from afar).
void rumore(campo& c, generatore& g, bool notte) {
    for (int i = 1; i <= numero_frequenze; ++i) {
        const double f = frequenza_record(i);
        const bool portante = (notte && std::abs(f - 7.15) < 1e-6) || std::abs(f - 13.6) < 1e-6;
        for (int j = 1; j <= numero_altezze; ++j) {
            if (portante && g.uniforme() < 0.6) c.imposta(i, j, g.intero(10, 45));
            if (g.uniforme() < 0.012) c.imposta(i, j, g.intero(ampiezza_minima, 30));
        }
    }
}

} // namespace

std::uint64_t generatore::prossimo() {
    std::uint64_t z = (m_stato += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double generatore::uniforme() { return static_cast<double>(prossimo() >> 11) * 0x1.0p-53; }

int generatore::intero(int minimo, int massimo) {
    const auto ampiezza = static_cast<std::uint64_t>(massimo - minimo) + 1;
    return minimo + static_cast<int>(prossimo() % ampiezza);
}

std::uint64_t mescola(std::uint64_t a, std::uint64_t b) {
    generatore g(a ^ (b * 0xd1b54a32d192ed03ULL));
    g.prossimo();
    return g.prossimo();
}

sondaggio_sintetico sintetizza(int giorno_anno, double ora, std::uint64_t seme) {
    generatore g(seme);
    sondaggio_sintetico s;
    s.io = ionosfera_del_momento(giorno_anno, ora);
    // No two soundings are alike: a little drift of the layers and of the
    // absorption around the smooth day.
    s.io.foF2 *= 1.0 + 0.03 * (g.uniforme() - 0.5);
    s.io.hmF2 += 10.0 * (g.uniforme() - 0.5);
    s.io.fmin += 0.12 * (g.uniforme() - 0.5);
    s.es = es_del_momento(ora);
    if (s.es) s.es->foEs += 0.3 * (g.uniforme() - 0.5);

    const profilo p(s.io);
    const evanescenza fading(g);
    campo c;
    disegna_strati(c, p, s, fading);
    if (s.es) disegna_es(c, p, s.io, *s.es, fading);
    rumore(c, g, coseno_zenitale(giorno_anno, ora) < 0.0);
    s.ampiezze = c.byte();
    return s;
}

std::string intestazione(const std::string& descrizione, std::uint64_t seme) {
    auto campo_fisso = [](std::string testo, std::size_t lunghezza) {
        testo.resize(lunghezza, ' ');
        return testo;
    };
    const std::string codice(prefisso_file.substr(0, 5));
    std::string h = "01.000 20.000 0.050";
    h += campo_fisso(" " + descrizione, 40);
    h += "xx";
    h += campo_fisso(" 381 x 150, 90-760.5 km, seed " + std::to_string(seme), 61);
    h += codice;
    h += campo_fisso(" synthetic sounding of the VELARIS demo day", 69);
    h += '\n';
    if (h.size() != lunghezza_intestazione || h.find('\n') != lunghezza_intestazione - 1)
        throw std::logic_error("malformed ionogram header");
    return h;
}

} // namespace velaris::demo
