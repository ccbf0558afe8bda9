#include "ionogram/titoli.h"

#include <gtest/gtest.h>

using namespace velaris;

TEST(DataIonogramma, MonthAndDayFromTheDayOfTheYear) {
    const struct {
        const char* nome_file;
        const char* atteso;
    } casi[] = {
        {"QX106_2023272101500.rdf", "2023-September-29  10:15 [UT]"},
        {"QX106_2023001000000.rdf", "2023-January-1  00:00 [UT]"},
        {"QX106_2024060120000.rdf", "2024-February-29  12:00 [UT]"},
        {"QX106_2023060120000.rdf", "2023-March-1  12:00 [UT]"},
        {"QX106_2024061120000.rdf", "2024-March-1  12:00 [UT]"},
        {"QX106_2023059120000.rdf", "2023-February-28  12:00 [UT]"},
        {"QX106_2023365235500.rdf", "2023-December-31  23:55 [UT]"},
        {"QX106_2024366235500.rdf", "2024-December-31  23:55 [UT]"},
        // A common year that misses day 366 finds it in the leap column.
        {"QX106_2023366101500.rdf", "2023-December-31  10:15 [UT]"},
        {"QX106_2023000101500.rdf", "2023--  10:15 [UT]"},
        {"QX106_2023367101500.rdf", "2023--  10:15 [UT]"},
        {"QX106_2024367101500.rdf", "2024--  10:15 [UT]"},
        // No century exception: 2100 is leap.
        {"QX106_2100060101500.rdf", "2100-February-29  10:15 [UT]"},
        {"QX106_2023 60101500.rdf", "2023-March-1  10:15 [UT]"},
        {"QX106_2023272ab1500.rdf", "2023-September-29  AB:15 [UT]"},
        // A day beyond 16 bits is in no column.
        {"QX106_20239E9101500.rdf", "2023--  10:15 [UT]"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(data_ionogramma(caso.nome_file), caso.atteso) << caso.nome_file;
}

TEST(DataIonogramma, ShortNamesLeaveEmptyPieces) {
    const struct {
        const char* nome_file;
        const char* atteso;
    } casi[] = {
        {"", "--  : [UT]"},
        {"QX106_", "--  : [UT]"},
        {"QX106_2023", "2023--  : [UT]"},
        {"QX106_2023272", "2023-September-29  : [UT]"},
        {"QX106_20232721", "2023-September-29  1: [UT]"},
        {"QX106_2023272101", "2023-September-29  10:1 [UT]"},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(data_ionogramma(caso.nome_file), caso.atteso) << caso.nome_file;
}

TEST(DidascaliaCasoParticolare, CodesOfTheTableOnly) {
    EXPECT_EQ(didascalia_caso_particolare("01"), "Particular Case: Nighttime Es missing");
    EXPECT_EQ(didascalia_caso_particolare("3b"),
              "Particular Case: Daytime Es blanketing - multiple reflections - second reflection "
              ">= foEs");
    EXPECT_EQ(didascalia_caso_particolare("4c"),
              "Particular Case: Nighttime Es blanketing - multiple reflections - second "
              "reflection < foEs");
    EXPECT_EQ(didascalia_caso_particolare("05"), "Particular Case: Partial absorption");
    EXPECT_EQ(didascalia_caso_particolare("xx"), "");
    for (const char* codice : {"01", "02", "3a", "3b", "3c", "4a", "4b", "4c", "05"})
        EXPECT_TRUE(
            didascalia_caso_particolare(codice).value_or("").starts_with("Particular Case: "))
            << codice;
    for (const char* codice : {"06", "3A", "XX", "", "  ", "01 "})
        EXPECT_EQ(didascalia_caso_particolare(codice), std::nullopt) << codice;
}

TEST(TitoloFinestra, StepOnlyForAnAcceptedFile) {
    const char* data = "2023-September-29  10:15 [UT]";
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Ostrand", data, 0.05f, '.'),
              "VELARIS - file: QX106_2023272101500.rdf * Ostrand * 2023-September-29  10:15 [UT]"
              "  (sounding frequency step = 0.05 MHz)");
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Ostrand", data, 0.1f, ','),
              "VELARIS - file: QX106_2023272101500.rdf * Ostrand * 2023-September-29  10:15 [UT]"
              "  (sounding frequency step = 0,1 MHz)");
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "Coravento", data, 1.0f, '.'),
              "VELARIS - file: QX106_2023272101500.rdf * Coravento * 2023-September-29  10:15 [UT]"
              "  (sounding frequency step = 1 MHz)");
    EXPECT_EQ(titolo_finestra("QX106_2023272101500.rdf", "", data, std::nullopt, '.'),
              "VELARIS - file: QX106_2023272101500.rdf *  * 2023-September-29  10:15 [UT]");
}
