#pragma once
// The axis labels around the plot: 1 .. 20 and "MHz" below it, 100 .. 700 and
// "km" to its right. They are the same for every ionogram and both windows,
// and drawing text is by far the dearest part of a plot, so the labels are
// printed once and their pixels later copied onto the surface.

#include "display/geometria_grafico.h"

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

namespace velaris {

/// One axis label: its text and the plot position of the text's top-left
/// corner.
struct etichetta_asse {
    std::string testo;
    int x;
    int y;
};

/// A whole frequency of the axis table f(k) = 1.0 + 0.1 (k - 1), k = 1 .. 191,
/// each entry computed in double and stored as a 32-bit float; it stands at
/// plot column 4k.
struct frequenza_asse {
    int k;
    float f;
};

/// The entries of that table whose value is a whole number: 1 .. 20 MHz.
const std::vector<frequenza_asse>& frequenze_intere_asse();

/// The labels in drawing order: the 20 frequencies (printed numbers, " 1" ..
/// " 20"), "MHz", the seven heights "100" .. "700", "km".
const std::vector<etichetta_asse>& etichette_assi();

/// Draws every label on the surface in the application's default font and the
/// given colour, as text printed on the window background: the baseline lies
/// one font ascent below the label's row, the text starts at its column.
/// Only the pixels the glyphs cover are written (as printing the labels in
/// order on the background leaves them), clipped to the surface; the pixels
/// between and around the glyphs keep what they had. Needs a
/// QGuiApplication. The pixels are cached per font, colour and surface
/// resolution; once a set exists (drawn once on the GUI thread), other threads
/// may draw with it at the same time, each on its own surface.
void disegno_etichette(QImage& superficie, const geometria_grafico& geometria,
                       const QColor& colore_testo);

} // namespace velaris
