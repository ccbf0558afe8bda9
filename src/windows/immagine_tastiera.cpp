// Form_KeyDown: the main window sees every key pressed in it before the
// control that has the focus. An application-wide event filter hands each
// key press to Form_KeyDown once, on its way to the focused control, and
// always lets it go on: the control's own filter decides about it afterwards.

#include "windows/immagine.h"

#include "windows/filtro_caselle.h"

#include <QApplication>
#include <QKeyEvent>

namespace velaris {

namespace {

class anteprima_tasti : public QObject {
public:
    explicit anteprima_tasti(immagine* finestra) : QObject(finestra), m_finestra(finestra) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress || !oggetto->isWidgetType()) return false;
        // A key the focused control does not take travels on to its parents;
        // only its first stop, where Qt delivers it, counts.
        QWidget* destinatario = m_finestra->focusWidget();
        if (destinatario == nullptr) destinatario = m_finestra;
        if (oggetto != destinatario || destinatario->window() != m_finestra) return false;
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        // Enter accepts a proposal once per press: held down, it would
        // accept it again, and ask again whatever the click asked.
        const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
        if (invio && tasto->isAutoRepeat()) return false;
        m_finestra->Form_KeyDown(tasto_della_tabella(tasto->key(), tasto->nativeScanCode(),
                                                     tasto->nativeVirtualKey(),
                                                     QGuiApplication::platformName().toStdString()),
                                 tasto->modifiers());
        return false;
    }

private:
    immagine* m_finestra;
};

/// Ctrl held alone (Shift, Alt and Meta released).
bool solo_ctrl(Qt::KeyboardModifiers modificatori) {
    const auto tasti = modificatori & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                       Qt::MetaModifier);
    return tasti == Qt::ControlModifier;
}

/// The key of the session's table that a Qt key is.
tasto_tabella della_tabella(int tasto) {
    switch (tasto) {
    case Qt::Key_Up:
        return tasto_tabella::su;
    case Qt::Key_Down:
        return tasto_tabella::giu;
    case Qt::Key_1:
        return tasto_tabella::uno;
    case Qt::Key_2:
        return tasto_tabella::due;
    case Qt::Key_3:
        return tasto_tabella::tre;
    case Qt::Key_4:
        return tasto_tabella::quattro;
    case Qt::Key_F1:
        return tasto_tabella::f1;
    case Qt::Key_F2:
        return tasto_tabella::f2;
    case Qt::Key_F3:
        return tasto_tabella::f3;
    case Qt::Key_F4:
        return tasto_tabella::f4;
    case Qt::Key_F12:
        return tasto_tabella::f12;
    case Qt::Key_Control:
        return tasto_tabella::ctrl;
    case Qt::Key_Space:
        return tasto_tabella::spazio;
    case Qt::Key_Backslash:
        return tasto_tabella::backslash;
    case Qt::Key_Escape:
        return tasto_tabella::esc;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return tasto_tabella::invio;
    // F5 to F9 reach the window's own filter once no box has taken them
    // (filtro_caselle), whether or not their menu items are enabled.
    default:
        return tasto_tabella::altro;
    }
}

} // namespace

void immagine::installa_anteprima_tasti() { qApp->installEventFilter(new anteprima_tasti(this)); }

void immagine::Form_KeyDown(int tasto, Qt::KeyboardModifiers modificatori) {
    applica(m_sessione.tasto(della_tabella(tasto), solo_ctrl(modificatori),
                             modificatori.testFlag(Qt::KeypadModifier)));
}

} // namespace velaris
