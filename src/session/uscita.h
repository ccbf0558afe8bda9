#pragma once
// Leaving the ionogram being scaled: the checks every way out runs first
// (a move, Esc, closing the main window) and the saving that follows them.
// What each way does after the saving is its own: see spostamento.h and the
// main window.

#include "base/porte.h"
#include "session/stato_programma.h"

#include <functional>
#include <string>
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

/// Which way the operator leaves a sounding by: it picks the words of the
/// question asked when a write fails.
enum class via_uscita { spostamento, esc, chiusura };

/// The question when the record of the sounding could not be written: its
/// scaled values would be lost.
std::string_view domanda_senza_record(via_uscita via);

/// The question when the record is written but the particular-case code
/// `codice` could not go into the ionogram file: only that code is lost.
std::string domanda_senza_codice(via_uscita via, std::string_view codice);

/// Runs `salva`; when it throws, shows why and asks `domanda` (Yes/No).
/// true when the values are saved or the operator chose to go on without.
bool salva_o_chiedi(messaggi& messaggi, std::string_view domanda,
                    const std::function<void()>& salva);

/// How a way out that saves ended.
struct esito_uscita {
    bool prosegue = false;       ///< the window may go; false: it stays as it is
    bool record_salvato = false; ///< the record of the sounding was written
};

/// The writes of Esc and of the closing: the particular-case code into the
/// ionogram file first, then the record. A write that fails is told with
/// the question of what it really loses (the record: "without saving"; the
/// code alone: the code), and the operator decides whether to go on. A
/// record that must not be written (`record_caricato` false) is left alone
/// and the way out goes on.
esito_uscita salvataggio_in_uscita(const stato_programma& stato, const caselle_testo& caselle,
                                   messaggi& messaggi, via_uscita via);

/// The closing steps of the main window, whoever asks for the closing (its
/// close box, the system, the start window loading again): checks with the
/// closing's own Es types message, then the writes of `salvataggio_in_uscita`.
/// When it goes on, the caller closes the companion window.
esito_uscita chiusura_principale(const stato_programma& stato, const caselle_testo& caselle,
                                 messaggi& messaggi, bool controllo,
                                 std::vector<std::string_view>* caselle_controllo = nullptr);

/// Esc: the move's checks, then the writes of `salvataggio_in_uscita`. When
/// it goes on, the window gives way to the start window.
esito_uscita salvataggio_per_uscita(const stato_programma& stato, const caselle_testo& caselle,
                                    messaggi& messaggi, bool controllo,
                                    std::vector<std::string_view>* caselle_controllo = nullptr);

} // namespace velaris
