// vgraph-cli tangent FILE.vgr --graph N --at T [--normal]: the tangent (or
// normal) line of a graph as the Tangent or Normal window adds it.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_calculus_support.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "app/translator.h"
#include "tools/tangent_line.h"

namespace vg {
namespace {

struct TangentArgs {
    std::string file;
    int graph = 0;
    bool hasAt = false;
    std::string at;
    bool normal = false;
};

bool UsageError(std::ostream& err, const std::string& problem)
{
    CliUsageError(err, "tangent", problem);
    return false;
}

bool ParseTangentArgs(const std::vector<std::string>& args, TangentArgs& t, std::ostream& err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--graph" || a == "--at";
        if (takesValue && i + 1 >= args.size()) return UsageError(err, a + " needs a value");
        if (a == "--graph") {
            if (!ParseGraphNumber(args[++i], t.graph)) return UsageError(err, "bad graph number '" + args[i] + "'");
        } else if (a == "--at") {
            t.at = args[++i];
            t.hasAt = true;
        } else if (a == "--normal") {
            t.normal = true;
        } else if (t.file.empty() && a.rfind("--", 0) != 0) {
            t.file = a;
        } else {
            return UsageError(err, "unexpected argument '" + a + "'");
        }
    }
    if (t.file.empty()) return UsageError(err, "missing FILE.vgr");
    if (t.graph == 0) return UsageError(err, "missing --graph N");
    if (!t.hasAt) return UsageError(err, "missing --at T");
    return true;
}

}  // namespace

int RunTangentCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TangentArgs t;
    if (!ParseTangentArgs(args, t, err)) return kExitUsage;
    auto doc = OpenDocumentForCli("tangent", t.file, err);
    if (!doc) return kExitSyntaxError;
    const GraphRecord* graph = ChosenGraph(*doc, t.file, t.graph, err);
    if (!graph) return kExitUsage;

    const TangentView view = TangentViewOf(*graph);
    if (!view.CanAdd) {
        PrintCliError(err, Translate(view.Label));
        return kExitSyntaxError;
    }
    long double at = 0;
    if (const auto failure = ReadTangentParameter(t.at, at)) {
        PrintCliError(err, InputFailureText(*failure));
        return kExitSyntaxError;
    }
    const TangentLine line = ComputeTangentLine(*graph, at, t.normal);
    if (line.Status != TangentStatus::Determined) {
        PrintCliError(err, TangentMessage(line.Status, t.normal));
        return kExitUndefined;
    }
    out << TangentLineText(line) << "\n";
    return kExitOk;
}

}  // namespace vg
