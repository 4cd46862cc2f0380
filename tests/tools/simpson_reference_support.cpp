#include "simpson_reference_support.h"

#include <vector>

namespace vg::test {

namespace {

constexpr int kGaussPoints = 40;
constexpr int kGaussPanels = 16;
constexpr int kDerivativeSamples = 400;

// Nodes and weights of Gauss-Legendre quadrature on [-1, 1], by Newton's
// iteration on the Legendre polynomial from the usual first guesses.
struct GaussRule {
    std::vector<RefNumber> nodes, weights;
};

// P_n(x) and P_{n-1}(x) by the three-term recurrence.
void Legendre(mpfr_srcptr x, int n, RefNumber& pn, RefNumber& pn1)
{
    RefNumber p0(1.0L), p1, next, t;
    mpfr_set(p1.get(), x, MPFR_RNDN);
    for (int k = 1; k < n; ++k) {
        mpfr_mul(t.get(), x, p1.get(), MPFR_RNDN);
        mpfr_mul_si(t.get(), t.get(), 2 * k + 1, MPFR_RNDN);
        mpfr_mul_si(next.get(), p0.get(), k, MPFR_RNDN);
        mpfr_sub(next.get(), t.get(), next.get(), MPFR_RNDN);
        mpfr_div_si(next.get(), next.get(), k + 1, MPFR_RNDN);
        p0 = p1;
        p1 = next;
    }
    pn = p1;
    pn1 = p0;
}

// P_n'(x) = n (x P_n - P_{n-1}) / (x^2 - 1).
void LegendreSlope(mpfr_srcptr x, int n, const RefNumber& pn, const RefNumber& pn1, RefNumber& slope)
{
    RefNumber t, d;
    mpfr_mul(t.get(), x, pn.get(), MPFR_RNDN);
    mpfr_sub(t.get(), t.get(), pn1.get(), MPFR_RNDN);
    mpfr_mul_si(t.get(), t.get(), n, MPFR_RNDN);
    mpfr_sqr(d.get(), x, MPFR_RNDN);
    mpfr_sub_ui(d.get(), d.get(), 1, MPFR_RNDN);
    mpfr_div(slope.get(), t.get(), d.get(), MPFR_RNDN);
}

const GaussRule& Rule()
{
    static const GaussRule rule = [] {
        GaussRule r;
        RefNumber pi;
        mpfr_const_pi(pi.get(), MPFR_RNDN);
        for (int i = 1; i <= kGaussPoints; ++i) {
            RefNumber x, pn, pn1, slope, step;
            mpfr_mul_d(x.get(), pi.get(), (i - 0.25) / (kGaussPoints + 0.5), MPFR_RNDN);
            mpfr_cos(x.get(), x.get(), MPFR_RNDN);
            for (int iteration = 0; iteration < 12; ++iteration) {
                Legendre(x.get(), kGaussPoints, pn, pn1);
                LegendreSlope(x.get(), kGaussPoints, pn, pn1, slope);
                mpfr_div(step.get(), pn.get(), slope.get(), MPFR_RNDN);
                mpfr_sub(x.get(), x.get(), step.get(), MPFR_RNDN);
            }
            Legendre(x.get(), kGaussPoints, pn, pn1);
            LegendreSlope(x.get(), kGaussPoints, pn, pn1, slope);
            RefNumber w, t;
            mpfr_sqr(t.get(), x.get(), MPFR_RNDN);
            mpfr_ui_sub(t.get(), 1, t.get(), MPFR_RNDN);
            mpfr_sqr(w.get(), slope.get(), MPFR_RNDN);
            mpfr_mul(w.get(), w.get(), t.get(), MPFR_RNDN);
            mpfr_ui_div(w.get(), 2, w.get(), MPFR_RNDN);
            r.nodes.push_back(x);
            r.weights.push_back(w);
        }
        return r;
    }();
    return rule;
}

RefNumber Exact(const ReferenceFunction& f, const RefNumber& a, const RefNumber& b)
{
    const GaussRule& rule = Rule();
    RefNumber width, half, sum, value, x, term;
    mpfr_sub(width.get(), b.get(), a.get(), MPFR_RNDN);
    mpfr_div_si(width.get(), width.get(), kGaussPanels, MPFR_RNDN);
    mpfr_div_ui(half.get(), width.get(), 2, MPFR_RNDN);
    for (int panel = 0; panel < kGaussPanels; ++panel) {
        RefNumber middle;
        mpfr_mul_si(middle.get(), width.get(), panel, MPFR_RNDN);
        mpfr_add(middle.get(), middle.get(), a.get(), MPFR_RNDN);
        mpfr_add(middle.get(), middle.get(), half.get(), MPFR_RNDN);
        for (std::size_t k = 0; k < rule.nodes.size(); ++k) {
            mpfr_mul(x.get(), rule.nodes[k].get(), half.get(), MPFR_RNDN);
            mpfr_add(x.get(), x.get(), middle.get(), MPFR_RNDN);
            f(value.get(), x.get());
            mpfr_mul(term.get(), value.get(), rule.weights[k].get(), MPFR_RNDN);
            mpfr_add(sum.get(), sum.get(), term.get(), MPFR_RNDN);
        }
    }
    mpfr_mul(sum.get(), sum.get(), half.get(), MPFR_RNDN);
    return sum;
}

// |f''''(x)| by the central fourth difference with a step of 1e-15.
RefNumber FourthDerivativeMagnitude(const ReferenceFunction& f, const RefNumber& x)
{
    static const int kCoefficients[] = {1, -4, 6, -4, 1};
    RefNumber delta(1e-15L), sum, point, value;
    for (int k = 0; k < 5; ++k) {
        mpfr_mul_si(point.get(), delta.get(), k - 2, MPFR_RNDN);
        mpfr_add(point.get(), point.get(), x.get(), MPFR_RNDN);
        f(value.get(), point.get());
        mpfr_mul_si(value.get(), value.get(), kCoefficients[k], MPFR_RNDN);
        mpfr_add(sum.get(), sum.get(), value.get(), MPFR_RNDN);
    }
    mpfr_pow_ui(delta.get(), delta.get(), 4, MPFR_RNDN);
    mpfr_div(sum.get(), sum.get(), delta.get(), MPFR_RNDN);
    mpfr_abs(sum.get(), sum.get(), MPFR_RNDN);
    return sum;
}

}  // namespace

SimpsonReference ReferenceSimpson(const ReferenceFunction& f, long double a, long double b, int n)
{
    const RefNumber ra(a), rb(b);
    SimpsonReference result;
    result.Exact = Exact(f, ra, rb).ToLongDouble();

    const int subintervals = 2 * n;
    RefNumber h, x, value, sum, absSum;
    mpfr_sub(h.get(), rb.get(), ra.get(), MPFR_RNDN);
    mpfr_div_si(h.get(), h.get(), subintervals, MPFR_RNDN);
    for (int i = 0; i <= subintervals; ++i) {
        mpfr_mul_si(x.get(), h.get(), i, MPFR_RNDN);
        mpfr_add(x.get(), x.get(), ra.get(), MPFR_RNDN);
        f(value.get(), x.get());
        const int weight = (i == 0 || i == subintervals) ? 1 : (i % 2 == 1 ? 4 : 2);
        mpfr_mul_si(value.get(), value.get(), weight, MPFR_RNDN);
        mpfr_add(sum.get(), sum.get(), value.get(), MPFR_RNDN);
        mpfr_abs(value.get(), value.get(), MPFR_RNDN);
        mpfr_add(absSum.get(), absSum.get(), value.get(), MPFR_RNDN);
    }
    mpfr_mul(sum.get(), sum.get(), h.get(), MPFR_RNDN);
    mpfr_div_ui(sum.get(), sum.get(), 3, MPFR_RNDN);
    mpfr_mul(absSum.get(), absSum.get(), h.get(), MPFR_RNDN);
    mpfr_div_ui(absSum.get(), absSum.get(), 3, MPFR_RNDN);
    result.Simpson = sum.ToLongDouble();
    result.AbsoluteSum = absSum.ToLongDouble();

    // The largest |f''''| on a fine grid that includes both ends.
    RefNumber largest, step;
    mpfr_sub(step.get(), rb.get(), ra.get(), MPFR_RNDN);
    mpfr_div_si(step.get(), step.get(), kDerivativeSamples, MPFR_RNDN);
    for (int k = 0; k <= kDerivativeSamples; ++k) {
        mpfr_mul_si(x.get(), step.get(), k, MPFR_RNDN);
        mpfr_add(x.get(), x.get(), ra.get(), MPFR_RNDN);
        const RefNumber m = FourthDerivativeMagnitude(f, x);
        if (mpfr_cmp(m.get(), largest.get()) > 0) largest = m;
    }
    RefNumber bound;
    mpfr_pow_ui(bound.get(), h.get(), 4, MPFR_RNDN);
    mpfr_mul(bound.get(), bound.get(), largest.get(), MPFR_RNDN);
    mpfr_sub(step.get(), rb.get(), ra.get(), MPFR_RNDN);
    mpfr_mul(bound.get(), bound.get(), step.get(), MPFR_RNDN);
    mpfr_div_ui(bound.get(), bound.get(), 180, MPFR_RNDN);
    result.ErrorBound = bound.ToLongDouble();
    return result;
}

}  // namespace vg::test
