// Nanoseconds per evaluation of compiled formulas: TCalculator::Calculate
// beside the same formulas in muparser (double precision), with the ratio
// ours/muparser per formula and their geometric mean printed after the run;
// and the engine's 80-bit kernels beside the C library's long double
// functions.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/extended_math.h"

namespace {

struct Formula {
    const char* shape;
    const char* ours;      // engine syntax, variables X and Y
    const char* muparser;  // the same in muparser syntax, variables x and y
};

const Formula kFormulas[] = {
    {"polynomial", "3X^4-2X^3+X^2-5X+7", "3*x^4-2*x^3+x^2-5*x+7"},
    {"trigonometric", "SIN(X)+COS(2X)-TAN(X/3)", "sin(x)+cos(2*x)-tan(x/3)"},
    {"nested", "SQRT(ABS(SIN(EXP(COS(X)))))+LN(1+ATAN(X)^2)",
     "sqrt(abs(sin(exp(cos(x)))))+ln(1+atan(x)^2)"},
    {"variable_power", "X^X+2^(X/3)", "x^x+2^(x/3)"},
    {"two_variables", "X^2+Y^2-2XY+SIN(XY)", "x^2+y^2-2*x*y+sin(x*y)"},
    {"relational", "(X>0.5 AND X<2) OR X^2<=0.25", "(x>0.5 && x<2) || x^2<=0.25"},
    {"linear", "2X+1", "2*x+1"},
};

// Arguments the formulas are evaluated at, cycled.
std::vector<double> Arguments()
{
    std::vector<double> xs;
    for (int i = 0; i < 1024; ++i) xs.push_back(0.1 + 2.9 * i / 1024.0);
    return xs;
}

void BM_Calculate(benchmark::State& state, const Formula* f)
{
    vg::TStackList postfix;
    if (vg::CompileFormula(f->ours, "X", "Y", postfix) != 0) {
        state.SkipWithError("formula does not compile");
        return;
    }
    vg::TCalculator2Var calculator(postfix);
    const std::vector<double> xs = Arguments();
    std::size_t i = 0;
    for (auto _ : state) {
        vg::EngineError error = 0;
        const vg::Extended x = xs[i++ & 1023];
        benchmark::DoNotOptimize(calculator.Calculate(postfix, error, x, 0.5L));
        benchmark::DoNotOptimize(error);
    }
}

void BM_Muparser(benchmark::State& state, const Formula* f)
{
    mu::Parser parser;
    double x = 0, y = 0.5;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.SetExpr(f->muparser);
    const std::vector<double> xs = Arguments();
    std::size_t i = 0;
    for (auto _ : state) {
        x = xs[i++ & 1023];
        benchmark::DoNotOptimize(parser.Eval());
    }
}

struct KernelPair {
    const char* name;
    long double (*ours)(long double);
    long double (*libc)(long double);
    long double lo, hi;  // arguments, cycled
};

long double OurPower(long double x) { return vg::kernel::Exp(1.7L * vg::kernel::Ln(x)); }
long double LibcPower(long double x) { return expl(1.7L * logl(x)); }
// A whole power the way the power rule takes it now, and the way the C
// library does.
long double OurCube(long double x) { return vg::kernel::WholePower(x, 3); }
long double LibcCube(long double x) { return powl(x, 3); }
long double LibcExp(long double x) { return expl(x); }
long double LibcLog(long double x) { return logl(x); }
long double LibcSin(long double x) { return sinl(x); }
long double LibcCos(long double x) { return cosl(x); }
long double LibcTan(long double x) { return tanl(x); }
long double LibcAtan(long double x) { return atanl(x); }

const KernelPair kKernels[] = {
    {"exp", vg::kernel::Exp, LibcExp, -20, 20},   {"ln", vg::kernel::Ln, LibcLog, 0.01L, 100},
    {"sin", vg::kernel::Sin, LibcSin, -10, 10},   {"cos", vg::kernel::Cos, LibcCos, -10, 10},
    {"tan", vg::kernel::Tan, LibcTan, -10, 10},   {"atan", vg::kernel::Atan, LibcAtan, -10, 10},
    {"power", OurPower, LibcPower, 0.1L, 3},     {"cube", OurCube, LibcCube, 0.1L, 3},
};

void BM_Kernel(benchmark::State& state, long double (*f)(long double), const KernelPair* k)
{
    std::vector<long double> xs;
    for (int i = 0; i < 1024; ++i) xs.push_back(k->lo + (k->hi - k->lo) * i / 1024);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(f(xs[i++ & 1023]));
}

// Keeps the time per iteration of every run for the ratio table. CPU time,
// not wall time: the ratio must not depend on what else the machine runs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Iteration) nanoseconds[r.benchmark_name()] = r.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

}  // namespace

int main(int argc, char** argv)
{
    for (const Formula& f : kFormulas) {
        benchmark::RegisterBenchmark((std::string("Calculate/") + f.shape).c_str(), BM_Calculate, &f)
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((std::string("muparser/") + f.shape).c_str(), BM_Muparser, &f)
            ->Unit(benchmark::kNanosecond);
    }
    for (const KernelPair& k : kKernels) {
        benchmark::RegisterBenchmark((std::string("kernel/") + k.name).c_str(), BM_Kernel, k.ours, &k)
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((std::string("libc/") + k.name).c_str(), BM_Kernel, k.libc, &k)
            ->Unit(benchmark::kNanosecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-16s %12s %12s %16s  (CPU time)\n", "formula", "ours ns", "muparser ns",
                "ours/muparser");
    double logSum = 0;
    int count = 0;
    for (const Formula& f : kFormulas) {
        const auto ours = reporter.nanoseconds.find(std::string("Calculate/") + f.shape);
        const auto peer = reporter.nanoseconds.find(std::string("muparser/") + f.shape);
        if (ours == reporter.nanoseconds.end() || peer == reporter.nanoseconds.end()) continue;
        std::printf("%-16s %12.1f %12.1f %16.2f\n", f.shape, ours->second, peer->second,
                    ours->second / peer->second);
        logSum += std::log(ours->second / peer->second);
        ++count;
    }
    if (count > 0) std::printf("%-16s %12s %12s %16.2f\n", "geometric mean", "", "", std::exp(logSum / count));

    std::printf("\n%-16s %12s %12s %16s  (CPU time)\n", "kernel", "ours ns", "libc ns", "ours/libc");
    for (const KernelPair& k : kKernels) {
        const auto ours = reporter.nanoseconds.find(std::string("kernel/") + k.name);
        const auto libc = reporter.nanoseconds.find(std::string("libc/") + k.name);
        if (ours == reporter.nanoseconds.end() || libc == reporter.nanoseconds.end()) continue;
        std::printf("%-16s %12.1f %12.1f %16.2f\n", k.name, ours->second, libc->second, ours->second / libc->second);
    }
    return 0;
}
