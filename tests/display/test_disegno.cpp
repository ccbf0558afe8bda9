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
    // steep segment, each without its end; gone at the next drawing.
    disegno p(1.0f, 20.0f, 0.05f);
    const QImage prima = p.s;
    disegno_curva_trasmissione(p.s, principale, {{10, 20}, {10, 20}, {10, 24}, {13, 27}, {14, 30}});
    std::vector<std::pair<int, int>> rossi;
    for (int x = -220; x <= 794; ++x)
        for (int y = -50; y <= 670; ++y)
            if (p(x, y) == 0xc80000) rossi.emplace_back(x, y);
    // clang-format off
    EXPECT_EQ(rossi, (decltype(rossi){{10, 20}, {10, 21}, {10, 22}, {10, 23}, {10, 24}, {11, 25},
                                      {12, 26}, {13, 27}, {13, 28}, {14, 29}}));
    // clang-format on
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
