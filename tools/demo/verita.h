#pragma once
// What the demo day's model put into each sounding, as the characteristics an
// operator would scale from it: the yardstick the proposals are measured
// against. The values are the model's own, taken from the layers and the
// group paths the echoes were drawn from, not read back from the echoes.

#include "giornata.h"
#include "sintesi.h"

#include <optional>
#include <string>

namespace velaris::demo {

/// One sounding's characteristics; none where the model has no such echo.
/// Frequencies in MHz, virtual heights in km.
struct valori_veri {
    std::optional<double> fmin, hE, foE, foEs, hEs, hF, foF1, foF2;
};

/// The characteristics of a synthesised sounding:
/// - fmin: the absorption limit below which nothing comes back;
/// - foE, foF1, foF2: the square roots of the local maxima of the electron
///   density profile that a rising frequency penetrates one after another,
///   E below 150 km, F2 the highest, F1 between (the ledge of the F1 layer
///   plus what the E layer still adds there);
/// - h'E, h'F: the lowest ordinary virtual height over the sounded
///   frequencies reflected by E, and by the F layers above foE;
/// - foEs, h'Es: the patch's top frequency and the lowest virtual height of
///   its trace as drawn.
/// A layer whose critical frequency lies at or below fmin leaves no echo and
/// gets none.
valori_veri verita(const sondaggio_sintetico& s);

/// The day's characteristics as CSV, header `file,fmin,hE,foE,foEs,hEs,hF,foF1,foF2`
/// and one row per sounding that has a good file (by file name), MHz with
/// three decimals, km with one, empty where the model has no such echo.
std::string tabella_verita(const opzioni_giornata& o);

} // namespace velaris::demo
