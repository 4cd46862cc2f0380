// The 80-bit kernels against MPFR: every result within one unit in the last
// place of the 64-bit mantissa, over uniform arguments, arguments near 0,
// near multiples of pi/2 up to 2^63, near the overflow and underflow limits
// and denormals. The default sweep keeps `make test` quick; set
// VG_KERNEL_SWEEP to the number of arguments per class for the full sweep
// (200000 gives more than 10^6 per kernel).
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/extended_math.h"

namespace vg {
namespace {

using Kernel = long double (*)(long double);
using Reference = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

int ArgumentsPerClass()
{
    const char* env = std::getenv("VG_KERNEL_SWEEP");
    const int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : 12000;
}

class Mpfr {
public:
    Mpfr() { mpfr_init2(v_, 320); }
    ~Mpfr() { mpfr_clear(v_); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;
    mpfr_ptr get() { return v_; }

private:
    mpfr_t v_;
};

// |got - exact| in units of the last place of the 64-bit format at the exact
// value (denormal spacing below the normal range).
double UlpError(long double got, mpfr_ptr exact)
{
    if (mpfr_nan_p(exact)) return std::isnan(got) ? 0 : 1e9;
    if (mpfr_inf_p(exact)) return std::isinf(got) && (got > 0) == (mpfr_sgn(exact) > 0) ? 0 : 1e9;
    // Beyond the largest finite value the correct result is infinity.
    const long double rounded = mpfr_get_ld(exact, MPFR_RNDN);
    if (std::isinf(rounded)) return got == rounded ? 0 : 1e9;
    if (!std::isfinite(got)) return 1e9;
    Mpfr d, unit;
    mpfr_set_ld(d.get(), got, MPFR_RNDN);
    mpfr_sub(d.get(), d.get(), exact, MPFR_RNDN);
    mpfr_abs(d.get(), d.get(), MPFR_RNDN);
    constexpr long kLowest = -16445 + 64;  // the denormal spacing 2^-16445
    long e = mpfr_zero_p(exact) ? kLowest : mpfr_get_exp(exact);
    if (e < kLowest) e = kLowest;
    mpfr_set_ui_2exp(unit.get(), 1, e - 64, MPFR_RNDN);
    mpfr_div(d.get(), d.get(), unit.get(), MPFR_RNDN);
    return mpfr_get_d(d.get(), MPFR_RNDN);
}

struct Worst {
    double ulps = 0;
    long double at = 0;
    long count = 0;
};

void Measure(Kernel kernel, Reference reference, const std::vector<long double>& xs, Worst& worst)
{
    Mpfr x, y;
    for (long double v : xs) {
        mpfr_set_ld(x.get(), v, MPFR_RNDN);
        reference(y.get(), x.get(), MPFR_RNDN);
        const double e = UlpError(kernel(v), y.get());
        if (e > worst.ulps) worst = {e, v, worst.count};
        ++worst.count;
    }
}

class Arguments {
public:
    explicit Arguments(std::uint64_t seed) : rng_(seed) {}

    std::vector<long double> Uniform(long double lo, long double hi, int n)
    {
        std::uniform_real_distribution<long double> d(lo, hi);
        std::vector<long double> v;
        for (int i = 0; i < n; ++i) v.push_back(d(rng_));
        return v;
    }
    // Random 64-bit mantissas with binary exponents lo..hi (denormals below
    // -16382 come out with their spacing).
    std::vector<long double> Magnitudes(int lo, int hi, int n, bool bothSigns)
    {
        std::uniform_int_distribution<int> exponent(lo, hi);
        std::vector<long double> v;
        for (int i = 0; i < n; ++i) {
            long double x = std::ldexp(static_cast<long double>(rng_() | (1ULL << 63)), exponent(rng_) - 63);
            if (bothSigns && (rng_() & 1)) x = -x;
            v.push_back(x);
        }
        return v;
    }
    // The long doubles nearest to k*pi/2 for k up to 2^62, and two
    // neighbours on each side.
    std::vector<long double> NearHalfPiMultiples(int n)
    {
        Mpfr halfPi, multiple;
        mpfr_const_pi(halfPi.get(), MPFR_RNDN);
        mpfr_div_ui(halfPi.get(), halfPi.get(), 2, MPFR_RNDN);
        std::vector<long double> v;
        std::uniform_int_distribution<int> bits(1, 62);
        while (static_cast<int>(v.size()) < n) {
            const std::uint64_t k = (rng_() >> (64 - bits(rng_))) | 1;
            mpfr_mul_ui(multiple.get(), halfPi.get(), k, MPFR_RNDN);
            const long double x = mpfr_get_ld(multiple.get(), MPFR_RNDN);
            if (!(x < 0x1p63L)) continue;
            const long double sign = (rng_() & 1) ? -1 : 1;
            long double below = x, above = x;
            v.push_back(sign * x);
            for (int s = 0; s < 2; ++s) {
                below = std::nextafter(below, 0.0L);
                above = std::nextafter(above, 0x1p63L);
                v.push_back(sign * below);
                v.push_back(sign * above);
            }
        }
        return v;
    }

private:
    std::mt19937_64 rng_;
};

struct KernelCase {
    const char* name;
    Kernel kernel;
    Reference reference;
    std::function<std::vector<std::vector<long double>>(Arguments&, int)> classes;
};

std::vector<std::vector<long double>> TrigonometricClasses(Arguments& a, int n)
{
    return {a.Uniform(-10, 10, n), a.Magnitudes(-40, 62, n, true), a.Magnitudes(-90, -20, n, true),
            a.NearHalfPiMultiples(n), a.Magnitudes(-16445, -16383, n / 4, true)};
}

int MpfrCot(mpfr_ptr y, mpfr_srcptr x, mpfr_rnd_t r) { return mpfr_cot(y, x, r); }

const KernelCase kKernels[] = {
    {"exp", kernel::Exp, mpfr_exp,
     [](Arguments& a, int n) {
         return std::vector<std::vector<long double>>{
             a.Uniform(-50, 50, n), a.Uniform(-11400, 11357, n), a.Magnitudes(-90, 0, n, true),
             a.Uniform(11340, 11357, n), a.Uniform(-11400, -11340, n), a.Magnitudes(-16445, -16383, n / 4, true)};
     }},
    {"ln", kernel::Ln, mpfr_log,
     [](Arguments& a, int n) {
         std::vector<long double> nearOne;
         for (long double d : a.Magnitudes(-70, -5, n, true)) nearOne.push_back(1 + d);
         return std::vector<std::vector<long double>>{a.Uniform(0.5, 2, n), a.Magnitudes(-16382, 16383, n, false),
                                                      nearOne, a.Magnitudes(-16445, -16383, n, false),
                                                      a.Magnitudes(16370, 16383, n / 4, false)};
     }},
    {"sin", kernel::Sin, mpfr_sin, TrigonometricClasses},
    {"cos", kernel::Cos, mpfr_cos, TrigonometricClasses},
    {"tan", kernel::Tan, mpfr_tan, TrigonometricClasses},
    {"cot", kernel::Cot, MpfrCot,
     [](Arguments& a, int n) {
         return std::vector<std::vector<long double>>{a.Uniform(-10, 10, n), a.Magnitudes(-40, 62, n, true),
                                                      a.Magnitudes(-90, -20, n, true), a.NearHalfPiMultiples(n)};
     }},
    {"atan", kernel::Atan, mpfr_atan,
     [](Arguments& a, int n) {
         return std::vector<std::vector<long double>>{a.Uniform(-3, 3, n), a.Magnitudes(-90, 100, n, true),
                                                      a.Magnitudes(-16445, -16383, n / 4, true),
                                                      a.Magnitudes(16300, 16383, n / 4, true)};
     }},
};

TEST(ExtendedMath, kernelsStayWithinOneUlpOfMpfr_overTheirDomains)
{
    const int n = ArgumentsPerClass();
    for (const KernelCase& k : kKernels) {
        Arguments arguments(20240901);
        Worst worst;
        for (const std::vector<long double>& xs : k.classes(arguments, n)) Measure(k.kernel, k.reference, xs, worst);
        std::printf("  %-4s max %.3f ulp over %ld arguments (at %.21Lg)\n", k.name, worst.ulps, worst.count, worst.at);
        EXPECT_LT(worst.ulps, 1.0) << k.name << " at " << static_cast<double>(worst.at);
    }
}

// x^n for whole |n| <= 64 against MPFR over the domain the power rule gives
// the kernel (|n ln x| below 1000, that is |n log2 x| below 1443): bases
// near 1 and across the range for every n, the largest n, and results next
// to e^1000 and e^-1000. (Denormal results cannot occur there.)
std::vector<std::pair<long double, int>> WholePowerArguments(int count)
{
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int> anyN(-64, 64), largeN(56, 64);
    std::uniform_real_distribution<long double> unit(0, 1);
    auto mantissa = [&rng] { return static_cast<long double>(rng() | (1ULL << 63)) * 0x1p-63L; };  // [1, 2)
    auto sign = [&rng] { return (rng() & 1) ? 1 : -1; };
    std::vector<std::pair<long double, int>> v;
    for (int i = 0; i < count; ++i) v.push_back({0.5L + 1.5L * unit(rng), anyN(rng)});
    for (int i = 0; i < count; ++i) {  // across the range: |n| (|e| + 1) <= 1442
        const int n = anyN(rng);
        const int top = n == 0 ? 1000 : 1442 / std::abs(n) - 1;
        const int e = std::uniform_int_distribution<int>(-top, top)(rng);
        v.push_back({std::ldexp(mantissa(), e), n});
    }
    for (int i = 0; i < count; ++i) {  // near 1, where the partial powers cancel the most digits
        const int e = std::uniform_int_distribution<int>(-70, -6)(rng);
        v.push_back({1 + sign() * std::ldexp(mantissa(), e), sign() * largeN(rng)});
    }
    Mpfr root;
    for (int i = 0; i < count; ++i) {  // x^n within a few hundred ulps of e^1000 or e^-1000
        const int n = sign() * std::uniform_int_distribution<int>(1, 64)(rng);
        mpfr_set_si(root.get(), sign() * 1000, MPFR_RNDN);
        mpfr_div_si(root.get(), root.get(), n, MPFR_RNDN);
        mpfr_exp(root.get(), root.get(), MPFR_RNDN);
        long double x = mpfr_get_ld(root.get(), MPFR_RNDN);
        const int steps = std::uniform_int_distribution<int>(-8, 8)(rng);
        for (int s = 0; s < std::abs(steps); ++s) x = std::nextafter(x, steps < 0 ? 0.0L : HUGE_VALL);
        v.push_back({x, n});
    }
    return v;
}

TEST(ExtendedMath, wholePowerStaysWithinHalfAnUlpOfMpfr)
{
    Mpfr x, y;
    Worst worst;
    int worstN = 0;
    for (const auto& [base, n] : WholePowerArguments(ArgumentsPerClass())) {
        mpfr_set_ld(x.get(), base, MPFR_RNDN);
        mpfr_pow_si(y.get(), x.get(), n, MPFR_RNDN);
        const double e = UlpError(kernel::WholePower(base, n), y.get());
        if (e > worst.ulps) {
            worst = {e, base, worst.count};
            worstN = n;
        }
        ++worst.count;
    }
    std::printf("  x^n  max %.3f ulp over %ld arguments (at %.21Lg^%d)\n", worst.ulps, worst.count, worst.at, worstN);
    EXPECT_LT(worst.ulps, 0.51) << static_cast<double>(worst.at) << "^" << worstN;
}

TEST(ExtendedMath, specialArgumentsGiveTheLimits)
{
    constexpr long double kInf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(kernel::Exp(0), 1);
    EXPECT_EQ(kernel::Exp(12000), kInf);
    EXPECT_EQ(kernel::Exp(-12000), 0);
    EXPECT_EQ(kernel::Exp(-kInf), 0);
    EXPECT_TRUE(std::isnan(kernel::Exp(std::nanl(""))));
    EXPECT_EQ(kernel::Ln(1), 0);
    EXPECT_EQ(kernel::Ln(0), -kInf);
    EXPECT_EQ(kernel::Ln(kInf), kInf);
    EXPECT_TRUE(std::isnan(kernel::Ln(-1)));
    EXPECT_EQ(kernel::Sin(0), 0);
    EXPECT_TRUE(std::signbit(kernel::Sin(-0.0L)));
    EXPECT_EQ(kernel::Cos(0), 1);
    EXPECT_EQ(kernel::Tan(0), 0);
    EXPECT_TRUE(std::isnan(kernel::Sin(kInf)));
    EXPECT_EQ(kernel::Atan(kInf), kernel::Atan(0x1p100L));
    EXPECT_TRUE(std::isnan(kernel::Atan(std::nanl(""))));
}

// The tables against MPFR: each entry's three doubles together within
// 2^-115 relative of the value, and the first two exactly the long double
// the kernels read.
TEST(ExtendedMath, tablesHoldTheirValuesTo115Bits)
{
    Mpfr v, t, hi;
    auto check = [&](const kernel::Pair& p, const std::string& what) {
        mpfr_set_d(hi.get(), p.head, MPFR_RNDN);
        mpfr_add_d(hi.get(), hi.get(), p.tail, MPFR_RNDN);
        mpfr_set_ld(t.get(), kernel::Hi(p), MPFR_RNDN);
        EXPECT_TRUE(mpfr_equal_p(t.get(), hi.get())) << what;
        mpfr_add_d(t.get(), hi.get(), p.lo, MPFR_RNDN);
        mpfr_sub(t.get(), t.get(), v.get(), MPFR_RNDN);
        if (!mpfr_zero_p(v.get())) mpfr_div(t.get(), t.get(), v.get(), MPFR_RNDN);
        EXPECT_LT(std::fabs(mpfr_get_d(t.get(), MPFR_RNDN)), 0x1p-115) << what;
    };
    for (int j = 0; j < 64; ++j) {
        mpfr_set_si(v.get(), j, MPFR_RNDN);
        mpfr_div_ui(v.get(), v.get(), 64, MPFR_RNDN);
        mpfr_exp2(v.get(), v.get(), MPFR_RNDN);
        check(kernel::kExp2Table[j], "2^(j/64), j=" + std::to_string(j));
    }
    for (int j = 96; j <= 192; ++j) {
        mpfr_set_si(v.get(), j, MPFR_RNDN);
        mpfr_div_ui(v.get(), v.get(), 128, MPFR_RNDN);
        mpfr_log(v.get(), v.get(), MPFR_RNDN);
        check(kernel::kLogTable[j - 96], "ln(j/128), j=" + std::to_string(j));
    }
    Mpfr pi;
    mpfr_const_pi(pi.get(), MPFR_RNDN);
    for (int i = 0; i <= 256; ++i) {
        mpfr_mul_si(v.get(), pi.get(), i, MPFR_RNDN);
        mpfr_div_ui(v.get(), v.get(), 512, MPFR_RNDN);
        mpfr_sin(v.get(), v.get(), MPFR_RNDN);
        check(kernel::kSinTable[i], "sin(i pi/512), i=" + std::to_string(i));
    }
    for (int j = 0; j <= 256; ++j) {
        mpfr_set_si(v.get(), j, MPFR_RNDN);
        mpfr_div_ui(v.get(), v.get(), 128, MPFR_RNDN);
        mpfr_atan(v.get(), v.get(), MPFR_RNDN);
        check(kernel::kAtanTable[j], "atan(j/128), j=" + std::to_string(j));
        if (j <= 64) {
            mpfr_div_ui(t.get(), pi.get(), 2, MPFR_RNDN);
            mpfr_sub(v.get(), t.get(), v.get(), MPFR_RNDN);
            check(kernel::kAtanComplementTable[j], "pi/2 - atan(j/128), j=" + std::to_string(j));
        }
    }
}

}  // namespace
}  // namespace vg
