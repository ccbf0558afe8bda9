#include "panoramica_giorno.h"

#include "results/giornata.h"
#include "windows/immagine.h"
#include "windows/testo_qt.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace velaris {

panoramica_giorno::panoramica_giorno(const stato_programma& stato, QWidget* parent)
    : QWidget(parent, Qt::Window), m_stato(stato) {
    setObjectName("panoramica_giorno");
    setWindowTitle(tr("Day overview"));
    setAccessibleName(tr("Day overview"));
    setAccessibleDescription(tr("The day's scaled values against time; click a time to go to "
                                "that sounding"));
    setFixedSize(geometria_panoramica::larghezza, geometria_panoramica::altezza);
    setCursor(Qt::PointingHandCursor);
    // Queued, so that a move which saves and then loads is drawn with the
    // sounding it arrived at.
    connect(&m_osservatore, &QFileSystemWatcher::fileChanged, this, &panoramica_giorno::aggiorna,
            Qt::QueuedConnection);
    aggiorna();
}

void panoramica_giorno::aggiorna() {
    const QString file = percorso_qt(m_stato.sessione.file_risultati);
    if (!m_osservatore.files().contains(file)) {
        if (!m_osservatore.files().isEmpty()) m_osservatore.removePaths(m_osservatore.files());
        if (QFile::exists(file)) m_osservatore.addPath(file);
    }
    const lettura_giornata letta = leggi_giornata(m_stato.sessione.file_risultati);
    contenuto_panoramica contenuto;
    if (letta.giorno) {
        contenuto.giorno = &*letta.giorno;
        contenuto.corrente = m_stato.sessione.numero_ionogramma;
        m_record = static_cast<int>(letta.giorno->sondaggi.size());
    } else {
        m_record = 0;
    }
    if (!letta.avvisi.empty()) {
        contenuto.avviso = letta.avvisi.front();
        if (letta.avvisi.size() > 1)
            contenuto.avviso += " (and " + std::to_string(letta.avvisi.size() - 1) + " more)";
    }
    m_immagine = disegno_panoramica(contenuto);
    update();
}

void panoramica_giorno::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_immagine);
}

void panoramica_giorno::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    const int y = evento->position().toPoint().y();
    // Only a click within the panels' height, or on the status strip under
    // them, picks a time.
    if (y < geometria_panoramica::riga_alta.front() ||
        y >= geometria_panoramica::riga_striscia + geometria_panoramica::altezza_striscia)
        return;
    if (const auto numero = sondaggio_da_colonna(evento->position().toPoint().x(), m_record))
        emit ionogrammaRichiesto(*numero);
}

void collega_panoramica_giorno(immagine& principale, const stato_programma& stato) {
    QObject::connect(&principale, &immagine::panoramicaGiornoRichiesta, &principale,
                     [&principale, &stato] {
                         auto* finestra = principale.findChild<panoramica_giorno*>();
                         if (finestra == nullptr) {
                             finestra = new panoramica_giorno(stato, &principale);
                             QObject::connect(&principale, &immagine::recordSalvato, finestra,
                                              &panoramica_giorno::aggiorna, Qt::QueuedConnection);
                             QObject::connect(finestra, &panoramica_giorno::ionogrammaRichiesto,
                                              &principale, &immagine::spostamentoRichiesto);
                         } else {
                             finestra->aggiorna();
                         }
                         finestra->show();
                         finestra->raise();
                         finestra->activateWindow();
                     });
}

} // namespace velaris
