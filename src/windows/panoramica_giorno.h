#pragma once
// The day overview window: the picture of the day's results drawn by the
// display library, redrawn from the results file whenever the main window
// has saved a record (and whenever the file changes, whichever code path
// wrote it), and a click on a time asking the main window to go to that
// sounding.

#include "display/panoramica_giorno.h"
#include "session/stato_programma.h"

#include <QFileSystemWatcher>
#include <QImage>
#include <QWidget>

#include <optional>

namespace velaris {

class immagine;

class panoramica_giorno : public QWidget {
    Q_OBJECT
public:
    /// `stato` must outlive the window; it gives the results file and the
    /// sounding being scaled.
    explicit panoramica_giorno(const stato_programma& stato, QWidget* parent = nullptr);

    const QImage& immagine_panoramica() const { return m_immagine; }

    /// Reads the results file again and redraws.
    void aggiorna();

signals:
    /// The operator clicked the time of sounding `numero` (1-based).
    void ionogrammaRichiesto(int numero);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    const stato_programma& m_stato;
    QFileSystemWatcher m_osservatore; ///< the results file, whoever writes it
    QImage m_immagine;
    int m_record = 0; ///< soundings of the day shown; 0 when none could be read
};

/// Gives the main window its day overview: "Day overview" in its View menu
/// opens (or raises) one overview window, a child of the main window that
/// closes with it; each saved record redraws it once the main window's
/// operation has ended (so the mark follows a move), and its clicks become the
/// main window's spostamentoRichiesto.
void collega_panoramica_giorno(immagine& principale, const stato_programma& stato);

} // namespace velaris
