#pragma once
// The start window: the operator gives the day, the time of the first
// ionogram and the interval between soundings, and starts the session. It is
// filled from "setting.txt" so that a session resumes where the last one
// stopped, and it knows nothing of the main window: a successful start emits
// sessioneAvviata() and the application opens the main window, whose load
// closes this one.

#include "base/porte.h"
#include "session/stato_programma.h"

#include <QWidget>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace velaris {

/// A screen must be wider than 800 pixels to hold the main window.
bool schermo_sufficiente(int larghezza_pixel);

/// Checks the primary screen before any window opens. When it is too narrow
/// it shows "To use this software the monitor resolution has to be at least
/// 1024 X 768" (information icon, OK) and returns false: the program must then
/// end at once, touching no file.
bool controllo_schermo(messaggi& messaggi);

class entrata : public QWidget {
    Q_OBJECT
public:
    /// Builds and loads the window: reads "setting.txt" in the current
    /// directory (or takes the first-run values when it is missing or short;
    /// nothing is written until a session starts) and centres it on its screen.
    entrata(stato_programma& stato, messaggi& messaggi, QWidget* parent = nullptr);

signals:
    /// The session started: settings and results file are written and the
    /// session record is filled. The main window may open.
    void sessioneAvviata();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void caricamento();
    void Label5_Click();
    void giorno_LostFocus();
    void incremento_Click();
    void riempi_minuti(const QString& incremento);
    void azzera_orario();

    stato_programma& m_stato;
    messaggi& m_messaggi;

    QLineEdit* m_giorno;
    QComboBox* m_hour;
    QComboBox* m_minutes;
    QComboBox* m_incremento;
    QLabel* m_label5;
    // Set once the session has started: the window is closing, and keys or
    // clicks already on their way to it (Enter pressed twice, held down or
    // bouncing, a double click) must not open a second main window.
    bool m_sessione_avviata = false;

    // The settings file as loaded (hour, minutes and interval as the lists
    // show them); kept for the comparisons of the date and interval rules.
    std::string m_data_impostata;
    std::string m_ora_impostata;
    std::string m_minuti_impostati;
    std::string m_incremento_impostato;
    std::string m_numero_impostato;
};

} // namespace velaris
