// The data centres' hourly day records: 132 characters, station, URSI code,
// YYMMDD and twenty-four QVVVD fields from the soundings at the full hours.

#include "common/rdf_di_prova.h"
#include "results/giorno_di_prova.h"
#include "results/ore_piene.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::record_con;

TEST(RigaOraria, FieldsStandAtTheirPositions) {
    // Interval 15: record 4h + 1 is hour h; the soundings between full hours
    // (00:15, 23:45) never reach the hourly records.
    prova::cartella_temporanea d;
    const auto file =
        prova::scrivi_risultati(d.percorso(), "QX106_05032023_15.txt", 96,
                                {{1, record_con({{166, " 52UR"}, {241, "327"}, {31, " 95"}})},
                                 {2, record_con({{166, " 99"}})},
                                 {29, record_con({{166, "120"}, {46, "310 A"}})},
                                 {49, record_con({{170, "C"}, {244, "E"}})},
                                 {96, record_con({{166, " 61"}})}});
    const giornata g = *leggi_giornata(file).giorno;
    // Letters only: the value is three blanks; an empty hour five blanks.
    const std::tuple<const char*, const char*, std::map<int, std::string>> casi[] = {
        {"foF2", "00", {{0, "U052R"}, {7, " 120 "}, {12, "    C"}}},
        {"M3000F2", "03", {{0, " 327 "}, {12, "E    "}}},
        {"hE", "24", {{0, " 095 "}}},
        {"foE", "20", {{7, " 310A"}}},
    };
    for (const auto& [chiave, codice, campi] : casi)
        EXPECT_EQ(riga_oraria("1234", g, chiave),
                  prova::per_ora(std::string("1234") + codice + "230305", campi, "     "));
}

TEST(RigaOraria, CodesAndFileNames) {
    const std::pair<const char*, const char*> codici[] = {
        {"foF2", "00"}, {"M3000F2", "03"}, {"hF2", "04"},  {"MUF3000F2", "07"},
        {"foF1", "10"}, {"M3000F1", "13"}, {"hF", "16"},   {"MUF3000F1", "17"},
        {"foE", "20"},  {"hE", "24"},      {"foEs", "30"}, {"fbEs", "32"},
        {"hEs", "34"},  {"fmin", "42"},    {"fxI", "51"}};
    for (const auto& [chiave, codice] : codici)
        EXPECT_EQ(codice_ursi(chiave), codice) << chiave;
    EXPECT_EQ(chiavi_con_codice().size(), 15u);
    EXPECT_FALSE(codice_ursi("tipoEs"));
    EXPECT_EQ(nome_file_orario("0042", "51", 2007), "004251.07");
}

TEST(UnioneRigheOrarie, DaysAreReplacedKeptAndSorted) {
    const auto riga = [](const char* data, char c) {
        return "123400" + std::string(data) + std::string(120, c);
    };
    // Blank lines are dropped, not taken for foreign ones.
    const std::string esistente =
        riga("230306", 'a') + "\r\n\r\n" + riga("230304", 'b') + "\n" + "   \r\n";
    std::string errore;
    const auto unito =
        unione_righe_orarie(esistente, {riga("230306", 'n'), riga("230305", 'm')}, errore);
    ASSERT_TRUE(unito) << errore;
    EXPECT_EQ(*unito, riga("230304", 'b') + "\r\n" + riga("230305", 'm') + "\r\n" +
                          riga("230306", 'n') + "\r\n");
    // Another station or characteristic, or a line of another length.
    for (const std::string& estranea :
         {"123403230304" + std::string(120, ' '), std::string("1234002303")}) {
        EXPECT_FALSE(unione_righe_orarie(riga("230301", ' ') + "\r\n" + estranea + "\r\n",
                                         {riga("230305", 'm')}, errore));
        EXPECT_EQ(errore.rfind("line 2 ", 0), 0u) << errore;
    }
}
