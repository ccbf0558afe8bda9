#pragma once
// Where the proposals meet the plot's coordinate system: the height of a
// sounder's height cell and the plot point of a frequency and a height. Only
// coordinate.cpp knows the plot's arithmetic.

#include "plot/punto_grafico.h"

#include <optional>

namespace velaris::proposte_detail {

/// Height in km of height cell j (0-based), as the plot draws it.
double altezza_cella(double j);

/// The plot point of a frequency (MHz) and a virtual height (km), rounded to
/// whole pixels; none off the plot.
std::optional<punto_grafico> punto(double frequenza, double altezza);

} // namespace velaris::proposte_detail
