// vgraph-cli view FILE.vgr OP [ARGS] [--size WxH] [-o OUT.vgr]: one view
// interval operation on a document, as the toolbar buttons, the mouse and
// the Sets of Options do it; prints the new interval and steps.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/view_interval.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "cli/cli_plot_mapping.h"
#include "document/document_file.h"
#include "engine/number_text.h"

namespace vg {

namespace {

const std::map<std::string, ViewButton>& ButtonOperations()
{
    static const std::map<std::string, ViewButton> operations = {
        {"zoom-in", ViewButton::ReduceXY},    {"zoom-out", ViewButton::IncreaseXY},
        {"zoom-in-x", ViewButton::ReduceX},   {"zoom-in-y", ViewButton::ReduceY},
        {"zoom-out-x", ViewButton::IncreaseX}, {"zoom-out-y", ViewButton::IncreaseY},
        {"left", ViewButton::MoveLeft},       {"right", ViewButton::MoveRight},
        {"up", ViewButton::MoveUp},           {"down", ViewButton::MoveDown},
    };
    return operations;
}

// Number of whole-number arguments an operation takes.
int OperandCount(const std::string& op)
{
    if (op == "select") return 4;
    if (op == "wheel") return 3;
    return 0;
}

bool KnownOperation(const std::string& op)
{
    return ButtonOperations().count(op) || op == "select" || op == "wheel" || op == "center" ||
           op == "standard-options" || op == "standard-intervals" || op == "trig";
}

struct ViewArgs {
    std::string file;
    std::string op;
    std::vector<int> operands;
    int width = kDefaultWindowWidth;
    int height = kDefaultWindowHeight;
    std::string output;
};

// False with the problem for the usage message.
bool ParseViewArgs(const std::vector<std::string>& args, ViewArgs& v, std::string& problem)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--size" || a == "-o") {
            if (i + 1 >= args.size()) {
                problem = a + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (a == "-o") {
                v.output = value;
            } else if (!ParseWindowSize(value, v.width, v.height)) {
                problem = "bad size '" + value + "' (" + std::to_string(kMinWindowSize) + " up to " +
                          std::to_string(kMaxWindowSize) + " each way)";
                return false;
            }
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() < 2) {
        problem = "expected FILE.vgr and OP";
        return false;
    }
    v.file = positional[0];
    v.op = positional[1];
    if (!KnownOperation(v.op)) {
        problem = "unknown operation '" + v.op + "'";
        return false;
    }
    if (static_cast<int>(positional.size()) != 2 + OperandCount(v.op)) {
        problem = v.op + " takes " + std::to_string(OperandCount(v.op)) + " whole numbers";
        return false;
    }
    for (std::size_t i = 2; i < positional.size(); ++i) {
        int n = 0;
        if (!ParseWholeNumber(positional[i], n)) {
            problem = "not a whole number: '" + positional[i] + "'";
            return false;
        }
        v.operands.push_back(n);
    }
    return true;
}

ViewChange RunOperation(const ViewArgs& v, const TGraphicsManager& doc, const PlotMapping& mapping)
{
    const DocumentOptions& d = doc.Options;
    if (auto button = ButtonOperations().find(v.op); button != ButtonOperations().end()) {
        const ViewOps ops = ViewButtonOps(button->second, d);
        return ChangeView(d, ops.x, ops.y);
    }
    if (v.op == "center") return CenterView(d);
    if (v.op == "select") {
        // Corners outside the plot rectangle count at its edge, as the mouse's do.
        const CanvasRect& r = mapping.PlotRect;
        auto corner = [&r](int x, int y) {
            return CanvasPoint{std::clamp(x, r.left, std::max(r.left, r.right)),
                               std::clamp(y, r.top, std::max(r.top, r.bottom))};
        };
        return SelectViewInterval(d, mapping, corner(v.operands[0], v.operands[1]),
                                  corner(v.operands[2], v.operands[3]));
    }
    if (v.op == "wheel") return WheelZoom(d, mapping, v.operands[0], v.operands[1], v.operands[2], WheelAxes::Both);
    if (v.op == "standard-options") return SetStandardOptions(d);
    if (v.op == "standard-intervals") return SetStandardIntervals(d);
    return SetTrigonometricalSet(d);
}

void PrintViewValues(const DocumentOptions& d, std::ostream& out)
{
    const std::pair<const char*, long double> values[] = {
        {"MinX", d.MinX},           {"MaxX", d.MaxX},           {"MinY", d.MinY},
        {"MaxY", d.MaxY},           {"LabelsXStep", d.LabelsXStep}, {"MarksXStep", d.MarksXStep},
        {"VertStep", d.VertStep},   {"LabelsYStep", d.LabelsYStep}, {"MarksYStep", d.MarksYStep},
        {"HorStep", d.HorStep},
    };
    for (const auto& [name, value] : values) out << name << "=" << FormatNumber(value) << "\n";
}

// The program's message as its dialog shows it: "\r" starts a new line.
std::string WithLineBreaks(std::string text)
{
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

}  // namespace

int RunViewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ViewArgs v;
    std::string problem;
    if (!ParseViewArgs(args, v, problem)) return CliUsageError(err, "view", problem);
    auto doc = OpenDocumentForCli("view", v.file, err);
    if (!doc) return kExitSyntaxError;
    PlotMapping mapping;
    if (OperandCount(v.op) > 0 && !WindowPlotMapping(*doc, v.width, v.height, "view", mapping, err)) return 1;
    const ViewChange change = RunOperation(v, *doc, mapping);
    if (!change.Accepted) {
        err << "vgraph-cli: " << WithLineBreaks(change.Message) << "\n";
        return kExitSyntaxError;
    }
    doc->Options = change.Options;
    if (!v.output.empty() && !WriteDocument(*doc, v.output)) {
        PrintCliFileError(err, v.output, "Input-output error");
        return 1;
    }
    PrintViewValues(doc->Options, out);
    return kExitOk;
}

}  // namespace vg
