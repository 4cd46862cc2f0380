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
    TwoProduct(f, kPiBy512.hi, p, pe);
    const long double tail = pe + (f * kPiBy512.lo + fe * kPiBy512.hi);
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
        r.hc = kPiBy512.hi;
        r.hcl = kPiBy512.lo;
        return;
    }
    FractionTimesStep(c0, c1, c2, r.hc, r.hcl);
}

void SinCosOutside(long double x, long double* s, long double* c) noexcept
{
    long double sv, cv;
    ::sincosl(x, &sv, &cv);
    if (s) *s = sv;
    if (c) *c = cv;
}

namespace {

struct Wide {
    long double hi, lo;
};

// (n.hi + n.lo) / (d.hi + d.lo), rounded once.
long double Divide(const Wide& n, const Wide& d) noexcept
{
    const long double q = n.hi / d.hi;
    long double p, pe;
    TwoProduct(q, d.hi, p, pe);
    return q + ((((n.hi - p) - pe) + n.lo) - q * d.lo) / d.hi;
}

// head + rest as hi + lo with lo below half an ulp of hi: Divide's one
// correction step is exact only for such a tail (tan g - g is far larger).
// Needs |head| >= |rest|.
void Normalize(long double head, long double rest, Wide& w) noexcept
{
    w.hi = head + rest;
    w.lo = rest - (w.hi - head);
}

// tan(j*pi/512 + g + gl) = N / D for 0 <= j <= 128 and 0 <= g <= pi/512,
// with T = tan(j*pi/512) and t = tan(g + gl): N = T + t, D = 1 - T t. D lies
// in [0.99, 1]: nothing cancels.
void TangentParts(int j, long double g, long double gl, Wide& n, Wide& d) noexcept
{
    const long double g2 = g * g;
    // tan g - g, and the small part gl with the derivative 1 + g^2.
    const long double p =
        g * g2 * (1 / 3.0L + g2 * (2 / 15.0L + g2 * (17 / 315.0L + g2 * (62 / 2835.0L)))) + gl * (1 + g2);
    const Pair& t = kTanTable[j];
    long double s, se;
    TwoSum(t.hi, g, s, se);
    Normalize(s, se + (t.lo + p), n);
    long double m, me;
    TwoProduct(t.hi, g, m, me);
    long double one, oneError;
    TwoSum(1, -m, one, oneError);
    Normalize(one, oneError - (me + (t.hi * p + t.lo * g)), d);
}

}  // namespace

long double TanOrCot(long double x, bool inverse) noexcept
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
    if (!(ax < 0x1p20L) || !Reduce(ax, r)) ReduceCarefully(ax, r);
    // theta = i*pi/512 + h in [0, pi/2) and its complement (255-i)*pi/512 + hc.
    // tan x is tan theta in even quadrants and -cot theta in odd ones; cot
    // theta is the tangent of the complement.
    const int i = r.index & 255;
    const bool odd = (r.index >> 8) & 1;
    const bool ofComplement = odd != inverse;
    int j = ofComplement ? 255 - i : i;
    long double g = ofComplement ? r.hc : r.h, gl = ofComplement ? r.hcl : r.hl;
    // Beyond pi/4 the reciprocal of the other angle's tangent.
    const bool reciprocal = j > 127;
    if (reciprocal) {
        j = 255 - j;
        g = ofComplement ? r.h : r.hc;
        gl = ofComplement ? r.hl : r.hcl;
    }
    Wide n, d;
    TangentParts(j, g, gl, n, d);
    long double t = reciprocal ? Divide(d, n) : Divide(n, d);
    if (odd) t = -t;
    return x < 0 ? -t : t;
}

}  // namespace vg::kernel
