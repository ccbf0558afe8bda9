#pragma once
// The URSI qualifying and descriptive letters: what the operator may type
// into the letter boxes, what a click into a box selects, and how the
// M(3000)F1 and M(3000)F2 letters follow from their sources when the focus
// leaves one of those boxes. The operator never types the M(3000) letters.

#include "base/porte.h"

#include <string_view>

namespace velaris {

/// Character code of Backspace as the key filters see it.
inline constexpr int tasto_backspace = 8;

/// Outcome of a key filter for one typed character.
struct esito_tasto {
    int carattere = 0;      ///< what goes into the box: the key, upper-cased, or 0 (swallowed)
    std::string_view fuoco; ///< box that takes the focus afterwards; empty: the focus stays
};

/// Key filter of the letter box named `casella` for the typed character
/// `carattere`, with `grandezza_corrente` the key of the current
/// characteristic. Keys in a box whose characteristic is not current, and in
/// boxes without a filter (values, the M(3000) letters, the Es types), are
/// left as typed. Non-letters other than Backspace are swallowed silently;
/// lower case becomes upper case; a letter that is not a qualifying
/// (descriptive) letter shows "This is not a qualificative letter!" ("This
/// is not a descriptive letter!") and is swallowed. An accepted qualifying
/// letter sends the focus to the descriptive box of the same characteristic.
esito_tasto filtro_tasto_lettera(std::string_view casella, int carattere,
                                 std::string_view grandezza_corrente, messaggi& messaggi);

/// What a click into a box does: select the characteristic `chiave`, then
/// give the focus to `fuoco` (empty: leave it where the selection put it).
/// An empty `chiave` means that a click into that box does nothing.
struct clic_casella {
    std::string_view chiave;
    std::string_view fuoco;
};

/// A click into a qualifying box selects its characteristic, whose selection
/// ends in the descriptive box; a click into a descriptive box selects and
/// then focuses the clicked box again; a click into the Es types box selects
/// the Es types. Value boxes and the M(3000) letters do nothing.
clic_casella clic_in_casella(std::string_view casella);

enum class strato_m3000 { f1, f2 };
/// Which kind of box the focus left: the qualifying-box variant keeps the
/// M(3000) descriptive letter where the descriptive-box variant clears it.
enum class variante_uscita { qualificativa, descrittiva };

/// Derives the qualifying and descriptive letters of M(3000)F1 (from foF1 and
/// MUF(3000)F1) or M(3000)F2 (from foF2 and MUF(3000)F2). Writes only the two
/// M(3000) letter boxes.
void derivazione_lettere_m3000(strato_m3000 strato, variante_uscita variante,
                               caselle_testo& caselle);

/// The focus left the box named `casella`: when it is one of the four letter
/// boxes of foF1/MUF(3000)F1 or foF2/MUF(3000)F2, derives that layer's
/// M(3000) letters in the box's variant and returns true.
bool uscita_da_casella_lettera(std::string_view casella, caselle_testo& caselle);

} // namespace velaris
