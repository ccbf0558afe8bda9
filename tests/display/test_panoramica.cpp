// The day overview, pixel by pixel: 00:00 UT at column 64 and 36 columns an
// hour; 0 on each panel's bottom row (252, 484, 716) and 20 MHz, 800 km or
// 60 MHz 180 rows higher. Values stand where the axes put them, shaped by
// their letters; the sounding being scaled is a band; the strip under the
// panels tells each sounding's state; a click picks the nearest sounding.

#include "display/panoramica_giorno.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

constexpr int colonna(int ora) { return 64 + ora * 36; }
constexpr int frequenze = 252, altezze = 484, muf = 716; // bottom rows

QRgb colore_di(std::string_view chiave) {
    const auto& serie = serie_della_panoramica();
    return std::find_if(serie.begin(), serie.end(), [&](auto& s) { return s.chiave == chiave; })
        ->colore;
}

} // namespace

TEST(Panoramica, MarksBandStatusStripAndClicks) {
    giornata g{"", {2023, 3, 5}, "15", 15, {}};
    for (int k = 0; k < 96; ++k) g.sondaggi.push_back({k * 15, {}, {}});
    // Stored values (none for -1) with their letters, and the shape at the
    // pixel the axes give, read at the centre and six points around it (c:
    // the series' colour, w: background, -: anything else): a disc, a ring
    // (qualified), a triangle up (greater than) or down (less than).
    const QPoint intorno[] = {{0, 0}, {-2, 0}, {3, 0}, {0, -3}, {0, 3}, {-3, 3}, {-3, -3}};
    const std::string disco = "ccccc--", anello = "wwccc--", su = "c--ccc-", giu = "c--cc-c";
    // clang-format off
    const struct { int ora; const char *chiave, *q, *d; int valore, y; std::string forma; }
    casi[] = {
        {0, "foF2", "", "", 40, frequenze - 36, disco},       // 4.0 MHz at 00:00
        {7, "foF2", "", "", 52, frequenze - 47, disco},       // 5.2 MHz: 46.8 rows up
        {12, "foF2", "U", "", 120, frequenze - 108, anello},  // 12.0 MHz
        {12, "hF2", "", "", 320, altezze - 72, disco},        // 320 km
        {3, "M3000F2", "", "", 300, muf - 90, disco},         // 3.00, on the MUF axis as 30
        {18, "MUF3000F2", "", "", 250, muf - 75, disco},      // 25.0 MHz
        {20, "fxI", "", "", 250, frequenze - 180, disco},     // 25.0 MHz: held at the axis top
        {14, "foF2", "D", "", 70, frequenze - 63, su},
        {16, "foEs", "E", "S", 15, frequenze - 14, giu},      // Es missing: below 1.5 MHz
        {17, "fmin", "", "E", 15, frequenze - 14, giu},       // at the sounder's lowest
        {10, "foF2", "", "", 80, frequenze - 72, "-cccc--"},  // over foEs: a dot of it stays
        {10, "foEs", "", "", 80, frequenze - 72, "c------"},
        {4, "foF2", "", "B", -1, 0, ""},                      // the strip: foF2 by a letter,
        {5, "foF2", "", "C", -1, 0, ""}, {5, "fmin", "", "C", -1, 0, ""}, // no ionogram
    };
    // clang-format on
    for (const auto& c : casi)
        g.sondaggi[static_cast<std::size_t>(c.ora * 4)].valori[*indice_chiave(c.chiave)] = {
            c.valore < 0 ? std::nullopt : std::optional<int>(c.valore), c.q, c.d};
    const QImage immagine = disegno_panoramica({&g, 37, {}}); // 09:00 being scaled
    for (const auto& c : casi) {
        std::string letta;
        for (std::size_t n = 0; n < c.forma.size(); ++n) {
            const QRgb p = immagine.pixel(QPoint(colonna(c.ora), c.y) + intorno[n]);
            const bool fondo = p == qRgb(255, 255, 255) && c.forma[n] == 'w';
            letta += p == colore_di(c.chiave) ? 'c' : fondo ? 'w' : '-';
        }
        EXPECT_EQ(letta, c.forma) << c.chiave << " " << c.ora;
    }
    using enum stato_sondaggio;
    for (const auto& [ora, stato] :
         {std::pair{7, scalato}, {2, non_scalato}, {5, senza_ionogramma}, {4, lettera_per_fof2}})
        EXPECT_EQ(immagine.pixel(colonna(ora), 724), colore_stato(stato)) << ora;
    // The band of the current sounding and the 3-hourly grid lines run
    // through all three panels.
    for (const int y : {100, 350, 600})
        EXPECT_TRUE(immagine.pixel(colonna(9), y) == colore_sondaggio_corrente &&
                    immagine.pixel(colonna(3), y) == qRgb(220, 220, 220) &&
                    immagine.pixel(colonna(4), y) == qRgb(255, 255, 255))
            << y;
    // A click picks the nearest sounding of 96 (or 24); none off the day.
    // clang-format off
    const std::tuple<int, int, std::optional<int>> clic[] = {
        {colonna(9) + 4, 96, 37}, {colonna(9) + 6, 96, 38}, {63, 96, 1}, {928, 96, 96},
        {40, 96, {}}, {940, 96, {}}, {colonna(9), 24, 10}};
    // clang-format on
    for (const auto& [x, n, atteso] : clic) EXPECT_EQ(sondaggio_da_colonna(x, n), atteso) << x;
}
