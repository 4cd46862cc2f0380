#include "engine/calculator.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "engine/extended_math.h"
#include "engine/numeric_utils.h"

namespace vg {
namespace {

constexpr Extended kPi = 3.14159265358979323846264338327950288L;
constexpr Extended kHalfPi = 1.57079632679489661923132169163975144L;
constexpr Extended kLn10 = 2.30258509299404568401799145468436421L;
constexpr Extended kTiny = 1e-50L;
constexpr Extended kResultLimit = 1e500L;
constexpr Extended kExpLimit = 1000;
constexpr Extended kTrigLimit = 0x1p63L;  // beyond it the sine and cosine are taken as 0
constexpr Extended kCancellation = 1e-16L;

// RANDOM's generator (splitmix64), seeded from the clock once per thread so
// every run of the program gives different values.
std::uint64_t NextRandomBits()
{
    thread_local std::uint64_t state = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

Extended UniformUnit()
{
    return static_cast<Extended>(NextRandomBits()) * 0x1p-64L;  // [0, 1)
}

bool IsTrue(Extended v) { return v > 0; }
Extended FromBool(bool b) { return b ? 1 : 0; }
Extended TinyAsZero(Extended v) { return std::fabs(v) < kTiny ? 0 : v; }

[[gnu::always_inline]] inline Extended Sine(Extended b) { return std::fabs(b) >= kTrigLimit ? 0 : kernel::Sin(b); }
[[gnu::always_inline]] inline Extended Cosine(Extended b) { return std::fabs(b) >= kTrigLimit ? 0 : kernel::Cos(b); }

// TAN and COT: the quotient of sine and cosine, taken by the tangent kernel
// in one rounding. The cosine is never 0 below the trigonometric limit and
// the sine only at 0, so those are the points without a value.
Extended TangentOrCotangent(LexCode code, Extended b, EngineError& err)
{
    if (std::fabs(b) >= kTrigLimit || (code == lex::Cot && b == 0)) {
        err = kErrUndefined;
        return 0;
    }
    return code == lex::Tan ? kernel::Tan(b) : kernel::Cot(b);
}

// Sums and differences that cancel to noise of an operand become exactly 0.
// Testing the larger operand alone decides both operands' tests: the scaled
// bound grows with the magnitude, and the larger one is not tiny whenever
// either is not.
inline Extended Cancel(Extended a, Extended b, Extended r)
{
    const Extended aa = std::fabs(a);
    const Extended ab = std::fabs(b);
    const Extended larger = aa > ab ? aa : ab;
    if (larger >= kTiny && std::fabs(r) < kCancellation * larger) return 0;
    return r;
}

Extended SignedFraction(Extended v) { return v - std::trunc(v); }

struct PlainLog {
    Extended operator()(Extended v) const { return kernel::Ln(v); }
};

// |n ln x| <= 1400 ln 2 < 1000 for certain, from the binary exponent e of x
// rounded to a double (cheap to read: see kernel::IntegerOf); with room for
// that rounding, |log2 x| <= |e| + 1.
inline bool FarInsideExpLimit(double rounded, int n)
{
    std::uint64_t bits;
    std::memcpy(&bits, &rounded, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    if (biased == 0 || biased == 0x7ff) return false;
    const int e = biased - 1023;
    return std::abs(n) * (std::abs(e) + 1) <= 1400;
}

// x^b for x > 0 by the power rule: e^(b ln x) within the exponent limit, 0
// far below it, undefined (7) far above; within the limit a whole exponent
// up to 64 gives the whole-power kernel's value instead of e^(b ln x). Where
// the exponent of x alone shows the limit far off, the logarithm is not
// needed.
template <class Log>
Extended PositivePower(Extended x, Extended b, EngineError& err, Log&& ln)
{
    int n = 0;
    const bool whole = kernel::SmallWhole(b, n);
    if (whole && FarInsideExpLimit(static_cast<double>(x), n)) return kernel::WholePower(x, n);
    const Extended t = b * ln(x);
    if (std::fabs(t) < kExpLimit) return whole ? kernel::WholePower(x, n) : kernel::Exp(t);
    if (t < 0) return 0;
    err = kErrUndefined;
    return 0;
}

// a^b by the power rule; ln is any function giving kernel::Ln's bits.
template <class Log>
Extended PowerWith(Extended a, Extended b, EngineError& err, Log&& ln)
{
    if (a > 0) return PositivePower(a, b, err, ln);
    if (a == 0) {
        if (b > 0) return 0;
        err = kErrUndefinedDomain;
        return 0;
    }
    // A negative base: integer exponents, and reciprocals of odd integers
    // (odd roots), are defined.
    const Extended f1 = SignedFraction(b / 2);
    const Extended f2 = b == 0 ? 0.1L : SignedFraction(1 / (2 * b));
    const bool integerExponent = f1 == 0 || f1 == 0.5L || f1 == -0.5L;
    const bool oddRoot = f2 == 0.5L || f2 == -0.5L;
    if (!integerExponent && !oddRoot) {
        err = kErrUndefinedDomain;
        return 0;
    }
    const Extended magnitude = PositivePower(-a, b, err, ln);
    return f1 == 0 ? magnitude : -magnitude;
}

Extended Power(Extended a, Extended b, EngineError& err)
{
    return PowerWith(a, b, err, PlainLog());
}

// Relations and logic: 0 or 1, never beyond the limit.
[[gnu::always_inline]] inline Extended Relate(LexCode c, Extended a, Extended b)
{
    switch (c) {
    case lex::Less: return FromBool(a < b);
    case lex::Greater: return FromBool(a > b);
    case lex::LessEqual: return FromBool(a <= b);
    case lex::GreaterEqual: return FromBool(a >= b);
    case lex::NotEqual: return FromBool(a != b);
    case lex::Equal: return FromBool(a == b);
    case lex::And: return FromBool(IsTrue(a) && IsTrue(b));
    case lex::Or: return FromBool(IsTrue(a) || IsTrue(b));
    default: return FromBool(IsTrue(a) != IsTrue(b));  // XOR
    }
}

Extended ApplyBinary(LexCode code, Extended a, Extended b, EngineError& err)
{
    switch (code) {
    case lex::Power: return Power(a, b, err);
    case lex::Minus: return Cancel(a, b, a - b);
    case lex::Plus: return Cancel(a, b, a + b);
    case lex::Multiply: return a * b;
    case lex::Divide:
        if (b == 0) {
            err = kErrUndefined;
            return 0;
        }
        return a / b;
    case lex::Less:
    case lex::Greater:
    case lex::LessEqual:
    case lex::GreaterEqual:
    case lex::NotEqual:
    case lex::Equal:
    case lex::And:
    case lex::Or:
    case lex::Xor: return Relate(code, a, b);
    default: err = kErrUndefinedDomain; return 0;
    }
}

Extended Undefined(EngineError& err, EngineError code)
{
    err = code;
    return 0;
}

Extended Asin(Extended b, EngineError& err)
{
    const Extended d = 1 - b * b;
    if (d < 0) return Undefined(err, kErrUndefined);
    const Extended s = std::sqrt(d);
    if (s != 0) return kernel::Atan(b / s);
    return b > 0 ? kHalfPi : -kHalfPi;
}

Extended Acos(Extended b, EngineError& err)
{
    const Extended d = 1 - b * b;
    if (d < 0) return Undefined(err, kErrUndefined);
    const Extended s = std::sqrt(d);
    if (s != 0) return kHalfPi - kernel::Atan(b / s);
    return b > 0 ? 0 : kPi;
}

Extended Hyperbolic(LexCode code, Extended b, EngineError& err)
{
    if (std::fabs(b) >= kExpLimit) return Undefined(err, kErrUndefined);
    const Extended ep = kernel::Exp(b);
    const Extended em = kernel::Exp(-b);
    switch (code) {
    case lex::Sinh: return (ep - em) / 2;
    case lex::Cosh: return (ep + em) / 2;
    case lex::Tanh: return (ep - em) / (ep + em);
    default:  // COTH
        if (std::fabs(ep - em) < kTiny) return Undefined(err, kErrUndefined);
        return (ep + em) / (ep - em);
    }
}

// ln(b + sqrt(b^2+1)) taken on |b| with the sign restored: for negative b the
// direct sum cancels and would lose every digit (or the whole value).
Extended Asinh(Extended b)
{
    const Extended t = std::fabs(b) + std::sqrt(b * b + 1);
    const Extended r = kernel::Ln(t);
    return b < 0 ? -r : r;
}

Extended Acosh(Extended b, EngineError& err)
{
    const Extended d = TinyAsZero(b * b - 1);
    if (d < 0) return Undefined(err, kErrUndefined);
    const Extended t = TinyAsZero(b + std::sqrt(d));
    if (t <= 0) return Undefined(err, kErrUndefined);
    return kernel::Ln(t);
}

// ATANH (d = 1-b) and ACOTH (d = b-1): (ln((b+1)/d))/2.
Extended HalfLogRatio(Extended b, Extended d, EngineError& err)
{
    d = TinyAsZero(d);
    if (d == 0) return Undefined(err, kErrUndefined);
    const Extended t = TinyAsZero((b + 1) / d);
    if (t <= 0) return Undefined(err, kErrUndefined);
    return kernel::Ln(t) / 2;
}

[[gnu::always_inline]] inline Extended ApplyUnary(LexCode code, Extended b, EngineError& err)
{
    switch (code) {
    case lex::Negate: return -b;
    case lex::Not: return FromBool(!IsTrue(b));
    case lex::Sin: return Sine(b);
    case lex::Cos: return Cosine(b);
    case lex::Sqrt: return b < 0 ? Undefined(err, kErrUndefinedDomain) : std::sqrt(b);
    case lex::Atan: return kernel::Atan(b);
    case lex::Abs: return std::fabs(b);
    case lex::Exp:
        if (std::fabs(b) < kExpLimit) return kernel::Exp(b);
        return b < 0 ? 0 : Undefined(err, kErrUndefined);
    case lex::Int: return std::floor(b);
    case lex::Frac: {
        const Extended f = b - std::floor(b);
        const Extended ab = std::fabs(b);
        return (ab >= kTiny && f < kCancellation * ab) ? 0 : f;
    }
    case lex::Ln: return b <= 0 ? Undefined(err, kErrUndefinedDomain) : kernel::Ln(b);
    case lex::Lg: return b <= 0 ? Undefined(err, kErrUndefinedDomain) : kernel::Ln(b) / kLn10;
    case lex::Tan:
    case lex::Cot: return TangentOrCotangent(code, b, err);
    case lex::Asin: return Asin(b, err);
    case lex::Acos: return Acos(b, err);
    case lex::Sinh:
    case lex::Cosh:
    case lex::Tanh:
    case lex::Coth: return Hyperbolic(code, b, err);
    case lex::Asinh: return Asinh(b);
    case lex::Acosh: return Acosh(b, err);
    case lex::Atanh: return HalfLogRatio(b, 1 - b, err);
    case lex::Acoth: return HalfLogRatio(b, b - 1, err);
    case lex::Random: return UniformUnit() * b;
    case lex::Round: return RoundHalfAway(b);
    case lex::Sign: return b > 0 ? 1 : (b < 0 ? -1 : 0);
    default: return Undefined(err, kErrUndefinedDomain);
    }
}

bool IsKnownOperation(LexCode c)
{
    return IsUnaryOperator(c) || (c >= lex::Power && c <= lex::Xor) ||
           (c >= lex::Sin && c <= lex::Sign);
}

// Depth walk of a postfix form from the top: false when an operation would
// lack operands, a code is unknown, or the form does not leave one value.
bool MeasureDepth(const TStackList& postfix, std::int32_t& maxDepth)
{
    std::int64_t depth = 0, deepest = 0;
    for (std::size_t i = postfix.Count(); i-- > 0;) {
        const LexCode c = postfix[i].Code;
        if (IsOperand(c)) {
            if (++depth > deepest) deepest = depth;
        } else if (!IsKnownOperation(c)) {
            return false;
        } else if (IsBinaryOperator(c)) {
            if (depth < 2) return false;
            --depth;
        } else if (depth < 1) {
            return false;
        }
    }
    if (deepest > std::numeric_limits<std::int32_t>::max()) return false;
    maxDepth = static_cast<std::int32_t>(deepest);
    return depth == 1;
}

}  // namespace

Extended ApplyOperation(LexCode code, Extended a, Extended b, EngineError& errorCode) noexcept
{
    errorCode = kEngineOk;
    if (!IsKnownOperation(code)) {
        errorCode = kErrUndefinedDomain;
        return 0;
    }
    const Extended r =
        IsBinaryOperator(code) ? ApplyBinary(code, a, b, errorCode) : ApplyUnary(code, b, errorCode);
    if (errorCode != kEngineOk) return 0;
    if (!(std::fabs(r) <= kResultLimit)) {
        errorCode = kErrUndefinedDomain;
        return 0;
    }
    return r;
}

// A new argument takes the places in turn; a hit moves nothing. Equal splits
// are equal values; a logarithm always splits (|ln v| is 0 or between 2^-64
// and 11357).
Extended TCalculator::LogMemo::Log(Extended v) noexcept
{
    if (!kernel::Splittable(v)) return kernel::Ln(v);
    const kernel::Split key = kernel::SplitOf(v);
    for (int i = 0; i < kSize; ++i) {
        if (arguments[i].hi == key.hi && arguments[i].rest == key.rest) return kernel::Join(logarithms[i]);
    }
    const Extended r = kernel::Ln(v);
    arguments[next] = key;
    logarithms[next] = kernel::SplitOf(r);
    next = (next + 1) % kSize;
    return r;
}

TCalculator::TCalculator(const TStackList& postfix)
    : sizedFor_(&postfix), sizedCount_(postfix.Count())
{
    wellFormed_ = MeasureDepth(postfix, MaxDepth);
    if (!wellFormed_) MaxDepth = 0;
    Stack = std::make_unique<Extended[]>(MaxDepth > 0 ? MaxDepth : 1);
    if (wellFormed_) {
        program_ = program::Compile(postfix);
        if (program_.depth >= MaxDepth) program_.steps.clear();  // never: the walk needs more
        recalls_.resize(program_.steps.size());
        decodedRevision_ = postfix.Revision();
    }
}

bool TCalculator::Fits(const TStackList& postfix) const noexcept
{
    if (&postfix == sizedFor_ && postfix.Count() == sizedCount_) return true;
    std::int32_t depth = 0;
    return MeasureDepth(postfix, depth) && depth <= MaxDepth;
}


namespace {

// One binary operation with the result limit, without a call: the same
// operations as ApplyBinary. Relations and logic give 0 or 1 and need no
// limit test. False when the point has no value.
inline bool Binary(LexCode c, Extended a, Extended b, Extended& r, EngineError& err,
                   TCalculator::LogMemo& logs)
{
    if (c == lex::Multiply) {
        r = a * b;
    } else if (c == lex::Plus) {
        r = Cancel(a, b, a + b);
    } else if (c == lex::Minus) {
        r = Cancel(a, b, a - b);
    } else if (c == lex::Power) {
        r = PowerWith(a, b, err, [&logs](Extended v) { return logs.Log(v); });
        if (err != kEngineOk) return false;
    } else if (c == lex::Divide) {
        if (b == 0) {
            err = kErrUndefined;
            return false;
        }
        r = a / b;
    } else {
        switch (c) {
        case lex::Less: r = FromBool(a < b); return true;
        case lex::Greater: r = FromBool(a > b); return true;
        case lex::LessEqual: r = FromBool(a <= b); return true;
        case lex::GreaterEqual: r = FromBool(a >= b); return true;
        case lex::NotEqual: r = FromBool(a != b); return true;
        case lex::Equal: r = FromBool(a == b); return true;
        case lex::And: r = FromBool(IsTrue(a) && IsTrue(b)); return true;
        case lex::Or: r = FromBool(IsTrue(a) || IsTrue(b)); return true;
        case lex::Xor: r = FromBool(IsTrue(a) != IsTrue(b)); return true;
        default: err = kErrUndefinedDomain; return false;
        }
    }
    if (!(std::fabs(r) <= kResultLimit)) {
        err = kErrUndefinedDomain;
        return false;
    }
    return true;
}

// A list that is no postfix form of the size measured.
Extended Malformed(EngineError& errorCode)
{
    errorCode = kErrUndefinedDomain;
    return 0;
}

}  // namespace

// The top of the value stack lives in a local (an x87 register) and only the
// values below it go to Stack; an operand directly followed by a binary
// operator is combined with the top at once, so the commonest shapes ("2X",
// "X+1", "a*X^2") never touch memory. Every value is the same 80-bit value
// the plain walk would store, so results are identical bit for bit.
Extended TCalculator::Walk(const TStackList& postfix, EngineError& errorCode, Extended x,
                           Extended y) noexcept
{
    errorCode = kEngineOk;
    if (!wellFormed_ || !Fits(postfix)) {
        errorCode = kErrUndefinedDomain;
        return 0;
    }
    // An infinite or NaN variable is a floating-point fault of its own.
    constexpr Extended kMax = std::numeric_limits<Extended>::max();
    const bool xFinite = std::fabs(x) <= kMax;
    const bool yFinite = std::fabs(y) <= kMax;

    // Stack[0] receives the empty top at the first push; Stack[1..n-1] hold
    // the values below the top when n values are on the stack. The bounds
    // are checked anyway: a list changed in place after sizing (same object,
    // same length) must not write past the array.
    Extended* const base = Stack.get();
    Extended* const full = base + MaxDepth;
    Extended* below = base;  // base + n
    Extended top = 0;
    EngineError err = kEngineOk;
    const Lexeme* items = postfix.Data();
    for (std::size_t i = postfix.Count(); i-- > 0;) {
        const LexCode c = items[i].Code;
        Extended operand;
        if (c == lex::Number) {
            operand = items[i].Value;
        } else if (c == lex::Var1 || c == lex::Var2) {
            if (!(c == lex::Var1 ? xFinite : yFinite)) {
                errorCode = kErrUndefinedDomain;
                return 0;
            }
            operand = c == lex::Var1 ? x : y;
        } else if (IsBinaryOperator(c)) {
            if (below - base < 2) return Malformed(errorCode);
            if (!Binary(c, *--below, top, top, err, logs_)) {
                errorCode = err;
                return 0;
            }
            continue;
        } else {
            if (below == base) return Malformed(errorCode);
            if (c == lex::Negate) {
                // The result limit holds here too: a variable beyond 1e500
                // must not come out negated as a value.
                top = -top;
                if (!(std::fabs(top) <= kResultLimit)) {
                    errorCode = kErrUndefinedDomain;
                    return 0;
                }
                continue;
            }
            const Extended r = ApplyUnary(c, top, err);
            if (err != kEngineOk) {
                errorCode = err;
                return 0;
            }
            if (!(std::fabs(r) <= kResultLimit)) {
                errorCode = kErrUndefinedDomain;
                return 0;
            }
            top = r;
            continue;
        }
        // An operand: fold it into the top when a binary operator follows.
        if (i > 0 && IsBinaryOperator(items[i - 1].Code) && below != base) {
            --i;
            if (!Binary(items[i].Code, top, operand, top, err, logs_)) {
                errorCode = err;
                return 0;
            }
            continue;
        }
        if (below == full) return Malformed(errorCode);
        *below++ = top;
        top = operand;
    }
    if (below - base != 1) return Malformed(errorCode);
    return NearZero(top);
}

namespace {

// |r| <= 1e500: the largest double, far below the limit, decides almost
// every value with one comparison (an 80-bit constant costs a slow load).
[[gnu::always_inline]] inline bool WithinLimit(Extended r)
{
    if (std::fabs(r) <= static_cast<Extended>(std::numeric_limits<double>::max())) [[likely]] return true;
    return std::fabs(r) <= kResultLimit;
}

// a + b or a - b (given as r) with the cancellation rule. When |r| is at
// least 2^-50 |a| it is also at least about 2^-50 |b| (|b| <= |a| + |r|):
// far above 1e-16 times the larger operand, and the rule cannot apply.
[[gnu::always_inline]] inline bool Cancelled(Extended a, Extended b, Extended& r)
{
    if (!(std::fabs(r) * 0x1p50L >= std::fabs(a))) [[unlikely]] r = Cancel(a, b, r);
    return WithinLimit(r);
}

[[gnu::always_inline]] inline bool Quotient(Extended a, Extended b, Extended& r, EngineError& err)
{
    if (b == 0) {
        err = kErrUndefined;
        return false;
    }
    r = a / b;
    if (WithinLimit(r)) return true;
    err = kErrUndefinedDomain;
    return false;
}


}  // namespace

namespace {

// Logarithms for the power rule, each giving kernel::Ln's bits.
struct MemoLog {
    TCalculator::LogMemo* memo;
    Extended operator()(Extended v) const { return memo->Log(v); }
};

std::uint64_t Bits(double d) { return std::bit_cast<std::uint64_t>(d); }

bool Matches(const program::Recall& r, kernel::Split a, kernel::Split b = {0, 0})
{
    return r.key[0] == Bits(a.hi) && r.key[1] == Bits(a.rest) && r.key[2] == Bits(b.hi) &&
           r.key[3] == Bits(b.rest);
}

// Keeps a result (or its error); a value beyond the split's range empties
// the recall instead.
void Remember(program::Recall& r, kernel::Split a, kernel::Split b, Extended value, EngineError err)
{
    if (err == kEngineOk && !kernel::Splittable(value)) {
        r.key[0] = program::Recall::kNoKey;
        return;
    }
    r.key[0] = Bits(a.hi);
    r.key[1] = Bits(a.rest);
    r.key[2] = Bits(b.hi);
    r.key[3] = Bits(b.rest);
    r.error = err;
    if (err == kEngineOk) r.value = kernel::SplitOf(value);
}

// The step's result for arguments a, b: the recalled one (or its error) when
// they match the last, else computed and kept.
template <class Compute>
[[gnu::always_inline]] inline Extended Recalled(program::Recall& recall, kernel::Split a, kernel::Split b,
                                                EngineError& err, Compute&& compute)
{
    if (Matches(recall, a, b)) {
        err = recall.error;
        return kernel::Join(recall.value);
    }
    const Extended r = compute();
    Remember(recall, a, b, r, err);
    return r;
}

// ln |variable| for the power rule (PowerWith asks for ln a or ln -a).
struct VariableLog {
    program::Recall* recall;
    kernel::Split variable;
    Extended operator()(Extended v) const
    {
        const std::uint64_t hi = Bits(variable.hi), rest = Bits(variable.rest);
        if (recall->key[0] == hi && recall->key[1] == rest) return kernel::Join(recall->value);
        const Extended r = kernel::Ln(v);
        recall->key[0] = hi;
        recall->key[1] = rest;
        recall->value = kernel::SplitOf(r);  // a logarithm always splits
        return r;
    }
};

struct KnownLog {
    const Extended* logarithm;
    Extended operator()(Extended) const { return *logarithm; }
};

[[gnu::always_inline]] inline Extended OperandOf(const program::Step& s, const kernel::Split* variables)
{
    switch (s.operand) {
    case program::kX: return kernel::Join(variables[0]);
    case program::kY: return kernel::Join(variables[1]);
    case program::kNumber: return s.number;
    default: return s.value;
    }
}

// The operand split; false for a constant beyond the split's range.
[[gnu::always_inline]] inline bool SplitOperand(const program::Step& s, const kernel::Split* variables,
                                                kernel::Split& out)
{
    switch (s.operand) {
    case program::kX: out = variables[0]; return true;
    case program::kY: out = variables[1]; return true;
    case program::kNumber: out = {s.number, 0}; return true;
    default: out = s.split; return s.splittable;
    }
}

// A function of the top, in the loop: an argument passed through memory (80
// bits, or split into doubles) costs more than the kernels' temporaries do
// to the other steps.
[[gnu::always_inline]] inline Extended FunctionStep(LexCode code, Extended b, EngineError& err) noexcept
{
    const Extended r = ApplyUnary(code, b, err);
    if (err == kEngineOk && !WithinLimit(r)) err = kErrUndefinedDomain;
    return r;
}

// a^b with the memo of logarithms.
[[gnu::noinline]] Extended MemoPower(Extended a, Extended b, EngineError& err,
                                     TCalculator::LogMemo& memo) noexcept
{
    return PowerWith(a, b, err, MemoLog{&memo});
}

// The variable comes split: its logarithm is recalled by those bits.
[[gnu::noinline]] Extended VariablePowerStep(const kernel::Split& base, Extended exponent, EngineError& err,
                                             program::Recall& log) noexcept
{
    return PowerWith(kernel::Join(base), exponent, err, VariableLog{&log, base});
}

[[gnu::noinline]] Extended KnownBasePowerStep(const program::Step& s, Extended exponent,
                                              EngineError& err) noexcept
{
    return PowerWith(s.value, exponent, err, KnownLog{&s.logarithm});
}

// A variable to a constant whole exponent: where the exponent of the
// variable (the split's head is the variable rounded to a double) shows the
// limit far off, the rule's value needs no logarithm; its sign is the
// exponent's parity for a negative variable.
[[gnu::noinline]] Extended VariableWholePowerStep(const kernel::Split& base, int n, EngineError& err,
                                                  program::Recall& log) noexcept
{
    if (FarInsideExpLimit(base.hi, n)) {
        const Extended x = kernel::Join(base);
        if (base.hi > 0) return kernel::WholePower(x, n);
        const Extended magnitude = kernel::WholePower(-x, n);
        return (n & 1) ? -magnitude : magnitude;
    }
    return PowerWith(kernel::Join(base), static_cast<Extended>(n), err, VariableLog{&log, base});
}

}  // namespace

// The steps with the top of the value stack in a local (an x87 register:
// nothing else stays live across steps, so the compiler keeps it there).
// Every operation is the walk's, with the same operands and the same order
// of failures; only the way to them is shorter.
[[gnu::always_inline]] inline Extended TCalculator::Run(EngineError& errorCode) noexcept
{
    using namespace program;
    Extended* below = Stack.get();
    EngineError err = kEngineOk;
    Extended top = 0;
    const kernel::Split* const variables = variables_;
    for (const Step* s = program_.steps.data();; ++s) {
        switch (s->op) {
// One case per operand kind; v is the operand.
#define VG_OPERAND_CASES(BASE, ...)      \
    case BASE + kX: {                    \
        const Extended v = kernel::Join(variables[0]); \
        __VA_ARGS__;                     \
        break;                           \
    }                                    \
    case BASE + kY: {                    \
        const Extended v = kernel::Join(variables[1]); \
        __VA_ARGS__;                     \
        break;                           \
    }                                    \
    case BASE + kNumber: {               \
        const Extended v = s->number;    \
        __VA_ARGS__;                     \
        break;                           \
    }                                    \
    case BASE + kExtended: {             \
        const Extended v = s->value;     \
        __VA_ARGS__;                     \
        break;                           \
    }
        VG_OPERAND_CASES(kLoad, top = v)
        VG_OPERAND_CASES(kAdd, const Extended r0 = top; top = r0 + v; if (!Cancelled(r0, v, top)) goto beyondLimit)
        VG_OPERAND_CASES(kSub, const Extended r0 = top; top = r0 - v; if (!Cancelled(r0, v, top)) goto beyondLimit)
        VG_OPERAND_CASES(kSubFrom, const Extended r0 = top; top = v - r0; if (!Cancelled(v, r0, top)) goto beyondLimit)
        VG_OPERAND_CASES(kMul, top *= v; if (!WithinLimit(top)) goto beyondLimit)
        VG_OPERAND_CASES(kDiv, if (!Quotient(top, v, top, err)) goto failed)
        VG_OPERAND_CASES(kDivInto, if (!Quotient(v, top, top, err)) goto failed)
#undef VG_OPERAND_CASES
        case kPush:
            *below++ = top;
            break;
        case kEnd:
            return NearZero(top);
        case kPlusBelow: {
            const Extended a = *--below;
            const Extended b = top;
            top = a + b;
            if (!Cancelled(a, b, top)) goto beyondLimit;
            break;
        }
        case kMinusBelow: {
            const Extended a = *--below;
            const Extended b = top;
            top = a - b;
            if (!Cancelled(a, b, top)) goto beyondLimit;
            break;
        }
        case kMultiplyBelow:
            top = *--below * top;
            if (!WithinLimit(top)) goto beyondLimit;
            break;
        case kDivideBelow: {
            const Extended a = *--below;
            if (!Quotient(a, top, top, err)) goto failed;
            break;
        }
        case kPowerBelow: {
            const Extended a = *--below;
            top = MemoPower(a, top, err, logs_);
            if (err != kEngineOk) goto failed;
            break;
        }
        case kVariablePower: {
            const kernel::Split& base = variables[s->base];
            kernel::Split key;
            const auto power = [&] {
                return VariablePowerStep(base, OperandOf(*s, variables), err, variableLogs_[s->base]);
            };
            top = s->recall && SplitOperand(*s, variables, key) ? Recalled(RecallOf(s), base, key, err, power)
                                                                : power();
            if (err != kEngineOk) goto failed;
            break;
        }
        case kVariableWholePower: {
            const kernel::Split& base = variables[s->base];
            if (s->whole == 2 && FarInsideExpLimit(base.hi, 2)) {
                // The whole-power kernel's square, without the call.
                const Extended v = kernel::Join(base);
                top = v * v;
                break;
            }
            const auto power = [&] { return VariableWholePowerStep(base, s->whole, err, variableLogs_[s->base]); };
            top = s->recall ? Recalled(RecallOf(s), base, {0, 0}, err, power) : power();
            if (err != kEngineOk) goto failed;
            break;
        }
        case kVariableToTop: {
            top = VariablePowerStep(variables[s->base], top, err, variableLogs_[s->base]);
            if (err != kEngineOk) goto failed;
            break;
        }
        case kPositiveNumberToTop:
            top = KnownBasePowerStep(*s, top, err);
            if (err != kEngineOk) goto failed;
            break;
        case kSquare:
            // Where |2 ln |top|| is far below the exponent limit, the power
            // rule's value is the whole-power kernel's square, top * top.
            if (std::fabs(top) >= 0x1p-700L && std::fabs(top) <= 0x1p700L) [[likely]] {
                top = top * top;
                break;
            }
            top = MemoPower(top, 2, err, logs_);
            if (err != kEngineOk) goto failed;
            break;
        case kOperatorOperand:
            if (s->code == lex::Power) {
                top = MemoPower(top, OperandOf(*s, variables), err, logs_);
                if (err != kEngineOk) goto failed;
            } else {
                top = Relate(s->code, top, OperandOf(*s, variables));
            }
            break;
        case kOperandOperator:
            if (s->code == lex::Power) {
                top = MemoPower(OperandOf(*s, variables), top, err, logs_);
                if (err != kEngineOk) goto failed;
            } else {
                top = Relate(s->code, OperandOf(*s, variables), top);
            }
            break;
        case kNegate:
            top = -top;
            if (!WithinLimit(top)) goto beyondLimit;
            break;
        case kNot:
            top = FromBool(!IsTrue(top));
            break;
        case kSqrt:
            if (top < 0) goto beyondLimit;
            top = std::sqrt(top);
            if (!WithinLimit(top)) goto beyondLimit;
            break;
        case kAbs:
            top = std::fabs(top);
            if (!WithinLimit(top)) goto beyondLimit;
            break;
        case kRelateBelow:
            top = Relate(s->code, *--below, top);
            break;
        case kFunction:
            if (s->recall && kernel::Splittable(top)) {
                const Extended argument = top;
                top = Recalled(RecallOf(s), kernel::SplitOf(argument), {0, 0}, err,
                               [&] { return FunctionStep(s->code, argument, err); });
            } else {
                top = FunctionStep(s->code, top, err);
            }
            if (err != kEngineOk) goto failed;
            break;
        default:
            __builtin_unreachable();
        }
    }
beyondLimit:
    err = kErrUndefinedDomain;
failed:
    errorCode = err;
    return 0;
}

bool TCalculator::Decoded(const TStackList& postfix) const noexcept
{
    return &postfix == sizedFor_ && postfix.Revision() == decodedRevision_ && !program_.steps.empty();
}

// Variables beyond the split's range (infinite, NaN, huge, tiny): the walk.
Extended TCalculator::Evaluate(const TStackList& postfix, EngineError& errorCode, Extended x,
                               Extended y) noexcept
{
    return Walk(postfix, errorCode, x, y);
}

Extended TCalculator::CalculateStored(const TStackList& postfix, EngineError& errorCode) noexcept
{
    if (Decoded(postfix)) {
        errorCode = kEngineOk;
        return Run(errorCode);
    }
    return Walk(postfix, errorCode, kernel::Join(variables_[0]), kernel::Join(variables_[1]));
}

}  // namespace vg
