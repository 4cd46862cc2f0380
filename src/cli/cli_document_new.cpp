// vgraph-cli new FILE.vgr [--add KIND FORMULA [--relation =0|<0|>0]]...
// [--add-table-file TABLE.txt [--rows]]...: writes a document with the
// default options and graphs built from the default graph record of each
// kind, each graph in a colour of its own; a table file is read as Open
// Table reads it.
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "document/document_file.h"
#include "document/graph_model.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"
#include "tables/table_file.h"
#include "tables/table_messages.h"

namespace vg {
namespace {

struct KindName {
    const char* name;
    GraphKind kind;
};
constexpr KindName kKindNames[] = {
    {"YFromX", GraphKind::YFromX}, {"XFromY", GraphKind::XFromY},     {"Polar", GraphKind::Polar},
    {"Param", GraphKind::Param},   {"Equation", GraphKind::Equation}, {"DifField", GraphKind::DifField},
    {"Table", GraphKind::Table},
};

bool KindFromName(const std::string& name, GraphKind& kind)
{
    for (const KindName& k : kKindNames)
        if (name == k.name) {
            kind = k.kind;
            return true;
        }
    return false;
}

bool RelationFromText(const std::string& text, EquationRelation& relation)
{
    if (text == "=0") relation = EquationRelation::Zero;
    else if (text == "<0") relation = EquationRelation::Less;
    else if (text == ">0") relation = EquationRelation::Greater;
    else return false;
    return true;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// Puts the formula text into the record; an error text when it is refused.
std::string FillFormula(GraphRecord& r, const std::string& formula)
{
    EngineError error = kEngineOk;
    auto check1 = [&](const std::string& text, const char* var) {
        if (IsBlankFormula(text)) return std::string(kEmptyFormulaText);
        if (text.size() > kMaxFormulaLength) return std::string("formula longer than 255 characters");
        return CheckFormula(text, var, error) ? std::string() : std::string(EngineMessage(error));
    };
    switch (r.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar: {
        const char* var = r.Kind == GraphKind::YFromX ? "X" : r.Kind == GraphKind::XFromY ? "Y" : "A";
        std::string problem = check1(formula, var);
        r.Formula.Assign(formula);
        return problem;
    }
    case GraphKind::Param: {
        std::vector<std::string> parts = Split(formula, ';');
        if (parts.size() != 2) return "a parametric graph needs \"X(t);Y(t)\"";
        std::string problem = check1(parts[0], "T");
        if (problem.empty()) problem = check1(parts[1], "T");
        r.Formula.Assign(parts[0]);
        r.Param.Formula2.Assign(parts[1]);
        return problem;
    }
    case GraphKind::Equation:
    case GraphKind::DifField:
        if (IsBlankFormula(formula)) return kEmptyFormulaText;
        if (formula.size() > kMaxFormulaLength) return "formula longer than 255 characters";
        r.Formula.Assign(formula);
        return CheckFormula2Var(formula, "X", "Y", error) ? std::string() : std::string(EngineMessage(error));
    default: break;
    }
    return "";
}

std::string FillTable(GraphRecord& r, const std::string& points)
{
    if (points.find_first_not_of(' ') == std::string::npos) return "";
    std::vector<std::string> pairs = Split(points, ';');
    if (pairs.size() > static_cast<std::size_t>(kTableSlots)) return "a table holds at most 100 points";
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        std::vector<std::string> xy = Split(pairs[k], ',');
        bool failedX = true, failedY = true;
        long double x = 0, y = 0;
        if (xy.size() == 2) {
            x = ParseCellNumber(xy[0], failedX);
            y = ParseCellNumber(xy[1], failedY);
        }
        if (failedX || failedY) return "bad table point '" + pairs[k] + "'";
        r.SetTablePoint(static_cast<int>(k), x, y);
    }
    return "";
}

}  // namespace

int RunNewCommand(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err)
{
    const DocumentOptions options = DefaultDocumentOptions();
    TGraphicsManager doc(DefaultViewSettings(), options);
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--add" && i + 2 < args.size()) {
            GraphKind kind;
            if (!KindFromName(args[i + 1], kind)) return CliUsageError(err, "new", "unknown kind '" + args[i + 1] + "'");
            if (doc.GraphCount() >= kMaxGraphs) {
                PrintCliError(err, "Amount of the graphs cannot exceed " + std::to_string(kMaxGraphs));
                return kExitSyntaxError;
            }
            GraphRecord r = NewGraphRecord(options);
            ApplyKindDefaults(r, kind, options);
            // As the Add Graph command with a new colour for each graph.
            r.Color = ChooseNewGraphColor(doc, options);
            const std::string& formula = args[i + 2];
            std::string problem = kind == GraphKind::Table ? FillTable(r, formula) : FillFormula(r, formula);
            if (problem == kEmptyFormulaText) return CliEmptyFormula(err);
            if (!problem.empty()) {
                PrintCliError(err, formula + ": " + problem);
                return kExitSyntaxError;
            }
            doc.AddGraph(r);
            i += 2;
        } else if (a == "--add-table-file" && i + 1 < args.size()) {
            if (doc.GraphCount() >= kMaxGraphs) {
                PrintCliError(err, "Amount of the graphs cannot exceed " + std::to_string(kMaxGraphs));
                return kExitSyntaxError;
            }
            const std::string& table = args[++i];
            const bool rows = i + 1 < args.size() && args[i + 1] == "--rows";
            if (rows) ++i;
            GraphRecord r;
            if (!LoadTableFile(table, rows ? TableFileOrientation::Rows : TableFileOrientation::Columns, options, r)) {
                PrintCliFileError(err, table, kFileReadErrorText);
                return kExitSyntaxError;
            }
            r.Color = ChooseNewGraphColor(doc, options);
            doc.AddGraph(r);
        } else if (a == "--relation" && i + 1 < args.size()) {
            EquationRelation relation;
            if (doc.GraphCount() == 0 || doc.Graph(doc.GraphCount() - 1).Record.Kind != GraphKind::Equation ||
                !RelationFromText(args[i + 1], relation))
                return CliUsageError(err, "new", "--relation =0, <0 or >0 follows an Equation graph");
            doc.Graph(doc.GraphCount() - 1).Record.Equation.Relation = relation;
            ++i;
        } else if (file.empty() && a.rfind("--", 0) != 0) {
            file = a;
        } else if (a == "--add-table-file") {
            return CliUsageError(err, "new", a + " needs TABLE.txt");
        } else if (a == "--add" || a == "--relation") {
            return CliUsageError(err, "new", a + (a == "--add" ? " needs KIND and FORMULA" : " needs =0, <0 or >0"));
        } else {
            return CliUsageError(err, "new", "unexpected argument '" + a + "'");
        }
    }
    if (file.empty()) return CliUsageError(err, "new", "missing FILE.vgr");
    if (!WriteDocument(doc, file)) {
        PrintCliFileError(err, file, kIoErrorText);
        return kExitSyntaxError;
    }
    return kExitOk;
}

}  // namespace vg
