#pragma once
// The consistency check run before the operator leaves a scaled ionogram
// (a move, Esc, closing the main window) while the check is switched on.

#include "base/porte.h"

#include <string_view>
#include <vector>

namespace velaris {

/// Outcome of one check. `fermare` is true when a rule failed: its message
/// has been shown and the caller must abandon leaving the ionogram.
/// `caselle` names the boxes the failed rule is about, so the window can
/// point the operator at them; empty when every rule passed.
struct esito_controllo {
    bool fermare = false;
    std::vector<std::string_view> caselle;
};

/// Runs the rules in their fixed order over the boxes and the particular-case
/// code; stops at the first failure, whose message goes through `messaggi`.
/// Changes no box.
esito_controllo controllo_coerenza(const caselle_testo& caselle,
                                   std::string_view codice_caso_particolare, messaggi& messaggi);

} // namespace velaris
