// vgraph-cli calc FORMULA [--variable V] [--value X]: what the Calculator
// window's result field shows.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "tools/calculator_tool.h"

namespace vg {

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> operands;
    std::string variable = "X", value = "0";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--variable" || a == "--value") {
            if (i + 1 >= args.size()) return CliUsageError(err, "calc", a + " needs a value");
            (a == "--variable" ? variable : value) = args[++i];
        } else {
            operands.push_back(a);
        }
    }
    if (operands.empty()) return CliUsageError(err, "calc", "missing FORMULA");
    if (operands.size() > 1) return CliUsageError(err, "calc", "'" + operands[1] + "' is one argument too many");

    const CalcOutcome outcome = RunCalculator(operands[0], variable, value);
    if (outcome.Failure) {
        PrintCliError(err, InputFailureText(*outcome.Failure));
        return kExitSyntaxError;
    }
    out << outcome.Text << "\n";
    return kExitOk;
}

}  // namespace vg
