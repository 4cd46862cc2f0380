// Calculate must give, bit for bit, what the plain walk of the postfix form
// gives: one operation at a time through ApplyOperation on a value stack, the
// top rounded by NearZero at the end. Checked on generated formulas at many
// points, error codes included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/extended_math.h"
#include "engine/numeric_utils.h"

namespace vg {
namespace {

struct Result {
    EngineError code = 0;
    Extended value = 0;
};

// The cancellation rule as stated: the right operand's test, then the left's.
Extended CancelAsStated(Extended a, Extended b, Extended r)
{
    if (std::fabs(b) >= 1e-50L && std::fabs(r) < 1e-16L * std::fabs(b)) return 0;
    if (std::fabs(a) >= 1e-50L && std::fabs(r) < 1e-16L * std::fabs(a)) return 0;
    return r;
}

// |a|^b as stated: e^(b ln |a|) below the exponent limit (a whole exponent
// up to 64 by the whole-power kernel), 0 far below it, undefined far above.
Extended StatedMagnitude(Extended a, Extended b, EngineError& error)
{
    const Extended t = b * kernel::Ln(std::fabs(a));
    if (!(std::fabs(t) < 1000)) {
        if (!(t < 0)) error = kErrUndefined;
        return 0;
    }
    const bool whole = std::fabs(b) <= 64 && b == std::trunc(b);
    return whole ? kernel::WholePower(std::fabs(a), static_cast<int>(b)) : kernel::Exp(t);
}

// The power rule as stated: a negative base takes whole exponents (the sign
// of odd ones) and reciprocals of odd whole numbers (odd roots).
Extended StatedPower(Extended a, Extended b, EngineError& error)
{
    if (a > 0) return StatedMagnitude(a, b, error);
    if (a == 0) {
        if (!(b > 0)) error = kErrUndefinedDomain;
        return 0;
    }
    const Extended half = b / 2, fraction = half - std::trunc(half);
    const bool even = fraction == 0, odd = std::fabs(fraction) == 0.5L;
    const Extended root = b == 0 ? 0.1L : 1 / (2 * b);
    const bool oddRoot = std::fabs(root - std::trunc(root)) == 0.5L;
    if (!odd && !even && !oddRoot) {
        error = kErrUndefinedDomain;
        return 0;
    }
    const Extended magnitude = StatedMagnitude(a, b, error);
    return even ? magnitude : -magnitude;
}

// Sums, differences, powers, tangent and cotangent written out as stated
// (the evaluator may compute them differently but must give the same bits;
// the quotient of sine and cosine is the tangent kernel's, whole powers the
// whole-power kernel's); every other operation through ApplyOperation.
Extended StatedOperation(LexCode code, Extended a, Extended b, EngineError& error)
{
    error = kEngineOk;
    Extended r;
    if (code == lex::Power) {
        r = StatedPower(a, b, error);
        if (error != kEngineOk) return 0;
    } else if (code == lex::Plus || code == lex::Minus) {
        r = CancelAsStated(a, b, code == lex::Plus ? a + b : a - b);
    } else if (code == lex::Tan || code == lex::Cot) {
        const bool inRange = std::fabs(b) < 0x1p63L;
        const Extended sine = inRange ? kernel::Sin(b) : 0;
        const Extended cosine = inRange ? kernel::Cos(b) : 0;
        const Extended divisor = code == lex::Tan ? cosine : sine;
        if (divisor == 0) {
            error = kErrUndefined;
            return 0;
        }
        r = code == lex::Tan ? kernel::Tan(b) : kernel::Cot(b);
    } else {
        return ApplyOperation(code, a, b, error);
    }
    if (!(std::fabs(r) <= 1e500L)) error = kErrUndefinedDomain;
    return r;
}

Result PlainWalk(const TStackList& postfix, Extended x, Extended y)
{
    constexpr Extended kMax = std::numeric_limits<Extended>::max();
    std::vector<Extended> stack;
    for (std::size_t i = postfix.Count(); i-- > 0;) {
        const Lexeme& l = postfix[i];
        if (l.Code == lex::Number) {
            stack.push_back(l.Value);
        } else if (l.Code == lex::Var1 || l.Code == lex::Var2) {
            const Extended v = l.Code == lex::Var1 ? x : y;
            if (!(std::fabs(v) <= kMax)) return {kErrUndefinedDomain, 0};
            stack.push_back(v);
        } else {
            EngineError error = kEngineOk;
            Extended a = 0;
            const Extended b = stack.back();
            if (IsBinaryOperator(l.Code)) {
                stack.pop_back();
                a = stack.back();
            }
            const Extended r = StatedOperation(l.Code, a, b, error);
            if (error != kEngineOk) return {error, 0};
            stack.back() = r;
        }
    }
    return {kEngineOk, NearZero(stack.back())};
}

bool SameBits(Extended a, Extended b)
{
    return std::memcmp(&a, &b, 10) == 0 || (std::isnan(a) && std::isnan(b));
}

class FormulaMaker {
public:
    explicit FormulaMaker(std::uint64_t seed) : rng_(seed) {}

    std::string Make(int depth)
    {
        const int pick = Below(depth <= 0 ? 3 : 12);
        if (pick == 0) return Pick(kConstants);
        if (pick <= 2) return Below(3) == 0 ? "Y" : "X";
        if (pick <= 6) return "(" + Make(depth - 1) + Pick(kBinary) + Make(depth - 1) + ")";
        if (pick <= 8) return std::string(Pick(kFunctions)) + "(" + Make(depth - 1) + ")";
        if (pick == 9) return "(-" + Make(depth - 1) + ")";
        if (pick == 10) return "(NOT " + Make(depth - 1) + ")";
        return "(" + Make(depth - 1) + "^" + Make(depth - 2) + ")";
    }

private:
    static constexpr const char* kConstants[] = {
        "0", "1", "2", "0.5", "3.25", "10", "1000", "0.1", "PI", "123456789", "0.000001",
        "999", "0.3", "1.0000001", "0.00000000000000000000000000000000000000000000000000001",
        "7", "100000000000000000000000000000"};
    static constexpr const char* kBinary[] = {"+", "-", "*", "/", "^", "<", ">", "<=", ">=",
                                              "<>", "=", " AND ", " OR ", " XOR ", "+", "-", "*"};
    static constexpr const char* kFunctions[] = {
        "SIN", "COS", "SQRT", "ATAN", "ABS", "EXP", "INT", "FRAC", "LN", "LG", "TAN", "COT",
        "ASIN", "ACOS", "SINH", "COSH", "TANH", "COTH", "ASINH", "ACOSH", "ATANH", "ACOTH",
        "ROUND", "SIGN"};

    template <std::size_t N>
    const char* Pick(const char* const (&table)[N])
    {
        return table[Below(static_cast<int>(N))];
    }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::mt19937_64 rng_;
};

std::vector<Extended> Points()
{
    constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
    std::vector<Extended> points = {0,      -0.0L, 1,      -1,      0.5L,    2,       -2.5L,
                                    3.7L,   -1000, 1e-300L, 1e-20L, 1e300L,  -1e300L, 1e2000L,
                                    0x1p63L, 1e-60L, 0.3L,  kInf,   -kInf,   std::nanl(""),
                                    1.5L,   -0.75L, 999.9L, 1e12L,  -3e-5L,  2e500L};
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> spread(-20, 20);
    for (int i = 0; i < 14; ++i) points.push_back(static_cast<Extended>(spread(rng)) / 3);
    return points;
}

TEST(CalculateEquivalence, matchesPlainWalkBitForBit_onGeneratedFormulas)
{
    FormulaMaker maker(424242);
    const std::vector<Extended> points = Points();
    int compiled = 0, mismatches = 0, defined = 0, evaluations = 0;
    for (int f = 0; f < 4000; ++f) {
        const std::string formula = maker.Make(1 + f % 6);
        TStackList postfix;
        if (CompileFormula(formula, "X", "Y", postfix) != kEngineOk) continue;
        ++compiled;
        TCalculator2Var calculator(postfix);
        for (std::size_t p = 0; p < points.size(); ++p) {
            const Extended x = points[p];
            const Extended y = points[(p * 7 + f) % points.size()];
            EngineError code = kEngineOk;
            const Extended got = calculator.Calculate(postfix, code, x, y);
            const Result want = PlainWalk(postfix, x, y);
            ++evaluations;
            if (want.code == kEngineOk) ++defined;
            const bool same = code == want.code && (code != kEngineOk || SameBits(got, want.value));
            if (!same && ++mismatches <= 10) {
                ADD_FAILURE() << formula << " at x=" << static_cast<double>(x)
                              << " y=" << static_cast<double>(y) << ": code " << int(code)
                              << " value " << static_cast<double>(got) << ", expected code "
                              << int(want.code) << " value " << static_cast<double>(want.value);
            }
        }
    }
    EXPECT_GT(compiled, 3000);
    EXPECT_GT(defined, evaluations / 4);  // mostly points where the formula has a value
    EXPECT_LT(defined, evaluations);
    EXPECT_EQ(mismatches, 0);
}

// Sums and differences next to the cancellation bounds, either operand larger.
TEST(CalculateEquivalence, matchesStatedCancellation_nearItsBounds)
{
    const Extended bases[] = {1, 0.1L, 3e-50L, 1e-50L, 0.99e-50L, 7e300L, 1e-40L};
    const Extended offsets[] = {0, 1e-17L, 1e-16L, 0.999e-16L, 1.001e-16L, 3e-16L, 1e-15L, -1e-16L};
    for (const char* formula : {"X+Y", "X-Y", "Y-X", "(-X)+Y"}) {
        TStackList postfix;
        ASSERT_EQ(CompileFormula(formula, "X", "Y", postfix), kEngineOk);
        TCalculator2Var calculator(postfix);
        for (Extended base : bases) {
            for (Extended offset : offsets) {
                for (Extended scale : {1.0L, 1e-30L, 1e30L}) {
                    const Extended x = base, y = base * (1 + offset) * scale;
                    EngineError code = kEngineOk;
                    const Extended got = calculator.Calculate(postfix, code, x, y);
                    const Result want = PlainWalk(postfix, x, y);
                    ASSERT_EQ(code, want.code);
                    EXPECT_TRUE(SameBits(got, want.value))
                        << formula << " x=" << static_cast<double>(x) << " y=" << static_cast<double>(y);
                }
            }
        }
    }
}

// Tangent and cotangent over the whole range of arguments below 2^63.
TEST(CalculateEquivalence, matchesStatedTangentAndCotangent_acrossMagnitudes)
{
    std::mt19937_64 rng(99);
    for (const char* formula : {"TAN(X)", "COT(X)"}) {
        TStackList postfix;
        ASSERT_EQ(CompileFormula(formula, "X", "", postfix), kEngineOk);
        TCalculator calculator(postfix);
        int mismatches = 0;
        for (int i = 0; i < 20000; ++i) {
            const int exponent = std::uniform_int_distribution<int>(-70, 64)(rng);
            Extended x = std::ldexp(static_cast<Extended>(rng() | (1ULL << 63)), exponent - 63);
            if (rng() & 1) x = -x;
            EngineError code = kEngineOk;
            const Extended got = calculator.Calculate(postfix, code, x);
            const Result want = PlainWalk(postfix, x, 0);
            if (code != want.code || (code == kEngineOk && !SameBits(got, want.value))) ++mismatches;
        }
        EXPECT_EQ(mismatches, 0) << formula;
    }
}

// Whole and nearly whole exponents on bases whose powers lie next to the
// exponent limit e^1000 (and e^-1000), or where the exponent of the base
// alone just fails to show that the limit is far: the evaluator's shortcut
// past the logarithm must decide as the stated rule does.
TEST(CalculateEquivalence, matchesStatedPowers_nearTheExponentLimit)
{
    std::vector<Extended> exponents;
    for (int n = -66; n <= 66; ++n) exponents.push_back(n);
    for (Extended e : {0.5L, -2.5L, 1 / 3.0L, -0.2L, 64.000000001L, 2 + 0x1p-60L, -0.0L}) exponents.push_back(e);
    std::vector<Extended> bases = {0.5L, 1, 1.0000000001L, 3, 1e-30L, 1e100L, 0x1p-700L, 0x1p700L};
    for (int n = 1; n <= 66; ++n) {
        for (int sign : {1, -1}) {
            const Extended edge = std::exp(sign * 1000.0L / n);
            for (int k = -2; k <= 2; ++k) bases.push_back(edge * (1 + k * 0x1p-62L));
            bases.push_back(std::ldexp(1.0L, sign * (1400 / n - 1)));  // 2^e just within and beyond
            bases.push_back(std::ldexp(1.0L, sign * (1400 / n)));
            bases.push_back(std::ldexp(1.999L, sign * (1400 / n)));
        }
    }
    const std::size_t positives = bases.size();
    for (std::size_t i = 0; i < positives; ++i) bases.push_back(-bases[i]);
    // The exponent as a variable, as a value computed before, and as a
    // constant in the formula (each evaluated by a different step).
    std::vector<std::pair<std::string, std::vector<Extended>>> formulas = {
        {"X^Y", exponents}, {"(X*1)^Y", exponents}, {"X^(Y+0)", exponents}};
    for (int n = 0; n <= 66; ++n) {
        formulas.push_back({"X^" + std::to_string(n), {0}});
        formulas.push_back({"X^(-" + std::to_string(n) + ")", {0}});
        formulas.push_back({"(X*1)^" + std::to_string(n), {0}});  // a computed base
    }
    int mismatches = 0, defined = 0, undefined = 0;
    for (const auto& [formula, ys] : formulas) {
        TStackList postfix;
        ASSERT_EQ(CompileFormula(formula, "X", "Y", postfix), kEngineOk);
        TCalculator2Var calculator(postfix);
        for (Extended x : bases) {
            for (Extended y : ys) {
                EngineError code = kEngineOk;
                const Extended got = calculator.Calculate(postfix, code, x, y);
                const Result want = PlainWalk(postfix, x, y);
                (want.code == kEngineOk ? defined : undefined)++;
                const bool same = code == want.code && (code != kEngineOk || SameBits(got, want.value));
                if (!same && ++mismatches <= 10) {
                    ADD_FAILURE() << formula << " at x=" << static_cast<double>(x) << " y=" << static_cast<double>(y)
                                  << ": code " << int(code) << ", expected " << int(want.code);
                }
            }
        }
    }
    EXPECT_GT(undefined, 3000);  // the limit is met from both sides
    EXPECT_GT(defined, 30000);
    EXPECT_EQ(mismatches, 0);
}

// Grids as two-variable graphs scan them, one variable held along a row:
// results remembered from one point are met again at the next.
TEST(CalculateEquivalence, matchesPlainWalkBitForBit_alongGridRows)
{
    FormulaMaker maker(777);
    const Extended rows[] = {-1, -0.0L, 0, 0.5L, 2, 1e-300L, 1e300L, 3.7L};
    int mismatches = 0, defined = 0;
    for (int f = 0; f < 600; ++f) {
        const std::string formula = maker.Make(1 + f % 5);
        TStackList postfix;
        if (CompileFormula(formula, "X", "Y", postfix) != kEngineOk) continue;
        TCalculator2Var calculator(postfix);
        for (Extended held : rows) {
            for (int i = 0; i < 12; ++i) {
                const Extended moving = -3 + 0.5L * (i / 2);  // each value twice in a row
                const bool xHeld = f % 2 == 0;
                const Extended x = xHeld ? held : moving, y = xHeld ? moving : held;
                EngineError code = kEngineOk;
                const Extended got = calculator.Calculate(postfix, code, x, y);
                const Result want = PlainWalk(postfix, x, y);
                if (want.code == kEngineOk) ++defined;
                const bool same = code == want.code && (code != kEngineOk || SameBits(got, want.value));
                if (!same && ++mismatches <= 10) {
                    ADD_FAILURE() << formula << " at x=" << static_cast<double>(x) << " y=" << static_cast<double>(y);
                }
            }
        }
    }
    EXPECT_GT(defined, 10000);
    EXPECT_EQ(mismatches, 0);
}

// Deep stacks and long chains: the value stack is used to its sized depth.
TEST(CalculateEquivalence, matchesPlainWalk_whenStackIsDeep)
{
    std::string nested = "X", chain = "X";
    for (int i = 0; i < 60; ++i) {
        nested = "(" + std::to_string(i % 9 + 1) + "-X*(" + nested + "))";
        chain += (i % 2 ? "+X^" : "-") + std::to_string(i % 4);
    }
    // More power bases than the calculator remembers logarithms of, met
    // again in changing order.
    const std::string bases = "X^2+(X+1)^2+(X+2)^3+(X+3)^2+(X+4)^0.5+X^3+2^X+(X+1)^3+2^(X/3)+X^X";
    for (const std::string& formula : {nested, chain, bases, std::string("((((X))))"), std::string("-X")}) {
        TStackList postfix;
        ASSERT_EQ(CompileFormula(formula, "X", "", postfix), kEngineOk) << formula;
        TCalculator calculator(postfix);
        for (Extended x : Points()) {
            EngineError code = kEngineOk;
            const Extended got = calculator.Calculate(postfix, code, x);
            const Result want = PlainWalk(postfix, x, 0);
            EXPECT_EQ(code, want.code) << formula;
            if (code == kEngineOk && want.code == kEngineOk) {
                EXPECT_TRUE(SameBits(got, want.value)) << formula << " at " << static_cast<double>(x);
            }
        }
    }
}

}  // namespace
}  // namespace vg
