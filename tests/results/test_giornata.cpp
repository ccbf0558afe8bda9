// Reading a day of results from its file and writing it as CSV rows: values
// put by hand at their record positions come out in MHz, km and M factor.

#include "common/rdf_di_prova.h"
#include "results/csv.h"
#include "results/giornata.h"
#include "results/giorno_di_prova.h"
#include "results/ore_piene.h"
#include "results/tabulazione.h"

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
        {testo_fisico(5, unita_valore::decimi_mhz), "0.5"},
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

// (A path that does not exist is named by the tools' command-line table.)
TEST(LetturaGiornata, FoldersGiveTheirResultsFilesInOrder) {
    prova::cartella_temporanea d;
    for (const char* nome : {"QX106_06032023_60.txt", "QX106_05032023_60.txt", "note.txt"})
        prova::scrivi_risultati(d.percorso(), nome, 24, {});
    std::vector<std::string> avvisi;
    const auto file = file_risultati_da({d.percorso()}, avvisi);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0].filename(), "QX106_05032023_60.txt");
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

// The monthly tabulation: counts, medians and quartiles per hour on a crafted
// month, and the cells with their letters.
namespace {

/// A statistic as "value, qualifying letter, descriptive letter"; "-" for none.
std::string testo(const std::optional<statistica>& s) {
    if (!s) return "-";
    return (s->valore ? std::to_string(*s->valore) : "") + s->qualificativa + s->descrittiva;
}

} // namespace

TEST(Statistiche, LimitsDoubtAndCountsByTheUrsiRules) {
    using c = valore_letto;
    const auto v = [](int x, const char* q = "", const char* d = "") { return c{x, q, d}; };
    const c solo_e{std::nullopt, "", "E"}, solo_d{std::nullopt, "", "D"},
        solo_c{std::nullopt, "", "C"};
    const std::pair<std::vector<c>, std::tuple<int, std::string, std::string, std::string>> casi[] =
        {
            // cells; count, MED, UQ, LQ. Quartiles from four values on.
            {{}, {0, "-", "-", "-"}},
            {{v(5)}, {1, "5U ", "-", "-"}}, // fewer than five values: doubtful
            {{v(52), v(52), v(52), v(60), v(61), v(90), v(40), v(41)}, {8, "52  ", "60  ", "46  "}},
            // foF2 May 2023, 00 UT: the 59D may lie anywhere above, so the median is at least 54.5.
            {{v(50, "U"), v(59, "D")}, {2, "54D ", "-", "-"}},
            // 09 UT: the 55 (E) may lie anywhere below; nothing is exact but what it cannot move.
            {{v(40), v(42), v(44), v(55, "E", "S")}, {4, "43E ", "50E ", "41E "}},
            // foEs at night, Es missing on three nights: below fmin, not Es at 2.5 MHz.
            {{v(25, "E", "S"), v(25, "E", "S"), v(25, "E", "S"), v(40), v(45)},
             {5, "25ES", "42  ", "25E "}},
            // A descriptive E alone ranks lowest; letters that bound nothing do not count.
            {{solo_e, solo_c, v(40), v(44), v(48), v(52), v(56)}, {6, "46  ", "52  ", "40  "}},
            {{solo_d, solo_d, v(40)}, {3, " D", "-", "-"}},
            {{v(25, "D"), v(30), v(35, "", "E")}, {3, "30U ", "-", "-"}}, // moves both ways
            {{v(40, "", "F"), v(42, "", "F"), v(44, "U", "F"), v(46), v(48)},
             {5, "44UF", "47  ", "41  "}},
            {{v(40, "U"), v(42), v(44), v(46), v(48, "U")}, {5, "44  ", "47  ", "41  "}},
            // An even count rests on both middle values: a doubtful lower one makes it doubtful.
            {{v(40), v(42), v(44), v(46, "U"), v(48), v(50), v(52), v(54)}, {8, "47U ", "51  ", "43  "}},
            // fbEs equal to foEs (A): at most that.
            {{v(30, "A"), v(32), v(34), v(36, "A"), v(38)}, {5, "34E ", "37E ", "31E "}},
            // A limit is rounded away from the side it may move to: 46.5 at most, 55.5 at least.
            {{v(45), v(48, "E")}, {2, "47E ", "-", "-"}},
            {{v(51), v(60, "D")}, {2, "55D ", "-", "-"}},
        };
    for (const auto& [celle, atteso] : casi) {
        const statistiche_ora s = statistiche(celle);
        EXPECT_EQ(std::tuple(s.conteggio, testo(s.mediana), testo(s.quartile_superiore),
                             testo(s.quartile_inferiore)),
                  atteso)
            << std::get<1>(atteso);
    }
}

TEST(TabulazioneMensile, CountsMediansAndCellsOnACraftedMonth) {
    // Days of March 2023 at interval 60: hour 00 holds 40, 44, 48, 52 on days 1-4;
    // hour 12 holds 50 (U), 59 (D R) and on day 3 letters only. Hour 23: nothing.
    std::vector<giornata> giorni;
    for (int giorno = 1; giorno <= 4; ++giorno) {
        giorni.push_back({"", {2023, 3, giorno}, "60", 60, {}});
        for (int ora = 0; ora < 24; ++ora)
            giorni.back().sondaggi.push_back({ora * 60, {}, {}});
        giorni.back().sondaggi[0].valori[*indice_chiave("foF2")] = {36 + 4 * giorno, "", ""};
    }
    const auto ore_12 = [&](int giorno) -> valore_letto& {
        return giorni[std::size_t(giorno - 1)].sondaggi[12].valori[*indice_chiave("foF2")];
    };
    ore_12(1) = {50, "U", ""};
    ore_12(2) = {59, "D", "R"};
    ore_12(3) = {std::nullopt, "", "C"};
    std::vector<const giornata*> scelti;
    for (const auto& g : giorni) scelti.push_back(&g);
    const auto righe = prova::righe_crlf(tabulazione_mensile("foF2", 2023, 3, scelti));
    ASSERT_EQ(righe.size(), 1u + 1 + 1 + 31 + 1 + 4);
    EXPECT_EQ(righe[0], "Ostrand   foF2   URSI code 00   unit 0.1 MHz   2023-03   hours UT");
    std::map<int, std::string> ore;
    for (int ora = 0; ora < 24; ++ora)
        ore[ora] = (ora < 10 ? "  0" : "  ") + std::to_string(ora) + "  ";
    const auto vuote = std::string(6, ' ');
    const std::pair<std::size_t, std::string> attese[] = {
        {2, prova::per_ora("DD ", ore, "")},
        {3, prova::per_ora("01 ", {{0, "  40  "}, {12, "  50U "}}, vuote)},
        {4, prova::per_ora("02 ", {{0, "  44  "}, {12, "  59DR"}}, vuote)},
        {5, prova::per_ora("03 ", {{0, "  48  "}, {12, "     C"}}, vuote)},
        {33, prova::per_ora("31 ", {}, vuote)}, // a day without a file keeps its row
        {35, prova::per_ora("CNT", {{0, "   4  "}, {12, "   2  "}}, "   0  ")},
        {36, prova::per_ora("MED", {{0, "  46U "}, {12, "  54D "}}, vuote)},
        {37, prova::per_ora("UQ ", {{0, "  50  "}}, vuote)},
        {38, prova::per_ora("LQ ", {{0, "  42  "}}, vuote)},
    };
    for (const auto& [n, riga] : attese) EXPECT_EQ(righe[n], riga) << n;
}

TEST(TabulazioneMensile, TitleNamesTheUnitOfTheCharacteristic) {
    const auto titolo = [](const char* chiave) {
        return prova::righe_crlf(tabulazione_mensile(chiave, 2024, 2, {})).front();
    };
    EXPECT_EQ(titolo("foE"), "Ostrand   foE   URSI code 20   unit 0.01 MHz   2024-02   hours UT");
    EXPECT_EQ(titolo("hF2"), "Ostrand   h'F2   URSI code 04   unit km   2024-02   hours UT");
    EXPECT_EQ(titolo("M3000F2"),
              "Ostrand   M(3000)F2   URSI code 03   unit M x 100   2024-02   hours UT");
    EXPECT_EQ(prova::righe_crlf(tabulazione_mensile("foE", 2024, 2, {})).size(), 3u + 29 + 1 + 4);
}

// The data centres' hourly day records: 132 characters, station, URSI code,
// YYMMDD and twenty-four QVVVD fields from the soundings at the full hours.

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
