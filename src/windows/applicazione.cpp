#include "applicazione.h"

#include "windows/entrata.h"
#include "windows/immagine.h"
#include "windows/panoramica_giorno.h"

#include <QCoreApplication>

namespace velaris {

applicazione::applicazione(messaggi& messaggi, controllo_schermo_t controllo, QObject* parent)
    : QObject(parent), m_messaggi(messaggi),
      m_controllo_schermo(controllo ? std::move(controllo) : controllo_schermo) {}

applicazione::~applicazione() {
    // The main window takes its companion and its day overview with it.
    delete m_principale;
    delete m_entrata;
}

entrata* applicazione::finestra_entrata() const { return m_entrata; }

immagine* applicazione::finestra_principale() const { return m_principale; }

bool applicazione::apri_entrata() {
    if (!m_controllo_schermo(m_messaggi)) return false;
    // The start window's load closes the main window through its closing
    // steps (which close the companion). A main window that refuses keeps the
    // day: the start window does not open beside it, so that two windows can
    // never save into the same day.
    if (m_principale && !m_principale->close()) {
        m_principale->activateWindow();
        return true;
    }
    m_entrata = new entrata(m_stato, m_messaggi);
    m_entrata->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_entrata, &entrata::sessioneAvviata, this, &applicazione::apri_principale);
    m_entrata->show();
    return true;
}

void applicazione::torna_all_entrata() {
    if (!apri_entrata()) QCoreApplication::quit();
}

void applicazione::apri_principale() {
    m_principale = new immagine(m_stato, m_messaggi);
    m_principale->setAttribute(Qt::WA_DeleteOnClose);
    collega_panoramica_giorno(*m_principale, m_stato);
    connect(m_principale, &immagine::tornaAllEntrata, this, &applicazione::torna_all_entrata);
    // The main window's load closes the start window.
    if (m_entrata) m_entrata->close();
    m_principale->show();
    m_principale->caricamento_ionogramma();
}

} // namespace velaris
