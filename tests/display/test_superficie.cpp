#include "display/superficie.h"

#include "supporto.h"

#include <gtest/gtest.h>

using namespace velaris;
using namespace velaris::prova;

namespace {

const geometria_grafico principale = geometria_grafico::finestra_principale();

int pixel_di_colore(const QImage& immagine, QRgb colore) {
    int n = 0;
    for (int r = 0; r < immagine.height(); ++r)
        for (int c = 0; c < immagine.width(); ++c)
            n += (immagine.pixel(c, r) & 0xffffffu) == colore;
    return n;
}

} // namespace

TEST(Superficie, SizeFormatAndBackground) {
    const QImage p = crea_superficie(principale);
    EXPECT_EQ(p.size(), QSize(1015, 721));
    EXPECT_EQ(p.format(), QImage::Format_RGB32);
    EXPECT_EQ(pixel_di_colore(p, blu), 1015 * 721);
    EXPECT_EQ(crea_superficie(geometria_grafico::finestra_compagna()).size(), QSize(825, 721));
    QImage altra(20, 10, QImage::Format_RGB888);
    pulisci_superficie(altra);
    EXPECT_EQ(altra.format(), QImage::Format_RGB32);
    EXPECT_EQ(pixel_di_colore(altra, blu), 200);
}

TEST(Linea, EndPointIsLeftOutInEitherDirection) {
    const struct {
        int x1, y1, x2, y2, pixel;
    } casi[] = {{0, 0, 766, 0, 766}, {766, 0, 0, 0, 766}, {765, 601, 765, 0, 601},
                {4, 0, 4, 600, 600}, {0, 0, 4, 2, 4},     {10, 10, 7, 20, 10},
                {5, 5, 5, 5, 0}};
    for (const auto& c : casi) {
        QImage s = crea_superficie(principale);
        linea(s, principale, c.x1, c.y1, c.x2, c.y2, colore_cornice);
        EXPECT_EQ(pixel_di_colore(s, giallo), c.pixel) << c.x1 << "," << c.y1;
        if (c.pixel == 0) continue;
        EXPECT_EQ(a(s, principale, c.x1, c.y1), giallo) << c.x1 << "," << c.y1;
        EXPECT_EQ(a(s, principale, c.x2, c.y2), blu) << c.x2 << "," << c.y2;
    }
}

TEST(RettangoloPieno, BothCornersIncludedInAnyOrder) {
    QImage s = crea_superficie(principale);
    rettangolo_pieno(s, principale, 765, 0, 0, 601, colore_grafico);
    EXPECT_EQ(pixel_di_colore(s, nero), 766 * 602);
    EXPECT_EQ(a(s, principale, 0, 601), nero);
    EXPECT_EQ(a(s, principale, 765, 0), nero);
}

TEST(Superficie, EverythingIsClippedToTheImage) {
    // A surface far smaller than the geometry: only what falls on it changes.
    QImage s(8, 4, QImage::Format_RGB32);
    s.fill(colore_sfondo);
    rettangolo_pieno(s, principale, -100000, -100000, 100000, 100000, colore_grafico);
    EXPECT_EQ(pixel_di_colore(s, nero), 32);
    pulisci_superficie(s);
    linea(s, principale, -300, 669, 30000, 669, colore_cornice);   // image row 1
    linea(s, principale, -215, -9000, -215, 9000, colore_cornice); // image column 5
    linea(s, principale, -400, 700, -100, 600, colore_cornice);    // slanted, all off
    punto(s, principale, 5000, 5000, colore_cornice);
    EXPECT_EQ(pixel_di_colore(s, giallo), 8 + 3);
}
