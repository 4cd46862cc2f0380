// vgraph-cli analyse FORMULA [--min A] [--max B] [--steps N] [--digits D]
// [--zeros] [--extrema] [--derivative]: the zeros and extrema of a function,
// as the analysis window saves them.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_tool_arguments.h"
#include "tools/function_analysis.h"
#include "tools/tool_text.h"

namespace vg {

int RunAnalyseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CliToolArguments parsed;
    std::string problem;
    if (!SplitToolArguments(args, {"--min", "--max", "--steps", "--digits"}, {"--zeros", "--extrema", "--derivative"},
                            parsed, problem)) {
        return CliUsageError(err, "analyse", problem);
    }
    if (parsed.operands.size() != 1) {
        return CliUsageError(err, "analyse", parsed.operands.empty() ? "missing FORMULA" : "one FORMULA only");
    }
    // The defaults are those of the program options.
    const AnalysisInput defaults = AnalysisInputFrom(AnalysisSettings{}, parsed.operands[0]);
    AnalysisInput input = defaults;
    input.MinXText = parsed.Value("--min", defaults.MinXText);
    input.MaxXText = parsed.Value("--max", defaults.MaxXText);
    input.StepsNumText = parsed.Value("--steps", defaults.StepsNumText);
    input.DigitsNumText = parsed.Value("--digits", defaults.DigitsNumText);
    const bool chosen = parsed.Flag("--zeros") || parsed.Flag("--extrema");
    input.FindZeroes = !chosen || parsed.Flag("--zeros");
    input.FindExtremums = !chosen || parsed.Flag("--extrema");
    input.UseDerivative = parsed.Flag("--derivative");

    AnalysisSettings settings;
    if (auto refusal = CheckAnalysisInput(input, settings)) return ReportRefusedInput(InputFailureText(*refusal), err);
    TFunctionAnalysis analysis(input.Formula, settings);
    analysis.Run();
    out << analysis.ResultsText(kLf);
    return kExitOk;
}

}  // namespace vg
