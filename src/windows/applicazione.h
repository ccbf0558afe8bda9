#pragma once
// Which window is open when: the start window first, the main window once a
// session starts (its load closes the start window). The program state and the
// message port live here for the whole run.

#include "session/stato_programma.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace velaris {

class entrata;
class immagine;
class messaggi;

class applicazione : public QObject {
    Q_OBJECT
public:
    /// The screen check the start window's load begins with: true when the
    /// screen is wide enough, otherwise the operator has been told.
    using controllo_schermo_t = std::function<bool(messaggi&)>;

    /// `messaggi` must outlive the object. `controllo` is the program's own
    /// screen check unless a test lends a screen of its own.
    explicit applicazione(messaggi& messaggi, controllo_schermo_t controllo = {},
                          QObject* parent = nullptr);
    /// The windows it opened go with it, whatever state they are in.
    ~applicazione() override;

    /// Opens (and loads) the start window. Its load first checks the screen:
    /// on one too narrow it says so and returns false, and the program is
    /// to end without another window or any file touched. An open main
    /// window is then closed through its closing steps; when it refuses, the
    /// start window does not open and the main window stays as it was.
    bool apri_entrata();

    /// The open start window, or nullptr.
    entrata* finestra_entrata() const;
    /// The open main window, or nullptr.
    immagine* finestra_principale() const;
    stato_programma& stato() { return m_stato; }

private:
    void apri_principale();
    /// Esc in the main window: the start window again, or the end of the
    /// program when the screen has become too narrow.
    void torna_all_entrata();

    messaggi& m_messaggi;
    controllo_schermo_t m_controllo_schermo;
    stato_programma m_stato;
    QPointer<entrata> m_entrata;
    QPointer<immagine> m_principale;
};

} // namespace velaris
