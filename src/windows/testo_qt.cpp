#include "testo_qt.h"

#include <QLocale>
#include <QScreen>
#include <QWidget>

namespace velaris {

QString testo_qt(std::string_view testo) {
    return QString::fromLatin1(testo.data(), static_cast<qsizetype>(testo.size()));
}

std::string testo_std(const QString& testo) { return testo.toLatin1().toStdString(); }

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
