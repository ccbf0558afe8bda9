#include "proposals/coordinate.h"

#include "plot/coordinate_grafico.h"

#include <cmath>

namespace velaris::proposte_detail {

double altezza_cella(double j) {
    // Cell j (1-based) is drawn with its top on plot row 4 j.
    return coordinate_grafico::altezza(4.0 * (j + 1.0));
}

std::optional<punto_grafico> punto(double frequenza, double altezza) {
    const int x = static_cast<int>(std::lround(coordinate_grafico::x_frequenza(frequenza)));
    const int y = static_cast<int>(std::lround(coordinate_grafico::y_altezza(altezza)));
    if (!coordinate_grafico::sul_grafico(x, y)) return std::nullopt;
    return punto_grafico{x, y};
}

} // namespace velaris::proposte_detail
