// vgraph-cli eval FORMULA [NAME=VALUE ...]: compiles and evaluates a formula.
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"

namespace vg {
namespace {

struct Binding {
    std::string name;
    Extended value = 0;
};

int UsageError(std::ostream& err, const std::string& problem) { return CliUsageError(err, "eval", problem); }

// A finite number in the C locale's form ("-2e10", "0.5", "+3"); empty means 0.
bool ParseValue(std::string_view text, Extended& value)
{
    if (text.empty()) {
        value = 0;
        return true;
    }
    if (text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return false;
    Extended v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size()) return false;
    if (!(v == v) || v - v != 0) return false;  // NaN or infinity
    value = v;
    return true;
}

// "NAME=VALUE" or "NAME=" (a missing value is 0); anything else is a stray
// argument.
bool ParseBinding(const std::string& arg, Binding& binding)
{
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    binding.name = arg.substr(0, eq);
    return ParseValue(std::string_view(arg).substr(eq + 1), binding.value);
}

}  // namespace

int RunEvalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> operands;
    bool format = false;
    for (const std::string& a : args) {
        if (a == "--format") {
            format = true;
        } else {
            operands.push_back(a);
        }
    }
    if (operands.empty()) return UsageError(err, "missing FORMULA");
    if (operands.size() > 3) return UsageError(err, "at most two NAME=VALUE arguments");

    std::vector<Binding> bindings;
    for (std::size_t i = 1; i < operands.size(); ++i) {
        Binding b;
        if (!ParseBinding(operands[i], b)) {
            return UsageError(err, "'" + operands[i] + "' is not NAME=VALUE");
        }
        bindings.push_back(b);
    }
    if (bindings.empty()) bindings.push_back(Binding{"X", 0});

    const std::string& formula = operands[0];
    if (IsBlankFormula(formula)) return CliEmptyFormula(err);
    const std::string second = bindings.size() > 1 ? bindings[1].name : std::string();
    TStackList postfix;
    const EngineError syntax = CompileFormula(formula, bindings[0].name, second, postfix);
    if (syntax != kEngineOk) {
        PrintCliError(err, "Error " + std::to_string(int(syntax)) + ": " + EngineMessage(syntax));
        return kExitSyntaxError;
    }
    TCalculator2Var calculator(postfix);
    EngineError code = kEngineOk;
    const Extended y = bindings.size() > 1 ? bindings[1].value : 0;
    const Extended result = calculator.Calculate(postfix, code, bindings[0].value, y);
    if (code != kEngineOk) {
        out << "undefined (code " << int(code) << ")\n";
        return kExitUndefined;
    }
    out << (format ? FormatNumber(result) : CliNumber(result)) << "\n";
    return kExitOk;
}

}  // namespace vg
