#include "base/numeri.h"
#include "session/nomi_file.h"

#include <gtest/gtest.h>


using namespace velaris;

// An unknown month has no day.
TEST(NomiFile, DayOfYearAndFileNames) {
    const std::pair<const char*, const char*> casi[] = {
        {"01-01-2023", "001"}, {"01-03-2023", "060"}, {"01-03-2024", "061"},
        {"31-12-2023", "365"}, {"31-12-2024", "366"}, {"10-04-2023", "100"},
        {"09-04-2023", "099"}, {"05-13-2023", ""},
    };
    for (auto [data, atteso] : casi)
        EXPECT_EQ(calcolo_giorno_anno(data), atteso) << data;
    EXPECT_THROW(calcolo_giorno_anno("05-03-9E99"), errore_overflow);

    parametri_sessione sessione;
    sessione.anno_sessione = "2023";
    sessione.giorno_anno = "064";
    EXPECT_EQ(nome_file_ionogramma(sessione, 7, 45), "QX106_2023064074500.rdf");
    // Hours out of the day still name a file (no sounder file has such a name).
    EXPECT_EQ(nome_file_ionogramma(sessione, 24, 0), "QX106_2023064240000.rdf");
    EXPECT_EQ(nome_file_ionogramma(sessione, -1, 5), "QX106_2023064-10500.rdf");
    EXPECT_EQ(nome_file_risultati("05-03-2023", "15"), "QX106_05032023_15.txt");
}

// Per interval: the records of the day's results file and the number of the
// ionogram at h:m. Minutes the interval does not allow round the number half to
// even (2.5 -> 2, 3.5 -> 4). Any other text has no results file and leaves the
// number as it was (0 here).
TEST(NomiFile, RecordsAndIonogramNumberByInterval) {
    const struct {
        const char* incremento;
        int record, h, m, numero;
    } casi[] = {
        {"05", 288, 23, 55, 288}, {"60", 24, 23, 0, 24}, {"15", 96, 7, 45, 32},
        {"10", 144, 23, 50, 144}, {"30", 48, 0, 45, 2},  {"30", 48, 1, 15, 4},
        {"20", 0, 7, 45, 0},      {"5", 0, 0, 0, 0},     {"15 ", 0, 0, 0, 0},
    };
    for (const auto& caso : casi) {
        EXPECT_EQ(numero_record(caso.incremento), caso.record) << caso.incremento;
        EXPECT_EQ(nome_file_risultati("05-03-2023", caso.incremento).has_value(), caso.record > 0);
        EXPECT_EQ(numero_ionogramma_per(caso.incremento, caso.h, caso.m).value_or(0), caso.numero)
            << caso.incremento << " " << caso.h << ":" << caso.m;
    }
    EXPECT_THROW(numero_ionogramma_per("05", 3000, 0), errore_overflow);
}
