#include "tools/function_analysis.h"

#include <algorithm>
#include <cmath>

#include "app/program_options.h"
#include "app/translator.h"
#include "engine/derivative.h"
#include "engine/number_text.h"
#include "tools/tool_text.h"

namespace vg {

namespace {

// A value scan's refined extremum may lie this many times the variation of
// its three grid values beyond the middle one (a parabola gives at most a
// quarter; a peak a fifth of a step wide about 10).
constexpr Extended kMaxOvershoot = 10;
// Relative noise of values that the evaluator rounded to 12 digits.
constexpr Extended kRoundingNoise = 1e-11L;

constexpr const char* kNoCalculationsText = "Not marked on an evaluation neither zeros\rnor extrema of function";
constexpr const char* kTooLongForDerivationText =
    "It is impossible to calculate extrema with\rthe help of analytically obtained derivative\r"
    "as the formula is too long for derivation";
constexpr const char* kNotDifferentiableText =
    "It is impossible to calculate extrema with\rthe help of analytically obtained derivative\r"
    "as the formula contains nondifferentiable function\ror operation";

using Failure = InputFailure<AnalysisField>;

// Why the formula cannot be differentiated (rule 8), or nullptr.
const char* DerivativeRefusal(const std::string& formula)
{
    EngineError code = kEngineOk;
    if (DerivationDepth(formula, "X", code) > kMaxDerivationDepth) return kTooLongForDerivationText;
    std::string text;
    bool notDifferentiable = false;
    GetDerivativeText(formula, "X", code, text, notDifferentiable);
    return notDifferentiable ? kNotDifferentiableText : nullptr;
}

std::string DerivativeLineOf(const std::string& formula)
{
    EngineError code = kEngineOk;
    if (DerivationDepth(formula, "x", code) > kMaxDerivationDepth)
        return Translate("Too large expression for derivation");
    std::string text;
    bool notDifferentiable = false;
    GetDerivativeText(formula, "x", code, text, notDifferentiable);
    if (notDifferentiable) return Translate("The expression contains nondifferentiable function or operation");
    return "Y'(x)=" + text;
}

// The pair (previous, current) brackets a root through which the values fall
// or rise monotonically: the midpoint value lies between them, which rejects
// the sign change across a pole.
bool FallsThroughMidpoint(ScanFormula& f, Extended xp, Extended yp, Extended x, Extended y)
{
    Extended ym = 0;
    if (yp > 0 && y <= 0) return f.Value((x + xp) / 2, ym) && y <= ym && ym < yp;
    if (yp < 0 && y >= 0) return f.Value((x + xp) / 2, ym) && yp < ym && ym <= y;
    return false;
}

// Where LocateExtremum found the extremum, and its value when the search was
// a thousand times less close.
struct LocatedExtremum {
    Extended x = 0;
    Extended y = 0;
    Extended coarseY = 0;
};

// The extremum between a and b to a billionth of the bracket, by comparing
// values a third of the interval apart: close enough that even a cusp
// (ABS(X), SQRT(ABS(X))) lies within a hundredth of the variation of its
// value, and far enough apart that the rounding of values to 12 digits does
// not mislead the search the way neighbouring probes would. False when f has
// no value at a probe.
bool LocateExtremum(ScanFormula& f, bool isMaximum, Extended a, Extended b, LocatedExtremum& found)
{
    const Extended coarseWidth = (b - a) * 1e-6L, fineWidth = (b - a) * 1e-9L;
    const Extended sign = isMaximum ? 1 : -1;
    bool coarseTaken = false;
    for (int i = 0; i < kMaxRefineIterations && b - a > fineWidth; ++i) {
        if (!coarseTaken && b - a <= coarseWidth) {
            if (!f.Value((a + b) / 2, found.coarseY)) return false;
            coarseTaken = true;
        }
        const Extended third = (b - a) / 3;
        const Extended m1 = a + third, m2 = b - third;
        Extended y1 = 0, y2 = 0;
        if (!f.Value(m1, y1) || !f.Value(m2, y2)) return false;
        if (sign * y1 < sign * y2) {
            a = m1;
        } else {
            b = m2;
        }
    }
    found.x = (a + b) / 2;
    if (!f.Value(found.x, found.y)) return false;
    if (!coarseTaken) found.coarseY = found.y;
    return true;
}

std::string CountLabel(const ResultCount& count, const char* notCalculated, const char* none, const char* found)
{
    std::string text;
    switch (count.state) {
    case ResultCount::State::NotCalculated: return Translate(notCalculated);
    case ResultCount::State::Pending: text = Translate(found) + " "; break;
    case ResultCount::State::Counted:
        text = count.count == 0 ? Translate(none) : Translate(found) + " " + std::to_string(count.count);
        break;
    }
    if (count.interrupted) text += " (" + Translate("interrupted") + ")";
    return text;
}

void StartCount(ResultCount& count)
{
    count = {ResultCount::State::Counted, 0, false};
}

}  // namespace

AnalysisSettings AnalysisSettingsFromOptions(const TProgramOptions& options)
{
    AnalysisSettings s;
    s.MinX = options.ResearchMinX;
    s.MaxX = options.ResearchMaxX;
    s.FindZeroes = options.FindZeroes;
    s.FindExtremums = options.FindExtremums;
    s.UseDerivative = options.UseDerivative;
    s.DigitsNum = options.DigitsNum;
    s.StepsNum = options.ResearchStepsNum;
    return s;
}

void StoreAnalysisSettings(const AnalysisSettings& settings, TProgramOptions& options)
{
    options.ResearchMinX = settings.MinX;
    options.ResearchMaxX = settings.MaxX;
    options.FindZeroes = settings.FindZeroes;
    options.FindExtremums = settings.FindExtremums;
    options.UseDerivative = settings.UseDerivative;
    options.DigitsNum = static_cast<std::uint8_t>(settings.DigitsNum);
    options.ResearchStepsNum = settings.StepsNum;
}

AnalysisInput AnalysisInputFrom(const AnalysisSettings& settings, const std::string& formula)
{
    AnalysisInput input;
    input.Formula = formula;
    input.MinXText = FormatNumber(settings.MinX);
    input.MaxXText = FormatNumber(settings.MaxX);
    input.StepsNumText = std::to_string(settings.StepsNum);
    input.DigitsNumText = std::to_string(settings.DigitsNum);
    input.FindZeroes = settings.FindZeroes;
    input.FindExtremums = settings.FindExtremums;
    input.UseDerivative = settings.UseDerivative;
    return input;
}

std::optional<Failure> CheckAnalysisInput(const AnalysisInput& input, AnalysisSettings& accepted)
{
    if (auto refusal = FormulaRefusal(input.Formula, "X")) return FormulaFailure(*refusal, AnalysisField::Formula);
    ScanInterval interval;
    if (auto refusal = CheckScanFields({input.MinXText, input.MaxXText, input.StepsNumText, input.DigitsNumText},
                                       interval)) {
        constexpr AnalysisField fields[] = {AnalysisField::MinX, AnalysisField::MaxX, AnalysisField::StepsNum,
                                            AnalysisField::DigitsNum};
        return ForField(*refusal, fields[static_cast<int>(refusal->FocusField)]);
    }
    if (!input.FindZeroes && !input.FindExtremums)
        return Failure{kNoCalculationsText, {}, AnalysisField::Nulls, kEngineOk, {}};
    if (input.FindExtremums && input.UseDerivative) {
        if (const char* refusal = DerivativeRefusal(input.Formula))
            return Failure{refusal, {}, AnalysisField::UseDerivative, kEngineOk, {}};
    }
    accepted.MinX = interval.MinX;
    accepted.MaxX = interval.MaxX;
    accepted.StepsNum = interval.StepsNum;
    accepted.DigitsNum = interval.DigitsNum;
    accepted.FindZeroes = input.FindZeroes;
    accepted.FindExtremums = input.FindExtremums;
    accepted.UseDerivative = input.UseDerivative;
    return std::nullopt;
}

Extended FindZero(ScanFormula& f, Extended a, Extended b, Extended eps, bool& failed)
{
    failed = true;
    Extended fa = 0, fb = 0;
    if (!f.Value(a, fa) || !f.Value(b, fb)) return 0;
    const bool risesToRight = fa <= 0;
    Extended m = (a + b) / 2;
    for (int i = 0; i < kMaxRefineIterations; ++i) {
        m = (a + b) / 2;
        if (m == a || m == b) break;  // no number lies between the ends
        Extended fm = 0;
        if (!f.Value(m, fm)) return 0;
        const bool rightOfRoot = risesToRight ? fm >= 0 : fm <= 0;
        if (rightOfRoot) {
            b = m;
        } else {
            a = m;
        }
        if (std::fabs(b - a) < eps) break;
    }
    failed = false;
    return m;
}

Extended FindExtremum(ScanFormula& f, Extended a, Extended b, Extended eps, bool& failed)
{
    failed = true;
    Extended fa = 0, fb = 0, fm = 0;
    if (!f.Value(a, fa) || !f.Value(b, fb) || !f.Value((a + b) / 2, fm)) return 0;
    const bool minimum = fa >= fm;
    for (int i = 0; i < kMaxRefineIterations && std::fabs(b - a) > 2 * eps; ++i) {
        const Extended l = (a + b - eps) / 2;
        const Extended r = (a + b + eps) / 2;
        // Where the probes meet an end or each other, the numbers are too
        // coarse for the tolerance and nothing narrows the interval any more.
        if (l <= a || r >= b || l >= r) break;
        Extended fl = 0, fr = 0;
        if (!f.Value(l, fl) || !f.Value(r, fr)) return 0;
        const bool keepRight = minimum ? fr <= fl : fl <= fr;
        if (keepRight) {
            a = l;
        } else {
            b = r;
        }
    }
    const Extended middle = (a + b) / 2;
    Extended value = 0;
    if (!f.Value(middle, value)) return 0;
    failed = false;
    return middle;
}

bool IsGenuineExtremum(ScanFormula& f, bool isMaximum, Extended xp, Extended yp, Extended y,
                       Extended xn, Extended yn)
{
    LocatedExtremum found;
    if (!LocateExtremum(f, isMaximum, xp, xn, found)) return false;
    const Extended xa = found.x;

    // Everything as for a maximum.
    const Extended sign = isMaximum ? 1 : -1;
    const Extended top = sign * y, left = sign * yp, right = sign * yn, peak = sign * found.y;
    const Extended variation = top - std::min(left, right);
    const Extended settled = 0.01L * variation + kRoundingNoise * std::fabs(top);
    if (peak < top - settled) return false;
    if (peak - top > kMaxOvershoot * variation) return false;
    // Next to a pole the value keeps growing as the search closes in, even
    // one as slow as LN(ABS(X)).
    if (std::fabs(peak - sign * found.coarseY) > settled) return false;

    const Extended probes[2] = {(xp + xa) / 2, (xa + xn) / 2};
    const Extended floors[2] = {left, right};
    for (int side = 0; side < 2; ++side) {
        Extended v = 0;
        if (!f.Value(probes[side], v)) return false;
        v *= sign;
        if (v < floors[side] - kRoundingNoise * std::fabs(floors[side])) return false;
        if (v > peak + kRoundingNoise * std::fabs(peak)) return false;
    }
    return true;
}

bool TAnalysisResults::AddZero(Extended x)
{
    if (static_cast<int>(zeros_.size()) >= kMaxResultRows) return false;
    const std::string text = FormatNumber(RoundToDigits(x, digitsNum_));
    if (!zeros_.empty() && zeros_.back() == text) return false;
    zeros_.push_back(text);
    ZerosCount.count = static_cast<int>(zeros_.size());
    return true;
}

bool TAnalysisResults::AddExtremum(bool isMaximum, Extended x, Extended y)
{
    if (static_cast<int>(extrema_.size()) >= kMaxResultRows) return false;
    const Extended rx = RoundToDigits(x, digitsNum_);
    ExtremumRow row{isMaximum, rx, FormatNumber(rx), FormatNumber(RoundToDigits(y, digitsNum_))};
    if (!extrema_.empty() && (extrema_.back().XText == row.XText || extrema_.back().X > rx)) return false;
    extrema_.push_back(std::move(row));
    ExtremaCount.count = static_cast<int>(extrema_.size());
    return true;
}

std::string ZerosLabelText(const ResultCount& count)
{
    return CountLabel(count, "Zeroes of function: not calculated", "Zeroes of function: none",
                      "Zeroes of function:");
}

std::string ExtremaLabelText(const ResultCount& count)
{
    return CountLabel(count, "Extrema: not calculated", "Extrema: none", "Extrema:");
}

TFunctionAnalysis::TFunctionAnalysis(std::string formula, const AnalysisSettings& settings)
    : formula_(std::move(formula)), settings_(settings), results_(settings.DigitsNum)
{
}

std::string TFunctionAnalysis::FormulaLine() const { return "Y(x)=" + formula_; }

void TFunctionAnalysis::Run(ScanProgress& progress)
{
    results_ = TAnalysisResults(settings_.DigitsNum);
    derivativeLine_ = DerivativeLineOf(formula_);
    using State = ResultCount::State;
    results_.ZerosCount.state = settings_.FindZeroes ? State::Pending : State::NotCalculated;
    results_.ExtremaCount.state = settings_.FindExtremums ? State::Pending : State::NotCalculated;
    progress.ShowPercent(0);  // the derivative line and the labels show before the scans
    if (settings_.FindZeroes) ZeroScan(progress);
    if (settings_.FindExtremums) {
        if (settings_.UseDerivative) {
            DerivativeExtremaScan(progress);
        } else {
            ValueExtremaScan(progress);
        }
    }
}

void TFunctionAnalysis::ZeroScan(ScanProgress& progress)
{
    ScanFormula f;
    if (!f.Compile(formula_, "X")) return;
    StartCount(results_.ZerosCount);
    const Extended eps = AnalysisTolerance(settings_.DigitsNum, settings_.MinX, settings_.MaxX);
    results_.ZerosCount.interrupted =
        ScanNeighbours(settings_.Interval(), progress, f, [&](Extended xp, Extended yp, Extended x, Extended y) {
            if (!FallsThroughMidpoint(f, xp, yp, x, y)) return;
            bool failed = false;
            const Extended root = FindZero(f, xp, x, eps, failed);
            if (!failed && results_.AddZero(root)) progress.ResultAdded();
        });
}

void TFunctionAnalysis::ValueExtremaScan(ScanProgress& progress)
{
    ScanFormula f;
    if (!f.Compile(formula_, "X")) return;
    StartCount(results_.ExtremaCount);
    const Extended eps = AnalysisTolerance(settings_.DigitsNum, settings_.MinX, settings_.MaxX);
    results_.ExtremaCount.interrupted =
        ScanNeighbours(settings_.Interval(), progress, f, [&](Extended xp, Extended yp, Extended x, Extended y) {
            const Extended xn = 2 * x - xp;
            Extended yn = 0;
            if (!f.Value(xn, yn) || !((y < yp && y < yn) || (yp < y && yn < y))) return;
            const bool isMaximum = yp < y;
            bool failed = false;
            const Extended xe = FindExtremum(f, xp, xn, eps, failed);
            Extended ye = 0;
            if (!failed && xe <= settings_.MaxX && f.Value(RoundToDisplay(xe), ye) &&
                IsGenuineExtremum(f, isMaximum, xp, yp, y, xn, yn) && results_.AddExtremum(isMaximum, xe, ye)) {
                progress.ResultAdded();
            }
        });
}

void TFunctionAnalysis::DerivativeExtremaScan(ScanProgress& progress)
{
    ScanFormula f, g;
    if (!f.Compile(formula_, "X")) return;
    TStackList lexemes;
    bool notDifferentiable = false;
    EngineError code = kEngineOk;
    GetDerivativeLexemes(formula_, "x", lexemes, notDifferentiable, code);
    if (notDifferentiable || code != kEngineOk || !g.CompileLexemes(std::move(lexemes))) return;
    StartCount(results_.ExtremaCount);
    const Extended eps = AnalysisTolerance(settings_.DigitsNum, settings_.MinX, settings_.MaxX);
    results_.ExtremaCount.interrupted =
        ScanNeighbours(settings_.Interval(), progress, g, [&](Extended xp, Extended gp, Extended x, Extended gx) {
            if (!FallsThroughMidpoint(g, xp, gp, x, gx)) return;
            // The derivative must really leave 0 after a zero on the grid.
            const bool isMaximum = gp > 0;
            Extended gr = 0;
            if (!g.Value(x + eps, gr) || !(gx != 0 || (isMaximum ? gr < 0 : gr > 0))) return;
            bool failed = false;
            const Extended xe = FindZero(g, xp, x, eps, failed);
            Extended ye = 0;
            if (!failed && f.Value(xe, ye) && results_.AddExtremum(isMaximum, xe, ye)) progress.ResultAdded();
        });
}

std::string TFunctionAnalysis::ResultsText(std::string_view eol) const
{
    const std::vector<std::string> parameters = ScanParameterLines(settings_.Interval());
    std::vector<std::string> lines = {Translate("Analysis of function") + " Y(x)=" + formula_};
    lines.insert(lines.end(), parameters.begin(), parameters.end());
    lines.push_back(derivativeLine_);
    lines.emplace_back();
    lines.push_back(ZerosLabelText(results_.ZerosCount));
    if (settings_.FindZeroes) {
        for (const std::string& zero : results_.Zeros()) lines.push_back(zero);
    }
    lines.emplace_back();
    lines.push_back(ExtremaLabelText(results_.ExtremaCount));
    if (settings_.FindExtremums && !results_.Extrema().empty()) {
        lines.push_back(PadRight("", 5) + PadRight("X", 19) + PadRight("Y", 19));
        for (const ExtremumRow& row : results_.Extrema())
            lines.push_back(PadRight(row.IsMaximum ? "max" : "min", 5) + PadRight(row.XText, 19) +
                            PadRight(row.YText, 19));
    }
    return JoinLines(lines, eol);
}

}  // namespace vg
