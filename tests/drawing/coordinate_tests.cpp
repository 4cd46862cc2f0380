#include <gtest/gtest.h>

#include <cmath>

#include "document/coordinate_system.h"
#include "document/draw_styles.h"
#include "document/document_options.h"
#include "support/recording_canvas.h"

namespace vg {
namespace {

using test::RecordingCanvas;

TEST(PlotMapping, middleOfTheInterval_mapsToTheMiddlePixel)
{
    DocumentOptions d = DefaultDocumentOptions();
    PlotMapping m = MakePlotMapping(d, {0, 0, 400, 300});
    EXPECT_EQ(m.ToScreenX(0), 200);
    EXPECT_EQ(m.ToScreenX(-10), 0);
    EXPECT_EQ(m.ToScreenX(10), 400);
    EXPECT_EQ(m.ToScreenY(10), 0);
    EXPECT_EQ(m.ToScreenY(-10), 300);
    d.XLeftToRight = 0;
    d.YBottomToTop = 0;
    PlotMapping mirrored = MakePlotMapping(d, {0, 0, 400, 300});
    EXPECT_EQ(mirrored.ToScreenX(-10), 400);
    EXPECT_EQ(mirrored.ToScreenX(5), 100);
    EXPECT_EQ(mirrored.ToScreenY(-10), 0);
    EXPECT_NEAR(static_cast<double>(mirrored.FromScreenX(100)), 5.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(m.FromScreenY(75)), 5.0, 1e-12);
}

TEST(PlotMapping, farValues_areKeptInsideThePixelRange)
{
    DocumentOptions d = DefaultDocumentOptions();
    PlotMapping m = MakePlotMapping(d, {0, 0, 400, 300});
    EXPECT_EQ(m.ToScreenX(1e300L), 1000000);
    EXPECT_EQ(m.ToScreenY(1e300L), -1000000 + 300);
}

TEST(AxisPositions, followTheIntervalLogarithmAndBox)
{
    struct Row {
        long double minY, maxY;
        bool logY, boxed, bottomToTop;
        long double expected;
    };
    const Row rows[] = {
        {-10, 10, false, false, true, 0}, {2, 5, false, false, true, 2},
        {-5, -1, false, false, true, -1}, {-1, 2, true, false, true, -1},
        {-5, 5, false, true, true, -5},   {-5, 5, false, true, false, 5},
    };
    for (const Row& r : rows) {
        DocumentOptions d = DefaultDocumentOptions();
        ViewSettings v = DefaultViewSettings();
        d.MinY = r.minY;
        d.MaxY = r.maxY;
        d.LogY = r.logY;
        d.YBottomToTop = r.bottomToTop;
        v.Boxed = r.boxed;
        EXPECT_EQ(AxisXPositionY(d, v), r.expected) << static_cast<double>(r.minY) << " " << r.boxed;
    }
}

TEST(FormatLabel, decimalsFollowTheStep)
{
    struct Row {
        long double value, step;
        const char* expected;
    };
    const Row rows[] = {
        {0.5L, 0.5L, "0.5"},     {-9.5L, 0.5L, "-9.5"},      {-10, 0.5L, "-10"},
        {0.25L, 0.25L, "0.25"},  {10, 1, "10"},              {0, 1, "0"},
        {1e-250L, 1, "0"},        {1500, 500, "1500"},        {0.001L, 0.001L, "0.001"},
        {2e7L, 1e7L, "2*10^7"},  {0.0001L, 0.0001L, "1*10^(-4)"}, {-3e-5L, 1e-5L, "-3*10^(-5)"},
        {1e6L, 1e6L, "1000000"}, {0.3L, 0.1L, "0.3"},
        // Sums of steps that miss the limits by a rounding error.
        {0.0009999999999999L, 0.0005L, "0.001"}, {-0.0009999999999999L, 0.0005L, "-0.001"},
        {1000000.0000000001L, 1, "1000000"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FormatLabel(r.value, r.step), r.expected) << static_cast<double>(r.value);
}

TEST(AxisLabelText, logarithmicForm_enclosesNegativeExponents)
{
    EXPECT_EQ(AxisLabelText(2, 1, "", true, 10), "10^2");
    EXPECT_EQ(AxisLabelText(-1, 1, "", true, 10), "10^(-1)");
    EXPECT_EQ(AxisLabelText(1.5L, 0.5L, "", true, 2), "2^1.5");
    EXPECT_EQ(AxisLabelText(3, 1, " cm", false, 10), "3 cm");
}

// Only the X axis with its marks: one line for the axis, one per mark.
TEST(Marks, step0001_isDoubledToAtMost150Marks)
{
    DocumentOptions d = DefaultDocumentOptions();
    ViewSettings v = DefaultViewSettings();
    d.AxisY = 0;
    d.MarksY = 0;
    d.LabelsX = d.LabelsY = 0;
    d.AxisXPointer = 1;
    d.AxisXNameShow = 0;
    d.MarksXStep = 0.001L;
    RecordingCanvas canvas(800, 600);
    DrawFrame(canvas, d, v, {0, 0, 800, 600}, {});
    // Multiples of 0.256 in -10 .. 10: -39 .. 39.
    EXPECT_EQ(canvas.CallsStartingWith("Line").size(), 1u + 79u);
}

TEST(Labels, halfStep_writesEveryHalf)
{
    DocumentOptions d = DefaultDocumentOptions();
    ViewSettings v = DefaultViewSettings();
    d.LabelsY = 0;
    d.LabelsXStep = 0.5L;
    RecordingCanvas canvas(1600, 400);
    DrawFrame(canvas, d, v, {0, 0, 1600, 400}, {});
    auto texts = canvas.CallsStartingWith("Text");
    int labels = 0;
    bool sawMinus95 = false;
    for (const auto& t : texts) {
        if (t.find(" H -9.5") != std::string::npos) sawMinus95 = true;
        if (t.find(" H X") == std::string::npos && t.find(" H Y") == std::string::npos) ++labels;
    }
    EXPECT_TRUE(sawMinus95);
    EXPECT_EQ(labels, 40);  // -10 .. 10 by 0.5 without the 0 at the crossing
}

TEST(ComputePlotRect, equalScale_narrowsTheWiderDirection)
{
    DocumentOptions d = DefaultDocumentOptions();
    ViewSettings v = DefaultViewSettings();
    v.EqualScale = 1;
    RecordingCanvas canvas(800, 400);
    CanvasRect r = ComputePlotRect(canvas, d, v, {0, 0, 800, 400}, {});
    EXPECT_NEAR(r.right - r.left, r.bottom - r.top, 1);
    EXPECT_NEAR((r.left + r.right) / 2.0, 400, 1);
    v.EqualScale = 0;
    CanvasRect wide = ComputePlotRect(canvas, d, v, {0, 0, 800, 400}, {});
    EXPECT_GT(wide.right - wide.left, 1.5 * (wide.bottom - wide.top));
}

TEST(ComputePlotRect, overhangingTitles_stopTwentyPixelsFromTheOppositeSide)
{
    DocumentOptions d = DefaultDocumentOptions();
    ViewSettings v = DefaultViewSettings();
    v.LeftTitle = "A very long left title that cannot fit";
    v.LeftTitleShow = 1;
    v.TopTitle = "Top";
    v.TopTitleShow = 1;
    v.TopTitleFont.Size = 200;
    RecordingCanvas canvas(200, 150);
    CanvasRect r = ComputePlotRect(canvas, d, v, {0, 0, 200, 150}, {});
    EXPECT_GE(r.right - r.left, 20);
    EXPECT_EQ(r.bottom - r.top, 20);
    v.TopTitleShow = 0;
    v.LeftTitleShow = 0;
    CanvasRect plain = ComputePlotRect(canvas, d, v, {0, 0, 200, 150}, {});
    EXPECT_GT(plain.bottom - plain.top, 80);
}

TEST(ComputePlotRect, marginsGrowWithTheDeviceScale)
{
    DocumentOptions d = DefaultDocumentOptions();
    ViewSettings v = DefaultViewSettings();
    v.Boxed = 1;
    d.LabelsX = d.LabelsY = 0;
    d.AxisXNameShow = d.AxisYNameShow = 0;
    RecordingCanvas canvas(400, 400);
    CanvasRect r1 = ComputePlotRect(canvas, d, v, {0, 0, 400, 400}, {});
    // Round(sqrt(1) * 10) + Round(6) + 3 = 19.
    EXPECT_EQ(r1.left, 19);
    CanvasRect r4 = ComputePlotRect(canvas, d, v, {0, 0, 400, 400}, PictureDeviceContext(4));
    // Round(2 * 10) + Round(24) + 3 = 47.
    EXPECT_EQ(r4.left, 47);
}

TEST(DrawFrame, tinyOutput_drawsOnlyTheAxes)
{
    DocumentOptions d = DefaultDocumentOptions();
    ViewSettings v = DefaultViewSettings();
    d.VertLines = 1;
    RecordingCanvas canvas(40, 40);
    PlotFrame f = DrawFrame(canvas, d, v, {0, 0, 40, 40}, {});
    EXPECT_FALSE(f.Drawable);
    EXPECT_TRUE(canvas.CallsStartingWith("Text").empty());
    EXPECT_EQ(canvas.CallsStartingWith("Polygon").size(), 2u);
}

TEST(DrawFrame, blackAndWhite_drawsTheFrameInBlackOnWhite)
{
    DocumentOptions d = DefaultDocumentOptions();
    ViewSettings v = DefaultViewSettings();
    d.BackColor = 1;
    d.AxisXColor = d.AxisYColor = 12;
    DeviceContext device;
    device.BlackAndWhite = true;
    RecordingCanvas canvas(200, 200);
    DrawFrame(canvas, d, v, {0, 0, 200, 200}, device);
    EXPECT_EQ(canvas.At(1, 1), 0xFFFFFFu);
    EXPECT_EQ(canvas.Count(kColorTable[12]), 0);
    EXPECT_GT(canvas.Count(0), 100);
}

}  // namespace
}  // namespace vg
