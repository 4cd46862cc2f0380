#include "cli/cli_tool_arguments.h"

#include <algorithm>

#include "cli/cli.h"

namespace vg {

std::string CliToolArguments::Value(const std::string& option, const std::string& fallback) const
{
    const auto found = values.find(option);
    return found == values.end() ? fallback : found->second;
}

bool SplitToolArguments(const std::vector<std::string>& args, std::initializer_list<const char*> valueOptions,
                        std::initializer_list<const char*> flagOptions, CliToolArguments& out,
                        std::string& problem)
{
    const auto listed = [](std::initializer_list<const char*> names, const std::string& arg) {
        return std::any_of(names.begin(), names.end(), [&](const char* name) { return arg == name; });
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (listed(valueOptions, arg)) {
            if (i + 1 >= args.size()) {
                problem = arg + " needs a value";
                return false;
            }
            out.values[arg] = args[++i];
        } else if (listed(flagOptions, arg)) {
            out.flags.insert(arg);
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            problem = "unknown option " + arg;
            return false;
        } else {
            out.operands.push_back(arg);
        }
    }
    return true;
}

int ReportRefusedInput(const std::string& message, std::ostream& err)
{
    err << "vgraph-cli: " << WithLfLineEnds(message) << "\n";
    return kExitSyntaxError;
}

std::string WithLfLineEnds(std::string text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

}  // namespace vg
