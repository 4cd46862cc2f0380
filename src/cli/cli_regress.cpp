// vgraph-cli regress FILE.vgr [--graph N] --kind KIND [--degree D]: the fit
// of a table graph as the Regression window shows it (three lines), or with
// --compare the comparison of every model the data admit.
#include <charconv>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "tools/regression.h"
#include "tools/regression_compare.h"
#include "tools/regression_texts.h"

namespace vg {
namespace {

struct KindWord {
    const char* word;
    RegressionKind kind;
};
constexpr KindWord kKindWords[] = {
    {"linear", RegressionKind::Linear},           {"hyperbolic", RegressionKind::Hyperbolic},
    {"logarithmic", RegressionKind::Logarithmic}, {"power", RegressionKind::Power},
    {"exponential", RegressionKind::Exponential}, {"exponential2", RegressionKind::Exponential2},
    {"polynomial", RegressionKind::Polynomial},   {"best", RegressionKind::Best},
};

const char* WordOfKind(RegressionKind kind)
{
    for (const KindWord& k : kKindWords)
        if (k.kind == kind) return k.word;
    return "";
}

bool KindOfWord(const std::string& word, RegressionKind& kind)
{
    for (const KindWord& k : kKindWords)
        if (word == k.word) {
            kind = k.kind;
            return true;
        }
    return false;
}

bool ParseWholeNumber(const std::string& text, int& n)
{
    const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
}

struct RegressArgs {
    std::string file;
    int graph = 0;  // 0: the first table graph
    bool compare = false;
    bool hasKind = false;
    RegressionKind kind = RegressionKind::Linear;
    int degree = kMinPolynomDegree;
};

bool UsageError(std::ostream& err, const std::string& problem)
{
    CliUsageError(err, "regress", problem);
    return false;
}

bool ParseRegressArgs(const std::vector<std::string>& args, RegressArgs& r, std::ostream& err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--graph" || a == "--kind" || a == "--degree";
        if (takesValue && i + 1 >= args.size()) return UsageError(err, a + " needs a value");
        if (a == "--graph") {
            if (!ParseWholeNumber(args[++i], r.graph) || r.graph < 1)
                return UsageError(err, "bad graph number '" + args[i] + "'");
        } else if (a == "--kind") {
            if (!KindOfWord(args[++i], r.kind)) return UsageError(err, "unknown kind '" + args[i] + "'");
            r.hasKind = true;
        } else if (a == "--degree") {
            if (!ParseWholeNumber(args[++i], r.degree) || r.degree < kMinPolynomDegree ||
                r.degree > kMaxPolynomDegree)
                return UsageError(err, "--degree: This value must be an integer from 2 up to 9");
        } else if (a == "--compare") {
            r.compare = true;
        } else if (r.file.empty() && a.rfind("--", 0) != 0) {
            r.file = a;
        } else {
            return UsageError(err, "unexpected argument '" + a + "'");
        }
    }
    if (r.file.empty()) return UsageError(err, "missing FILE.vgr");
    if (r.compare == r.hasKind) return UsageError(err, "give either --kind or --compare");
    return true;
}

// The index of the graph to fit, or -1 after the message (exit 2 or 64 in
// status).
int ChooseTableGraph(const TGraphicsManager& doc, const RegressArgs& r, std::ostream& err, int& status)
{
    if (r.graph > doc.GraphCount()) {
        PrintCliFileError(err, r.file, "the document has " + std::to_string(doc.GraphCount()) + " graphs");
        status = kExitUsage;
        return -1;
    }
    status = kExitSyntaxError;
    if (r.graph > 0) {
        if (doc.Graph(r.graph - 1).Record.Kind == GraphKind::Table) return r.graph - 1;
        PrintCliFileError(err, r.file, "graph " + std::to_string(r.graph) + " is not a table");
        return -1;
    }
    for (int i = 0; i < doc.GraphCount(); ++i)
        if (doc.Graph(i).Record.Kind == GraphKind::Table) return i;
    PrintCliFileError(err, r.file, kNoTableGraphText);
    return -1;
}

std::string CliFigure(long double v, bool isRSquared)
{
    if (isRSquared && v == kRSquaredError) return "Error";
    return CliNumber(v);
}

// Without any model: the message of the fit, as for one kind.
int PrintComparison(const RegressionPoints& points, std::ostream& out)
{
    const std::vector<RegressionComparisonRow> rows = CompareRegressionModels(points);
    if (rows.empty()) {
        const bool tooFew = DistinctValidPoints(points) < 2;
        out << (tooFew ? kNotEnoughNumbersText : kErrorDataText) << "\n";
        return kExitUndefined;
    }
    for (const RegressionComparisonRow& row : rows) {
        const bool polynomial = row.Fit.Kind == RegressionKind::Polynomial;
        const std::string adjusted =
            row.HasAdjustedRSquared ? CliNumber(row.AdjustedRSquared) : AdjustedRSquaredText(row);
        out << WordOfKind(row.Fit.Kind) << "\t" << (polynomial ? std::to_string(row.Fit.Degree) : "-") << "\t"
            << CliFigure(row.Goodness.Deviation, false) << "\t" << CliFigure(row.Goodness.RSquared, true) << "\t"
            << adjusted << "\t" << RegressionFormulaText(row.Fit) << "\n";
    }
    return kExitOk;
}

int PrintFit(const RegressionPoints& points, const RegressArgs& r, std::ostream& out)
{
    const RegressionResult result = ComputeRegression(points, r.kind, r.degree);
    const RegressionDisplay display = MakeRegressionDisplay(result);
    if (!display.CanAddGraph) {
        out << display.DeviationLabel << "\n";
        return kExitUndefined;
    }
    out << "Y(x)=" << display.Formula << "\n" << display.DeviationLabel << "\n" << display.RSquaredLabel << "\n";
    return kExitOk;
}

}  // namespace

int RunRegressCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    RegressArgs r;
    if (!ParseRegressArgs(args, r, err)) return kExitUsage;
    auto doc = OpenDocumentForCli("regress", r.file, err);
    if (!doc) return kExitSyntaxError;
    int status = kExitOk;
    const int index = ChooseTableGraph(*doc, r, err, status);
    if (index < 0) return status;
    const RegressionPoints points = SortedWorkingCopy(doc->Graph(index).Record);
    return r.compare ? PrintComparison(points, out) : PrintFit(points, r, out);
}

}  // namespace vg
