#include "ionogram/titoli.h"

#include <gtest/gtest.h>

using namespace velaris;

TEST(DataIonogramma, MonthAndDayFromTheDayOfTheYear) {
    const struct {
        const char *nome_file, *atteso;
    } casi[] = {
        {"QX106_2023272101500.rdf", "2023-September-29  10:15 [UT]"},
        {"QX106_2024060120000.rdf", "2024-February-29  12:00 [UT]"},
        {"QX106_2023060120000.rdf", "2023-March-1  12:00 [UT]"},
        // A common year that misses day 366 finds it in the leap column.
        {"QX106_2023366101500.rdf", "2023-December-31  10:15 [UT]"},
        {"QX106_2023000101500.rdf", "2023--  10:15 [UT]"},
        {"QX106_2024367101500.rdf", "2024--  10:15 [UT]"},
        {"QX106_20239E9101500.rdf", "2023--  10:15 [UT]"}, // beyond 16 bits
        {"QX106_2023272ab1500.rdf", "2023-September-29  AB:15 [UT]"},
        {"QX106_2023272101", "2023-September-29  10:1 [UT]"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(data_ionogramma(caso.nome_file), caso.atteso) << caso.nome_file;
}

TEST(TitoliIonogramma, WindowTitle) {
    const std::string inizio = "VELARIS - file: QX106_2023272101500.rdf * Ostrand * 2023-Sep";
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Ostrand", "2023-Sep", 0.05f, '.'),
              inizio + "  (sounding frequency step = 0.05 MHz)");
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Ostrand", "2023-Sep", 0.1f, ','),
              inizio + "  (sounding frequency step = 0,1 MHz)");
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Ostrand", "2023-Sep", std::nullopt, '.'),
              inizio);
}
