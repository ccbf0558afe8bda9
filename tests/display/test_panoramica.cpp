// The day overview: values land on the pixels that the axes give them (00:00
// UT at column 64, 36 columns an hour; 0 at each panel's bottom row, 20 MHz,
// 800 km and 60 MHz at its top row, 180 rows higher), filled or hollow by
// their qualifying letter, and the sounding being scaled is marked.

#include "display/panoramica_giorno.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

constexpr int colonna(int ora) { return 64 + ora * 36; }
// Bottom rows of the three panels: 72 + 180, 304 + 180, 536 + 180.
constexpr int fondo_frequenze = 252, fondo_altezze = 484, fondo_muf = 716;

const serie_panoramica& serie_di(std::string_view chiave) {
    for (const auto& s : serie_della_panoramica())
        if (s.chiave == chiave) return s;
    throw std::logic_error("no series");
}

} // namespace

TEST(Panoramica, AxisEndsAndClickedColumns) {
    EXPECT_EQ(punto_serie(serie_di("hE"), 0, 0), QPoint(64, fondo_altezze));
    EXPECT_EQ(punto_serie(serie_di("foE"), 24 * 60, 20.0), QPoint(928, fondo_frequenze - 180));
    // The nearest sounding of 96 (or 24) to a column; none off the day.
    const std::pair<int, std::optional<int>> casi[] = {
        {colonna(9), 37}, {colonna(9) + 4, 37},  {colonna(9) + 6, 38}, {64, 1},
        {928, 96},        {63, 1},               {40, std::nullopt},   {940, std::nullopt}};
    for (const auto& [x, atteso] : casi) EXPECT_EQ(sondaggio_da_colonna(x, 96), atteso) << x;
    EXPECT_EQ(sondaggio_da_colonna(colonna(9), 24), 10);
}

TEST(Panoramica, PictureShowsValuesFilledOrHollowAndTheCurrentSounding) {
    giornata g{"", {2023, 3, 5}, "15", 15, {}};
    for (int k = 0; k < 96; ++k) g.sondaggi.push_back({k * 15, {}, {}});
    // Stored values in their units, where they must show, hollow when qualified.
    const struct { int ora; const char* chiave; int valore; const char* q; int y; } casi[] = {
        {7, "foF2", 52, "", fondo_frequenze - 47},        // 5.2 MHz: 46.8 rows up
        {12, "foF2", 120, "U", fondo_frequenze - 108},    // 12.0 MHz
        {12, "hF2", 320, "", fondo_altezze - 72},         // 320 km
        {3, "M3000F2", 300, "", fondo_muf - 90},          // 3.00, on the MUF axis as 30
        {18, "MUF3000F2", 250, "", fondo_muf - 75},       // 25.0 MHz
        {20, "fxI", 250, "", fondo_frequenze - 180},      // 25.0 MHz: held at the axis top
    };
    for (const auto& c : casi)
        g.sondaggi[static_cast<std::size_t>(c.ora * 4)].valori[*indice_chiave(c.chiave)] = {c.valore, c.q, ""};
    const QImage immagine = disegno_panoramica({&g, 37, {}}); // 09:00 being scaled
    ASSERT_EQ(immagine.size(), QSize(1000, 760));
    const QRgb bianco = qRgb(255, 255, 255);
    for (const auto& c : casi) {
        const QPoint centro(colonna(c.ora), c.y);
        const QRgb colore = serie_di(c.chiave).colore;
        // A disc of radius 3 in the series' colour; a qualified value leaves radius 2 blank.
        EXPECT_EQ(immagine.pixel(centro), *c.q ? bianco : colore) << c.chiave << " " << c.ora;
        EXPECT_EQ(immagine.pixel(centro + QPoint(-2, 0)), *c.q ? bianco : colore) << c.chiave << " " << c.ora;
        EXPECT_EQ(immagine.pixel(centro + QPoint(3, 0)), colore) << c.chiave << " " << c.ora;
        EXPECT_EQ(immagine.pixel(centro + QPoint(0, -3)), colore) << c.chiave << " " << c.ora;
        EXPECT_NE(immagine.pixel(centro + QPoint(0, 6)), colore) << c.chiave << " " << c.ora;
    }
    // The band of the current sounding runs through all three panels.
    for (const int y : {100, 350, 600})
        EXPECT_EQ(immagine.pixel(colonna(9), y), colore_sondaggio_corrente) << y;
    EXPECT_NE(disegno_panoramica({&g, std::nullopt, {}}).pixel(colonna(9), 100), colore_sondaggio_corrente);
    // Without a day: the empty panels, nothing drawn inside them.
    const QImage vuota = disegno_panoramica({nullptr, std::nullopt, "cannot be read"});
    EXPECT_EQ(vuota.pixel(colonna(7), fondo_frequenze - 47), bianco);
}
