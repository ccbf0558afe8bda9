#pragma once
// The boxes of a window as the logic sees them: QLineEdit children found by
// their object names. Texts cross the boundary as Latin-1, the single-byte
// character set of the results file.

#include "base/porte.h"

#include <QLineEdit>
#include <QWidget>

class QMenu;

#include <map>
#include <string>

namespace velaris {

/// A text box whose typing limit does not cut what the program writes into it
/// (QLineEdit's own maxLength would truncate setText too).
///
/// The operator's text reaches it only by typing: the letter and Es types
/// filters judge one typed character at a time, so pasting (Ctrl+V,
/// Shift+Insert, the context menu, the middle button) and dropping text are
/// refused; they would put digits into a letter box or a ten-character text
/// into a one-character field of the results record.
class casella : public QLineEdit {
    Q_OBJECT
public:
    casella(const QString& nome, int limite_battitura, QWidget* parent);
    int limite_battitura() const { return m_limite; }

    /// The box's context menu: the standard one without "Paste".
    QMenu* menu_contestuale();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    int m_limite;
};

class caselle_qt : public caselle_testo {
public:
    /// Finds the boxes among the children of `radice` (by object name).
    explicit caselle_qt(QWidget* radice) : m_radice(radice) {}
    std::string testo(std::string_view nome) const override;
    void imposta_testo(std::string_view nome, std::string_view testo) override;
    QLineEdit* casella_per_nome(std::string_view nome) const;

private:
    QLineEdit* casella_esistente(std::string_view nome) const;

    QWidget* m_radice;
    mutable std::map<std::string, QLineEdit*, std::less<>> m_cache;
};

} // namespace velaris
