#include "tools/regression_compare.h"

#include <algorithm>

#include "tools/regression_texts.h"

namespace vg {

namespace {

constexpr RegressionKind kTwoParameterKinds[] = {
    RegressionKind::Linear,      RegressionKind::Hyperbolic,  RegressionKind::Logarithmic,
    RegressionKind::Power,       RegressionKind::Exponential, RegressionKind::Exponential2,
};

bool HasRSquared(const RegressionComparisonRow& row) { return row.Goodness.RSquared != kRSquaredError; }

// Rows with an adjusted R^2 first, then those with an R^2 only, then those
// with neither.
int Group(const RegressionComparisonRow& row)
{
    if (row.HasAdjustedRSquared) return 0;
    return HasRSquared(row) ? 1 : 2;
}

RegressionComparisonRow MakeRow(const RegressionPoints& sorted, const RegressionFit& fit, int validPoints)
{
    RegressionComparisonRow row;
    row.Fit = fit;
    row.Goodness = ComputeGoodnessOfFit(sorted, fit);
    const long double n = validPoints;
    const long double p = fit.Kind == RegressionKind::Polynomial ? fit.Degree : 1;
    if (HasRSquared(row) && n > p + 1) {
        row.HasAdjustedRSquared = true;
        row.AdjustedRSquared = 1 - (1 - row.Goodness.RSquared) * (n - 1) / (n - p - 1);
    }
    return row;
}

}  // namespace

std::vector<RegressionComparisonRow> CompareRegressionModels(const RegressionPoints& sorted)
{
    std::vector<RegressionComparisonRow> rows;
    const int distinct = DistinctValidPoints(sorted);
    if (distinct < 2) return rows;
    const int validPoints = ValidPointCount(sorted);
    RegressionFit fit;
    for (RegressionKind kind : kTwoParameterKinds)
        if (FitRegressionModel(sorted, kind, 1, fit)) rows.push_back(MakeRow(sorted, fit, validPoints));
    const int highestDegree = std::min(kMaxPolynomDegree, distinct - 1);
    for (int degree = kMinPolynomDegree; degree <= highestDegree; ++degree)
        if (FitRegressionModel(sorted, RegressionKind::Polynomial, degree, fit))
            rows.push_back(MakeRow(sorted, fit, validPoints));
    std::stable_sort(rows.begin(), rows.end(), [](const RegressionComparisonRow& a, const RegressionComparisonRow& b) {
        if (Group(a) != Group(b)) return Group(a) < Group(b);
        return Group(a) == 0 && a.AdjustedRSquared > b.AdjustedRSquared;
    });
    return rows;
}

std::string AdjustedRSquaredText(const RegressionComparisonRow& row)
{
    if (!HasRSquared(row)) return "Error";
    if (!row.HasAdjustedRSquared) return "-";
    return RegressionFigureText(row.AdjustedRSquared);
}

}  // namespace vg
