// The day overview: values land on the pixels that the axes give them (00:00
// UT at column 64, 36 columns an hour; 0 at each panel's bottom row, 20 MHz,
// 800 km and 60 MHz at its top row, 180 rows higher), shaped by their
// letters, the sounding being scaled is marked, and the strip tells each
// sounding's state.

#include "display/panoramica_giorno.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

constexpr int colonna(int ora) {
    return 64 + ora * 36;
}
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
        {colonna(9), 37}, {colonna(9) + 4, 37}, {colonna(9) + 6, 38}, {64, 1}, {928, 96},
        {63, 1},          {40, std::nullopt},   {940, std::nullopt}};
    for (const auto& [x, atteso] : casi)
        EXPECT_EQ(sondaggio_da_colonna(x, 96), atteso) << x;
    EXPECT_EQ(sondaggio_da_colonna(colonna(9), 24), 10);
}

TEST(Panoramica, PictureShowsMarksByTheirLettersTheCurrentSoundingAndTheStatusStrip) {
    giornata g{"", {2023, 3, 5}, "15", 15, {}};
    for (int k = 0; k < 96; ++k)
        g.sondaggi.push_back({k * 15, {}, {}});
    // Stored values in their units, where they must show, in the shape their letters give:
    // a disc, a ring (qualified), a triangle up (greater than) or down (less than).
    // The shape is read at the centre and six points around it: c = the series'
    // colour, w = background, - = anything but the series' colour.
    const std::array<QPoint, 7> intorno = {QPoint(0, 0), {-2, 0}, {3, 0},  {0, -3},
                                           {0, 3},       {-3, 3}, {-3, -3}};
    const std::string disco = "ccccc--", anello = "wwccc--", su = "c--ccc-", giu = "c--cc-c";
    const struct {
        int ora;
        const char* chiave;
        int valore;
        const char* q;
        const char* d;
        int y;
        std::string forma;
    } casi[] = {
        {7, "foF2", 52, "", "", fondo_frequenze - 47, disco},      // 5.2 MHz: 46.8 rows up
        {12, "foF2", 120, "U", "", fondo_frequenze - 108, anello}, // 12.0 MHz
        {12, "hF2", 320, "", "", fondo_altezze - 72, disco},       // 320 km
        {3, "M3000F2", 300, "", "", fondo_muf - 90, disco},        // 3.00, on the MUF axis as 30
        {18, "MUF3000F2", 250, "", "", fondo_muf - 75, disco},     // 25.0 MHz
        {20, "fxI", 250, "", "", fondo_frequenze - 180, disco},    // 25.0 MHz: held at the axis top
        {14, "foF2", 70, "D", "", fondo_frequenze - 63, su},
        {16, "foEs", 15, "E", "S", fondo_frequenze - 14, giu}, // Es missing: below 1.5 MHz
        {17, "fmin", 15, "", "E", fondo_frequenze - 14, giu},  // at the sounder's lowest
    };
    for (const auto& c : casi)
        g.sondaggi[static_cast<std::size_t>(c.ora * 4)].valori[*indice_chiave(c.chiave)] = {
            c.valore, c.q, c.d};
    // foEs under foF2 at 10:00: a dot of foEs stays at the centre of foF2's disc.
    g.sondaggi[40].valori[*indice_chiave("foF2")] = {80, "", ""};
    g.sondaggi[40].valori[*indice_chiave("foEs")] = {80, "", ""};
    // The status strip: blank (not scaled), No ionogram, foF2 replaced by a letter.
    g.sondaggi[4 * 4].valori[*indice_chiave("foF2")] = {std::nullopt, "", "B"};
    g.sondaggi[5 * 4].valori[*indice_chiave("foF2")] = {std::nullopt, "", "C"};
    g.sondaggi[5 * 4].valori[*indice_chiave("fmin")] = {std::nullopt, "", "C"};
    const QImage immagine = disegno_panoramica({&g, 37, {}}); // 09:00 being scaled
    ASSERT_EQ(immagine.size(), QSize(1000, 760));
    const QRgb bianco = qRgb(255, 255, 255);
    for (const auto& c : casi) {
        const QRgb colore = serie_di(c.chiave).colore;
        std::string letta;
        for (const QPoint d : intorno) {
            const QRgb p = immagine.pixel(QPoint(colonna(c.ora), c.y) + d);
            letta += p == colore ? 'c' : p == bianco ? 'w' : '-';
        }
        // A background pixel is also "anything but the colour".
        for (std::size_t n = 0; n < letta.size(); ++n)
            if (c.forma[n] == '-' && letta[n] == 'w') letta[n] = '-';
        EXPECT_EQ(letta, c.forma) << c.chiave << " " << c.ora;
    }
    const QPoint es(colonna(10), fondo_frequenze - 72);
    EXPECT_EQ(immagine.pixel(es), serie_di("foEs").colore);
    EXPECT_EQ(immagine.pixel(es + QPoint(3, 0)), serie_di("foF2").colore);
    const std::pair<int, stato_sondaggio> stati[] = {{7, stato_sondaggio::scalato},
                                                     {3, stato_sondaggio::scalato},
                                                     {2, stato_sondaggio::non_scalato},
                                                     {5, stato_sondaggio::senza_ionogramma},
                                                     {4, stato_sondaggio::lettera_per_fof2}};
    for (const auto& [ora, stato] : stati)
        EXPECT_EQ(immagine.pixel(colonna(ora), geometria_panoramica::riga_striscia + 4),
                  colore_stato(stato))
            << ora;
    // The band of the current sounding runs through all three panels.
    for (const int y : {100, 350, 600})
        EXPECT_EQ(immagine.pixel(colonna(9), y), colore_sondaggio_corrente) << y;
    EXPECT_NE(disegno_panoramica({&g, std::nullopt, {}}).pixel(colonna(9), 100),
              colore_sondaggio_corrente);
    // Without a day: the empty panels, nothing drawn inside them.
    const QImage vuota = disegno_panoramica({nullptr, std::nullopt, "cannot be read"});
    EXPECT_EQ(vuota.pixel(colonna(7), fondo_frequenze - 47), bianco);
}
