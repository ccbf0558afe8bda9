// The transmission curve on the surface: red segments from vertex to vertex,
// each without its end point, and gone with the next redraw.

#include "display/curva_trasmissione.h"
#include "display/disegno.h"
#include "display/superficie.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace velaris;

namespace {

constexpr geometria_grafico principale = geometria_grafico::finestra_principale();
constexpr QRgb rosso = 0xc80000;

std::set<std::pair<int, int>> rossi(const QImage& s) {
    std::set<std::pair<int, int>> punti;
    for (int x = 0; x <= 765; ++x)
        for (int y = 0; y <= 601; ++y)
            if ((s.pixel(principale.colonna(x), principale.riga(y)) & 0xffffffu) == rosso)
                punti.emplace(x, y);
    return punti;
}

} // namespace

TEST(DisegnoCurva, SegmentsFromVertexToVertexInRed) {
    dati_ionogramma dati{1.0f, 20.0f, 0.05f, 381, std::vector<std::int16_t>(381 * 150)};
    QImage s = crea_superficie(principale);
    disegno_ionogramma(s, principale, dati, Qt::white);
    // A repeated vertex (a segment of length zero), a vertical, a diagonal
    // and a steep segment.
    disegno_curva_trasmissione(s, principale, {{10, 20}, {10, 20}, {10, 24}, {13, 27}, {14, 30}});
    const std::set<std::pair<int, int>> attesi = {
        {10, 20}, {10, 21}, {10, 22}, {10, 23},  // (10, 20) - (10, 24)
        {10, 24}, {11, 25}, {12, 26},            // (10, 24) - (13, 27)
        {13, 27}, {13, 28}, {14, 29},            // (13, 27) - (14, 30), end excluded
    };
    EXPECT_EQ(rossi(s), attesi);
    EXPECT_EQ(s.pixel(principale.colonna(10), principale.riga(20)), qRgb(200, 0, 0));

    disegno_ionogramma(s, principale, dati, Qt::white);
    EXPECT_TRUE(rossi(s).empty());
}

TEST(DisegnoCurva, NothingOutsideTheSurface) {
    QImage s = crea_superficie(principale);
    disegno_curva_trasmissione(s, principale, {{-300, 10}, {900, 10}, {900, 800}});
    disegno_curva_trasmissione(s, principale, {});
    disegno_curva_trasmissione(s, principale, {{5, 5}});
    EXPECT_EQ(s.size(), QSize(1015, 721));
}
