#include "controllo_coerenza.h"

namespace velaris {

// Placeholder until the rules land: every ionogram may be left.
esito_controllo controllo_coerenza(const caselle_testo&, std::string_view, messaggi&) {
    return {};
}

} // namespace velaris
