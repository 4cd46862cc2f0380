#include "cli/cli_table_support.h"

#include <charconv>

#include "cli/cli.h"
#include "tables/table_messages.h"

namespace vg {

int ChooseCliTableGraph(const TGraphicsManager& document, const std::string& fileName, int graph,
                        std::ostream& err, int& status)
{
    if (graph > document.GraphCount()) {
        PrintCliFileError(err, fileName, "the document has " + std::to_string(document.GraphCount()) + " graphs");
        status = kExitUsage;
        return -1;
    }
    status = kExitSyntaxError;
    if (graph > 0) {
        if (document.Graph(graph - 1).Record.Kind == GraphKind::Table) return graph - 1;
        PrintCliFileError(err, fileName, "graph " + std::to_string(graph) + " is not a table");
        return -1;
    }
    for (int i = 0; i < document.GraphCount(); ++i)
        if (document.Graph(i).Record.Kind == GraphKind::Table) return i;
    PrintCliFileError(err, fileName, kNoTableText);
    return -1;
}

bool ParseCliWholeNumber(const std::string& text, int& n)
{
    const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
}

}  // namespace vg
