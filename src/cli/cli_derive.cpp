// vgraph-cli derive [--depth] FORMULA [VARIABLE]: the symbolic derivative of a
// formula, or its size measure. vgraph-cli derive FILE.vgr --graph N: what
// the Derivative window shows for a graph.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_calculus_support.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "engine/check_formula.h"
#include "engine/derivative.h"
#include "tools/derivative_tool.h"

namespace vg {
namespace {

int ReportSyntaxError(EngineError code, std::ostream& err)
{
    PrintCliError(err, "Error " + std::to_string(int(code)) + ": " + EngineMessage(code));
    return kExitSyntaxError;
}

// One line per edit shown ("Y(x)=2*x"); the window's message otherwise: on
// standard error with exit 2 for a formula that is empty or does not
// translate, on standard output with exit 3 where there is no derivative.
int RunDeriveGraph(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string file;
    int number = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--graph") {
            if (i + 1 >= args.size()) return CliUsageError(err, "derive", "--graph needs a value");
            if (!ParseGraphNumber(args[++i], number))
                return CliUsageError(err, "derive", "bad graph number '" + args[i] + "'");
        } else if (file.empty() && a.rfind("--", 0) != 0) {
            file = a;
        } else {
            return CliUsageError(err, "derive", "unexpected argument '" + a + "'");
        }
    }
    if (file.empty()) return CliUsageError(err, "derive", "missing FILE.vgr");
    auto doc = OpenDocumentForCli("derive", file, err);
    if (!doc) return kExitSyntaxError;
    const GraphRecord* graph = ChosenGraph(*doc, file, number, err);
    if (!graph) return kExitUsage;

    const DerivativeView view = DeriveGraph(*graph);
    switch (view.Outcome) {
    case DerivativeOutcome::Shown:
        for (const DerivativeLine& line : DerivativeLines(view)) out << line.Label << line.Text << "\n";
        return kExitOk;
    case DerivativeOutcome::EmptyFormula:
    case DerivativeOutcome::SyntaxError: PrintCliError(err, DerivativeMessage(view)); return kExitSyntaxError;
    default: out << DerivativeMessage(view) << "\n"; return kExitUndefined;
    }
}

}  // namespace

int RunDeriveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (std::find(args.begin(), args.end(), "--graph") != args.end()) return RunDeriveGraph(args, out, err);
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
