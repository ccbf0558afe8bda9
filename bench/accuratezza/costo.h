#pragma once
// What the demo day costs the operator in keys and clicks, with the
// proposals and without: the day walked sounding by sounding through the
// main window's session object, on in-memory boxes, as an operator who
// scales every characteristic the model drew would walk it.

#include "giornata.h"

#include <array>

namespace velaris {

struct costo_giornata {
    int f1 = 0;         ///< F1 presses down the list
    int f3 = 0;         ///< Next moves
    int etichette = 0;  ///< clicks on a label, for a characteristic F1 went past
    int clic = 0;       ///< aimed clicks on the plot
    int invio = 0;      ///< Enter presses
    int valori = 0;     ///< values scaled
    int lontani = 0;    ///< values the boxes end with beyond the tolerance of the model's
    int solo_tasti = 0; ///< soundings with values scaled by keys alone, no click at all
    /// Soundings whose proposals in the window (on the amplitudes as the plot
    /// rescales them) differ in value from those of the file as read.
    int proposte_diverse = 0;
};

/// Walks day `o`. After each load foF2 is current; the operator scales it,
/// then goes down the list with F1 and scales each characteristic of the
/// proposals' eight that the model has (demo::verita) as it comes, stopping
/// at the last; one that F1 goes past (the night marker skips h'E and foE,
/// an empty foE skips foF1) is selected by its label afterwards; then F3.
/// To scale, the operator clicks at the model's value, or, `con_proposte`,
/// presses Enter where the marker stands within `tolleranze` (in the order
/// of chiavi_proposte, MHz or km) of it. Every question is answered Yes; the
/// consistency check is off.
costo_giornata costo_della_giornata(const demo::opzioni_giornata& o, bool con_proposte,
                                    const std::array<double, 8>& tolleranze);

} // namespace velaris
