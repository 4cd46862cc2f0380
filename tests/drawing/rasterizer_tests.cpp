#include <gtest/gtest.h>

#include <string>

#include "document/draw_styles.h"
#include "support/recording_canvas.h"

namespace vg {
namespace {

using test::RecordingCanvas;

std::string Flags(const TLiner::Pattern& p)
{
    std::string s;
    for (int i = 0; i < p.Length; ++i) s += p.Flags[i] ? '1' : '0';
    return s;
}

TEST(TLiner, pattern_isShrunkByWidth_andStartsWithDrawnStep)
{
    struct Row {
        int style, width;
        const char* expected;
    };
    const Row rows[] = {
        {1, 1, "11111111111111111111111100000000"},
        {1, 3, "11111111111111111111110000000000"},
        {1, 4, "11111111111111111111100000000000"},
        {2, 1, "11110000"},
        {2, 2, "11100000"},
        {2, 3, "11000000"},
        {2, 5, "10000000"},
        // The dot of style 3 stays one flag for every width.
        {3, 1, "111111111111000010000"},
        {3, 3, "111111111100000100000"},
        {3, 5, "111111110000001000000"},
    };
    for (const Row& r : rows) {
        RecordingCanvas canvas(10, 10);
        TLiner liner(canvas, r.style, r.width);
        EXPECT_EQ(Flags(liner.CurrentPattern()), r.expected) << "style " << r.style << " width " << r.width;
    }
}

TEST(TLiner, style2Width1_drawsFourPixelsAndSkipsFour)
{
    RecordingCanvas canvas(40, 5);
    TLiner liner(canvas, 2, 1);
    liner.SetColor(0);
    liner.Line(0, 2, 16, 2);
    std::string row;
    for (int x = 0; x < 17; ++x) row += canvas.At(x, 2) == 0 ? '#' : '.';
    EXPECT_EQ(row, "####....####.....");
}

TEST(TLiner, style2Width3_drawsTwoSquaresPerDash)
{
    RecordingCanvas canvas(40, 9);
    TLiner liner(canvas, 2, 3);
    liner.SetColor(0);
    liner.Line(2, 4, 18, 4);
    // Steps 0, 1 and 8, 9 are drawn as 3 x 3 squares centred on the pixel.
    std::string row;
    for (int x = 0; x < 20; ++x) row += canvas.At(x, 4) == 0 ? '#' : '.';
    EXPECT_EQ(row, ".####....####.......");
    EXPECT_EQ(canvas.Count(0), 2 * 4 * 3);
}

TEST(TLiner, walksSteepLinesAlongTheirMajorAxis)
{
    RecordingCanvas canvas(10, 40);
    TLiner liner(canvas, 2, 1);
    liner.SetColor(0);
    liner.Line(2, 0, 5, 16);
    EXPECT_EQ(canvas.Count(0), 8);
    EXPECT_EQ(canvas.At(2, 0), 0u);
}

TEST(TLiner, segmentOfLengthZero_drawsNothing)
{
    for (int style = 0; style < 4; ++style) {
        RecordingCanvas canvas(10, 10);
        TLiner liner(canvas, style, 3);
        liner.SetColor(0);
        liner.Line(5, 5, 5, 5);
        EXPECT_EQ(canvas.Count(0), 0) << "style " << style;
    }
}

TEST(TLiner, solidStyle_usesTheCanvasPen)
{
    RecordingCanvas canvas(20, 20);
    TLiner liner(canvas, 0, 3);
    liner.SetColor(0x0000FF);
    liner.Line(1, 1, 10, 1);
    EXPECT_EQ(canvas.CallsStartingWith("Pen 0000FF 3").size(), 1u);
    EXPECT_EQ(canvas.CallsStartingWith("Line 1 1 10 1").size(), 1u);
}

TEST(DrawPointMark, size1_isOnePixelForEveryStyle)
{
    for (int style = 0; style < kPointStyleCount; ++style) {
        RecordingCanvas canvas(9, 9);
        DrawPointMark(canvas, 4, 4, style, 1, 0x008000);
        EXPECT_EQ(canvas.Count(0x008000), 1) << "style " << style;
        EXPECT_EQ(canvas.At(4, 4), 0x008000u);
    }
}

TEST(DrawPointMark, shapesCoverTheirSquare)
{
    struct Row {
        int style;
        int pixels;  // of a 5-pixel mark
    };
    const Row rows[] = {{0, 9}, {1, 9}, {2, 16}, {3, 25}, {4, 8}, {5, 13}};
    for (const Row& r : rows) {
        RecordingCanvas canvas(9, 9);
        DrawPointMark(canvas, 4, 4, r.style, 5, 0);
        EXPECT_EQ(canvas.Count(0), r.pixels) << "style " << r.style;
    }
    // A style beyond the table is drawn as its last entry, filled.
    for (int style : {6, 7, 15}) {
        RecordingCanvas canvas(15, 15);
        DrawPointMark(canvas, 7, 7, style, 11, 0);
        EXPECT_EQ(canvas.At(7, 7) == 0, style != 6) << "style " << style;
        EXPECT_EQ(canvas.At(7, 2), 0u);
    }
}

TEST(Indices, outOfRange_areClampedIntoTheirTables)
{
    EXPECT_EQ(ColorOfIndex(-3), kColorTable[0]);
    EXPECT_EQ(ColorOfIndex(200), kColorTable[15]);
    EXPECT_EQ(ClampLineStyle(9), 3);
    EXPECT_EQ(ClampLineWidth(0), 1);
    EXPECT_EQ(ClampPointStyle(99), 7);
    EXPECT_EQ(ShadingBrush(40), BrushStyle::Vertical);
    EXPECT_EQ(NearestColorIndex(0xFEFEFE), 15);
    EXPECT_EQ(NearestColorIndex(0x000070), 1);
}

TEST(Canvas, measuringMode_drawsNothingAndCollectsTheBox)
{
    RecordingCanvas canvas(50, 50);
    canvas.SetPen(0, 1);
    canvas.BeginMeasure();
    canvas.Line(10, 10, 20, 15);
    canvas.DrawText(-5, 30, "abc");
    CanvasRect box = canvas.EndMeasure();
    EXPECT_EQ(canvas.Count(0), 0);
    EXPECT_TRUE(canvas.CallsStartingWith("Line").empty());
    EXPECT_EQ(box.left, -5);
    EXPECT_EQ(box.top, 10);
    EXPECT_EQ(box.right, 21);
    EXPECT_GT(box.bottom, 30);
}

TEST(SymbolFont, latinLettersBecomeGreek)
{
    EXPECT_EQ(SymbolFontToUnicode("p"), "\u03C0");
    EXPECT_EQ(SymbolFontToUnicode("2p/3"), "2\u03C0/3");
    EXPECT_EQ(SymbolFontToUnicode("aW"), "\u03B1\u03A9");
    EXPECT_TRUE(IsSymbolFontName("Symbol"));
    EXPECT_TRUE(IsSymbolFontName("SYMBOL"));
    EXPECT_FALSE(IsSymbolFontName("Symbola"));
}

}  // namespace
}  // namespace vg
