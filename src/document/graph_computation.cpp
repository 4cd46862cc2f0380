#include "document/graph_computation.h"

#include "document/compute_frame.h"
#include "document/compute_kinds.h"
#include "document/effective_params.h"

namespace vg {

bool ComputeGraphWith(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index)
{
    ClearGraphValues(graph);
    switch (graph.Record.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY: return ComputeFunctionGraph(progress, graph, d, index);
    case GraphKind::Polar:
    case GraphKind::Param: return ComputeCurveGraph(progress, graph, d, index);
    case GraphKind::DifField: return ComputeSlopeField(progress, graph, d, index);
    case GraphKind::Equation:
        return graph.Record.Equation.Relation == EquationRelation::Less ||
                       graph.Record.Equation.Relation == EquationRelation::Greater
                   ? ComputeInequality(progress, graph, d, index)
                   : ComputeZeroCurve(progress, graph, d, index);
    case GraphKind::Table: return ComputeTable(progress, graph);
    default: return true;  // Integral curves and unknown kinds have no points
    }
}

bool ComputeGraph(TGraphicsManager& doc, TFunction& graph, const DocumentOptions& d, int index)
{
    if (!doc.ContinueCalculation) {
        ClearGraphValues(graph);
        return false;
    }
    return ComputeGraphWith(doc.Progress(), graph, d, index);
}

bool TGraphicsManager::ComputeGraph(TFunction& graph, const DocumentOptions& d, int index)
{
    return vg::ComputeGraph(*this, graph, d, index);
}

namespace {

bool Differ(const Ext80& a, const Ext80& b) { return a.Get() != b.Get(); }

bool AxisXScaleDiffers(const DocumentOptions& o, const DocumentOptions& n)
{
    return Differ(o.CoeffX, n.CoeffX) || o.LogX != n.LogX || (o.LogX && n.LogX && Differ(o.LogBaseX, n.LogBaseX));
}

bool AxisYScaleDiffers(const DocumentOptions& o, const DocumentOptions& n)
{
    return Differ(o.CoeffY, n.CoeffY) || o.LogY != n.LogY || (o.LogY && n.LogY && Differ(o.LogBaseY, n.LogBaseY));
}

bool IntervalXDiffers(const GraphRecord& g, const DocumentOptions& o, const DocumentOptions& n)
{
    return EffectiveMinX(g, o) != EffectiveMinX(g, n) || EffectiveMaxX(g, o) != EffectiveMaxX(g, n);
}

bool IntervalYDiffers(const GraphRecord& g, const DocumentOptions& o, const DocumentOptions& n)
{
    return EffectiveMinY(g, o) != EffectiveMinY(g, n) || EffectiveMaxY(g, o) != EffectiveMaxY(g, n);
}

bool StepsDiffer(const GraphRecord& g, const DocumentOptions& o, const DocumentOptions& n)
{
    return EffectiveSteps(g, o) != EffectiveSteps(g, n);
}

bool PlaneDiffers(const GraphRecord& g, const DocumentOptions& o, const DocumentOptions& n)
{
    return IntervalXDiffers(g, o, n) || IntervalYDiffers(g, o, n) || AxisXScaleDiffers(o, n) ||
           AxisYScaleDiffers(o, n);
}

}  // namespace

bool NeedsRecompute(const TFunction& graph, const DocumentOptions& o, const DocumentOptions& n)
{
    if (o.PointsAlign != n.PointsAlign) return true;
    const GraphRecord& g = graph.Record;
    switch (g.Kind) {
    case GraphKind::YFromX:
        return IntervalXDiffers(g, o, n) || StepsDiffer(g, o, n) || AxisXScaleDiffers(o, n);
    case GraphKind::XFromY:
        return IntervalYDiffers(g, o, n) || StepsDiffer(g, o, n) || AxisYScaleDiffers(o, n);
    case GraphKind::Polar:
    case GraphKind::Param: return StepsDiffer(g, o, n);
    case GraphKind::Equation:
    case GraphKind::DifField: return PlaneDiffers(g, o, n);
    case GraphKind::Integral: {
        PlanePoint a = IntegralStartPoint(g, o), b = IntegralStartPoint(g, n);
        return PlaneDiffers(g, o, n) || a.X != b.X || a.Y != b.Y;
    }
    default: return false;
    }
}

}  // namespace vg
