#pragma once
// What the main window's function keys do to the characteristics: the next
// and the previous one (F1, F2), clearing the current one (F12, Ctrl), the
// day without an F1 layer (the backslash key) and Space. The window runs the
// selections these return, exactly as a click on the label does.

#include "base/porte.h"

#include <string>
#include <string_view>

namespace velaris {

/// F1: the key of the characteristic after `corrente` in the scaling order,
/// doing on the way what leaving it with F1 does: leaving foEs sets
/// `giorno_notte` from the E layer; leaving h'Es puts the proposed Es type
/// into the Es types box (over what it held). After fmin comes foEs at night
/// and h'E by day; after h'Es the Es types, or fbEs when h'Es's descriptive
/// letter is "C"; after h'F foF2 when foE is empty, otherwise foF1. Empty for
/// a key F1 does nothing on.
std::string_view grandezza_successiva(std::string_view corrente, caselle_testo& caselle,
                                      std::string& giorno_notte);

/// F2: the characteristic before `corrente` in the ring fmin ... MUF(3000)F2,
/// without conditions. Empty for a key F2 does nothing on.
std::string_view grandezza_precedente(std::string_view corrente);

/// F12 and Ctrl: empties the value and letters of the current characteristic.
/// The F1 and F2 layers take M(3000) with them: its value and qualifying letter
/// are emptied (F1) or the qualifying letter taken from the other source (F2),
/// and its descriptive letter comes from the other source; clearing foF2 also
/// drops an fxI descriptive letter "X" first. The selection does not change.
void cancellazione_grandezza(std::string_view corrente, caselle_testo& caselle);

/// The backslash key: no F1 layer. foF1, MUF(3000)F1, M(3000)F1 and h'F2
/// lose their values and qualifying letters and get the descriptive letter
/// "L". The caller then selects foF2.
void nessuno_strato_f1(caselle_testo& caselle);

/// Space: foF2 when h'F or foF1 is current; empty otherwise.
std::string_view grandezza_dopo_spazio(std::string_view corrente);

} // namespace velaris
