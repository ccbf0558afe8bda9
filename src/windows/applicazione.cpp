#include "applicazione.h"

#include "windows/entrata.h"
#include "windows/immagine.h"
#include "windows/panoramica_giorno.h"

namespace velaris {

applicazione::applicazione(messaggi& messaggi, QObject* parent)
    : QObject(parent), m_messaggi(messaggi) {}

entrata* applicazione::finestra_entrata() const { return m_entrata; }

immagine* applicazione::finestra_principale() const { return m_principale; }

void applicazione::apri_entrata() {
    // The start window's load closes the main window through its closing
    // steps (which close the companion). A main window that refuses keeps the
    // day: the start window does not open beside it, so that two windows can
    // never save into the same day.
    if (m_principale && !m_principale->close()) {
        m_principale->activateWindow();
        return;
    }
    m_entrata = new entrata(m_stato, m_messaggi);
    m_entrata->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_entrata, &entrata::sessioneAvviata, this, &applicazione::apri_principale);
    m_entrata->show();
}

void applicazione::apri_principale() {
    m_principale = new immagine(m_stato, m_messaggi);
    m_principale->setAttribute(Qt::WA_DeleteOnClose);
    collega_panoramica_giorno(*m_principale, m_stato);
    connect(m_principale, &immagine::tornaAllEntrata, this, &applicazione::apri_entrata);
    // The main window's load closes the start window.
    if (m_entrata) m_entrata->close();
    m_principale->show();
    m_principale->caricamento_ionogramma();
}

} // namespace velaris
