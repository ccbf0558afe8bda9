#include "display/superficie.h"

#include "display/accesso_pixel.h"

#include <cstdlib>
#include <utility>

namespace velaris {

namespace {

bool formato_32_bit(QImage::Format formato) {
    return formato == QImage::Format_RGB32 || formato == QImage::Format_ARGB32 ||
           formato == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

accesso_pixel::accesso_pixel(QImage& superficie, const geometria_grafico& geometria)
    : m_geometria(geometria) {
    if (!formato_32_bit(superficie.format())) superficie.convertTo(QImage::Format_RGB32);
    m_bits = superficie.bits(); // detaches a shared image before anything is written
    m_byte_per_riga = superficie.bytesPerLine();
    m_larghezza = superficie.width();
    m_altezza = superficie.height();
}

QImage crea_superficie(const geometria_grafico& geometria) {
    QImage superficie(geometria.larghezza_superficie(), geometria.altezza_superficie(),
                      QImage::Format_RGB32);
    superficie.fill(colore_sfondo);
    return superficie;
}

void pulisci_superficie(QImage& superficie) {
    if (!formato_32_bit(superficie.format())) superficie.convertTo(QImage::Format_RGB32);
    superficie.fill(colore_sfondo);
}

void rettangolo_pieno(QImage& superficie, const geometria_grafico& geometria, int x1, int y1,
                      int x2, int y2, QRgb colore) {
    const accesso_pixel pixel(superficie, geometria);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    // Only the rows that exist on the image are visited, however far the
    // rectangle reaches.
    const int y_primo = std::max(y1, geometria.y_da_riga(pixel.altezza() - 1));
    const int y_ultimo = std::min(y2, geometria.y_da_riga(0));
    for (int y = y_primo; y <= y_ultimo; ++y) pixel.tratto_orizzontale(x1, x2, y, colore);
}

void linea(QImage& superficie, const geometria_grafico& geometria, int x1, int y1, int x2, int y2,
           QRgb colore) {
    const accesso_pixel pixel(superficie, geometria);
    if (y1 == y2) {
        if (x1 == x2) return;
        // The end point is left out: x2 itself is one step short of the range.
        if (x1 < x2)
            pixel.tratto_orizzontale(x1, x2 - 1, y1, colore);
        else
            pixel.tratto_orizzontale(x2 + 1, x1, y1, colore);
        return;
    }
    int prima = 0, ultima = 0;
    if (x1 == x2) {
        if (!pixel.colonne(x1, x1, prima, ultima)) return;
        // The rows y1 .. y2 without y2, met only where they exist on the image.
        const int y_basso = y1 < y2 ? y1 : y2 + 1;
        const int y_alto = y1 < y2 ? y2 - 1 : y1;
        const int y_primo = std::max(y_basso, geometria.y_da_riga(pixel.altezza() - 1));
        const int y_ultimo = std::min(y_alto, geometria.y_da_riga(0));
        for (int y = y_primo; y <= y_ultimo; ++y) pixel.riga(y)[prima] = colore;
        return;
    }
    // Any other slope: Bresenham along the longer axis, end point excluded.
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int errore = dx + dy;
    for (int x = x1, y = y1; x != x2 || y != y2;) {
        QRgb* r = pixel.riga(y);
        if (r != nullptr && pixel.colonne(x, x, prima, ultima)) r[prima] = colore;
        const int doppio = 2 * errore;
        if (doppio >= dy) {
            errore += dy;
            x += sx;
        }
        if (doppio <= dx) {
            errore += dx;
            y += sy;
        }
    }
}

void punto(QImage& superficie, const geometria_grafico& geometria, int x, int y, QRgb colore) {
    const accesso_pixel pixel(superficie, geometria);
    pixel.tratto_orizzontale(x, x, y, colore);
}

} // namespace velaris
