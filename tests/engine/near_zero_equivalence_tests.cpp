// NearZero must equal the text round trip it stands for (12 significant
// digits written in scientific notation and read back) on every value.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "engine/numeric_utils.h"

namespace vg {
namespace {

Extended ByText(Extended x)
{
    const Extended ax = std::fabs(x);
    if (ax < 1e-200L) return 0;
    if (!(ax <= 1e2000L)) return x;
    char text[64];
    std::snprintf(text, sizeof text, "%.11Le", x);
    return std::strtold(text, nullptr);
}

// digits * 10^exponent within a few units in the last place (close enough:
// neighbours on both sides are taken anyway).
Extended Scaled(long long digits, int exponent)
{
    return static_cast<Extended>(digits) * std::pow(10.0L, static_cast<Extended>(exponent));
}

class Sample {
public:
    explicit Sample(std::uint64_t seed) : rng_(seed) {}

    // 64 random mantissa bits with the top bit set, any binary exponent in range.
    Extended RandomValue(int minExponent, int maxExponent)
    {
        const std::uint64_t bits = rng_() | (1ULL << 63);
        const int e = std::uniform_int_distribution<int>(minExponent, maxExponent)(rng_);
        const Extended v = std::ldexp(static_cast<Extended>(bits), e - 63);
        return (rng_() & 1) ? -v : v;
    }
    long long TwelveDigits() { return std::uniform_int_distribution<long long>(100000000000LL, 999999999999LL)(rng_); }
    int DecimalExponent() { return std::uniform_int_distribution<int>(-202, 2002)(rng_); }
    int Steps() { return std::uniform_int_distribution<int>(-3, 3)(rng_); }

private:
    std::mt19937_64 rng_;
};

Extended Step(Extended x, int steps)
{
    const Extended toward = steps < 0 ? -HUGE_VALL : HUGE_VALL;
    for (int i = 0; i < std::abs(steps); ++i) x = std::nextafter(x, toward);
    return x;
}

std::vector<Extended> EquivalenceValues()
{
    Sample s(20240611);
    std::vector<Extended> values;
    values.reserve(1'050'000);
    // Random mantissas across the rounded range and a little beyond it.
    for (int i = 0; i < 500'000; ++i) values.push_back(s.RandomValue(-700, 6700));
    // Anywhere in the extended range, denormals included.
    for (int i = 0; i < 50'000; ++i) values.push_back(s.RandomValue(-16440, 16383));
    // Next to decimal rounding halves: d.ddddddddddd5eK and its neighbours.
    for (int i = 0; i < 300'000; ++i) {
        const Extended half = Scaled(s.TwelveDigits() * 10 + 5, s.DecimalExponent() - 12);
        values.push_back(Step(half, s.Steps()));
    }
    // Next to powers of ten and the two bounds.
    for (int i = 0; i < 150'000; ++i) {
        const Extended power = Scaled(1, s.DecimalExponent());
        values.push_back(Step(power, s.Steps()));
    }
    for (int steps = -20'000; steps <= 20'000; ++steps) {
        values.push_back(Step(1e-200L, steps % 50));
        values.push_back(Step(-1e2000L, steps % 50));
    }
    // Exact decimal ties (13 digits ending in 5, exactly representable).
    for (int i = 0; i < 20'000; ++i) {
        const long long tie = s.TwelveDigits() * 10 + 5;
        values.push_back(static_cast<Extended>(tie) * (i % 7 == 0 ? 1000 : 1));
    }
    return values;
}

// The magnitudes of everyday results, 1e-16 .. 1e16, where NearZero works
// inline with a table per binary exponent: the same kinds of values, dense.
std::vector<Extended> EverydayValues()
{
    Sample s(77031);
    std::vector<Extended> values;
    values.reserve(400'000);
    for (int i = 0; i < 150'000; ++i) values.push_back(s.RandomValue(-56, 56));
    for (int i = 0; i < 150'000; ++i) {
        const int exponent = static_cast<int>(s.TwelveDigits() % 35) - 17;
        const Extended half = Scaled(s.TwelveDigits() * 10 + 5, exponent - 12);
        values.push_back(Step(half, s.Steps()));
    }
    for (int exponent = -17; exponent <= 17; ++exponent) {
        for (int steps = -200; steps <= 200; ++steps) values.push_back(Step(Scaled(1, exponent), steps));
    }
    // Next to powers of two, and up to 2^-24 below them (values that round
    // to the power of two as floats).
    for (int binary = -60; binary <= 60; ++binary) {
        const Extended power = std::ldexp(1.0L, binary);
        for (int steps = -100; steps <= 100; ++steps) values.push_back(Step(power, steps));
        for (int i = 0; i < 300; ++i) {
            const Extended below = std::ldexp(static_cast<Extended>(s.TwelveDigits()) / 1e12L, -24);
            values.push_back(power * (1 - below));
        }
    }
    // Within a float's rounding of a power of ten, on both sides (values
    // whose float equals the power's float).
    for (int exponent = -17; exponent <= 17; ++exponent) {
        for (int i = 0; i < 600; ++i) {
            const Extended offset = std::ldexp(static_cast<Extended>(s.TwelveDigits()) / 1e12L, -24);
            values.push_back(Scaled(1, exponent) * (i % 2 == 0 ? 1 + offset : 1 - offset));
        }
    }
    return values;
}

std::size_t CountMismatches(const std::vector<Extended>& values)
{
    std::size_t mismatches = 0;
    for (Extended x : values) {
        const Extended expected = ByText(x);
        const Extended got = NearZero(x);
        if (got != expected || std::signbit(got) != std::signbit(expected)) {
            if (++mismatches <= 10) {
                ADD_FAILURE() << "x=" << static_cast<double>(x) << " got "
                              << static_cast<double>(got) << " expected "
                              << static_cast<double>(expected);
                std::printf("  x=%.25Le\n", x);
            }
        }
    }
    return mismatches;
}

TEST(NearZeroEquivalence, equalsTextRoundTrip_onAMillionValues)
{
    std::setlocale(LC_ALL, "C");
    const std::vector<Extended> values = EquivalenceValues();
    ASSERT_GE(values.size(), 1'000'000u);
    EXPECT_EQ(CountMismatches(values), 0u);
}

TEST(NearZeroEquivalence, equalsTextRoundTrip_atEverydayMagnitudes)
{
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(CountMismatches(EverydayValues()), 0u);
}

// The inline path reuses the decade of the value before: a value just
// across either bound of that decade, right after one inside it, must still
// round as text (the bounds are the powers as doubles, which for negative
// exponents lie a little off the true powers).
TEST(NearZeroEquivalence, equalsTextRoundTrip_justAcrossTheLastDecade)
{
    std::setlocale(LC_ALL, "C");
    std::vector<Extended> values;
    for (int exponent = -12; exponent <= 16; ++exponent) {
        const Extended power = Scaled(1, exponent);
        for (int steps = -40; steps <= 40; ++steps) {
            for (const Extended inside : {power * 3, power / 3}) {
                values.push_back(inside);
                values.push_back(Step(power, steps));
                values.push_back(inside);
                values.push_back(-Step(power, steps));
            }
        }
    }
    EXPECT_EQ(CountMismatches(values), 0u);
}

}  // namespace
}  // namespace vg
