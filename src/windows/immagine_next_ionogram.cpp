#include "immagine_next_ionogram.h"

#include "session/caricamento.h"
#include "windows/pannello_grafico.h"

#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace velaris {

immagine_next_ionogram::immagine_next_ionogram(stato_programma& stato, messaggi& messaggi,
                                               QWidget* parent)
    : QWidget(parent), m_stato(stato), m_messaggi(messaggi),
      // The buttons and the file line stand in the top margin, above the plot.
      m_grafico(new pannello_grafico(geometria_grafico::finestra_compagna(), 0, 38, this)) {
    setObjectName("immagine_next_ionogram");
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(m_grafico);

    const int sinistra = m_grafico->geometria().colonna(0);
    auto* precedente = new QPushButton(tr("previous"), m_grafico);
    precedente->setObjectName("previous_new_form");
    auto* successivo = new QPushButton(tr("next"), m_grafico);
    successivo->setObjectName("next_new_form");
    int x = sinistra;
    for (QPushButton* b : {precedente, successivo}) {
        b->setAccessibleName(b->text());
        b->setGeometry(x, 8, 90, 26);
        x += 100;
    }
    connect(precedente, &QPushButton::clicked, this,
            &immagine_next_ionogram::previous_new_form_Click);
    connect(successivo, &QPushButton::clicked, this, &immagine_next_ionogram::next_new_form_Click);

    adjustSize();
    setFixedSize(size());
}

immagine_next_ionogram::~immagine_next_ionogram() = default;

const QImage& immagine_next_ionogram::superficie() const { return m_grafico->immagine(); }

void immagine_next_ionogram::esegui(operazione_compagna operazione) {
    if (!orario_compagna(operazione, m_stato.sessione, m_messaggi)) return;
    caricamento_file_ionogramma(m_stato, finestra_compagna(m_stato, m_dati, *m_grafico));
    if (operazione != operazione_compagna::mostra) return;
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
    if (!m_posizionata) accosta_a_destra();
}

void immagine_next_ionogram::accosta_a_destra() {
    const QScreen* schermo = screen();
    if (schermo == nullptr) return;
    const QRect area = schermo->availableGeometry();
    const QRect cornice = frameGeometry();
    // Twice the centred left edge: against the right edge of the screen.
    move(area.x() + 2 * ((area.width() - cornice.width()) / 2),
         area.y() + (area.height() - cornice.height()) / 2);
    m_posizionata = true;
}

} // namespace velaris
