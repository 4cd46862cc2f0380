#pragma once

// An independent reference for the analysis: smooth functions generated as
// expression trees that print themselves as formula text, differentiate
// themselves by their own rules, and are evaluated in 80-bit arithmetic (to
// bracket roots) and with MPFR at 160 bits (to refine them), without any
// part of the program's engine.

#include <memory>
#include <string>
#include <vector>

namespace vg::test {

struct RefNode;
using RefTree = std::shared_ptr<const RefNode>;

class ReferenceFunction {
public:
    ReferenceFunction(RefTree tree, long double minX, long double maxX);

    // The formula as the program reads it (variable X).
    std::string Formula() const;
    long double MinX() const { return minX_; }
    long double MaxX() const { return maxX_; }

    // Value at x in 80-bit arithmetic; derivative = true for f'.
    long double Value(long double x, bool derivative = false) const;

    // The sign changes of f (or f') on [MinX, MaxX], found on a grid of
    // `samples` steps and refined by bisection in MPFR to far below 1e-20.
    std::vector<long double> Roots(bool derivative, int samples) const;
    // f at x evaluated in MPFR and rounded to extended.
    long double PreciseValue(long double x) const;

private:
    RefTree tree_;
    RefTree derivative_;
    long double minX_, maxX_;
};

// Smooth functions of several families with coefficients from a seeded
// generator; deterministic for a seed.
ReferenceFunction GenerateSmoothFunction(unsigned seed);

}  // namespace vg::test
