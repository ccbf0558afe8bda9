// The day's clock and the start of a session: the date rule, the time and
// number a session starts at, the day of the year and the names and numbers
// of the day's soundings, one step of a window's time, and the companion
// window's steps. What a start writes, or leaves as it was, is the
// damaged-file table's.

#include "common/fakes.h"
#include "common/locale_virgola.h"
#include "session/avvio_sessione.h"
#include "session/compagna.h"
#include "session/nomi_file.h"
#include "session/orario.h"

#include <gtest/gtest.h>

#include <array>

using namespace velaris;

namespace {

const std::string formato = "The format of the date is not correct!!",
                  mese = "The number representing the month cannot be greater than 12!!",
                  giorno = "The day of the date is not correct!!",
                  ora = "The hour or the minutes are not correct!!",
                  intervallo = "The difference in minutes between two consecutive ionograms "
                               "must be 05, 10, 15, 30 or 60!!";

} // namespace

// A day or month "00" passes; February has 29 days in every fourth year.
TEST(AvvioSessione, DateRule) {
    // clang-format off
    const std::pair<const char*, std::string> casi[] = {
        {"5-3-2023", formato},   {"05/03/2023", formato}, {"05-03-20-3", formato},
        {"05--3-2023", formato}, {"05-03-9E99", formato}, {"05-03-2023x", formato},
        {"05-13-2023", mese},
        {"31-04-2023", giorno},  {"31-09-2023", giorno},  {"29-02-2023", giorno},
        {"30-02-2024", giorno},  {"32-01-2023", giorno},  {"30-09-2023", ""},
        {"29-02-2024", ""},      {"29-02-2100", ""},      {"00-00-2023", ""},
        {"31-12-2023", ""},      {"31-00-2023", ""},
    };
    // clang-format on
    for (const auto& [data, messaggio] : casi)
        EXPECT_EQ(errore_data(data).value_or(""), messaggio) << data;
}

// The stored day keeps the time of the lists, another day starts at 00:00.
// What the lists never offer is refused: no session without a results file
// or on a sounding outside the day.
TEST(AvvioSessione, TimeAndNumberItStartsAt) {
    // clang-format off
    const struct { richiesta_avvio richiesta; std::string rifiuto, sessione = {}; } casi[] = {
        {{"05-03-2023", "07", "45", "15", "05-03-2023"}, "", "745 32 2023064 ionograms/QX106_05032023_15.txt"},
        {{"05-03-2023", "23", "55", "05", "05-03-2023"}, "", "2355 288 2023064 ionograms/QX106_05032023_05.txt"},
        {{"06-03-2023", "11", "30", "15", "05-03-2023"}, "", "0 1 2023065 ionograms/QX106_06032023_15.txt"},
        {{"05-03-2023", "07", "45", "20", "05-03-2023"}, intervallo},
        {{"05-03-2023", "24", "00", "60", "05-03-2023"}, ora},
        {{"05-03-2023", "-1", "59", "15", "05-03-2023"}, ora},
    };
    // clang-format on
    for (const auto& c : casi) {
        const avvio_preparato avvio = preparazione_avvio(c.richiesta, parametri_sessione{});
        const parametri_sessione& s = avvio.sessione;
        EXPECT_EQ(avvio.rifiuto, c.rifiuto) << c.richiesta.hour << ":" << c.richiesta.minutes;
        const std::string sessione = std::to_string(s.ora_corrente * 100 + s.minuti_correnti) +
                                     " " + std::to_string(s.numero_ionogramma) + " " +
                                     s.anno_sessione + s.giorno_anno + " " +
                                     s.file_risultati.string();
        EXPECT_EQ(c.rifiuto.empty() ? sessione : "", c.sessione);
    }
}

TEST(NomiFile, DayOfTheYear) {
    // The 1st of each month in 2023, and in 2100: every fourth year leaps.
    // clang-format off
    const std::array<const char*, 3> mesi[] = {
        {"01", "001", "001"}, {"02", "032", "032"}, {"03", "060", "061"}, {"04", "091", "092"},
        {"05", "121", "122"}, {"06", "152", "153"}, {"07", "182", "183"}, {"08", "213", "214"},
        {"09", "244", "245"}, {"10", "274", "275"}, {"11", "305", "306"}, {"12", "335", "336"},
    };
    // clang-format on
    for (const auto& [mese, comune, bisestile] : mesi) {
        EXPECT_EQ(calcolo_giorno_anno(std::string("01-") + mese + "-2023"), comune) << mese;
        EXPECT_EQ(calcolo_giorno_anno(std::string("01-") + mese + "-2100"), bisestile) << mese;
    }
    for (auto [data, giorno] : {std::pair{"31-12-2024", "366"}, {"31-03-2023", "090"}, {"05-13-2023", ""}})
        EXPECT_EQ(calcolo_giorno_anno(data), giorno) << data;
}

// Per interval: the records of the day's results file, its name, and the
// number of the sounding at h:m; a minute the interval does not allow rounds
// the number half to even (2.5 -> 2, 3.5 -> 4), whatever the locale.
TEST(NomiFile, RecordsNameAndNumberByInterval) {
    const prova::locale_con_virgola virgola;
    // clang-format off
    const struct { const char* incremento; int record; const char* nome; int h, m, numero; } casi[] = {
        {"05", 288, "QX106_05032023_05.txt", 23, 55, 288}, {"10", 144, "QX106_05032023_10.txt", 23, 50, 144},
        {"15", 96, "QX106_05032023_15.txt", 7, 45, 32},    {"30", 48, "QX106_05032023_30.txt", 0, 45, 2},
        {"30", 48, "QX106_05032023_30.txt", 1, 15, 4},     {"60", 24, "QX106_05032023_60.txt", 23, 0, 24},
        {"20", 0, "", 7, 45, 0}, {"", 0, "", 7, 45, 0},
    };
    // clang-format on
    for (const auto& c : casi) {
        EXPECT_EQ(numero_record(c.incremento), c.record) << c.incremento;
        EXPECT_EQ(nome_file_risultati("05-03-2023", c.incremento).value_or(""), c.nome);
        EXPECT_EQ(numero_ionogramma_per(c.incremento, c.h, c.m).value_or(0), c.numero)
            << c.incremento << " " << c.h << ":" << c.m;
    }
}

// Back over the hour to the hour's last sounding, on over it to :00, never
// across midnight; a text that is no interval does not move.
TEST(Orario, OneStepEachWay) {
    const auto P = verso::precedente, S = verso::successivo;
    using e = esito_passo;
    // clang-format off
    const struct { const char* incremento; orario da; verso v; esito_passo esito; orario nuovo; } casi[] = {
        {"15", {1, 0}, P, e::fatto, {0, 45}},  {"60", {1, 0}, P, e::fatto, {0, 0}},   {"15", {7, 45}, S, e::fatto, {8, 0}},
        {"05", {0, 0}, P, e::primo, {0, 0}},   {"60", {23, 0}, S, e::ultimo, {23, 0}}, {"20", {7, 45}, S, e::fermo, {7, 45}},
    };
    // clang-format on
    for (const auto& c : casi) {
        const passo p = passo_orario(c.da, c.v, c.incremento);
        EXPECT_TRUE(p.esito == c.esito && p.nuovo == c.nuovo)
            << c.incremento << " " << c.da.ora << ":" << c.da.minuti;
    }
}

// The companion opens one interval after the main window and then steps on
// its own; at the ends of the day it says so and keeps its time.
TEST(Orario, TheCompanionsSteps) {
    using op = operazione_compagna;
    const std::string ultimo = "LAST IONOGRAM|This is the last ionogram you can ",
                      primo = "FIRST IONOGRAM|This is the first ionogram you can view\n";
    // clang-format off
    const struct { op operazione; orario principale, compagna, dopo; std::string detto; } casi[] = {
        {op::mostra, {7, 45}, {0, 0}, {8, 0}, ""},
        {op::successivo, {7, 45}, {8, 0}, {8, 15}, ""},
        {op::precedente, {7, 45}, {8, 0}, {7, 45}, ""},
        {op::mostra, {23, 45}, {10, 0}, {10, 0}, ultimo + "scale\n"},
        {op::successivo, {7, 45}, {23, 45}, {23, 45}, ultimo + "view\n"},
        {op::precedente, {7, 45}, {0, 0}, {0, 0}, primo},
    };
    // clang-format on
    for (const auto& c : casi) {
        parametri_sessione s;
        s.incremento_minuti = "15";
        s.ora_corrente = c.principale.ora, s.minuti_correnti = c.principale.minuti;
        s.ora_successivo = c.compagna.ora, s.minuti_successivo = c.compagna.minuti;
        prova::messaggi_finti messaggi;
        EXPECT_EQ(orario_compagna(c.operazione, s, messaggi), c.detto.empty());
        EXPECT_EQ(messaggi.detti(), c.detto);
        EXPECT_EQ((orario{s.ora_successivo, s.minuti_successivo}), c.dopo) << c.detto;
    }
}
