#pragma once
// Where the plot stands in a window: the margins around it, the size of the
// drawing surface, and the surface's pixel columns and rows for plot
// coordinates. The coordinates themselves (MHz and km to plot pixels) are
// plot/coordinate_grafico.h.

#include "plot/coordinate_grafico.h"

#include <cstdint>

namespace velaris {

struct geometria_grafico {
    std::int16_t margine_superiore = 70;
    std::int16_t margine_inferiore = 50;
    std::int16_t margine_destro = 30;
    std::int16_t margine_sinistro = 220;

    /// Margins of the main window (the characteristic table stands left of
    /// the plot) and of the companion window.
    static constexpr geometria_grafico finestra_principale() { return {70, 50, 30, 220}; }
    static constexpr geometria_grafico finestra_compagna() { return {70, 50, 30, 30}; }

    /// User coordinates of the client area's edges.
    constexpr int x_sinistra() const { return -margine_sinistro; }
    constexpr int x_destra() const {
        return margine_destro + coordinate_grafico::larghezza_grafico + 1;
    }
    constexpr int y_alto() const { return margine_superiore + coordinate_grafico::altezza_grafico; }
    constexpr int y_basso() const { return -(margine_inferiore + 1); }
    /// Size of the drawing surface in pixels (1015 x 721 for the main window).
    constexpr int larghezza_superficie() const { return x_destra() - x_sinistra(); }
    constexpr int altezza_superficie() const { return y_alto() - y_basso(); }

    /// Pixel column / row of the drawing surface (0 at its left / top) for a
    /// plot coordinate.
    constexpr int colonna(int x) const { return x - x_sinistra(); }
    constexpr int riga(int y) const { return y_alto() - y; }
    /// Plot coordinate for a pixel column / row of the drawing surface.
    constexpr int x_da_colonna(int colonna) const { return colonna + x_sinistra(); }
    constexpr int y_da_riga(int riga) const { return y_alto() - riga; }
};

} // namespace velaris
