#include "document/effective_params.h"

#include <algorithm>

namespace vg {

namespace {

bool OwnIntervalX(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::YFromX: return !g.Line.CommonInterval;
    case GraphKind::Equation: return !g.Equation.Params.CommonInterval;
    case GraphKind::DifField: return !g.DifField.Params.CommonInterval;
    case GraphKind::Integral:
        return !g.Integral.Params.CommonInterval && g.Integral.Direction != FieldDirection::DxDy;
    default: return false;
    }
}

bool OwnIntervalY(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::XFromY: return !g.Line.CommonInterval;
    case GraphKind::Equation: return !g.Equation.Params.CommonInterval;
    case GraphKind::DifField: return !g.DifField.Params.CommonInterval;
    case GraphKind::Integral:
        // A dx/dy curve keeps its Y interval in the MinX/MaxX fields.
        return !g.Integral.Params.CommonInterval && g.Integral.Direction == FieldDirection::DxDy;
    default: return false;
    }
}

long double OwnMinX(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::Equation: return g.Equation.Params.MinX;
    case GraphKind::DifField: return g.DifField.Params.MinX;
    case GraphKind::Integral: return g.Integral.Params.MinX;
    default: return g.Line.Min;
    }
}

long double OwnMaxX(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::Equation: return g.Equation.Params.MaxX;
    case GraphKind::DifField: return g.DifField.Params.MaxX;
    case GraphKind::Integral: return g.Integral.Params.MaxX;
    default: return g.Line.Max;
    }
}

long double OwnMinY(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::Equation: return g.Equation.Params.MinY;
    case GraphKind::DifField: return g.DifField.Params.MinY;
    case GraphKind::Integral: return g.Integral.Params.MinX;
    default: return g.Line.Min;
    }
}

long double OwnMaxY(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::Equation: return g.Equation.Params.MaxY;
    case GraphKind::DifField: return g.DifField.Params.MaxY;
    case GraphKind::Integral: return g.Integral.Params.MaxX;
    default: return g.Line.Max;
    }
}

}  // namespace

long double EffectiveMinX(const GraphRecord& g, const DocumentOptions& d)
{
    return OwnIntervalX(g) ? std::max<long double>(d.MinX, OwnMinX(g)) : d.MinX.Get();
}

long double EffectiveMaxX(const GraphRecord& g, const DocumentOptions& d)
{
    return OwnIntervalX(g) ? std::min<long double>(d.MaxX, OwnMaxX(g)) : d.MaxX.Get();
}

long double EffectiveMinY(const GraphRecord& g, const DocumentOptions& d)
{
    return OwnIntervalY(g) ? std::max<long double>(d.MinY, OwnMinY(g)) : d.MinY.Get();
}

long double EffectiveMaxY(const GraphRecord& g, const DocumentOptions& d)
{
    return OwnIntervalY(g) ? std::min<long double>(d.MaxY, OwnMaxY(g)) : d.MaxY.Get();
}

const LineParams* LineParamsOf(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar: return &g.Line;
    case GraphKind::Param: return &g.Param.Line;
    default: return nullptr;
    }
}

int32_t EffectiveSteps(const GraphRecord& g, const DocumentOptions& d)
{
    if (const LineParams* p = LineParamsOf(g)) return p->CommonBuild ? d.Steps : p->Steps;
    if (g.Kind == GraphKind::Integral && !g.Integral.Params.CommonBuild) return g.Integral.Params.Steps;
    return d.Steps;
}

int32_t EffectiveMaxGap(const GraphRecord& g, const DocumentOptions& d)
{
    if (const LineParams* p = LineParamsOf(g)) return p->CommonBuild ? d.MaxGap : p->MaxGap;
    switch (g.Kind) {
    case GraphKind::Integral:
        return g.Integral.Params.CommonBuild ? d.MaxGap : g.Integral.Params.MaxGap;
    case GraphKind::Equation: return g.Equation.Params.MaxGap;
    case GraphKind::Table: return kMaxMaxGap;
    default: return d.MaxGap;
    }
}

PlanePoint IntegralStartPoint(const GraphRecord& g, const DocumentOptions& d)
{
    long double x = g.Integral.Params.FirstX;
    long double y = g.Integral.Params.FirstY;
    if (!(d.MinX <= x && x <= d.MaxX)) x = (d.MinX + d.MaxX) / 2;
    if (!(d.MinY <= y && y <= d.MaxY)) y = (d.MinY + d.MaxY) / 2;
    return {x, y};
}

}  // namespace vg

