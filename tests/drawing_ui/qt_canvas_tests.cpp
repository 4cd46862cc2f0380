#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include "document/draw_styles.h"
#include "platform/qt/qt_canvas.h"

namespace vg {
namespace {

QImage WhiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

int CountColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

TEST(QtCanvas, onePixelLine_includesBothEnds)
{
    QImage image = WhiteImage(20, 20);
    {
        QtCanvas canvas(image);
        canvas.SetPen(0x0000FF, 1);
        canvas.Line(2, 5, 12, 5);
        canvas.Line(4, 8, 4, 8);
    }
    EXPECT_EQ(CountColour(image, qRgb(255, 0, 0)), 12);
    EXPECT_EQ(image.pixel(2, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(12, 5) & 0xFFFFFF, 0xFF0000u);
}

TEST(QtCanvas, pixelsAndFillsRespectTheClip_andReadBack)
{
    QImage image = WhiteImage(20, 20);
    QtCanvas canvas(image);
    canvas.SetClipRect({5, 5, 10, 10});
    canvas.SetPixel(2, 2, 0);
    canvas.SetPixel(6, 6, 0x00FF00);
    canvas.SetBrush(0x800000, BrushStyle::Solid);
    canvas.FillRect({0, 0, 20, 20});
    canvas.ClearClip();
    canvas.SetPixel(1, 1, 0x0000FF);
    EXPECT_EQ(canvas.GetPixel(2, 2), 0xFFFFFFu);
    EXPECT_EQ(canvas.GetPixel(7, 7), 0x800000u);
    EXPECT_EQ(canvas.GetPixel(1, 1), 0x0000FFu);
    EXPECT_EQ(canvas.GetPixel(12, 12), 0xFFFFFFu);
}

TEST(QtCanvas, invertingPen_flipsAndRestores)
{
    QImage image = WhiteImage(20, 20);
    QtCanvas canvas(image);
    canvas.SetPen(0, 1, PenStyle::Solid, PenMode::Invert);
    canvas.Line(0, 3, 19, 3);
    EXPECT_EQ(canvas.GetPixel(10, 3), 0u);
    canvas.Line(0, 3, 19, 3);
    EXPECT_EQ(canvas.GetPixel(10, 3), 0xFFFFFFu);
}

TEST(QtCanvas, hatchBrushes_leaveGapsAndPatternsDiffer)
{
    int counts[7] = {};
    for (int style = 0; style < 7; ++style) {
        QImage image = WhiteImage(32, 32);
        {
            QtCanvas canvas(image);
            canvas.SetBrush(0, static_cast<BrushStyle>(style));
            canvas.FillRect({0, 0, 32, 32});
        }
        counts[style] = CountColour(image, qRgb(0, 0, 0));
    }
    EXPECT_EQ(counts[0], 32 * 32);
    for (int style = 1; style < 7; ++style) {
        EXPECT_GT(counts[style], 0) << style;
        EXPECT_LT(counts[style], 32 * 32 / 2) << style;
    }
    EXPECT_GT(counts[3], counts[5]);  // cross hatch has both directions
}

// Draws on an SVG picture and shows it again as pixels.
template <typename Draw>
QImage DrawnThroughSvg(int w, int h, Draw draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(w, h));
        generator.setViewBox(QRect(0, 0, w, h));
        generator.setResolution(96);
        QtCanvas canvas(generator);
        draw(canvas);
    }
    QSvgRenderer renderer(buffer.data());
    QImage image = WhiteImage(w, h);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Pixels not white outside the rectangle (with slack for the smoothing and
// line caps of the renderer).
int InkOutside(const QImage& image, const QRect& keep)
{
    const QRect slack = keep.adjusted(-2, -2, 2, 2);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += !slack.contains(x, y) && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
}

TEST(QtCanvas, svgPicture_keepsClippedLinesEllipsesAndHatchingInside)
{
    struct Row {
        const char* what;
        void (*draw)(Canvas&);
        QRect keep;
    };
    const Row rows[] = {
        {"ellipse", [](Canvas& c) {
             c.SetClipRect({20, 20, 60, 60});
             c.SetPen(0, 2);
             c.SetBrush(0, BrushStyle::Clear);
             c.Ellipse({30, 30, 111, 111});
         }, QRect(20, 20, 40, 40)},
        {"filled ellipse", [](Canvas& c) {
             c.SetClipRect({20, 20, 60, 60});
             c.SetPen(0, 1);
             c.SetBrush(0x0000FF, BrushStyle::Solid);
             c.Ellipse({30, 30, 111, 111});
         }, QRect(20, 20, 40, 40)},
        {"line", [](Canvas& c) {
             c.SetClipRect({20, 20, 60, 60});
             c.SetPen(0, 1);
             c.Line(0, 0, 99, 99);
         }, QRect(20, 20, 40, 40)},
        {"hatching", [](Canvas& c) {
             for (int style = 1; style < 7; ++style) {
                 c.SetBrush(0, static_cast<BrushStyle>(style));
                 c.FillRect({10 + 10 * style, 30, 17 + 10 * style, 50});
             }
         }, QRect(20, 30, 57, 20)},
    };
    for (const Row& r : rows) {
        QImage image = DrawnThroughSvg(100, 100, [&](QtCanvas& c) { r.draw(c); });
        EXPECT_GT(CountColour(image, qRgb(255, 255, 255)), 0) << r.what;
        EXPECT_LT(CountColour(image, qRgb(255, 255, 255)), 100 * 100) << r.what << ": nothing drawn";
        EXPECT_EQ(InkOutside(image, r.keep), 0) << r.what;
    }
}

TEST(QtCanvas, textIsDrawnUnsmoothedInTheFontColour)
{
    QImage image = WhiteImage(120, 60);
    {
        QtCanvas canvas(image);
        CanvasFont font;
        font.name = "MS Sans Serif";
        font.size = 12;
        font.color = 0x0000FF;
        canvas.SetFont(font);
        TextExtent e = canvas.MeasureText("Graph 12");
        EXPECT_GT(e.cx, 30);
        EXPECT_GT(e.cy, 10);
        canvas.DrawText(5, 5, "Graph 12");
        canvas.DrawText(100, 5, "up", TextOrientation::Vertical);
    }
    int red = CountColour(image, qRgb(255, 0, 0));
    EXPECT_GT(red, 50);
    EXPECT_EQ(red + CountColour(image, qRgb(255, 255, 255)), 120 * 60) << "antialiased text";
}

TEST(QtCanvas, symbolFont_showsGreekLetters)
{
    QImage a = WhiteImage(40, 30), b = WhiteImage(40, 30);
    {
        QtCanvas canvas(a);
        CanvasFont symbol;
        symbol.name = "Symbol";
        symbol.size = 14;
        canvas.SetFont(symbol);
        canvas.DrawText(2, 2, "p");
    }
    {
        QtCanvas canvas(b);
        CanvasFont times;
        times.name = "Times New Roman";
        times.size = 14;
        canvas.SetFont(times);
        canvas.DrawText(2, 2, "\u03C0");
    }
    EXPECT_GT(CountColour(a, qRgb(0, 0, 0)), 5);
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace vg
