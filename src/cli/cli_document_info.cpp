// vgraph-cli info FILE.vgr: the graph list and the plot interval.
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"

namespace vg {

int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) return CliUsageError(err, "info", "expected one FILE.vgr");
    auto doc = OpenDocumentForCli("info", args[0], err);
    if (!doc) return kExitSyntaxError;
    for (int i = 0; i < doc->GraphCount(); ++i)
        out << (i + 1) << ": " << GraphDescription(doc->Graph(i).Record) << "\n";
    const DocumentOptions& d = doc->Options;
    out << "interval: X " << CliNumber(d.MinX) << " .. " << CliNumber(d.MaxX) << "; Y "
        << CliNumber(d.MinY) << " .. " << CliNumber(d.MaxY) << "\n";
    return kExitOk;
}

}  // namespace vg
