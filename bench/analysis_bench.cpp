// The function analysis at its finest grid: 20,000 steps of
// SIN(X)*EXP(-X/10) on [-10, 10], zeros and extrema, the extrema found by
// values and through the symbolic derivative.
#include <benchmark/benchmark.h>

#include "tools/function_analysis.h"
#include "tools/intersections.h"

namespace {

using namespace vg;

AnalysisSettings Settings(bool zeros, bool extrema, bool useDerivative)
{
    AnalysisSettings s;
    s.StepsNum = 20000;
    s.DigitsNum = 5;
    s.FindZeroes = zeros;
    s.FindExtremums = extrema;
    s.UseDerivative = useDerivative;
    return s;
}

void RunAnalysis(benchmark::State& state, const AnalysisSettings& settings)
{
    for (auto _ : state) {
        TFunctionAnalysis analysis("SIN(X)*EXP(-X/10)", settings);
        analysis.Run();
        benchmark::DoNotOptimize(analysis.Results().Extrema().size());
    }
}

void BM_Analysis20000_ExtremaThroughDerivative(benchmark::State& state)
{
    RunAnalysis(state, Settings(false, true, true));
}
BENCHMARK(BM_Analysis20000_ExtremaThroughDerivative)->Unit(benchmark::kMillisecond);

void BM_Analysis20000_ZerosAndExtremaThroughDerivative(benchmark::State& state)
{
    RunAnalysis(state, Settings(true, true, true));
}
BENCHMARK(BM_Analysis20000_ZerosAndExtremaThroughDerivative)->Unit(benchmark::kMillisecond);

void BM_Analysis20000_ZerosAndExtremaByValues(benchmark::State& state)
{
    RunAnalysis(state, Settings(true, true, false));
}
BENCHMARK(BM_Analysis20000_ZerosAndExtremaByValues)->Unit(benchmark::kMillisecond);

void BM_Intersections20000(benchmark::State& state)
{
    for (auto _ : state) {
        TIntersections search("SIN(X)*EXP(-X/10)", "0.1", {-10, 10, 20000, 5});
        search.Run();
        benchmark::DoNotOptimize(search.Results().Points().size());
    }
}
BENCHMARK(BM_Intersections20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
