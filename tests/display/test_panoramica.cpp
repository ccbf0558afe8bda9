// The day overview: values land on the pixels that the axes give them (00:00
// UT at column 64, 36 columns an hour; 0 at each panel's bottom row, 20 MHz,
// 800 km and 60 MHz at its top row, 180 rows higher), filled or hollow by
// their qualifying letter, and the sounding being scaled is marked.

#include "display/panoramica_giorno.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

constexpr int colonna(int ora, int minuti) { return 64 + (ora * 60 + minuti) * 36 / 60; }
// Bottom rows of the three panels: 72 + 180, 304 + 180, 536 + 180.
constexpr int fondo_frequenze = 252, fondo_altezze = 484, fondo_muf = 716;

giornata giorno_di_prova() {
    giornata g{"", {2023, 3, 5}, "15", 15, {}};
    for (int k = 0; k < 96; ++k) g.sondaggi.push_back({k * 15, {}, {}});
    const auto metti = [&](int ora, const char* chiave, int valore, const char* q) {
        g.sondaggi[static_cast<std::size_t>(ora * 4)].valori[*indice_chiave(chiave)] = {valore, q, ""};
    };
    metti(7, "foF2", 52, "");       // 5.2 MHz
    metti(12, "foF2", 120, "U");    // 12.0 MHz, qualified: hollow
    metti(12, "hF2", 320, "");      // 320 km
    metti(3, "M3000F2", 300, "");   // 3.00, on the MUF axis as 30
    metti(18, "MUF3000F2", 250, ""); // 25.0 MHz
    metti(20, "fxI", 250, "");      // 25.0 MHz: beyond the axis, held at its top
    return g;
}

const serie_panoramica& serie_di(std::string_view chiave) {
    for (const auto& s : serie_della_panoramica())
        if (s.chiave == chiave) return s;
    throw std::logic_error("no series");
}

} // namespace

TEST(Panoramica, ValuesMapToTheirPixels) {
    struct caso {
        const char* chiave;
        double minuti, valore;
        int x, y;
    };
    const caso casi[] = {
        {"foF2", 7 * 60, 5.2, colonna(7, 0), fondo_frequenze - 47},   // 46.8 rows up
        {"foF2", 12 * 60, 12.0, colonna(12, 0), fondo_frequenze - 108},
        {"hF2", 12 * 60, 320, colonna(12, 0), fondo_altezze - 72},
        {"M3000F2", 3 * 60, 3.0, colonna(3, 0), fondo_muf - 90},
        {"MUF3000F2", 18 * 60, 25.0, colonna(18, 0), fondo_muf - 75},
        {"fxI", 20 * 60, 25.0, colonna(20, 0), fondo_frequenze - 180},
        {"hE", 0, 0, 64, fondo_altezze},
        {"foE", 24 * 60, 20.0, 928, fondo_frequenze - 180},
    };
    for (const auto& c : casi)
        EXPECT_EQ(punto_serie(serie_di(c.chiave), c.minuti, c.valore), QPoint(c.x, c.y)) << c.chiave;
}

TEST(Panoramica, ClickedColumnGivesTheNearestSounding) {
    const std::pair<int, std::optional<int>> casi[] = {
        {colonna(9, 0), 37}, {colonna(9, 7), 37},  {colonna(9, 10), 38}, {64, 1},
        {928, 96},           {63, 1},              {40, std::nullopt},  {940, std::nullopt}};
    for (const auto& [x, atteso] : casi) EXPECT_EQ(sondaggio_da_colonna(x, 96), atteso) << x;
    EXPECT_EQ(sondaggio_da_colonna(colonna(9, 0), 24), 10);
}

TEST(Panoramica, PictureShowsFilledHollowAndCurrent) {
    const giornata g = giorno_di_prova();
    const QImage immagine = disegno_panoramica({&g, 37, {}}); // 09:00 being scaled
    ASSERT_EQ(immagine.size(), QSize(1000, 760));
    const QRgb rosso = serie_di("foF2").colore;
    const QRgb bianco = qRgb(255, 255, 255);

    // Filled: the centre and the disc's rim in the colour.
    const QPoint pieno(colonna(7, 0), fondo_frequenze - 47);
    EXPECT_EQ(immagine.pixel(pieno), rosso);
    EXPECT_EQ(immagine.pixel(pieno + QPoint(3, 0)), rosso);
    EXPECT_NE(immagine.pixel(pieno + QPoint(0, 6)), rosso);
    // Hollow: a background centre inside a ring of the colour.
    const QPoint vuoto(colonna(12, 0), fondo_frequenze - 108);
    EXPECT_EQ(immagine.pixel(vuoto), bianco);
    EXPECT_EQ(immagine.pixel(vuoto + QPoint(3, 0)), rosso);
    EXPECT_EQ(immagine.pixel(vuoto + QPoint(0, -3)), rosso);

    EXPECT_EQ(immagine.pixel(colonna(12, 0), fondo_altezze - 72), serie_di("hF2").colore);
    EXPECT_EQ(immagine.pixel(colonna(3, 0), fondo_muf - 90), serie_di("M3000F2").colore);
    EXPECT_EQ(immagine.pixel(colonna(18, 0), fondo_muf - 75), serie_di("MUF3000F2").colore);

    // The band of the current sounding runs through all three panels.
    for (const int y : {100, 350, 600})
        EXPECT_EQ(immagine.pixel(colonna(9, 0), y), colore_sondaggio_corrente) << y;
    const QImage senza = disegno_panoramica({&g, std::nullopt, {}});
    EXPECT_NE(senza.pixel(colonna(9, 0), 100), colore_sondaggio_corrente);
    // Without a day: the empty panels, nothing drawn inside them.
    const QImage vuota = disegno_panoramica({nullptr, std::nullopt, "cannot be read"});
    EXPECT_EQ(vuota.pixel(pieno), bianco);
}
