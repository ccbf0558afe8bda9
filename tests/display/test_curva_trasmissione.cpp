// The transmission curve on the surface: red segments from vertex to vertex,
// each without its end point, gone with the next redraw.

#include "display/curva_trasmissione.h"
#include "display/disegno.h"

#include <gtest/gtest.h>

#include <set>

using namespace velaris;

TEST(DisegnoCurva, SegmentsFromVertexToVertexInRedUntilTheNextRedraw) {
    constexpr geometria_grafico g = geometria_grafico::finestra_principale();
    const auto rossi = [&](const QImage& s) {
        std::set<std::pair<int, int>> punti;
        for (int x = -220; x <= 794; ++x)
            for (int y = -50; y <= 670; ++y)
                if (s.pixel(g.colonna(x), g.riga(y)) == qRgb(200, 0, 0)) punti.emplace(x, y);
        return punti;
    };
    const dati_ionogramma dati{1.0f, 20.0f, 0.05f, 381, std::vector<std::int16_t>(381 * 150)};
    QImage s = crea_superficie(g);
    disegno_ionogramma(s, g, dati, Qt::white);
    // A repeated vertex (length zero), a vertical, a diagonal, a steep segment.
    disegno_curva_trasmissione(s, g, {{10, 20}, {10, 20}, {10, 24}, {13, 27}, {14, 30}});
    const std::set<std::pair<int, int>> attesi = {
        {10, 20}, {10, 21}, {10, 22}, {10, 23}, // (10, 20) - (10, 24)
        {10, 24}, {11, 25}, {12, 26},           // (10, 24) - (13, 27)
        {13, 27}, {13, 28}, {14, 29},           // (13, 27) - (14, 30), end excluded
    };
    EXPECT_EQ(rossi(s), attesi);
    disegno_ionogramma(s, g, dati, Qt::white);
    EXPECT_TRUE(rossi(s).empty());
}
