#include "base/numeri.h"
#include "common/locale_virgola.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include <unistd.h>

using namespace velaris;

TEST(ValoreNumerico, LeadingNumber) {
    const struct {
        const char* testo;
        double atteso;
    } casi[] = {
        {"", 0.0},          {"abc", 0.0},      {"52", 52.0},      {"  07", 7.0},
        {"1 2.5", 12.5},    {"3.45xyz", 3.45}, {".5", 0.5},       {"-2.5", -2.5},
        {"+4", 4.0},        {"1,5", 1.0},      {"1.2.3", 1.2},    {"0\t1\n.0 5", 1.05},
        {"1E3", 1000.0},    {"2d2", 200.0},    {"1e", 1.0},       {"1e+", 1.0},
        {"5-3", 5.0},       {"-", 0.0},        {"e5", 0.0},       {" 20.000", 20.0},
        {"1.5E-1x", 0.15},  {"--1", 0.0},      {"\r1.000", 0.0}, {"1\r5", 1.0},
        {" \t\n1.5", 1.5},
    };
    for (const auto& caso : casi) EXPECT_DOUBLE_EQ(valore_numerico(caso.testo), caso.atteso) << caso.testo;
}

TEST(ValoreNumerico, HugeExponentOverflowsTinyIsZero) {
    EXPECT_THROW(valore_numerico("1e999"), errore_overflow);
    EXPECT_EQ(valore_numerico("1e-999"), 0.0);
}

TEST(Arrotondamento, HalvesGoToEven) {
    const struct {
        double valore, atteso;
    } casi[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7.0, 7}, {0.26, 0}};
    for (const auto& caso : casi) EXPECT_EQ(arrotonda_pari(caso.valore), caso.atteso) << caso.valore;
}

TEST(Arrotondamento, SixteenBitLimitsAreErrorsNotWraps) {
    EXPECT_EQ(a_intero16(32767.4), 32767);
    EXPECT_EQ(a_intero16(-32768.5), -32768); // half to even stays inside
    EXPECT_THROW(a_intero16(32767.5), errore_overflow);
    EXPECT_THROW(a_intero16(-32769.0), errore_overflow);
    EXPECT_THROW(a_intero16(std::nan("")), errore_overflow);
    EXPECT_EQ(a_intero32(2147483647.0), 2147483647);
    EXPECT_THROW(a_intero32(2147483647.5), errore_overflow);
    EXPECT_EQ(intero16_da_testo(" 32"), 32);
    EXPECT_EQ(intero16_da_testo("x"), 0);
}

TEST(NumeroStampato, LeadingBlankNoZeroBeforePoint) {
    const struct {
        double valore;
        const char* atteso;
    } casi[] = {
        {0.95, " .95"},          {5.0, " 5"},        {0.0, " 0"},           {-0.0, " 0"},
        {-0.5, "-.5"},           {12.25, " 12.25"},  {-3.0, "-3"},          {200.25, " 200.25"},
        {0.025 * 5 + 0.9, " 1.025"}, {1.125 * 3 + 85.5, " 88.875"}, {1.0 / 3.0, " .333333333333333"},
        {1e15, " 1E+15"},        {0.0001, " .0001"}, {0.00001, " 1E-05"},   {123456789012345.0, " 123456789012345"},
    };
    for (const auto& caso : casi) EXPECT_EQ(numero_stampato(caso.valore), caso.atteso) << caso.valore;
}

TEST(TestoBreveFloat, ShortestRoundTrip) {
    EXPECT_EQ(testo_breve_float(0.05f), "0.05");
    EXPECT_EQ(numero_stampato_singolo(27.4f), " 27.4");
    EXPECT_EQ(testo_breve_float(0.025f), "0.025");
    EXPECT_EQ(testo_breve_float(5.0f), "5");
    EXPECT_EQ(testo_breve_float(0.1f, ','), "0,1");
    EXPECT_EQ(testo_breve_float(static_cast<float>(1.0 + 0.1 * 2)), "1.2");
}

TEST(TestiBrevi, TwoDigitsAndTrim) {
    EXPECT_EQ(due_cifre(0), "00");
    EXPECT_EQ(due_cifre(7), "07");
    EXPECT_EQ(due_cifre(45), "45");
    EXPECT_EQ(due_cifre(123), "123");
    EXPECT_EQ(caratteri("05-03-2023", 4, 2), "03");
    EXPECT_EQ(caratteri("05-03", 4, 9), "03");
    EXPECT_EQ(caratteri("05", 7, 4), "");
    EXPECT_EQ(caratteri("05", 0, 1), "");
    EXPECT_EQ(senza_spazi("  52 "), "52");
    EXPECT_EQ(senza_spazi("     "), "");
    EXPECT_EQ(senza_spazi("\t5 "), "\t5"); // only blanks are padding
}

namespace {

/// The conversions run with a comma locale in force.
class LocaleConVirgola : public ::testing::Test {
protected:
    void SetUp() override {
        if (!m_locale.attivo()) GTEST_SKIP() << prova::locale_con_virgola::motivo;
    }

private:
    prova::locale_con_virgola m_locale;
};

} // namespace

// Printed numbers and the numbers read back keep "." whatever the locale.
TEST_F(LocaleConVirgola, ConversionsIgnoreTheLocale) {
    std::array<char, 16> prova{};
    std::snprintf(prova.data(), prova.size(), "%.2f", 0.95);
    ASSERT_STREQ(prova.data(), "0,95"); // the locale is in force

    EXPECT_EQ(numero_stampato(0.95), " .95");
    EXPECT_EQ(numero_stampato(-12.25), "-12.25");
    EXPECT_EQ(numero_stampato(1e15), " 1E+15");
    EXPECT_EQ(testo_breve_float(0.05f), "0.05");
    EXPECT_EQ(numero_stampato_singolo(27.4f), " 27.4");
    EXPECT_EQ(due_cifre(7), "07");
    EXPECT_DOUBLE_EQ(valore_numerico("0.95"), 0.95);
    EXPECT_DOUBLE_EQ(valore_numerico("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(valore_numerico(numero_stampato(200.25)), 200.25);
    EXPECT_EQ(intero16_da_testo("2.5"), 2);
}
