#pragma once

// The intersections of two functions of x: sign changes of Y1 - Y2 on a
// uniform grid, each refined by bisection; the parameter dialog's checks and
// the saved and copied texts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/function_analysis.h"
#include "tools/tool_input.h"
#include "tools/tool_scan.h"

namespace vg {

struct TProgramOptions;

// The scan parameters of the intersections, shared with the analysis.
ScanInterval ResearchIntervalFromOptions(const TProgramOptions& options);
void StoreResearchInterval(const ScanInterval& interval, TProgramOptions& options);

struct IntersectionInput {
    std::string Formula1;
    std::string Formula2;
    std::string MinXText;
    std::string MaxXText;
    std::string StepsNumText;
    std::string DigitsNumText;
};

IntersectionInput IntersectionInputFrom(const ScanInterval& interval, const std::string& formula1,
                                        const std::string& formula2);

enum class IntersectionField { Formula1, Formula2, MinX, MaxX, StepsNum, DigitsNum };

// The parameter dialog's checks in their order; nullopt when accepted, and
// accepted then holds the parameters to store.
std::optional<InputFailure<IntersectionField>> CheckIntersectionInput(const IntersectionInput& input,
                                                                      ScanInterval& accepted);

// Bisection of a sign change of d between xp and x: the sign class of d(xp)
// (negative, or not) is kept at the left end; ends within eps. False when d
// has no value at a point it needs.
bool RefineIntersection(ScanFormula& d, Extended xp, Extended x, Extended eps, Extended& root);

struct IntersectionPoint {
    std::string XText;
    std::string YText;
};

// The points found, rounded to the decimals, at most 2000, without repeats.
class TIntersectionResults {
public:
    explicit TIntersectionResults(int digitsNum = 2) : digitsNum_(digitsNum) {}

    // True when the point was added.
    bool AddPoint(Extended x, Extended y);
    const std::vector<IntersectionPoint>& Points() const { return points_; }

    ResultCount Count;

private:
    int digitsNum_;
    std::vector<IntersectionPoint> points_;
};

// "Intersection points: none", "Intersection points: 2 (interrupted)"...
std::string IntersectionLabelText(const ResultCount& count);

class TIntersections {
public:
    TIntersections(std::string formula1, std::string formula2, const ScanInterval& interval);

    void Run(ScanProgress& progress = NoScanProgress());

    const std::string& Formula1() const { return formula1_; }
    const std::string& Formula2() const { return formula2_; }
    const ScanInterval& Interval() const { return interval_; }
    const TIntersectionResults& Results() const { return results_; }

    // The saved text, or the copied one (its formula lines start with a
    // blank); every line ended by eol.
    std::string ResultsText(bool forClipboard, std::string_view eol) const;

private:
    std::string formula1_;
    std::string formula2_;
    ScanInterval interval_;
    TIntersectionResults results_;
};

}  // namespace vg
