#pragma once
// The plot panel both windows share: the drawing surface, a widget that shows
// a persistent QImage one to one, with the file status line in its top
// margin. It is what every load of a window draws in (`vista_ionogramma`):
// the plot, the status line and the window's title; the main window adds a
// proposal's marker and its line.
//
// Nothing is drawn in paintEvent: drawing goes into the image (the display
// library), so an uncovered window loses nothing.

#include "display/geometria_grafico.h"
#include "ionogram/dati_ionogramma.h"
#include "plot/punto_grafico.h"
#include "session/caricamento.h"

#include <QImage>
#include <QWidget>

#include <vector>

class QLabel;

namespace velaris {

class pannello_grafico : public QWidget, public vista_ionogramma {
    Q_OBJECT
public:
    /// The surface of `geometria`, its empty plot drawn. The status line
    /// starts `rientro` pixels right of the plot's left edge and `alto`
    /// pixels below the top, and reaches down to the plot frame.
    pannello_grafico(const geometria_grafico& geometria, int rientro, int alto, QWidget* parent);

    QImage& immagine() { return m_immagine; }
    const QImage& immagine() const { return m_immagine; }
    const geometria_grafico& geometria() const { return m_geometria; }

    // vista_ionogramma: what every load of a window does. An accepted file
    // has its amplitudes rescaled and is drawn on a cleared surface; a
    // sounding without an ionogram gets the empty plot.
    void mostra_ionogramma(dati_ionogramma& dati) override;
    void mostra_grafico_vuoto() override;
    void imposta_titolo(const std::string& titolo) override;
    void imposta_stato_file(const std::string& testo, const std::string& percorsi) override;
    char separatore_decimale() const override;

    /// The ionogram `dati` drawn again over the plot (after clearing the
    /// whole surface when `pulisci`), which removes a curve drawn before.
    void ridisegna_ionogramma(const dati_ionogramma& dati, bool pulisci);
    /// The empty plot drawn again over the surface as it stands.
    void ridisegna_grafico_vuoto();
    /// The transmission curve over the plot as it stands.
    void disegna_curva(const std::vector<punto_grafico>& vertici);
    /// The marker of a proposal over the plot as it stands.
    void disegna_proposta(punto_grafico centro);
    /// What the status line says of a proposal, on a line of its own after
    /// what it says of the file; empty: nothing.
    void imposta_proposta(const QString& testo);

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
    /// The colour of the plot's labels: the window's highlighted text.
    QColor colore_testo() const;
    /// The status line: the file's part, then the proposal's.
    void mostra_stato();

    geometria_grafico m_geometria;
    QImage m_immagine;
    QLabel* m_stato_file = nullptr;
    QString m_testo_file, m_testo_proposta;
};

} // namespace velaris
