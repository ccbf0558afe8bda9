// Reading a day of results from its file and writing it as CSV rows: values
// put by hand at their record positions come out in MHz, km and M factor.

#include "common/rdf_di_prova.h"
#include "results/csv.h"
#include "results/giornata.h"
#include "results/giorno_di_prova.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace velaris;
using prova::record_con;

namespace {

/// Splits one CSV line (no quoted fields in these tests).
std::vector<std::string> campi_di(const std::string& riga) {
    std::vector<std::string> campi;
    std::stringstream in(riga);
    std::string campo;
    while (std::getline(in, campo, ',')) campi.push_back(campo);
    if (!riga.empty() && riga.back() == ',') campi.emplace_back();
    return campi;
}

std::vector<std::string> righe_di(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t da = 0;
    for (std::size_t a; (a = testo.find("\r\n", da)) != std::string::npos; da = a + 2)
        righe.push_back(testo.substr(da, a - da));
    EXPECT_EQ(da, testo.size()) << "every line ends in CR LF";
    return righe;
}

/// The field named `colonna` of a row, by the header.
std::string colonna(const std::vector<std::string>& intestazione,
                    const std::vector<std::string>& riga, const std::string& nome) {
    for (std::size_t n = 0; n < intestazione.size(); ++n)
        if (intestazione[n] == nome) return riga.at(n);
    ADD_FAILURE() << "no column " << nome;
    return {};
}

} // namespace

TEST(NomeRisultati, DateAndIntervalComeFromTheName) {
    const auto letto = leggi_nome_risultati("QX106_05032023_15.txt");
    ASSERT_TRUE(letto);
    EXPECT_EQ(data_iso(letto->data), "2023-03-05");
    EXPECT_EQ(letto->incremento, "15");
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
         {24, record_con({{1, "23:00"}, {121, "250"}, {181, "130 X"}})}});
    const lettura_giornata letta = leggi_giornata(file);
    ASSERT_TRUE(letta.giorno);
    EXPECT_TRUE(letta.avvisi.empty());

    const auto righe = righe_di(tabella_csv({*letta.giorno}));
    ASSERT_EQ(righe.size(), 25u); // header and every sounding of the day
    const auto intestazione = campi_di(righe[0]);
    ASSERT_EQ(intestazione.size(), 2u + 15 * 3 + 1);
    EXPECT_EQ(std::vector(intestazione.begin(), intestazione.begin() + 8),
              (std::vector<std::string>{"date", "time", "fmin", "fmin_q", "fmin_d", "hE", "hE_q",
                                        "hE_d"}));
    EXPECT_EQ(intestazione.back(), "es_types");
    EXPECT_EQ(intestazione[intestazione.size() - 4], "M3000F2");

    const auto sette = campi_di(righe[8]);
    ASSERT_EQ(sette.size(), intestazione.size());
    const std::pair<const char*, const char*> attesi[] = {
        {"date", "2023-03-05"}, {"time", "07:00"},  {"fmin", "1.4"},      {"fmin_q", "E"},
        {"fmin_d", "E"},        {"hE", "95"},       {"hE_q", ""},         {"foE", "3.10"},
        {"foF1", ""},           {"foF1_d", "L"},    {"foF2", "5.2"},      {"foF2_q", "U"},
        {"foF2_d", "R"},        {"M3000F1", "3.05"}, {"MUF3000F2", "20.8"}, {"M3000F2", "3.27"},
        {"es_types", "C2H1"},   {"fxI", ""}};
    for (const auto& [nome, valore] : attesi)
        EXPECT_EQ(colonna(intestazione, sette, nome), valore) << nome;

    const auto ultima = campi_di(righe[24]);
    EXPECT_EQ(colonna(intestazione, ultima, "time"), "23:00");
    EXPECT_EQ(colonna(intestazione, ultima, "hF"), "250");
    EXPECT_EQ(colonna(intestazione, ultima, "fxI"), "13.0");
    EXPECT_EQ(colonna(intestazione, ultima, "fxI_d"), "X");
    // A blank record is a row of empty values with its date and time.
    const auto vuota = campi_di(righe[2]);
    EXPECT_EQ(colonna(intestazione, vuota, "time"), "01:00");
    EXPECT_EQ(std::count(vuota.begin() + 2, vuota.end(), ""), 46);
}

TEST(Csv, FieldsAreQuotedAndUtf8) {
    EXPECT_EQ(campo_csv("C2H1"), "C2H1");
    EXPECT_EQ(campo_csv("a,b"), "\"a,b\"");
    EXPECT_EQ(campo_csv("\""), "\"\"\"\"");
    EXPECT_EQ(campo_csv("\xe9"), "\xc3\xa9");
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
    const sondaggio& primo = letta.giorno->sondaggi[0];
    EXPECT_FALSE(primo.valori[*indice_chiave("foF2")].valore);
    EXPECT_EQ(primo.valori[*indice_chiave("foF2")].qualificativa, "U");
    EXPECT_EQ(primo.valori[*indice_chiave("foE")].valore, 250);
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
    prova::scrivi_risultati(d.percorso(), "QX106_06032023_60.txt", 24, {});
    prova::scrivi_risultati(d.percorso(), "QX106_05032023_60.txt", 24, {});
    prova::scrivi_risultati(d.percorso(), "note.txt", 1, {});
    std::vector<std::string> avvisi;
    const auto file = file_risultati_da({d.percorso(), d.percorso() / "manca.txt"}, avvisi);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0].filename(), "QX106_05032023_60.txt");
    ASSERT_EQ(avvisi.size(), 1u);
    EXPECT_NE(avvisi[0].find("manca.txt: no such file"), std::string::npos);
}

TEST(UnaPerGiorno, TheFileWithMoreFullHourValuesWins) {
    prova::cartella_temporanea d;
    const auto vuoto = leggi_giornata(prova::scrivi_risultati(d.percorso(), "QX106_05032023_60.txt", 24, {}));
    const auto pieno = leggi_giornata(prova::scrivi_risultati(
        d.percorso(), "QX106_05032023_15.txt", 96, {{5, record_con({{166, " 52"}})}}));
    const auto altro = leggi_giornata(prova::scrivi_risultati(d.percorso(), "QX106_04032023_60.txt", 24, {}));
    const std::vector<giornata> giorni{*vuoto.giorno, *pieno.giorno, *altro.giorno};
    std::vector<std::string> avvisi;
    const auto scelti = una_per_giorno(giorni, avvisi);
    ASSERT_EQ(scelti.size(), 2u);
    EXPECT_EQ(scelti[0], &giorni[2]); // sorted by date
    EXPECT_EQ(scelti[1], &giorni[1]);
    ASSERT_EQ(avvisi.size(), 1u);
    EXPECT_NE(avvisi[0].find("QX106_05032023_60.txt: the day 2023-03-05 is also in"),
              std::string::npos);
}

TEST(TestoFisico, ValuesConvertExactlyByTheirUnit) {
    const std::tuple<int, unita_valore, const char*> casi[] = {
        {54, unita_valore::decimi_mhz, "5.4"},       {120, unita_valore::decimi_mhz, "12.0"},
        {5, unita_valore::decimi_mhz, "0.5"},        {345, unita_valore::centesimi_mhz, "3.45"},
        {300, unita_valore::centesimi_mhz, "3.00"},  {7, unita_valore::centesimi_mhz, "0.07"},
        {105, unita_valore::chilometri, "105"},      {327, unita_valore::centesimi_fattore, "3.27"}};
    for (const auto& [v, u, testo] : casi) EXPECT_EQ(testo_fisico(v, u), testo) << v;
    EXPECT_EQ(unita_di("foE"), unita_valore::centesimi_mhz);
    EXPECT_EQ(unita_di("hEs"), unita_valore::chilometri);
    EXPECT_EQ(unita_di("M3000F1"), unita_valore::centesimi_fattore);
    EXPECT_EQ(unita_di("MUF3000F1"), unita_valore::decimi_mhz);
    EXPECT_FALSE(unita_di("tipoEs"));
}
