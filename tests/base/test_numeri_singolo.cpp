// The printed form and the steps of 32-bit float variables.

#include "base/numeri.h"

#include <gtest/gtest.h>

using namespace velaris;

TEST(NumeroStampatoSingolo, SevenSignificantDigits) {
    const std::pair<float, const char*> casi[] = {
        {27.4f, " 27.4"}, {9.5f, " 9.5"},     {15.0f, " 15"},        {0.5f, " .5"},
        {-2.5f, "-2.5"},  {-0.0f, " 0"},      {124.4f, " 124.4"},    {12.999999f, " 13"},
        {1.0e7f, " 1E+07"}, {1234567.0f, " 1234567"}};
    for (const auto& [valore, atteso] : casi) EXPECT_EQ(numero_stampato_singolo(valore), atteso) << valore;
    EXPECT_NE(numero_stampato(27.4f), " 27.4"); // the double form shows the binary value
}

TEST(PassoSingolo, StepsInDoubleStoredAsFloat) {
    EXPECT_EQ(passo_singolo(27.4f, 0.1), 27.5f);
    float v = 15.0f;
    for (int n = 0; n < 10; ++n) v = passo_singolo(v, -0.1);
    EXPECT_EQ(numero_stampato_singolo(v), " 14");
}
