// The monthly tabulation: counts, medians and quartiles per hour on a crafted
// month, and the cells with their letters.

#include "results/giorno_di_prova.h"
#include "results/tabulazione.h"

#include <gtest/gtest.h>

using namespace velaris;

TEST(Statistiche, MedianAndQuartilesByTheHalves) {
    using v = std::optional<double>;
    const std::pair<std::vector<int>, std::tuple<int, v, v, v>> casi[] = { // count, median, UQ, LQ
        {{}, {0, {}, {}, {}}},
        {{5}, {1, 5, {}, {}}},
        {{7, 3}, {2, 5, 7, 3}},
        {{3, 1, 2}, {3, 2, 3, 1}},
        {{4, 1, 3, 2}, {4, 2.5, 3.5, 1.5}},
        {{52, 52, 52, 60, 61, 90, 40, 41}, {8, 52, 60.5, 46.5}},
    };
    for (const auto& [valori, atteso] : casi) {
        const statistiche_ora s = statistiche(valori);
        EXPECT_EQ(std::tuple(s.conteggio, s.mediana, s.quartile_superiore, s.quartile_inferiore), atteso);
    }
}

TEST(TabulazioneMensile, CountsMediansAndCellsOnACraftedMonth) {
    // Days of March 2023 at interval 60: hour 00 holds 40, 44, 48, 52 on days 1-4;
    // hour 12 holds 50 (U), 59 (D R) and on day 3 letters only. Hour 23: nothing.
    std::vector<giornata> giorni;
    for (int giorno = 1; giorno <= 4; ++giorno) {
        giorni.push_back({"", {2023, 3, giorno}, "60", 60, {}});
        for (int ora = 0; ora < 24; ++ora) giorni.back().sondaggi.push_back({ora * 60, {}, {}});
        giorni.back().sondaggi[0].valori[*indice_chiave("foF2")] = {36 + 4 * giorno, "", ""};
    }
    const auto ore_12 = [&](int giorno) -> valore_letto& {
        return giorni[static_cast<std::size_t>(giorno - 1)].sondaggi[12].valori[*indice_chiave("foF2")];
    };
    ore_12(1) = {50, "U", ""};
    ore_12(2) = {59, "D", "R"};
    ore_12(3) = {std::nullopt, "", "C"};
    std::vector<const giornata*> scelti;
    for (const auto& g : giorni) scelti.push_back(&g);
    const auto righe = prova::righe_crlf(tabulazione_mensile("foF2", 2023, 3, scelti));
    ASSERT_EQ(righe.size(), 1u + 1 + 1 + 31 + 1 + 4);
    EXPECT_EQ(righe[0], "Ostrand   foF2   URSI code 00   unit 0.1 MHz   2023-03");
    std::map<int, std::string> ore;
    for (int ora = 0; ora < 24; ++ora) ore[ora] = (ora < 10 ? "  0" : "  ") + std::to_string(ora) + "  ";
    const auto vuote = std::string(6, ' ');
    const std::pair<std::size_t, std::string> attese[] = {
        {2, prova::per_ora("DD ", ore, "")},
        {3, prova::per_ora("01 ", {{0, "  40  "}, {12, "  50U "}}, vuote)},
        {4, prova::per_ora("02 ", {{0, "  44  "}, {12, "  59DR"}}, vuote)},
        {5, prova::per_ora("03 ", {{0, "  48  "}, {12, "     C"}}, vuote)},
        {33, prova::per_ora("31 ", {}, vuote)}, // a day without a file keeps its row
        {35, prova::per_ora("CNT", {{0, "   4  "}, {12, "   2  "}}, "   0  ")},
        {36, prova::per_ora("MED", {{0, "  46  "}, {12, "  54  "}}, vuote)}, // 54.5 to even
        {37, prova::per_ora("UQ ", {{0, "  50  "}, {12, "  59  "}}, vuote)},
        {38, prova::per_ora("LQ ", {{0, "  42  "}, {12, "  50  "}}, vuote)},
    };
    for (const auto& [n, riga] : attese) EXPECT_EQ(righe[n], riga) << n;
}

TEST(TabulazioneMensile, TitleNamesTheUnitOfTheCharacteristic) {
    const auto titolo = [](const char* chiave) {
        return prova::righe_crlf(tabulazione_mensile(chiave, 2024, 2, {})).front();
    };
    EXPECT_EQ(titolo("foE"), "Ostrand   foE   URSI code 20   unit 0.01 MHz   2024-02");
    EXPECT_EQ(titolo("hF2"), "Ostrand   h'F2   URSI code 04   unit km   2024-02");
    EXPECT_EQ(titolo("M3000F2"), "Ostrand   M(3000)F2   URSI code 03   unit M x 100   2024-02");
    EXPECT_EQ(prova::righe_crlf(tabulazione_mensile("foE", 2024, 2, {})).size(), 3u + 29 + 1 + 4);
}
