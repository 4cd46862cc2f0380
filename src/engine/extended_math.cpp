#include "engine/extended_math.h"

#include <limits>

namespace vg::kernel {

// Beyond the fast range: NaN, overflow to infinity, results that are
// denormal or round to 0. The scaling goes in two steps so that only the
// last one rounds.
long double ExpOutside(long double x) noexcept
{
    if (std::isnan(x)) return x;
    if (x > 11357.0L) return std::numeric_limits<long double>::infinity();
    if (x < -11400.0L) return 0;
    int n;
    const long double m = ExpMantissa(x, n);
    const int first = n - n / 2;
    return (m * PowerOf2(first)) * PowerOf2(n / 2);
}

long double LnOutside(long double x) noexcept
{
    if (std::isnan(x)) return x;
    if (x < 0) return std::numeric_limits<long double>::quiet_NaN();
    if (x == 0) return -std::numeric_limits<long double>::infinity();
    if (std::isinf(x)) return x;
    // Denormals are scaled into the normal range first (exactly).
    int extra = 0;
    if (SignAndExponent(x) == 0) {
        x *= 0x1p64L;
        extra = -64;
    }
    const unsigned se = SignAndExponent(x);
    const std::uint64_t bits = MantissaBits(x);
    const bool upper = bits >= 0xC000000000000000ULL;
    const int e = static_cast<int>(se) - 16383 + (upper ? 1 : 0);
    const long double y = (x * PowerOf2(-e / 2)) * PowerOf2(-(e - e / 2));
    return LnOfScaled(y, e + extra, bits, upper);
}

namespace {

// Bits [pos, pos + 64) of a 320-bit number held in five words, lowest first.
std::uint64_t BitsAt(const std::uint64_t (&w)[5], int pos)
{
    const int word = pos / 64, offset = pos % 64;
    const std::uint64_t low = word < 5 ? w[word] : 0;
    const std::uint64_t high = word + 1 < 5 ? w[word + 1] : 0;
    return offset == 0 ? low : (low >> offset) | (high << (64 - offset));
}

// (a0 + a1 2^-64 + a2 2^-128) 2^-64 * pi/512 as hi + lo.
void FractionTimesStep(std::uint64_t a0, std::uint64_t a1, std::uint64_t a2, long double& hi, long double& lo)
{
    long double f, fe;
    TwoSum(static_cast<long double>(a0) * 0x1p-64L, static_cast<long double>(a1) * 0x1p-128L, f, fe);
    fe += static_cast<long double>(a2) * 0x1p-192L;
    long double p, pe;
    const long double stepHi = Hi(kPiBy512);
    TwoProduct(f, stepHi, p, pe);
    const long double tail = pe + (f * Lo(kPiBy512) + fe * stepHi);
    hi = p + tail;
    lo = tail - (hi - p);
}

}  // namespace

// ax * 512/pi = M 2^(e+9) / pi with the 64-bit mantissa M: the product of M
// with 256 bits of 1/pi holds the index (mod 1024) and 192 bits of fraction.
void ReduceCarefully(long double ax, ReducedAngle& r) noexcept
{
    const std::uint64_t m = MantissaBits(ax);
    const int shift = static_cast<int>(SignAndExponent(ax)) - 16383 - 63 + 9;  // -86 .. 8
    std::uint64_t w[5] = {};
    unsigned __int128 carry = 0;
    for (int k = 3; k >= 0; --k) {
        const unsigned __int128 product = static_cast<unsigned __int128>(m) * kInversePiBits[k] + carry;
        w[3 - k] = static_cast<std::uint64_t>(product);
        carry = product >> 64;
    }
    w[4] = static_cast<std::uint64_t>(carry);
    const int point = 256 - shift;  // value position of the binary point
    r.index = static_cast<int>(BitsAt(w, point) & 1023);
    const std::uint64_t a0 = BitsAt(w, point - 64), a1 = BitsAt(w, point - 128), a2 = BitsAt(w, point - 192);
    FractionTimesStep(a0, a1, a2, r.h, r.hl);
    // 1 - fraction, by the 192-bit two's complement.
    std::uint64_t c2 = ~a2 + 1, c1 = ~a1, c0 = ~a0;
    if (c2 == 0 && ++c1 == 0) ++c0;
    if ((a0 | a1 | a2) == 0) {
        r.hc = Hi(kPiBy512);
        r.hcl = Lo(kPiBy512);
        return;
    }
    FractionTimesStep(c0, c1, c2, r.hc, r.hcl);
}

long double SinOrCosCarefully(long double x, bool cosine) noexcept
{
    const long double ax = std::fabs(x);
    if (!(ax < 0x1p63L)) {
        long double s, c;
        SinCosOutside(x, &s, &c);
        return cosine ? c : s;
    }
    ReducedAngle r;
    ReduceCarefully(ax, r);
    return SinOrCosOfReduced<true>(r, cosine, x < 0);
}

void SinCosOutside(long double x, long double* s, long double* c) noexcept
{
    long double sv, cv;
    ::sincosl(x, &sv, &cv);
    if (s) *s = sv;
    if (c) *c = cv;
}

long double TanOrCotCarefully(long double x, bool inverse) noexcept
{
    const long double ax = std::fabs(x);
    if (ax < 0x1p-32L) return inverse ? 1 / x : x;
    if (!(ax < 0x1p63L)) {
        if (std::isnan(x)) return x;
        long double s, c;
        ::sincosl(x, &s, &c);
        return inverse ? c / s : s / c;
    }
    ReducedAngle r;
    ReduceCarefully(ax, r);
    return TanOrCotOfReduced<true>(r, inverse, x < 0);
}

}  // namespace vg::kernel
