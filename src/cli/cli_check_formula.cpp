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
    if (args.empty() || args.size() > 3) {
        err << "usage: vgraph-cli check-formula FORMULA [NAME [NAME2]]\n";
        return kExitUsage;
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
