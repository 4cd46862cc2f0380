#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "app/printing.h"
#include "document/document_file.h"
#include "document/draw_styles.h"
#include "document/picture_export.h"
#include "drawing/sample_documents.h"
#include "support/recording_canvas.h"

namespace vg {
namespace {

using test::RecordingCanvas;

constexpr ColorValue kWhite = 0xFFFFFF;

// A printer page drawn on a recording canvas; can refuse to open or to end,
// or break off after a number of drawn lines.
class FakePage : public PrintPage {
public:
    class BreakingCanvas : public RecordingCanvas {
    public:
        using RecordingCanvas::RecordingCanvas;
        int breakAfterLines = -1;

    protected:
        void DoLine(int x1, int y1, int x2, int y2) override
        {
            if (breakAfterLines >= 0 && lines_++ >= breakAfterLines) throw std::bad_alloc();
            RecordingCanvas::DoLine(x1, y1, x2, y2);
        }

    private:
        int lines_ = 0;
    };

    FakePage(int width, int height, int dpi) : canvas(width, height, dpi), geometry_{width, height, dpi, dpi} {}

    PageGeometry Geometry() const override { return geometry_; }
    Canvas* Begin(const std::string& t) override
    {
        ++begun;
        title = t;
        return opens ? &canvas : nullptr;
    }
    bool End() override
    {
        ++ended;
        return ends;
    }

    BreakingCanvas canvas;
    bool opens = true;
    bool ends = true;
    int begun = 0;
    int ended = 0;
    std::string title;

private:
    PageGeometry geometry_;
};

class RecordedProgress : public PictureProgress {
public:
    void Status(const std::string& text, int) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

TEST(PrintScaleFactors, followThePrinterResolutionAndRoundGraphWidthsToWholeMultiples)
{
    struct Row {
        int dpiX, dpiY;
        long double scaleX, scaleY, scale;
        int graphWidthScale;
    };
    const Row rows[] = {
        {600, 600, 6.25L, 6.25L, 6.25L, 6},  {300, 600, 3.125L, 6.25L, 3.125L, 3},
        {1200, 1200, 12.5L, 12.5L, 12.5L, 12}, {144, 144, 1.5L, 1.5L, 1.5L, 2},
        {96, 96, 1, 1, 1, 1},                {48, 48, 0.5L, 0.5L, 0.5L, 1},
    };
    for (const Row& r : rows) {
        const PrintScaleFactors f = ComputePrintScaleFactors(r.dpiX, r.dpiY);
        EXPECT_EQ(f.PrintScaleX, r.scaleX) << r.dpiX;
        EXPECT_EQ(f.PrintScaleY, r.scaleY) << r.dpiY;
        EXPECT_EQ(f.PrintScale, r.scale) << r.dpiX;
        const DeviceContext d = PrintDeviceContext(f, false);
        EXPECT_EQ(d.GraphWidthScale, r.graphWidthScale) << r.dpiX;
        EXPECT_EQ(d.FontScale, 1);
        EXPECT_EQ(d.ScaleX, r.scaleX);
        EXPECT_EQ(d.ScaleY, r.scaleY);
    }
    EXPECT_TRUE(PrintDeviceContext(ComputePrintScaleFactors(600, 600), true).BlackAndWhite);
}

TEST(PrintRectangle, roundsEachMarginToTheNearestPixelWithHalvesToEven)
{
    struct Row {
        PageGeometry page;
        PageMargins margins;
        CanvasRect expected;
    };
    const Row rows[] = {
        {{2550, 3300, 300, 300}, {}, {150, 150, 2400, 3150}},
        // 1.5 -> 2, 4.5 -> 4, 7.5 -> 8, 10.5 -> 10
        {{2550, 3300, 300, 300}, {5, 15, 25, 35}, {2, 4, 2550 - 8, 3300 - 10}},
        {{1000, 1000, 100, 200}, {5, 5, 15, 1005}, {0, 1, 998, 1000 - 201}},
        {{4958, 7017, 600, 600}, {0, 0, 0, 0}, {0, 0, 4958, 7017}},
        // 498.5 -> 498 on the left; 500 on the right: two pixels remain.
        {{1000, 800, 100, 100}, {4985, 0, 5000, 0}, {498, 0, 500, 800}},
    };
    for (const Row& r : rows) {
        const CanvasRect got = PrintRectangle(r.page, r.margins);
        EXPECT_EQ(got.left, r.expected.left) << r.margins.Left;
        EXPECT_EQ(got.top, r.expected.top) << r.margins.Top;
        EXPECT_EQ(got.right, r.expected.right) << r.margins.Right;
        EXPECT_EQ(got.bottom, r.expected.bottom) << r.margins.Bottom;
    }
    // No room left, or margins out of range: nothing to draw in.
    const PageGeometry page{1000, 800, 100, 100};
    for (PageMargins m : {PageMargins{4995, 0, 5000, 0}, PageMargins{0, 4000, 0, 4000},
                          PageMargins{9000, 0, 2000, 0}, PageMargins{-1, 0, 0, 0},
                          PageMargins{0, 0, kMaxMargin + 1, 0}})
        EXPECT_TRUE(PrintRectangle(page, m).IsEmpty()) << m.Left << " " << m.Top << " " << m.Right;
}

TEST(RefusedMargin, blamesTheMarginThatLeavesNoRoom)
{
    struct Row {
        PageMargins margins;
        MarginField refused;
    };
    const Row rows[] = {
        {{}, MarginField::None},
        {{4000, 500, 4000, 500}, MarginField::None},
        {{4000, 500, 4268, 500}, MarginField::Right},
        {{500, 6000, 500, 5693}, MarginField::Bottom},
        {{500, 5000, 500, 5692}, MarginField::None},
        {{-5, 500, 500, 500}, MarginField::Left},
        {{500, kMaxMargin + 1, 500, 500}, MarginField::Top},
    };
    for (const Row& r : rows) EXPECT_EQ(RefusedMargin(8268, 11693, r.margins), r.refused) << r.margins.Right;
}

// One horizontal graph y = 1 of the given width in colour 12, and a graph
// with shading, on a coloured background.
std::unique_ptr<TGraphicsManager> LineDocument(int lineWidth)
{
    auto doc = test::NewDocument();
    doc->Options.BackColor = 14;
    doc->AddGraph(test::MakeGraph(*doc, GraphKind::YFromX, "1", 12, 0, lineWidth));
    GraphRecord region = test::MakeGraph(*doc, GraphKind::Equation, "x^2+y^2-9", 9);
    region.Equation.Relation = EquationRelation::Less;
    doc->AddGraph(region);
    doc->ComputeAllGraphs();
    return doc;
}

// Rows of the colour in one column.
int RunInColumn(const RecordingCanvas& canvas, int x, ColorValue color)
{
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) count += canvas.At(x, y) == color;
    return count;
}

TEST(PrintDocument, at600DpiGraphLinesOfWidthOnePrintSixPixelsWide)
{
    for (int width : {1, 3}) {
        auto doc = LineDocument(width);
        FakePage page(1800, 1200, 600);
        PrintRequest request;
        request.Margins = {100, 100, 100, 100};
        ASSERT_EQ(PrintDocument(*doc, page, request).Outcome, PrintOutcome::Printed);
        // Right of the region and of the y axis, where only the line crosses.
        EXPECT_EQ(RunInColumn(page.canvas, 1500, ColorOfIndex(12)), 6 * width) << width;
        EXPECT_EQ(doc->Graph(0).Record.LineWidth(), width);
    }
}

TEST(PrintDocument, drawsOnlyInsideTheMarginsOnTheDocumentsBackground)
{
    auto doc = LineDocument(1);
    FakePage page(1800, 1200, 600);
    PrintRequest request;
    request.Margins = {250, 500, 100, 200};  // 150, 300, 60, 120 pixels
    ASSERT_EQ(PrintDocument(*doc, page, request).Outcome, PrintOutcome::Printed);
    const RecordingCanvas& c = page.canvas;
    int outside = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            const bool inside = x >= 150 && x < 1740 && y >= 300 && y < 1080;
            if (!inside) outside += c.At(x, y) != kWhite;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(c.At(150, 300), ColorOfIndex(14));
    EXPECT_EQ(c.At(1739, 1079), ColorOfIndex(14));
}

TEST(PrintDocument, leavesTheRecordsByteIdentical_evenWhenDrawingBreaksOff)
{
    for (const std::string& name : test::SampleNames()) {
        auto doc = test::MakeSample(name);
        const std::string before = DocumentFileBytes(*doc);
        for (int breakAfter : {-1, 0, 40}) {
            for (bool blackAndWhite : {false, true}) {
                FakePage page(1200, 900, 600);
                page.canvas.breakAfterLines = breakAfter;
                PrintRequest request;
                request.BlackAndWhite = blackAndWhite;
                const PrintResult result = PrintDocument(*doc, page, request);
                if (breakAfter >= 0) {
                    EXPECT_EQ(result.Outcome, PrintOutcome::OutOfResources) << name;
                    EXPECT_EQ(result.Message, "Out of system resources");
                } else {
                    EXPECT_EQ(result.Outcome, PrintOutcome::Printed) << name;
                }
                EXPECT_EQ(page.ended, 1) << "the job ends in every case";
                EXPECT_EQ(DocumentFileBytes(*doc), before) << name << " " << breakAfter;
            }
        }
        EXPECT_FALSE(doc->Modified);
    }
}

TEST(PrintDocument, refusesOrReportsBeforeAndAfterTheJob)
{
    auto doc = LineDocument(1);
    PrintRequest request;
    request.Title = "parabola.vgr";

    FakePage tooSmall(600, 600, 100);
    request.Margins = {3000, 500, 3000, 500};
    PrintResult r = PrintDocument(*doc, tooSmall, request);
    EXPECT_EQ(r.Outcome, PrintOutcome::Refused);
    EXPECT_EQ(r.Message, "The margins are too large for the paper");
    EXPECT_EQ(tooSmall.begun, 0) << "no job is started for a refused page";

    request.Margins = {};
    FakePage closed(1200, 900, 300);
    closed.opens = false;
    RecordedProgress progress;
    r = PrintDocument(*doc, closed, request, &progress);
    EXPECT_EQ(r.Outcome, PrintOutcome::PrinterError);
    EXPECT_EQ(r.Message, "Printing error");
    EXPECT_EQ(closed.ended, 0);
    EXPECT_EQ(progress.texts, std::vector<std::string>{"Printing..."});

    FakePage unwritable(1200, 900, 300);
    unwritable.ends = false;
    r = PrintDocument(*doc, unwritable, request);
    EXPECT_EQ(r.Outcome, PrintOutcome::WriteError);
    EXPECT_EQ(r.Message, "File write error");
    EXPECT_EQ(unwritable.title, "parabola.vgr");

    FakePage noPrinter(0, 0, 0);
    EXPECT_EQ(PrintDocument(*doc, noPrinter, request).Message, "Printing error");
}

}  // namespace
}  // namespace vg
