#pragma once
// The two ports through which the logic libraries reach the operator without
// knowing about widgets. The windows implement them with QLineEdit and
// QMessageBox; the tests with in-memory fakes that record what was asked.

#include <string>
#include <string_view>

namespace velaris {

/// The value and letter boxes of a window, addressed by their control names
/// ("Text13", "lettera_descrittiva_fof2"; the logic names them by the
/// constants of scaling/tabella_grandezze.h). The boxes are the one store of
/// the scaled values while an ionogram is shown, so the logic reads and writes
/// them here instead of keeping copies. Texts are single-byte (Latin-1).
///
/// A name that is no box of the window is a programming error, never a quiet
/// no-op: the implementations stop at once (the window's aborts, the tests'
/// fakes throw).
class caselle_testo {
public:
    virtual ~caselle_testo() = default;
    /// Text of the named box.
    virtual std::string testo(std::string_view nome) const = 0;
    /// Replaces the text of the named box. A program write is never cut to
    /// the box's typing limit.
    virtual void imposta_testo(std::string_view nome, std::string_view testo) = 0;
};

/// Icon of an OK message box.
enum class icona_messaggio { nessuna, informazione };

/// Modal message boxes and the warning beep.
class messaggi {
public:
    virtual ~messaggi() = default;
    /// A box with an OK button; returns when the operator closes it.
    virtual void avviso(std::string_view titolo, std::string_view testo,
                        icona_messaggio icona = icona_messaggio::nessuna) = 0;
    /// A Yes/No box; true when the operator answers Yes.
    virtual bool domanda(std::string_view titolo, std::string_view testo) = 0;
    /// The platform's warning beep.
    virtual void segnale_acustico() = 0;
};

} // namespace velaris
