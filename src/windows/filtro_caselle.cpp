#include "filtro_caselle.h"

#include "rules/lettere.h"
#include "rules/tipi_es.h"
#include "scaling/tabella_grandezze.h"
#include "windows/caselle_qt.h"
#include "windows/immagine.h"
#include "windows/testo_qt.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace velaris {

filtro_caselle::filtro_caselle(immagine& finestra, const caselle_qt& caselle)
    : QObject(&finestra), m_finestra(finestra), m_caselle(caselle) {}

int carattere_digitato(const QKeyEvent& evento) {
    switch (evento.key()) {
    case Qt::Key_Backspace:
        return tasto_backspace;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return -1;
    default:
        break;
    }
    const QString testo = evento.text();
    if (testo.isEmpty()) return -1;
    return testo.at(0).unicode();
}

int codice_virtuale(int tasto_qt) {
    switch (tasto_qt) {
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int tasto_della_tabella(int tasto, unsigned codice_scansione, unsigned codice_virtuale_nativo,
                        std::string_view piattaforma) {
    // Where each platform reports the place of a key: Windows its set-1 scan
    // code, macOS its virtual key code, Linux (X11, Wayland and the rest) the
    // XKB key code, evdev's code plus 8.
    struct posti {
        unsigned cifre[4];
        unsigned backslash;
    };
    const bool windows = piattaforma == "windows";
    const bool mac = piattaforma == "cocoa";
    const posti p = windows ? posti{{0x02, 0x03, 0x04, 0x05}, 0x2B}
                    : mac   ? posti{{0x12, 0x13, 0x14, 0x15}, 0x2A}
                            : posti{{10, 11, 12, 13}, 51};
    const unsigned posto = mac ? codice_virtuale_nativo : codice_scansione;
    if (posto == 0) return tasto;
    for (int i = 0; i < 4; ++i)
        if (posto == p.cifre[i]) return Qt::Key_1 + i;
    if (posto == p.backslash) return Qt::Key_Backslash;
    // A digit or a backslash typed by another key (the keypad, another
    // layout's place for it) is not one of the table's keys.
    const bool del_posto = (tasto >= Qt::Key_1 && tasto <= Qt::Key_4) || tasto == Qt::Key_Backslash;
    return del_posto ? Qt::Key_unknown : tasto;
}

bool filtro_caselle::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == &m_finestra) {
        // Function keys no box has taken reach the window.
        return evento->type() == QEvent::KeyPress &&
               m_finestra.tasto_caso_particolare(static_cast<QKeyEvent*>(evento)->key());
    }
    auto* casella = qobject_cast<QLineEdit*>(oggetto);
    if (casella == nullptr) return false;
    switch (evento->type()) {
    case QEvent::KeyPress:
        return tasto(casella, static_cast<QKeyEvent*>(evento));
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        if (mouse->button() == Qt::LeftButton &&
            casella->rect().contains(mouse->position().toPoint()))
            m_finestra.applica(
                m_finestra.sessione().clic_in_casella(testo_std(casella->objectName())));
        return false;
    }
    case QEvent::FocusOut: {
        // Opening a menu, a message box or another window is not leaving the box.
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason &&
            motivo != Qt::MenuBarFocusReason)
            m_finestra.applica(
                m_finestra.sessione().lascia_casella(testo_std(casella->objectName())));
        return false;
    }
    default:
        return false;
    }
}

bool filtro_caselle::tasto(QLineEdit* casella, QKeyEvent* evento) {
    if (m_inoltro) return false;
    const std::string nome = testo_std(casella->objectName());
    const bool tipi_es = nome == caselle_tipi_es.valore;
    if (tipi_es && tasto_giu_tipi_es_ingoiato(codice_virtuale(evento->key()))) return true;

    const int carattere = carattere_digitato(*evento);
    if (carattere < 0) return false;
    const esito_tasto esito =
        m_finestra.sessione().carattere_in_casella(nome, testo_std(casella->text()), carattere);
    if (esito.carattere == 0) return true;
    if (esito.carattere == carattere && esito.fuoco.empty()) return false;

    // The box takes the (upper-cased) character under its own typing limit;
    // then the focus moves on.
    QKeyEvent inoltrato(QEvent::KeyPress, evento->key(), evento->modifiers(),
                        QString(QChar(esito.carattere)), evento->isAutoRepeat(),
                        static_cast<quint16>(evento->count()));
    m_inoltro = true;
    QCoreApplication::sendEvent(casella, &inoltrato);
    m_inoltro = false;
    if (!esito.fuoco.empty())
        if (QLineEdit* fuoco = m_caselle.casella_per_nome(esito.fuoco))
            fuoco->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace velaris
