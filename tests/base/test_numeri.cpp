#include "base/calendario.h"
#include "base/numeri.h"
#include "common/locale_virgola.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velaris;

TEST(ValoreNumerico, LeadingNumber) {
    const std::pair<const char*, double> casi[] = {
        {"", 0.0},          {"abc", 0.0},      {"52", 52.0},      {"  07", 7.0},
        {"1 2.5", 12.5},    {"3.45xyz", 3.45}, {".5", 0.5},       {"-2.5", -2.5},
        {"+4", 4.0},        {"1,5", 1.0},      {"1.2.3", 1.2},    {"0\t1\n.0 5", 1.05},
        {"1E3", 1000.0},    {"2d2", 200.0},    {"1e", 1.0},       {"1e+", 1.0},
        {"5-3", 5.0},       {"-", 0.0},        {"e5", 0.0},       {" 20.000", 20.0},
        {"1.5E-1x", 0.15},  {"--1", 0.0},      {"\r1.000", 0.0},  {"1\r5", 1.0},
        {"1e-999", 0.0},
    };
    for (const auto& [testo, atteso] : casi) EXPECT_DOUBLE_EQ(valore_numerico(testo), atteso) << testo;
    EXPECT_THROW(valore_numerico("1e999"), errore_overflow);
}

TEST(Arrotondamento, HalvesToEvenAndLimitsAreErrorsNotWraps) {
    const std::pair<double, double> casi[] = {{0.5, 0},    {1.5, 2},    {2.5, 2},    {3.5, 4},
                                              {-0.5, 0},   {-1.5, -2},  {-2.5, -2},  {2.4999, 2},
                                              {2.5001, 3}, {-2.6, -3},  {7.0, 7},    {0.26, 0}};
    for (const auto& [valore, atteso] : casi) EXPECT_EQ(arrotonda_pari(valore), atteso) << valore;
    EXPECT_EQ(a_intero16(32767.4), 32767);
    EXPECT_EQ(a_intero16(-32768.5), -32768); // half to even stays inside
    for (const double fuori : {32767.5, -32769.0, std::nan("")})
        EXPECT_THROW(a_intero16(fuori), errore_overflow) << fuori;
    EXPECT_EQ(a_intero32(2147483647.0), 2147483647);
    EXPECT_THROW(a_intero32(2147483647.5), errore_overflow);
    EXPECT_EQ(intero16_da_testo(" 32"), 32);
}

TEST(NumeroStampato, LeadingBlankNoZeroBeforePoint) {
    const std::pair<double, const char*> casi[] = {
        {0.95, " .95"},          {5.0, " 5"},        {0.0, " 0"},           {-0.0, " 0"},
        {-0.5, "-.5"},           {12.25, " 12.25"},  {-3.0, "-3"},          {200.25, " 200.25"},
        {0.025 * 5 + 0.9, " 1.025"}, {1.125 * 3 + 85.5, " 88.875"}, {1.0 / 3.0, " .333333333333333"},
        {1e15, " 1E+15"},        {0.0001, " .0001"}, {0.00001, " 1E-05"},   {123456789012345.0, " 123456789012345"},
    };
    for (const auto& [valore, atteso] : casi) EXPECT_EQ(numero_stampato(valore), atteso) << valore;
}

// A 32-bit float prints to its own 7 significant digits.
TEST(NumeroStampatoSingolo, SevenSignificantDigitsAndFloatSteps) {
    const std::pair<float, const char*> casi[] = {
        {27.4f, " 27.4"}, {9.5f, " 9.5"},     {15.0f, " 15"},        {0.5f, " .5"},
        {-2.5f, "-2.5"},  {-0.0f, " 0"},      {124.4f, " 124.4"},    {12.999999f, " 13"},
        {1.0e7f, " 1E+07"}, {1234567.0f, " 1234567"}};
    for (const auto& [valore, atteso] : casi) EXPECT_EQ(numero_stampato_singolo(valore), atteso) << valore;
    EXPECT_EQ(passo_singolo(27.4f, 0.1), 27.5f);
    float v = 15.0f;
    for (int n = 0; n < 10; ++n) v = passo_singolo(v, -0.1);
    EXPECT_EQ(numero_stampato_singolo(v), " 14");
}

TEST(TestiBrevi, ShortestFloatTwoDigitsCharactersAndTrim) {
    const std::pair<std::string, std::string> casi[] = {
        {testo_breve_float(0.05f), "0.05"},   {testo_breve_float(5.0f), "5"},
        {testo_breve_float(0.1f, ','), "0,1"}, {testo_breve_float(static_cast<float>(1.0 + 0.1 * 2)), "1.2"},
        {due_cifre(0), "00"},  {due_cifre(7), "07"},  {due_cifre(45), "45"},  {due_cifre(123), "123"},
        {std::string(caratteri("05-03-2023", 4, 2)), "03"}, {std::string(caratteri("05-03", 4, 9)), "03"},
        {std::string(caratteri("05", 7, 4)), ""},           {std::string(caratteri("05", 0, 1)), ""},
        {std::string(senza_spazi("  52 ")), "52"},          {std::string(senza_spazi("     ")), ""},
        {std::string(senza_spazi("\t5 ")), "\t5"}, // only blanks are padding
    };
    for (std::size_t n = 0; n < std::size(casi); ++n) EXPECT_EQ(casi[n].first, casi[n].second) << n;
}

// Every fourth year is a leap year, 2100 too; a month outside 1 ... 12 has no day.
TEST(Calendario, MonthLengthsAndNames) {
    const char* const nomi[] = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
    const int comune[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int fine_comune = 0, fine_bisestile = 0;
    for (int mese = 1; mese <= 12; ++mese) {
        fine_comune += comune[mese - 1];
        fine_bisestile += comune[mese - 1] + (mese == 2);
        EXPECT_EQ(giorni_del_mese(2023, mese), comune[mese - 1]) << mese;
        EXPECT_EQ(giorni_del_mese(2100, mese), comune[mese - 1] + (mese == 2)) << mese;
        EXPECT_EQ(ultimo_giorno_del_mese(mese, false), fine_comune) << mese;
        EXPECT_EQ(ultimo_giorno_del_mese(mese, true), fine_bisestile) << mese;
        EXPECT_EQ(nome_mese(mese), nomi[mese - 1]);
    }
    for (const int fuori : {0, 13, -1}) {
        EXPECT_EQ(giorni_del_mese(2024, fuori), 0);
        EXPECT_EQ(ultimo_giorno_del_mese(fuori, true), 0);
        EXPECT_EQ(nome_mese(fuori), "");
    }
}

// Printed numbers and the numbers read back keep "." whatever the locale.
TEST(LocaleConVirgola, ConversionsIgnoreTheLocale) {
    const prova::locale_con_virgola locale;
    if (!locale.attivo()) GTEST_SKIP() << prova::locale_con_virgola::motivo; // a comma in force
    EXPECT_EQ(numero_stampato(-12.25), "-12.25");
    EXPECT_EQ(numero_stampato_singolo(27.4f), " 27.4");
    EXPECT_EQ(testo_breve_float(0.05f), "0.05");
    EXPECT_DOUBLE_EQ(valore_numerico("0.95"), 0.95);
    EXPECT_DOUBLE_EQ(valore_numerico("1,5"), 1.0);
}
