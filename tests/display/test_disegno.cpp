#include "display/disegno.h"
#include "display/etichette.h"

#include "supporto.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

using namespace velaris;
using namespace velaris::prova;

namespace {

const geometria_grafico principale = geometria_grafico::finestra_principale();
const geometria_grafico compagna = geometria_grafico::finestra_compagna();

/// Plot columns of the vertical grid lines, read along a row without grid row.
std::vector<int> linee_verticali(const QImage& s, const geometria_grafico& g) {
    std::vector<int> colonne;
    for (int x = 1; x <= 764; ++x)
        if (a(s, g, x, 300) == grigio_griglia) colonne.push_back(x);
    return colonne;
}

/// The labels as a plain QPainter prints them on the window background.
QImage etichette_stampate(const geometria_grafico& g, const QColor& colore) {
    QImage s = crea_superficie(g);
    QPainter pittore(&s);
    pittore.setPen(colore);
    const QFontMetrics metriche(QGuiApplication::font(), &s);
    for (const auto& e : etichette_assi())
        pittore.drawText(QPoint(g.colonna(e.x), g.riga(e.y) + metriche.ascent()),
                         QString::fromStdString(e.testo));
    return s;
}

} // namespace

TEST(Cornice, YellowFrameAroundBlackPlotInBothWindows) {
    for (const auto& g : {principale, compagna}) {
        QImage s = crea_superficie(g);
        disegno_grafico_vuoto(s, g, Qt::white);
        for (const auto& [x, y] :
             {std::pair{0, 0}, {0, 601}, {765, 0}, {765, 601}, {383, 0}, {0, 300}})
            EXPECT_EQ(a(s, g, x, y), giallo) << x << "," << y;
        EXPECT_EQ(a(s, g, 1, 1), nero);
        EXPECT_EQ(a(s, g, 764, 600), nero);
        EXPECT_EQ(a(s, g, 766, 300), blu);
        EXPECT_EQ(a(s, g, 300, 602), blu);
        EXPECT_TRUE(linee_verticali(s, g).empty());
        EXPECT_EQ(a(s, g, 1, 12), nero); // no height grid either
    }
}

TEST(Griglia, VerticalLinesOnlyWithinTheSoundedRange) {
    const struct {
        float inizio, fine;
        int primo_x, ultimo_x;
    } casi[] = {{1.0f, 20.0f, 4, 764},
                {2.0f, 12.0f, 44, 444},
                {1.5f, 19.95f, 44, 724},
                {0.5f, 25.0f, 4, 764}};
    for (const auto& c : casi) {
        QImage s = crea_superficie(principale);
        disegno_ionogramma(s, principale, ionogramma(c.inizio, c.fine, 0.05f), Qt::white);
        std::vector<int> attese;
        for (int x = c.primo_x; x <= c.ultimo_x; x += 40)
            attese.push_back(x);
        EXPECT_EQ(linee_verticali(s, principale), attese) << c.inizio << "-" << c.fine;
    }
}

TEST(Griglia, LinesStopInsideTheFrame) {
    QImage s = crea_superficie(principale);
    disegno_ionogramma(s, principale, ionogramma(1.0f, 20.0f, 0.05f), Qt::white);
    EXPECT_EQ(a(s, principale, 4, 600), grigio_griglia);
    EXPECT_EQ(a(s, principale, 4, 0), giallo);
    EXPECT_EQ(a(s, principale, 4, 601), giallo);
    for (const int y : {12, 102, 190, 280, 368, 458, 546}) {
        EXPECT_EQ(a(s, principale, 1, y), grigio_griglia) << y;
        EXPECT_EQ(a(s, principale, 764, y), grigio_griglia) << y;
        EXPECT_EQ(a(s, principale, 765, y), giallo) << y;
        EXPECT_EQ(a(s, principale, 2, y + 1), nero) << y;
    }
}

TEST(Etichette, TextsAndPositions) {
    const auto& e = etichette_assi();
    ASSERT_EQ(e.size(), 29u);
    const struct {
        std::size_t n;
        const char* testo;
        int x, y;
    } casi[] = {{0, " 1", -3, -4},     {8, " 9", 317, -4},    {9, " 10", 354, -4},
                {19, " 20", 754, -4},  {20, "MHz", 732, -10}, {21, "100", 770, 16},
                {27, "700", 770, 550}, {28, "km", 770, 580}};
    for (const auto& c : casi) {
        EXPECT_EQ(e[c.n].testo, c.testo);
        EXPECT_EQ(e[c.n].x, c.x) << c.testo;
        EXPECT_EQ(e[c.n].y, c.y) << c.testo;
    }
}

TEST(Etichette, CachedLabelsMatchTextPrintedOnTheBackground) {
    for (const auto& g : {principale, compagna})
        for (const QColor& colore : {QColor(Qt::white), QColor(255, 128, 0)}) {
            QImage s = crea_superficie(g);
            disegno_grafico_vuoto(s, g, colore);
            const QImage attesa = etichette_stampate(g, colore);
            int diversi = 0, inchiostro = 0;
            for (int r = 0; r < s.height(); ++r)
                for (int c = 0; c < s.width(); ++c) {
                    const int x = g.x_da_colonna(c), y = g.y_da_riga(r);
                    if (x >= 0 && x <= 765 && y >= 0 && y <= 601) continue; // the plot
                    diversi += s.pixel(c, r) != attesa.pixel(c, r);
                    inchiostro += (s.pixel(c, r) & 0xffffffu) != blu;
                }
            EXPECT_EQ(diversi, 0) << colore.name().toStdString();
            EXPECT_GT(inchiostro, 29 * 8);
        }
}

TEST(Disegno, RedrawRepaintsThePlotAndLabelsOnly) {
    const auto d = ionogramma(1.0f, 20.0f, 0.05f);
    QImage attesa = crea_superficie(principale);
    disegno_ionogramma(attesa, principale, d, Qt::white);
    QImage s = attesa.copy();
    for (int x = 10; x < 700; ++x)
        punto(s, principale, x, x / 2 + 5, 0xffc80000); // a curve
    for (QImage* i : {&s, &attesa}) { // marks in the margins, which nothing repaints
        punto(*i, principale, -100, 300, 0xffff0000);
        punto(*i, principale, 790, 650, 0xffff0000);
    }
    disegno_grafico_vuoto(s, principale, QColor(255, 0, 0)); // labels of another colour
    disegno_ionogramma(s, principale, d, Qt::white);
    disegno_ionogramma(s, principale, d, Qt::white); // antialiased text does not thicken
    EXPECT_EQ(s, attesa);
}
