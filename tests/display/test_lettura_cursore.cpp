#include "display/lettura_cursore.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace velaris;
using azione = lettura_cursore::azione;

TEST(LetturaCursore, ReadOutOnThePlot) {
    const struct {
        int x, y;
        char separatore;
        const char *frequenza, *altezza;
    } casi[] = {
        {4, 1, '.', "1.000", "86.625"},
        {764, 600, '.', "20.000", "760.500"},
        {764, 600, ',', "20,000", "760,500"},
        {2, 50, '.', "1,000", "141.750"}, // fixed text instead of .950
        {1, 50, '.', "1,000", "141.750"},
        {3, 50, '.', "1,000", "141.750"},
        {5, 102, '.', "1.025", "200,000"}, // fixed row instead of 200.250
        {400, 12, '.', "10.900", "100,000"},
        {400, 546, '.', "10.900", "700,000"},
        {400, 547, '.', "10.900", "700.875"},
        {36, 190, ',', "1,800", "300,000"},
    };
    for (const auto& c : casi) {
        const auto l = calcola_lettura_cursore(c.x, c.y, "foF2", true, c.separatore);
        EXPECT_EQ(l.cosa, azione::mostra) << c.x << "," << c.y;
        EXPECT_EQ(l.frequenza, c.frequenza) << c.x << "," << c.y;
        EXPECT_EQ(l.altezza, c.altezza) << c.x << "," << c.y;
    }
}

TEST(LetturaCursore, EmptyOffThePlotOrForCurveCharacteristics) {
    const struct {
        int x, y;
        const char* grandezza;
        bool presente;
    } casi[] = {
        {765, 300, "foF2", true},       {300, 601, "foF2", true},    {0, 300, "foF2", true},
        {300, 0, "foF2", false},        {300, 300, "tipoEs", true},  {300, 300, "MUF3000F1", true},
        {300, 300, "MUF3000F2", false}, {300, 300, "M3000F1", true}, {300, 300, "M3000F2", true},
    };
    for (const auto& c : casi) {
        const auto l = calcola_lettura_cursore(c.x, c.y, c.grandezza, c.presente, '.');
        EXPECT_EQ(l.cosa, azione::svuota) << c.x << "," << c.y << " " << c.grandezza;
        EXPECT_TRUE(l.frequenza.empty() && l.altezza.empty());
    }
}

TEST(LetturaCursore, NoIonogramChangesNothing) {
    EXPECT_EQ(calcola_lettura_cursore(300, 300, "foF2", false, '.').cosa, azione::invariata);
    EXPECT_EQ(calcola_lettura_cursore(1, 1, "h'E", false, '.').cosa, azione::invariata);
}

TEST(PuntatoreCroce, CrossAndDiamondAroundATransparentCentre) {
    const QImage p = immagine_puntatore_croce();
    ASSERT_EQ(p.size(), QSize(32, 32));
    ASSERT_TRUE(p.hasAlphaChannel());
    const auto nero = [&p](int x, int y) { return p.pixel(x, y) == qRgba(0, 0, 0, 255); };
    int neri = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = std::abs(x - 16), dy = std::abs(y - 16);
            const bool braccio =
                (dy == 0 && dx >= 4 && dx <= 13) || (dx == 0 && dy >= 4 && dy <= 13);
            const bool rombo = dx + dy == 4;
            EXPECT_EQ(nero(x, y), braccio || rombo) << x << "," << y;
            if (!nero(x, y)) {
                EXPECT_EQ(qAlpha(p.pixel(x, y)), 0) << x << "," << y;
            }
            neri += nero(x, y);
        }
    EXPECT_EQ(qAlpha(p.pixel(16, 16)), 0);
    EXPECT_TRUE(nero(3, 16) && nero(29, 16) && nero(16, 3) && nero(16, 29));
    EXPECT_FALSE(nero(2, 16) || nero(30, 16) || nero(13, 16) || nero(16, 19));
    EXPECT_EQ(neri, 4 * 10 + 16 - 4); // each arm ends on a corner of the diamond
}
