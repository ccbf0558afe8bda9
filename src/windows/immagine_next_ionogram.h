#pragma once
// The companion window: the sounding one interval after the main window's,
// shown read-only beside it, with its own "previous" and "next" that step its
// time through the day without touching the main window. It has its own
// ionogram in memory and its own drawing surface, and writes nothing.

#include "base/porte.h"
#include "ionogram/dati_ionogramma.h"
#include "session/compagna.h"
#include "session/stato_programma.h"

#include <QWidget>

namespace velaris {

class pannello_grafico;

class immagine_next_ionogram : public QWidget {
    Q_OBJECT
public:
    immagine_next_ionogram(stato_programma& stato, messaggi& messaggi, QWidget* parent = nullptr);
    ~immagine_next_ionogram() override;

    /// Sets the companion's time for `operazione` and, unless the day ends
    /// there, loads and draws that sounding; `mostra` also brings the window
    /// up, placed against the right edge of the screen when it first opens.
    void esegui(operazione_compagna operazione);

    const QImage& superficie() const;

private:
    void next_new_form_Click() { esegui(operazione_compagna::successivo); }
    void previous_new_form_Click() { esegui(operazione_compagna::precedente); }
    void accosta_a_destra();

    stato_programma& m_stato;
    messaggi& m_messaggi;
    dati_ionogramma m_dati;
    pannello_grafico* m_grafico = nullptr;
    bool m_posizionata = false;
};

} // namespace velaris
