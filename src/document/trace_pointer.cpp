#include "document/trace_pointer.h"

#include <cmath>
#include <numbers>

#include "document/axis_scaling.h"
#include "document/graph_computation.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

bool LineKind(GraphKind kind)
{
    return kind == GraphKind::YFromX || kind == GraphKind::XFromY || kind == GraphKind::Polar ||
           kind == GraphKind::Param;
}

bool DefinedSlot(long double x, long double y)
{
    return IsDefined(x) && IsDefined(y) && IsDefined(RoundToDisplay(x)) && IsDefined(RoundToDisplay(y));
}

// The defined slots of a table in the sorted order the computation left.
std::vector<std::size_t> DefinedTableSlots(const TFunction& graph)
{
    std::vector<std::size_t> slots;
    const std::size_t count = std::min<std::size_t>(graph.ValueCount() / 2, kTableSlots);
    for (std::size_t k = 0; k < count; ++k)
        if (DefinedSlot(graph.GetValue(2 * k + 1), graph.GetValue(2 * k + 2))) slots.push_back(k);
    return slots;
}

int SampleCount(const TFunction& graph, const DocumentOptions& d)
{
    const std::size_t perSample = graph.Record.Kind == GraphKind::YFromX || graph.Record.Kind == GraphKind::XFromY
                                      ? 1
                                      : 2;
    const long long computed = static_cast<long long>(graph.ValueCount() / perSample);
    long long samples = static_cast<long long>(graph.EffectiveSteps(d)) + (graph.LastBeyond ? 0 : 1);
    if (samples > computed) samples = computed;
    return samples > 0 ? static_cast<int>(samples) : 0;
}

// The radius from the point and its angle, with the sign the formula gave.
long double PolarRadius(long double x, long double y, long double angle)
{
    if (!IsDefined(x) || !IsDefined(y)) return kUndefined;
    constexpr long double pi = std::numbers::pi_v<long double>;
    const long double c = std::cos(angle * pi), s = std::sin(angle * pi);
    return std::fabs(c) >= std::fabs(s) ? x / c : y / s;
}

std::string ValueText(long double v, const TextTranslation& translate)
{
    if (IsDefined(v)) return FormatNumber(v);
    return translate ? translate(kTraceErrorText) : std::string(kTraceErrorText);
}

bool InsideInterval(long double v, long double min, long double max)
{
    const long double n = NearZero(v);
    return IsDefined(v) && n >= NearZero(min) && n <= NearZero(max);
}

}  // namespace

TraceSetup PrepareTrace(const TFunction& graph, const DocumentOptions& d)
{
    TraceSetup setup;
    const GraphKind kind = graph.Record.Kind;
    if (kind == GraphKind::Equation || kind == GraphKind::DifField || kind == GraphKind::Integral) {
        setup.Message = kTraceImpossibleText;
        return setup;
    }
    if (graph.ValuesSize == 0 || !graph.HasValues() || !(LineKind(kind) || kind == GraphKind::Table)) {
        setup.Message = kNoValuesText;
        return setup;
    }
    setup.PointCount = kind == GraphKind::Table ? static_cast<int>(DefinedTableSlots(graph).size())
                                                : SampleCount(graph, d);
    if (setup.PointCount == 0) {
        setup.Message = kind == GraphKind::Table ? kTableEmptyText : kNoValuesText;
        return setup;
    }
    setup.Traceable = true;
    setup.ShowA = kind == GraphKind::Polar || kind == GraphKind::Param;
    setup.ShowR = kind == GraphKind::Polar;
    return setup;
}

TracePoint TracePointAt(const TFunction& graph, const DocumentOptions& d, int k)
{
    TracePoint p;
    if (k < 1 || !graph.HasValues()) return p;
    const std::size_t index = static_cast<std::size_t>(k - 1);
    const GraphKind kind = graph.Record.Kind;
    if (kind == GraphKind::Table) {
        const std::vector<std::size_t> slots = DefinedTableSlots(graph);
        if (index >= slots.size()) return p;
        p.X = RoundToDisplay(graph.GetValue(2 * slots[index] + 1));
        p.Y = RoundToDisplay(graph.GetValue(2 * slots[index] + 2));
        return p;
    }
    if (!LineKind(kind)) return p;
    const LineSampling s = PlanLineSampling(graph.Record, d);
    if (s.Empty || k > SampleCount(graph, d)) return p;
    const long double u = NearZero(s.Position(static_cast<int32_t>(index)));
    switch (kind) {
    case GraphKind::YFromX:
        p.X = ScaledX(d, u);
        p.Y = graph.GetValue(index + 1);
        break;
    case GraphKind::XFromY:
        p.X = graph.GetValue(index + 1);
        p.Y = ScaledY(d, u);
        break;
    default:
        p.X = graph.GetValue(2 * index + 1);
        p.Y = graph.GetValue(2 * index + 2);
        p.A = u;
        p.HasA = true;
        if (kind == GraphKind::Polar) {
            p.R = PolarRadius(p.X, p.Y, u);
            p.HasR = true;
        }
        break;
    }
    return p;
}

std::vector<TraceLabel> TraceLabels(const TracePoint& point, const TextTranslation& translate)
{
    std::vector<TraceLabel> labels{{"X=", ValueText(point.X, translate)}, {"Y=", ValueText(point.Y, translate)}};
    if (point.HasA) labels.push_back({"A=", ValueText(point.A, translate)});
    if (point.HasR) labels.push_back({"R=", ValueText(point.R, translate)});
    return labels;
}

void TTracePointer::MoveTo(const DocumentOptions& d, long double x, long double y)
{
    X = IsDefined(x) ? UnscaledX(d, x) : kUndefined;
    Y = IsDefined(y) ? UnscaledY(d, y) : kUndefined;
    Active = InsideInterval(X, d.MinX, d.MaxX) && InsideInterval(Y, d.MinY, d.MaxY);
}

bool TTracePointer::Centre(const PlotMapping& mapping, CanvasPoint& centre) const
{
    if (!Active) return false;
    centre = {mapping.ToScreenX(X), mapping.ToScreenY(Y)};
    return true;
}

std::vector<CanvasPoint> TTracePointer::CrossPixels(const PlotMapping& mapping, int width, int height, int arm,
                                                    int thickness) const
{
    std::vector<CanvasPoint> pixels;
    CanvasPoint c;
    if (!Centre(mapping, c)) return pixels;
    const int low = -(thickness - 1) / 2, high = thickness / 2;
    auto add = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels.push_back({x, y});
    };
    // The horizontal bar, then the vertical one without the pixels they share.
    for (int t = low; t <= high; ++t)
        for (int i = -arm; i <= arm; ++i) add(c.x + i, c.y + t);
    for (int t = low; t <= high; ++t)
        for (int i = -arm; i <= arm; ++i)
            if (i < low || i > high) add(c.x + t, c.y + i);
    return pixels;
}

}  // namespace vg
