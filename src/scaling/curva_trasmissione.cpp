#include "scaling/curva_trasmissione.h"

#include "base/numeri.h"

#include <cmath>

namespace velaris {

namespace {

constexpr float passo_altezza = 1.125f;
constexpr float inizio_ricerca = 99.0f;
constexpr float fine_ricerca = 396.0f;
constexpr float fine_curva = 756.0f;
constexpr int ultima_colonna_esclusa = 760;

/// cos i(h): the cosine of the angle of incidence at virtual height h.
double coseno_incidenza(float h) {
    const double teta = semiangolo_percorso;
    const double i = std::atan(std::sin(teta) /
                               (1.0 + static_cast<double>(h) / raggio_terra_km - std::cos(teta)));
    return std::cos(i);
}

// Int() of the drawing rounds toward minus infinity; the results are small,
// and a value that does not fit 16 bits is an error, not a wrapped column.
std::int16_t colonna(double f) { return a_intero16(std::floor((f - 0.925) / 0.025)); }
std::int16_t riga(float h) { return a_intero16(std::floor((h - 86.625) / 1.125)); }

} // namespace

double frequenza_curva(float muf_mhz, float h) {
    return static_cast<double>(muf_mhz) * coseno_incidenza(h) / fattore_correzione;
}

double stima_secante(float f, float h) {
    return static_cast<double>(fattore_correzione) * f / coseno_incidenza(h);
}

std::vector<punto_grafico> punti_curva_trasmissione(float muf_mhz) {
    // The heights step as a 32-bit float; 1.125 km is exact in binary, so the
    // steps land on 99.0 + n * 1.125 exactly.
    float h = inizio_ricerca;
    int c = 0;
    for (; h <= fine_ricerca; h += passo_altezza) {
        c = colonna(frequenza_curva(muf_mhz, h));
        if (c > 1) break;
    }
    std::vector<punto_grafico> punti{{c, riga(h)}};
    for (float h2 = h; h2 <= fine_curva; h2 += passo_altezza) {
        const int c2 = colonna(frequenza_curva(muf_mhz, h2));
        if (c2 < ultima_colonna_esclusa) punti.push_back({c2, riga(h2)});
    }
    return punti;
}

} // namespace velaris
