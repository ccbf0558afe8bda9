#pragma once
// A label that acts as a button: the characteristic names, the move labels and
// the start label.
//
// Assistive technology sees it as a label with the caption as its name and,
// while something listens to the click, a "Press" action that clicks it, so a
// screen-reader user can start the session or select a characteristic too.

#include <QLabel>

namespace velaris {

class etichetta_cliccabile : public QLabel {
    Q_OBJECT
public:
    /// `nome` is the control name, `didascalia` the caption, which is also its
    /// name for screen readers.
    etichetta_cliccabile(const QString& nome, const QString& didascalia, QWidget* parent);

    /// True while the click does something (the derived M(3000) labels have
    /// nothing to do).
    bool ha_azione() const;
    /// What a left click does.
    void premi();

signals:
    void cliccata();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
};

} // namespace velaris
