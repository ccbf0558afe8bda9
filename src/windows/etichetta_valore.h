#pragma once
// Labels that show a value: the cursor read-out, the particular case, the
// file status. Assistive technology reads a label by its accessible name, so
// that name is always the text shown (a fixed name would hide the value);
// what the value is goes into the accessible description.

#include <QString>

class QLabel;
class QWidget;

namespace velaris {

/// An empty value label with control name `nome`, its role (e.g. "Frequency
/// under the pointer") as accessible description.
QLabel* crea_etichetta_valore(const QString& nome, const QString& ruolo, QWidget* parent);

/// Shows `testo` in the label and makes it the label's accessible name.
void mostra_valore(QLabel* etichetta, const QString& testo);

} // namespace velaris
