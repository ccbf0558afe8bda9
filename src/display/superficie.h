#pragma once
// The drawing surface of a window: a persistent QImage whose pixel (0, 0) is
// the top-left corner of the client area, i.e. plot coordinate
// (x_sinistra, y_alto) of the window's geometria_grafico. Whatever is drawn
// stays until it is drawn over or the surface is cleared, because nothing
// repaints the plot when the window is uncovered.
//
// The primitives write straight into the image's scanlines, in plot
// coordinates, and are clipped to the image: nothing is ever written outside
// it. They expect a 32-bit image (RGB32, ARGB32 or ARGB32_Premultiplied, made
// by crea_superficie) with a device pixel ratio of 1; colours are opaque.

#include "display/geometria_grafico.h"

#include <QImage>
#include <QRgb>

namespace velaris {

/// The colours of the plot.
inline constexpr QRgb colore_sfondo = 0xff0000c0;  ///< window background RGB(0, 0, 192)
inline constexpr QRgb colore_grafico = 0xff000000; ///< plot area RGB(0, 0, 0)
inline constexpr QRgb colore_cornice = 0xffffff00; ///< plot frame RGB(255, 255, 0)
inline constexpr QRgb colore_griglia = 0xff646464; ///< grid lines RGB(100, 100, 100)

/// A new drawing surface for the window of `geometria` (1015 x 721 pixels for
/// the main window), RGB32, filled with the background colour.
QImage crea_superficie(const geometria_grafico& geometria);

/// Clears the whole surface to the background colour. A surface in a format
/// other than a 32-bit one is converted to RGB32 first.
void pulisci_superficie(QImage& superficie);

/// Filled rectangle with corners (x1, y1) and (x2, y2), both corners included,
/// in either order.
void rettangolo_pieno(QImage& superficie, const geometria_grafico& geometria, int x1, int y1,
                      int x2, int y2, QRgb colore);

/// Line from (x1, y1) towards (x2, y2). The end point itself is not drawn, so
/// a line of length zero draws nothing and lines that meet at a corner do not
/// paint it twice. Horizontal and vertical lines go straight into the rows;
/// any other slope is stepped one pixel at a time along its longer axis.
void linea(QImage& superficie, const geometria_grafico& geometria, int x1, int y1, int x2, int y2,
           QRgb colore);

/// A single pixel; a position off the surface is ignored.
void punto(QImage& superficie, const geometria_grafico& geometria, int x, int y, QRgb colore);

} // namespace velaris
