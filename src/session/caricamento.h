#pragma once
// Loading the ionogram of a window's time (the main window's or the companion
// window's), and for the main window the day's results for it; saving them
// when the main window leaves it.
//
// Whatever goes wrong with the ionogram file, the sounding is still shown
// with its stored record, so that leaving it writes back what was there. Only
// a results file that cannot be read leaves the boxes empty, and then that
// record is never written (see docs/loading.md).

#include "base/porte.h"
#include "ionogram/dati_ionogramma.h"
#include "ionogram/lettore_rdf.h"
#include "session/stato_programma.h"

#include <string>

namespace velaris {

/// What a load draws in either window: the plot, its status line and the
/// window's title. The plot panel both windows share implements it; tests
/// fake it.
class vista_ionogramma {
public:
    virtual ~vista_ionogramma() = default;
    /// Rescales the just-read amplitudes to grey levels, sets up the window
    /// and draws frame, grid, labels and the echoes.
    virtual void mostra_ionogramma(dati_ionogramma& dati) = 0;
    /// Sets up the window and draws the empty plot.
    virtual void mostra_grafico_vuoto() = 0;
    virtual void imposta_titolo(const std::string& titolo) = 0;
    /// The status line: empty when the ionogram and its results were read,
    /// otherwise why there is no ionogram to scale or why the boxes are empty,
    /// naming files by their names only. `percorsi` holds the full paths of
    /// the files it names, one per line (for a tooltip).
    virtual void imposta_stato_file(const std::string& testo, const std::string& percorsi) = 0;
    /// The system's decimal separator, for the frequency step in the title.
    virtual char separatore_decimale() const = 0;
};

/// What a load of the main window shows besides: the particular-case menu
/// and its caption `Label11`.
class vista_caso_particolare {
public:
    virtual ~vista_caso_particolare() = default;
    /// true: all seven particular-case entries enabled; false: only "no ionogram".
    virtual void abilita_casi_particolari(bool tutti) = 0;
    /// Caption of the particular-case label Label11.
    virtual void imposta_caso_particolare(const std::string& didascalia) = 0;
};

/// The window a load is for: the time whose file it shows, where it keeps
/// that file's name and whether it shows a valid ionogram, how it reads the
/// file, its ionogram in memory and its view. One loading routine serves the
/// main and the companion window through this.
struct finestra_caricamento {
    bool principale; ///< the main window: short headers are accepted too
    std::int16_t ora;
    std::int16_t minuti;
    std::string& nome_file;
    bool& presente;
    dati_ionogramma& dati;
    vista_ionogramma& vista;
    vista_caso_particolare* caso = nullptr; ///< the main window's only
};

/// The main window: the session's current time, nome_file_ionogramma,
/// ionogramma_presente. Its loads also keep the particular-case code, the
/// particular-case menu and Label11.
finestra_caricamento finestra_principale(stato_programma& stato, dati_ionogramma& dati,
                                         vista_ionogramma& vista, vista_caso_particolare& caso);
/// The companion window: ora_successivo, minuti_successivo,
/// nome_file_successivo, successivo_presente. It never touches the main
/// window's state.
finestra_caricamento finestra_compagna(stato_programma& stato, dati_ionogramma& dati,
                                       vista_ionogramma& vista);

/// Step 1 of the sequence below for any window, with the status line: the
/// window's file read and drawn, or its no-ionogram state (missing, rejected
/// or unreadable file, the file never changed). The companion window's whole
/// load.
void caricamento_file_ionogramma(stato_programma& stato, const finestra_caricamento& finestra);

/// The loading sequence of the main window for (ora_corrente, minuti_correnti):
/// the window's load runs it, and so does every move to another sounding.
///
/// 1. Builds the file name and the date text, reads an accepted file into
///    `dati` and draws it. A missing, rejected or unreadable file (damaged
///    header, no permission, a folder of that name) sets the no-ionogram
///    state instead, with the reason in the status line; the file is never
///    changed.
/// 2. Fills the value and letter boxes from the sounding's results record and
///    the previous-ionogram boxes from the record before it (empty for the
///    first sounding), and sets `record_caricato`. When the results file
///    cannot be read, every box is emptied, `record_caricato` is false and the
///    operator is told once through `messaggi`.
void caricamento_ionogramma(stato_programma& stato, dati_ionogramma& dati, vista_ionogramma& vista,
                            vista_caso_particolare& caso, caselle_testo& caselle,
                            messaggi& messaggi);

/// Saving of the ionogram being left: its record, then the particular-case
/// code into its file header (when a valid ionogram is shown). When the
/// sounding's record was not read at load (`record_caricato` false) nothing
/// is written, neither record nor code, and it returns false: the boxes never
/// showed what the file holds. Returns true once both are written. Throws
/// errore_file_risultati or errore_lettura; nothing in the boxes changes.
bool salvataggio_ionogramma(const stato_programma& stato, const caselle_testo& caselle);

/// The two halves of the saving, for the moves, which step the time between
/// them: the record of the boxes as record numero_ionogramma (false when it
/// must not be written; throws errore_file_risultati) ...
bool salvataggio_record(const stato_programma& stato, const caselle_testo& caselle);
/// ... and the particular-case code into the file nome_file_ionogramma names,
/// under the same conditions (throws errore_lettura).
void salvataggio_codice(const stato_programma& stato);

} // namespace velaris
