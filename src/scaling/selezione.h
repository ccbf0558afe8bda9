#pragma once
// Selecting the characteristic being scaled.
//
// The selection decides what the window must show (which label is red, which
// letter boxes accept typing, where the focus goes, how the plot is redrawn)
// and does the characteristic-specific work on the boxes; the window applies
// the outcome to its widgets.

#include "base/porte.h"

#include <string>
#include <string_view>
#include <vector>

namespace velaris {

/// How the plot must be redrawn after a selection.
enum class ridisegno { ionogramma, grafico_vuoto, nessuno };

struct esito_selezione {
    std::string grandezza_corrente;          ///< key of the new current characteristic
    std::vector<std::string_view> sbloccate; ///< letter boxes (or Text7) open to typing
    std::string_view fuoco;                  ///< box that takes the focus; empty: none
    ridisegno plot = ridisegno::nessuno;
};

/// Every letter box in walk order: the pairs of the first six rows, the Es
/// types box, then the remaining pairs. All but the unlocked ones are locked.
const std::vector<std::string_view>& caselle_lettera();

/// Selects the characteristic `chiave` (a selectable key of the table).
/// Updates `giorno_notte` ("d"/"n") on foEs and proposes an Es type on h'Es.
/// The MUF selections stop after unlocking their letters: their curve is
/// drawn by the transmission-curve code.
esito_selezione seleziona_grandezza(std::string_view chiave, caselle_testo& caselle,
                                    std::string& giorno_notte, bool ionogramma_presente);

/// The reset after every load: foF2 becomes current as on its selection, but
/// nothing takes the focus and the plot is not redrawn.
esito_selezione selezione_fof2();

/// The Es type proposed from the E layer and foEs when h'Es or the Es types
/// are selected: "L1", "F1" or "C1", the first rule that applies; empty for
/// none. The caller decides whether the Es types box may take it.
std::string_view proposta_tipo_es(const caselle_testo& caselle);

/// "n" when the six E-layer boxes are all exactly empty, "d" otherwise.
std::string giorno_o_notte(const caselle_testo& caselle);

} // namespace velaris
