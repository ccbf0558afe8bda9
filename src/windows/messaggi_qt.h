#pragma once
// The message-box port implemented with real modal QMessageBox dialogs, so
// that screen readers read the same title and text the operator sees.

#include "base/porte.h"

class QWidget;

namespace velaris {

class messaggi_qt : public messaggi {
public:
    /// `genitore` owns the boxes; without one they belong to the active window.
    explicit messaggi_qt(QWidget* genitore = nullptr) : m_genitore(genitore) {}

    void avviso(std::string_view titolo, std::string_view testo,
                icona_messaggio icona = icona_messaggio::nessuna) override;
    bool domanda(std::string_view titolo, std::string_view testo) override;
    void segnale_acustico() override;

private:
    QWidget* genitore() const;

    QWidget* m_genitore;
};

} // namespace velaris
