#include "caselle_qt.h"

#include "windows/testo_qt.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace velaris {

casella::casella(const QString& nome, int limite_battitura, QWidget* parent)
    : QLineEdit(parent), m_limite(limite_battitura) {
    setObjectName(nome);
    setAcceptDrops(false);
}

void casella::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Paste)) return;
    if (!isReadOnly()) {
        const int spazio =
            m_limite - (static_cast<int>(text().size()) - static_cast<int>(selectedText().size()));
        const QString t = evento->text();
        const bool carattere = !t.isEmpty() && t.at(0).isPrint();
        if (carattere && spazio <= 0) return; // the box is full: the key is swallowed
    }
    QLineEdit::keyPressEvent(evento);
}

void casella::mouseReleaseEvent(QMouseEvent* evento) {
    // The middle button pastes the selection on X11.
    if (evento->button() == Qt::MiddleButton) return;
    QLineEdit::mouseReleaseEvent(evento);
}

QMenu* casella::menu_contestuale() {
    QMenu* menu = createStandardContextMenu();
    // Known by its caption, in whatever language the toolkit speaks.
    const QString incolla = QLineEdit::tr("&Paste");
    for (QAction* azione : menu->actions())
        if (azione->text().startsWith(incolla)) menu->removeAction(azione);
    return menu;
}

void casella::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu* menu = menu_contestuale();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(evento->globalPos());
}

QLineEdit* caselle_qt::casella_per_nome(std::string_view nome) const {
    const auto trovata = m_cache.find(nome);
    if (trovata != m_cache.end()) return trovata->second;
    auto* c = m_radice->findChild<QLineEdit*>(testo_qt(nome));
    m_cache.emplace(std::string(nome), c);
    return c;
}

QLineEdit* caselle_qt::casella_esistente(std::string_view nome) const {
    QLineEdit* c = casella_per_nome(nome);
    // The logic names the boxes by constants: a name without a box is a bug
    // that must show at once, not a value silently lost.
    if (c == nullptr) qFatal("caselle_qt: no box named \"%s\"", std::string(nome).c_str());
    return c;
}

std::string caselle_qt::testo(std::string_view nome) const {
    return testo_std(casella_esistente(nome)->text());
}

void caselle_qt::imposta_testo(std::string_view nome, std::string_view testo) {
    QLineEdit* c = casella_esistente(nome);
    // Loading a sounding rewrites all the boxes, most of them with what they
    // already hold: an unchanged box is left alone.
    const QString nuovo = testo_qt(testo);
    if (c->text() != nuovo) c->setText(nuovo);
}

} // namespace velaris
