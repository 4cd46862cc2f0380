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

constexpr const char* kDeriveUsage = "usage: vgraph-cli derive [--depth] FORMULA [VARIABLE]\n";

int ReportSyntaxError(EngineError code, std::ostream& err)
{
    err << "Error " << int(code) << ": " << EngineMessage(code) << "\n";
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
    if (operands.empty() || operands.size() > 2) {
        err << kDeriveUsage;
        return kExitUsage;
    }
    const std::string& formula = operands[0];
    const std::string variable = operands.size() > 1 ? operands[1] : std::string("X");
    if (variable.empty()) {
        err << "vgraph-cli derive: empty VARIABLE\n" << kDeriveUsage;
        return kExitUsage;
    }
    if (IsBlankFormula(formula)) {
        err << "Empty formula\n";
        return kExitSyntaxError;
    }

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
