// The pictures of the style lists and of the graph list window, drawn on the
// recording canvas, which rasterizes with its own independent rules.

#include <gtest/gtest.h>

#include <set>

#include "app/style_pictures.h"
#include "document/draw_styles.h"
#include "graphs_test_support.h"
#include "support/recording_canvas.h"

namespace vg {
namespace {

using graphs_test::RecordOf;
using test::RecordingCanvas;

constexpr ColorValue kWhite = 0xFFFFFF;
constexpr ColorValue kBlack = 0x000000;

// Rows that hold at least one pixel of the colour.
std::set<int> RowsWith(const RecordingCanvas& canvas, ColorValue color)
{
    std::set<int> rows;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) == color) rows.insert(y);
    return rows;
}

TEST(StyleItems, listsHaveTheirTableSizes)
{
    EXPECT_EQ(StyleListCount(StyleList::LineStyle), 4);
    EXPECT_EQ(StyleListCount(StyleList::LineWidth), 5);
    EXPECT_EQ(StyleListCount(StyleList::PointSize), 6);
    EXPECT_EQ(StyleListCount(StyleList::PointStyle), 8);
    EXPECT_EQ(StyleListCount(StyleList::Color), 16);
    EXPECT_EQ(StyleListCount(StyleList::Pointer), 2);
    EXPECT_EQ(StyleListCount(StyleList::Brush), 7);
}

TEST(StyleItems, eachItemShowsItsStyle)
{
    // Widths: index i covers i + 1 rows, at every scale the rows grow with it.
    for (int i = 0; i < 5; ++i) {
        for (double scale : {1.0, 2.0}) {
            RecordingCanvas canvas(80, 20);
            DrawStyleItem(canvas, StyleList::LineWidth, i, {0, 0, 80, 20}, kBlack, kWhite, scale);
            EXPECT_EQ(int(RowsWith(canvas, kBlack).size()), int((i + 1) * scale)) << i << " at " << scale;
        }
    }
    // Line styles: the solid line has the most pixels, the dashes fewer.
    int solid = 0;
    for (int i = 0; i < 4; ++i) {
        RecordingCanvas canvas(80, 20);
        DrawStyleItem(canvas, StyleList::LineStyle, i, {0, 0, 80, 20}, kBlack, kWhite);
        if (i == 0) solid = canvas.Count(kBlack);
        else EXPECT_LT(canvas.Count(kBlack), solid) << i;
        EXPECT_GT(canvas.Count(kBlack), 0) << i;
    }
    // Colours: a framed swatch of the colour itself.
    for (int i = 1; i < 15; ++i) {
        RecordingCanvas canvas(40, 16);
        DrawStyleItem(canvas, StyleList::Color, i, {0, 0, 40, 16}, kBlack, kWhite);
        EXPECT_EQ(canvas.At(20, 8), ColorOfIndex(i)) << i;
        EXPECT_EQ(canvas.At(2, 2), kBlack) << "frame";
        EXPECT_EQ(canvas.At(0, 0), kWhite) << "margin";
    }
    // Point sizes: a filled square of 2i + 1 pixels.
    for (int i = 0; i < 6; ++i) {
        RecordingCanvas canvas(30, 30);
        DrawStyleItem(canvas, StyleList::PointSize, i, {0, 0, 30, 30}, kBlack, kWhite);
        EXPECT_EQ(canvas.Count(kBlack), (2 * i + 1) * (2 * i + 1)) << i;
    }
    // Pointers: the arrow head adds pixels to the axis line.
    RecordingCanvas arrow(60, 20), plain(60, 20);
    DrawStyleItem(arrow, StyleList::Pointer, 0, {0, 0, 60, 20}, kBlack, kWhite);
    DrawStyleItem(plain, StyleList::Pointer, 1, {0, 0, 60, 20}, kBlack, kWhite);
    EXPECT_GT(arrow.Count(kBlack), plain.Count(kBlack) + 10);
    // Shading: solid fills the swatch, the hatches leave background inside.
    RecordingCanvas solidBrush(40, 20), hatch(40, 20);
    DrawStyleItem(solidBrush, StyleList::Brush, 0, {0, 0, 40, 20}, kBlack, kWhite);
    DrawStyleItem(hatch, StyleList::Brush, 3, {0, 0, 40, 20}, kBlack, kWhite);
    EXPECT_GT(solidBrush.Count(kBlack), 2 * hatch.Count(kBlack));
    // An index outside the list leaves the background.
    RecordingCanvas none(40, 20);
    DrawStyleItem(none, StyleList::PointStyle, 8, {0, 0, 40, 20}, kBlack, kWhite);
    EXPECT_EQ(none.Count(kWhite), 40 * 20);
}

TEST(GraphPicture, marksAtFourPlacesAndALineThroughThem)
{
    const int w = 44, h = 16;
    GraphRecord r = RecordOf(GraphKind::YFromX, "x");
    r.Color = 12;
    r.Visible = 1;
    r.Points = 1;
    r.Lines = 0;
    r.PointStyle = 3;
    r.PointSize = 3;
    RecordingCanvas canvas(w, h);
    DrawGraphPicture(canvas, r, w, h, kWhite);
    const ColorValue color = ColorOfIndex(12);
    const int y = h / 2 - 1;
    const int step = (w - 14) / 3;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(canvas.At(7 + k * step, y), color) << k;
    EXPECT_EQ(canvas.At(7 + step / 2, y), kWhite) << "no line between the marks";
    EXPECT_EQ(canvas.Count(color), 4 * 9);

    r.Lines = 1;
    r.Points = 0;
    RecordingCanvas line(w, h);
    DrawGraphPicture(line, r, w, h, kWhite);
    EXPECT_EQ(line.At(7 + step / 2, y), color);
    EXPECT_EQ(RowsWith(line, color), std::set<int>{y});
}

TEST(GraphPicture, hiddenRegionAndSlopeFieldGraphs)
{
    const int w = 40, h = 16;
    const ColorValue back = 0x00FFFF;
    GraphRecord hidden = RecordOf(GraphKind::YFromX, "x");
    hidden.Visible = 0;
    RecordingCanvas empty(w, h);
    DrawGraphPicture(empty, hidden, w, h, back);
    EXPECT_EQ(empty.Count(back), w * h);

    GraphRecord region = RecordOf(GraphKind::Equation, "x-y");
    region.Equation.Relation = EquationRelation::Less;
    region.Color = 9;
    region.BrushStyle = 0;
    region.Visible = 1;
    RecordingCanvas filled(w, h);
    DrawGraphPicture(filled, region, w, h, back);
    EXPECT_EQ(filled.Count(ColorOfIndex(9)), w * h);

    region.BrushStyle = 5;  // horizontal lines
    RecordingCanvas hatched(w, h);
    DrawGraphPicture(hatched, region, w, h, back);
    EXPECT_GT(hatched.Count(back), 0);
    EXPECT_GT(hatched.Count(ColorOfIndex(9)), 0);

    GraphRecord field = RecordOf(GraphKind::DifField, "x");
    field.Lines = 0;
    field.Points = 1;
    field.Visible = 1;
    field.Color = 0;
    RecordingCanvas slope(w, h);
    DrawGraphPicture(slope, field, w, h, kWhite);
    EXPECT_EQ(RowsWith(slope, kBlack), std::set<int>{h / 2 - 1}) << "a line, no marks";
}

}  // namespace
}  // namespace vg
