#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

#include "document/graph_drawing.h"
#include "drawing/sample_documents.h"
#include "support/recording_canvas.h"

namespace vg {
namespace {

using test::MakeGraph;
using test::NewDocument;
using test::RecordingCanvas;

struct Drawn {
    RecordingCanvas canvas;
    PlotFrame frame;
    explicit Drawn(int w = 400, int h = 400) : canvas(w, h) {}
};

void Draw(const TGraphicsManager& doc, Drawn& out, const DeviceContext& device = {})
{
    out.frame = DrawDocument(doc, out.canvas, {0, 0, out.canvas.Width(), out.canvas.Height()}, device);
}

struct LineCall {
    int x1, y1, x2, y2;
};

std::vector<LineCall> Lines(const RecordingCanvas& c)
{
    std::vector<LineCall> out;
    for (const std::string& s : c.CallsStartingWith("Line ")) {
        std::istringstream in(s.substr(5));
        LineCall l{};
        in >> l.x1 >> l.y1 >> l.x2 >> l.y2;
        out.push_back(l);
    }
    return out;
}

// Only the graph: no axes, marks, labels.
void BareFrame(TGraphicsManager& doc)
{
    DocumentOptions& d = doc.Options;
    d.AxisX = d.AxisY = 0;
    d.MarksX = d.MarksY = 0;
    d.LabelsX = d.LabelsY = 0;
}

TEST(DrawSegment, gapTest_leavesOutJumpsBeyondMaxGap)
{
    struct Row {
        int maxGap;
        long double x1, y1, x2, y2;
        bool drawn;
    };
    const Row rows[] = {
        {50, 0, -4, 0.1L, 4, true},       {50, 0, -6, 0.1L, 6, false},
        {10000, 0, -1000, 0.1L, 1000, true}, {50, -5, 0, 5, 0.5L, true},
        {40, -5, 0, 5, 0.5L, false},      {1, 0, 0, 0.1L, 0.1L, true},
    };
    for (const Row& r : rows) {
        auto doc = NewDocument();
        Drawn out;
        Draw(*doc, out);
        out.canvas.ClearCalls();
        DrawContext dc{&out.canvas, &doc->Options, out.frame, {}, nullptr};
        TLiner liner(out.canvas, 0, 1);
        DrawSegment(dc, r.maxGap, liner, r.x1, r.y1, r.x2, r.y2);
        EXPECT_EQ(Lines(out.canvas).size(), r.drawn ? 1u : 0u) << r.maxGap << " " << static_cast<double>(r.y2);
    }
}

TEST(DrawSegment, endFarOutside_isCutExactlyAtTheBorder)
{
    auto doc = NewDocument();
    Drawn out;
    Draw(*doc, out);
    const PlotMapping& m = out.frame.Mapping;
    struct Row {
        long double x1, y1, x2, y2;
        long double ex1, ey1, ex2, ey2;
    };
    const Row rows[] = {
        {0, 0, 0, 1e5L, 0, 0, 0, 10},
        {0, 0, 40, 20, 0, 0, 10, 5},
        {-30, -30, 30, 30, -10, -10, 10, 10},
        {5, 0, 5, -1.5e5L, 5, 0, 5, -10},
    };
    for (const Row& r : rows) {
        out.canvas.ClearCalls();
        DrawContext dc{&out.canvas, &doc->Options, out.frame, {}, nullptr};
        TLiner liner(out.canvas, 0, 1);
        DrawSegment(dc, 1000000, liner, r.x1, r.y1, r.x2, r.y2);
        auto lines = Lines(out.canvas);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].x1, m.ToScreenX(r.ex1));
        EXPECT_EQ(lines[0].y1, m.ToScreenY(r.ey1));
        EXPECT_EQ(lines[0].x2, m.ToScreenX(r.ex2));
        EXPECT_EQ(lines[0].y2, m.ToScreenY(r.ey2));
    }
}

TEST(DrawSegment, bothEndsOnOneOuterSide_orPassingACorner_drawNothing)
{
    auto doc = NewDocument();
    Drawn out;
    Draw(*doc, out);
    const long double rows[][4] = {{-20, 0, -11, 5}, {0, 11, 5, 30}, {-12, 9, -9, 12}};
    for (const auto& r : rows) {
        out.canvas.ClearCalls();
        DrawContext dc{&out.canvas, &doc->Options, out.frame, {}, nullptr};
        TLiner liner(out.canvas, 0, 1);
        DrawSegment(dc, 1000000, liner, r[0], r[1], r[2], r[3]);
        EXPECT_TRUE(Lines(out.canvas).empty()) << static_cast<double>(r[0]);
    }
}

// The near-vertical segments at the poles of tan(x) jump across most of
// the interval.
int PoleSegments(int maxGap)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    GraphRecord r = MakeGraph(*doc, GraphKind::YFromX, "tan(x)", 0);
    r.Line.CommonBuild = 0;
    r.Line.Steps = 200;
    r.Line.MaxGap = maxGap;
    doc->AddGraph(r);
    doc->ComputeAllGraphs();
    Drawn out;
    Draw(*doc, out);
    int poles = 0;
    for (const LineCall& l : Lines(out.canvas))
        if (std::abs(l.y2 - l.y1) > 150) ++poles;
    return poles;
}

TEST(DrawGraph, tanWithMaxGap50_leavesOutThePoles)
{
    EXPECT_EQ(PoleSegments(50), 0);
    EXPECT_GE(PoleSegments(10000), 4);
}

TEST(DrawGraph, smoothedTableWithTwoPoints_isAStraightLine)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    GraphRecord t = MakeGraph(*doc, GraphKind::Table, "", 0);
    t.SetTablePoint(0, -5, -5);
    t.SetTablePoint(1, 5, 5);
    t.SetTableFlags(TableFlags::Make(TableSort::ByX, true, TableQuality::High));
    doc->AddGraph(t);
    doc->ComputeAllGraphs();
    Drawn out;
    Draw(*doc, out);
    EXPECT_EQ(Lines(out.canvas).size(), 1u);

    t.SetTablePoint(2, 8, 0);
    doc->ClearGraphs();
    doc->AddGraph(t);
    doc->ComputeAllGraphs();
    Drawn smooth;
    Draw(*doc, smooth);
    EXPECT_GT(Lines(smooth.canvas).size(), 40u);
}

TEST(DrawGraph, tableSkipsUnusedSlotsAndDrawsPoints)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    GraphRecord t = MakeGraph(*doc, GraphKind::Table, "", 9);
    t.SetTablePoint(0, 1, 1);
    t.SetTablePoint(4, 3, 2);
    t.SetTablePoint(7, -2, 0);
    t.SetTableFlags(TableFlags::Make(TableSort::None, false, TableQuality::Low));
    test::SetPoints(t, 3, 5);
    doc->AddGraph(t);
    doc->ComputeAllGraphs();
    Drawn out;
    Draw(*doc, out);
    EXPECT_EQ(Lines(out.canvas).size(), 2u);
    EXPECT_EQ(out.canvas.CallsStartingWith("Polygon").size(), 3u);
}

TEST(DrawGraph, zeroCurveWithoutSignChange_drawsNothing)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    GraphRecord r = MakeGraph(*doc, GraphKind::Equation, "x^2+y^2+1", 0);
    r.Equation.Relation = EquationRelation::Zero;
    doc->AddGraph(r);
    doc->ComputeAllGraphs();
    Drawn out;
    Draw(*doc, out);
    EXPECT_TRUE(Lines(out.canvas).empty());
    EXPECT_EQ(out.canvas.Count(0), 0);
}

TEST(DrawGraph, inequality_shadesInsideTheCircleOnly)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    GraphRecord r = MakeGraph(*doc, GraphKind::Equation, "x^2+y^2-25", 12);
    r.Equation.Relation = EquationRelation::Less;
    r.BrushStyle = 0;
    doc->AddGraph(r);
    doc->ComputeAllGraphs();
    Drawn out;
    Draw(*doc, out);
    const PlotMapping& m = out.frame.Mapping;
    const ColorValue blue = kColorTable[12];
    EXPECT_EQ(out.canvas.At(m.ToScreenX(0), m.ToScreenY(0)), blue);
    EXPECT_EQ(out.canvas.At(m.ToScreenX(4.5L), m.ToScreenY(0)), blue);
    EXPECT_NE(out.canvas.At(m.ToScreenX(5.6L), m.ToScreenY(0)), blue);
    EXPECT_NE(out.canvas.At(m.ToScreenX(4), m.ToScreenY(4)), blue);
    // The rim is filled in quarter cells.
    EXPECT_GT(out.canvas.CallsStartingWith("FillRect").size(), 100u);
}

TEST(DrawGraph, shadingStopsWhenEscIsPressed_onlyOnTheScreen)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    GraphRecord r = MakeGraph(*doc, GraphKind::Equation, "x", 12);
    r.Equation.Relation = EquationRelation::Less;
    r.BrushStyle = 0;
    doc->AddGraph(r);
    doc->ComputeAllGraphs();
    RecordingCanvas screen(300, 300);
    DrawDocument(*doc, screen, {0, 0, 300, 300}, {}, [] { return true; });
    EXPECT_EQ(screen.Count(kColorTable[12]), 0);
    RecordingCanvas picture(300, 300);
    DrawDocument(*doc, picture, {0, 0, 300, 300}, {});

    EXPECT_GT(picture.Count(kColorTable[12]), 10000);
}

TEST(DrawGraph, slopeField_drawsOneSegmentOfLineLengthPerDefinedCell)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    GraphRecord r = MakeGraph(*doc, GraphKind::DifField, "1/(x-y)", 0);
    r.DifField.Params.SeriesX = 4;
    r.DifField.Params.SeriesY = 4;
    r.DifField.Params.LineLength = 20;
    doc->AddGraph(r);
    doc->ComputeAllGraphs();
    Drawn out;
    Draw(*doc, out);
    // The four cells on the diagonal have no slope.
    auto lines = Lines(out.canvas);
    EXPECT_EQ(lines.size(), 12u);
    for (const LineCall& l : lines) {
        double len = std::hypot(l.x2 - l.x1, l.y2 - l.y1);
        EXPECT_NEAR(len, 20.0, 1.5);
    }
}

TEST(DrawDocument, whileCalculating_drawsNoGraphs)
{
    auto doc = NewDocument();
    BareFrame(*doc);
    doc->AddGraph(MakeGraph(*doc, GraphKind::YFromX, "x", 0));
    doc->ComputeAllGraphs();
    doc->Calculating = true;
    Drawn out;
    Draw(*doc, out);
    EXPECT_TRUE(Lines(out.canvas).empty());
}

TEST(PrepareDevice, scale2_doublesWidthsAndFonts_andLeavesTheRecords)
{
    auto doc = NewDocument();
    doc->AddGraph(MakeGraph(*doc, GraphKind::YFromX, "x", 2, 0, 1));
    doc->ComputeAllGraphs();
    DocumentOptions before = doc->Options;
    GraphRecord graphBefore = doc->Graph(0).Record;
    Drawn out(800, 800);
    Draw(*doc, out, PrepareDevice(*doc, 2));
    EXPECT_FALSE(out.canvas.CallsStartingWith("Pen 008000 2 ").empty());
    EXPECT_FALSE(out.canvas.CallsStartingWith("Font MS Sans Serif 16 ").empty());
    EXPECT_TRUE(SameBytes(before, doc->Options));
    EXPECT_TRUE(SameBytes(graphBefore, doc->Graph(0).Record));
    Drawn plain(800, 800);
    Draw(*doc, plain);
    EXPECT_FALSE(plain.canvas.CallsStartingWith("Pen 008000 1 ").empty());
    EXPECT_TRUE(plain.canvas.CallsStartingWith("Font MS Sans Serif 16 ").empty());
}

TEST(DrawGraph, indicesFromFiles_outOfRange_drawWithoutHarm)
{
    auto doc = NewDocument();
    GraphRecord r = MakeGraph(*doc, GraphKind::YFromX, "x", 0);
    r.Color = 250;
    r.LineStyleWidth = 0x7FFFFFFF;
    r.PointStyle = 200;
    r.PointSize = -7;
    r.Points = 1;
    doc->AddGraph(r);
    GraphRecord e = MakeGraph(*doc, GraphKind::Equation, "x", 0);
    e.Equation.Relation = EquationRelation::Greater;
    e.BrushStyle = 99;
    doc->AddGraph(e);
    doc->Options.BackColor = 77;
    doc->Options.AxisXStyle = 9;
    doc->Options.AxisXWidth = -4;
    doc->ComputeAllGraphs();
    Drawn out;
    Draw(*doc, out);
    EXPECT_GT(Lines(out.canvas).size(), 10u);
}

}  // namespace
}  // namespace vg
