#pragma once
// Helpers shared by the drawing tests: pixels read through plot coordinates
// and small ionograms built in memory.

#include "display/geometria_grafico.h"
#include "ionogram/dati_ionogramma.h"

#include <QImage>

#include <cmath>

namespace velaris::prova {

/// Colour of the surface pixel at plot position (x, y), alpha dropped.
inline QRgb a(const QImage& superficie, const geometria_grafico& g, int x, int y) {
    return superficie.pixel(g.colonna(x), g.riga(y)) & 0xffffffu;
}

inline constexpr QRgb nero = 0x000000, giallo = 0xffff00, grigio_griglia = 0x646464, blu = 0x0000c0;
inline QRgb grigio(int g) {
    return qRgb(g, g, g) & 0xffffffu;
}

/// An empty ionogram from `inizio` to `fine` MHz by `passo`, with the number of
/// frequencies the reader would compute.
inline dati_ionogramma ionogramma(float inizio, float fine, float passo) {
    dati_ionogramma d;
    d.frequenza_iniziale = inizio;
    d.frequenza_finale = fine;
    d.passo_frequenza = passo;
    d.numero_frequenze = static_cast<std::int32_t>(
        std::nearbyint((static_cast<long double>(fine) - inizio) / passo + 1));
    d.azzeramento_ampiezze();
    return d;
}

} // namespace velaris::prova
