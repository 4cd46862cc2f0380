// Tracing: what the Trace window offers per graph, the values of each point,
// and where the cross stands with coefficients and logarithmic axes.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "document/trace_pointer.h"
#include "support/graph_records.h"

namespace vg {
namespace {

using test::Graph;

struct Traced {
    explicit Traced(const DocumentOptions& d) : doc(DefaultViewSettings(), d) {}
    TFunction& Add(const GraphRecord& r)
    {
        TFunction& f = doc.AddGraph(r);
        doc.ComputeGraph(f, doc.Options, doc.GraphCount() - 1);
        return f;
    }
    TGraphicsManager doc;
};

TEST(PrepareTrace, whatEachKindOffers)
{
    const DocumentOptions d = DefaultDocumentOptions();
    Traced t(d);
    GraphRecord emptyTable = Graph(d, GraphKind::Table, "");
    GraphRecord table = emptyTable;
    table.SetTablePoint(3, 1, 2);
    table.SetTablePoint(7, 3, kUndefined);  // half a point does not count
    struct Case {
        GraphRecord record;
        bool traceable;
        int count;
        const char* message;
        bool showA, showR;
    };
    const Case cases[] = {
        {Graph(d, GraphKind::YFromX, "x^2"), true, 201, "", false, false},
        {Graph(d, GraphKind::XFromY, "y"), true, 201, "", false, false},
        {Graph(d, GraphKind::Polar, "1"), true, 201, "", true, true},
        {Graph(d, GraphKind::Param, "t", "t"), true, 201, "", true, false},
        {table, true, 1, "", false, false},
        {emptyTable, false, 0, kTableEmptyText, false, false},
        {Graph(d, GraphKind::Equation, "x^2+y^2-1"), false, 0, kTraceImpossibleText, false, false},
        {Graph(d, GraphKind::DifField, "x"), false, 0, kTraceImpossibleText, false, false},
        {Graph(d, GraphKind::YFromX, "x+"), false, 0, kNoValuesText, false, false},
        {Graph(d, GraphKind::YFromX, ""), false, 0, kNoValuesText, false, false},
    };
    for (const Case& c : cases) {
        const TraceSetup s = PrepareTrace(t.Add(c.record), d);
        SCOPED_TRACE(GraphDescription(c.record));
        EXPECT_EQ(s.Traceable, c.traceable);
        EXPECT_EQ(s.PointCount, c.count);
        EXPECT_EQ(s.Message, c.message);
        EXPECT_EQ(s.ShowA, c.showA);
        EXPECT_EQ(s.ShowR, c.showR);
    }
}

TEST(PrepareTrace, aLastSampleBeyondTheIntervalIsNotOffered)
{
    DocumentOptions d = DefaultDocumentOptions();
    d.MaxX = 10.05L;  // aligned samples every 0.10025 overshoot the end
    Traced t(d);
    TFunction& f = t.Add(Graph(d, GraphKind::YFromX, "x"));
    ASSERT_TRUE(f.LastBeyond);
    EXPECT_EQ(PrepareTrace(f, d).PointCount, 200);
}

TEST(TracePointAt, samplesComeFromTheComputationsPositions)
{
    DocumentOptions d = DefaultDocumentOptions();
    d.CoeffX = 2.0L;  // the formula sees twice the axis value
    Traced t(d);
    TFunction& f = t.Add(Graph(d, GraphKind::YFromX, "x^2"));
    const TracePoint first = TracePointAt(f, d, 1);
    EXPECT_EQ(first.X, -20);
    EXPECT_EQ(first.Y, 400);
    const TracePoint p = TracePointAt(f, d, 111);  // axis 1, world 2
    EXPECT_EQ(p.X, 2);
    EXPECT_EQ(p.Y, 4);
    EXPECT_FALSE(p.HasA);

    // The cross stands at axis 1: the coefficient is undone.
    TTracePointer pointer;
    pointer.MoveTo(d, p.X, p.Y);
    EXPECT_TRUE(pointer.Active);
    EXPECT_EQ(pointer.X, 1);
    const PlotMapping m = MakePlotMapping(d, CanvasRect{0, 0, 200, 200});
    CanvasPoint c;
    ASSERT_TRUE(pointer.Centre(m, c));
    EXPECT_EQ(c.x, 110);
    EXPECT_EQ(c.y, 60);
    // y = 400 lies above the interval: listed, but no cross.
    pointer.MoveTo(d, first.X, first.Y);
    EXPECT_FALSE(pointer.Active);
    EXPECT_FALSE(pointer.Centre(m, c));
}

TEST(TracePointAt, logarithmicAxesPlaceTheCrossAtTheExponent)
{
    DocumentOptions d = DefaultDocumentOptions();
    d.LogY = 1;
    d.MinY = -2.0L;
    d.MaxY = 3.0L;
    d.MinX = -10.0L;
    d.MaxX = 10.0L;
    Traced t(d);
    TFunction& f = t.Add(Graph(d, GraphKind::YFromX, "x^2"));
    const TracePoint p = TracePointAt(f, d, 201);  // x = 10, y = 100
    EXPECT_EQ(p.X, 10);
    TTracePointer pointer;
    pointer.MoveTo(d, p.X, p.Y);
    ASSERT_TRUE(pointer.Active);
    EXPECT_NEAR(static_cast<double>(pointer.Y), 2, 1e-15);
    const PlotMapping m = MakePlotMapping(d, CanvasRect{0, 0, 200, 100});
    CanvasPoint c;
    ASSERT_TRUE(pointer.Centre(m, c));
    EXPECT_EQ(c.y, 20);
    // y = 0 has no place on a logarithmic axis.
    const TracePoint zero = TracePointAt(f, d, 101);
    EXPECT_EQ(zero.Y, 0);
    pointer.MoveTo(d, zero.X, zero.Y);
    EXPECT_FALSE(pointer.Active);
}

TEST(TracePointAt, polarGivesTheAngleInPiAndTheSignedRadius)
{
    const DocumentOptions d = DefaultDocumentOptions();
    Traced t(d);
    TFunction& f = t.Add(Graph(d, GraphKind::Polar, "1+a"));
    const TracePoint p = TracePointAt(f, d, 1);  // angle -pi, radius 1 - pi
    ASSERT_TRUE(p.HasA && p.HasR);
    EXPECT_EQ(p.A, -1);
    EXPECT_NEAR(static_cast<double>(p.R), 1 - std::numbers::pi, 1e-11);
    EXPECT_EQ(p.R, -p.X);
    const std::vector<TraceLabel> labels = TraceLabels(p);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[2].Name + labels[2].Text, "A=-1");
    EXPECT_EQ(labels[3].Name + labels[3].Text, "R=-2.1415927");
    // At a quarter turn the radius comes from y, still with its sign.
    const TracePoint q = TracePointAt(f, d, 51);  // angle -0.5
    EXPECT_EQ(q.A, -0.5L);
    EXPECT_NEAR(static_cast<double>(q.R), 1 - std::numbers::pi / 2, 1e-11);
    EXPECT_EQ(q.R, -q.Y);
}

TEST(TracePointAt, paramShowsItsParameterAndErrorsWhereUndefined)
{
    const DocumentOptions d = DefaultDocumentOptions();
    Traced t(d);
    TFunction& f = t.Add(Graph(d, GraphKind::Param, "t", "sqrt(t)"));
    const TracePoint p = TracePointAt(f, d, 1);  // t = -10
    EXPECT_EQ(p.A, -10);
    EXPECT_FALSE(p.HasR);
    const std::vector<TraceLabel> labels =
        TraceLabels(p, [](const std::string& s) { return s == "Error" ? std::string("Fehler") : s; });
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].Name + labels[0].Text, "X=-10");
    EXPECT_EQ(labels[1].Name + labels[1].Text, "Y=Fehler");
    EXPECT_EQ(labels[2].Name + labels[2].Text, "A=-10");
    TTracePointer pointer;
    pointer.MoveTo(d, p.X, p.Y);
    EXPECT_FALSE(pointer.Active);
}

TEST(TracePointAt, tablesGoThroughTheirDefinedSlotsInSortedOrder)
{
    const DocumentOptions d = DefaultDocumentOptions();
    Traced t(d);
    GraphRecord r = Graph(d, GraphKind::Table, "");
    r.SetTablePoint(0, 5, 6);
    r.SetTablePoint(4, kUndefined, 1);
    r.SetTablePoint(9, 1, 2);
    TFunction& f = t.Add(r);
    ASSERT_EQ(PrepareTrace(f, d).PointCount, 2);
    EXPECT_EQ(TracePointAt(f, d, 1).X, 1);
    EXPECT_EQ(TracePointAt(f, d, 2).Y, 6);
    EXPECT_FALSE(IsDefined(TracePointAt(f, d, 3).X));
}

TEST(TracePointer, theCrossIsClippedToTheSurface)
{
    const DocumentOptions d = DefaultDocumentOptions();
    TTracePointer pointer;
    pointer.MoveTo(d, -10, 10);  // the top left corner of the interval
    const PlotMapping m = MakePlotMapping(d, CanvasRect{5, 5, 205, 205});
    const std::vector<CanvasPoint> pixels = pointer.CrossPixels(m, 300, 300);
    // Arms of 15: 5 + 1 + 15 pixels of the bar, 5 + 15 more of the column.
    EXPECT_EQ(pixels.size(), 21u + 20u);
    for (const CanvasPoint& p : pixels) EXPECT_TRUE(p.x >= 0 && p.y >= 0);
    EXPECT_EQ(pointer.CrossPixels(m, 300, 300, 15, 2).size(), 2 * 21u + 2 * 19u);
    pointer.Remove();
    EXPECT_TRUE(pointer.CrossPixels(m, 300, 300).empty());
}

}  // namespace
}  // namespace vg
