#include "immagine_next_ionogram.h"

#include "display/disegno.h"
#include "windows/etichetta_valore.h"
#include "windows/superficie_grafico.h"
#include "windows/testo_qt.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace velaris {

immagine_next_ionogram::immagine_next_ionogram(stato_programma& stato, messaggi& messaggi,
                                               QWidget* parent)
    : QWidget(parent), m_stato(stato), m_messaggi(messaggi),
      m_grafico(new superficie_grafico(geometria_grafico::finestra_compagna(), this)) {
    setObjectName("immagine_next_ionogram");
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(m_grafico);

    // The buttons and the file line stand in the top margin, above the plot.
    const QColor testo = palette().color(QPalette::HighlightedText);
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

    m_stato_file = crea_etichetta_valore("stato_file", tr("Ionogram file status"), m_grafico);
    // As the main window's: two lines in a small font down to the plot frame.
    QPalette p = m_stato_file->palette();
    p.setColor(QPalette::WindowText, QColor(255, 255, 0));
    m_stato_file->setPalette(p);
    QFont piccolo = font();
    piccolo.setPointSizeF(7.0);
    m_stato_file->setFont(piccolo);
    m_stato_file->setWordWrap(true);
    m_stato_file->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const geometria_grafico& g = m_grafico->geometria();
    m_stato_file->setGeometry(sinistra, 38, g.larghezza_superficie() - sinistra - 12,
                              g.riga(601) - 38);

    disegno_grafico_vuoto(m_grafico->immagine(), m_grafico->geometria(), testo);
    adjustSize();
    setFixedSize(size());
}

immagine_next_ionogram::~immagine_next_ionogram() = default;

const QImage& immagine_next_ionogram::superficie() const { return m_grafico->immagine(); }

void immagine_next_ionogram::esegui(operazione_compagna operazione) {
    if (!orario_compagna(operazione, m_stato.sessione, m_messaggi)) return;
    caricamento_file_ionogramma(m_stato, finestra_compagna(m_stato, m_dati, *this));
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

void immagine_next_ionogram::mostra_ionogramma(dati_ionogramma& dati) {
    m_grafico->mostra_ionogramma(dati, palette().color(QPalette::HighlightedText));
}

void immagine_next_ionogram::mostra_grafico_vuoto() {
    m_grafico->mostra_grafico_vuoto(palette().color(QPalette::HighlightedText));
}

void immagine_next_ionogram::imposta_titolo(const std::string& titolo) {
    setWindowTitle(testo_qt(titolo));
}

void immagine_next_ionogram::imposta_stato_file(const std::string& testo,
                                                const std::string& percorsi) {
    mostra_valore(m_stato_file, QString::fromStdString(testo));
    m_stato_file->setToolTip(QString::fromStdString(percorsi));
}

char immagine_next_ionogram::separatore_decimale() const {
    return separatore_decimale_sistema();
}

} // namespace velaris
