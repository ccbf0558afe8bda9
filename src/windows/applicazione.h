#pragma once
// Which window is open when: the start window first, the main window once a
// session starts (its load closes the start window). The program state and the
// message port live here for the whole run.

#include "session/stato_programma.h"

#include <QObject>
#include <QPointer>

namespace velaris {

class entrata;
class immagine;
class messaggi;

class applicazione : public QObject {
    Q_OBJECT
public:
    /// `messaggi` must outlive the object.
    explicit applicazione(messaggi& messaggi, QObject* parent = nullptr);

    /// Opens (and loads) the start window. An open main window is closed
    /// first, through its closing steps; when it refuses, the start window
    /// does not open and the main window stays as it was.
    void apri_entrata();

    /// The open start window, or nullptr.
    entrata* finestra_entrata() const;
    /// The open main window, or nullptr.
    immagine* finestra_principale() const;
    stato_programma& stato() { return m_stato; }

private:
    void apri_principale();

    messaggi& m_messaggi;
    stato_programma m_stato;
    QPointer<entrata> m_entrata;
    QPointer<immagine> m_principale;
};

} // namespace velaris
