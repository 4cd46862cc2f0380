// DifField (slope field) and the inequality regions of Equation.
#include <vector>

#include "document/axis_scaling.h"
#include "document/compute_frame.h"
#include "document/compute_kinds.h"
#include "document/effective_params.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

constexpr uint16_t kAllHold = 65535;

bool InRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

bool Holds(EquationRelation relation, long double v)
{
    long double z = NearZero(v);
    return relation == EquationRelation::Less ? z < 0 : z > 0;
}

// The cell word grid of an inequality, 1-based cells (i along X, j along Y).
class CellWords {
public:
    CellWords(TFunction& graph, int32_t stepsX, int32_t stepsY) : graph_(graph), sy_(stepsY), sx_(stepsX) {}
    std::size_t Index(int32_t i, int32_t j) const
    {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(sy_) + static_cast<std::size_t>(j);
    }
    uint16_t Get(int32_t i, int32_t j) const { return graph_.GetWord(Index(i, j)); }
    void Set(int32_t i, int32_t j, uint16_t w) { graph_.SetWord(Index(i, j), w); }
    bool DiffersFromNeighbour(int32_t i, int32_t j) const
    {
        uint16_t w = Get(i, j);
        for (int32_t a = i - 1; a <= i + 1; ++a)
            for (int32_t b = j - 1; b <= j + 1; ++b)
                if (a >= 1 && a <= sx_ && b >= 1 && b <= sy_ && Get(a, b) != w) return true;
        return false;
    }

private:
    TFunction& graph_;
    int32_t sy_;
    int32_t sx_;
};

// The sx by sy cells of a DifField or inequality over the graph's plane,
// each hx by hy, with the formula of X and Y ready to evaluate.
struct CellGrid {
    PlaneGrid plane;
    CompiledFormula formula;
    long long cells = 0;
    long double hx = 0, hy = 0;
};

// False when there is nothing to compute: an empty plane, a formula that does
// not translate, or no memory for bytesPerCell bytes a cell.
bool PrepareCellGrid(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int32_t sx,
                     int32_t sy, std::size_t bytesPerCell, CellGrid& grid)
{
    const GraphRecord& r = graph.Record;
    grid.plane = PlanPlaneGrid(r, d);
    if (grid.plane.Empty) return false;
    if (!grid.formula.Compile(r.Formula.View(), "X", "Y")) return false;
    grid.cells = static_cast<long long>(sx) * sy;
    if (!AllocateGraphValues(progress, graph, static_cast<std::size_t>(grid.cells) * bytesPerCell)) return false;
    grid.hx = (grid.plane.HiX - grid.plane.LoX) / sx;
    grid.hy = (grid.plane.HiY - grid.plane.LoY) / sy;
    return true;
}

}  // namespace

PlaneGrid PlanPlaneGrid(const GraphRecord& g, const DocumentOptions& d)
{
    PlaneGrid p;
    p.LoX = EffectiveMinX(g, d);
    p.HiX = EffectiveMaxX(g, d);
    p.LoY = EffectiveMinY(g, d);
    p.HiY = EffectiveMaxY(g, d);
    if (d.MinX > p.HiX || d.MaxX < p.LoX) p.HiX = p.LoX;
    if (d.MinY > p.HiY || d.MaxY < p.LoY) p.HiY = p.LoY;
    p.Empty = !(NearZero(p.LoX) < NearZero(p.HiX)) || !(NearZero(p.LoY) < NearZero(p.HiY));
    return p;
}

bool ComputeSlopeField(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index)
{
    const GraphRecord& r = graph.Record;
    const int32_t sx = r.DifField.Params.SeriesX, sy = r.DifField.Params.SeriesY;
    if (graph.IsEmpty() || !InRange(sx, kMinSeries, kMaxSeries) || !InRange(sy, kMinSeries, kMaxSeries))
        return true;
    CellGrid g;
    if (!PrepareCellGrid(progress, graph, d, sx, sy, 10, g)) return true;
    const PlaneGrid& p = g.plane;
    const long long cells = g.cells;
    const long double hx = g.hx, hy = g.hy;
    ComputeMeter meter(progress, index);
    long long done = 0;
    for (int32_t i = 1; i <= sx; ++i) {
        const long double x = ScaledX(d, NearZero(p.LoX + (i - 0.5L) * hx));
        for (int32_t j = 1; j <= sy; ++j) {
            const long double y = ScaledY(d, NearZero(p.LoY + (j - 0.5L) * hy));
            long double slope;
            if (!g.formula.Evaluate(x, y, slope)) slope = kUndefined;
            graph.SetValue(static_cast<std::size_t>(i - 1) * sy + j, slope);
            if (!meter.Report(++done, cells)) {
                ClearGraphValues(graph);
                return false;
            }
        }
    }
    return true;
}

bool ComputeInequality(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index)
{
    const GraphRecord& r = graph.Record;
    const int32_t sx = r.Equation.Params.StepsX, sy = r.Equation.Params.StepsY;
    const EquationRelation relation = r.Equation.Relation;
    if (graph.IsEmpty() || !InRange(sx, kMinEquationSteps, kMaxEquationSteps) ||
        !InRange(sy, kMinEquationSteps, kMaxEquationSteps))
        return true;
    CellGrid g;
    if (!PrepareCellGrid(progress, graph, d, sx, sy, 2, g)) return true;
    const PlaneGrid& p = g.plane;
    const long long cells = g.cells;
    const long double hx = g.hx, hy = g.hy;
    auto holdsAt = [&](long double x, long double y) {
        long double v;
        return g.formula.Evaluate(ScaledX(d, NearZero(x)), ScaledY(d, NearZero(y)), v) && Holds(relation, v);
    };
    CellWords words(graph, sx, sy);
    ComputeMeter meter(progress, index);
    long long done = 0;
    for (int32_t i = 1; i <= sx; ++i) {
        for (int32_t j = 1; j <= sy; ++j) {
            bool holds = holdsAt(p.LoX + (i - 0.5L) * hx, p.LoY + (j - 0.5L) * hy);
            words.Set(i, j, holds ? kAllHold : 0);
            if (!meter.Report(++done, cells, 0, 50)) {
                ClearGraphValues(graph);
                return false;
            }
        }
    }

    // Boundary cells are found on the first pass's words before any of them
    // is refined.
    std::vector<uint8_t> boundary(static_cast<std::size_t>(cells) + 1, 0);
    for (int32_t i = 1; i <= sx; ++i)
        for (int32_t j = 1; j <= sy; ++j) boundary[words.Index(i, j)] = words.DiffersFromNeighbour(i, j);

    done = 0;
    for (int32_t i = 1; i <= sx; ++i) {
        for (int32_t j = 1; j <= sy; ++j) {
            if (boundary[words.Index(i, j)]) {
                uint16_t mask = 0;
                for (int a = 1; a <= 4; ++a) {
                    const long double x = p.LoX + (i - 1) * hx + (a - 0.5L) * hx / 4;
                    for (int b = 1; b <= 4; ++b) {
                        const long double y = p.LoY + (j - 1) * hy + (b - 0.5L) * hy / 4;
                        if (holdsAt(x, y)) mask = static_cast<uint16_t>(mask | (1u << ((a - 1) * 4 + (b - 1))));
                    }
                }
                words.Set(i, j, mask);
            }
            if (!meter.Report(++done, cells, 50, 50)) {
                ClearGraphValues(graph);
                return false;
            }
        }
    }
    return true;
}

}  // namespace vg
