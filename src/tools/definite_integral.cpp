#include "tools/definite_integral.h"

#include <cmath>
#include <memory>

#include "app/translator.h"
#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"
#include "tools/tool_text.h"

namespace vg {

namespace {

std::optional<IntegralFailure> CheckIntegrand(const std::string& formula, IntegralField field)
{
    if (const auto refusal = FormulaRefusal(formula, "X")) return FormulaFailure(*refusal, field);
    return std::nullopt;
}

// S + term by the engine's addition; beyond its 1e500 limit the plain sum
// (the caller decides what a sum that large means).
long double EngineSum(long double s, long double term)
{
    EngineError code = kEngineOk;
    const long double sum = ApplyOperation(lex::Plus, s, term, code);
    return code == kEngineOk ? sum : s + term;
}

int SimpsonWeight(int i, int n)
{
    if (i == 0 || i == n) return 1;
    return (i % 2 == 1) ? 4 : 2;
}

struct Integrand {
    TStackList Postfix;
    std::unique_ptr<TCalculator> Calculator;

    explicit Integrand(const std::string& formula)
    {
        if (CompileFormula(formula, "X", "", Postfix) == kEngineOk)
            Calculator = std::make_unique<TCalculator>(Postfix);
    }
    bool Value(long double x, long double& y)
    {
        if (!Calculator) return false;
        EngineError code = kEngineOk;
        y = Calculator->Calculate(Postfix, code, x);
        return code == kEngineOk;
    }
};

}  // namespace

std::optional<IntegralFailure> CheckIntegralInput(const IntegralInput& input, IntegralTask& task)
{
    if (auto f = CheckIntegrand(input.Formula1, IntegralField::Formula1)) return f;
    if (auto f = CheckIntegrand(input.Formula2, IntegralField::Formula2)) return f;
    // Both bounds are read again as stored texts for the order and the sum.
    long double minX = 0, maxX = 0;
    if (!ReadTypedNumber(input.MinX, minX))
        return RangeFailure(kNumberRangeText, kLowestTypedText, kHighestTypedText, IntegralField::MinX);
    if (!ReadTypedNumber(input.MaxX, maxX))
        return RangeFailure(kNumberRangeText, kLowestTypedText, kHighestTypedText, IntegralField::MaxX);
    if (!(maxX > minX)) return IntegralFailure{kMaxXText, {}, IntegralField::MaxX, kEngineOk, {}};
    long steps = 0;
    if (!ReadIntegerInRange(input.StepsNum, kMinIntegralSteps, kMaxIntegralSteps, steps))
        return RangeFailure(kIntegerRangeText, std::to_string(kMinIntegralSteps), std::to_string(kMaxIntegralSteps),
                            IntegralField::StepsNum);
    task.Formula1 = input.Formula1;
    task.Formula2 = input.Formula2;
    task.MinX = minX;
    task.MaxX = maxX;
    task.StepsNum = static_cast<int>(steps);
    task.AbsIntegrate = input.AbsIntegrate;
    return std::nullopt;
}

IntegralResult ComputeIntegral(const IntegralTask& task, const std::function<bool()>& escapePressed)
{
    IntegralResult result;
    Integrand first(task.Formula1), second(task.Formula2);
    const int n = 2 * task.StepsNum;
    const long double a = task.MinX;
    const long double h = (task.MaxX - a) / n;
    const long double third = 1.0L / 3;
    long double sum = 0, above = 0, below = 0;
    for (int i = 0; i <= n; ++i) {
        const long double x = i * h + a;
        long double y1 = 0, y2 = 0;
        if (!first.Value(x, y1) || !second.Value(x, y2)) {
            result.Status = IntegralStatus::EvaluationError;
            return result;
        }
        const int weight = SimpsonWeight(i, n);
        const long double difference = y1 - y2;
        const long double d = task.AbsIntegrate ? std::fabs(y2 - y1) : difference;
        sum = EngineSum(sum, d * weight * h * third);
        const long double part = difference * weight * h * third;
        if (difference > 0) above = EngineSum(above, part);
        if (difference < 0) below = EngineSum(below, part);
        if (sum > kMaxIntegral) {
            result.Status = IntegralStatus::TooLarge;
            return result;
        }
        if (escapePressed && escapePressed()) {
            result.Status = IntegralStatus::Interrupted;
            return result;
        }
    }
    result.Value = sum;
    result.Above = above;
    result.Below = below;
    return result;
}

std::string IntegralResultText(const IntegralResult& result)
{
    switch (result.Status) {
    case IntegralStatus::Interrupted: return Translate("Calculation interrupted");
    case IntegralStatus::EvaluationError: return Translate("Error at function evaluation");
    case IntegralStatus::TooLarge: return Translate("Too large value of the integral");
    case IntegralStatus::Computed: break;
    }
    return FormatNumber(result.Value);
}

std::string IntegralAboveText(const IntegralResult& result)
{
    if (result.Status != IntegralStatus::Computed) return {};
    return TranslateFormat("Above: %s", {FormatNumber(result.Above)});
}

std::string IntegralBelowText(const IntegralResult& result)
{
    if (result.Status != IntegralStatus::Computed) return {};
    return TranslateFormat("Below: %s", {FormatNumber(result.Below)});
}

std::optional<IntegralFailure> IntegralRegionFormula(const IntegralTask& task, std::string& formula)
{
    std::string text =
        "((" + TrimBlanks(task.Formula1) + ")-y)*((" + TrimBlanks(task.Formula2) + ")-y)";
    if (text.size() > kMaxRegionFormulaLength)
        return IntegralFailure{"Too long formulas", {}, IntegralField::Formula1, kEngineOk, {}};
    formula = std::move(text);
    return std::nullopt;
}

GraphRecord IntegralRegionRecord(const std::string& formula, const IntegralTask& task, const DocumentOptions& options)
{
    GraphRecord record = NewGraphRecord(options);
    ApplyKindDefaults(record, GraphKind::Equation, options);
    record.SetStyle(options.DefaultStyle);
    record.Formula.Assign(formula);
    record.Equation.Relation = EquationRelation::Less;
    EquationParams& params = record.Equation.Params;
    params.CommonInterval = 0;
    params.MinX = task.MinX;
    params.MaxX = task.MaxX;
    params.MinY = -kTypedNumberLimit;
    params.MaxY = kTypedNumberLimit;
    return record;
}

}  // namespace vg
