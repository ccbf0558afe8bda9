#pragma once
// The marker of a proposal over the plot: where accepting it would click.
// Like the transmission curve it lives only on the drawing surface: the next
// disegno_ionogramma paints over it.

#include "display/geometria_grafico.h"
#include "plot/punto_grafico.h"

#include <QImage>
#include <QRgb>

namespace velaris {

/// A colour used by nothing else on the plot: not grey like the echoes and
/// the grid, nor the frame's yellow or the curve's red.
inline constexpr QRgb colore_proposta = 0xff00ff00; ///< RGB(0, 255, 0)

/// A square ring two pixels wide, 11 x 11, centred on `centro`, whose hole
/// leaves the echo at the point itself and around it in view. Only the part
/// on the plot (1..764 x 1..600) is drawn, never the frame or the margins.
void disegno_marcatore_proposta(QImage& superficie, const geometria_grafico& geometria,
                                punto_grafico centro);

} // namespace velaris
