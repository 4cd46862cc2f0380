// vgraph-cli derive [--depth] FORMULA [VARIABLE]: the symbolic derivative of a
// formula, or its size measure.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "engine/check_formula.h"
#include "engine/derivative.h"

namespace vg {
namespace {

int ReportSyntaxError(EngineError code, std::ostream& err)
{
    PrintCliError(err, "Error " + std::to_string(int(code)) + ": " + EngineMessage(code));
    return kExitSyntaxError;
}

}  // namespace

int RunDeriveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> operands;
    bool depthOnly = false;
    for (const std::string& a : args) {
        if (a == "--depth") {
            depthOnly = true;
        } else {
            operands.push_back(a);
        }
    }
    if (operands.empty()) return CliUsageError(err, "derive", "missing FORMULA");
    if (operands.size() > 2) return CliUsageError(err, "derive", "'" + operands[2] + "' is one argument too many");
    const std::string& formula = operands[0];
    const std::string variable = operands.size() > 1 ? operands[1] : std::string("X");
    if (variable.empty()) return CliUsageError(err, "derive", "empty VARIABLE");
    if (IsBlankFormula(formula)) return CliEmptyFormula(err);

    EngineError code = kEngineOk;
    const int depth = DerivationDepth(formula, variable, code);
    if (code != kEngineOk) return ReportSyntaxError(code, err);
    if (depthOnly) {
        out << depth << "\n";
        return kExitOk;
    }
    if (depth > kMaxDerivationDepth) {
        out << "Too large expression for derivation\n";
        return kExitUndefined;
    }
    std::string text;
    bool notDifferentiable = false;
    GetDerivativeText(formula, variable, code, text, notDifferentiable);
    if (code != kEngineOk) return ReportSyntaxError(code, err);
    if (notDifferentiable) {
        out << "The expression contains nondifferentiable function or operation\n";
        return kExitUndefined;
    }
    out << text << "\n";
    return kExitOk;
}

}  // namespace vg
