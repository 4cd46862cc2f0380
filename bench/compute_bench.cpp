// Graph computation throughput: formula evaluations stored per second for the
// heaviest sampling of each kind, and a document of 30 graphs computed
// serially and on all cores.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <vector>
#include <string>

#include "document/compute_pass.h"
#include "document/graph_model.h"

namespace {

using namespace vg;

struct BenchDocument {
    TGraphicsManager doc{DefaultViewSettings(), DefaultDocumentOptions()};
    TFunction* graph = nullptr;

    BenchDocument(GraphKind kind, const std::string& formula)
    {
        GraphRecord r = NewGraphRecord(doc.Options);
        ApplyKindDefaults(r, kind, doc.Options);
        r.Formula.Assign(formula);
        graph = &doc.AddGraph(r);
    }
};

void Run(benchmark::State& state, BenchDocument& b, long long pointsPerRun)
{
    for (auto _ : state) {
        b.doc.ContinueCalculation = true;
        benchmark::DoNotOptimize(b.doc.ComputeGraph(*b.graph, b.doc.Options, 0));
    }
    state.counters["points/s"] =
        benchmark::Counter(static_cast<double>(pointsPerRun) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_YFromX_20000Steps(benchmark::State& state)
{
    BenchDocument b(GraphKind::YFromX, "SIN(X)*X^2+EXP(-X/5)");
    b.doc.Options.Steps = 20000;
    Run(state, b, 20001);
}

void BM_Inequality_200x200(benchmark::State& state)
{
    BenchDocument b(GraphKind::Equation, "X^2+Y^2-SIN(X*Y)*20-40");
    b.graph->Record.Equation.Relation = EquationRelation::Less;
    b.graph->Record.Equation.Params.StepsX = b.graph->Record.Equation.Params.StepsY = 200;
    // First pass plus the refined boundary cells (counted after one run).
    b.doc.ComputeGraph(*b.graph, b.doc.Options, 0);
    long long points = 200 * 200;
    for (std::size_t w = 1; w <= 200 * 200; ++w) {
        uint16_t word = b.graph->GetWord(w);
        if (word != 0 && word != 65535) points += 16;
    }
    Run(state, b, points);
}

void BM_ZeroCurve_200x200(benchmark::State& state)
{
    BenchDocument b(GraphKind::Equation, "X^2+Y^2-SIN(X*Y)*20-40");
    b.graph->Record.Equation.Params.StepsX = b.graph->Record.Equation.Params.StepsY = 200;
    Run(state, b, 401LL * 401);
}

void BM_SlopeField_100x100(benchmark::State& state)
{
    BenchDocument b(GraphKind::DifField, "X*Y-SIN(Y)");
    b.graph->Record.DifField.Params.SeriesX = b.graph->Record.DifField.Params.SeriesY = 100;
    Run(state, b, 100 * 100);
}

// 30 graphs of the kinds a document mixes: functions, curves, slope fields,
// regions and zero curves.
void AddDocumentGraphs(TGraphicsManager& doc)
{
    auto add = [&doc](GraphKind kind, const std::string& formula) -> GraphRecord& {
        GraphRecord r = NewGraphRecord(doc.Options);
        ApplyKindDefaults(r, kind, doc.Options);
        r.Formula.Assign(formula);
        return doc.AddGraph(r).Record;
    };
    for (int c = 0; c < 6; ++c) {
        const std::string k = std::to_string(c + 1);
        add(GraphKind::YFromX, "SIN(" + k + "X)*X^2+EXP(-X/5)").Line.Steps = 20000;
        add(GraphKind::Polar, "1+COS(" + k + "A)/2").Line.Steps = 20000;
        add(GraphKind::DifField, "X*Y-SIN(Y)+" + k);
        GraphRecord& region = add(GraphKind::Equation, "X^2+Y^2-SIN(X*Y)*20-" + std::to_string(30 + c));
        region.Equation.Relation = EquationRelation::Less;
        region.Equation.Params.StepsX = region.Equation.Params.StepsY = 150;
        add(GraphKind::Equation, "X^2-Y^3+ATAN(X*Y)-" + k).Equation.Params.StepsX = 150;
    }
    for (int i = 0; i < doc.GraphCount(); ++i) {
        GraphRecord& r = doc.Graph(i).Record;
        if (r.Kind == GraphKind::YFromX || r.Kind == GraphKind::Polar) r.Line.CommonBuild = 0;
    }
}

void Document30(benchmark::State& state, int threads)
{
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    AddDocumentGraphs(doc);
    SetComputeThreads(threads);
    for (auto _ : state) doc.ComputeAllGraphs();
    SetComputeThreads(0);
}

void BM_Document30_Serial(benchmark::State& state) { Document30(state, 1); }
void BM_Document30_Parallel(benchmark::State& state) { Document30(state, 0); }

// Wall time of the two document runs for the ratio printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration) milliseconds[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> milliseconds;
};

}  // namespace

BENCHMARK(BM_Document30_Serial)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Document30_Parallel)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_YFromX_20000Steps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Inequality_200x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZeroCurve_200x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlopeField_100x100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto serial = reporter.milliseconds.find("BM_Document30_Serial/real_time");
    const auto parallel = reporter.milliseconds.find("BM_Document30_Parallel/real_time");
    if (serial != reporter.milliseconds.end() && parallel != reporter.milliseconds.end())
        std::printf("30-graph document on %d threads: serial/parallel %.2f (wall time)\n", vg::ComputeThreads(),
                    serial->second / parallel->second);
    return 0;
}
