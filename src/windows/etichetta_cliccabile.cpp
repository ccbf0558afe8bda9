#include "etichetta_cliccabile.h"

#include <QMouseEvent>

namespace velaris {

etichetta_cliccabile::etichetta_cliccabile(const QString& nome, const QString& didascalia,
                                           QWidget* parent)
    : QLabel(didascalia, parent) {
    setObjectName(nome);
    setAccessibleName(didascalia);
}

void etichetta_cliccabile::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) emit cliccata();
}

} // namespace velaris
