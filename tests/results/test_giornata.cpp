// Reading a day of results from its file and writing it as CSV rows: values
// put by hand at their record positions come out in MHz, km and M factor.

#include "common/rdf_di_prova.h"
#include "results/csv.h"
#include "results/giornata.h"
#include "results/giorno_di_prova.h"

#include <gtest/gtest.h>

using namespace velaris;
using prova::record_con;

TEST(NomeRisultati, DateAndIntervalComeFromTheName) {
    const auto letto = leggi_nome_risultati("QX106_05032023_15.txt");
    ASSERT_TRUE(letto);
    EXPECT_EQ(data_iso(letto->data) + " " + letto->incremento, "2023-03-05 15");
    EXPECT_TRUE(leggi_nome_risultati("QX106_29022024_60.txt"));
    for (const char* sbagliato :
         {"QX106_29022023_15.txt", "QX106_05032023_20.txt", "QX106_00032023_15.txt",
          "QX106_05132023_15.txt", "QX107_05032023_15.txt", "QX106_0503202_15.txt",
          "QX106_05032023_15.csv", "QX106_05O32023_15.txt"})
        EXPECT_FALSE(leggi_nome_risultati(sbagliato)) << sbagliato;
}

TEST(Csv, RowsCarryTheRecordsValuesInPhysicalUnits) {
    prova::cartella_temporanea d;
    const auto file = prova::scrivi_risultati(
        d.percorso(), "QX106_05032023_60.txt", 24,
        {{8, record_con({{1, "07:00"}, {16, " 14EE"}, {31, " 95"}, {46, "310"}, {91, "C2H1"},
                         {140, "L"}, {166, " 52UR"}, {211, "305"}, {226, "208"}, {241, "327  "}})},
         {24, record_con({{1, "23:00"}, {61, " 35"}, {76, "105"}, {106, " 30"}, {121, "250"},
                          {136, "410"}, {151, "300"}, {181, "130 X"}, {196, "150"}})}});
    const lettura_giornata letta = leggi_giornata(file);
    ASSERT_TRUE(letta.giorno);
    EXPECT_TRUE(letta.avvisi.empty());

    // The columns: date, time, value and letters of each characteristic, Es types.
    const char* const chiavi[] = {"fmin", "hE", "foE", "foEs", "hEs", "fbEs", "hF", "foF1",
                                  "MUF3000F1", "M3000F1", "hF2", "foF2", "fxI", "MUF3000F2", "M3000F2"};
    std::string intestazione = "date,time";
    for (const std::string k : chiavi) intestazione += "," + k + "," + k + "_q," + k + "_d";
    // A row from "value,q,d" by key; a characteristic not given is three empty fields.
    const auto riga = [&](const char* ora, std::map<std::string, std::string> valori, const char* tipi) {
        std::string r = std::string("2023-03-05,") + ora;
        for (const char* k : chiavi) r.append(",").append(valori.count(k) ? valori[k] : ",,");
        return r + "," + tipi;
    };
    const auto righe = prova::righe_crlf(tabella_csv({&*letta.giorno}));
    ASSERT_EQ(righe.size(), 25u); // header and every sounding of the day
    EXPECT_EQ(righe[0], intestazione + ",es_types");
    EXPECT_EQ(righe[8], riga("07:00", {{"fmin", "1.4,E,E"}, {"hE", "95,,"}, {"foE", "3.10,,"}, {"foF1", ",,L"},
                                       {"M3000F1", "3.05,,"}, {"foF2", "5.2,U,R"}, {"MUF3000F2", "20.8,,"},
                                       {"M3000F2", "3.27,,"}}, "C2H1"));
    EXPECT_EQ(righe[24], riga("23:00", {{"foEs", "3.5,,"}, {"hEs", "105,,"}, {"fbEs", "3.0,,"}, {"hF", "250,,"},
                                        {"foF1", "4.10,,"}, {"hF2", "300,,"}, {"fxI", "13.0,,X"},
                                        {"MUF3000F1", "15.0,,"}}, ""));
    EXPECT_EQ(righe[2], riga("01:00", {}, "")); // a blank record keeps its date and time
}

TEST(Csv, FieldsAreQuotedAndUtf8AndValuesShiftedExactly) {
    const std::pair<std::string, std::string> casi[] = {
        {campo_csv("C2H1"), "C2H1"}, {campo_csv("a,b"), "\"a,b\""}, {campo_csv("\""), "\"\"\"\""},
        {campo_csv("\xe9"), "\xc3\xa9"},
        {testo_fisico(120, unita_valore::decimi_mhz), "12.0"},
        {testo_fisico(5, unita_valore::decimi_mhz), "0.5"},
        {testo_fisico(300, unita_valore::centesimi_mhz), "3.00"},
        {testo_fisico(7, unita_valore::centesimi_mhz), "0.07"},
    };
    for (const auto& [visto, atteso] : casi) EXPECT_EQ(visto, atteso);
}

TEST(LetturaGiornata, BadRecordsAndFilesAreNamedAndTheRestKept) {
    prova::cartella_temporanea d;
    // A value that is no number, and a record shifted by a box too long.
    const std::string intero = record_con({{166, " 61"}});
    const std::string spostato = intero.substr(0, 100) + 'x' + intero.substr(100, 147);
    const auto file = prova::scrivi_risultati(
        d.percorso(), "QX106_05032023_30.txt", 48,
        {{1, record_con({{166, "5a "}, {169, "U"}, {46, "250"}})}, {2, spostato}});
    const lettura_giornata letta = leggi_giornata(file);
    ASSERT_TRUE(letta.giorno);
    ASSERT_EQ(letta.avvisi.size(), 2u);
    EXPECT_NE(letta.avvisi[0].find("QX106_05032023_30.txt: record 1 (00:00)"), std::string::npos);
    EXPECT_NE(letta.avvisi[0].find("foF2 value \"5a\""), std::string::npos);
    EXPECT_NE(letta.avvisi[1].find("record 2 (00:30)"), std::string::npos);
    const auto& primo = letta.giorno->sondaggi[0].valori;
    EXPECT_FALSE(primo[*indice_chiave("foF2")].valore);
    EXPECT_EQ(primo[*indice_chiave("foF2")].qualificativa, "U"); // its letters are kept
    EXPECT_EQ(primo[*indice_chiave("foE")].valore, 250);
    EXPECT_FALSE(letta.giorno->sondaggi[1].valori[*indice_chiave("foF2")].valore);

    // A file one byte short, and a file that is not a results file by its name.
    const auto corto = prova::scrivi_risultati(d.percorso(), "QX106_06032023_60.txt", 24, {});
    std::filesystem::resize_file(corto, 24 * 248 - 1);
    for (const auto& f : {corto, prova::scrivi_risultati(d.percorso(), "giorno.txt", 24, {})}) {
        const lettura_giornata l = leggi_giornata(f);
        EXPECT_FALSE(l.giorno);
        ASSERT_EQ(l.avvisi.size(), 1u);
        EXPECT_EQ(l.avvisi[0].rfind(f.string() + ": ", 0), 0u) << l.avvisi[0];
    }
}

TEST(LetturaGiornata, FoldersGiveTheirResultsFilesAndMissingPathsAreNamed) {
    prova::cartella_temporanea d;
    for (const char* nome : {"QX106_06032023_60.txt", "QX106_05032023_60.txt", "note.txt"})
        prova::scrivi_risultati(d.percorso(), nome, 24, {});
    std::vector<std::string> avvisi;
    const auto file = file_risultati_da({d.percorso(), d.percorso() / "manca.txt"}, avvisi);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0].filename(), "QX106_05032023_60.txt");
    ASSERT_EQ(avvisi.size(), 1u);
    EXPECT_NE(avvisi[0].find("manca.txt: no such file"), std::string::npos);
}

TEST(UnaPerGiorno, TheFileWithMoreFullHourValuesWinsOrTheFirst) {
    prova::cartella_temporanea d;
    const auto giorno = [&](const char* nome, int quanti, const std::map<int, std::string>& record) {
        return *leggi_giornata(prova::scrivi_risultati(d.percorso(), nome, quanti, record)).giorno;
    };
    const std::vector<giornata> giorni{
        giorno("QX106_05032023_60.txt", 24, {}),
        giorno("QX106_05032023_15.txt", 96, {{5, record_con({{166, " 52"}})}}),
        giorno("QX106_04032023_60.txt", 24, {}), giorno("QX106_04032023_30.txt", 48, {})};
    std::vector<std::string> avvisi;
    EXPECT_EQ(una_per_giorno(giorni, avvisi), (std::vector{&giorni[2], &giorni[1]})); // sorted by date
    const auto nome = [&](std::size_t n) { return giorni[n].file.string(); };
    EXPECT_EQ(avvisi, (std::vector<std::string>{
                          nome(0) + ": the day 2023-03-05 is also in " + nome(1) +
                              ", which has more values at the full hours; this file is not used",
                          nome(3) + ": the day 2023-03-04 is also in " + nome(2) +
                              ", which comes first; this file is not used"}));
}
