#include "base/numeri.h"
#include "session/nomi_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace velaris;

TEST(GiornoAnno, CommonAndLeapYearsAndMonthTexts) {
    const struct {
        const char *data, *atteso;
    } casi[] = {
        {"01-01-2023", "001"},
        {"31-01-2023", "031"},
        {"01-03-2023", "060"},
        {"05-03-2023", "064"},
        {"01-03-2024", "061"},
        {"10-04-2023", "100"},
        {"09-04-2023", "099"},
        {"01-05-2023", "121"},
        {"31-12-2023", "365"},
        {"31-12-2024", "366"},
        {"01-03-2100", "061"},
        {"00-03-2023", "059"},
        // January keeps the day's characters as they stand; an unknown month has no day.
        {"5x-01-2023", "05x"},
        {"05-1 -2023", ""},
        {"05-13-2023", ""},
        {"", ""},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(calcolo_giorno_anno(caso.data), caso.atteso) << caso.data;
    EXPECT_THROW(calcolo_giorno_anno("05-03-9E99"), errore_overflow);
}

TEST(NomiFile, IonogramAndResultsFiles) {
    parametri_sessione sessione;
    sessione.anno_sessione = "2023";
    sessione.giorno_anno = "064";
    EXPECT_EQ(nome_file_ionogramma(sessione, 7, 45), "QX106_2023064074500.rdf");
    EXPECT_EQ(nome_file_ionogramma(sessione, 23, 5), "QX106_2023064230500.rdf");
    EXPECT_THROW(nome_file_ionogramma(sessione, 24, 0), std::out_of_range);

    EXPECT_EQ(nome_file_risultati("05-03-2023", "15"), "QX106_05032023_15.txt");
    EXPECT_EQ(nome_file_risultati("31-12-2024", "05"), "QX106_31122024_05.txt");
    for (const char* altro : {"5", "20", "15 ", ""}) {
        EXPECT_EQ(nome_file_risultati("05-03-2023", altro), std::nullopt) << altro;
        EXPECT_EQ(numero_record(altro), 0) << altro;
    }
    EXPECT_EQ(numero_record("60") + numero_record("30") + numero_record("15"), 24 + 48 + 96);
    EXPECT_EQ(numero_record("10") + numero_record("05"), 144 + 288);
}

TEST(NumeroIonogramma, ByIntervalAndTime) {
    const struct {
        const char* incremento;
        int h, m, atteso;
    } casi[] = {
        {"05", 23, 55, 288},
        {"05", 0, 0, 1},
        {"60", 23, 0, 24},
        {"15", 7, 45, 32},
        {"15", 8, 0, 33},
        {"30", 9, 30, 20},
        {"10", 23, 50, 144},
        // Minutes the interval does not allow: the quotient rounds half to even.
        {"30", 0, 15, 2},
        {"30", 0, 45, 2},
        {"30", 1, 15, 4},
        {"15", 0, 7, 1},
        {"60", 5, 30, 6},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(numero_ionogramma_per(caso.incremento, caso.h, caso.m), caso.atteso)
            << caso.incremento << " " << caso.h << ":" << caso.m;
    EXPECT_EQ(numero_ionogramma_per("20", 7, 45), std::nullopt); // the number stays
    EXPECT_THROW(numero_ionogramma_per("05", 3000, 0), errore_overflow);
}
