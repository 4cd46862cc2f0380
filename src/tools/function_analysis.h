#pragma once

// The analysis of a function y = f(x): its zeros and extrema on an interval,
// found by scanning in equal steps and refining every bracketed root or
// extremum to the requested decimals; the options dialog's checks and the
// results text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tool_input.h"
#include "tools/tool_scan.h"

namespace vg {

struct TProgramOptions;

// The analysis settings (section Research of the program options).
struct AnalysisSettings {
    Extended MinX = -10;
    Extended MaxX = 10;
    bool FindZeroes = true;
    bool FindExtremums = true;
    bool UseDerivative = false;
    int DigitsNum = 2;
    int StepsNum = 200;

    ScanInterval Interval() const { return {MinX, MaxX, StepsNum, DigitsNum}; }
};

AnalysisSettings AnalysisSettingsFromOptions(const TProgramOptions& options);
void StoreAnalysisSettings(const AnalysisSettings& settings, TProgramOptions& options);

// The options dialog's fields as typed.
struct AnalysisInput {
    std::string Formula;
    std::string MinXText;
    std::string MaxXText;
    std::string StepsNumText;
    std::string DigitsNumText;
    bool FindZeroes = true;
    bool FindExtremums = true;
    bool UseDerivative = false;
};

// The fields as the dialog shows the settings: bounds in the display form,
// the integers in decimal.
AnalysisInput AnalysisInputFrom(const AnalysisSettings& settings, const std::string& formula);

enum class AnalysisField { Formula, MinX, MaxX, StepsNum, DigitsNum, Nulls, UseDerivative };

// The dialog's checks in their order; nullopt when everything is accepted,
// and accepted then holds the settings to store.
std::optional<InputFailure<AnalysisField>> CheckAnalysisInput(const AnalysisInput& input,
                                                              AnalysisSettings& accepted);

// Bisection root of a sign change of f between a (left) and b (right),
// refined until the ends lie closer than eps; failed when f has no value at
// an end or a midpoint.
Extended FindZero(ScanFormula& f, Extended a, Extended b, Extended eps, bool& failed);

// Dichotomy for the minimum (f(a) >= f(middle)) or else the maximum of f
// between a and b, until the ends lie within 2 eps; the result is the middle
// of the last interval. failed when f has no value at a point it needs.
Extended FindExtremum(ScanFormula& f, Extended a, Extended b, Extended eps, bool& failed);

// The value scan's check that a bracketed extremum is one: a pole between
// grid points looks like one (the last point before the pole of TAN(X) lies
// above both neighbours). An extremum of a function that is smooth at the
// scale of the step passes: f is unimodal between the outer grid points, so
// points between them and the accurate extremum never fall below the outer
// values nor rise beyond the extremum, and the extremum does not lie far
// beyond the middle grid value compared with the variation of the three.
bool IsGenuineExtremum(ScanFormula& f, bool isMaximum, Extended xp, Extended yp, Extended y,
                       Extended xn, Extended yn);

inline constexpr int kMaxResultRows = 2000;

// What a count label says.
struct ResultCount {
    enum class State { NotCalculated, Pending, Counted };
    State state = State::NotCalculated;
    int count = 0;
    bool interrupted = false;
};

struct ExtremumRow {
    bool IsMaximum = false;
    Extended X = 0;  // rounded to the decimals
    std::string XText;
    std::string YText;
};

// The two result lists of an analysis, rounded to the requested decimals.
class TAnalysisResults {
public:
    explicit TAnalysisResults(int digitsNum = 2) : digitsNum_(digitsNum) {}

    // Rounds x and appends it unless it repeats the last zero or 2000 are
    // listed. True when a row was added.
    bool AddZero(Extended x);
    // Rounds both and appends the row unless the last row's x is the same
    // text or greater (rows stay in increasing x), or 2000 are listed.
    bool AddExtremum(bool isMaximum, Extended x, Extended y);

    const std::vector<std::string>& Zeros() const { return zeros_; }
    const std::vector<ExtremumRow>& Extrema() const { return extrema_; }

    ResultCount ZerosCount;
    ResultCount ExtremaCount;

private:
    int digitsNum_;
    std::vector<std::string> zeros_;
    std::vector<ExtremumRow> extrema_;
};

// The count labels, translated: "Zeroes of function: none", "Extrema: 3
// (interrupted)"...
std::string ZerosLabelText(const ResultCount& count);
std::string ExtremaLabelText(const ResultCount& count);

// One analysis of a formula with fixed settings.
class TFunctionAnalysis {
public:
    TFunctionAnalysis(std::string formula, const AnalysisSettings& settings);

    // The derivative line, the labels and the requested scans. Esc ends the
    // scan that runs; the results found so far stay.
    void Run(ScanProgress& progress = NoScanProgress());

    const std::string& Formula() const { return formula_; }
    const AnalysisSettings& Settings() const { return settings_; }
    const TAnalysisResults& Results() const { return results_; }

    // "Y(x)=" + formula.
    std::string FormulaLine() const;
    // "Y'(x)=" + the derivative with a lower-case x, or why there is none
    // (translated); empty before Run.
    const std::string& DerivativeLine() const { return derivativeLine_; }

    // The saved and copied text, every line ended by eol.
    std::string ResultsText(std::string_view eol) const;

private:
    void ZeroScan(ScanProgress& progress);
    void ValueExtremaScan(ScanProgress& progress);
    void DerivativeExtremaScan(ScanProgress& progress);

    std::string formula_;
    AnalysisSettings settings_;
    TAnalysisResults results_;
    std::string derivativeLine_;
};

}  // namespace vg
