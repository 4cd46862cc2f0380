// vgraph-cli table-edit FILE.vgr --graph N COMMAND [ARGS] [-o OUT.vgr]: one
// command of the table grid on a table graph. The graph's points become the
// grid's texts as the graph properties dialog shows them, the command runs
// on the grid, and the texts become the graph's points as the dialog's OK
// stores them; the document is written to OUT.vgr (else back to FILE.vgr).
#include <string>
#include <vector>

#include "app/graph_props_model.h"
#include "app/translator.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "cli/cli_table_support.h"
#include "document/document_file.h"
#include "tables/table_clipboard.h"
#include "tables/table_formula.h"
#include "tables/table_grid.h"
#include "tables/table_search.h"

namespace vg {

namespace {

constexpr const char* kCommand = "table-edit";

struct TableEditArgs {
    std::string file;
    std::string output;
    int graph = 0;
    bool all = false;
    std::vector<std::string> words;  // COMMAND and its arguments
};

bool ParseTableEditArgs(const std::vector<std::string>& args, TableEditArgs& e, std::string& problem)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--graph" || a == "-o") {
            if (i + 1 >= args.size()) {
                problem = a + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (a == "-o") e.output = value;
            else if (!ParseCliWholeNumber(value, e.graph) || e.graph < 1) {
                problem = "bad graph number '" + value + "'";
                return false;
            }
        } else if (a == "--all") {
            e.all = true;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.empty()) problem = "missing FILE.vgr";
    else if (e.graph == 0) problem = "missing --graph N";
    else if (positional.size() < 2) problem = "missing COMMAND";
    if (!problem.empty()) return false;
    e.file = positional[0];
    e.words.assign(positional.begin() + 1, positional.end());
    return true;
}

// The outcome of one command on the grid.
struct EditResult {
    std::string usage;    // a usage problem (exit 64)
    std::string message;  // the program's message (exit 2, or 3 for "Value not found")
    bool notFound = false;
};

bool ReadColumn(const std::string& word, int& column)
{
    if (word == "x" || word == "X") column = 0;
    else if (word == "y" || word == "Y") column = 1;
    else return false;
    return true;
}

EditResult RowCommand(TTableGrid& grid, const std::vector<std::string>& w)
{
    int row = 0;
    if (w.size() != 2 || !ParseCliWholeNumber(w[1], row) || row < 1 || row > kGridRows)
        return {w[0] + " needs ROW from 1 up to 100", "", false};
    grid.SetCurrentCell(row - 1, 0);
    if (w[0] == "delete") grid.DeleteRow();
    else grid.InsertRow();
    return {};
}

EditResult SortCommand(TTableGrid& grid, const std::vector<std::string>& w)
{
    static const std::pair<const char*, TableSortOrder> orders[] = {
        {"x-asc", TableSortOrder::XAscending},
        {"x-desc", TableSortOrder::XDescending},
        {"y-asc", TableSortOrder::YAscending},
        {"y-desc", TableSortOrder::YDescending},
    };
    for (const auto& [word, order] : orders)
        if (w.size() == 2 && w[1] == word) {
            grid.Sort(order);
            return {};
        }
    return {"sort needs x-asc, x-desc, y-asc or y-desc", "", false};
}

EditResult FormulaCommand(TTableGrid& grid, const std::vector<std::string>& w)
{
    TableFormulaRequest request;
    request.Mode = w[0] == "fill" ? TableFormulaMode::Fill : TableFormulaMode::Modify;
    if ((w.size() != 3 && w.size() != 5) || !ReadColumn(w[1], request.Column))
        return {w[0] + " needs x or y, FORMULA and optionally FROM TO", "", false};
    request.Formula = w[2];
    if (w.size() == 5) {
        request.All = false;
        request.From = w[3];
        request.To = w[4];
    }
    if (auto failure = CheckTableFormula(request)) return {"", TableInputFailureText(*failure), false};
    ApplyTableFormula(grid, request);
    return {};
}

EditResult ReplaceCommand(TTableGrid& grid, const std::vector<std::string>& w, bool all)
{
    if (w.size() != 3) return {"replace needs VALUE and WITH (\"\" empties the cells)", "", false};
    TableReplaceRequest request;
    request.Value = w[1];
    request.With = w[2];
    request.Prompt = false;
    request.All = all;
    if (auto failure = CheckReplaceRequest(request)) return {"", TableInputFailureText(*failure), false};
    grid.ClearCurrentCell();
    if (ReplaceValues(grid, request, {}).Matches == 0) return {"", Translate(kValueNotFoundText), true};
    return {};
}

EditResult RunGridCommand(TTableGrid& grid, const std::vector<std::string>& w, bool all)
{
    const std::string& command = w[0];
    if (all && command != "replace") return {"--all belongs to replace", "", false};
    if (command == "delete" || command == "insert") return RowCommand(grid, w);
    if (command == "swap" || command == "purge") {
        if (w.size() != 1) return {command + " takes no arguments", "", false};
        if (command == "swap") grid.Swap();
        else grid.Purge();
        return {};
    }
    if (command == "sort") return SortCommand(grid, w);
    if (command == "fill" || command == "modify") return FormulaCommand(grid, w);
    if (command == "replace") return ReplaceCommand(grid, w, all);
    return {"unknown command '" + command + "'", "", false};
}

}  // namespace

int RunTableEditCommand(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err)
{
    TableEditArgs e;
    std::string problem;
    if (!ParseTableEditArgs(args, e, problem)) return CliUsageError(err, kCommand, problem);
    auto doc = OpenDocumentForCli(kCommand, e.file, err);
    if (!doc) return kExitSyntaxError;
    int status = kExitOk;
    const int index = ChooseCliTableGraph(*doc, e.file, e.graph, err, status);
    if (index < 0) return status;

    TGraphPropsModel model(doc->Graph(index).Record);
    GraphPropsValues values = model.Values();
    TTableGrid grid(values.Cells);
    const EditResult result = RunGridCommand(grid, e.words, e.all);
    if (!result.usage.empty()) return CliUsageError(err, kCommand, result.usage);
    if (!result.message.empty()) {
        PrintCliError(err, result.message);
        return result.notFound ? kExitUndefined : kExitSyntaxError;
    }
    values.Cells = grid.Cells();
    if (auto failure = model.Accept(values)) {
        PrintCliError(err, GraphPropsFailureText(*failure));
        return kExitSyntaxError;
    }
    doc->Graph(index).Record = model.Record();
    const std::string output = e.output.empty() ? e.file : e.output;
    if (!WriteDocument(*doc, output)) {
        PrintCliFileError(err, output, "Input-output error");
        return 1;
    }
    return kExitOk;
}

}  // namespace vg
