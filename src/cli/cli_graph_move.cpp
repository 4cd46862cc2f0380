// vgraph-cli move FILE.vgr --from I --to J [-o OUT.vgr]: the graph numbered
// I becomes number J, the others keeping their order, as a drag in the
// graph list window moves it.
#include "app/graph_operations.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "cli/cli_graph_support.h"

namespace vg {

int RunMoveCommand(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err)
{
    GraphFileArgs parsed;
    std::string problem;
    if (!ParseGraphFileArgs(args, {"--from", "--to"}, parsed, problem)) return CliUsageError(err, "move", problem);
    int from = 0, to = 0;
    if (!GraphNumberGiven(parsed, "move", "--from", from, err)) return kExitUsage;
    if (!GraphNumberGiven(parsed, "move", "--to", to, err)) return kExitUsage;
    auto doc = OpenDocumentForCli("move", parsed.file, err);
    if (!doc) return kExitSyntaxError;
    if (!GraphExists(parsed, std::max(from, to), doc->GraphCount(), err)) return kExitUsage;
    // A drop lands just above its target: below the graph's own place the
    // target is one further down.
    const int source = from - 1, position = to - 1;
    if (position != source) MoveGraphInDocument(*doc, source, position > source ? position + 1 : position);
    return WriteGraphFile(*doc, parsed, err);
}

}  // namespace vg
