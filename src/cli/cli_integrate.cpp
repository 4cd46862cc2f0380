// vgraph-cli integrate FORMULA1 [FORMULA2] [--min A] [--max B] [--steps N]
// [--abs] [--parts]: the Definite Integral window's result, with the
// program options' defaults for the fields not given.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "tools/definite_integral.h"

namespace vg {

int RunIntegrateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    IntegralInput input{.MinX = "-10", .MaxX = "10", .StepsNum = "200"};
    bool parts = false;
    std::vector<std::string> formulas;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--min" || a == "--max" || a == "--steps") {
            if (i + 1 >= args.size()) return CliUsageError(err, "integrate", a + " needs a value");
            std::string& field = a == "--min" ? input.MinX : (a == "--max" ? input.MaxX : input.StepsNum);
            field = args[++i];
        } else if (a == "--abs") {
            input.AbsIntegrate = true;
        } else if (a == "--parts") {
            parts = true;
        } else {
            formulas.push_back(a);
        }
    }
    if (formulas.empty()) return CliUsageError(err, "integrate", "missing FORMULA1");
    if (formulas.size() > 2)
        return CliUsageError(err, "integrate", "'" + formulas[2] + "' is one argument too many");
    input.Formula1 = formulas[0];
    if (formulas.size() > 1) input.Formula2 = formulas[1];

    IntegralTask task;
    if (const auto failure = CheckIntegralInput(input, task)) {
        PrintCliError(err, InputFailureText(*failure));
        return kExitSyntaxError;
    }
    const IntegralResult result = ComputeIntegral(task);
    out << IntegralResultText(result) << "\n";
    if (result.Status != IntegralStatus::Computed) return kExitUndefined;
    if (parts) out << IntegralAboveText(result) << "\n" << IntegralBelowText(result) << "\n";
    return kExitOk;
}

}  // namespace vg
