#pragma once

// Least-squares fits of a table graph's points: seven models, the best of
// them, and the two goodness-of-fit figures of the formula as shown.

#include <array>
#include <cstdint>

#include "document/graph_record.h"

namespace vg {

// The stored regression kind (RegressionType of the program options).
enum class RegressionKind : int32_t {
    Linear = 1,        // y = a*x + b
    Hyperbolic = 2,    // y = a/x + b
    Logarithmic = 3,   // y = a*ln(x) + b
    Power = 4,         // y = a*x^b
    Exponential = 5,   // y = a*exp(b*x)
    Exponential2 = 6,  // y = a*b^x
    Polynomial = 7,    // y = c0 + c1*x + ... + cn*x^n
    Best = 8,          // the best of the above
};
inline constexpr int kMinPolynomDegree = 2;
inline constexpr int kMaxPolynomDegree = 9;
inline constexpr int kPolynomCoefficients = kMaxPolynomDegree + 1;

// R^2 of a fit that has none (zero spread of Y, or a ratio above 1).
inline constexpr long double kRSquaredError = -10;

struct RegressionPoint {
    long double X;
    long double Y;
};
// The table's 100 slots; unused ones hold +infinity.
using RegressionPoints = std::array<RegressionPoint, kTableSlots>;

// Only finite coordinates take part in a fit.
bool IsValidRegressionPoint(const RegressionPoint& p);
int ValidPointCount(const RegressionPoints& points);

// A copy of the table's slots sorted by ascending X (stable, unused slots
// last); the graph keeps its own order.
RegressionPoints SortedWorkingCopy(const GraphRecord& table);

// The valid points that remain when, of every run of valid points with the
// same stored X, only the last is kept.
int DistinctValidPoints(const RegressionPoints& sorted);

// One fitted model. Kinds 1..6 use A and B; the polynomial uses C[0..Degree]
// (C[i] multiplies x^i) and the degree it was actually fitted with.
struct RegressionFit {
    RegressionKind Kind = RegressionKind::Linear;
    int Degree = 1;
    long double A = 0;
    long double B = 0;
    std::array<long double, kPolynomCoefficients> C{};
};

// Fits a model of kind 1..7 to the sorted working copy; the polynomial degree
// drops to the number of distinct points minus 1 where there are too few.
// False when the data do not admit the model (a value the transformation
// cannot take, a singular system, coefficients beyond the extended range).
bool FitRegressionModel(const RegressionPoints& sorted, RegressionKind kind, int degree, RegressionFit& fit);

// The fit with every coefficient rounded as the formula shows it.
RegressionFit RoundedCoefficients(const RegressionFit& fit);
// The model's value at x (the polynomial by Horner's rule).
long double RegressionValue(const RegressionFit& fit, long double x);

struct GoodnessOfFit {
    long double Deviation = 0;  // root-mean-square deviation
    long double RSquared = 0;   // kRSquaredError when there is none
};

// The figures of the formula as shown (coefficients rounded), on the
// untransformed points; R^2 in logarithmic space for the Power and the two
// Exponential kinds. A ratio that exceeds 1 by rounding noise only counts as 1.
GoodnessOfFit ComputeGoodnessOfFit(const RegressionPoints& sorted, const RegressionFit& fit);

enum class RegressionStatus { Fitted, NotEnoughNumbers, ErrorData };

struct RegressionResult {
    RegressionStatus Status = RegressionStatus::ErrorData;
    RegressionFit Fit;
    GoodnessOfFit Goodness;
};

// Showing a fit: the check for two distinct points, the model (kind 8: the
// best of the 14 candidates by R^2, the earliest on ties) and its figures.
RegressionResult ComputeRegression(const RegressionPoints& sorted, RegressionKind kind, int degree);

}  // namespace vg
