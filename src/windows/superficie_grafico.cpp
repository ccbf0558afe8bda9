#include "superficie_grafico.h"

#include "display/disegno.h"
#include "display/echi.h"
#include "display/superficie.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace velaris {

superficie_grafico::superficie_grafico(const geometria_grafico& geometria, QWidget* parent)
    : QWidget(parent), m_geometria(geometria), m_immagine(crea_superficie(geometria)) {
    setFixedSize(m_geometria.larghezza_superficie(), m_geometria.altezza_superficie());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void superficie_grafico::mostra_ionogramma(dati_ionogramma& dati, const QColor& testo) {
    normalizzazione_ampiezze(dati);
    pulisci_superficie(m_immagine);
    disegno_ionogramma(m_immagine, m_geometria, dati, testo);
    update();
}

void superficie_grafico::mostra_grafico_vuoto(const QColor& testo) {
    pulisci_superficie(m_immagine);
    disegno_grafico_vuoto(m_immagine, m_geometria, testo);
    update();
}

void superficie_grafico::paintEvent(QPaintEvent* evento) {
    QPainter pittore(this);
    pittore.drawImage(evento->rect(), m_immagine, evento->rect());
}

QPoint superficie_grafico::pixel_sotto(const QMouseEvent* evento) {
    // Truncated, not rounded: at fractional display scaling the position lies
    // inside a pixel, and the pixel it lies in is the one under the pointer.
    const QPointF p = evento->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

void superficie_grafico::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint p = pixel_sotto(evento);
    emit puntatoreMosso(m_geometria.x_da_colonna(p.x()), m_geometria.y_da_riga(p.y()));
}

void superficie_grafico::mousePressEvent(QMouseEvent* evento) {
    const QPoint p = pixel_sotto(evento);
    // A press that a label standing on the surface did not take reaches the
    // surface too; only presses on the surface itself count.
    if (childAt(p) != nullptr) return;
    emit premuto(evento->button(), m_geometria.x_da_colonna(p.x()), m_geometria.y_da_riga(p.y()));
}

} // namespace velaris
