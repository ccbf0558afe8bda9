#pragma once
// The plot coordinate system shared by drawing, cursor read-out and scaling.
// Plain arithmetic with no Qt dependency, so that the scaling library can use
// it without linking the drawing code.
//
// One unit is one pixel. The origin is the lower-left corner of the plot,
// x grows to the right and y upward. The plot is 1 <= x <= 764, 1 <= y <= 600;
// 1 MHz lies at x = 4 and 20 MHz at x = 764.

#include <array>
#include <cstdint>

namespace velaris {

/// A row of the height grid and the round height it stands for. The axis
/// labels, the read-out and the click show these round heights on the grid
/// rows, not what the mapping gives there (200.25 km on row 102).
struct riga_griglia_altezza {
    int y;
    int km;
};

inline constexpr std::array<riga_griglia_altezza, 7> righe_griglia_altezze = {
    {{12, 100}, {102, 200}, {190, 300}, {280, 400}, {368, 500}, {458, 600}, {546, 700}}};

struct geometria_grafico {
    std::int16_t margine_superiore = 70;
    std::int16_t margine_inferiore = 50;
    std::int16_t margine_destro = 30;
    std::int16_t margine_sinistro = 220;

    static constexpr int larghezza_grafico = 764; ///< last plot column
    static constexpr int altezza_grafico = 600;   ///< last plot row

    /// Margins of the main window (the characteristic table stands left of
    /// the plot) and of the companion window.
    static constexpr geometria_grafico finestra_principale() { return {70, 50, 30, 220}; }
    static constexpr geometria_grafico finestra_compagna() { return {70, 50, 30, 30}; }

    /// User coordinates of the client area's edges.
    constexpr int x_sinistra() const { return -margine_sinistro; }
    constexpr int x_destra() const { return margine_destro + larghezza_grafico + 1; }
    constexpr int y_alto() const { return margine_superiore + altezza_grafico; }
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

    /// Frequency in MHz at plot column x and back: x = 40 f - 36.
    static constexpr double frequenza(double x) { return 0.025 * x + 0.9; }
    static constexpr double x_frequenza(double f) { return 40.0 * f - 36.0; }
    /// Virtual height in km at plot row y and back: h = 1.125 y + 85.5.
    static constexpr double altezza(double y) { return 1.125 * y + 85.5; }
    static constexpr double y_altezza(double h) { return (h - 85.5) / 1.125; }

    /// True when (x, y) lies on the plot (the frame is not part of it).
    static constexpr bool sul_grafico(int x, int y) {
        return x >= 1 && x <= larghezza_grafico && y >= 1 && y <= altezza_grafico;
    }
};

} // namespace velaris
