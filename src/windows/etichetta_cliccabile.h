#pragma once
// A label that acts as a button: the characteristic names and the move labels.

#include <QLabel>

namespace velaris {

class etichetta_cliccabile : public QLabel {
    Q_OBJECT
public:
    /// `nome` is the control name, `didascalia` the caption, which is also its
    /// name for screen readers.
    etichetta_cliccabile(const QString& nome, const QString& didascalia, QWidget* parent);

signals:
    void cliccata();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
};

} // namespace velaris
