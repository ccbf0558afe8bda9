#pragma once
// Direct access to the rows of a drawing surface, for the drawing code of this
// folder only. Per-pixel QPainter calls cost far more than the plot can
// afford; these few helpers turn plot coordinates into row pointers and clip
// ranges to the image, so that no caller ever writes outside it.

#include "display/geometria_grafico.h"

#include <QImage>
#include <QRgb>

#include <algorithm>

namespace velaris {

class accesso_pixel {
public:
    /// Detaches the image and makes sure it is 32 bits per pixel.
    accesso_pixel(QImage& superficie, const geometria_grafico& geometria);

    int larghezza() const { return m_larghezza; }
    int altezza() const { return m_altezza; }
    const geometria_grafico& geometria() const { return m_geometria; }

    /// Row of the surface for plot coordinate y, or nullptr when it is off the
    /// image.
    QRgb* riga(int y) const {
        const int r = m_geometria.riga(y);
        return r >= 0 && r < m_altezza ? reinterpret_cast<QRgb*>(m_bits + r * m_byte_per_riga)
                                       : nullptr;
    }

    /// Clips the plot columns xa..xb (inclusive, xa <= xb) to the image; false
    /// when nothing is left. On success prima/ultima are image columns.
    bool colonne(int xa, int xb, int& prima, int& ultima) const {
        prima = std::max(m_geometria.colonna(xa), 0);
        ultima = std::min(m_geometria.colonna(xb), m_larghezza - 1);
        return prima <= ultima;
    }

    /// Writes colour into columns xa..xb (inclusive) of plot row y, clipped.
    void tratto_orizzontale(int xa, int xb, int y, QRgb colore) const {
        int prima = 0, ultima = 0;
        QRgb* r = riga(y);
        if (r != nullptr && colonne(xa, xb, prima, ultima))
            std::fill(r + prima, r + ultima + 1, colore);
    }

private:
    geometria_grafico m_geometria;
    uchar* m_bits;
    qsizetype m_byte_per_riga;
    int m_larghezza;
    int m_altezza;
};

} // namespace velaris
