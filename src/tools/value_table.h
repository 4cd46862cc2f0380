#pragma once

// The value table: a formula of one variable tabulated over an interval with
// a fixed step; the window's checks, the rows and the saved text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tool_input.h"
#include "tools/tool_scan.h"

namespace vg {

struct TProgramOptions;

// Section ValueTable of the program options.
struct ValueTableSettings {
    Extended Min = -10;
    Extended Max = 10;
    Extended Step = 1;
};

ValueTableSettings ValueTableSettingsFromOptions(const TProgramOptions& options);
void StoreValueTableSettings(const ValueTableSettings& settings, TProgramOptions& options);

struct ValueTableInput {
    std::string VariableName = "x";
    std::string Formula;
    std::string MinText;
    std::string MaxText;
    std::string StepText;
};

ValueTableInput ValueTableInputFrom(const ValueTableSettings& settings, const std::string& formula,
                                    const std::string& variableName = "x");

enum class ValueTableField { VariableName, Formula, Min, Max, Step };

// Most rows a table holds.
inline constexpr int kMaxValueTableRows = 5000;

// Calculate's checks in their order; nullopt when accepted, and accepted then
// holds the bounds and step to store and compute with.
std::optional<InputFailure<ValueTableField>> CheckValueTableInput(const ValueTableInput& input,
                                                                  ValueTableSettings& accepted);

struct ValueTableRow {
    std::string Argument;
    std::string Value;  // the display form, or the translated "Error"
};

class TValueTable {
public:
    // Keeps the formula, sets the header from the variable and computes the
    // rows from the minimum in repeated steps while the argument stays within
    // the maximum. The rows end after (maximum - minimum) / step + 1 of them
    // and when a step no longer increases the argument; Esc ends them early.
    void Compute(const std::string& formula, const std::string& variableName, const ValueTableSettings& settings,
                 ScanProgress& progress = NoScanProgress());

    // " x" and " f(x)" for the variable x.
    const std::string& ArgumentHeader() const { return argumentHeader_; }
    const std::string& ValueHeader() const { return valueHeader_; }
    const std::vector<ValueTableRow>& Rows() const { return rows_; }
    const std::string& Formula() const { return formula_; }
    bool Interrupted() const { return interrupted_; }

    // The saved and copied text, every line ended by eol.
    std::string TableText(std::string_view eol) const;

private:
    std::string formula_;
    std::string argumentHeader_ = " x";
    std::string valueHeader_ = " f(x)";
    std::vector<ValueTableRow> rows_;
    bool interrupted_ = false;
};

}  // namespace vg
