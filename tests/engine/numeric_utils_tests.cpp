#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine_messages.h"
#include "engine/numeric_utils.h"

namespace vg {
namespace {

TEST(RoundHalfAway, roundsHalvesAwayFromZero)
{
    struct Row { Extended x, expected; };
    for (const Row& r : {Row{2.5L, 3}, Row{-2.5L, -3}, Row{0.5L, 1}, Row{-0.5L, -1},
                         Row{std::nextafter(2.5L, 0.0L), 2}, Row{std::nextafter(-2.5L, 0.0L), -2},
                         Row{std::nextafter(0.5L, 0.0L), 0}, Row{3, 3}, Row{-7.75L, -8},
                         Row{0, 0}, Row{0x1p70L, 0x1p70L}, Row{-0x1p63L - 1, -0x1p63L - 1}}) {
        EXPECT_EQ(RoundHalfAway(r.x), r.expected) << static_cast<double>(r.x);
    }
}

TEST(RoundMantissa, keepsElevenDecimalsOfBinaryMantissa)
{
    EXPECT_EQ(RoundMantissa(1e-201L), 0);
    EXPECT_EQ(RoundMantissa(3e2000L), 3e2000L);
    EXPECT_EQ(RoundMantissa(0.75L), 0.75L);
    EXPECT_EQ(RoundMantissa(-6), -6);
    // 0.1 = 0.8 * 2^-3: the mantissa rounds to 0.8 exactly at 11 decimals.
    EXPECT_EQ(RoundMantissa(0.1L + 1e-20L), std::ldexp(0.8L, -3));
    EXPECT_EQ(RoundMantissa(0.30000000000000004L), std::ldexp(RoundHalfAway(0.6L * 1e11L) / 1e11L, -1));
}

TEST(PowerOf10, givesNearestExtendedPower)
{
    EXPECT_EQ(PowerOf10(0), 1);
    EXPECT_EQ(PowerOf10(27), 1e27L);
    EXPECT_EQ(PowerOf10(-5), 1e-5L);
    EXPECT_EQ(PowerOf10(100), 1e100L);
    EXPECT_EQ(PowerOf10(-300), 1e-300L);
    EXPECT_EQ(PowerOf10(2000), 1e2000L);
    EXPECT_EQ(PowerOf10(4000), 1e4000L);
}

TEST(NearZero, appliesBoundsAndTwelveDigits)
{
    EXPECT_EQ(NearZero(9.99e-201L), 0);
    EXPECT_EQ(NearZero(-1e-250L), 0);
    EXPECT_EQ(NearZero(1e-200L), 1e-200L);
    EXPECT_EQ(NearZero(5e2000L), 5e2000L);
    EXPECT_EQ(NearZero(1.0L / 3), 0.333333333333L);
    EXPECT_EQ(NearZero(-2.0L / 3), -0.666666666667L);
    EXPECT_EQ(NearZero(999999999999.5L), 1e12L);
    EXPECT_EQ(NearZero(1234567890125.0L), 1.23456789012e12L);  // exact tie: to even
    EXPECT_EQ(NearZero(1234567890135.0L), 1.23456789014e12L);
    EXPECT_TRUE(std::isnan(NearZero(std::nanl(""))));
}

TEST(EngineMessages, holdTheSyntaxTexts)
{
    EXPECT_STREQ(EngineMessage(1), "syntax error");
    EXPECT_STREQ(EngineMessage(2), "discordance of lexems");
    EXPECT_STREQ(EngineMessage(3), "not enough ')' ");
    EXPECT_STREQ(EngineMessage(4), "not enough '(' ");
    EXPECT_STREQ(EngineMessage(7), "");
    EXPECT_STREQ(EngineMessage(8), "");
}

}  // namespace
}  // namespace vg
