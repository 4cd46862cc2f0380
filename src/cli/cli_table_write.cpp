// vgraph-cli table-write FILE.vgr [--graph N] [--format mEp|power] [--comma]:
// the bytes Save Table writes for a table graph, on standard output.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "cli/cli_table_support.h"
#include "tables/table_file.h"

namespace vg {

int RunTableWriteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string file;
    int graph = 0;
    TableNumberForm form = TableNumberForm::Scientific;
    bool decimalPoint = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--graph" || a == "--format";
        if (takesValue && i + 1 >= args.size()) return CliUsageError(err, "table-write", a + " needs a value");
        if (a == "--graph") {
            if (!ParseCliWholeNumber(args[++i], graph) || graph < 1)
                return CliUsageError(err, "table-write", "bad graph number '" + args[i] + "'");
        } else if (a == "--format") {
            const std::string& f = args[++i];
            if (f == "mEp") form = TableNumberForm::Scientific;
            else if (f == "power") form = TableNumberForm::Power;
            else return CliUsageError(err, "table-write", "--format is mEp or power");
        } else if (a == "--comma") {
            decimalPoint = false;
        } else if (file.empty() && a.rfind("--", 0) != 0) {
            file = a;
        } else {
            return CliUsageError(err, "table-write", "unexpected argument '" + a + "'");
        }
    }
    if (file.empty()) return CliUsageError(err, "table-write", "missing FILE.vgr");
    auto doc = OpenDocumentForCli("table-write", file, err);
    if (!doc) return kExitSyntaxError;
    int status = kExitOk;
    const int index = ChooseCliTableGraph(*doc, file, graph, err, status);
    if (index < 0) return status;
    out << TableFileText(doc->Graph(index).Record, form, decimalPoint);
    return kExitOk;
}

}  // namespace vg
