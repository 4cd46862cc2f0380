// Table graphs: the slots sorted as the table's flags say and, with
// smoothing, the natural cubic splines X(t) and Y(t) through its points.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "document/compute_frame.h"
#include "document/compute_kinds.h"
#include "document/graph_computation.h"

namespace vg {

namespace {

struct Point {
    long double X;
    long double Y;
};

using Slots = std::array<Point, kTableSlots>;

// Undefined coordinates (unused slots) sort last.
long double SortKey(long double v) { return IsDefined(v) ? v : kUndefined; }

Slots ReadSlots(const GraphRecord& r)
{
    Slots slots;
    for (int k = 0; k < kTableSlots; ++k) {
        TablePoint p = r.GetTablePoint(k);
        slots[static_cast<std::size_t>(k)] = {p.X, p.Y};
    }
    return slots;
}

// Stable, so points with equal keys keep the user's order.
void SortSlots(Slots& slots, TableSort sort)
{
    if (sort == TableSort::ByX)
        std::stable_sort(slots.begin(), slots.end(),
                         [](const Point& a, const Point& b) { return SortKey(a.X) < SortKey(b.X); });
    else if (sort == TableSort::ByY)
        std::stable_sort(slots.begin(), slots.end(),
                         [](const Point& a, const Point& b) { return SortKey(a.Y) < SortKey(b.Y); });
}

bool SameKey(const Point& a, const Point& b, TableSort sort)
{
    switch (sort) {
    case TableSort::ByX: return a.X == b.X;
    case TableSort::ByY: return a.Y == b.Y;
    default: return a.X == b.X && a.Y == b.Y;
    }
}

// Points moved together; of a run with the same key only the last stays.
int CompactForSpline(const Slots& sorted, TableSort sort, Slots& out)
{
    Slots used;
    int n = 0;
    for (const Point& p : sorted)
        if (IsDefined(p.X) && IsDefined(p.Y)) used[static_cast<std::size_t>(n++)] = p;
    int m = 0;
    for (int k = 0; k < n; ++k) {
        if (k + 1 < n && SameKey(used[static_cast<std::size_t>(k)], used[static_cast<std::size_t>(k + 1)], sort))
            continue;
        out[static_cast<std::size_t>(m++)] = used[static_cast<std::size_t>(k)];
    }
    return m;
}

struct Cubic {
    long double A, B, C, D;  // A + B t + C t^2 + D t^3 in the absolute parameter
};
using CubicArray = std::array<Cubic, kTableSlots>;

// Natural cubic spline through (t[k], v[k]), k < m, with the second
// derivative 0 at both ends; one cubic per interval. False when the data
// give no finite spline.
bool BuildNaturalSpline(const long double* t, const long double* v, int m, CubicArray& out)
{
    std::array<long double, kTableSlots> h{}, second{}, diag{}, rhs{};
    for (int k = 0; k + 1 < m; ++k) {
        h[k] = t[k + 1] - t[k];
        if (!(h[k] > 0) || !std::isfinite(h[k])) return false;
    }
    // Tridiagonal system for the inner second derivatives (Thomas algorithm).
    for (int k = 1; k + 1 < m; ++k) {
        diag[k] = 2 * (h[k - 1] + h[k]);
        rhs[k] = 6 * ((v[k + 1] - v[k]) / h[k] - (v[k] - v[k - 1]) / h[k - 1]);
        if (k > 1) {
            long double w = h[k - 1] / diag[k - 1];
            diag[k] -= w * h[k - 1];
            rhs[k] -= w * rhs[k - 1];
        }
    }
    second[0] = second[m - 1] = 0;
    for (int k = m - 2; k >= 1; --k) second[k] = (rhs[k] - h[k] * second[k + 1]) / diag[k];

    for (int k = 0; k + 1 < m; ++k) {
        long double b = (v[k + 1] - v[k]) / h[k] - h[k] * (2 * second[k] + second[k + 1]) / 6;
        long double c = second[k] / 2;
        long double d = (second[k + 1] - second[k]) / (6 * h[k]);
        long double s = t[k];
        Cubic q{v[k] - b * s + c * s * s - d * s * s * s, b - 2 * c * s + 3 * d * s * s, c - 3 * d * s, d};
        if (!std::isfinite(q.A) || !std::isfinite(q.B) || !std::isfinite(q.C) || !std::isfinite(q.D))
            return false;
        out[k] = q;
    }
    return true;
}

void PutPair(TFunction& graph, std::size_t byteOffset, int k, long double first, long double second)
{
    std::size_t value = byteOffset / 10 + 2 * static_cast<std::size_t>(k) + 1;
    graph.SetValue(value, first);
    graph.SetValue(value + 1, second);
}

void StoreSpline(TFunction& graph, const CubicArray& xs, const CubicArray& ys, int m)
{
    for (int k = 0; k + 1 < m; ++k) {
        PutPair(graph, kSplineXAB, k, xs[k].A, xs[k].B);
        PutPair(graph, kSplineXCD, k, xs[k].C, xs[k].D);
        PutPair(graph, kSplineYAB, k, ys[k].A, ys[k].B);
        PutPair(graph, kSplineYCD, k, ys[k].C, ys[k].D);
    }
}

void StoreSplineCount(TFunction& graph, int32_t m)
{
    std::memcpy(graph.ValuesData() + kSplineCountOffset, &m, sizeof m);
}

void Smooth(TFunction& graph, const Slots& sorted, TableSort sort)
{
    Slots points;
    int m = CompactForSpline(sorted, sort, points);
    StoreSplineCount(graph, m);
    if (m < 3) return;
    std::array<long double, kTableSlots> t{}, xs{}, ys{};
    for (int k = 0; k < m; ++k) {
        xs[k] = points[static_cast<std::size_t>(k)].X;
        ys[k] = points[static_cast<std::size_t>(k)].Y;
        if (sort == TableSort::ByX) t[k] = xs[k];
        else if (sort == TableSort::ByY) t[k] = ys[k];
        else t[k] = k == 0 ? 0 : t[k - 1] + std::sqrt((xs[k] - xs[k - 1]) * (xs[k] - xs[k - 1]) +
                                                       (ys[k] - ys[k - 1]) * (ys[k] - ys[k - 1]));
    }
    CubicArray sx{}, sy{};
    if (!BuildNaturalSpline(t.data(), xs.data(), m, sx) || !BuildNaturalSpline(t.data(), ys.data(), m, sy)) {
        StoreSplineCount(graph, -1);
        return;
    }
    StoreSpline(graph, sx, sy, m);
}

}  // namespace

bool ComputeTable(ComputeProgress& progress, TFunction& graph)
{
    const TableFlags flags = graph.Record.GetTableFlags();
    const std::size_t bytes = flags.Smoothing() ? kSmoothTableBytes : kTableSlotsBytes;
    if (!AllocateGraphValues(progress, graph, bytes)) return true;
    Slots slots = ReadSlots(graph.Record);
    SortSlots(slots, flags.Sort());
    for (int k = 0; k < kTableSlots; ++k) {
        graph.SetValue(2 * static_cast<std::size_t>(k) + 1, slots[static_cast<std::size_t>(k)].X);
        graph.SetValue(2 * static_cast<std::size_t>(k) + 2, slots[static_cast<std::size_t>(k)].Y);
    }
    if (flags.Smoothing()) Smooth(graph, slots, flags.Sort());
    return true;
}

}  // namespace vg
