#pragma once
// Leaving the ionogram being scaled: the words and the saving every way out
// shares (a move, Esc, closing the main window). The ways out themselves are
// sessione_principale's: its checks before leaving, Esc and the closing live
// in uscita.cpp, the moves in spostamento.cpp.

#include "base/porte.h"
#include "session/stato_programma.h"

#include <functional>
#include <string>
#include <string_view>

namespace velaris {

inline constexpr std::string_view titolo_tipi_es = "Be careful!!";
/// What a move and Esc say about Es types of the wrong length ...
inline constexpr std::string_view testo_tipi_es_spostamento =
    "The format of Es Types is not correct!!";
/// ... and what closing the main window says.
inline constexpr std::string_view testo_tipi_es_chiusura = "The format Es Types is not correct!!";

/// Title of the messages about a saving that failed.
inline constexpr std::string_view titolo_salvataggio = "Be careful!!";

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

} // namespace velaris
