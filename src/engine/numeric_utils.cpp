#include "engine/numeric_utils.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace vg {
namespace {

constexpr Extended kLowerBound = 1e-200L;
constexpr Extended kUpperBound = 1e2000L;

// 10^0 .. 10^27 are exact in a 64-bit mantissa (5^27 < 2^64).
constexpr int kExactPowers = 27;
constexpr Extended kExactPow10[kExactPowers + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// ---- error-free transformations in extended precision ----------------------

void Split(Extended a, Extended& hi, Extended& lo)
{
    constexpr Extended kSplitter = 4294967297.0L;  // 2^32 + 1
    const Extended c = kSplitter * a;
    hi = c - (c - a);
    lo = a - hi;
}

// a*b == p + e exactly.
void TwoProduct(Extended a, Extended b, Extended& p, Extended& e)
{
    p = a * b;
    Extended ah, al, bh, bl;
    Split(a, ah, al);
    Split(b, bh, bl);
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// a+b == s + e exactly.
void TwoSum(Extended a, Extended b, Extended& s, Extended& e)
{
    s = a + b;
    const Extended bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}

// 10^k as an unevaluated sum hi + lo (about 115 correct bits) for
// |k| <= kTablePowers; covers every decimal exponent NearZero meets.
constexpr int kTablePowers = 2100;

struct DoubleExtended {
    Extended hi = 0, lo = 0;
};

class PowerTable {
public:
    PowerTable()
    {
        positive_[0] = {1, 0};
        negative_[0] = {1, 0};
        for (int k = 1; k <= kTablePowers; ++k) {
            const DoubleExtended& prev = positive_[k - 1];
            Extended p, e;
            TwoProduct(prev.hi, 10, p, e);
            TwoSum(p, e + prev.lo * 10, positive_[k].hi, positive_[k].lo);
            negative_[k] = Reciprocal(positive_[k]);
        }
    }
    const DoubleExtended& Get(int k) const { return k >= 0 ? positive_[k] : negative_[-k]; }

private:
    static DoubleExtended Reciprocal(const DoubleExtended& v)
    {
        const Extended q1 = 1 / v.hi;
        Extended p, e;
        TwoProduct(q1, v.hi, p, e);
        const Extended r = ((1 - p) - e) - q1 * v.lo;
        DoubleExtended out;
        TwoSum(q1, r / v.hi, out.hi, out.lo);
        return out;
    }
    std::array<DoubleExtended, kTablePowers + 1> positive_, negative_;
};

// Built on first use, in static storage: no allocation.
const PowerTable& Powers()
{
    static const PowerTable table;
    return table;
}

// x * 10^k with a relative error below 2^-62.
Extended ScaleByPowerOf10(Extended x, int k)
{
    if (k >= 0 && k <= kExactPowers) return x * kExactPow10[k];
    if (k < 0 && k >= -kExactPowers) return x / kExactPow10[-k];
    return x * Powers().Get(k).hi;
}

// Unbiased binary exponent of a finite, normal, non-zero x. Reads the two
// exponent bytes of the value where it already lies in memory: a wider read
// of a fresh copy would stall on store forwarding.
int BinaryExponent(const Extended& x)
{
    std::uint16_t signAndExponent;
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8,
                sizeof signAndExponent);
    return (signAndExponent & 0x7fff) - 16383;
}

// floor(b * log10(2)), possibly one too low; callers correct it.
int DecimalExponentEstimate(int binaryExponent)
{
    return static_cast<int>((static_cast<std::int64_t>(binaryExponent) * 1292913986LL) >> 32);
}

// n * 10^k correctly rounded, for an integer 1e11 <= n <= 1e12 and |k| beyond
// the exact powers. False when the result lies too close to a rounding
// midpoint to be sure.
[[gnu::noinline]] bool ScaleIntegerExactly(Extended n, int k, Extended& result)
{
    const DoubleExtended& p10 = Powers().Get(k);
    Extended p, e;
    TwoProduct(n, p10.hi, p, e);
    Extended r, rr;
    TwoSum(p, e + n * p10.lo, r, rr);
    int exponent;
    std::frexp(r, &exponent);
    const Extended ulp = std::ldexp(Extended(1), exponent - 64);
    const Extended doubt = std::ldexp(r, -100);
    const Extended offset = std::fabs(rr);
    if (std::fabs(offset - ulp / 2) < doubt || std::fabs(offset - ulp / 4) < doubt) return false;
    result = r;
    return true;
}

// Sign of (hi + lo) - target for |hi - target| <= 1: exact when hi and lo are.
int CompareSum(Extended hi, Extended lo, Extended target, Extended& distance)
{
    distance = (hi - target) + lo;
    return distance > 0 ? 1 : (distance < 0 ? -1 : 0);
}

// Decides the nearest integer n of ax * 10^k (halves to even, as the text
// conversion does) when the plain product lies too close to a half. The
// product is formed without rounding error where the power is exact; with a
// tabled power a result within the remaining doubt is left undecided.
[[gnu::noinline, gnu::cold]] bool RoundNearTie(Extended ax, int k, Extended& n)
{
    constexpr Extended kNearestIntegerShift = 0x1.8p63L;
    Extended hi, lo;
    bool exact = true;
    if (k >= 0 && k <= kExactPowers) {
        TwoProduct(ax, kExactPow10[k], hi, lo);
    } else if (k < 0 && k >= -kExactPowers) {
        const Extended divisor = kExactPow10[-k];
        hi = ax / divisor;
        Extended p, pe;
        TwoProduct(hi, divisor, p, pe);
        lo = ((ax - p) - pe) / divisor;
    } else {
        const DoubleExtended& p10 = Powers().Get(k);
        Extended pe;
        TwoProduct(ax, p10.hi, hi, pe);
        lo = pe + ax * p10.lo;
        exact = false;
    }
    const Extended n0 = (hi + kNearestIntegerShift) - kNearestIntegerShift;
    const Extended below = n0 - 0.5L, above = n0 + 0.5L;
    Extended dBelow, dAbove;
    const int vsAbove = CompareSum(hi, lo, above, dAbove);
    const int vsBelow = CompareSum(hi, lo, below, dBelow);
    if (!exact) {
        constexpr Extended kDoubt = 0x1p-60L;
        if (std::fabs(dAbove) < kDoubt || std::fabs(dBelow) < kDoubt) return false;
    }
    const bool n0Even = std::fmod(n0, 2.0L) == 0;
    if (vsAbove > 0) n = n0 + 1;
    else if (vsAbove == 0) n = n0Even ? n0 : n0 + 1;
    else if (vsBelow < 0) n = n0 - 1;
    else if (vsBelow == 0) n = n0Even ? n0 : n0 - 1;
    else n = n0;
    return true;
}

// 12-digit rounding of |x| in [1e-200, 1e2000] by arithmetic.
// False when a decision is too close to call (a decimal or binary rounding
// midpoint); the text round trip then decides.
bool RoundTo12DigitsFast(const Extended& x, Extended& result)
{
    constexpr Extended kNearestIntegerShift = 0x1.8p63L;  // adding it rounds to an integer
    constexpr Extended kTieDoubt = 0x1p-18L;

    const Extended ax = std::fabs(x);
    int e = DecimalExponentEstimate(BinaryExponent(x));
    Extended s = ScaleByPowerOf10(ax, 11 - e);
    while (s >= 1e12L) s = ScaleByPowerOf10(ax, 11 - ++e);
    while (s < 1e11L) s = ScaleByPowerOf10(ax, 11 - --e);

    Extended n = (s + kNearestIntegerShift) - kNearestIntegerShift;
    if (std::fabs(std::fabs(s - n) - 0.5L) < kTieDoubt && !RoundNearTie(ax, 11 - e, n)) {
        return false;
    }
    if (n >= 1e12L) {
        n = 1e11L;
        ++e;
    }
    const int k = e - 11;
    if (k >= 0 && k <= kExactPowers) {
        result = n * kExactPow10[k];
        return true;
    }
    if (k < 0 && k >= -kExactPowers) {
        result = n / kExactPow10[-k];
        return true;
    }
    return ScaleIntegerExactly(n, k, result);
}

}  // namespace

Extended RoundTo12DigitsByText(Extended x)
{
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 11);
    Extended back = x;
    std::from_chars(text, written.ptr, back, std::chars_format::scientific);
    return back;
}

namespace near_zero {
namespace {

constexpr std::uint64_t IntegerPowerOf10(int n)
{
    std::uint64_t p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

// 10^|n|, exact up to |n| = 22 (5^22 < 2^53); the inline range needs no more.
constexpr double DoublePowerOf10(int n)
{
    double p = 1;
    for (int i = 0; i < n || i < -n; ++i) p *= 10;
    return p;
}

// 10^j < 2^e, both sides as integers (|e| <= 63, |j| <= 19).
constexpr bool PowerOf10Below(int j, int e)
{
    if (j >= 0 && e >= 0) return IntegerPowerOf10(j) < (std::uint64_t{1} << e);
    if (j >= 0) return false;  // 10^j >= 1 > 2^e
    if (e >= 0) return true;   // 10^j < 1 <= 2^e
    return (std::uint64_t{1} << -e) < IntegerPowerOf10(-j);
}

// Float exponent byte f holds the values of [2^(f-127), 2^(f-126)), and
// just below the start those that round up into it. The decimal exponent
// just above the start is the largest j with 10^j < 2^(f-127); the next
// power counts when it lies below the binade's end. A negative power is
// taken as the nearest double: a value between it and the true power gets
// the neighbouring exponent, whose scaled value then rounds to 10^11 or
// 10^12 all the same.
constexpr std::array<Binade, 256> MakeBinadeTable()
{
    std::array<Binade, 256> table{};
    for (int f = 0; f < 256; ++f) {
        const int e = f - 127;
        if (e < -40 || e > 52) {  // outside the inline range: never read
            table[f] = {std::numeric_limits<double>::infinity(), {1, 1}, 0, 0xffffffff};
            continue;
        }
        int d = -20;
        while (PowerOf10Below(d + 1, e)) ++d;
        table[f].scale = 11 - d;
        table[f].powers = {DoublePowerOf10(11 - d), DoublePowerOf10(10 - d)};
        if (!PowerOf10Below(d + 1, e + 1)) {
            table[f].nextPower = std::numeric_limits<double>::infinity();
            table[f].nextPowerBits = 0xffffffff;
            continue;
        }
        if (d + 1 >= 0) {
            table[f].nextPower = static_cast<double>(IntegerPowerOf10(d + 1));
        } else {
            table[f].nextPower = 1 / static_cast<double>(IntegerPowerOf10(-(d + 1)));
        }
        table[f].nextPowerBits = std::bit_cast<std::uint32_t>(static_cast<float>(table[f].nextPower));
    }
    return table;
}

}  // namespace

constinit const std::array<Binade, 256> kBinadeTable = MakeBinadeTable();

namespace {

// 10^j as the nearest double, for the decades' bounds (|j| <= 15).
double DecimalPower(int j)
{
    return j >= 0 ? static_cast<double>(IntegerPowerOf10(j)) : 1 / static_cast<double>(IntegerPowerOf10(-j));
}

}  // namespace

static_assert(kLowestBits == std::bit_cast<std::uint32_t>(0x1p-36f));
static_assert(kBeyondBits == std::bit_cast<std::uint32_t>(0x1p49f));

}  // namespace near_zero

bool near_zero::FindDecade(Extended x, Decade& decade) noexcept
{
    const float approximate = static_cast<float>(x);
    std::uint32_t bits;
    std::memcpy(&bits, &approximate, sizeof bits);
    bits &= 0x7fffffff;
    if (bits - kLowestBits >= kBeyondBits - kLowestBits) return false;
    const Binade& b = kBinadeTable[bits >> 23];
    bool above = bits >= b.nextPowerBits;
    if (bits == b.nextPowerBits) above = std::fabs(x) >= b.nextPower;
    const int k = b.scale - (above ? 1 : 0);  // -3 .. 22
    decade = {DecimalPower(11 - k), DecimalPower(12 - k), b.powers[above ? 1 : 0], k};
    return true;
}

Extended near_zero::General(Extended x) noexcept
{
    const Extended ax = std::fabs(x);
    if (ax < kLowerBound) return 0;
    if (!(ax <= kUpperBound)) return x;
    Extended rounded;
    if (!RoundTo12DigitsFast(x, rounded)) return RoundTo12DigitsByText(x);
    return x < 0 ? -rounded : rounded;
}

Extended RoundMantissa(Extended x) noexcept
{
    const Extended ax = std::fabs(x);
    if (ax < kLowerBound) return 0;
    if (!(ax <= kUpperBound)) return x;
    int exponent;
    Extended m = std::frexp(x, &exponent);
    m = RoundHalfAway(m * 1e11L) / 1e11L;
    return std::ldexp(m, exponent);
}

Extended PowerOf10(int n) noexcept
{
    if (n >= 0 && n <= kExactPowers) return kExactPow10[n];
    if (n < 0 && n >= -kExactPowers) return 1 / kExactPow10[-n];
    if (n >= -kTablePowers && n <= kTablePowers) return Powers().Get(n).hi;
    return std::pow(Extended(10), Extended(n));
}

Extended RoundHalfAway(Extended x) noexcept
{
    const Extended whole = std::trunc(x);
    const Extended fraction = x - whole;
    if (x >= 0) return fraction >= 0.5L ? std::trunc(x + 1) : whole;
    return fraction <= -0.5L ? std::trunc(x - 1) : whole;
}

}  // namespace vg
