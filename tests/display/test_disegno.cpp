// The plot as the operator sees it, pixel by pixel in plot coordinates: the
// yellow frame round the black plot, grey grid lines on the whole MHz of the
// sounded range and on the fixed height rows, the echoes as grey blocks, the
// red transmission curve, where the axis labels stand, and the frequency and
// height read out under the pointer.

#include "display/curva_trasmissione.h"
#include "display/disegno.h"
#include "display/echi.h"
#include "display/etichette.h"
#include "display/lettura_cursore.h"
#include "display/marcatore_proposta.h"
#include "display/panoramica_giorno.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <optional>

using namespace velaris;

namespace {

// The labels need a QGuiApplication (ctest sets QT_QPA_PLATFORM=offscreen).
int argc_qt = 1;
char nome[] = "test_display", *argv_qt[] = {nome, nullptr};
struct ambiente_qt : testing::Environment {
    std::optional<QGuiApplication> applicazione;
    void SetUp() override { applicazione.emplace(argc_qt, argv_qt); }
    void TearDown() override { applicazione.reset(); }
};
[[maybe_unused]] const auto* const ambiente = testing::AddGlobalTestEnvironment(new ambiente_qt);

constexpr geometria_grafico principale = geometria_grafico::finestra_principale();

/// The plot of an ionogram without echoes (761 frequencies hold 1 .. 20 MHz
/// at any step) but for cell [i][5] of 200, or the empty plot for a step of
/// 0; the colour at each plot position (x, y).
struct disegno {
    dati_ionogramma d;
    QImage s = crea_superficie(principale);
    disegno(float inizio, float fine, float passo, int i = 0)
        : d{inizio, fine, passo, 761, std::vector<std::int16_t>(761 * 150)} {
        if (i > 0) d.cella(i, 5) = 200;
        passo > 0 ? disegno_ionogramma(s, principale, d, Qt::white)
                  : disegno_grafico_vuoto(s, principale, Qt::white);
    }
    QRgb operator()(int x, int y) const {
        return s.pixel(principale.colonna(x), principale.riga(y)) & 0xffffff;
    }
};


constexpr int colonna(int ora) { return 64 + ora * 36; }
constexpr int frequenze = 252, altezze = 484, muf = 716; // bottom rows

QRgb colore_di(std::string_view chiave) {
    const auto& serie = serie_della_panoramica();
    return std::find_if(serie.begin(), serie.end(), [&](auto& s) { return s.chiave == chiave; })
        ->colore;
}

} // namespace

TEST(Disegno, FrameGridAndLabels) {
    // Grey lines at x = 40 f - 36 for the whole f MHz of the sounded range and
    // at the rows of 100 .. 700 km; none without an ionogram. Yellow sides,
    // black inside, the window's blue beyond.
    const disegno vuoto(0, 0, 0), tutto(1, 20, 0.05f), parte(1.9f, 12.5f, 0.05f);
    const QRgb g = 0x646464, b = 0xffff00, n = 0, fuori = 0xc0;
    // clang-format off
    const std::tuple<const disegno&, int, int, QRgb> casi[] = {
        {vuoto, 4, 300, n}, {vuoto, 300, 12, n}, {vuoto, 0, 0, b}, {vuoto, 400, 601, b},
        {vuoto, 765, 300, b}, {vuoto, 766, 0, fuori}, {vuoto, 0, 602, fuori}, {vuoto, 1, 1, n},
        {vuoto, 764, 600, n}, {tutto, 4, 300, g}, {tutto, 5, 300, n}, {tutto, 404, 1, g},
        {tutto, 764, 600, g}, {tutto, 400, 0, b}, {tutto, 2, 12, g}, {tutto, 764, 546, g},
        {tutto, 2, 13, n}, {tutto, 2, 102, g}, {tutto, 2, 190, g}, {parte, 4, 300, n},
        {parte, 44, 300, g}, {parte, 444, 300, g}, {parte, 484, 300, n}};
    // clang-format on
    for (const auto& [p, x, y, colore] : casi) EXPECT_EQ(p(x, y), colore) << x << "," << y;
    // The top-left corner of each label: n MHz is printed " n" from 7 columns
    // before its grid line (10 from 10 MHz on) at y = -4, a height 4 rows above its grid row.
    const auto& e = etichette_assi();
    ASSERT_EQ(e.size(), 29u); // 1 .. 20, MHz, 100 .. 700, km
    for (const auto& [k, x, y] : {std::tuple{0, -3, -4}, {9, 354, -4}, {21, 770, 16}})
        EXPECT_TRUE(e[k].x == x && e[k].y == y) << e[k].testo;
    EXPECT_EQ(e[0].testo + e[9].testo + e[20].testo + e[21].testo + e[28].testo, " 1 10MHz100km");
}

TEST(Disegno, EchoBlocksAndTheTransmissionCurve) {
    // The cell of frequency index i at height sample 5 is a block on rows
    // 17 .. 20 ending on its frequency's column x = 40 f - 36.
    // clang-format off
    const struct { float inizio, passo; int i, x_primo, x_ultimo; } casi[] = {
        {1.0f, 0.025f, 3, 6, 6}, {1.0f, 0.05f, 2, 5, 6}, {1.0f, 0.1f, 1, 1, 4},
        {1.0f, 0.2f, 2, 9, 12}, {1.0f, 0.5f, 1, 1, 4}, {1.0f, 0.5f, 2, 21, 24},
        {1.013f, 0.05f, 2, 5, 6}, // off the step grid: o = round(0.26) = 0
        {1.0f, 0.04f, 2, 1, 0},   // not a step of the table: no echo at all
    };
    // clang-format on
    for (const auto& c : casi) {
        const disegno v(c.inizio, 20.0f, c.passo), p(c.inizio, 20.0f, c.passo, c.i); // v: no echo
        for (int x = 0; x <= 26; ++x)
            for (int y = 16; y <= 21; ++y) {
                const bool blocco = x >= c.x_primo && x <= c.x_ultimo && y >= 17 && y <= 20;
                ASSERT_EQ(p(x, y), blocco ? 0xc8c8c8u : v(x, y)) << c.passo << ':' << x << ',' << y;
            }
    }
    // Rescaled by truncation so that the strongest is 254; an all-zero matrix stays.
    dati_ionogramma d = disegno(1.0f, 20.0f, 0.05f).d, zero = d;
    d.cella(1, 1) = 7;
    d.cella(381, 150) = 127;
    normalizzazione_ampiezze(d);
    normalizzazione_ampiezze(zero);
    EXPECT_TRUE(d.cella(1, 1) == 14 && d.cella(381, 150) == 254);
    EXPECT_EQ(zero.ampiezze, std::vector<std::int16_t>(761 * 150));
    // The red transmission curve: a repeated vertex, a vertical, a diagonal, a
    // steep segment, a horizontal leftwards, each without its end; gone at the
    // next drawing, and so is the green ring of a proposal, 4 and 5 pixels
    // round its centre and only on the plot.
    disegno p(1.0f, 20.0f, 0.05f);
    const QImage prima = p.s;
    disegno_curva_trasmissione(p.s, principale, {{10, 20}, {10, 20}, {10, 24}, {13, 27}, {14, 30}, {12, 30}});
    std::vector<std::pair<int, int>> rossi;
    for (int x = -220; x <= 794; ++x)
        for (int y = -50; y <= 670; ++y)
            if (p(x, y) == 0xc80000) rossi.emplace_back(x, y);
    // clang-format off
    EXPECT_EQ(rossi, (decltype(rossi){{10, 20}, {10, 21}, {10, 22}, {10, 23}, {10, 24}, {11, 25},
                                      {12, 26}, {13, 27}, {13, 28}, {13, 30}, {14, 29}, {14, 30}}));
    // clang-format on
    disegno_marcatore_proposta(p.s, principale, {3, 300});
    std::string riga; // x = -3 .. 9 through the centre
    for (int x = -3; x <= 9; ++x) riga += p(x, 300) == 0x00ff00 ? 'o' : '.';
    EXPECT_EQ(riga, "..........oo.");
    disegno_ionogramma(p.s, principale, p.d, Qt::white);
    EXPECT_EQ(p.s, prima);
}

TEST(LetturaCursore, ReadOutOnAndOffThePlot) {
    constexpr auto M = lettura_cursore::azione::mostra, S = lettura_cursore::azione::svuota;
    // Position, selected characteristic, ionogram shown, decimal separator,
    // then what the two labels do and show.
    // clang-format off
    const struct { int x, y; const char* grandezza; bool presente; char separatore;
                   lettura_cursore::azione cosa; const char *frequenza, *altezza; } casi[] = {
        {4, 1, "foF2", true, '.', M, "1.000", "86.625"},
        {764, 600, "foF2", true, ',', M, "20,000", "760,500"},
        {2, 50, "foF2", true, '.', M, "1,000", "141.750"},   // not .950
        {5, 102, "foF2", true, '.', M, "1.025", "200,000"},  // not 200.250
        {765, 300, "foF2", true, '.', S, "", ""}, {300, 601, "foF2", true, '.', S, "", ""},
        {300, 300, "tipoEs", true, '.', S, "", ""}, {300, 300, "M3000F2", false, '.', S, "", ""},
        {300, 300, "foF2", false, '.', lettura_cursore::azione::invariata, "", ""},
    };
    // clang-format on
    for (const auto& c : casi) {
        const auto l = calcola_lettura_cursore(c.x, c.y, c.grandezza, c.presente, c.separatore);
        EXPECT_TRUE(l.cosa == c.cosa && l.frequenza == c.frequenza && l.altezza == c.altezza)
            << c.x << "," << c.y << " " << c.grandezza << ": " << l.frequenza << " " << l.altezza;
    }
}

// The day overview, pixel by pixel: 00:00 UT at column 64 and 36 columns an
// hour; 0 on each panel's bottom row (252, 484, 716) and 20 MHz, 800 km or
// 60 MHz 180 rows higher. Values stand where the axes put them, shaped by
// their letters; the sounding being scaled is a band; the strip under the
// panels tells each sounding's state; a click picks the nearest sounding.

TEST(Panoramica, MarksBandStatusStripAndClicks) {
    giornata g{"", {2023, 3, 5}, "15", 15, {}};
    for (int k = 0; k < 96; ++k) g.sondaggi.push_back({k * 15, {}, {}});
    // Stored values (none for -1) with their letters, and the shape at the
    // pixel the axes give, read at the centre and six points around it (c:
    // the series' colour, w: background, -: anything else): a disc, a ring
    // (qualified), a triangle up (greater than) or down (less than).
    const QPoint intorno[] = {{0, 0}, {-2, 0}, {3, 0}, {0, -3}, {0, 3}, {-3, 3}, {-3, -3}, {0, -1}};
    const std::string disco = "ccccc--c", anello = "wwccc--w", su = "c--ccc-c", giu = "c--cc-cc";
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
        {10, "foF2", "", "", 80, frequenze - 72, "-cccc---"}, // over foEs: a dot of it stays
        {10, "foEs", "", "", 80, frequenze - 72, "c------c"},
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
    // The M factors right of the MUF panel stand on its grid rows: each run of
    // rows holding text is centred within 2 rows of a grid line or the frame.
    int righe_testo = 0;
    for (int y = 533, inizio = -1; y <= 722; ++y) {
        bool testo = false;
        for (int x = 934; x <= 968; ++x) testo = testo || qRed(immagine.pixel(x, y)) < 160;
        if (testo && inizio < 0) inizio = y;
        if (testo || inizio < 0) continue;
        bool su_riga = false;
        for (int r = (inizio + y - 1) / 2 - 2; r <= (inizio + y - 1) / 2 + 2; ++r)
            su_riga = su_riga || qRed(immagine.pixel(927, r)) != 255;
        EXPECT_TRUE(su_riga) << "text on rows " << inizio << " to " << y - 1;
        inizio = -1, ++righe_testo;
    }
    EXPECT_GE(righe_testo, 3);
    // A click picks the nearest sounding of 96 (or 24); none off the day.
    // clang-format off
    const std::tuple<int, int, std::optional<int>> clic[] = {
        {colonna(9) + 4, 96, 37}, {colonna(9) + 6, 96, 38}, {63, 96, 1}, {928, 96, 96},
        {40, 96, {}}, {940, 96, {}}, {colonna(9), 24, 10}};
    // clang-format on
    for (const auto& [x, n, atteso] : clic) EXPECT_EQ(sondaggio_da_colonna(x, n), atteso) << x;
}
