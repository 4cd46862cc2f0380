// Graph computation throughput: formula evaluations stored per second for the
// heaviest sampling of each kind.
#include <benchmark/benchmark.h>

#include <string>

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

}  // namespace

BENCHMARK(BM_YFromX_20000Steps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Inequality_200x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZeroCurve_200x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlopeField_100x100)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
