// The curve f(x,y)=0 of an Equation graph, as a list of segments found on a
// node grid twice as fine as the graph's steps.
#include <cmath>
#include <new>
#include <vector>

#include "document/axis_scaling.h"
#include "document/compute_frame.h"
#include "document/compute_kinds.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

struct Crossing {
    bool Present = false;
    long double X = 0;
    long double Y = 0;
};

struct Segment {
    long double X1, Y1, X2, Y2;
};

bool SameSpot(const Crossing& a, const Crossing& b) { return a.X == b.X && a.Y == b.Y; }

bool SignChange(long double a, long double b)
{
    if (!IsDefined(a) || !IsDefined(b)) return false;
    return (a <= 0 && b >= 0) || (a >= 0 && b <= 0);
}

// The node grid in the graph's Values, 1-based nodes.
class NodeGrid {
public:
    NodeGrid(TFunction& graph, const PlaneGrid& p, int32_t nx, int32_t ny)
        : graph_(graph), nx_(nx), ny_(ny), loX_(p.LoX), loY_(p.LoY),
          hx_((p.HiX - p.LoX) / (nx - 1)), hy_((p.HiY - p.LoY) / (ny - 1))
    {
    }
    int32_t NX() const { return nx_; }
    int32_t NY() const { return ny_; }
    long double HX() const { return hx_; }
    long double HY() const { return hy_; }
    long double NodeX(int32_t i) const { return loX_ + (i - 1) * hx_; }
    long double NodeY(int32_t j) const { return loY_ + (j - 1) * hy_; }
    std::size_t Index(int32_t i, int32_t j) const
    {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ny_) + static_cast<std::size_t>(j);
    }
    long double F(int32_t i, int32_t j) const { return graph_.GetValue(Index(i, j)); }
    void SetF(int32_t i, int32_t j, long double v) { graph_.SetValue(Index(i, j), v); }

    // Crossing on the edge from node (i, j) to (i + 1, j).
    Crossing Horizontal(int32_t i, int32_t j) const
    {
        Crossing c;
        if (i < 1 || i >= nx_ || j < 1 || j > ny_) return c;
        long double a = F(i, j), b = F(i + 1, j);
        if (!SignChange(a, b)) return c;
        c.Present = true;
        c.X = a == b ? NodeX(i + 1) : loX_ + (i - 1) * hx_ + hx_ * a / (a - b);
        c.Y = NodeY(j);
        return c;
    }
    // Crossing on the edge from node (i, j) to (i, j + 1).
    Crossing Vertical(int32_t i, int32_t j) const
    {
        Crossing c;
        if (i < 1 || i > nx_ || j < 1 || j >= ny_) return c;
        long double a = F(i, j), b = F(i, j + 1);
        if (!SignChange(a, b)) return c;
        c.Present = true;
        c.X = NodeX(i);
        c.Y = a == b ? NodeY(j + 1) : loY_ + (j - 1) * hy_ + hy_ * a / (a - b);
        return c;
    }

private:
    TFunction& graph_;
    int32_t nx_, ny_;
    long double loX_, loY_, hx_, hy_;
};

class SegmentList {
public:
    explicit SegmentList(std::size_t expected) { segments_.reserve(expected); }
    void Join(const Crossing& a, const Crossing& b)
    {
        if (!a.Present || !b.Present || SameSpot(a, b)) return;
        segments_.push_back(Segment{a.X, a.Y, b.X, b.Y});
    }
    const std::vector<Segment>& Items() const { return segments_; }

private:
    std::vector<Segment> segments_;
};

// Joins the crossings on the four edges of the cell whose lower-left node is
// (i, j): two crossings make one segment; three (a node exactly on the
// curve) are joined in turn around the cell; four (a saddle) are paired by
// the sign of the cell's mean value.
void JoinCell(const NodeGrid& g, int32_t i, int32_t j, SegmentList& out)
{
    // Around the cell: bottom, right, top, left.
    Crossing edge[4] = {g.Horizontal(i, j), g.Vertical(i + 1, j), g.Horizontal(i, j + 1), g.Vertical(i, j)};
    Crossing distinct[4];
    int n = 0;
    for (const Crossing& c : edge) {
        if (!c.Present) continue;
        bool seen = false;
        for (int k = 0; k < n; ++k) seen = seen || SameSpot(distinct[k], c);
        if (!seen) distinct[n++] = c;
    }
    if (n == 2) {
        out.Join(distinct[0], distinct[1]);
    } else if (n == 3) {
        out.Join(distinct[0], distinct[1]);
        out.Join(distinct[1], distinct[2]);
    } else if (n == 4) {
        long double bl = g.F(i, j), br = g.F(i + 1, j), tr = g.F(i + 1, j + 1), tl = g.F(i, j + 1);
        long double centre = (bl + br + tr + tl) / 4;
        if ((centre > 0) == (bl > 0)) {
            out.Join(edge[0], edge[1]);
            out.Join(edge[2], edge[3]);
        } else {
            out.Join(edge[0], edge[3]);
            out.Join(edge[1], edge[2]);
        }
    }
}

// Crossings on consecutive edges of one grid line, at most two steps apart.
void JoinAlongLines(const NodeGrid& g, int32_t i, int32_t j, SegmentList& out)
{
    Crossing v1 = g.Vertical(i, j), v2 = g.Vertical(i, j + 1);
    if (v1.Present && v2.Present && std::fabs(v2.Y - v1.Y) <= 2 * g.HY()) out.Join(v1, v2);
    Crossing h1 = g.Horizontal(i, j), h2 = g.Horizontal(i + 1, j);
    if (h1.Present && h2.Present && std::fabs(h2.X - h1.X) <= 2 * g.HX()) out.Join(h1, h2);
}

bool StoreSegments(ComputeProgress& progress, TFunction& graph, const std::vector<Segment>& segments)
{
    ClearGraphValues(graph);
    if (segments.empty()) return true;
    if (!AllocateGraphValues(progress, graph, segments.size() * 40)) return true;
    std::size_t v = 1;
    for (const Segment& s : segments) {
        graph.SetValue(v++, s.X1);
        graph.SetValue(v++, s.Y1);
        graph.SetValue(v++, s.X2);
        graph.SetValue(v++, s.Y2);
    }
    return true;
}

}  // namespace

bool ComputeZeroCurve(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index)
{
    const GraphRecord& r = graph.Record;
    const int32_t sx = r.Equation.Params.StepsX, sy = r.Equation.Params.StepsY;
    if (graph.IsEmpty() || sx < kMinEquationSteps || sx > kMaxEquationSteps || sy < kMinEquationSteps ||
        sy > kMaxEquationSteps)
        return true;
    PlaneGrid p = PlanPlaneGrid(r, d);
    if (p.Empty) return true;
    CompiledFormula f;
    if (!f.Compile(r.Formula.View(), "X", "Y")) return true;
    const int32_t nx = 2 * sx + 1, ny = 2 * sy + 1;
    const long long nodes = static_cast<long long>(nx) * ny;
    if (!AllocateGraphValues(progress, graph, static_cast<std::size_t>(nodes) * 10)) return true;

    NodeGrid grid(graph, p, nx, ny);
    {
        ComputeMeter meter(progress, index);
        long long done = 0;
        for (int32_t i = 1; i <= nx; ++i) {
            const long double x = ScaledX(d, NearZero(grid.NodeX(i)));
            for (int32_t j = 1; j <= ny; ++j) {
                long double v;
                if (!f.Evaluate(x, ScaledY(d, NearZero(grid.NodeY(j))), v)) v = kUndefined;
                grid.SetF(i, j, v);
                if (!meter.Report(++done, nodes)) {
                    ClearGraphValues(graph);
                    return false;
                }
            }
        }
    }

    try {
        SegmentList segments(static_cast<std::size_t>(4 * (nx + ny)));
        for (int32_t i = 1; i <= nx; ++i) {
            for (int32_t j = 1; j <= ny; ++j) {
                if (i < nx && j < ny) JoinCell(grid, i, j, segments);
                JoinAlongLines(grid, i, j, segments);
            }
        }
        return StoreSegments(progress, graph, segments.Items());
    } catch (const std::bad_alloc&) {
        ClearGraphValues(graph);
        progress.ProcessMessages();
        progress.ShowError(kNotEnoughMemoryText);
        return true;
    }
}

}  // namespace vg
