#pragma once

// An independent reference for definite integrals in 256-bit arithmetic
// (MPFR): the integral itself by composite Gauss-Legendre quadrature, the
// composite Simpson sum on the same nodes as the program's, and the bound
// of Simpson's error (b-a)/180 * h^4 * max|f''''| with the fourth derivative
// taken by finite differences far below the extended precision.

#include <mpfr.h>

#include <functional>

namespace vg::test {

inline constexpr mpfr_prec_t kReferenceBits = 256;

// An MPFR number of the reference precision that frees itself.
class RefNumber {
public:
    RefNumber() { mpfr_init2(v_, kReferenceBits), mpfr_set_zero(v_, 1); }
    explicit RefNumber(long double x) { mpfr_init2(v_, kReferenceBits), mpfr_set_ld(v_, x, MPFR_RNDN); }
    RefNumber(const RefNumber& other) { mpfr_init2(v_, kReferenceBits), mpfr_set(v_, other.v_, MPFR_RNDN); }
    RefNumber& operator=(const RefNumber& other)
    {
        mpfr_set(v_, other.v_, MPFR_RNDN);
        return *this;
    }
    ~RefNumber() { mpfr_clear(v_); }
    mpfr_ptr get() { return v_; }
    mpfr_srcptr get() const { return v_; }
    long double ToLongDouble() const { return mpfr_get_ld(v_, MPFR_RNDN); }

private:
    mpfr_t v_;
};

// r = f(x) at the reference precision.
using ReferenceFunction = std::function<void(mpfr_ptr r, mpfr_srcptr x)>;

struct SimpsonReference {
    long double Exact = 0;        // the integral over [a, b]
    long double Simpson = 0;      // the composite Simpson sum with 2n subintervals
    long double ErrorBound = 0;   // the bound of |Simpson - Exact|
    long double AbsoluteSum = 0;  // the Simpson sum of |f|: the scale of rounding
};

SimpsonReference ReferenceSimpson(const ReferenceFunction& f, long double a, long double b, int n);

}  // namespace vg::test
