#include "messaggi_qt.h"

#include "windows/testo_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace velaris {

QWidget* messaggi_qt::genitore() const {
    return m_genitore ? m_genitore : QApplication::activeWindow();
}

void messaggi_qt::avviso(std::string_view titolo, std::string_view testo, icona_messaggio icona) {
    const auto icona_qt =
        icona == icona_messaggio::informazione ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icona_qt, testo_qt(titolo), testo_qt(testo), QMessageBox::Ok, genitore());
    box.exec();
}

bool messaggi_qt::domanda(std::string_view titolo, std::string_view testo) {
    QMessageBox box(QMessageBox::NoIcon, testo_qt(titolo), testo_qt(testo),
                    QMessageBox::Yes | QMessageBox::No, genitore());
    return box.exec() == QMessageBox::Yes;
}

void messaggi_qt::segnale_acustico() { QApplication::beep(); }

} // namespace velaris
