// vgraph-cli intersect FORMULA1 FORMULA2 [--min A] [--max B] [--steps N]
// [--digits D]: the intersections of two functions, as the intersections
// window saves them.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_tool_arguments.h"
#include "tools/intersections.h"
#include "tools/tool_text.h"

namespace vg {

int RunIntersectCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CliToolArguments parsed;
    std::string problem;
    if (!SplitToolArguments(args, {"--min", "--max", "--steps", "--digits"}, {}, parsed, problem)) {
        return CliUsageError(err, "intersect", problem);
    }
    if (parsed.operands.size() != 2) {
        return CliUsageError(err, "intersect", "expected FORMULA1 and FORMULA2");
    }
    // The defaults are those of the program options.
    const IntersectionInput defaults = IntersectionInputFrom(ScanInterval{}, parsed.operands[0], parsed.operands[1]);
    IntersectionInput input = defaults;
    input.MinXText = parsed.Value("--min", defaults.MinXText);
    input.MaxXText = parsed.Value("--max", defaults.MaxXText);
    input.StepsNumText = parsed.Value("--steps", defaults.StepsNumText);
    input.DigitsNumText = parsed.Value("--digits", defaults.DigitsNumText);

    ScanInterval interval;
    if (auto refusal = CheckIntersectionInput(input, interval))
        return ReportRefusedInput(InputFailureText(*refusal), err);
    TIntersections intersections(input.Formula1, input.Formula2, interval);
    intersections.Run();
    out << intersections.ResultsText(false, kLf);
    return kExitOk;
}

}  // namespace vg
