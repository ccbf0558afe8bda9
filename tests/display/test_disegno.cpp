// The plot as the windows draw it: frame, grid, labels, echoes, the transmission
// curve and redraw.

#include "display/curva_trasmissione.h"
#include "display/disegno.h"
#include "display/echi.h"
#include "display/etichette.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

using namespace velaris;

namespace {

// The labels need a QGuiApplication, made before the first test (ctest sets
// QT_QPA_PLATFORM=offscreen).
int argc_qt = 1;
char nome[] = "test_display", *argv_qt[] = {nome, nullptr};
struct ambiente_qt : testing::Environment {
    std::optional<QGuiApplication> applicazione;
    void SetUp() override { applicazione.emplace(argc_qt, argv_qt); }
    void TearDown() override { applicazione.reset(); }
};
[[maybe_unused]] const auto* const ambiente = testing::AddGlobalTestEnvironment(new ambiente_qt);

constexpr geometria_grafico principale = geometria_grafico::finestra_principale();
constexpr geometria_grafico compagna = geometria_grafico::finestra_compagna();
constexpr QRgb nero = 0x000000, giallo = 0xffff00, grigio_griglia = 0x646464, blu = 0x0000c0;

/// Colour at plot position (x, y), alpha dropped.
QRgb a(const QImage& s, int x, int y, const geometria_grafico& g = principale) {
    return s.pixel(g.colonna(x), g.riga(y)) & 0xffffffu;
}

/// An ionogram without echoes; 761 frequencies hold 1 .. 20 MHz at any step.
dati_ionogramma ionogramma(float inizio, float fine, float passo) {
    return {inizio, fine, passo, 761, std::vector<std::int16_t>(761 * 150)};
}

QImage disegnato(const dati_ionogramma& d) {
    QImage s = crea_superficie(principale);
    disegno_ionogramma(s, principale, d, Qt::white);
    return s;
}

} // namespace

TEST(Disegno, YellowFrameAroundBlackPlotAndNoGridWithoutIonogram) {
    for (const auto& [g, larghezza] : {std::pair{principale, 1015}, {compagna, 825}}) {
        QImage s = crea_superficie(g);
        disegno_grafico_vuoto(s, g, Qt::white);
        EXPECT_EQ(s.size(), QSize(larghezza, 721));
        for (const auto& [x, y] : {std::pair{0, 0}, {0, 601}, {765, 0}, {765, 601}})
            EXPECT_EQ(a(s, x, y, g), giallo) << x << "," << y;
        // Black up to the frame, and no grid: the first line and row cross at (4, 12).
        EXPECT_TRUE(a(s, 764, 600, g) == nero && a(s, 4, 12, g) == nero && a(s, 766, 0, g) == blu);
    }
}

TEST(Disegno, GridLinesOnlyWithinTheSoundedRange) {
    // A line every 40 columns, on the whole MHz: 20 lines for 1-20 MHz, 11 for 2-12.
    for (const auto& [inizio, fine, prima, ultima] :
         {std::tuple{1.0f, 20.0f, 4, 764}, {2.0f, 12.0f, 44, 444}}) {
        const QImage s = disegnato(ionogramma(inizio, fine, 0.05f));
        std::vector<int> colonne, attese, righe;
        for (int k = 1; k <= 764; ++k) {
            if (a(s, k, 300) == grigio_griglia) colonne.push_back(k);
            if (k >= prima && k <= ultima && k % 40 == 4) attese.push_back(k);
            if (k <= 600 && a(s, 2, k) == grigio_griglia) righe.push_back(k);
        }
        EXPECT_EQ(colonne, attese) << inizio << "-" << fine;
        EXPECT_EQ(righe, (std::vector<int>{12, 102, 190, 280, 368, 458, 546}));
        EXPECT_TRUE(a(s, prima, 0) == giallo && a(s, prima, 601) == giallo &&
                    a(s, 765, 12) == giallo); // the lines stop inside the frame
    }
}

/// The axis labels where the drawing rules put them: n MHz has its grid line
/// at x = 40n - 36 (k = 10n - 9, x = 4k) and its text " n" starts 7 columns
/// before it below 10 MHz, 10 from 10 MHz on, at y = -4; "MHz" at (732, -10);
/// each height 4 rows above its grid row; "km" at (770, 580).
std::vector<etichetta_asse> etichette_attese() {
    std::vector<etichetta_asse> attese;
    for (int n = 1; n <= 20; ++n)
        attese.push_back({std::string(" ").append(std::to_string(n)), 40 * n - 36 - (n < 10 ? 7 : 10), -4});
    attese.push_back({"MHz", 732, -10});
    const std::pair<const char*, int> altezze[] = {{"100", 16},  {"200", 106}, {"300", 194}, {"400", 284},
                                                   {"500", 372}, {"600", 462}, {"700", 550}};
    for (const auto& [testo, y] : altezze) attese.push_back({testo, 770, y});
    attese.push_back({"km", 770, 580});
    return attese;
}

// The drawn labels equal the texts printed in order with QPainter at their
// positions on the background, also where large text makes "MHz" reach into
// "19" and "20".
TEST(Disegno, LabelsAreTheTextPrintedOnTheBackgroundInTheirColour) {
    const QFont prima = QGuiApplication::font();
    for (const auto& [punti, g, colore] : {std::tuple{8.0, principale, QColor(Qt::white)},
                                           {11.0, principale, QColor(255, 128, 0)},
                                           {11.0, compagna, QColor(Qt::white)}}) {
        QFont font = prima;
        font.setPointSizeF(punti);
        QGuiApplication::setFont(font);
        QImage s = crea_superficie(g), attesa = crea_superficie(g);
        disegno_grafico_vuoto(s, g, colore);
        rettangolo_pieno(attesa, g, 0, 0, 765, 601, colore_cornice);
        rettangolo_pieno(attesa, g, 1, 1, 764, 600, colore_grafico);
        const QImage senza_testo = attesa.copy();
        QPainter pittore(&attesa);
        pittore.setPen(colore);
        pittore.setFont(font);
        for (const auto& e : etichette_attese())
            pittore.drawText(g.colonna(e.x), g.riga(e.y) + QFontMetrics(font, &attesa).ascent(),
                             QString::fromStdString(e.testo));
        pittore.end();
        EXPECT_NE(attesa, senza_testo);
        EXPECT_EQ(s, attesa) << punti << " pt, " << colore.name().toStdString() << ", " << s.width() << " wide";
    }
    QGuiApplication::setFont(prima);
}

TEST(Disegno, CurveSegmentsFromVertexToVertexInRedUntilTheRedraw) {
    const auto rossi = [](const QImage& s) {
        std::set<std::pair<int, int>> punti;
        for (int x = -220; x <= 794; ++x)
            for (int y = -50; y <= 670; ++y)
                if (a(s, x, y) == 0xc80000u) punti.emplace(x, y);
        return punti;
    };
    const auto d = ionogramma(1.0f, 20.0f, 0.05f);
    QImage s = disegnato(d);
    // A repeated vertex (length zero), a vertical, a diagonal, a steep segment; each without its end.
    disegno_curva_trasmissione(s, principale, {{10, 20}, {10, 20}, {10, 24}, {13, 27}, {14, 30}});
    EXPECT_EQ(rossi(s), (std::set<std::pair<int, int>>{{10, 20}, {10, 21}, {10, 22}, {10, 23}, {10, 24},
                                                       {11, 25}, {12, 26}, {13, 27}, {13, 28}, {14, 29}}));
    // A redraw restores the plot, also over labels of another colour; antialiased text does not thicken.
    disegno_grafico_vuoto(s, principale, QColor(255, 0, 0));
    disegno_ionogramma(s, principale, d, Qt::white);
    disegno_ionogramma(s, principale, d, Qt::white);
    EXPECT_EQ(s, disegnato(d));
}

TEST(Echi, NormalisedToGreyLevelsByTruncation) {
    for (const auto& [massimo, cella, atteso] : {std::tuple{127, 7, 14}, {255, 100, 99}, {0, 0, 0}}) {
        auto d = ionogramma(1.0f, 20.0f, 0.05f);
        d.cella(381, 150) = static_cast<std::int16_t>(massimo);
        d.cella(1, 1) = static_cast<std::int16_t>(cella);
        normalizzazione_ampiezze(d);
        // The strongest echo becomes 254; an all-zero matrix stays as it is.
        EXPECT_TRUE(d.cella(1, 1) == atteso && d.cella(381, 150) == (massimo ? 254 : 0)) << massimo;
    }
}

TEST(Echi, BlockColumnsForEachStep) {
    const struct { float inizio, passo; int i, x_primo, x_ultimo; } casi[] = {
        {1.0f, 0.025f, 3, 6, 6},  {1.0f, 0.05f, 2, 5, 6}, {1.0f, 0.1f, 1, 1, 4},
        {1.0f, 0.2f, 2, 9, 12},   {1.0f, 0.5f, 1, 1, 4},  {1.0f, 0.5f, 2, 21, 24},
        {1.013f, 0.05f, 2, 5, 6}, // o = round(0.26) = 0
        {1.0f, 0.04f, 2, 1, 0},   // not a step of the table: no echo at all
    };
    for (const auto& c : casi) {
        auto d = ionogramma(c.inizio, 20.0f, c.passo);
        const QImage vuota = disegnato(d);
        d.cella(c.i, 5) = 200; // height sample 5: rows 17 .. 20
        const QImage s = disegnato(d);
        for (int x = 0; x <= 26; ++x)
            for (int y = 16; y <= 21; ++y) {
                const bool blocco = x >= c.x_primo && x <= c.x_ultimo && y >= 17 && y <= 20;
                EXPECT_EQ(a(s, x, y), blocco ? 0xc8c8c8u : a(vuota, x, y))
                    << c.inizio << " " << c.passo << " x=" << x << " y=" << y;
            }
    }
}

TEST(Echi, BlocksOffTheSurfaceOrBeyond16BitsAreLeftOut) {
    auto d = ionogramma(-4.6f, 20.0f, 0.1f); // o = -56: i = 1 on x = -223 .. -220
    QImage attesa = disegnato(d);
    QPainter(&attesa).fillRect(0, principale.riga(4), 1, 4, QColor(200, 200, 200)); // column 0
    d.cella(1, 1) = 200;
    EXPECT_EQ(disegnato(d), attesa);
    d.frequenza_iniziale = 1e6f; // o does not fit in 16 bits
    EXPECT_EQ(disegnato(d), disegnato(ionogramma(1e6f, 20.0f, 0.1f)));
}
