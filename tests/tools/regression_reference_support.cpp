#include "regression_reference_support.h"

#include <mpfr.h>

#include <cstddef>
#include <stdexcept>

namespace vg::test {

namespace {

constexpr mpfr_prec_t kBits = 256;

// An MPFR number that frees itself.
class Big {
public:
    Big() { mpfr_init2(v_, kBits), mpfr_set_zero(v_, 1); }
    explicit Big(long double x) { mpfr_init2(v_, kBits), mpfr_set_ld(v_, x, MPFR_RNDN); }
    Big(const Big& other) { mpfr_init2(v_, kBits), mpfr_set(v_, other.v_, MPFR_RNDN); }
    Big& operator=(const Big& other)
    {
        mpfr_set(v_, other.v_, MPFR_RNDN);
        return *this;
    }
    ~Big() { mpfr_clear(v_); }
    mpfr_ptr get() { return v_; }
    mpfr_srcptr get() const { return v_; }
    long double ToLongDouble() const { return mpfr_get_ld(v_, MPFR_RNDN); }

private:
    mpfr_t v_;
};

Big Mul(const Big& a, const Big& b)
{
    Big r;
    mpfr_mul(r.get(), a.get(), b.get(), MPFR_RNDN);
    return r;
}

void AddTo(Big& a, const Big& b) { mpfr_add(a.get(), a.get(), b.get(), MPFR_RNDN); }

using BigPoints = std::vector<std::pair<Big, Big>>;

BigPoints ToBig(const ReferencePoints& points)
{
    BigPoints big;
    for (const auto& [x, y] : points) big.emplace_back(Big(x), Big(y));
    return big;
}

std::vector<Big> SolvePolynomial(const BigPoints& points, int degree)
{
    const std::size_t n = static_cast<std::size_t>(degree) + 1;
    std::vector<Big> sums(2 * n - 1), rhs(n);
    for (const auto& [x, y] : points) {
        Big power(1.0L);
        for (std::size_t k = 0; k < sums.size(); ++k) {
            AddTo(sums[k], power);
            if (k < n) AddTo(rhs[k], Mul(power, y));
            power = Mul(power, x);
        }
    }
    std::vector<std::vector<Big>> m(n, std::vector<Big>(n));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) m[i][j] = sums[i + j];
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (mpfr_cmpabs(m[i][k].get(), m[pivot][k].get()) > 0) pivot = i;
        std::swap(m[k], m[pivot]);
        std::swap(rhs[k], rhs[pivot]);
        if (mpfr_zero_p(m[k][k].get())) throw std::runtime_error("singular reference system");
        for (std::size_t i = k + 1; i < n; ++i) {
            Big factor;
            mpfr_div(factor.get(), m[i][k].get(), m[k][k].get(), MPFR_RNDN);
            for (std::size_t j = k; j < n; ++j) mpfr_sub(m[i][j].get(), m[i][j].get(), Mul(factor, m[k][j]).get(), MPFR_RNDN);
            mpfr_sub(rhs[i].get(), rhs[i].get(), Mul(factor, rhs[k]).get(), MPFR_RNDN);
        }
    }
    std::vector<Big> c(n);
    for (std::size_t i = n; i-- > 0;) {
        Big sum = rhs[i];
        for (std::size_t j = i + 1; j < n; ++j) mpfr_sub(sum.get(), sum.get(), Mul(m[i][j], c[j]).get(), MPFR_RNDN);
        mpfr_div(c[i].get(), sum.get(), m[i][i].get(), MPFR_RNDN);
    }
    return c;
}

void Log(Big& v) { mpfr_log(v.get(), v.get(), MPFR_RNDN); }
void Exp(Big& v) { mpfr_exp(v.get(), v.get(), MPFR_RNDN); }

}  // namespace

std::vector<long double> ReferencePolynomialFit(const ReferencePoints& points, int degree)
{
    std::vector<long double> result;
    for (const Big& c : SolvePolynomial(ToBig(points), degree)) result.push_back(c.ToLongDouble());
    return result;
}

std::pair<long double, long double> ReferenceTwoParameterFit(ReferenceModel model, const ReferencePoints& points)
{
    BigPoints big = ToBig(points);
    for (auto& [x, y] : big) {
        switch (model) {
        case ReferenceModel::Hyperbolic: mpfr_ui_div(x.get(), 1, x.get(), MPFR_RNDN); break;
        case ReferenceModel::Logarithmic: Log(x); break;
        case ReferenceModel::Power: Log(x), Log(y); break;
        case ReferenceModel::Exponential:
        case ReferenceModel::Exponential2: Log(y); break;
        case ReferenceModel::Linear: break;
        }
    }
    std::vector<Big> line = SolvePolynomial(big, 1);  // intercept, slope
    Big& intercept = line[0];
    Big& slope = line[1];
    switch (model) {
    case ReferenceModel::Power:
    case ReferenceModel::Exponential: Exp(intercept); return {intercept.ToLongDouble(), slope.ToLongDouble()};
    case ReferenceModel::Exponential2:
        Exp(intercept), Exp(slope);
        return {intercept.ToLongDouble(), slope.ToLongDouble()};
    default: return {slope.ToLongDouble(), intercept.ToLongDouble()};
    }
}

}  // namespace vg::test
