// vgraph-cli check FILE.vgr: the check run before a document is opened.
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "document/document_file.h"

namespace vg {

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: vgraph-cli check FILE.vgr\n";
        return kExitUsage;
    }
    DocumentFileCheck check = ValidateDocumentFile(args[0]);
    if (!check.Valid) {
        out << DocumentFileMessage(check) << "\n";
        return kExitSyntaxError;
    }
    out << "valid\n";
    return kExitOk;
}

}  // namespace vg
