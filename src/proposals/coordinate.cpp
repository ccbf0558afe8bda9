#include "proposals/coordinate.h"

#include "display/geometria_grafico.h"

#include <cmath>

namespace velaris::proposte_detail {

double altezza_cella(double j) {
    // Cell j (1-based) is drawn with its top on plot row 4 j.
    return geometria_grafico::altezza(4.0 * (j + 1.0));
}

std::optional<punto_grafico> punto(double frequenza, double altezza) {
    const int x = static_cast<int>(std::lround(geometria_grafico::x_frequenza(frequenza)));
    const int y = static_cast<int>(std::lround(geometria_grafico::y_altezza(altezza)));
    if (!geometria_grafico::sul_grafico(x, y)) return std::nullopt;
    return punto_grafico{x, y};
}

} // namespace velaris::proposte_detail
