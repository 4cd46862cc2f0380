// vgraph-cli info FILE.vgr: the graph list and the plot interval.
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "engine/number_text.h"

namespace vg {

int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: vgraph-cli info FILE.vgr\n";
        return kExitUsage;
    }
    auto doc = OpenDocumentForCli("info", args[0], err);
    if (!doc) return kExitSyntaxError;
    for (int i = 0; i < doc->GraphCount(); ++i)
        out << (i + 1) << ": " << GraphDescription(doc->Graph(i).Record) << "\n";
    const DocumentOptions& d = doc->Options;
    out << "interval: X " << FormatNumber(d.MinX) << " .. " << FormatNumber(d.MaxX) << "; Y "
        << FormatNumber(d.MinY) << " .. " << FormatNumber(d.MaxY) << "\n";
    return kExitOk;
}

}  // namespace vg
