// Form_KeyDown: the main window sees every key pressed in it before the
// control that has the focus. An application-wide event filter hands each
// key press to Form_KeyDown once, on its way to the focused control, and
// always lets it go on: the control's own filter decides about it afterwards.

#include "windows/immagine.h"

#include "scaling/comandi_tastiera.h"
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
        m_finestra->Form_KeyDown(
            tasto_della_tabella(tasto->key(), tasto->nativeScanCode(), tasto->nativeVirtualKey(),
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

} // namespace

void immagine::installa_anteprima_tasti() {
    qApp->installEventFilter(new anteprima_tasti(this));
}

void immagine::Form_KeyDown(int tasto, Qt::KeyboardModifiers modificatori) {
    // Digits count only on the main keyboard, never on the numeric keypad;
    // the arrows count on both.
    const bool tastierino = modificatori.testFlag(Qt::KeypadModifier);
    const int decimo = solo_ctrl(modificatori) ? 20 : 1;
    switch (tasto) {
    case Qt::Key_Up:
        tasto_muf(-decimo);
        break;
    case Qt::Key_Down:
        tasto_muf(+decimo);
        break;
    case Qt::Key_3:
        if (!tastierino) tasto_muf(-decimo);
        break;
    case Qt::Key_4:
        if (!tastierino) tasto_muf(+decimo);
        break;
    case Qt::Key_1:
        if (!tastierino) tasto_muf(-20);
        break;
    case Qt::Key_2:
        if (!tastierino) tasto_muf(+20);
        break;
    case Qt::Key_F12:
    case Qt::Key_Control:
        cancellazione_grandezza(m_grandezza_corrente, m_caselle);
        break;
    case Qt::Key_F1:
        seleziona(grandezza_successiva(m_grandezza_corrente, m_caselle, m_giorno_notte));
        break;
    case Qt::Key_F2:
        seleziona(grandezza_precedente(m_grandezza_corrente));
        break;
    case Qt::Key_Space:
        seleziona(grandezza_dopo_spazio(m_grandezza_corrente));
        break;
    case Qt::Key_F3:
        successivo_Click();
        break;
    case Qt::Key_F4:
        prima_Click();
        break;
    case Qt::Key_Backslash: // the key where a US keyboard has it: no F1 layer
        nessuno_strato_f1(m_caselle);
        seleziona("foF2");
        break;
    case Qt::Key_Escape:
        salva_e_torna_all_entrata();
        break;
    default:
        // F5 to F9 reach the window's own filter once no box has taken them
        // (filtro_caselle), whether or not their menu items are enabled.
        break;
    }
}

} // namespace velaris
