#include "etichetta_cliccabile.h"

#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>

namespace velaris {

namespace {

class accessibile_cliccabile : public QAccessibleWidget {
public:
    explicit accessibile_cliccabile(etichetta_cliccabile* etichetta)
        : QAccessibleWidget(etichetta, QAccessible::StaticText) {}

    QStringList actionNames() const override {
        QStringList azioni = QAccessibleWidget::actionNames();
        if (etichetta()->ha_azione()) azioni.prepend(pressAction());
        return azioni;
    }

    void doAction(const QString& azione) override {
        if (azione == pressAction() && etichetta()->ha_azione())
            etichetta()->premi();
        else
            QAccessibleWidget::doAction(azione);
    }

private:
    etichetta_cliccabile* etichetta() const { return static_cast<etichetta_cliccabile*>(widget()); }
};

QAccessibleInterface* fabbrica_accessibile(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String(etichetta_cliccabile::staticMetaObject.className()) &&
        oggetto != nullptr && oggetto->isWidgetType())
        return new accessibile_cliccabile(static_cast<etichetta_cliccabile*>(oggetto));
    return nullptr;
}

} // namespace

etichetta_cliccabile::etichetta_cliccabile(const QString& nome, const QString& didascalia,
                                           QWidget* parent)
    : QLabel(didascalia, parent) {
    static const bool fabbrica_installata =
        (QAccessible::installFactory(fabbrica_accessibile), true);
    (void)fabbrica_installata;
    setObjectName(nome);
    setAccessibleName(didascalia);
}

bool etichetta_cliccabile::ha_azione() const {
    return isSignalConnected(QMetaMethod::fromSignal(&etichetta_cliccabile::cliccata));
}

void etichetta_cliccabile::premi() { emit cliccata(); }

void etichetta_cliccabile::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) emit cliccata();
}

} // namespace velaris
