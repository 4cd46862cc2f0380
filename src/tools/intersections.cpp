#include "tools/intersections.h"

#include <cmath>

#include "app/program_options.h"
#include "app/translator.h"
#include "engine/number_text.h"
#include "tools/tool_text.h"

namespace vg {

namespace {

// Values beyond this are no point of a picture.
constexpr Extended kLargestIntersectionY = 1e1000L;

bool IsNegative(Extended v) { return v < 0; }

}  // namespace

ScanInterval ResearchIntervalFromOptions(const TProgramOptions& options)
{
    return {options.ResearchMinX, options.ResearchMaxX, options.ResearchStepsNum, options.DigitsNum};
}

void StoreResearchInterval(const ScanInterval& interval, TProgramOptions& options)
{
    options.ResearchMinX = interval.MinX;
    options.ResearchMaxX = interval.MaxX;
    options.ResearchStepsNum = interval.StepsNum;
    options.DigitsNum = static_cast<std::uint8_t>(interval.DigitsNum);
}

IntersectionInput IntersectionInputFrom(const ScanInterval& interval, const std::string& formula1,
                                        const std::string& formula2)
{
    return {formula1,
            formula2,
            FormatNumber(interval.MinX),
            FormatNumber(interval.MaxX),
            std::to_string(interval.StepsNum),
            std::to_string(interval.DigitsNum)};
}

std::optional<InputFailure<IntersectionField>> CheckIntersectionInput(const IntersectionInput& input,
                                                                      ScanInterval& accepted)
{
    if (auto refusal = FormulaRefusal(input.Formula1, "X"))
        return FormulaFailure(*refusal, IntersectionField::Formula1);
    if (auto refusal = FormulaRefusal(input.Formula2, "X"))
        return FormulaFailure(*refusal, IntersectionField::Formula2);
    if (auto refusal = CheckScanFields({input.MinXText, input.MaxXText, input.StepsNumText, input.DigitsNumText},
                                       accepted)) {
        constexpr IntersectionField fields[] = {IntersectionField::MinX, IntersectionField::MaxX,
                                                IntersectionField::StepsNum, IntersectionField::DigitsNum};
        return ForField(*refusal, fields[static_cast<int>(refusal->FocusField)]);
    }
    return std::nullopt;
}

bool RefineIntersection(ScanFormula& d, Extended xp, Extended x, Extended eps, Extended& root)
{
    Extended dp = 0, dx = 0;
    if (!d.Value(xp, dp) || !d.Value(x, dx)) return false;
    const bool leftNegative = IsNegative(dp);
    Extended p = xp, q = x, m = (p + q) / 2;
    for (int i = 0; i < kMaxRefineIterations; ++i) {
        m = (p + q) / 2;
        if (m == p || m == q) break;  // no number lies between the ends
        Extended dm = 0;
        if (!d.Value(m, dm)) return false;
        if (IsNegative(dm) == leftNegative) {
            p = m;
        } else {
            q = m;
        }
        if (std::fabs(q - p) <= eps) break;
    }
    root = m;
    return true;
}

bool TIntersectionResults::AddPoint(Extended x, Extended y)
{
    if (static_cast<int>(points_.size()) >= kMaxResultRows) return false;
    IntersectionPoint point{FormatNumber(RoundToDigits(x, digitsNum_)), FormatNumber(RoundToDigits(y, digitsNum_))};
    if (!points_.empty() && points_.back().XText == point.XText) return false;
    points_.push_back(std::move(point));
    Count.count = static_cast<int>(points_.size());
    return true;
}

std::string IntersectionLabelText(const ResultCount& count)
{
    std::string text;
    if (count.state == ResultCount::State::Counted && count.count == 0) {
        text = Translate("Intersection points: none");
    } else {
        text = Translate("Intersection points:") + " ";
        if (count.state == ResultCount::State::Counted) text += std::to_string(count.count);
    }
    if (count.interrupted) text += " (" + Translate("interrupted") + ")";
    return text;
}

TIntersections::TIntersections(std::string formula1, std::string formula2, const ScanInterval& interval)
    : formula1_(std::move(formula1)), formula2_(std::move(formula2)), interval_(interval),
      results_(interval.DigitsNum)
{
    results_.Count.state = ResultCount::State::Pending;
}

void TIntersections::Run(ScanProgress& progress)
{
    results_ = TIntersectionResults(interval_.DigitsNum);
    results_.Count.state = ResultCount::State::Pending;
    ScanFormula y1, difference;
    if (!y1.Compile(formula1_, "X") || !difference.Compile("(" + formula1_ + ")-(" + formula2_ + ")", "X")) return;
    results_.Count = {ResultCount::State::Counted, 0, false};
    progress.ShowPercent(0);
    const Extended eps = AnalysisTolerance(interval_.DigitsNum, interval_.MinX, interval_.MaxX);
    results_.Count.interrupted =
        ScanNeighbours(interval_, progress, difference, [&](Extended xp, Extended dp, Extended x, Extended d) {
            Extended dm = 0;
            const bool falls = dp > 0 && d <= 0 && difference.Value((x + xp) * 0.5L, dm) && d <= dm && dm < dp;
            const bool rises = dp < 0 && d >= 0 && difference.Value((x + xp) * 0.5L, dm) && dp < dm && dm <= d;
            Extended root = 0, y = 0;
            if ((falls || rises) && RefineIntersection(difference, xp, x, eps, root) && y1.Value(root, y) &&
                std::fabs(y) <= kLargestIntersectionY && results_.AddPoint(root, y)) {
                progress.ResultAdded();
            }
        });
}

std::string TIntersections::ResultsText(bool forClipboard, std::string_view eol) const
{
    const std::string lead = forClipboard ? " " : "";
    std::vector<std::string> lines = {Translate("Intersections"), lead + "Y1(x)=" + formula1_,
                                      lead + "Y2(x)=" + formula2_};
    const std::vector<std::string> parameters = ScanParameterLines(interval_);
    lines.insert(lines.end(), parameters.begin(), parameters.end());
    lines.emplace_back();
    lines.push_back(IntersectionLabelText(results_.Count));
    if (!results_.Points().empty()) {
        lines.push_back(PadRight("X", 19) + PadRight("Y", 19));
        for (const IntersectionPoint& point : results_.Points())
            lines.push_back(PadRight(point.XText, 19) + PadRight(point.YText, 19));
    }
    return JoinLines(lines, eol);
}

}  // namespace vg
