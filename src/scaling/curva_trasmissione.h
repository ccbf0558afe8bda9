#pragma once
// The transmission curve of a 3000 km path: for a MUF M and a virtual height
// h, the frequency f(h) = M cos i(h) / 1.114 with
// i(h) = arctan(sin 0.235 / (1 + h / 6371 - cos 0.235)). Read the other way
// it is the secant law that estimates the MUF from one point of a trace.

#include "plot/punto_grafico.h"

#include <vector>

namespace velaris {

/// The path's constants, held as 32-bit floats.
inline constexpr float semiangolo_percorso = 0.235f; ///< half-angle of the path, rad
inline constexpr float raggio_terra_km = 6371.0f;
inline constexpr float fattore_correzione = 1.114f;

/// f(h) of the curve of `muf_mhz` at virtual height `h` (km), in MHz.
double frequenza_curva(float muf_mhz, float h);

/// The secant-law MUF estimate 1.114 f / cos i(h) of a trace point (f MHz,
/// h km), not rounded.
double stima_secante(float f, float h);

/// The vertices of the curve of `muf_mhz` on the plot, in drawing order; the
/// curve is the chain of segments from each vertex to the next (the first
/// segment may have length zero).
///
/// The start is the first height h = 99.0, 100.125, ... 396.0 km whose column
/// Int((f(h) - 0.925) / 0.025) exceeds 1 (when none does, as for 3.0 MHz, the
/// search ends one step past 396 km with the column found there); row
/// Int((h - 86.625) / 1.125). From that height up to 756 km every 1.125 km
/// adds its (column, row) while the column stays below 760. Column and row
/// are one less than the exact plot position of f and h.
/// Throws errore_overflow for a MUF whose columns do not fit 16 bits.
std::vector<punto_grafico> punti_curva_trasmissione(float muf_mhz);

} // namespace velaris
