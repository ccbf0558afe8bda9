#include "pannello_grafico.h"

#include "display/curva_trasmissione.h"
#include "display/disegno.h"
#include "display/echi.h"
#include "display/marcatore_proposta.h"
#include "display/superficie.h"
#include "windows/etichetta_valore.h"
#include "windows/testo_qt.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace velaris {

pannello_grafico::pannello_grafico(const geometria_grafico& geometria, int rientro, int alto,
                                   QWidget* parent)
    : QWidget(parent), m_geometria(geometria), m_immagine(crea_superficie(geometria)) {
    setFixedSize(m_geometria.larghezza_superficie(), m_geometria.altezza_superficie());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The status line may hold two sentences about two files: it wraps onto
    // a second line in a smaller font, down to the plot frame, and names the
    // files in full in its tooltip.
    m_stato_file = crea_etichetta_valore("stato_file", tr("Ionogram file status"), this);
    QPalette p = m_stato_file->palette();
    p.setColor(QPalette::WindowText, QColor(255, 255, 0));
    m_stato_file->setPalette(p);
    QFont piccolo = font();
    piccolo.setPointSizeF(7.0);
    m_stato_file->setFont(piccolo);
    m_stato_file->setWordWrap(true);
    m_stato_file->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int sinistra = m_geometria.colonna(0);
    m_stato_file->setGeometry(sinistra + rientro, alto,
                              m_geometria.larghezza_superficie() - sinistra - 12,
                              m_geometria.riga(601) - alto);

    disegno_grafico_vuoto(m_immagine, m_geometria, colore_testo());
}

QColor pannello_grafico::colore_testo() const { return palette().color(QPalette::HighlightedText); }

void pannello_grafico::mostra_ionogramma(dati_ionogramma& dati) {
    normalizzazione_ampiezze(dati);
    ridisegna_ionogramma(dati, true);
}

void pannello_grafico::mostra_grafico_vuoto() {
    pulisci_superficie(m_immagine);
    ridisegna_grafico_vuoto();
}

void pannello_grafico::imposta_titolo(const std::string& titolo) {
    window()->setWindowTitle(testo_qt(titolo));
}

void pannello_grafico::imposta_stato_file(const std::string& testo, const std::string& percorsi) {
    m_testo_file = QString::fromStdString(testo);
    m_stato_file->setToolTip(QString::fromStdString(percorsi));
    mostra_stato();
}

void pannello_grafico::imposta_proposta(const QString& testo) {
    m_testo_proposta = testo;
    mostra_stato();
}

void pannello_grafico::mostra_stato() {
    QString testo = m_testo_file;
    if (!testo.isEmpty() && !m_testo_proposta.isEmpty()) testo += u'\n';
    mostra_valore(m_stato_file, testo + m_testo_proposta);
}

char pannello_grafico::separatore_decimale() const { return separatore_decimale_sistema(); }

void pannello_grafico::ridisegna_ionogramma(const dati_ionogramma& dati, bool pulisci) {
    if (pulisci) pulisci_superficie(m_immagine);
    disegno_ionogramma(m_immagine, m_geometria, dati, colore_testo());
    update();
}

void pannello_grafico::ridisegna_grafico_vuoto() {
    disegno_grafico_vuoto(m_immagine, m_geometria, colore_testo());
    update();
}

void pannello_grafico::disegna_curva(const std::vector<punto_grafico>& vertici) {
    disegno_curva_trasmissione(m_immagine, m_geometria, vertici);
    update();
}

void pannello_grafico::disegna_proposta(punto_grafico centro) {
    disegno_marcatore_proposta(m_immagine, m_geometria, centro);
    update();
}

void pannello_grafico::paintEvent(QPaintEvent* evento) {
    QPainter pittore(this);
    pittore.drawImage(evento->rect(), m_immagine, evento->rect());
}

QPoint pannello_grafico::pixel_sotto(const QMouseEvent* evento) {
    // Truncated, not rounded: at fractional display scaling the position lies
    // inside a pixel, and the pixel it lies in is the one under the pointer.
    const QPointF p = evento->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

void pannello_grafico::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint p = pixel_sotto(evento);
    emit puntatoreMosso(m_geometria.x_da_colonna(p.x()), m_geometria.y_da_riga(p.y()));
}

void pannello_grafico::mousePressEvent(QMouseEvent* evento) {
    const QPoint p = pixel_sotto(evento);
    // A press that a label standing on the surface did not take reaches the
    // surface too; only presses on the surface itself count.
    if (childAt(p) != nullptr) return;
    emit premuto(evento->button(), m_geometria.x_da_colonna(p.x()), m_geometria.y_da_riga(p.y()));
}

} // namespace velaris
