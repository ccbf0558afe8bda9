#pragma once
// Leaving the ionogram being scaled: the checks every way out runs first
// (a move, Esc, closing the main window) and the saving that follows them.
// What each way does after the saving is its own: see spostamento.h and the
// main window.

#include "base/porte.h"
#include "session/stato_programma.h"

#include <functional>
#include <string_view>
#include <vector>

namespace velaris {

inline constexpr std::string_view titolo_tipi_es = "Be careful!!";
/// What a move and Esc say about Es types of the wrong length ...
inline constexpr std::string_view testo_tipi_es_spostamento =
    "The format of Es Types is not correct!!";
/// ... and what closing the main window says.
inline constexpr std::string_view testo_tipi_es_chiusura = "The format Es Types is not correct!!";

/// Title of the messages about a saving that failed.
inline constexpr std::string_view titolo_salvataggio = "Be careful!!";

/// The checks before an ionogram is left: the Es types must have 0, 2 or 4
/// characters (otherwise `testo_tipi_es` is shown), then, when `controllo`
/// is on (Option1), the consistency check over the boxes and the
/// particular-case code. false: the operator stays and nothing may be saved;
/// when the consistency check stopped it, `caselle_controllo` (if given)
/// receives the boxes its failed rule is about, for the window to point at.
bool controlli_prima_di_lasciare(const stato_programma& stato, const caselle_testo& caselle,
                                 messaggi& messaggi, bool controllo,
                                 std::string_view testo_tipi_es,
                                 std::vector<std::string_view>* caselle_controllo = nullptr);

/// Runs `salva`; when it throws, shows why and asks `domanda` (Yes/No).
/// true when the values are saved or the operator chose to go on without.
bool salva_o_chiedi(messaggi& messaggi, std::string_view domanda,
                    const std::function<void()>& salva);

enum class esito_chiusura {
    rifiutata,    ///< the window stays; nothing has been written
    salvata,      ///< the record and the code are saved: the closing goes on
    senza_salvare ///< the saving failed and the operator chose to close anyway
};

/// The closing steps of the main window, whoever asks for the closing (its
/// close box, the system, the start window loading again): checks with the
/// closing's own Es types message, then the record and the particular-case
/// code. Unless refused, the caller closes the companion window and the
/// closing goes on. A saving that fails is told, and the operator chooses
/// whether to close without saving.
esito_chiusura chiusura_principale(const stato_programma& stato, const caselle_testo& caselle,
                                   messaggi& messaggi, bool controllo,
                                   std::vector<std::string_view>* caselle_controllo = nullptr);

/// Esc: the move's checks, then the record and the particular-case code.
/// Unless refused, the window may give way to the start window
/// (senza_salvare: a record that must not be written was left alone). A
/// saving that fails is told and refuses: the window stays with every value
/// in its box.
esito_chiusura salvataggio_per_uscita(const stato_programma& stato,
                                      const caselle_testo& caselle, messaggi& messaggi,
                                      bool controllo,
                                      std::vector<std::string_view>* caselle_controllo = nullptr);

} // namespace velaris
