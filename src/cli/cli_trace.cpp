// vgraph-cli trace FILE.vgr --graph N --point K [--size WxH]: what the Trace
// window shows for point K of graph N, and where the trace pointer's cross
// stands in a document window of that size.

#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "cli/cli_plot_mapping.h"
#include "document/trace_pointer.h"

namespace vg {

namespace {

struct TraceArgs {
    std::string file;
    int graph = 0;
    int point = 0;
    int width = kDefaultWindowWidth;
    int height = kDefaultWindowHeight;
};

bool ParseTraceArgs(const std::vector<std::string>& args, TraceArgs& t)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool option = a == "--graph" || a == "--point" || a == "--size";
        if (option && i + 1 >= args.size()) return false;
        if (a == "--graph") {
            if (!ParseWholeNumber(args[++i], t.graph) || t.graph < 1) return false;
        } else if (a == "--point") {
            if (!ParseWholeNumber(args[++i], t.point) || t.point < 1) return false;
        } else if (a == "--size") {
            if (!ParseWindowSize(args[++i], t.width, t.height)) return false;
        } else if (t.file.empty() && a.rfind("--", 0) != 0) {
            t.file = a;
        } else {
            return false;
        }
    }
    return !t.file.empty() && t.graph > 0 && t.point > 0;
}

}  // namespace

int RunTraceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TraceArgs t;
    if (!ParseTraceArgs(args, t)) return CliUsageError(err, "trace", "expected FILE.vgr, --graph N and --point K");
    auto doc = OpenDocumentForCli("trace", t.file, err);
    if (!doc) return kExitSyntaxError;
    if (t.graph > doc->GraphCount())
        return CliUsageError(err, "trace", "the document has " + std::to_string(doc->GraphCount()) + " graphs");
    doc->ComputeAllGraphs();
    const TFunction& graph = doc->Graph(t.graph - 1);
    const TraceSetup setup = PrepareTrace(graph, doc->Options);
    if (!setup.Traceable) {
        PrintCliError(err, setup.Message);
        return kExitSyntaxError;
    }
    if (t.point > setup.PointCount)
        return CliUsageError(err, "trace", "graph " + std::to_string(t.graph) + " has " +
                                               std::to_string(setup.PointCount) + " points");
    PlotMapping mapping;
    if (!WindowPlotMapping(*doc, t.width, t.height, "trace", mapping, err)) return 1;
    const TracePoint point = TracePointAt(graph, doc->Options, t.point);
    for (const TraceLabel& label : TraceLabels(point)) out << label.Name << label.Text << "\n";
    TTracePointer pointer;
    pointer.MoveTo(doc->Options, point.X, point.Y);
    CanvasPoint centre;
    if (pointer.Centre(mapping, centre)) out << "pixel " << centre.x << " " << centre.y << "\n";
    else out << "pixel none\n";
    return kExitOk;
}

}  // namespace vg
