#include "caselle_qt.h"

#include "windows/testo_qt.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace velaris {

casella::casella(const QString& nome, int limite_battitura, QWidget* parent)
    : QLineEdit(parent), m_limite(limite_battitura) {
    setObjectName(nome);
}

void casella::keyPressEvent(QKeyEvent* evento) {
    if (!isReadOnly()) {
        const int spazio = m_limite - (static_cast<int>(text().size()) -
                                       static_cast<int>(selectedText().size()));
        if (evento->matches(QKeySequence::Paste)) {
            const QString incollato = QApplication::clipboard()->text().left(std::max(spazio, 0));
            if (!incollato.isEmpty()) insert(incollato);
            return;
        }
        const QString t = evento->text();
        const bool carattere = !t.isEmpty() && t.at(0).isPrint();
        if (carattere && spazio <= 0) return; // the box is full: the key is swallowed
    }
    QLineEdit::keyPressEvent(evento);
}

QLineEdit* caselle_qt::casella_per_nome(std::string_view nome) const {
    const auto trovata = m_cache.find(nome);
    if (trovata != m_cache.end()) return trovata->second;
    auto* c = m_radice->findChild<QLineEdit*>(testo_qt(nome));
    m_cache.emplace(std::string(nome), c);
    return c;
}

std::string caselle_qt::testo(std::string_view nome) const {
    const QLineEdit* c = casella_per_nome(nome);
    return c ? testo_std(c->text()) : std::string();
}

void caselle_qt::imposta_testo(std::string_view nome, std::string_view testo) {
    QLineEdit* c = casella_per_nome(nome);
    if (c == nullptr) return;
    // Loading a sounding rewrites all the boxes, most of them with what they
    // already hold: an unchanged box is left alone.
    const QString nuovo = testo_qt(testo);
    if (c->text() != nuovo) c->setText(nuovo);
}

} // namespace velaris
