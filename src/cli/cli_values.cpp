// vgraph-cli values FORMULA [--variable V] [--min A] [--max B] [--step S]:
// a table of values, as the value table window saves it.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_tool_arguments.h"
#include "tools/tool_text.h"
#include "tools/value_table.h"

namespace vg {

int RunValuesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CliToolArguments parsed;
    std::string problem;
    if (!SplitToolArguments(args, {"--variable", "--min", "--max", "--step"}, {}, parsed, problem)) {
        return CliUsageError(err, "values", problem);
    }
    if (parsed.operands.size() != 1) {
        return CliUsageError(err, "values", parsed.operands.empty() ? "missing FORMULA" : "one FORMULA only");
    }
    // The defaults are those of the program options and of the window.
    const ValueTableInput defaults = ValueTableInputFrom(ValueTableSettings{}, parsed.operands[0]);
    ValueTableInput input = defaults;
    input.VariableName = parsed.Value("--variable", defaults.VariableName);
    input.MinText = parsed.Value("--min", defaults.MinText);
    input.MaxText = parsed.Value("--max", defaults.MaxText);
    input.StepText = parsed.Value("--step", defaults.StepText);

    ValueTableSettings settings;
    if (auto refusal = CheckValueTableInput(input, settings)) return ReportRefusedInput(InputFailureText(*refusal), err);
    TValueTable table;
    table.Compute(input.Formula, input.VariableName, settings);
    out << table.TableText(kLf);
    return kExitOk;
}

}  // namespace vg
