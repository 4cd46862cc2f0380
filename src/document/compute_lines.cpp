// YFromX, XFromY, Polar and Param: one value or one point per sample.
#include <cmath>
#include <numbers>

#include "document/axis_scaling.h"
#include "document/compute_frame.h"
#include "document/compute_kinds.h"
#include "document/effective_params.h"
#include "document/graph_computation.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

// Samples needed before the first index reaches the lower end; a handful at
// most, bounded so that a step lost in the magnitude of the start cannot loop.
constexpr int kMaxStartAdjust = 4;

bool ValidSteps(int32_t n) { return n >= kMinSteps && n <= kMaxSteps; }

}  // namespace

bool LineSampling::Beyond(long double u) const
{
    return u > Hi - H && NearZero(u) > Hi;
}

LineSampling PlanSampling(long double lo, long double hi, int32_t n, bool pointsAlign)
{
    LineSampling s;
    if (!(lo < hi) || !ValidSteps(n)) return s;
    s.Steps = n;
    s.H = (hi - lo) / n;
    if (!(s.H > 0) || !std::isfinite(s.H)) return s;
    if (pointsAlign) {
        s.Base = 0;
        s.First = std::trunc(lo / s.H) - 1;
    } else {
        s.Base = lo;
        s.First = 0;
    }
    s.Lo = NearZero(lo);
    s.Hi = NearZero(hi);
    for (int i = 0; i < kMaxStartAdjust && NearZero(s.Position(0)) < s.Lo; ++i) s.First += 1;
    s.Empty = false;
    return s;
}

LineSampling PlanLineSampling(const GraphRecord& g, const DocumentOptions& d)
{
    int32_t n = EffectiveSteps(g, d);
    bool align = d.PointsAlign != 0;
    switch (g.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY: {
        bool alongX = g.Kind == GraphKind::YFromX;
        long double lo = alongX ? EffectiveMinX(g, d) : EffectiveMinY(g, d);
        long double hi = alongX ? EffectiveMaxX(g, d) : EffectiveMaxY(g, d);
        long double docMin = alongX ? d.MinX : d.MinY;
        long double docMax = alongX ? d.MaxX : d.MaxY;
        if (docMin > hi || docMax < lo) hi = lo;
        return PlanSampling(lo, hi, n, align);
    }
    case GraphKind::Polar:
    case GraphKind::Param: {
        const LineParams& p = *LineParamsOf(g);
        return PlanSampling(p.Min, p.Max, n, align);
    }
    default: return LineSampling{};
    }
}

bool ComputeFunctionGraph(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index)
{
    graph.LastBeyond = false;
    const GraphRecord& r = graph.Record;
    if (graph.IsEmpty()) return true;
    LineSampling s = PlanLineSampling(r, d);
    if (s.Empty) return true;
    bool alongX = r.Kind == GraphKind::YFromX;
    CompiledFormula f;
    if (!f.Compile(r.Formula.View(), alongX ? "X" : "Y")) return true;
    const std::size_t count = static_cast<std::size_t>(s.Steps) + 1;
    if (!AllocateGraphValues(progress, graph, count * 10)) return true;

    ComputeMeter meter(progress, index);
    for (std::size_t k = 0; k < count; ++k) {
        long double u = s.Position(static_cast<int32_t>(k));
        long double arg = alongX ? ScaledX(d, NearZero(u)) : ScaledY(d, NearZero(u));
        long double value;
        if (!f.Evaluate(arg, value) || s.Beyond(u)) value = kUndefined;
        graph.SetValue(k + 1, value);
        if (!meter.Report(static_cast<long long>(k) + 1, static_cast<long long>(count))) {
            ClearGraphValues(graph);
            return false;
        }
    }
    graph.LastBeyond = NearZero(s.Position(s.Steps)) > s.Hi;
    return true;
}

bool ComputeCurveGraph(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index)
{
    graph.LastBeyond = false;
    const GraphRecord& r = graph.Record;
    if (graph.IsEmpty()) return true;
    LineSampling s = PlanLineSampling(r, d);
    if (s.Empty) return true;
    const bool polar = r.Kind == GraphKind::Polar;
    CompiledFormula fx, fy;
    if (polar) {
        if (!fx.Compile(r.Formula.View(), "A")) return true;
    } else if (!fx.Compile(r.Formula.View(), "T") || !fy.Compile(r.Param.Formula2.View(), "T")) {
        return true;
    }
    const std::size_t count = static_cast<std::size_t>(s.Steps) + 1;
    if (!AllocateGraphValues(progress, graph, count * 20)) return true;

    constexpr long double pi = std::numbers::pi_v<long double>;
    ComputeMeter meter(progress, index);
    for (std::size_t k = 0; k < count; ++k) {
        long double t = s.Position(static_cast<int32_t>(k));
        long double x = kUndefined, y = kUndefined;
        if (!s.Beyond(t)) {
            if (polar) {
                long double radius;
                if (fx.Evaluate(NearZero(t) * pi, radius)) {
                    x = radius * std::cos(t * pi);
                    y = radius * std::sin(t * pi);
                }
            } else {
                long double v;
                if (fx.Evaluate(NearZero(t), v)) x = v;
                if (fy.Evaluate(NearZero(t), v)) y = v;
            }
        }
        graph.SetValue(2 * k + 1, x);
        graph.SetValue(2 * k + 2, y);
        if (!meter.Report(static_cast<long long>(k) + 1, static_cast<long long>(count))) {
            ClearGraphValues(graph);
            return false;
        }
    }
    graph.LastBeyond = NearZero(s.Position(s.Steps)) > s.Hi;
    return true;
}

}  // namespace vg
