#include "base/numeri.h"
#include "display/disegno.h"
#include "display/echi.h"

#include "supporto.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velaris;
using namespace velaris::prova;

namespace {

const geometria_grafico principale = geometria_grafico::finestra_principale();

QImage disegnato(const dati_ionogramma& d, const geometria_grafico& g = principale) {
    QImage s = crea_superficie(g);
    disegno_ionogramma(s, g, d, Qt::white);
    return s;
}

} // namespace

TEST(Normalizzazione, RescalesToGreyLevelsByTruncation) {
    const struct {
        std::int16_t massimo, cella, atteso;
    } casi[] = {{127, 127, 254}, {127, 7, 14}, {255, 7, 6}, {255, 100, 99},
                {200, 199, 252}, {7, 7, 254},  {255, 0, 0}};
    for (const auto& c : casi) {
        auto d = ionogramma(1.0f, 20.0f, 0.05f);
        d.cella(381, 150) = c.massimo;
        d.cella(1, 1) = c.cella;
        normalizzazione_ampiezze(d);
        EXPECT_EQ(d.cella(1, 1), c.atteso) << c.massimo << " " << c.cella;
        EXPECT_EQ(d.cella(381, 150), 254);
    }
    auto zero = ionogramma(1.0f, 20.0f, 0.05f);
    normalizzazione_ampiezze(zero);
    EXPECT_EQ(zero.ampiezze, ionogramma(1.0f, 20.0f, 0.05f).ampiezze);
}

TEST(Normalizzazione, BadMatricesFailCleanlyOrAreCutToWhatExists) {
    auto negativa = ionogramma(1.0f, 1.1f, 0.05f);
    negativa.cella(1, 1) = 1;
    negativa.cella(2, 1) = -32768;
    const auto prima = negativa.ampiezze;
    EXPECT_THROW(normalizzazione_ampiezze(negativa), errore_overflow);
    EXPECT_EQ(negativa.ampiezze, prima); // nothing changed

    auto corta = ionogramma(1.0f, 20.0f, 0.05f);
    corta.cella(2, 1) = 50;
    corta.ampiezze.resize(150 * 2); // fewer cells than numero_frequenze says
    normalizzazione_ampiezze(corta);
    EXPECT_EQ(corta.cella(2, 1), 254);
    EXPECT_EQ(a(disegnato(corta), principale, 5, 1), grigio(254));
}

TEST(Echi, BlockColumnsPerStep) {
    const struct {
        float inizio, passo;
        int i;
        int x_primo, x_ultimo;
    } casi[] = {
        {1.0f, 0.05f, 2, 5, 6},   {1.0f, 0.05f, 1, 3, 4},  {1.0f, 0.5f, 1, 1, 4},
        {1.0f, 0.5f, 2, 21, 24},  {1.0f, 0.025f, 1, 4, 4}, {1.0f, 0.025f, 3, 6, 6},
        {1.0f, 0.1f, 1, 1, 4},    {1.0f, 0.2f, 2, 9, 12},  {2.0f, 0.05f, 1, 43, 44},
        {1.013f, 0.05f, 2, 5, 6}, // o = round(0.26) = 0
        {1.075f, 0.05f, 1, 7, 8}, // o = round(1.5000...) = 2
    };
    const int j = 5; // rows 17 .. 20
    for (const auto& c : casi) {
        auto d = ionogramma(c.inizio, 20.0f, c.passo);
        d.cella(c.i, j) = 200;
        const QImage s = disegnato(d);
        for (int x = c.x_primo - 1; x <= c.x_ultimo + 1; ++x)
            for (int y = 16; y <= 21; ++y) {
                const bool dentro = x >= c.x_primo && x <= c.x_ultimo && y >= 17 && y <= 20;
                EXPECT_EQ(a(s, principale, x, y) == grigio(200), dentro)
                    << c.inizio << " " << c.passo << " i=" << c.i << " x=" << x << " y=" << y;
            }
    }
}

TEST(Echi, GreyLevelsOverGridAndNotOverFrame) {
    auto d = ionogramma(1.0f, 20.0f, 0.05f);
    d.cella(1, 3) = 127; // x 3..4, rows 9..12: over a grid line and a grid row
    d.cella(20, 150) = 7;
    normalizzazione_ampiezze(d);
    const QImage s = disegnato(d);
    EXPECT_EQ(a(s, principale, 4, 12), grigio(254));
    EXPECT_EQ(a(s, principale, 5, 12), grigio_griglia); // zero cell: the grid shows
    EXPECT_EQ(a(s, principale, 42, 600), grigio(14));
    EXPECT_EQ(a(s, principale, 42, 601), giallo);

    // Only the five steps of the table draw echoes, compared as exact floats.
    for (const float passo : {0.04f, std::nextafter(0.05f, 1.0f)}) {
        auto ignoto = ionogramma(1.0f, 20.0f, passo);
        for (auto& cella : ignoto.ampiezze)
            cella = 200;
        EXPECT_EQ(disegnato(ignoto), disegnato(ionogramma(1.0f, 20.0f, passo))) << passo;
    }
}

TEST(Echi, BlocksAreClippedAtTheSurfaceEdges) {
    // Step 0.1: the block of i = 1 covers 4 (o + 1) - 3 .. 4 (o + 1).
    auto sinistra = ionogramma(-4.6f, 20.0f, 0.1f); // o = -56: x = -223 .. -220
    sinistra.cella(1, 1) = 100;
    const QImage s = disegnato(sinistra);
    EXPECT_EQ(s.pixel(0, principale.riga(1)) & 0xffffffu, grigio(100));
    EXPECT_EQ(s.pixel(1, principale.riga(1)) & 0xffffffu, blu);

    const auto compagna = geometria_grafico::finestra_compagna();
    auto destra = ionogramma(20.8f, 40.0f, 0.1f); // o = 198: x = 793 .. 796, last column 794
    destra.cella(1, 1) = 100;
    const QImage c = disegnato(destra, compagna);
    EXPECT_EQ(c.pixel(824, compagna.riga(1)) & 0xffffffu, grigio(100));
    EXPECT_EQ(c.pixel(823, compagna.riga(1)) & 0xffffffu, grigio(100));
    EXPECT_EQ(c.pixel(822, compagna.riga(1)) & 0xffffffu, blu);
}

TEST(Echi, SixteenBitOverflowStopsTheEchoesQuietly) {
    auto enorme = ionogramma(1.0f, 20.0f, 0.05f);
    enorme.frequenza_iniziale = 1e6f; // o does not fit in 16 bits
    enorme.cella(1, 1) = 100;
    EXPECT_NO_THROW(disegnato(enorme));
    // o = -10 with 2000 frequencies of 0.5 MHz: x_right overflows from
    // i = 1649 on; the frequencies before it are drawn.
    auto lunga = ionogramma(-4.0f, 995.5f, 0.5f);
    lunga.cella(11, 1) = 100;
    lunga.cella(2000, 1) = 100;
    EXPECT_EQ(a(disegnato(lunga), principale, 1, 1), grigio(100));
}
