#pragma once
// The main and companion windows' drawing surface: a widget that shows a
// persistent QImage one to one. Nothing is drawn in paintEvent: drawing goes
// into the image (the display library), so an uncovered window loses nothing.

#include "display/geometria_grafico.h"
#include "ionogram/dati_ionogramma.h"

#include <QImage>
#include <QWidget>

namespace velaris {

class superficie_grafico : public QWidget {
    Q_OBJECT
public:
    superficie_grafico(const geometria_grafico& geometria, QWidget* parent);

    QImage& immagine() { return m_immagine; }
    const QImage& immagine() const { return m_immagine; }
    const geometria_grafico& geometria() const { return m_geometria; }

    /// What every load of a window does with an accepted file: rescales the
    /// amplitudes, clears the surface and draws frame, grid, labels (in
    /// `testo`) and echoes, then repaints.
    void mostra_ionogramma(dati_ionogramma& dati, const QColor& testo);
    /// The same for a sounding without an ionogram: the empty plot.
    void mostra_grafico_vuoto(const QColor& testo);

signals:
    /// The pointer moved to plot coordinates (x, y).
    void puntatoreMosso(int x, int y);
    /// A mouse button was pressed at plot coordinates (x, y).
    void premuto(Qt::MouseButton pulsante, int x, int y);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    /// The surface pixel under the pointer of a mouse event.
    static QPoint pixel_sotto(const QMouseEvent* evento);

    geometria_grafico m_geometria;
    QImage m_immagine;
};

} // namespace velaris
