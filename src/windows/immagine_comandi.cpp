// The main window's keys that are not MUF moves: the characteristic keys
// (F1, F2, F12, Ctrl, Space, the backslash key), the moves (F3, F4), the
// particular cases (F5-F9) and Esc. Form_KeyDown hands every key here first;
// nothing is swallowed, the focused box still gets the key afterwards.

#include "immagine.h"

#include "scaling/comandi_tastiera.h"

namespace velaris {

void immagine::comandi_tastiera(int tasto, Qt::KeyboardModifiers /*modificatori*/) {
    switch (tasto) {
    case Qt::Key_F1: {
        const std::string_view dopo =
            grandezza_successiva(m_grandezza_corrente, m_caselle, m_giorno_notte);
        if (!dopo.empty()) seleziona(dopo);
        break;
    }
    case Qt::Key_F2: {
        const std::string_view prima = grandezza_precedente(m_grandezza_corrente);
        if (!prima.empty()) seleziona(prima);
        break;
    }
    case Qt::Key_F12:
    case Qt::Key_Control:
        cancellazione_grandezza(m_grandezza_corrente, m_caselle);
        break;
    case Qt::Key_Space: {
        const std::string_view dopo = grandezza_dopo_spazio(m_grandezza_corrente);
        if (!dopo.empty()) seleziona(dopo);
        break;
    }
    case Qt::Key_Backslash:
        // The key that stands where a US keyboard has the backslash.
        nessuno_strato_f1(m_caselle);
        seleziona("foF2");
        break;
    case Qt::Key_F3:
        successivo_Click();
        break;
    case Qt::Key_F4:
        prima_Click();
        break;
    case Qt::Key_Escape:
        salva_e_torna_all_entrata();
        break;
    default:
        break;
    }
}

} // namespace velaris
