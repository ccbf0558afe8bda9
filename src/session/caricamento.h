#pragma once
// Loading the ionogram of the session's current time into the main window,
// and the day's results for it.

#include "base/porte.h"
#include "ionogram/dati_ionogramma.h"
#include "session/stato_programma.h"

#include <string>

namespace velaris {

/// What the loading sequence needs of the main window: its plot, title,
/// menu and captions. The window implements it; tests fake it.
class vista_ionogramma {
public:
    virtual ~vista_ionogramma() = default;
    /// Rescales the just-read amplitudes to grey levels, sets up the window
    /// and draws frame, grid, labels and the echoes.
    virtual void mostra_ionogramma(dati_ionogramma& dati) = 0;
    /// Sets up the window and draws the empty plot.
    virtual void mostra_grafico_vuoto() = 0;
    virtual void imposta_titolo(const std::string& titolo) = 0;
    /// true: all seven particular-case entries enabled; false: only "no ionogram".
    virtual void abilita_casi_particolari(bool tutti) = 0;
    /// Caption of the particular-case label Label11.
    virtual void imposta_caso_particolare(const std::string& didascalia) = 0;
    /// One line telling the operator about the file: empty for a good one,
    /// otherwise why there is no ionogram to scale.
    virtual void imposta_stato_file(const std::string& testo) = 0;
    /// The system's decimal separator, for the frequency step in the title.
    virtual char separatore_decimale() const = 0;
};

/// Reads and shows the ionogram file of (ora_corrente, minuti_correnti):
/// builds its name and the date text, reads an accepted file into `dati` and
/// draws it, or sets the no-ionogram state for a missing or rejected file (a
/// rejected file is left untouched). Returns false when the file could not be
/// read for another reason (damaged header, unreadable): the window then
/// keeps its boxes as they are, and the reason is in the status line.
bool caricamento_file_ionogramma(stato_programma& stato, dati_ionogramma& dati,
                                 vista_ionogramma& vista);

/// Fills the value and letter boxes from the current record of the results
/// file and the previous-ionogram boxes from the record before it (empty
/// for the first sounding). Throws errore_file_risultati when the file
/// cannot be read.
void caricamento_risultati(stato_programma& stato, caselle_testo& caselle);

/// Saving of the ionogram being left: its record, then the particular-case
/// code into its file header (when a valid ionogram is shown). Throws
/// errore_file_risultati or errore_lettura; nothing in the boxes changes.
void salvataggio_ionogramma(const stato_programma& stato, const caselle_testo& caselle);

} // namespace velaris
