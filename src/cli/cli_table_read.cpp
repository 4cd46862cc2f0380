// vgraph-cli table-read FILE.txt [--rows]: the points Open Table reads from
// a text file, one "X Y" line each with 21 significant digits.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "document/document_options.h"
#include "tables/table_file.h"
#include "tables/table_messages.h"

namespace vg {

namespace {

std::string PointLine(long double x, long double y)
{
    char line[128];
    std::snprintf(line, sizeof line, "%.21Lg %.21Lg\n", x, y);
    return line;
}

}  // namespace

int RunTableReadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string file;
    TableFileOrientation orientation = TableFileOrientation::Columns;
    for (const std::string& a : args) {
        if (a == "--rows") orientation = TableFileOrientation::Rows;
        else if (file.empty() && a.rfind("--", 0) != 0) file = a;
        else return CliUsageError(err, "table-read", "unexpected argument '" + a + "'");
    }
    if (file.empty()) return CliUsageError(err, "table-read", "missing FILE.txt");
    GraphRecord record;
    if (!LoadTableFile(file, orientation, DefaultDocumentOptions(), record)) {
        PrintCliFileError(err, file, kFileReadErrorText);
        return kExitSyntaxError;
    }
    for (int slot = 0; slot < kTableSlots; ++slot) {
        const TablePoint p = record.GetTablePoint(slot);
        if (IsDefined(p.X.Get()) && IsDefined(p.Y.Get())) out << PointLine(p.X.Get(), p.Y.Get());
    }
    return kExitOk;
}

}  // namespace vg
