#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <unordered_set>

#include "document/draw_styles.h"
#include "document/graph_drawing.h"
#include "document/picture_export.h"
#include "drawing/picture_test_support.h"
#include "drawing/sample_documents.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_picture_devices.h"

namespace vg {
namespace {

std::string Head(const std::vector<uint8_t>& bytes, std::size_t n)
{
    return std::string(bytes.begin(), bytes.begin() + static_cast<long>(std::min(n, bytes.size())));
}

TEST(QtPictures, drawnPixelsAreAllTableColours_withoutAntialiasing)
{
    auto devices = CreateQtPictureDevices();
    for (const std::string& name : test::SampleNames()) {
        auto doc = test::MakeSample(name);
        auto surface = devices->CreateRaster(500, 400);
        ASSERT_TRUE(surface);
        DrawDocument(*doc, surface->GetCanvas(), {0, 0, 500, 400});
        std::unordered_set<ColorValue> table(std::begin(kColorTable), std::end(kColorTable));
        int foreign = 0;
        for (ColorValue c : surface->Finish()) foreign += table.count(c) == 0;
        EXPECT_EQ(foreign, 0) << name;
    }
}

// The Qt canvas, noting where each text lands.
class TextBoxCanvas : public QtCanvas {
public:
    using QtCanvas::QtCanvas;
    std::vector<std::pair<std::string, CanvasRect>> texts;

protected:
    void DoDrawText(int left, int top, const std::string& text, TextOrientation orientation) override
    {
        const TextExtent e = DoMeasureText(text);
        texts.push_back({text, CanvasRect{left, top, left + e.cx, top + e.cy}});
        QtCanvas::DoDrawText(left, top, text, orientation);
    }
};

// Grid lines at the label positions run through the labels' places: every
// label is still whole (no grid pixel inside it, so the minus signs stay).
TEST(QtPictures, labelsSitOnTheBackground_whenGridLinesRunThroughThem)
{
    auto doc = test::NewDocument();
    doc->Options.HorLines = 1;
    doc->Options.VertLines = 1;
    doc->Options.HorColor = 12;
    doc->Options.VertColor = 12;
    doc->Options.HorStep = 0.5L;
    doc->Options.VertStep = 0.5L;
    QImage image(420, 320, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::vector<std::pair<std::string, CanvasRect>> texts;
    {
        TextBoxCanvas canvas(image);
        DrawDocument(*doc, canvas, {0, 0, image.width(), image.height()});
        texts = canvas.texts;
    }
    const QColor grid = QtCanvas::ToQColor(ColorOfIndex(12));
    int labels = 0, negative = 0;
    for (const auto& [text, box] : texts) {
        if (text.empty() || (text[0] != '-' && !std::isdigit(static_cast<unsigned char>(text[0])))) continue;
        ++labels;
        negative += text[0] == '-';
        int gridPixels = 0;
        for (int y = std::max(box.top, 0); y < std::min(box.bottom, image.height()); ++y)
            for (int x = std::max(box.left, 0); x < std::min(box.right, image.width()); ++x)
                gridPixels += image.pixelColor(x, y) == grid;
        EXPECT_EQ(gridPixels, 0) << "label " << text << " at " << box.left << "," << box.top;
    }
    EXPECT_GE(labels, 30);
    EXPECT_GE(negative, 15);
}

TEST(QtPictures, everyFormatIsWritten_andTheBitmapsAgree)
{
    auto devices = CreateQtPictureDevices();
    auto doc = test::MakeSample("fields");
    std::string dir = test::TempFolder("qt-formats");
    PictureRequest request{640, 480, 1};
    for (const char* ext : {".bmp", ".gif", ".png", ".svg", ".pdf"})
        ASSERT_EQ(SavePicture(*doc, *devices, dir + "/p" + ext, request), "") << ext;
    IndexImage bmp, gif;
    ASSERT_TRUE(test::DecodeBmp4(test::ReadFileBytes(dir + "/p.bmp"), bmp));
    ASSERT_TRUE(test::DecodeGif(test::ReadFileBytes(dir + "/p.gif"), gif));
    EXPECT_EQ(bmp.pixels, gif.pixels);
    QImage png(QString::fromStdString(dir + "/p.png"));
    ASSERT_EQ(png.width(), 640);
    int differing = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            QRgb p = png.pixel(x, y);
            differing += MakeColorValue(qRed(p), qGreen(p), qBlue(p)) != bmp.palette[bmp.At(x, y)];
        }
    EXPECT_EQ(differing, 0);
    std::vector<uint8_t> svg = test::ReadFileBytes(dir + "/p.svg");
    EXPECT_NE(Head(svg, 400).find("<svg"), std::string::npos);
    EXPECT_EQ(Head(test::ReadFileBytes(dir + "/p.pdf"), 5), "%PDF-");
}

TEST(QtPictures, scaleFactor2_drawsWiderLinesAndLargerTexts)
{
    auto devices = CreateQtPictureDevices();
    auto doc = test::NewDocument();
    doc->AddGraph(test::MakeGraph(*doc, GraphKind::XFromY, "2", 12, 0, 1));
    doc->ComputeAllGraphs();
    auto count = [&](long double scale) {
        auto surface = devices->CreateRaster(600, 600);
        DrawDocument(*doc, surface->GetCanvas(), {0, 0, 600, 600}, PrepareDevice(*doc, scale));
        int blue = 0;
        for (ColorValue c : surface->Finish()) blue += c == kColorTable[12];
        return blue;
    };
    int one = count(1), two = count(2);
    EXPECT_GT(two, one * 3 / 2);
    EXPECT_LT(two, one * 5 / 2);
}

TEST(QtPictures, pilAndImageMagickReadTheFiles)
{
    if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0)
        GTEST_SKIP() << "skipped: /usr/bin/python3 with PIL (python3-pil) is not installed";
    auto devices = CreateQtPictureDevices();
    auto doc = test::MakeSample("functions");
    std::string dir = test::TempFolder("qt-pil");
    ASSERT_EQ(SavePicture(*doc, *devices, dir + "/p.bmp", {801, 333, 1.5L}), "");
    ASSERT_EQ(SavePicture(*doc, *devices, dir + "/p.gif", {801, 333, 1.5L}), "");
    std::string check = "/usr/bin/python3 -c \"from PIL import Image; import sys; "
                        "b = Image.open('" + dir + "/p.bmp'); g = Image.open('" + dir + "/p.gif'); "
                        "assert b.size == (801, 333); "
                        "assert list(b.convert('RGB').getdata()) == list(g.convert('RGB').getdata())\"";
    EXPECT_EQ(std::system(check.c_str()), 0);
    if (std::system("command -v identify >/dev/null 2>&1") == 0) {
        EXPECT_EQ(std::system(("identify " + dir + "/p.bmp " + dir + "/p.gif >/dev/null").c_str()), 0);
    } else {
        std::cout << "[  SKIPPED ] ImageMagick identify is not installed\n";
    }
}

}  // namespace
}  // namespace vg
