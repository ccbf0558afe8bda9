#pragma once
// The MUF(3000) transmission curve over the plot. It lives only on the
// drawing surface: the next disegno_ionogramma paints over it.

#include "display/geometria_grafico.h"
#include "plot/punto_grafico.h"

#include <QImage>
#include <QRgb>

#include <vector>

namespace velaris {

inline constexpr QRgb colore_curva = 0xffc80000; ///< RGB(200, 0, 0)

/// Draws the segments from each vertex to the next in colore_curva, each with
/// its end point excluded (see `linea`), clipped to the surface.
void disegno_curva_trasmissione(QImage& superficie, const geometria_grafico& geometria,
                                const std::vector<punto_grafico>& vertici);

} // namespace velaris
