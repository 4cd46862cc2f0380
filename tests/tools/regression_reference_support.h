#pragma once

// An independent least-squares reference in 256-bit arithmetic (MPFR): the
// models' transformations, the normal equations and their solution are all
// carried out far beyond the extended precision, so its coefficients are
// exact to well over 8 significant digits for well-conditioned data.

#include <utility>
#include <vector>

namespace vg::test {

using ReferencePoints = std::vector<std::pair<long double, long double>>;

enum class ReferenceModel { Linear, Hyperbolic, Logarithmic, Power, Exponential, Exponential2 };

// The coefficients c0..cd of the least-squares polynomial of degree d.
std::vector<long double> ReferencePolynomialFit(const ReferencePoints& points, int degree);

// a and b of a two-parameter model, fitted as a straight line through the
// transformed points (y = a*x + b, a/x + b, a*ln(x) + b, a*x^b, a*exp(b*x),
// a*b^x).
std::pair<long double, long double> ReferenceTwoParameterFit(ReferenceModel model, const ReferencePoints& points);

}  // namespace vg::test
