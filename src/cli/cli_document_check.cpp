// vgraph-cli check FILE.vgr: the check run before a document is opened.
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "document/document_file.h"

namespace vg {

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) return CliUsageError(err, "check", "expected one FILE.vgr");
    DocumentFileCheck check = ValidateDocumentFile(args[0]);
    // The verdict on standard output, the reason on standard error.
    if (!check.Valid) {
        out << "invalid\n";
        PrintCliFileError(err, args[0], DocumentFileMessage(check));
        return kExitSyntaxError;
    }
    out << "valid\n";
    return kExitOk;
}

}  // namespace vg
