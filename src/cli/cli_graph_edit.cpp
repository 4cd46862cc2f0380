// vgraph-cli edit FILE.vgr --graph N [--formula F] [--color C] [--width W]
// [--style S] [--points on|off] [--lines on|off] [--visible on|off]
// [--min A --max B --steps N] [-o OUT.vgr]: changes one graph through the
// graph properties dialog's own model, so its checks refuse what the dialog
// refuses, with the dialog's message.
#include <charconv>
#include <string_view>

#include "app/graph_props_model.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "cli/cli_graph_support.h"
#include "engine/check_formula.h"

namespace vg {
namespace {

constexpr const char* kCommand = "edit";

bool ParseIndex(const std::string& text, int lowest, int highest, int& value)
{
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && value >= lowest && value <= highest;
}

bool ParseSwitch(const std::string& text, bool& value)
{
    if (text != "on" && text != "off") return false;
    value = text == "on";
    return true;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The formula texts of the kind: "X(t);Y(t)" for a parametric graph,
// "x1,y1;x2,y2;..." for a table (its cells, as typed into the grid).
bool SetFormula(GraphKind kind, const std::string& formula, GraphPropsValues& v, std::string& problem)
{
    if (kind == GraphKind::Table) {
        std::vector<std::string> cells(2 * kTableSlots);
        const std::vector<std::string> points = Trimmed(formula).empty() ? std::vector<std::string>{}
                                                                          : Split(formula, ';');
        if (points.size() > static_cast<std::size_t>(kTableSlots)) {
            problem = "a table holds at most 100 points";
            return false;
        }
        for (std::size_t k = 0; k < points.size(); ++k) {
            const std::vector<std::string> xy = Split(points[k], ',');
            if (xy.size() != 2) {
                problem = "a table point is \"x,y\", not '" + points[k] + "'";
                return false;
            }
            cells[2 * k] = Trimmed(xy[0]);
            cells[2 * k + 1] = Trimmed(xy[1]);
        }
        v.Cells = cells;
        return true;
    }
    if (kind == GraphKind::Param) {
        const std::vector<std::string> parts = Split(formula, ';');
        if (parts.size() != 2) {
            problem = "a parametric graph needs \"X(t);Y(t)\"";
            return false;
        }
        v.Formula = parts[0];
        v.Formula2 = parts[1];
    } else {
        v.Formula = formula;
    }
    if (v.Formula.size() > kMaxFormulaLength || v.Formula2.size() > kMaxFormulaLength) {
        problem = "a formula holds at most 255 characters";
        return false;
    }
    return true;
}

// The kind's own interval and steps; a table has neither.
bool SetInterval(GraphKind kind, const GraphFileArgs& parsed, GraphPropsValues& v, std::string& problem)
{
    const auto min = parsed.options.find("--min");
    const auto max = parsed.options.find("--max");
    const auto steps = parsed.options.find("--steps");
    const bool any = min != parsed.options.end() || max != parsed.options.end() || steps != parsed.options.end();
    if (!any) return true;
    if (kind == GraphKind::Table) {
        problem = "a table has no interval or steps";
        return false;
    }
    const bool twoIntervals = kind == GraphKind::Equation || kind == GraphKind::DifField;
    if (min != parsed.options.end()) (twoIntervals ? v.MinX : v.Min) = min->second;
    if (max != parsed.options.end()) (twoIntervals ? v.MaxX : v.Max) = max->second;
    if (min != parsed.options.end() || max != parsed.options.end()) v.OwnInterval = true;
    if (steps != parsed.options.end()) {
        if (twoIntervals) {
            v.StepsX = v.StepsY = steps->second;
        } else {
            v.Steps = steps->second;
            v.OwnBuild = true;
        }
    }
    return true;
}

// The appearance options; false with the problem for a value outside its list.
bool SetAppearance(const GraphFileArgs& parsed, GraphPropsValues& v, std::string& problem)
{
    for (const auto& [name, value] : parsed.options) {
        int index = 0;
        bool on = false;
        if (name == "--color") {
            if (!ParseIndex(value, 0, 15, index)) problem = "--color C: C is a colour from 0 up to 15";
            v.ColorIndex = index;
        } else if (name == "--width") {
            if (!ParseIndex(value, 1, 5, index)) problem = "--width W: W is a line width from 1 up to 5";
            v.LineWidthIndex = index - 1;
        } else if (name == "--style") {
            if (!ParseIndex(value, 0, 3, index)) problem = "--style S: S is a line style from 0 up to 3";
            v.LineStyleIndex = index;
        } else if (name == "--points" || name == "--lines" || name == "--visible") {
            if (!ParseSwitch(value, on)) problem = name + " takes on or off";
            (name == "--points" ? v.Points : name == "--lines" ? v.Lines : v.Visible) = on;
        }
        if (!problem.empty()) return false;
    }
    return true;
}

// The message as the dialog shows it: "\r" starts a new line.
std::string WithLineBreaks(std::string text)
{
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

}  // namespace

int RunEditCommand(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err)
{
    GraphFileArgs parsed;
    std::string problem;
    const std::set<std::string> names = {"--graph", "--formula", "--color", "--width", "--style", "--points",
                                         "--lines", "--visible", "--min",     "--max",   "--steps"};
    if (!ParseGraphFileArgs(args, names, parsed, problem)) return CliUsageError(err, kCommand, problem);
    int number = 0;
    if (!GraphNumberGiven(parsed, kCommand, "--graph", number, err)) return kExitUsage;
    auto doc = OpenDocumentForCli(kCommand, parsed.file, err);
    if (!doc) return kExitSyntaxError;
    if (!GraphExists(parsed, number, doc->GraphCount(), err)) return kExitUsage;

    TFunction& graph = doc->Graph(number - 1);
    TGraphPropsModel model(graph.Record);
    GraphPropsValues values = model.Values();
    const GraphKind kind = model.Kind();
    if (!SetAppearance(parsed, values, problem)) return CliUsageError(err, kCommand, problem);
    if (!SetInterval(kind, parsed, values, problem)) return CliUsageError(err, kCommand, problem);
    if (auto formula = parsed.options.find("--formula"); formula != parsed.options.end()) {
        if (!SetFormula(kind, formula->second, values, problem)) {
            PrintCliError(err, problem);
            return kExitSyntaxError;
        }
        // The rule of every command that takes a formula.
        const bool blank = IsBlankFormula(values.Formula) || (kind == GraphKind::Param && IsBlankFormula(values.Formula2));
        if (kind != GraphKind::Table && blank) return CliEmptyFormula(err);
    }
    if (auto failure = model.Accept(values)) {
        err << "vgraph-cli: " << WithLineBreaks(GraphPropsFailureText(*failure)) << "\n";
        return kExitSyntaxError;
    }
    doc->SetGraphRecord(graph, model.Record());
    return WriteGraphFile(*doc, parsed, err);
}

}  // namespace vg
