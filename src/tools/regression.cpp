#include "tools/regression.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/number_text.h"

namespace vg {

namespace {

// Smaller magnitudes count as zero for divisions and logarithms.
constexpr long double kTiny = 1e-60L;

// A ratio this close above 1 is rounding noise of an exact fit.
constexpr long double kRSquaredNoise = 1e-9L;

constexpr RegressionKind kStraightLineKinds[] = {
    RegressionKind::Linear,      RegressionKind::Hyperbolic,  RegressionKind::Logarithmic,
    RegressionKind::Power,       RegressionKind::Exponential, RegressionKind::Exponential2,
};

long double SortKey(long double x) { return IsDefined(x) ? x : kUndefined; }

bool FitsInLogSpace(RegressionKind kind)
{
    return kind == RegressionKind::Power || kind == RegressionKind::Exponential ||
           kind == RegressionKind::Exponential2;
}

bool Significant(long double v) { return std::fabs(v) >= kTiny; }

// Replaces x and y of every valid point as the model needs; false when some
// valid point cannot be transformed.
bool TransformPoints(RegressionKind kind, RegressionPoints& points)
{
    for (RegressionPoint& p : points) {
        if (!IsValidRegressionPoint(p)) continue;
        switch (kind) {
        case RegressionKind::Hyperbolic:
            if (!Significant(p.X)) return false;
            p.X = 1 / p.X;
            break;
        case RegressionKind::Logarithmic:
            if (!Significant(p.X) || p.X <= 0) return false;
            p.X = std::log(p.X);
            break;
        case RegressionKind::Power:
            if (!Significant(p.X) || p.X <= 0 || !Significant(p.Y) || p.Y <= 0) return false;
            p.X = std::log(p.X);
            p.Y = std::log(p.Y);
            break;
        case RegressionKind::Exponential:
        case RegressionKind::Exponential2:
            if (!Significant(p.Y) || p.Y <= 0) return false;
            p.Y = std::log(p.Y);
            break;
        default: break;
        }
    }
    return true;
}

struct StraightLine {
    long double Slope = 0;
    long double Intercept = 0;
};

bool SolveStraightLine(const RegressionPoints& points, StraightLine& line)
{
    long double n = 0, sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (const RegressionPoint& p : points) {
        if (!IsValidRegressionPoint(p)) continue;
        n += 1;
        sx += p.X;
        sxx += p.X * p.X;
        sy += p.Y;
        sxy += p.X * p.Y;
    }
    const long double d = n * sxx - sx * sx;
    const long double na = n * sxy - sx * sy;
    const long double nb = sxx * sy - sx * sxy;
    if (Significant(d)) {
        line = {na / d, nb / d};
        return true;
    }
    if (!Significant(na) && !Significant(nb)) {
        line = {0, 0};
        return true;
    }
    return false;
}

bool FitStraightLineKind(const RegressionPoints& sorted, RegressionKind kind, RegressionFit& fit)
{
    RegressionPoints points = sorted;
    StraightLine line;
    if (!TransformPoints(kind, points) || !SolveStraightLine(points, line)) return false;
    fit = RegressionFit();
    fit.Kind = kind;
    switch (kind) {
    case RegressionKind::Power:
    case RegressionKind::Exponential:
        fit.A = std::exp(line.Intercept);
        fit.B = line.Slope;
        break;
    case RegressionKind::Exponential2:
        fit.A = std::exp(line.Intercept);
        fit.B = std::exp(line.Slope);
        break;
    default:
        fit.A = line.Slope;
        fit.B = line.Intercept;
        break;
    }
    return true;
}

using Matrix = std::array<std::array<long double, kPolynomCoefficients>, kPolynomCoefficients>;
using Vector = std::array<long double, kPolynomCoefficients>;

// The normal equations M c = r of the polynomial of degree d:
// M[i][j] = S(i + j, 0), r[i] = S(i, 1).
void BuildNormalEquations(const RegressionPoints& points, int d, Matrix& m, Vector& r)
{
    std::array<long double, 2 * kMaxPolynomDegree + 1> powerSums{};
    r = Vector{};
    for (const RegressionPoint& p : points) {
        if (!IsValidRegressionPoint(p)) continue;
        long double power = 1;
        for (int k = 0; k <= 2 * d; ++k) {
            powerSums[static_cast<std::size_t>(k)] += power;
            if (k <= d) r[static_cast<std::size_t>(k)] += power * p.Y;
            power *= p.X;
        }
    }
    for (int i = 0; i <= d; ++i)
        for (int j = 0; j <= d; ++j)
            m[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = powerSums[static_cast<std::size_t>(i + j)];
}

// Gaussian elimination with partial pivoting (the first row of the largest
// magnitude on ties), then back substitution.
bool SolveByElimination(Matrix& m, Vector& r, int d, Vector& c)
{
    for (int k = 0; k < d; ++k) {
        const auto uk = static_cast<std::size_t>(k);
        std::size_t pivot = uk;
        for (std::size_t i = uk + 1; i <= static_cast<std::size_t>(d); ++i)
            if (std::fabs(m[i][uk]) > std::fabs(m[pivot][uk])) pivot = i;
        std::swap(m[uk], m[pivot]);
        std::swap(r[uk], r[pivot]);
        if (!Significant(m[uk][uk])) return false;
        for (std::size_t i = uk + 1; i <= static_cast<std::size_t>(d); ++i) {
            const long double factor = m[i][uk] / m[uk][uk];
            for (std::size_t j = uk; j <= static_cast<std::size_t>(d); ++j) m[i][j] -= factor * m[uk][j];
            r[i] -= factor * r[uk];
        }
    }
    c = Vector{};
    for (int i = d; i >= 0; --i) {
        const auto ui = static_cast<std::size_t>(i);
        if (!Significant(m[ui][ui])) return false;
        long double sum = r[ui];
        for (std::size_t j = ui + 1; j <= static_cast<std::size_t>(d); ++j) sum -= m[ui][j] * c[j];
        c[ui] = sum / m[ui][ui];
    }
    return true;
}

bool FitPolynomial(const RegressionPoints& sorted, int degree, RegressionFit& fit)
{
    int d = std::clamp(degree, 1, kMaxPolynomDegree);
    const int distinct = DistinctValidPoints(sorted);
    if (distinct < d + 1) d = distinct - 1;
    if (d < 1) return false;
    Matrix m;
    Vector r, c;
    BuildNormalEquations(sorted, d, m, r);
    if (!SolveByElimination(m, r, d, c)) return false;
    fit = RegressionFit();
    fit.Kind = RegressionKind::Polynomial;
    fit.Degree = d;
    fit.C = c;
    return true;
}

bool FiniteCoefficients(const RegressionFit& fit)
{
    if (fit.Kind != RegressionKind::Polynomial) return std::isfinite(fit.A) && std::isfinite(fit.B);
    return std::all_of(fit.C.begin(), fit.C.end(), [](long double v) { return std::isfinite(v); });
}

long double RSquaredOfRatio(long double explained, long double total)
{
    if (total == 0) return kRSquaredError;
    const long double ratio = explained / total;
    if (!std::isfinite(ratio)) return kRSquaredError;
    if (ratio > 1) return ratio <= 1 + kRSquaredNoise ? 1 : kRSquaredError;
    return ratio;
}

RegressionResult FittedResult(const RegressionPoints& sorted, const RegressionFit& fit)
{
    RegressionResult result;
    result.Status = RegressionStatus::Fitted;
    result.Fit = fit;
    result.Goodness = ComputeGoodnessOfFit(sorted, fit);
    return result;
}

// The 14 candidates of Best Fit in their order: kinds 1..6, then the
// polynomials of degree 2..9.
RegressionResult BestFit(const RegressionPoints& sorted)
{
    RegressionResult best;
    bool found = false;
    auto consider = [&](RegressionKind kind, int degree) {
        RegressionFit fit;
        if (!FitRegressionModel(sorted, kind, degree, fit)) return;
        RegressionResult candidate = FittedResult(sorted, fit);
        if (!found || candidate.Goodness.RSquared > best.Goodness.RSquared) best = candidate;
        found = true;
    };
    for (RegressionKind kind : kStraightLineKinds) consider(kind, 1);
    for (int degree = kMinPolynomDegree; degree <= kMaxPolynomDegree; ++degree)
        consider(RegressionKind::Polynomial, degree);
    if (!found) best.Status = RegressionStatus::ErrorData;
    return best;
}

}  // namespace

bool IsValidRegressionPoint(const RegressionPoint& p) { return IsDefined(p.X) && IsDefined(p.Y); }

int ValidPointCount(const RegressionPoints& points)
{
    return static_cast<int>(std::count_if(points.begin(), points.end(), IsValidRegressionPoint));
}

RegressionPoints SortedWorkingCopy(const GraphRecord& table)
{
    RegressionPoints points;
    for (int k = 0; k < kTableSlots; ++k) {
        const TablePoint p = table.GetTablePoint(k);
        points[static_cast<std::size_t>(k)] = {p.X.Get(), p.Y.Get()};
    }
    std::stable_sort(points.begin(), points.end(), [](const RegressionPoint& a, const RegressionPoint& b) {
        return SortKey(a.X) < SortKey(b.X);
    });
    return points;
}

int DistinctValidPoints(const RegressionPoints& sorted)
{
    int count = 0;
    const RegressionPoint* previous = nullptr;
    for (const RegressionPoint& p : sorted) {
        if (!IsValidRegressionPoint(p)) continue;
        if (!previous || previous->X != p.X) ++count;
        previous = &p;
    }
    return count;
}

bool FitRegressionModel(const RegressionPoints& sorted, RegressionKind kind, int degree, RegressionFit& fit)
{
    RegressionFit made;
    const bool fitted = kind == RegressionKind::Polynomial ? FitPolynomial(sorted, degree, made)
                                                           : FitStraightLineKind(sorted, kind, made);
    if (!fitted || !FiniteCoefficients(made)) return false;
    fit = made;
    return true;
}

RegressionFit RoundedCoefficients(const RegressionFit& fit)
{
    RegressionFit rounded = fit;
    rounded.A = RoundToDisplay(fit.A);
    rounded.B = RoundToDisplay(fit.B);
    for (long double& c : rounded.C) c = RoundToDisplay(c);
    return rounded;
}

long double RegressionValue(const RegressionFit& fit, long double x)
{
    switch (fit.Kind) {
    case RegressionKind::Linear: return fit.A * x + fit.B;
    case RegressionKind::Hyperbolic: return fit.A / x + fit.B;
    case RegressionKind::Logarithmic: return fit.A * std::log(x) + fit.B;
    case RegressionKind::Power: return fit.A * std::pow(x, fit.B);
    case RegressionKind::Exponential: return fit.A * std::exp(fit.B * x);
    case RegressionKind::Exponential2: return fit.A * std::pow(fit.B, x);
    default: {
        long double value = 0;
        for (int i = std::clamp(fit.Degree, 0, kMaxPolynomDegree); i >= 0; --i)
            value = value * x + fit.C[static_cast<std::size_t>(i)];
        return value;
    }
    }
}

GoodnessOfFit ComputeGoodnessOfFit(const RegressionPoints& sorted, const RegressionFit& fit)
{
    const RegressionFit rounded = RoundedCoefficients(fit);
    const bool logSpace = FitsInLogSpace(fit.Kind);
    auto spaceOf = [logSpace](long double v) { return logSpace ? std::log(v) : v; };

    long double n = 0, squaredResiduals = 0, sumY = 0;
    for (const RegressionPoint& p : sorted) {
        if (!IsValidRegressionPoint(p)) continue;
        const long double residual = p.Y - RegressionValue(rounded, p.X);
        n += 1;
        squaredResiduals += residual * residual;
        sumY += spaceOf(p.Y);
    }
    GoodnessOfFit goodness;
    if (n == 0) {
        goodness.RSquared = kRSquaredError;
        return goodness;
    }
    const long double meanY = sumY / n;
    long double explained = 0, total = 0;
    for (const RegressionPoint& p : sorted) {
        if (!IsValidRegressionPoint(p)) continue;
        const long double f = spaceOf(RegressionValue(rounded, p.X)) - meanY;
        const long double y = spaceOf(p.Y) - meanY;
        explained += f * f;
        total += y * y;
    }
    goodness.Deviation = std::sqrt(squaredResiduals / n);
    goodness.RSquared = RSquaredOfRatio(explained, total);
    return goodness;
}

RegressionResult ComputeRegression(const RegressionPoints& sorted, RegressionKind kind, int degree)
{
    RegressionResult result;
    if (DistinctValidPoints(sorted) < 2) {
        result.Status = RegressionStatus::NotEnoughNumbers;
        return result;
    }
    if (kind == RegressionKind::Best) return BestFit(sorted);
    RegressionFit fit;
    if (!FitRegressionModel(sorted, kind, degree, fit)) return result;
    return FittedResult(sorted, fit);
}

}  // namespace vg
