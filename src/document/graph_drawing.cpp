#include "document/graph_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "document/axis_scaling.h"
#include "document/compute_kinds.h"
#include "document/effective_params.h"
#include "document/graph_computation.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

struct AxisPoint {
    long double x;
    long double y;
};

bool Defined(const AxisPoint& p) { return IsDefined(p.x) && IsDefined(p.y); }

// Moves (x1, y1) along the segment onto the border y = border.
void MoveToHorizontalBorder(long double& x1, long double& y1, long double x2, long double y2,
                            long double border)
{
    if (y2 != y1) x1 = RoundMantissa(x2 - (x2 - x1) * (y2 - border) / (y2 - y1));
    y1 = border;
}

void MoveToVerticalBorder(long double& x1, long double& y1, long double x2, long double y2,
                          long double border)
{
    if (x2 != x1) y1 = RoundMantissa(y2 - (y2 - y1) * (x2 - border) / (x2 - x1));
    x1 = border;
}

ColorValue GraphColor(const DrawContext& dc, const GraphRecord& r)
{
    return dc.device.BlackAndWhite ? 0 : ColorOfIndex(r.ColorIndex());
}

int GraphLineWidth(const DrawContext& dc, const GraphRecord& r)
{
    return ScaledPixels(r.LineWidth(), dc.device.GraphWidthScale);
}

bool InsideInterval(const DrawContext& dc, const AxisPoint& p)
{
    const DocumentOptions& d = *dc.options;
    return p.x >= d.MinX && p.x <= d.MaxX && p.y >= d.MinY && p.y <= d.MaxY;
}

// Joins consecutive defined points; an undefined one breaks the line.
void DrawPolyline(const DrawContext& dc, const TFunction& graph, const std::vector<AxisPoint>& pts)
{
    TLiner liner(*dc.canvas, graph.Record.LineStyleIndex(), GraphLineWidth(dc, graph.Record));
    liner.SetColor(GraphColor(dc, graph.Record));
    const int gap = EffectiveMaxGap(graph.Record, *dc.options);
    for (std::size_t k = 1; k < pts.size(); ++k)
        if (Defined(pts[k - 1]) && Defined(pts[k]))
            DrawSegment(dc, gap, liner, pts[k - 1].x, pts[k - 1].y, pts[k].x, pts[k].y);
}

void DrawPoints(const DrawContext& dc, const GraphRecord& r, const std::vector<AxisPoint>& pts)
{
    const int size = ScaledPixels(r.PointSizePixels(), dc.device.Scale());
    const ColorValue color = GraphColor(dc, r);
    for (const AxisPoint& p : pts) {
        if (!Defined(p) || !InsideInterval(dc, p)) continue;
        DrawPointMark(*dc.canvas, dc.frame.Mapping.ToScreenX(p.x), dc.frame.Mapping.ToScreenY(p.y),
                      r.PointStyleIndex(), size, color);
    }
}

std::vector<AxisPoint> FunctionPoints(const DrawContext& dc, const TFunction& graph)
{
    const DocumentOptions& d = *dc.options;
    std::vector<AxisPoint> pts;
    LineSampling s = PlanLineSampling(graph.Record, d);
    if (s.Empty) return pts;
    const std::size_t count = std::min<std::size_t>(graph.ValueCount(), std::size_t(s.Steps) + 1);
    const bool alongX = graph.Record.Kind == GraphKind::YFromX;
    pts.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        long double u = s.Position(static_cast<int32_t>(k));
        long double value = graph.GetValue(k + 1);
        if (alongX)
            pts.push_back({u, IsDefined(value) ? UnscaledY(d, value) : kUndefined});
        else
            pts.push_back({IsDefined(value) ? UnscaledX(d, value) : kUndefined, u});
    }
    return pts;
}

AxisPoint UnscaledPoint(const DocumentOptions& d, long double x, long double y)
{
    return {IsDefined(x) ? UnscaledX(d, x) : kUndefined, IsDefined(y) ? UnscaledY(d, y) : kUndefined};
}

std::vector<AxisPoint> CurvePoints(const DrawContext& dc, const TFunction& graph)
{
    std::vector<AxisPoint> pts;
    const std::size_t count = graph.ValueCount() / 2;
    pts.reserve(count);
    for (std::size_t k = 0; k < count; ++k)
        pts.push_back(UnscaledPoint(*dc.options, graph.GetValue(2 * k + 1), graph.GetValue(2 * k + 2)));
    return pts;
}

// The sorted slots, as the computation left them.
std::vector<AxisPoint> TableSlots(const TFunction& graph)
{
    std::vector<AxisPoint> slots;
    const std::size_t count = std::min<std::size_t>(graph.ValueCount() / 2, kTableSlots);
    for (std::size_t k = 0; k < count; ++k)
        slots.push_back({graph.GetValue(2 * k + 1), graph.GetValue(2 * k + 2)});
    return slots;
}

std::vector<AxisPoint> TablePoints(const DrawContext& dc, const std::vector<AxisPoint>& slots)
{
    std::vector<AxisPoint> pts;
    for (const AxisPoint& s : slots) {
        long double x = RoundToDisplay(s.x), y = RoundToDisplay(s.y);
        if (!IsDefined(x) || !IsDefined(y)) continue;  // unused slots are skipped
        pts.push_back(UnscaledPoint(*dc.options, x, y));
    }
    return pts;
}

bool SameSplineKey(const AxisPoint& a, const AxisPoint& b, TableSort sort)
{
    switch (sort) {
    case TableSort::ByX: return a.x == b.x;
    case TableSort::ByY: return a.y == b.y;
    default: return a.x == b.x && a.y == b.y;
    }
}

// The parameter values of the spline's knots: the points the computation
// built it over (moved together, runs of one key reduced to their last).
std::vector<long double> SplineKnots(const std::vector<AxisPoint>& slots, TableSort sort)
{
    std::vector<AxisPoint> used;
    for (const AxisPoint& p : slots)
        if (IsDefined(p.x) && IsDefined(p.y)) used.push_back(p);
    std::vector<AxisPoint> knots;
    for (std::size_t k = 0; k < used.size(); ++k)
        if (k + 1 >= used.size() || !SameSplineKey(used[k], used[k + 1], sort)) knots.push_back(used[k]);
    std::vector<long double> t;
    for (std::size_t k = 0; k < knots.size(); ++k) {
        if (sort == TableSort::ByX)
            t.push_back(knots[k].x);
        else if (sort == TableSort::ByY)
            t.push_back(knots[k].y);
        else
            t.push_back(k == 0 ? 0
                               : t[k - 1] + std::sqrt((knots[k].x - knots[k - 1].x) * (knots[k].x - knots[k - 1].x) +
                                                      (knots[k].y - knots[k - 1].y) * (knots[k].y - knots[k - 1].y)));
    }
    return t;
}

int32_t SplineCount(const TFunction& graph)
{
    int32_t m = 0;
    std::memcpy(&m, graph.ValuesData() + kSplineCountOffset, sizeof m);
    return m;
}

long double Cubic(const TFunction& graph, std::size_t abOffset, std::size_t cdOffset, int k, long double t)
{
    std::size_t ab = abOffset / 10 + 2 * static_cast<std::size_t>(k) + 1;
    std::size_t cd = cdOffset / 10 + 2 * static_cast<std::size_t>(k) + 1;
    return graph.GetValue(ab) + graph.GetValue(ab + 1) * t + graph.GetValue(cd) * t * t +
           graph.GetValue(cd + 1) * t * t * t;
}

bool DrawSmoothedTable(const DrawContext& dc, const TFunction& graph, const std::vector<AxisPoint>& slots)
{
    const TableFlags flags = graph.Record.GetTableFlags();
    if (!flags.Smoothing() || graph.ValuesSize < kSmoothTableBytes) return false;
    const int32_t m = SplineCount(graph);
    std::vector<long double> t = SplineKnots(slots, flags.Sort());
    if (m < 3 || static_cast<std::size_t>(m) != t.size()) return false;
    const int steps = flags.Quality() == TableQuality::Low ? 10 : flags.Quality() == TableQuality::Medium ? 25 : 50;
    std::vector<AxisPoint> pts;
    pts.reserve(static_cast<std::size_t>(m - 1) * (steps + 1));
    for (int k = 0; k + 1 < m; ++k) {
        for (int i = 0; i <= steps; ++i) {
            long double tt = t[k] + (t[k + 1] - t[k]) * i / steps;
            pts.push_back(UnscaledPoint(*dc.options, Cubic(graph, kSplineXAB, kSplineXCD, k, tt),
                                        Cubic(graph, kSplineYAB, kSplineYCD, k, tt)));
        }
    }
    DrawPolyline(dc, graph, pts);
    return true;
}

void DrawTable(const DrawContext& dc, const TFunction& graph)
{
    std::vector<AxisPoint> slots = TableSlots(graph);
    std::vector<AxisPoint> pts = TablePoints(dc, slots);
    if (graph.Record.Lines && !DrawSmoothedTable(dc, graph, slots)) DrawPolyline(dc, graph, pts);
    if (graph.Record.Points) DrawPoints(dc, graph.Record, pts);
}

void DrawZeroCurve(const DrawContext& dc, const TFunction& graph)
{
    TLiner liner(*dc.canvas, graph.Record.LineStyleIndex(), GraphLineWidth(dc, graph.Record));
    liner.SetColor(GraphColor(dc, graph.Record));
    const int gap = EffectiveMaxGap(graph.Record, *dc.options);
    const std::size_t segments = graph.ValuesSize / 40;
    for (std::size_t k = 0; k < segments; ++k) {
        std::size_t i = 4 * k + 1;
        DrawSegment(dc, gap, liner, graph.GetValue(i), graph.GetValue(i + 1), graph.GetValue(i + 2),
                    graph.GetValue(i + 3));
    }
}

bool Interrupted(const DrawContext& dc) { return dc.escapePressed && dc.escapePressed(); }

// A rectangle of the plane filled with the brush, cut to the plot rectangle.
void FillPlaneRect(const DrawContext& dc, long double x1, long double y1, long double x2, long double y2)
{
    const PlotMapping& m = dc.frame.Mapping;
    int a = m.ToScreenX(x1), b = m.ToScreenX(x2), c = m.ToScreenY(y1), e = m.ToScreenY(y2);
    CanvasRect r{std::min(a, b), std::min(c, e), std::max(a, b), std::max(c, e)};
    const CanvasRect& p = m.PlotRect;
    r.left = std::max(r.left, p.left);
    r.top = std::max(r.top, p.top);
    r.right = std::min(r.right, p.right + 1);
    r.bottom = std::min(r.bottom, p.bottom + 1);
    if (!r.IsEmpty()) dc.canvas->FillRect(r);
}

void DrawInequality(const DrawContext& dc, const TFunction& graph)
{
    const EquationParams& p = graph.Record.Equation.Params;
    PlaneGrid g = PlanPlaneGrid(graph.Record, *dc.options);
    const int32_t sx = p.StepsX, sy = p.StepsY;
    if (g.Empty || sx <= 0 || sy <= 0 ||
        graph.ValuesSize != static_cast<std::size_t>(sx) * static_cast<std::size_t>(sy) * 2)
        return;
    const long double hx = (g.HiX - g.LoX) / sx, hy = (g.HiY - g.LoY) / sy;
    dc.canvas->SetPen(0, 1, PenStyle::None);
    dc.canvas->SetBrush(GraphColor(dc, graph.Record), ShadingBrush(graph.Record.BrushStyleIndex()));
    for (int32_t i = 1; i <= sx; ++i) {
        if (Interrupted(dc)) return;
        for (int32_t j = 1; j <= sy; ++j) {
            uint16_t word = graph.GetWord(static_cast<std::size_t>(i - 1) * sy + j);
            if (word == 0) continue;
            const long double x0 = g.LoX + (i - 1) * hx, y0 = g.LoY + (j - 1) * hy;
            if (word == 65535) {
                FillPlaneRect(dc, x0, y0, g.LoX + i * hx, g.LoY + j * hy);
                continue;
            }
            for (int a = 1; a <= 4; ++a)
                for (int b = 1; b <= 4; ++b)
                    if (word & (1u << ((a - 1) * 4 + (b - 1))))
                        FillPlaneRect(dc, x0 + (a - 1) * hx / 4, y0 + (b - 1) * hy / 4, x0 + a * hx / 4,
                                      y0 + b * hy / 4);
        }
    }
}

void DrawSlopeField(const DrawContext& dc, const TFunction& graph)
{
    const DifFieldParams& p = graph.Record.DifField.Params;
    PlaneGrid g = PlanPlaneGrid(graph.Record, *dc.options);
    const int32_t sx = p.SeriesX, sy = p.SeriesY;
    if (g.Empty || sx <= 0 || sy <= 0 ||
        graph.ValuesSize != static_cast<std::size_t>(sx) * static_cast<std::size_t>(sy) * 10)
        return;
    const PlotMapping& m = dc.frame.Mapping;
    const bool dxdy = graph.Record.DifField.Direction == FieldDirection::DxDy;
    const long double hx = (g.HiX - g.LoX) / sx, hy = (g.HiY - g.LoY) / sy;
    const long double half = std::clamp(int32_t{p.LineLength}, kMinLineLength, kMaxLineLength) * dc.device.Scale() / 2;
    const long double signX = m.XLeftToRight ? 1 : -1, signY = m.YBottomToTop ? -1 : 1;
    TLiner liner(*dc.canvas, graph.Record.LineStyleIndex(), GraphLineWidth(dc, graph.Record));
    liner.SetColor(GraphColor(dc, graph.Record));
    for (int32_t i = 1; i <= sx; ++i) {
        if (Interrupted(dc)) return;
        for (int32_t j = 1; j <= sy; ++j) {
            long double k = graph.GetCell(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
            if (!IsDefined(k)) continue;
            int cx = m.ToScreenX(g.LoX + (i - 0.5L) * hx), cy = m.ToScreenY(g.LoY + (j - 0.5L) * hy);
            long double du = dxdy ? k : 1, dv = dxdy ? 1 : k;
            long double px = du * m.PixelsPerUnitX * signX, py = dv * m.PixelsPerUnitY * signY;
            // A slope too steep for the arithmetic runs straight along the axis.
            if (std::isinf(px) || std::isinf(py)) {
                px = std::isinf(px) ? std::copysign(1.0L, px) : 0;
                py = std::isinf(py) ? std::copysign(1.0L, py) : 0;
            }
            long double len = std::hypot(px, py);
            if (!(len > 0) || !std::isfinite(len)) continue;
            int ex = static_cast<int>(std::nearbyint(px / len * half));
            int ey = static_cast<int>(std::nearbyint(py / len * half));
            liner.Line(cx - ex, cy - ey, cx + ex, cy + ey);
        }
    }
}

void DrawLineKind(const DrawContext& dc, const TFunction& graph)
{
    std::vector<AxisPoint> pts = graph.Record.Kind == GraphKind::YFromX || graph.Record.Kind == GraphKind::XFromY
                                     ? FunctionPoints(dc, graph)
                                     : CurvePoints(dc, graph);
    if (graph.Record.Lines) DrawPolyline(dc, graph, pts);
    if (graph.Record.Points) DrawPoints(dc, graph.Record, pts);
}

}  // namespace

void DrawSegment(const DrawContext& dc, int maxGap, TLiner& liner, long double x1, long double y1,
                 long double x2, long double y2)
{
    const DocumentOptions& d = *dc.options;
    x1 = RoundMantissa(x1);
    y1 = RoundMantissa(y1);
    x2 = RoundMantissa(x2);
    y2 = RoundMantissa(y2);
    if (!IsDefined(x1) || !IsDefined(y1) || !IsDefined(x2) || !IsDefined(y2)) return;
    const long double minX = RoundMantissa(d.MinX), maxX = RoundMantissa(d.MaxX);
    const long double minY = RoundMantissa(d.MinY), maxY = RoundMantissa(d.MaxY);
    if ((y1 > maxY && y2 > maxY) || (y1 < minY && y2 < minY) || (x1 < minX && x2 < minX) ||
        (x1 > maxX && x2 > maxX))
        return;
    const long double g = maxGap;
    if (!(std::fabs(y2 - y1) <= g * (maxY - minY) * 0.01L) ||
        !(std::fabs(x2 - x1) <= g * (maxX - minX) * 0.01L))
        return;
    if (y1 > maxY) MoveToHorizontalBorder(x1, y1, x2, y2, maxY);
    if (y1 < minY) MoveToHorizontalBorder(x1, y1, x2, y2, minY);
    if (y2 > maxY) MoveToHorizontalBorder(x2, y2, x1, y1, maxY);
    if (y2 < minY) MoveToHorizontalBorder(x2, y2, x1, y1, minY);
    if (x1 < minX) MoveToVerticalBorder(x1, y1, x2, y2, minX);
    if (x1 > maxX) MoveToVerticalBorder(x1, y1, x2, y2, maxX);
    if (x2 < minX) MoveToVerticalBorder(x2, y2, x1, y1, minX);
    if (x2 > maxX) MoveToVerticalBorder(x2, y2, x1, y1, maxX);
    // A segment that passes outside a corner of the interval ends up with an
    // end still outside it: nothing of it is visible.
    const long double slackY = (maxY - minY) * 1e-9L;
    if (y1 > maxY + slackY || y1 < minY - slackY || y2 > maxY + slackY || y2 < minY - slackY) return;
    const PlotMapping& m = dc.frame.Mapping;
    liner.Line(m.ToScreenX(x1), m.ToScreenY(y1), m.ToScreenX(x2), m.ToScreenY(y2));
}

void DrawGraph(const DrawContext& dc, const TFunction& graph)
{
    if (graph.ValuesSize == 0 || !graph.HasValues() || dc.canvas == nullptr || dc.options == nullptr)
        return;
    switch (graph.Record.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar:
    case GraphKind::Param: DrawLineKind(dc, graph); break;
    case GraphKind::Table: DrawTable(dc, graph); break;
    case GraphKind::Equation:
        if (!graph.Record.Visible) break;
        if (graph.Record.Equation.Relation == EquationRelation::Zero)
            DrawZeroCurve(dc, graph);
        else
            DrawInequality(dc, graph);
        break;
    case GraphKind::DifField:
        if (graph.Record.Visible) DrawSlopeField(dc, graph);
        break;
    default: break;
    }
}

PlotFrame DrawDocument(const TGraphicsManager& document, Canvas& canvas, const CanvasRect& output,
                       const DeviceContext& device, const std::function<bool()>& escapePressed)
{
    DrawContext dc;
    dc.canvas = &canvas;
    dc.options = &document.Options;
    dc.device = device;
    dc.escapePressed = escapePressed;
    dc.frame = DrawFrame(canvas, document.Options, document.View, output, device);
    if (!dc.frame.Drawable || document.Calculating) return dc.frame;
    for (const auto& graph : document.Graphs)
        if (graph->Record.Visible && !graph->IsEmpty()) DrawGraph(dc, *graph);
    return dc.frame;
}

DeviceContext PrepareDevice(const TGraphicsManager& /*document*/, long double scale)
{
    if (!(scale >= 1)) scale = 1;
    if (scale > 10) scale = 10;
    return PictureDeviceContext(scale);
}

}  // namespace vg
