// The monthly tabulation: counts, medians and quartiles per hour on a crafted
// month, and the cells with their letters.

#include "results/tabulazione.h"

#include <gtest/gtest.h>

using namespace velaris;

namespace {

struct valore_prova {
    int giorno, ora;
    std::optional<int> valore;
    std::string q, d;
};

/// Days of March 2023 at interval 60 holding the given foF2 values.
std::vector<giornata> mese_di_prova(const std::vector<valore_prova>& valori) {
    std::vector<giornata> giorni;
    for (const auto& v : valori) {
        auto it = std::find_if(giorni.begin(), giorni.end(),
                               [&](const giornata& g) { return g.data.giorno == v.giorno; });
        if (it == giorni.end()) {
            giornata g{"", {2023, 3, v.giorno}, "60", 60, {}};
            for (int ora = 0; ora < 24; ++ora) g.sondaggi.push_back({ora * 60, {}, {}});
            giorni.push_back(g);
            it = giorni.end() - 1;
        }
        valore_letto& l = it->sondaggi[static_cast<std::size_t>(v.ora)].valori[*indice_chiave("foF2")];
        l = {v.valore, v.q, v.d};
    }
    return giorni;
}

std::vector<std::string> righe_di(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t da = 0;
    for (std::size_t a; (a = testo.find("\r\n", da)) != std::string::npos; da = a + 2)
        righe.push_back(testo.substr(da, a - da));
    return righe;
}

/// Cell of hour h in a row: after the three-character label, six per hour.
std::string cella(const std::string& riga, int ora) {
    return riga.substr(static_cast<std::size_t>(3 + 6 * ora), 6);
}

} // namespace

TEST(Statistiche, MedianAndQuartilesByTheHalves) {
    struct caso {
        std::vector<int> valori;
        int conteggio;
        std::optional<double> mediana, uq, lq;
    };
    const caso casi[] = {
        {{}, 0, {}, {}, {}},
        {{5}, 1, 5, {}, {}},
        {{7, 3}, 2, 5, 7, 3},
        {{3, 1, 2}, 3, 2, 3, 1},
        {{4, 1, 3, 2}, 4, 2.5, 3.5, 1.5},
        {{10, 20, 30, 40, 50, 60, 70}, 7, 40, 60, 20},
        {{52, 52, 52, 60, 61, 90, 40, 41}, 8, 52, 60.5, 46.5},
    };
    for (const auto& c : casi) {
        const statistiche_ora s = statistiche(c.valori);
        EXPECT_EQ(s.conteggio, c.conteggio);
        EXPECT_EQ(s.mediana, c.mediana) << c.conteggio;
        EXPECT_EQ(s.quartile_superiore, c.uq) << c.conteggio;
        EXPECT_EQ(s.quartile_inferiore, c.lq) << c.conteggio;
    }
}

TEST(TabulazioneMensile, CountsMediansAndCellsOnACraftedMonth) {
    // Hour 00: 40, 44, 48, 52 on days 1-4 -> CNT 4, MED 46, UQ 50, LQ 42.
    // Hour 12: 50 (U), 61 (D R), letters only on day 3 -> CNT 2, MED 55.5 -> 56,
    //          UQ 61, LQ 50. Hour 23: nothing.
    const auto giorni = mese_di_prova({{1, 0, 40, "", ""},
                                       {2, 0, 44, "", ""},
                                       {3, 0, 48, "", ""},
                                       {4, 0, 52, "", ""},
                                       {1, 12, 50, "U", ""},
                                       {2, 12, 61, "D", "R"},
                                       {3, 12, std::nullopt, "", "C"}});
    std::vector<const giornata*> scelti;
    for (const auto& g : giorni) scelti.push_back(&g);
    const auto righe = righe_di(tabulazione_mensile("foF2", 2023, 3, scelti));
    ASSERT_EQ(righe.size(), 1u + 1 + 1 + 31 + 1 + 4);
    EXPECT_EQ(righe[0], "Ostrand   foF2   URSI code 00   unit 0.1 MHz   2023-03");
    EXPECT_EQ(cella(righe[2], 12), "  12  ");
    const std::string& giorno1 = righe[3];
    EXPECT_EQ(giorno1.substr(0, 3), "01 ");
    EXPECT_EQ(cella(giorno1, 0), "  40  ");
    EXPECT_EQ(cella(giorno1, 12), "  50U ");
    EXPECT_EQ(cella(righe[4], 12), "  61DR");
    EXPECT_EQ(cella(righe[5], 12), "     C");
    EXPECT_EQ(righe[3 + 30].substr(0, 3), "31 "); // a day without a file keeps its row
    EXPECT_EQ(cella(righe[3 + 30], 0), "      ");

    const std::string& cnt = righe[35];
    const std::string& med = righe[36];
    const std::string& uq = righe[37];
    const std::string& lq = righe[38];
    EXPECT_EQ(cnt.substr(0, 3), "CNT");
    EXPECT_EQ(med.substr(0, 3), "MED");
    EXPECT_EQ(uq.substr(0, 3), "UQ ");
    EXPECT_EQ(lq.substr(0, 3), "LQ ");
    const std::tuple<int, const char*, const char*, const char*, const char*> attesi[] = {
        {0, "   4  ", "  46  ", "  50  ", "  42  "},
        {12, "   2  ", "  56  ", "  61  ", "  50  "},
        {23, "   0  ", "      ", "      ", "      "}};
    for (const auto& [ora, c, m, u, l] : attesi) {
        EXPECT_EQ(cella(cnt, ora), c) << ora;
        EXPECT_EQ(cella(med, ora), m) << ora;
        EXPECT_EQ(cella(uq, ora), u) << ora;
        EXPECT_EQ(cella(lq, ora), l) << ora;
    }
}

TEST(TabulazioneMensile, TitleNamesTheUnitOfTheCharacteristic) {
    const auto titolo = [](const char* chiave) {
        return righe_di(tabulazione_mensile(chiave, 2024, 2, {})).front();
    };
    EXPECT_EQ(titolo("foE"), "Ostrand   foE   URSI code 20   unit 0.01 MHz   2024-02");
    EXPECT_EQ(titolo("hF2"), "Ostrand   h'F2   URSI code 04   unit km   2024-02");
    EXPECT_EQ(titolo("M3000F2"), "Ostrand   M(3000)F2   URSI code 03   unit M x 100   2024-02");
    EXPECT_EQ(righe_di(tabulazione_mensile("foE", 2024, 2, {})).size(), 3u + 29 + 1 + 4);
}
