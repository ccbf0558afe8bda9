#include "display/marcatore_proposta.h"

#include "display/superficie.h"

#include <algorithm>
#include <cstdlib>

namespace velaris {

void disegno_marcatore_proposta(QImage& superficie, const geometria_grafico& geometria,
                                punto_grafico centro) {
    constexpr int interno = 4, esterno = 5; // rings of pixels around the centre
    for (int dy = -esterno; dy <= esterno; ++dy)
        for (int dx = -esterno; dx <= esterno; ++dx) {
            const int anello = std::max(std::abs(dx), std::abs(dy));
            const int x = centro.x + dx, y = centro.y + dy;
            if (anello >= interno && coordinate_grafico::sul_grafico(x, y))
                punto(superficie, geometria, x, y, colore_proposta);
        }
}

} // namespace velaris
