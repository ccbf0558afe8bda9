#pragma once
// The main window's handlers of the letter boxes and the Es types box, as
// one event filter: typed characters go through the session's key filter
// before the box sees them, a click selects the box's characteristic, and
// leaving a box is the session's command (an M(3000) source box derives the
// M(3000) letters). Installed on the window itself it also catches the
// particular-case function keys that no box has taken.

#include <QObject>

#include <string_view>

class QKeyEvent;
class QLineEdit;

namespace velaris {

class caselle_qt;
class immagine;

class filtro_caselle : public QObject {
public:
    /// `caselle` are the window's boxes; both must outlive the filter.
    filtro_caselle(immagine& finestra, const caselle_qt& caselle);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    bool tasto(QLineEdit* casella, QKeyEvent* evento);

    immagine& m_finestra;
    const caselle_qt& m_caselle;
    bool m_inoltro = false; // a filtered key is being passed on to its box
};

/// The character a key press types, as the key filters see it: Backspace is
/// 8; keys that type nothing into a box (arrows, function keys, Delete, Tab,
/// Return, Esc) give -1 and are left to the box and the window.
int carattere_digitato(const QKeyEvent& evento);

/// The virtual-key code of the keys the Es types box swallows on key down
/// (Left 37, Up 38, Right 39, Down 40, Delete 46); 0 for any other key.
int codice_virtuale(int tasto_qt);

/// The key of the main window's key table that a key press is. The digits
/// 1 to 4 of the top row and the key that carries the backslash on a US
/// keyboard are found by their place on the keyboard (the scan code the
/// window system reports on `piattaforma`), whatever the layout types there:
/// AZERTY's top row types &é"' and Shift gives !@#$ on a US keyboard. Any
/// other key, and every key of a platform that reports no scan code, is
/// `tasto` itself.
int tasto_della_tabella(int tasto, unsigned codice_scansione, unsigned codice_virtuale_nativo,
                        std::string_view piattaforma);

} // namespace velaris
