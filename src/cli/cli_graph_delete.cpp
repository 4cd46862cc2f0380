// vgraph-cli delete FILE.vgr --graph N [-o OUT.vgr]: removes one graph, as
// Delete Graph does.
#include "app/graph_operations.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "cli/cli_graph_support.h"

namespace vg {

int RunDeleteCommand(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err)
{
    GraphFileArgs parsed;
    std::string problem;
    if (!ParseGraphFileArgs(args, {"--graph"}, parsed, problem)) return CliUsageError(err, "delete", problem);
    int number = 0;
    if (!GraphNumberGiven(parsed, "delete", "--graph", number, err)) return kExitUsage;
    auto doc = OpenDocumentForCli("delete", parsed.file, err);
    if (!doc) return kExitSyntaxError;
    if (!GraphExists(parsed, number, doc->GraphCount(), err)) return kExitUsage;
    DeleteGraphFromDocument(*doc, number - 1);
    return WriteGraphFile(*doc, parsed, err);
}

}  // namespace vg
