#include "tools/analysis_reference_support.h"

#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace vg::test {

enum class RefOp { Const, X, Add, Sub, Mul, Div, Neg, Sin, Cos, Exp, Atan, Square };

struct RefNode {
    RefOp op;
    std::string text;  // constants: their decimal text
    long double value = 0;
    RefTree a, b;
};

namespace {

constexpr mpfr_prec_t kBits = 160;

RefTree Node(RefOp op, RefTree a = nullptr, RefTree b = nullptr)
{
    return std::make_shared<const RefNode>(RefNode{op, "", 0, std::move(a), std::move(b)});
}

RefTree Constant(const std::string& text)
{
    return std::make_shared<const RefNode>(RefNode{RefOp::Const, text, std::strtold(text.c_str(), nullptr), {}, {}});
}

RefTree X() { return Node(RefOp::X); }
RefTree operator+(RefTree a, RefTree b) { return Node(RefOp::Add, std::move(a), std::move(b)); }
RefTree operator-(RefTree a, RefTree b) { return Node(RefOp::Sub, std::move(a), std::move(b)); }
RefTree operator*(RefTree a, RefTree b) { return Node(RefOp::Mul, std::move(a), std::move(b)); }
RefTree operator/(RefTree a, RefTree b) { return Node(RefOp::Div, std::move(a), std::move(b)); }
RefTree operator-(RefTree a) { return Node(RefOp::Neg, std::move(a)); }
RefTree Sin(RefTree a) { return Node(RefOp::Sin, std::move(a)); }
RefTree Cos(RefTree a) { return Node(RefOp::Cos, std::move(a)); }
RefTree Exp(RefTree a) { return Node(RefOp::Exp, std::move(a)); }
RefTree Atan(RefTree a) { return Node(RefOp::Atan, std::move(a)); }
RefTree Square(RefTree a) { return Node(RefOp::Square, std::move(a)); }

// The rules of calculus, written without any simplification.
RefTree Derive(const RefTree& e)
{
    const RefTree& a = e->a;
    const RefTree& b = e->b;
    switch (e->op) {
    case RefOp::Const: return Constant("0");
    case RefOp::X: return Constant("1");
    case RefOp::Add: return Derive(a) + Derive(b);
    case RefOp::Sub: return Derive(a) - Derive(b);
    case RefOp::Mul: return Derive(a) * b + a * Derive(b);
    case RefOp::Div: return (Derive(a) * b - a * Derive(b)) / (b * b);
    case RefOp::Neg: return -Derive(a);
    case RefOp::Sin: return Cos(a) * Derive(a);
    case RefOp::Cos: return -Sin(a) * Derive(a);
    case RefOp::Exp: return e * Derive(a);
    case RefOp::Atan: return Derive(a) / (Constant("1") + a * a);
    case RefOp::Square: return Constant("2") * a * Derive(a);
    }
    return nullptr;
}

std::string Print(const RefTree& e)
{
    switch (e->op) {
    case RefOp::Const: return e->value < 0 ? "(" + e->text + ")" : e->text;
    case RefOp::X: return "X";
    case RefOp::Add: return "(" + Print(e->a) + "+" + Print(e->b) + ")";
    case RefOp::Sub: return "(" + Print(e->a) + "-" + Print(e->b) + ")";
    case RefOp::Mul: return "(" + Print(e->a) + "*" + Print(e->b) + ")";
    case RefOp::Div: return "(" + Print(e->a) + "/" + Print(e->b) + ")";
    case RefOp::Neg: return "(-" + Print(e->a) + ")";
    case RefOp::Sin: return "SIN(" + Print(e->a) + ")";
    case RefOp::Cos: return "COS(" + Print(e->a) + ")";
    case RefOp::Exp: return "EXP(" + Print(e->a) + ")";
    case RefOp::Atan: return "ATAN(" + Print(e->a) + ")";
    case RefOp::Square: return "(" + Print(e->a) + ")^2";
    }
    return "";
}

long double Evaluate(const RefTree& e, long double x)
{
    switch (e->op) {
    case RefOp::Const: return e->value;
    case RefOp::X: return x;
    case RefOp::Add: return Evaluate(e->a, x) + Evaluate(e->b, x);
    case RefOp::Sub: return Evaluate(e->a, x) - Evaluate(e->b, x);
    case RefOp::Mul: return Evaluate(e->a, x) * Evaluate(e->b, x);
    case RefOp::Div: return Evaluate(e->a, x) / Evaluate(e->b, x);
    case RefOp::Neg: return -Evaluate(e->a, x);
    case RefOp::Sin: return std::sin(Evaluate(e->a, x));
    case RefOp::Cos: return std::cos(Evaluate(e->a, x));
    case RefOp::Exp: return std::exp(Evaluate(e->a, x));
    case RefOp::Atan: return std::atan(Evaluate(e->a, x));
    case RefOp::Square: {
        const long double v = Evaluate(e->a, x);
        return v * v;
    }
    }
    return NAN;
}

// RAII MPFR number at the reference precision.
struct Big {
    mpfr_t v;
    Big() { mpfr_init2(v, kBits); }
    ~Big() { mpfr_clear(v); }
    Big(const Big&) = delete;
    Big& operator=(const Big&) = delete;
};

void EvaluatePrecise(const RefTree& e, const Big& x, Big& out)
{
    Big left, right;
    switch (e->op) {
    case RefOp::Const: mpfr_set_str(out.v, e->text.c_str(), 10, MPFR_RNDN); return;
    case RefOp::X: mpfr_set(out.v, x.v, MPFR_RNDN); return;
    default: break;
    }
    EvaluatePrecise(e->a, x, left);
    if (e->b) EvaluatePrecise(e->b, x, right);
    switch (e->op) {
    case RefOp::Add: mpfr_add(out.v, left.v, right.v, MPFR_RNDN); break;
    case RefOp::Sub: mpfr_sub(out.v, left.v, right.v, MPFR_RNDN); break;
    case RefOp::Mul: mpfr_mul(out.v, left.v, right.v, MPFR_RNDN); break;
    case RefOp::Div: mpfr_div(out.v, left.v, right.v, MPFR_RNDN); break;
    case RefOp::Neg: mpfr_neg(out.v, left.v, MPFR_RNDN); break;
    case RefOp::Sin: mpfr_sin(out.v, left.v, MPFR_RNDN); break;
    case RefOp::Cos: mpfr_cos(out.v, left.v, MPFR_RNDN); break;
    case RefOp::Exp: mpfr_exp(out.v, left.v, MPFR_RNDN); break;
    case RefOp::Atan: mpfr_atan(out.v, left.v, MPFR_RNDN); break;
    case RefOp::Square: mpfr_sqr(out.v, left.v, MPFR_RNDN); break;
    default: break;
    }
}

// Bisection of a sign change between a and b at the reference precision.
long double RefineRoot(const RefTree& e, long double a, long double b)
{
    Big lo, hi, mid, value;
    mpfr_set_ld(lo.v, a, MPFR_RNDN);
    mpfr_set_ld(hi.v, b, MPFR_RNDN);
    EvaluatePrecise(e, lo, value);
    const int loSign = mpfr_sgn(value.v);
    for (int i = 0; i < 100; ++i) {
        mpfr_add(mid.v, lo.v, hi.v, MPFR_RNDN);
        mpfr_div_2ui(mid.v, mid.v, 1, MPFR_RNDN);
        EvaluatePrecise(e, mid, value);
        if (mpfr_sgn(value.v) == 0) break;
        if (mpfr_sgn(value.v) == loSign) {
            mpfr_set(lo.v, mid.v, MPFR_RNDN);
        } else {
            mpfr_set(hi.v, mid.v, MPFR_RNDN);
        }
    }
    return mpfr_get_ld(mid.v, MPFR_RNDN);
}

// A small deterministic generator (the same numbers on every platform).
class Coefficients {
public:
    explicit Coefficients(unsigned seed) : state_(seed * 2654435761u + 12345u) {}

    // A decimal with two places in [low, high].
    RefTree Between(double low, double high) { return Constant(Text(low, high)); }
    double LastValue() const { return last_; }

private:
    std::uint32_t Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }

    std::string Text(double low, double high)
    {
        const long lo = std::lround(low * 100), hi = std::lround(high * 100);
        const long k = lo + static_cast<long>(Next() % static_cast<std::uint32_t>(hi - lo + 1));
        last_ = k / 100.0;
        const long whole = std::labs(k) / 100, cents = std::labs(k) % 100;
        return std::string(k < 0 ? "-" : "") + std::to_string(whole) + "." + (cents < 10 ? "0" : "") +
               std::to_string(cents);
    }

    std::uint32_t state_;
    double last_ = 0;
};

}  // namespace

ReferenceFunction::ReferenceFunction(RefTree tree, long double minX, long double maxX)
    : tree_(std::move(tree)), derivative_(Derive(tree_)), minX_(minX), maxX_(maxX)
{
}

std::string ReferenceFunction::Formula() const { return Print(tree_); }

long double ReferenceFunction::Value(long double x, bool derivative) const
{
    return Evaluate(derivative ? derivative_ : tree_, x);
}

long double ReferenceFunction::PreciseValue(long double x) const
{
    Big at, value;
    mpfr_set_ld(at.v, x, MPFR_RNDN);
    EvaluatePrecise(tree_, at, value);
    return mpfr_get_ld(value.v, MPFR_RNDN);
}

std::vector<long double> ReferenceFunction::Roots(bool derivative, int samples) const
{
    const RefTree& e = derivative ? derivative_ : tree_;
    std::vector<long double> roots;
    long double xp = minX_, vp = Evaluate(e, xp);
    for (int i = 1; i <= samples; ++i) {
        const long double x = minX_ + (maxX_ - minX_) * i / samples;
        const long double v = Evaluate(e, x);
        if ((vp < 0 && v >= 0) || (vp > 0 && v <= 0)) roots.push_back(RefineRoot(e, xp, x));
        xp = x;
        vp = v;
    }
    return roots;
}

ReferenceFunction GenerateSmoothFunction(unsigned seed)
{
    Coefficients c(seed);
    RefTree f;
    switch (seed % 8) {
    case 0: {  // a sine wave lifted by less than its amplitude
        RefTree a = c.Between(1, 3);
        const double amplitude = c.LastValue();
        f = a * Sin(c.Between(0.5, 2.5) * X() + c.Between(-3, 3)) + c.Between(-0.8 * amplitude, 0.8 * amplitude);
        break;
    }
    case 1:  // a cubic with three roots in the interval
        f = c.Between(0.02, 0.2) * (X() - c.Between(-5, -2)) * (X() - c.Between(-1, 1)) * (X() - c.Between(2, 5));
        break;
    case 2:  // a damped cosine
        f = Exp(-(X() * X()) / c.Between(4, 20)) * Cos(c.Between(1, 3) * X()) - c.Between(-0.3, 0.3);
        break;
    case 3:  // an arctangent step with a ripple
        f = Atan(c.Between(0.5, 3) * X() - c.Between(-2, 2)) + c.Between(0.1, 0.6) * Sin(c.Between(1, 3) * X());
        break;
    case 4:  // a rational function with a cosine
        f = (X() * X() - c.Between(1, 9)) / (Constant("1") + X() * X()) + c.Between(0.1, 0.5) * Cos(X());
        break;
    case 5:  // a decaying sine wave
        f = Sin(c.Between(0.8, 2.5) * X()) * Exp(-X() / c.Between(4, 12)) + c.Between(-0.2, 0.2);
        break;
    case 6:  // a squared cosine
        f = Square(Cos(c.Between(0.5, 1.5) * X() + c.Between(-1, 1))) - c.Between(0.1, 0.9);
        break;
    default:  // a growing oscillation
        f = X() * Sin(c.Between(0.7, 2) * X()) - c.Between(-1, 1);
        break;
    }
    const long double minX = -6 - c.Between(0, 2)->value;
    const long double maxX = 6 + c.Between(0, 2)->value;
    return ReferenceFunction(f, minX, maxX);
}

}  // namespace vg::test
