#pragma once

// The comparison of every model the data admit: what Best Fit weighs, shown
// side by side with the adjusted R^2, which charges a model for its extra
// coefficients.

#include <string>
#include <vector>

#include "tools/regression.h"

namespace vg {

struct RegressionComparisonRow {
    RegressionFit Fit;
    GoodnessOfFit Goodness;
    // 1 - (1 - R^2)(N - 1)/(N - p - 1), p the number of coefficients minus 1;
    // absent where N <= p + 1 and where R^2 is an error.
    bool HasAdjustedRSquared = false;
    long double AdjustedRSquared = 0;
};

// The six two-parameter kinds and the polynomials of degree 2 up to the
// number of distinct X minus 1 (at most 9), each that the data admit; sorted
// by adjusted R^2, highest first; then the rows without one, those with an R^2
// before those without; the candidate order on ties. Empty when there are
// fewer than two distinct points.
std::vector<RegressionComparisonRow> CompareRegressionModels(const RegressionPoints& sorted);

// The adjusted R^2 as the page shows it: its figure, "-" where it is not
// defined for so few points, "Error" where R^2 is an error.
std::string AdjustedRSquaredText(const RegressionComparisonRow& row);

}  // namespace vg
