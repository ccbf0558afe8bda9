#pragma once
// What the scaling logic needs from the main window besides the boxes and
// the message boxes: redrawing the plot and drawing the transmission curve
// over it. The window implements it (as part of its one port, see
// session/vista_principale.h); the tests record the calls.

#include "plot/punto_grafico.h"

#include <vector>

namespace velaris {

class vista_scalatura {
public:
    virtual ~vista_scalatura() = default;

    /// Redraws the whole ionogram plot (frame, grid, labels, echoes), which
    /// removes any curve drawn before. `pulisci` clears the whole drawing
    /// surface to the background first.
    virtual void ridisegna_ionogramma(bool pulisci) = 0;

    /// Draws the transmission curve over the plot as it stands: the segments
    /// from each vertex to the next (plot coordinates, end points excluded).
    virtual void disegna_curva_trasmissione(const std::vector<punto_grafico>& vertici) = 0;
};

} // namespace velaris
