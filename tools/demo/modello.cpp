#include "modello.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace velaris::demo {

namespace {

constexpr double gradi = std::numbers::pi / 180.0;

double quadrato(double x) { return x * x; }

/// 0 below `a`, 1 above `b`, a smooth cubic step between.
double gradino(double x, double a, double b) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

/// The hour brought into [0, 24).
double ora_del_giorno(double ora) {
    const double r = std::fmod(ora, 24.0);
    return r < 0 ? r + 24.0 : r;
}

/// A bump of height 1 at the middle of [inizio, fine], 0 outside: a smooth
/// onset and decay for the sporadic-E episodes.
double campana(double ora, double inizio, double fine) {
    if (ora <= inizio || ora >= fine) return 0.0;
    return std::sin(std::numbers::pi * (ora - inizio) / (fine - inizio));
}

} // namespace

double coseno_zenitale(int giorno_anno, double ora, double latitudine) {
    // Declination from the day of the year (good to about a degree, which is
    // far inside what the layers care about); the hour angle is counted from
    // local solar noon.
    const double declinazione =
        -23.44 * gradi * std::cos(2.0 * std::numbers::pi / 365.0 * (giorno_anno + 10));
    const double angolo_orario = 15.0 * gradi * (ora - 12.0);
    const double fi = latitudine * gradi;
    return std::sin(fi) * std::sin(declinazione) +
           std::cos(fi) * std::cos(declinazione) * std::cos(angolo_orario);
}

double chapman(double z) {
    // Far below the peak e^-z overflows the exponent: the density is then 0.
    if (z < -30.0) return 0.0;
    return std::exp(0.5 * (1.0 - z - std::exp(-z)));
}

double ionosfera::plasma2(double h) const {
    // E: Chapman layer, with a gentler topside so that the valley above it is
    // shallow, as by day. F1: the bottom half of a Chapman layer continued as a
    // ledge above its peak. F2 takes over where it is denser than the ledge;
    // E and F add up since they are distinct ion populations.
    double e = 0.0;
    if (foE > 0) {
        const double scala = h < hmE ? hE : 1.5 * hE;
        e = quadrato(foE) * chapman((h - hmE) / scala);
    }
    double f2 = 0.0;
    if (foF2 > 0) {
        const double scala = h < hmF2 ? hF2 : 2.0 * hF2;
        f2 = quadrato(foF2) * chapman((h - hmF2) / scala);
    }
    double f1 = 0.0;
    if (foF1 > 0 && h < hmF2)
        f1 = h < hmF1 ? quadrato(foF1) * chapman((h - hmF1) / hF1) : quadrato(foF1);
    return e + std::max(f1, f2);
}

double fof2_del_giorno(double ora) {
    // Hourly values of a quiet March day at a mid-latitude station in a year
    // of high solar activity, joined by a periodic Catmull-Rom spline: the
    // curve is smooth through midnight and its minimum comes just before dawn.
    static constexpr std::array<double, 24> nodi{
        3.6, 3.4,  3.25, 3.1, 2.95, 2.85, 3.2, 4.4, 5.9, 7.1, 8.0, 8.6,
        8.9, 9.05, 9.0,  8.7, 8.2,  7.5,  6.6, 5.7, 5.0, 4.5, 4.1, 3.8,
    };
    const double t = ora_del_giorno(ora);
    const int k = static_cast<int>(t);
    const double u = t - k;
    auto nodo = [&](int i) { return nodi[static_cast<std::size_t>((i + 24) % 24)]; };
    const double p0 = nodo(k - 1), p1 = nodo(k), p2 = nodo(k + 1), p3 = nodo(k + 2);
    return 0.5 * ((2.0 * p1) + (-p0 + p2) * u + (2.0 * p0 - 5.0 * p1 + 4.0 * p2 - p3) * u * u +
                  (-p0 + 3.0 * p1 - 3.0 * p2 + p3) * u * u * u);
}

ionosfera ionosfera_del_momento(int giorno_anno, double ora) {
    const double cx = coseno_zenitale(giorno_anno, ora);
    const double sole = std::max(cx, 0.0);
    const double giorno = gradino(cx, -0.05, 0.3);
    ionosfera io;

    // E follows the sun with the classic quarter power of cos(chi); at night a
    // weak residual layer stays (joined smoothly through the fourth powers).
    const double foe_giorno4 = std::pow(0.9, 4) * (180.0 + 1.44 * numero_macchie) * sole;
    io.foE = std::pow(foe_giorno4 + std::pow(0.45, 4), 0.25);

    // F1 forms only while the sun is high enough (chi below about 72 degrees).
    if (cx > 0.3) io.foF1 = (4.35 + 0.0058 * numero_macchie) * std::pow(cx, 0.2);
    io.hmF1 = 180.0;
    io.hF1 = 25.0;

    // F2 peaks lower and has a sharper bottomside by day.
    io.foF2 = fof2_del_giorno(ora);
    io.hmF2 = 330.0 - 60.0 * giorno;
    io.hF2 = 45.0 - 5.0 * giorno;

    // Non-deviative D-region absorption grows with the sun's elevation.
    io.fmin = 1.15 + 1.25 * std::pow(sole, 0.8);
    return io;
}

std::optional<strato_es> es_del_momento(double ora) {
    const double t = ora_del_giorno(ora);
    // Afternoon: a dense patch near 108 km, strongest around 15 LT.
    if (const double c = campana(t, 13.0, 17.25); c > 0.15)
        return strato_es{4.0 + 3.0 * c, 3.4 + 1.8 * c, 108.0 - 3.0 * c};
    // Evening: a weaker, lower patch.
    if (const double c = campana(t, 20.75, 22.75); c > 0.15)
        return strato_es{3.6 + 1.0 * c, 3.0 + 0.4 * c, 103.0};
    return std::nullopt;
}

double livello_riflessione(double f, modo m, double fH) {
    if (m == modo::ordinario) return f * f;
    return f > fH ? f * (f - fH) : 0.0;
}

profilo::profilo(const std::function<double(double)>& plasma2, double h_base, double h_cima,
                 double passo)
    : m_h_base(h_base), m_passo(passo) {
    if (!(passo > 0) || !(h_cima > h_base)) throw std::invalid_argument("empty height grid");
    const auto n = static_cast<std::size_t>(std::ceil((h_cima - h_base) / passo)) + 1;
    m_fp2.resize(n);
    for (std::size_t k = 0; k < n; ++k) {
        m_fp2[k] = std::max(0.0, plasma2(h_base + passo * static_cast<double>(k)));
        m_massimo = std::max(m_massimo, m_fp2[k]);
    }
}

profilo::profilo(const ionosfera& io, double h_base, double h_cima, double passo)
    : profilo([&io](double h) { return io.plasma2(h); }, h_base, h_cima, passo) {}

std::optional<double> profilo::altezza_riflessione(double livello) const {
    if (!(livello > 0) || livello > m_massimo) return std::nullopt;
    const auto it =
        std::find_if(m_fp2.begin(), m_fp2.end(), [&](double v) { return v >= livello; });
    const auto k = static_cast<std::size_t>(it - m_fp2.begin());
    if (k == 0) return m_h_base;
    const double a = m_fp2[k - 1], b = m_fp2[k];
    return m_h_base + m_passo * (static_cast<double>(k - 1) + (livello - a) / (b - a));
}

double profilo::integrale(double livello, double h_fine) const {
    // With fp^2 linear over a step, u = 1 - fp^2/level is linear too and
    // the integral of u^-1/2 over the step is 2 dh / (sqrt(u_a) + sqrt(u_b)):
    // exact, and finite where the wave turns back (u_b = 0).
    double somma = 0.0;
    double h = m_h_base;
    double ra = std::sqrt(std::max(0.0, 1.0 - m_fp2[0] / livello));
    for (std::size_t k = 1; k < m_fp2.size() && h < h_fine; ++k) {
        const double h_b = m_h_base + m_passo * static_cast<double>(k);
        double rb;
        double dh;
        if (h_b <= h_fine) {
            rb = std::sqrt(std::max(0.0, 1.0 - m_fp2[k] / livello));
            dh = m_passo;
        } else {
            const double s = (h_fine - h) / m_passo;
            const double fp2 = m_fp2[k - 1] + s * (m_fp2[k] - m_fp2[k - 1]);
            rb = std::sqrt(std::max(0.0, 1.0 - fp2 / livello));
            dh = h_fine - h;
        }
        if (ra + rb > 0) somma += 2.0 * dh / (ra + rb);
        ra = rb;
        h = h_b;
    }
    return m_h_base + somma;
}

std::optional<double> profilo::altezza_virtuale(double f, modo m) const {
    const double livello = livello_riflessione(f, m);
    const auto h_r = altezza_riflessione(livello);
    if (!h_r) return std::nullopt;
    return integrale(livello, *h_r);
}

std::optional<double> profilo::percorso_fino_a(double f, modo m, double h) const {
    const double livello = livello_riflessione(f, m);
    if (!(livello > 0)) return std::nullopt;
    if (const auto h_r = altezza_riflessione(livello); h_r && *h_r < h) return std::nullopt;
    return integrale(livello, h);
}

} // namespace velaris::demo
