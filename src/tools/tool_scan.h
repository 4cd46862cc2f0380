#pragma once

// What the scanning tools (analysis, intersections, value table) share: the
// progress interface, a formula compiled once with its calculator, the walk
// over an interval in equal steps, and the rounding of results to the
// requested decimals.

#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <string_view>

#include "document/compute_progress.h"
#include "engine/calculator.h"
#include "engine/stack_list.h"

namespace vg {

// The graph computation's interface (Esc, hourglass, messages) plus what a
// tool window shows while it computes.
class ScanProgress : public ComputeProgress {
public:
    // The percentage for the window's progress bar; the window repaints here.
    virtual void ShowPercent(int /*percent*/) {}
    // A result row was added.
    virtual void ResultAdded() {}
};

ScanProgress& NoScanProgress();

// A formula compiled once and evaluated many times.
class ScanFormula {
public:
    // Compiles "(" + text + ")" with the variable; false for a blank text or
    // a syntax error (the calculator is then absent).
    bool Compile(std::string_view text, std::string_view variable);
    // Transforms an infix lexeme list (a derivative) into the postfix form.
    bool CompileLexemes(TStackList lexemes);
    bool Ready() const { return calculator_ != nullptr; }

    // The value at x; false when the function has no value there.
    bool Value(Extended x, Extended& y);

private:
    TStackList postfix_;
    std::unique_ptr<TCalculator> calculator_;
};

// Where and how finely a tool scans (the Research settings).
struct ScanInterval {
    Extended MinX = -10;
    Extended MaxX = 10;
    int StepsNum = 200;
    int DigitsNum = 2;
};

// The larger of 0.1 * 10^-digits and 1e-12 * (maxX - minX): how closely a
// root or an extremum is refined.
Extended AnalysisTolerance(int digitsNum, Extended minX, Extended maxX);

// The most halvings a refinement makes: it also ends when the midpoint can
// no longer be told from an end, since the tolerance can lie below the
// spacing of the numbers there.
inline constexpr int kMaxRefineIterations = 200;

// Visits the StepsNum + 1 grid points MinX, MinX + h, ... (h = (MaxX -
// MinX) / StepsNum, repeated addition); inside is false for a point whose
// NearZero lies beyond NearZero(MaxX). After every whole ten per cent the
// percentage is shown and Esc checked; Esc ends the walk. Returns true when
// it was interrupted. Shows the hourglass meanwhile.
using GridVisit = std::function<void(Extended x, bool inside)>;
bool ScanGrid(const ScanInterval& interval, ScanProgress& progress, const GridVisit& visit);

// ScanGrid with the values of f: visit(xp, yp, x, y) for every grid point x
// inside the interval where f has the value y, when the point before it, xp,
// had the value yp (a point outside or without a value starts afresh).
using NeighbourVisit = std::function<void(Extended xp, Extended yp, Extended x, Extended y)>;
bool ScanNeighbours(const ScanInterval& interval, ScanProgress& progress, ScanFormula& f,
                    const NeighbourVisit& visit);

// The result rounding of the tools: RoundHalfAway(v * 10^d) / 10^d, and
// exactly 0 when its display form reads back as 0 (so "-0" never shows).
Extended RoundToDigits(Extended v, int digits);

// The four parameter lines of a result window, translated: "Minimum of X =
// -10", "Maximum of X = 10", "Accuracy (decimal signs) = 2", "Number of
// steps = 200".
std::vector<std::string> ScanParameterLines(const ScanInterval& interval);

}  // namespace vg
