#pragma once
// The 80-bit kernels of the evaluator: e^x, ln x, sine, cosine, tangent,
// cotangent, arctangent and whole powers, each within one unit in the last
// place of the 64-bit mantissa. They are table-driven: a table value taken
// to about 117 bits carries the result, and a short polynomial in a small
// reduced argument supplies the rest, so only the final addition rounds
// noticeably (whole powers multiply head + tail pairs instead).
//
// The kernels are forced inline: an 80-bit value passed through memory, as
// an argument or a result of a call, costs more than most of the arithmetic.
// The rare arguments that need more care (overflow and denormal results,
// trigonometric arguments beyond 2^20 or within 2^-30 of a multiple of pi/2)
// go to out-of-line paths.

#include <cmath>
#include <cstdint>
#include <cstring>

// Inline even where the compiler judges a kernel too large.
#define VG_KERNEL_INLINE [[gnu::always_inline]] inline

namespace vg {
namespace kernel {

// Every constant is read as doubles: an 80-bit load from memory costs
// several times a double's, and such loads dominated the kernels' time.
// A table value to about 117 bits: its long double rounding hi = head + tail
// (exactly), and the rest lo.
struct Pair {
    double head, tail, lo;
};
VG_KERNEL_INLINE long double Hi(const Pair& p) noexcept { return static_cast<long double>(p.head) + p.tail; }
VG_KERNEL_INLINE long double Lo(const Pair& p) noexcept { return p.lo; }

// A long double as the exact sum of two doubles.
struct Exact64 {
    double head, tail;
};
VG_KERNEL_INLINE long double Value(const Exact64& v) noexcept
{
    return static_cast<long double>(v.head) + v.tail;
}

extern const Pair kExp2Table[64];  // 2^(j/64)
extern const double kLn2By64Head, kLn2By64Tail, k64ByLn2;
extern const Pair kLogTable[97];          // ln(j/128), j = 96..192
extern const Exact64 kInverseTable[97];  // 128/j
extern const double kLn2Head, kLn2Tail;
extern const Pair kSinTable[257];  // sin(i*pi/512), i = 0..256
extern const double kPiBy512Part1, kPiBy512Part2, kPiBy512Part3, k512ByPi;
extern const Exact64 kPiBy512Rest;
extern const Pair kPiBy512;
extern const std::uint64_t kInversePiBits[4];  // 1/pi to 256 bits, most significant first
extern const Pair kTanTable[129];            // tan(j*pi/512), j = 0..128
extern const Pair kAtanTable[257];           // atan(j/128), j = 0..256
extern const Pair kAtanComplementTable[65];  // pi/2 - atan(j/128), j = 0..64

// Adding it rounds a value below 2^62 in magnitude to an integer, which
// then sits in the low bits of the sum's mantissa.
inline constexpr long double kRoundingShift = 0x1.8p63L;

VG_KERNEL_INLINE std::uint64_t MantissaBits(long double x) noexcept
{
    std::uint64_t m;
    std::memcpy(&m, &x, sizeof m);
    return m;
}

// An integer held exactly by x (|x| < 2^53) as an int: through a double,
// whose store the next load takes straight over (an 80-bit store is not
// forwarded to a narrower load, which then waits until the store has left
// the core).
VG_KERNEL_INLINE std::int64_t IntegerOf(long double x) noexcept
{
    return static_cast<std::int64_t>(static_cast<double>(x));
}

VG_KERNEL_INLINE unsigned SignAndExponent(long double x) noexcept
{
    std::uint16_t se;
    std::memcpy(&se, reinterpret_cast<const unsigned char*>(&x) + 8, sizeof se);
    return se;
}

// 2^n for a normal exponent n.
VG_KERNEL_INLINE long double PowerOf2(int n) noexcept
{
    struct {
        std::uint64_t mantissa;
        std::uint16_t signAndExponent;
        std::uint16_t pad[3];
    } bits = {0x8000000000000000ULL, static_cast<std::uint16_t>(n + 16383), {0, 0, 0}};
    long double r;
    std::memcpy(&r, &bits, 10);
    return r;
}

// 2^n as a double, for |n| <= 1022: an 8-byte value passes to the x87
// registers without a stall.
VG_KERNEL_INLINE double DoublePowerOf2(int n) noexcept
{
    const std::uint64_t bits = static_cast<std::uint64_t>(n + 1023) << 52;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// An extended value as the exact sum of two doubles, for passing between
// functions: two doubles travel in registers, while an 80-bit argument goes
// through memory, and a load that follows its store that closely waits
// until the store has left the core (the evaluations of a loop then run one
// after another instead of overlapping).
//
// The split is exact for zeros and for magnitudes 2^-900 .. 2^1000: the head
// is the value rounded to a double, the rest (kept as head - value, so that
// -0 comes back as -0) has at most 11 bits and stays a normal double.
struct Split {
    double hi, rest;
};

VG_KERNEL_INLINE bool Splittable(long double v) noexcept
{
    const long double a = std::fabs(v);
    return a < 0x1p1000L && (a >= 0x1p-900L || a == 0);
}

VG_KERNEL_INLINE Split SplitOf(long double v) noexcept
{
    const double hi = static_cast<double>(v);
    return {hi, static_cast<double>(hi - v)};
}

VG_KERNEL_INLINE long double Join(Split s) noexcept { return static_cast<long double>(s.hi) - s.rest; }

// a + b == s + e exactly.
VG_KERNEL_INLINE void TwoSum(long double a, long double b, long double& s, long double& e) noexcept
{
    s = a + b;
    const long double bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}

// a * b == p + e exactly (Dekker's product with a 32-bit split).
VG_KERNEL_INLINE void TwoProduct(long double a, long double b, long double& p, long double& e) noexcept
{
    constexpr long double kSplitter = 4294967297.0L;  // 2^32 + 1
    p = a * b;
    const long double ca = kSplitter * a, cb = kSplitter * b;
    const long double ah = ca - (ca - a), bh = cb - (cb - b);
    const long double al = a - ah, bl = b - bh;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// n for a whole b with |b| <= 64, else false.
VG_KERNEL_INLINE bool SmallWhole(long double b, int& n) noexcept
{
    if (!(std::fabs(b) <= 64)) return false;
    n = static_cast<int>(IntegerOf(b));
    return n == b;
}

// (h + l) * (h + l), or (h + l) * x, back in h + l to about 2^-120
// relative (l below half a unit of h).
VG_KERNEL_INLINE void SquarePair(long double& h, long double& l) noexcept
{
    long double p, e;
    TwoProduct(h, h, p, e);
    e += 2 * h * l;
    h = p + e;
    l = e - (h - p);
}

VG_KERNEL_INLINE void MultiplyPair(long double& h, long double& l, long double x) noexcept
{
    long double p, e;
    TwoProduct(h, x, p, e);
    e += l * x;
    h = p + e;
    l = e - (h - p);
}

// x^n for x > 0 and a whole n, |n| <= 64, where |n log2 x| < 2000 (every
// partial power and its rounding error stay normal): binary powering on
// head + tail pairs, one rounding at the end; a negative n through one
// division corrected by its exact remainder. Within 0.5 ulp and a trace.
VG_KERNEL_INLINE long double WholePower(long double x, int n) noexcept
{
    const unsigned m = static_cast<unsigned>(n < 0 ? -n : n);
    if (m <= 1) return m == 0 ? 1 : (n > 0 ? x : 1 / x);
    if (n == 2) return x * x;  // the exact square rounded once
    long double h, l;
    TwoProduct(x, x, h, l);  // x^2 exactly
    int bit = 30 - __builtin_clz(m);
    if ((m >> bit) & 1) MultiplyPair(h, l, x);
    while (--bit >= 0) {
        SquarePair(h, l);
        if ((m >> bit) & 1) MultiplyPair(h, l, x);
    }
    if (n > 0) return h;  // the sum p + e of the last step rounded once
    const long double q = 1 / h;
    long double p, e;
    TwoProduct(q, h, p, e);
    const long double remainder = ((1 - p) - e) - q * l;  // 1 - p is exact: p is within an ulp of 1
    return q + q * remainder;
}

long double ExpOutside(long double x) noexcept;
long double LnOutside(long double x) noexcept;

// e^x = m * 2^n with 2^(k/64) * e^r, |r| <= ln 2 / 128, for |x| < 11400.
VG_KERNEL_INLINE long double ExpMantissa(long double x, int& n) noexcept
{
    const long double big = x * k64ByLn2 + kRoundingShift;
    const long double kf = big - kRoundingShift;
    const auto k = static_cast<std::int32_t>(IntegerOf(kf));
    // kf * head is exact and cancels exactly against x.
    const long double r = (x - kf * kLn2By64Head) - kf * kLn2By64Tail;
    // e^r - 1 - r in doubles (see SmallAngle): below 2^-16 of the result.
    const double d = static_cast<double>(r);
    const double d2 = d * d;
    const double q = d2 * ((0.5 + d * (1 / 6.0)) + d2 * ((1 / 24.0 + d * (1 / 120.0)) +
                                                         d2 * (1 / 720.0 + d * (1 / 5040.0))));
    const Pair& t = kExp2Table[k & 63];
    n = k >> 6;
    const long double hi = Hi(t);
    return hi + (hi * (r + q) + Lo(t));
}

VG_KERNEL_INLINE long double Exp(long double x) noexcept
{
    if (!(std::fabs(x) < 11355.0L)) return ExpOutside(x);
    int n;
    const long double m = ExpMantissa(x, n);
    if (n >= -1022 && n <= 1022) return m * DoublePowerOf2(n);
    return m * PowerOf2(n);
}

// ln x = e ln 2 + ln y for 0.75 <= y < 1.5 (y = x / 2^e, its mantissa bits
// given), with y = j/128 + f and ln y = ln(j/128) + ln(1 + f*128/j).
VG_KERNEL_INLINE long double LnOfScaled(long double y, int e, std::uint64_t bits, bool upper) noexcept
{
    const int j = upper ? static_cast<int>(((bits >> 56) + 1) >> 1) : static_cast<int>(((bits >> 55) + 1) >> 1);
    // Small numbers and constants as doubles: they reach the x87 registers
    // from the SSE side or memory without a slow 80-bit load.
    const double fj = static_cast<double>(j) * (1 / 128.0);
    const long double f = y - fj;  // exact
    const Exact64& inverse = kInverseTable[j - 96];
    const long double u = f * Value(inverse);
    // The rounding error of u, which matters where ln y cancels against
    // ln(j/128): u split so that both parts times j/128 are exact.
    const long double split = u * 257.0;  // 2^8 + 1: a 56-bit head
    const long double uh = split - (split - u), ul = u - uh;
    const long double uError = ((f - uh * fj) - ul * fj) * inverse.head;
    // ln(1+u) - u: its terms beyond -u^2/2 in doubles (see SmallAngle), below
    // 2^-15 of the result (|u| < 2^-7, and |ln y| is at least about |u|/2).
    // The other small terms join them there: x87 registers are few, and a
    // value that does not fit goes to memory and back at 80 bits.
    const double d = static_cast<double>(u);
    const double d2 = d * d;
    const double cubic =
        d * d2 * ((1 / 3.0 - d * 0.25) + d2 * ((0.2 - d * (1 / 6.0)) + d2 * (1 / 7.0 - d * 0.125)));
    const Pair& lf = kLogTable[j - 96];
    const double ef = static_cast<double>(e);
    const double small = cubic + (Lo(lf) + ef * kLn2Tail);
    long double head, headError;
    TwoSum(static_cast<long double>(ef) * kLn2Head, Hi(lf), head, headError);  // the product is exact
    const long double s = head + u;
    const long double sError = u - (s - head);  // exact: |head| >= |u| or head == 0
    return s + ((sError - 0.5L * (u * u)) + ((headError + uError) + small));
}

// ln x for positive x within a double's normal range. The exponent and the
// table index come from x rounded to a double (cheap to read, see
// IntegerOf): where that rounding carries into the next index or binade,
// y = x / 2^e lies a rounding below its interval's edge, which the
// reduction takes exactly all the same.
VG_KERNEL_INLINE long double Ln(long double x) noexcept
{
    const double rounded = static_cast<double>(x);
    std::uint64_t d;
    std::memcpy(&d, &rounded, sizeof d);
    const unsigned biased = static_cast<unsigned>(d >> 52);  // sign and exponent
    if (biased - 1 >= 0x7fe) return LnOutside(x);  // negative, zero, tiny, huge, infinite, NaN
    const std::uint64_t bits = (d << 11) | 0x8000000000000000ULL;  // as a 64-bit mantissa
    const bool upper = bits >= 0xC000000000000000ULL;  // mantissa >= 1.5: take y below 1
    const int e = static_cast<int>(biased) - 1023 + (upper ? 1 : 0);
    if (e > 1022) return LnOutside(x);
    return LnOfScaled(x * DoublePowerOf2(-e), e, bits, upper);
}

// sin h - h and cos h - 1 for |h| <= about pi/512, in doubles: the SSE unit
// takes them off the x87 unit, and from h rounded to a double they are
// still within 2^-67 of the result they go into.
struct SinCosParts {
    double sm, cm;
};

VG_KERNEL_INLINE SinCosParts SmallAngle(long double h) noexcept
{
    const double d = static_cast<double>(h);
    const double d2 = d * d;
    return {d * d2 * (-1 / 6.0 + d2 * (1 / 120.0 - d2 * (1 / 5040.0))),
            d2 * (-0.5 + d2 * (1 / 24.0 + d2 * (-1 / 720.0 + d2 * (1 / 40320.0))))};
}

// sin(i*pi/512 + h) for 0 <= i <= 256 and |h| <= about pi/512, with the
// reduced argument h + hl.
VG_KERNEL_INLINE long double SinOfSum(int i, long double h, long double hl, const SinCosParts& p) noexcept
{
    const Pair& s = kSinTable[i];
    const Pair& cosine = kSinTable[256 - i];
    const long double c = Hi(cosine);
    // The products with sin h - h and cos h - 1 in doubles too: the table
    // heads stand for the values there within 2^-53 of a term below 2^-15
    // of the result.
    const double small = cosine.head * p.sm + (s.head * p.cm + s.lo);
    // The table value and c*h summed without error: where they are of one
    // size (small i) a rounding of their sum would cost a quarter unit.
    long double a, aError;
    TwoSum(Hi(s), c * h, a, aError);
    return a + (aError + (c * hl + small));
}

// An argument 2^-32 <= |x| < 2^63 as K*pi/512 + h + hl, with K reduced to
// 0..1023 (quadrant and table index), and the complement pi/512 - h as
// hc + hcl where it is needed.
struct ReducedAngle {
    int index;
    long double h, hl, hc, hcl;
};

// pi/512 - (h + hl) as hc + hcl, hc carrying the leading bits.
VG_KERNEL_INLINE void ComplementOf(ReducedAngle& r) noexcept
{
    long double c, ce;
    TwoSum(kPiBy512Part1, -r.h, c, ce);
    const long double lo = ce + (Value(kPiBy512Rest) - r.hl);
    r.hc = c + lo;
    r.hcl = lo - (r.hc - c);
}

// The reduction for |x| < 2^20 by three parts of pi/512, without the
// complement. False when h or its complement is too close to 0 for the
// parts to keep their relative accuracy (the complement judged by its
// leading part: the rest is below 2^-40).
VG_KERNEL_INLINE bool Reduce(long double ax, ReducedAngle& r) noexcept
{
    const long double big = (ax * k512ByPi - 0.5L) + kRoundingShift;
    const long double kf = big - kRoundingShift;
    r.index = static_cast<int>(IntegerOf(kf) & 1023);
    const long double h1 = ax - kf * kPiBy512Part1;  // exact
    const long double p2 = kf * kPiBy512Part2;       // exact
    const long double h = h1 - p2;
    const long double hl = ((h1 - h) - p2) - kf * kPiBy512Part3;
    r.h = h + hl;  // kf times the third part reaches 2^-52
    r.hl = hl - (r.h - h);
    constexpr long double kTooClose = 0x1p-30L;
    const int i = r.index & 255;
    return !((i == 0 && std::fabs(r.h) < kTooClose) ||
             (i == 255 && std::fabs(kPiBy512Part1 - r.h) < kTooClose));
}

// The same by the bits of 1/pi (for 2^-32 <= ax < 2^63), complement
// included: exact to about 2^-180 in units of pi/512, where h cancels to a
// few bits near a multiple of pi/2 or the argument is beyond the three
// parts' range.
void ReduceCarefully(long double ax, ReducedAngle& r) noexcept;

void SinCosOutside(long double x, long double* s, long double* c) noexcept;

// sin(x) and cos(x) of the reduced angle's quadrant part theta in [0, pi/2).
VG_KERNEL_INLINE long double SinTheta(const ReducedAngle& r) noexcept
{
    return SinOfSum(r.index & 255, r.h, r.hl, SmallAngle(r.h));
}
template <bool kComplementKnown>
VG_KERNEL_INLINE long double CosTheta(ReducedAngle r) noexcept
{
    if (!kComplementKnown) ComplementOf(r);
    return SinOfSum(255 - (r.index & 255), r.hc, r.hcl, SmallAngle(r.hc));
}

// sin x (cos x when cosine) of a reduced |x|, negated for a negative sine
// argument.
template <bool kComplementKnown>
VG_KERNEL_INLINE long double SinOrCosOfReduced(const ReducedAngle& r, bool cosine, bool negative) noexcept
{
    const int q = r.index >> 8;
    if (cosine) {
        const long double c = (q & 1) ? SinTheta(r) : CosTheta<kComplementKnown>(r);
        return (q == 1 || q == 2) ? -c : c;
    }
    const long double s = (q & 1) ? CosTheta<kComplementKnown>(r) : SinTheta(r);
    return ((q >> 1) != 0) != negative ? -s : s;
}

// The arguments the three parts cannot reduce, out of line: the reduced
// angle then never has to live in memory on the common path.
long double SinOrCosCarefully(long double x, bool cosine) noexcept;

VG_KERNEL_INLINE long double Sin(long double x) noexcept
{
    const long double ax = std::fabs(x);
    if (ax < 0x1p-32L) return x;
    ReducedAngle r;
    if (!(ax < 0x1p20L) || !Reduce(ax, r)) return SinOrCosCarefully(x, false);
    return SinOrCosOfReduced<false>(r, false, x < 0);
}

VG_KERNEL_INLINE long double Cos(long double x) noexcept
{
    const long double ax = std::fabs(x);
    if (ax < 0x1p-32L) return 1;
    ReducedAngle r;
    if (!(ax < 0x1p20L) || !Reduce(ax, r)) return SinOrCosCarefully(x, true);
    return SinOrCosOfReduced<false>(r, true, false);
}

// x's leading 32 bits (Dekker's split): the product of two such heads is
// exact.
VG_KERNEL_INLINE long double Head32(long double x) noexcept
{
    const long double c = x * 4294967297.0L;  // 2^32 + 1
    return c - (c - x);
}

// (ah + al) / (bh + bl) for rests al, bl below 2^-15 of their heads, within
// half an ulp and about 2^-90: one division for the reciprocal of the
// divisor, and the residual of the first quotient, exact through 32-bit
// heads of that quotient and of the divisor, multiplied by it.
VG_KERNEL_INLINE long double DivideHeadsAndRests(long double ah, long double al, long double bh,
                                                              long double bl) noexcept
{
    const long double b = bh + bl;
    const long double reciprocal = 1 / b;
    const long double bHead = Head32(b);
    const long double bRest = (b - bHead) + (bl - (b - bh));
    const long double q = (ah + al) * reciprocal;
    const long double qHead = Head32(q);
    const long double qRest = q - qHead;
    // ah and qHead * bHead agree to about 2^-15: their difference is exact.
    const long double residual = (((ah - qHead * bHead) - qRest * bHead) - q * bRest) + al;
    return q + residual * reciprocal;
}

// tan(j*pi/512 + g + gl) for 0 <= j <= 128 and 0 <= g <= about pi/512, its
// reciprocal when reciprocal: with T = tan(j*pi/512) and t = tan(g + gl),
// N = T + t and D = 1 - T t, each a head and a rest to about 2^-67 relative
// (D lies in [0.99, 1]: nothing cancels), then N / D or D / N.
VG_KERNEL_INLINE long double TangentOfSum(int j, long double g, long double gl, bool reciprocal) noexcept
{
    // tan(g + gl) - g, below 2^-14 of the result, in doubles (see
    // SmallAngle), and the products with it and with T's rest.
    const double d = static_cast<double>(g);
    const double d2 = d * d;
    const double cubic = d * d2 * (1 / 3.0 + d2 * (2 / 15.0 + d2 * (17 / 315.0 + d2 * (62 / 2835.0))));
    const double p = cubic + static_cast<double>(gl) * (1 + d2);
    const Pair& t = kTanTable[j];
    const double nSmall = t.lo + p;
    const double dSmall = t.head * p + t.lo * d;
    const long double tHi = Hi(t);
    long double nHead, nError;
    TwoSum(tHi, g, nHead, nError);
    const long double nRest = nError + nSmall;
    // T t's leading product rounds by less than 2^-71 of D; 1 - dHead is
    // exact, and so is its difference from that product.
    const long double m = tHi * g;
    const long double dHead = 1 - m;
    const long double dRest = ((1 - dHead) - m) - dSmall;
    return DivideHeadsAndRests(reciprocal ? dHead : nHead, reciprocal ? dRest : nRest,
                               reciprocal ? nHead : dHead, reciprocal ? nRest : dRest);
}

// Tangent (cotangent when inverse) of a reduced |x|, negated for a negative
// x: tan x is tan theta in even quadrants and -cot theta in odd ones, cot
// theta the tangent of the complement; beyond pi/4 the reciprocal of the
// other angle's tangent.
template <bool kComplementKnown>
VG_KERNEL_INLINE long double TanOrCotOfReduced(ReducedAngle r, bool inverse, bool negative) noexcept
{
    const int i = r.index & 255;
    const bool odd = (r.index >> 8) & 1;
    const bool ofComplement = odd != inverse;
    int j = ofComplement ? 255 - i : i;
    const bool reciprocal = j > 127;
    if (reciprocal) j = 255 - j;
    const bool ofH = ofComplement == reciprocal;
    if (!kComplementKnown && !ofH) ComplementOf(r);
    const long double t = TangentOfSum(j, ofH ? r.h : r.hc, ofH ? r.hl : r.hcl, reciprocal);
    return (odd != negative) ? -t : t;
}

// Tiny, huge and NaN arguments and those the three parts cannot reduce.
long double TanOrCotCarefully(long double x, bool inverse) noexcept;

VG_KERNEL_INLINE long double TanOrCot(long double x, bool inverse) noexcept
{
    const long double ax = std::fabs(x);
    ReducedAngle r;
    if (!(ax >= 0x1p-32L && ax < 0x1p20L) || !Reduce(ax, r)) return TanOrCotCarefully(x, inverse);
    return TanOrCotOfReduced<false>(r, inverse, x < 0);
}
VG_KERNEL_INLINE long double Tan(long double x) noexcept { return TanOrCot(x, false); }
VG_KERNEL_INLINE long double Cot(long double x) noexcept { return TanOrCot(x, true); }

// atan v - v for |v| below about 2^-6.4, in doubles (see SmallAngle): below
// 2^-14 of the result.
VG_KERNEL_INLINE double AtanPolynomial(long double v) noexcept
{
    const double d = static_cast<double>(v);
    const double d2 = d * d;
    return d * d2 * (-1 / 3.0 + d2 * (0.2 + d2 * (-1 / 7.0 + d2 * (1 / 9.0 - d2 * (1 / 11.0)))));
}

// atan x = atan(j/128) + atan(v), v = (x - j/128) / (1 + x j/128), for
// |x| <= 2; beyond, pi/2 - atan(1/|x|) the same way.
VG_KERNEL_INLINE long double Atan(long double x) noexcept
{
    const long double ax = std::fabs(x);
    long double r;
    if (ax <= 2) {
        const long double jf = (ax * 128 + kRoundingShift) - kRoundingShift;
        const int j = static_cast<int>(IntegerOf(jf));
        if (j <= 1) {
            r = ax + AtanPolynomial(ax);
        } else {
            const long double c = jf * (1 / 128.0L);
            const long double num = ax - c;  // exact
            // The denominator to twice the precision: ax split so that both
            // parts times c are exact.
            constexpr long double kSplitter = 513.0L;  // 2^9 + 1: a 55-bit head
            const long double t = ax * kSplitter;
            const long double ah = t - (t - ax), al = ax - ah;
            long double den, denError;
            TwoSum(1, ah * c, den, denError);
            denError += al * c;
            const long double v = num / den;
            const long double vl = -v * (denError / den);
            const Pair& a = kAtanTable[j];
            r = Hi(a) + (v + (vl + (Lo(a) + AtanPolynomial(v))));
        }
    } else if (ax > 2) {
        const long double u = 1 / ax;
        const long double jf = (u * 128 + kRoundingShift) - kRoundingShift;
        const int j = static_cast<int>(IntegerOf(jf));
        long double v = u;
        if (j != 0) {
            const long double c = jf * (1 / 128.0L);
            constexpr long double kSplitter = 513.0L;
            const long double t = ax * kSplitter;
            const long double ah = t - (t - ax), al = ax - ah;
            v = ((1 - c * ah) - c * al) / (ax + c);
        }
        const Pair& b = kAtanComplementTable[j];
        r = Hi(b) + (Lo(b) - (v + AtanPolynomial(v)));
    } else {
        return x;  // NaN
    }
    return x < 0 ? -r : r;
}

}  // namespace kernel
}  // namespace vg
