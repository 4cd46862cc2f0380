// vgraph-cli compute FILE.vgr [--graph N]: computes the document as opened
// and prints every graph's computed values, one point per line.
#include <charconv>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "document/compute_kinds.h"
#include "document/graph_computation.h"
#include "engine/numeric_utils.h"

namespace vg {
namespace {

void PrintSamples(const TFunction& f, const DocumentOptions& d, std::ostream& out)
{
    LineSampling s = PlanLineSampling(f.Record, d);
    const bool alongX = f.Record.Kind == GraphKind::YFromX;
    for (std::size_t k = 1; k <= f.ValueCount(); ++k) {
        std::string position = CliNumber(NearZero(s.Position(static_cast<int32_t>(k - 1))));
        std::string value = CliNumber(f.GetValue(k));
        out << (alongX ? position : value) << " " << (alongX ? value : position) << "\n";
    }
}

void PrintRows(const TFunction& f, std::size_t rowLength, std::ostream& out)
{
    for (std::size_t v = 1; v + rowLength - 1 <= f.ValueCount(); v += rowLength) {
        for (std::size_t c = 0; c < rowLength; ++c) out << (c ? " " : "") << CliNumber(f.GetValue(v + c));
        out << "\n";
    }
}

void PrintSlopeField(const TFunction& f, const DocumentOptions& d, std::ostream& out)
{
    PlaneGrid p = PlanPlaneGrid(f.Record, d);
    const int32_t sx = f.Record.DifField.Params.SeriesX, sy = f.Record.DifField.Params.SeriesY;
    const long double hx = (p.HiX - p.LoX) / sx, hy = (p.HiY - p.LoY) / sy;
    for (int32_t i = 1; i <= sx; ++i)
        for (int32_t j = 1; j <= sy; ++j)
            out << CliNumber(NearZero(p.LoX + (i - 0.5L) * hx)) << " " << CliNumber(NearZero(p.LoY + (j - 0.5L) * hy))
                << " " << CliNumber(f.GetValue(static_cast<std::size_t>(i - 1) * sy + j)) << "\n";
}

void PrintCellWords(const TFunction& f, std::ostream& out)
{
    const int32_t sx = f.Record.Equation.Params.StepsX, sy = f.Record.Equation.Params.StepsY;
    for (int32_t i = 1; i <= sx; ++i)
        for (int32_t j = 1; j <= sy; ++j)
            out << i << " " << j << " " << f.GetWord(static_cast<std::size_t>(i - 1) * sy + j) << "\n";
}

std::size_t PointCount(const TFunction& f)
{
    switch (f.Record.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::DifField: return f.ValueCount();
    case GraphKind::Polar:
    case GraphKind::Param: return f.ValueCount() / 2;
    case GraphKind::Equation:
        return f.Record.Equation.Relation == EquationRelation::Zero ? f.ValuesSize / 40 : f.ValuesSize / 2;
    case GraphKind::Table: {
        std::size_t n = 0;
        for (std::size_t v = 1; v + 1 <= kTableSlotsBytes / 10; v += 2)
            n += IsDefined(f.GetValue(v)) && IsDefined(f.GetValue(v + 1));
        return n;
    }
    default: return 0;
    }
}

void PrintTable(const TFunction& f, std::ostream& out)
{
    for (std::size_t v = 1; v + 1 <= kTableSlotsBytes / 10; v += 2)
        if (IsDefined(f.GetValue(v)) && IsDefined(f.GetValue(v + 1)))
            out << CliNumber(f.GetValue(v)) << " " << CliNumber(f.GetValue(v + 1)) << "\n";
    if (f.ValuesSize == kSmoothTableBytes) {
        int32_t m;
        std::memcpy(&m, f.ValuesData() + kSplineCountOffset, sizeof m);
        out << "spline " << m << "\n";
    }
}

void PrintGraph(const TGraphicsManager& doc, int index, std::ostream& out)
{
    const TFunction& f = doc.Graph(index);
    out << "graph " << (index + 1) << ": " << GraphDescription(f.Record) << ": " << PointCount(f) << " points\n";
    if (f.ValuesSize == 0) return;
    switch (f.Record.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY: PrintSamples(f, doc.Options, out); break;
    case GraphKind::Polar:
    case GraphKind::Param: PrintRows(f, 2, out); break;
    case GraphKind::DifField: PrintSlopeField(f, doc.Options, out); break;
    case GraphKind::Equation:
        if (f.Record.Equation.Relation == EquationRelation::Zero) PrintRows(f, 4, out);
        else PrintCellWords(f, out);
        break;
    case GraphKind::Table: PrintTable(f, out); break;
    default: break;
    }
}

bool ParseGraphNumber(const std::string& text, int& n)
{
    const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

}  // namespace

int RunComputeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string file;
    int only = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--graph" && i + 1 == args.size()) {
            return CliUsageError(err, "compute", "--graph needs a graph number N");
        } else if (args[i] == "--graph") {
            if (!ParseGraphNumber(args[++i], only) || only < 1)
                return CliUsageError(err, "compute", "--graph N: N is a graph number from 1, not '" + args[i] + "'");
        } else if (file.empty() && args[i].rfind("--", 0) != 0) {
            file = args[i];
        } else {
            return CliUsageError(err, "compute", "unexpected argument '" + args[i] + "'");
        }
    }
    if (file.empty()) return CliUsageError(err, "compute", "missing FILE.vgr");
    auto doc = OpenDocumentForCli("compute", file, err);
    if (!doc) return kExitSyntaxError;
    if (only > doc->GraphCount()) {
        PrintCliFileError(err, file, "the document has " + std::to_string(doc->GraphCount()) + " graphs");
        return kExitUsage;
    }
    doc->ComputeAllGraphs();
    for (int i = 0; i < doc->GraphCount(); ++i)
        if (only == 0 || only == i + 1) PrintGraph(*doc, i, out);
    return kExitOk;
}

}  // namespace vg
