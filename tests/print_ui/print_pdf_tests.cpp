#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sstream>

#include "app/printing.h"
#include "cli/cli.h"
#include "document/document_file.h"
#include "document/draw_styles.h"
#include "drawing/sample_documents.h"
#include "platform/qt/qt_printer.h"
#include "print_ui/pdf_raster.h"

namespace vg {
namespace {

using test::PdfInfo;
using test::PdfRaster;
using test::RasterizePdf;

class PdfPrintTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // The sample with coloured graphs on a cyan background, so that the
    // drawing rectangle shows on the page.
    std::unique_ptr<TGraphicsManager> ColouredDocument() const
    {
        auto doc = test::MakeSample("functions");
        doc->Options.BackColor = 14;
        return doc;
    }

    static int Cli(const std::vector<std::string>& args, std::string& err)
    {
        std::ostringstream out, e;
        const int status = RunCli(args, out, e);
        err = e.str();
        return status;
    }

    QTemporaryDir dir_;
};

TEST_F(PdfPrintTest, onePageOfThePaperWithWhiteMarginsAroundTheDrawing)
{
    struct Row {
        const char* paper;
        bool landscape;
        PageMargins margins;
        const char* pageSize;
    };
    const Row rows[] = {
        {"A4", false, {}, "595 x 842 pts (A4)"},
        {"Letter", true, {1000, 250, 750, 1500}, "792 x 612 pts (letter)"},
    };
    auto doc = ColouredDocument();
    const std::string before = DocumentFileBytes(*doc);
    for (const Row& r : rows) {
        const std::string pdf = Path("page.pdf");
        std::unique_ptr<PrintPage> page = CreateQtPrintPage({"", r.paper, r.landscape}, pdf);
        EXPECT_EQ(page->Geometry().DpiX, kPdfPrintDpi);
        PrintRequest request;
        request.Title = "functions.vgr";
        request.Margins = r.margins;
        ASSERT_EQ(PrintDocument(*doc, *page, request).Outcome, PrintOutcome::Printed) << r.paper;
        EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
        EXPECT_EQ(PdfInfo(pdf, "Page size"), r.pageSize);
        EXPECT_EQ(PdfInfo(pdf, "Title"), "functions.vgr");

        // At 72 dots per inch a margin of m thousandths is 0.072 m pixels.
        PdfRaster raster;
        ASSERT_TRUE(RasterizePdf(pdf, 72, raster));
        const int left = r.margins.Left * 72 / 1000, top = r.margins.Top * 72 / 1000;
        const int right = raster.width - r.margins.Right * 72 / 1000;
        const int bottom = raster.height - r.margins.Bottom * 72 / 1000;
        int marginInk = 0, inside = 0, colouredInside = 0;
        for (int y = 0; y < raster.height; ++y)
            for (int x = 0; x < raster.width; ++x) {
                const bool outside = x < left - 1 || x > right || y < top - 1 || y > bottom;
                const bool within = x > left && x < right - 1 && y > top && y < bottom - 1;
                if (outside) marginInk += !raster.White(x, y);
                if (within) {
                    ++inside;
                    colouredInside += raster.Coloured(x, y);
                }
            }
        EXPECT_EQ(marginInk, 0) << r.paper;
        EXPECT_GT(colouredInside, inside * 9 / 10) << "the background fills the rectangle";
    }
    EXPECT_EQ(DocumentFileBytes(*doc), before);
}

TEST_F(PdfPrintTest, graphLinesOfWidthOnePrintSixPixelsWideAt600Dpi)
{
    auto doc = test::NewDocument();
    doc->AddGraph(test::MakeGraph(*doc, GraphKind::YFromX, "1", 12, 0, 1));
    doc->ComputeAllGraphs();
    const std::string pdf = Path("line.pdf");
    std::unique_ptr<PrintPage> page = CreateQtPrintPage({"", "A4", false}, pdf);
    ASSERT_EQ(PrintDocument(*doc, *page, {}).Outcome, PrintOutcome::Printed);
    // One column right of the y axis, the whole height of the page.
    PdfRaster strip;
    ASSERT_TRUE(RasterizePdf(pdf, 600, strip, {3600, 0, 1, 7016}));
    int line = 0;
    const ColorValue blue = ColorOfIndex(12);
    for (int y = 0; y < strip.height; ++y) {
        const uint8_t* p = strip.At(0, y);
        line += p[0] == RedOf(blue) && p[1] == GreenOf(blue) && p[2] == BlueOf(blue);
    }
    EXPECT_EQ(line, 6);
}

TEST_F(PdfPrintTest, cliPrintsColourOrBlackAndWhite)
{
    auto doc = ColouredDocument();
    ASSERT_TRUE(WriteDocument(*doc, Path("doc.vgr")));
    for (bool blackAndWhite : {false, true}) {
        std::vector<std::string> args{"print", Path("doc.vgr"), Path("out.pdf"), "--paper", "Letter"};
        if (blackAndWhite) args.push_back("--black-white");
        std::string err;
        ASSERT_EQ(Cli(args, err), 0) << err;
        EXPECT_EQ(PdfInfo(Path("out.pdf"), "Page size"), "612 x 792 pts (letter)");
        EXPECT_EQ(PdfInfo(Path("out.pdf"), "Title"), "doc.vgr");
        PdfRaster raster;
        ASSERT_TRUE(RasterizePdf(Path("out.pdf"), 50, raster));
        int coloured = 0, black = 0;
        for (int y = 0; y < raster.height; ++y)
            for (int x = 0; x < raster.width; ++x) {
                coloured += raster.Coloured(x, y);
                black += raster.At(x, y)[0] == 0 && !raster.Coloured(x, y);
            }
        if (blackAndWhite) {
            EXPECT_EQ(coloured, 0);
            EXPECT_GT(black, 500);
        } else {
            EXPECT_GT(coloured, raster.width * raster.height / 2);
        }
    }
    EXPECT_TRUE(QDir(dir_.path()).entryList({"*.pdf.*", "*.tmp*"}, QDir::Files).isEmpty());
}

TEST_F(PdfPrintTest, cliRefusesOptionsAndDocumentsWithExit2AndUnwritableFilesWithExit1)
{
    auto doc = test::NewDocument();
    ASSERT_TRUE(WriteDocument(*doc, Path("doc.vgr")));
    QFile bad(dir_.filePath("bad.vgr"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a document");
    bad.close();
    QFile kept(dir_.filePath("kept.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("old");
    kept.close();
    const std::string doc1 = Path("doc.vgr"), out = Path("kept.pdf");
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Row rows[] = {
        {{"print", doc1, out, "--paper", "B5"}, 2, "vgraph-cli: print: --paper: A4 or Letter (got 'B5')"},
        {{"print", doc1, out, "--paper"}, 2, "--paper needs A4 or Letter"},
        {{"print", doc1, out, "--margins", "500,500,500"}, 2, "--margins L,T,R,B: four whole numbers"},
        {{"print", doc1, out, "--margins", "500,-1,500,500"}, 2, "(got '500,-1,500,500')"},
        {{"print", doc1, out, "--margins", "500,x,500,500"}, 2, "--margins L,T,R,B: four whole numbers"},
        {{"print", doc1, out, "--colour"}, 2, "unknown option --colour"},
        {{"print", doc1, out, "--margins", "4200,500,4200,500"}, 2, "The margins are too large for the paper"},
        {{"print", doc1, out, "--landscape", "--margins", "500,4000,500,4300"}, 2, "The margins are too large"},
        {{"print", Path("bad.vgr"), out}, 2, "Incorrect format of the file"},
        {{"print", Path("missing.vgr"), out}, 2, "missing.vgr: "},
        {{"print", doc1}, 64, "usage: vgraph-cli print FILE.vgr OUT.pdf"},
        {{"print", doc1, Path("bad.vgr") + "/out.pdf"}, 1, "File write error"},
    };
    for (const Row& r : rows) {
        std::string err;
        EXPECT_EQ(Cli(r.args, err), r.status) << r.message;
        EXPECT_NE(err.find(r.message), std::string::npos) << err;
        EXPECT_EQ(err.rfind("vgraph-cli: ", 0), 0u) << err;
    }
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old") << "a refused print leaves the target alone";
    std::string err;
    EXPECT_EQ(Cli({"print", doc1, out, "--margins", "0,0,0,0", "--landscape"}, err), 0) << err;
    EXPECT_EQ(PdfInfo(out, "Page size"), "842 x 595 pts (A4)");
}

}  // namespace
}  // namespace vg
