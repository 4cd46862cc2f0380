#include "tools/tool_scan.h"

#include <algorithm>
#include <cmath>

#include "app/translator.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"
#include "engine/transformator.h"

namespace vg {

ScanProgress& NoScanProgress()
{
    static ScanProgress none;
    return none;
}

bool ScanFormula::Compile(std::string_view text, std::string_view variable)
{
    calculator_.reset();
    postfix_.Clear();
    if (IsBlankFormula(text)) return false;
    if (CompileFormula(text, variable, "", postfix_) != kEngineOk) return false;
    calculator_ = std::make_unique<TCalculator>(postfix_);
    return true;
}

bool ScanFormula::CompileLexemes(TStackList lexemes)
{
    calculator_.reset();
    postfix_.Clear();
    if (lexemes.Empty()) return false;
    EngineError code = kEngineOk;
    postfix_ = TExpTransformator().Transform(std::move(lexemes), code);
    if (code != kEngineOk) return false;
    calculator_ = std::make_unique<TCalculator>(postfix_);
    return true;
}

bool ScanFormula::Value(Extended x, Extended& y)
{
    if (!calculator_) return false;
    EngineError code = kEngineOk;
    const Extended v = calculator_->Calculate(postfix_, code, x);
    if (code != kEngineOk) return false;
    y = v;
    return true;
}

Extended AnalysisTolerance(int digitsNum, Extended minX, Extended maxX)
{
    return std::max(Extended(0.1L) * PowerOf10(-digitsNum), Extended(1e-12L) * (maxX - minX));
}

bool ScanGrid(const ScanInterval& interval, ScanProgress& progress, const GridVisit& visit)
{
    const int steps = interval.StepsNum;
    const Extended h = (interval.MaxX - interval.MinX) / steps;
    const Extended lastInside = NearZero(interval.MaxX);
    Extended x = interval.MinX;
    int lastShown = 0;
    bool interrupted = false;
    progress.SetBusyCursor(true);
    for (int i = 1; i <= steps + 1; ++i) {
        visit(x, NearZero(x) <= lastInside);
        x += h;
        const int percent = static_cast<int>(std::lround(static_cast<double>(i) / (steps + 1) * 100));
        if (percent / 10 > lastShown / 10) {
            lastShown = percent;
            progress.ShowPercent(percent);
            if (progress.EscapePressed()) {
                interrupted = true;
                break;
            }
        }
    }
    progress.SetBusyCursor(false);
    return interrupted;
}

bool ScanNeighbours(const ScanInterval& interval, ScanProgress& progress, ScanFormula& f,
                    const NeighbourVisit& visit)
{
    bool havePrevious = false;
    Extended xp = 0, yp = 0;
    return ScanGrid(interval, progress, [&](Extended x, bool inside) {
        Extended y = 0;
        if (!inside || !f.Value(x, y)) {
            havePrevious = false;
            return;
        }
        if (havePrevious) visit(xp, yp, x, y);
        xp = x;
        yp = y;
        havePrevious = true;
    });
}

Extended RoundToDigits(Extended v, int digits)
{
    const Extended scale = PowerOf10(digits);
    const Extended rounded = RoundHalfAway(v * scale) / scale;
    if (ParseNumberText(FormatNumber(rounded)) == 0) return 0;
    return rounded;
}

std::vector<std::string> ScanParameterLines(const ScanInterval& interval)
{
    return {Translate("Minimum of X") + " = " + FormatNumber(interval.MinX),
            Translate("Maximum of X") + " = " + FormatNumber(interval.MaxX),
            Translate("Accuracy (decimal signs)") + " = " + std::to_string(interval.DigitsNum),
            Translate("Number of steps") + " = " + std::to_string(interval.StepsNum)};
}

}  // namespace vg
