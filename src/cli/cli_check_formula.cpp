// vgraph-cli check-formula FORMULA [NAME [NAME2]]: the syntax check of formula fields.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "engine/check_formula.h"

namespace vg {

int RunCheckFormulaCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err)
{
    if (args.empty()) return CliUsageError(err, "check-formula", "missing FORMULA");
    if (args.size() > 3) return CliUsageError(err, "check-formula", "at most two variable names");
    // The verdict goes to standard output, also for a formula with nothing in it.
    if (IsBlankFormula(args[0])) {
        out << kEmptyFormulaText << "\n";
        return kExitSyntaxError;
    }
    const std::string name = args.size() > 1 ? args[1] : std::string("X");
    EngineError code = kEngineOk;
    const bool ok = args.size() > 2 ? CheckFormula2Var(args[0], name, args[2], code)
                                    : CheckFormula(args[0], name, code);
    if (ok) {
        out << "ok\n";
        return kExitOk;
    }
    out << "Error " << int(code) << ": " << EngineMessage(code) << "\n";
    return kExitSyntaxError;
}

}  // namespace vg
