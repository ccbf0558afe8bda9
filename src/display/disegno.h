#pragma once
// The two drawing routines of a window's plot. Both windows use them; they
// differ only by the geometry (margins) passed in.
//
// Each call repaints the whole plot rectangle, frame included, which removes
// anything drawn over it before (a transmission curve, a mark), and writes
// the axis labels over the window background around it. Nothing else of the
// surface is touched, except by echoes of frequencies beyond the axis, which
// are drawn wherever they fall on the surface.

#include "display/geometria_grafico.h"
#include "display/superficie.h"
#include "ionogram/dati_ionogramma.h"

#include <QColor>
#include <QImage>

namespace velaris {

/// Frame, frequency grid lines (only for the whole frequencies within
/// frequenza_iniziale .. frequenza_finale), frequency labels 1 .. 20 and
/// "MHz", height grid rows and labels 100 .. 700 and "km", then the echoes of
/// `dati` (expected already rescaled by normalizzazione_ampiezze).
/// `colore_testo` is the colour of the labels. Needs a QGuiApplication for the
/// label text; other threads may draw on surfaces of their own once the GUI
/// thread has drawn with the same colour (see disegno_etichette).
void disegno_ionogramma(QImage& superficie, const geometria_grafico& geometria,
                        const dati_ionogramma& dati, const QColor& colore_testo);

/// The plot of a window without an ionogram: frame and labels, no grid lines
/// and no echoes.
void disegno_grafico_vuoto(QImage& superficie, const geometria_grafico& geometria,
                           const QColor& colore_testo);

} // namespace velaris
