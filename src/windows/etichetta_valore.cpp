#include "etichetta_valore.h"

#include <QLabel>

namespace velaris {

QLabel* crea_etichetta_valore(const QString& nome, const QString& ruolo, QWidget* parent) {
    auto* etichetta = new QLabel(parent);
    etichetta->setObjectName(nome);
    etichetta->setAccessibleDescription(ruolo);
    return etichetta;
}

void mostra_valore(QLabel* etichetta, const QString& testo) {
    etichetta->setText(testo);
    // Set even when empty: an empty value must not leave the old one audible.
    etichetta->setAccessibleName(testo);
}

} // namespace velaris
