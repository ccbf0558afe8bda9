#include "display/lettura_cursore.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace velaris;
using azione = lettura_cursore::azione;

TEST(LetturaCursore, ReadOutOnAndOffThePlot) {
    const struct {
        int x, y;
        const char* grandezza;
        bool presente;
        char separatore;
        azione cosa;
        const char *frequenza, *altezza;
    } casi[] = {
        {4, 1, "foF2", true, '.', azione::mostra, "1.000", "86.625"},
        {764, 600, "foF2", true, ',', azione::mostra, "20,000", "760,500"},
        {2, 50, "foF2", true, '.', azione::mostra, "1,000", "141.750"},  // not .950
        {3, 50, "foF2", true, '.', azione::mostra, "1,000", "141.750"},  // not .975
        {5, 102, "foF2", true, '.', azione::mostra, "1.025", "200,000"}, // not 200.250
        {765, 300, "foF2", true, '.', azione::svuota, "", ""},
        {300, 601, "foF2", true, '.', azione::svuota, "", ""},
        {300, 300, "tipoEs", true, '.', azione::svuota, "", ""},
        {300, 300, "M3000F2", false, '.', azione::svuota, "", ""},
        {300, 300, "foF2", false, '.', azione::invariata, "", ""},
    };
    for (const auto& c : casi) {
        const auto l = calcola_lettura_cursore(c.x, c.y, c.grandezza, c.presente, c.separatore);
        EXPECT_TRUE(l.cosa == c.cosa && l.frequenza == c.frequenza && l.altezza == c.altezza)
            << c.x << "," << c.y << " " << c.grandezza << ": " << l.frequenza << " " << l.altezza;
    }
}

TEST(PuntatoreCroce, CrossAndDiamondAroundATransparentCentre) {
    const QImage p = immagine_puntatore_croce();
    ASSERT_EQ(p.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = std::abs(x - 16), dy = std::abs(y - 16);
            // Arms 4 .. 13 pixels from the centre, diamond with corners on them.
            const bool nero = (dx * dy == 0 && dx + dy >= 4 && dx + dy <= 13) || dx + dy == 4;
            EXPECT_EQ(p.pixel(x, y), nero ? qRgba(0, 0, 0, 255) : 0u) << x << "," << y;
        }
}
