#include "display/disegno.h"

#include "display/echi.h"
#include "display/etichette.h"

namespace velaris {

namespace {

void cornice(QImage& superficie, const geometria_grafico& geometria) {
    rettangolo_pieno(superficie, geometria, 0, 601, 765, 0, colore_grafico);
    linea(superficie, geometria, 0, 0, 766, 0, colore_cornice);
    linea(superficie, geometria, 0, 601, 0, 0, colore_cornice);
    linea(superficie, geometria, 0, 601, 766, 601, colore_cornice);
    linea(superficie, geometria, 765, 601, 765, 0, colore_cornice);
}

} // namespace

void disegno_ionogramma(QImage& superficie, const geometria_grafico& geometria,
                        const dati_ionogramma& dati, const QColor& colore_testo) {
    cornice(superficie, geometria);
    // The labels stand outside the frame and the grid inside it, so drawing
    // all lines before all labels gives the same picture as alternating them.
    for (const auto& [k, f] : frequenze_intere_asse())
        if (dati.frequenza_iniziale <= f && f <= dati.frequenza_finale)
            linea(superficie, geometria, 4 * k, 600, 4 * k, 0, colore_griglia);
    for (const auto& riga : righe_griglia_altezze)
        linea(superficie, geometria, 1, riga.y, 765, riga.y, colore_griglia);
    disegno_etichette(superficie, geometria, colore_testo);
    disegno_echi(superficie, geometria, dati);
}

void disegno_grafico_vuoto(QImage& superficie, const geometria_grafico& geometria,
                           const QColor& colore_testo) {
    cornice(superficie, geometria);
    disegno_etichette(superficie, geometria, colore_testo);
}

} // namespace velaris
