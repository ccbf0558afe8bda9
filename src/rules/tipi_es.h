#pragma once
// Es types: the text of the Es types box, one or two codes of a type letter
// and a count of multiple reflections ("C1", "C2H1"), typed by the operator,
// proposed when the Es types are selected, and stepped by the two buttons.

#include "base/porte.h"

#include <string_view>

namespace velaris {

/// A leaving move or the closing may save the Es types only when they are
/// absent or one or two codes of two characters: 0, 2 or 4 characters.
constexpr bool formato_tipi_es_corretto(std::string_view tipi) {
    return tipi.size() == 0 || tipi.size() == 2 || tipi.size() == 4;
}

/// Key filter of the Es types box for the typed character `carattere`, given
/// the box's text before the key: a type letter (A C D F H K L Q R S, lower
/// case made upper) is due at lengths 0 and 2, a count 1 to 9 at lengths 1
/// and 3, only Backspace at length 4; longer texts are not filtered. Returns
/// the character that goes into the box, or 0 when it is swallowed.
int filtro_tasto_tipi_es(std::string_view testo, int carattere);

/// Whether a key pressed down in the Es types box is swallowed: Left (37),
/// Up (38), Right (39), Down (40) and Delete (46), so that the caret cannot be
/// moved by keyboard and nothing is deleted forwards. `codice` is the
/// virtual-key code.
bool tasto_giu_tipi_es_ingoiato(int codice);

/// The Es-types work of selecting the Es types with an ionogram loaded:
/// "H1" when h'Es is 160 km or more (whatever the box held), then, while the
/// box is still empty, the proposal from the E layer and foEs.
void proposta_selezione_tipi_es(caselle_testo& caselle);

/// `Esup`: the single Es type of C, F, L or H gets one reflection more, up
/// to 5; at 5 the operator is told that a sixth is not considered. A text
/// that is no member of those chains is left alone without a message.
void aumento_riflessioni_es(caselle_testo& caselle, messaggi& messaggi);

/// `Esdown`: one reflection less, down to 1; at 1 the operator is told that
/// he cannot go below it.
void diminuzione_riflessioni_es(caselle_testo& caselle, messaggi& messaggi);

} // namespace velaris
