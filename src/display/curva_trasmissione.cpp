#include "display/curva_trasmissione.h"

#include "display/superficie.h"

namespace velaris {

void disegno_curva_trasmissione(QImage& superficie, const geometria_grafico& geometria,
                                const std::vector<punto_grafico>& vertici) {
    for (std::size_t n = 1; n < vertici.size(); ++n)
        linea(superficie, geometria, vertici[n - 1].x, vertici[n - 1].y, vertici[n].x, vertici[n].y,
              colore_curva);
}

} // namespace velaris
