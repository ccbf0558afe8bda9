#include "testo_qt.h"

#include <QLocale>
#include <QScreen>
#include <QWidget>

namespace velaris {

char separatore_decimale_sistema() {
    const QString punto = QLocale().decimalPoint();
    return punto.isEmpty() ? '.' : punto.at(0).toLatin1();
}

void centra_sullo_schermo(QWidget* finestra) {
    const QScreen* schermo = finestra->screen();
    if (schermo == nullptr) return;
    const QRect area = schermo->availableGeometry();
    const QRect cornice = finestra->frameGeometry();
    finestra->move(area.x() + (area.width() - cornice.width()) / 2,
                   area.y() + (area.height() - cornice.height()) / 2);
}

} // namespace velaris
