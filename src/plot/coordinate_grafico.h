#pragma once
// The plot's coordinate system, shared by scaling (a click becomes a value),
// drawing and the cursor read-out. Plain arithmetic without Qt; where the plot
// stands in a window (margins, surface size) is display's geometria_grafico.
//
// One unit is one pixel. The origin is the lower-left corner of the plot,
// x grows to the right and y upward. The plot is 1 <= x <= 764, 1 <= y <= 600;
// 1 MHz lies at x = 4 and 20 MHz at x = 764.

#include <array>

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

struct coordinate_grafico {
    static constexpr int larghezza_grafico = 764; ///< last plot column
    static constexpr int altezza_grafico = 600;   ///< last plot row

    /// Frequency in MHz at plot column x and back: x = 40 f - 36.
    static constexpr double frequenza(double x) { return 0.025 * x + 0.9; }
    static constexpr double x_frequenza(double f) { return 40.0 * f - 36.0; }
    /// Virtual height in km at plot row y and back: h = 1.125 y + 85.5.
    static constexpr double altezza(double y) { return 1.125 * y + 85.5; }
    static constexpr double y_altezza(double h) { return (h - 85.5) / 1.125; }

    /// True when (x, y) lies on the plot (the frame is not part of it).
    static constexpr bool sul_grafico(double x, double y) {
        return x >= 1 && x <= larghezza_grafico && y >= 1 && y <= altezza_grafico;
    }
};

} // namespace velaris
