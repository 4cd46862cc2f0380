#include "tools/value_table.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/program_options.h"
#include "app/translator.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"
#include "tools/tool_text.h"

namespace vg {

namespace {

constexpr const char* kVariableNameText = "The name of the variable must\rbe a letter of the latin alphabet";
constexpr const char* kMaxVariableText = "Maximum of the variable must be more\rthan minimum of the variable";
constexpr const char* kStepText = "This value must be a positive\rnumber up to %s";
constexpr const char* kTooManyValuesText = "Too many values to calculate";

using Failure = InputFailure<ValueTableField>;

Failure Refused(const char* message, ValueTableField field, std::vector<std::string> arguments = {})
{
    return {message, std::move(arguments), field, kEngineOk, {}};
}

bool IsLatinLetter(const std::string& name)
{
    if (name.size() != 1) return false;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return upper >= 'A' && upper <= 'Z';
}

// (maximum - minimum) / step as the check of the number of values sees it.
Extended StepCount(const ValueTableSettings& s) { return NearZero((s.Max - s.Min) / s.Step); }

}  // namespace

ValueTableSettings ValueTableSettingsFromOptions(const TProgramOptions& options)
{
    return {options.ValueTableMin, options.ValueTableMax, options.ValueTableStep};
}

void StoreValueTableSettings(const ValueTableSettings& settings, TProgramOptions& options)
{
    options.ValueTableMin = settings.Min;
    options.ValueTableMax = settings.Max;
    options.ValueTableStep = settings.Step;
}

ValueTableInput ValueTableInputFrom(const ValueTableSettings& settings, const std::string& formula,
                                    const std::string& variableName)
{
    return {variableName, formula, FormatNumber(settings.Min), FormatNumber(settings.Max),
            FormatNumber(settings.Step)};
}

std::optional<Failure> CheckValueTableInput(const ValueTableInput& input, ValueTableSettings& accepted)
{
    if (!IsLatinLetter(input.VariableName)) return Refused(kVariableNameText, ValueTableField::VariableName);
    if (auto refusal = FormulaRefusal(input.Formula, input.VariableName))
        return FormulaFailure(*refusal, ValueTableField::Formula);
    ValueTableSettings s;
    if (!ReadTypedNumber(input.MinText, s.Min))
        return Refused(kNumberRangeText, ValueTableField::Min, {kLowestTypedText, kHighestTypedText});
    if (!ReadTypedNumber(input.MaxText, s.Max))
        return Refused(kNumberRangeText, ValueTableField::Max, {kLowestTypedText, kHighestTypedText});
    if (!(s.Max > s.Min)) return Refused(kMaxVariableText, ValueTableField::Max);
    if (!ReadTypedNumber(input.StepText, s.Step) || !(s.Step > 0))
        return Refused(kStepText, ValueTableField::Step, {kHighestTypedText});
    if (!(StepCount(s) <= kMaxValueTableRows - 1)) {
        Failure failure = Refused(kTooManyValuesText, ValueTableField::Step);
        failure.Tail = " (>5000)";
        return failure;
    }
    accepted = s;
    return std::nullopt;
}

void TValueTable::Compute(const std::string& formula, const std::string& variableName,
                          const ValueTableSettings& settings, ScanProgress& progress)
{
    formula_ = formula;
    argumentHeader_ = " " + variableName;
    valueHeader_ = " f(" + variableName + ")";
    rows_.clear();
    interrupted_ = false;
    ScanFormula f;
    if (!f.Compile(formula, variableName)) return;

    const Extended count = StepCount(settings);
    const std::size_t maxRows =
        count >= 0 ? static_cast<std::size_t>(std::min<Extended>(std::floor(count), kMaxValueTableRows - 1)) + 1 : 1;
    progress.SetBusyCursor(true);
    Extended x = settings.Min;
    do {
        // A sum of steps that should be 0 shows as 0, not as a tiny remainder.
        if (std::fabs(x / settings.Step) < 1e-10L && x != settings.Min) x = 0;
        Extended y = 0;
        const bool defined = f.Value(NearZero(x), y);
        rows_.push_back({FormatNumber(x), defined ? FormatNumber(NearZero(y)) : Translate("Error")});
        progress.ResultAdded();
        const Extended next = x + settings.Step;
        if (progress.EscapePressed()) {
            interrupted_ = true;
            break;
        }
        if (!(next > x)) break;  // the step lies below the spacing of the numbers at x
        x = next;
    } while (NearZero(x) <= settings.Max && rows_.size() < maxRows);
    progress.SetBusyCursor(false);
}

std::string TValueTable::TableText(std::string_view eol) const
{
    std::vector<std::string> lines = {valueHeader_.substr(1) + "=" + formula_, ""};
    lines.push_back(PadRight(TrimBlanks(argumentHeader_), 19) + PadRight(TrimBlanks(valueHeader_), 19));
    for (const ValueTableRow& row : rows_)
        lines.push_back(PadRight(TrimBlanks(row.Argument), 19) + PadRight(TrimBlanks(row.Value), 19));
    return JoinLines(lines, eol);
}

}  // namespace vg
