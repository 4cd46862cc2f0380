#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace vg {

QtCanvas::QtCanvas(QImage& image) : device_(&image), image_(&image) { Begin(); }

QtCanvas::QtCanvas(QPaintDevice& device) : device_(&device) { Begin(); }

QtCanvas::~QtCanvas() { End(); }

void QtCanvas::Begin()
{
    painter_.begin(device_);
    cutsItself_ = painter_.paintEngine() != nullptr && painter_.paintEngine()->type() == QPaintEngine::SVG;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    DoSetPen(0, 1, PenStyle::Solid, PenMode::Copy);
    DoSetBrush(0xFFFFFF, BrushStyle::Solid);
    DoSetFont(Font());
}

void QtCanvas::End()
{
    if (painter_.isActive()) painter_.end();
}

int QtCanvas::Width() const { return device_->width(); }
int QtCanvas::Height() const { return device_->height(); }
int QtCanvas::DpiX() const { return device_->logicalDpiX(); }
int QtCanvas::DpiY() const { return device_->logicalDpiY(); }

QColor QtCanvas::ToQColor(ColorValue c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

void QtCanvas::DoSetPen(ColorValue color, int width, PenStyle style, PenMode mode)
{
    if (style == PenStyle::None) {
        painter_.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(color));
        pen.setWidth(width);
        pen.setStyle(style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        // Thick lines end round; a 1-pixel line includes its end pixel.
        pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
        painter_.setPen(pen);
    }
    if (image_ != nullptr)
        painter_.setCompositionMode(mode == PenMode::Invert ? QPainter::RasterOp_NotDestination
                                                            : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::DoSetBrush(ColorValue color, BrushStyle style)
{
    static const Qt::BrushStyle kStyles[] = {
        Qt::SolidPattern, Qt::BDiagPattern,      Qt::FDiagPattern, Qt::CrossPattern,
        Qt::DiagCrossPattern, Qt::HorPattern,    Qt::VerPattern,   Qt::NoBrush};
    painter_.setBrush(QBrush(ToQColor(color), kStyles[static_cast<int>(style)]));
    brushStyle_ = style;
    brushColor_ = ToQColor(color);
}

void QtCanvas::DoSetFont(const CanvasFont& font)
{
    qfont_ = MakeQFont(font);
    fontColor_ = ToQColor(font.color);
    symbolFont_ = IsSymbolFontName(font.name);
    painter_.setFont(qfont_);
}

QFont QtCanvas::MakeQFont(const CanvasFont& font)
{
    // A symbol-encoded font is shown through an ordinary face that has the
    // Greek letters at their Unicode places.
    QFont f(IsSymbolFontName(font.name) ? QStringLiteral("Times New Roman")
                                        : QString::fromUtf8(font.name.c_str()));
    f.setPointSize(std::max(1, font.size));
    f.setBold((font.style & kCanvasFontBold) != 0);
    f.setItalic((font.style & kCanvasFontItalic) != 0);
    f.setUnderline((font.style & kCanvasFontUnderline) != 0);
    f.setStrikeOut((font.style & kCanvasFontStrikeOut) != 0);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setKerning(false);
    return f;
}

QString QtCanvas::ShownText(const std::string& text) const
{
    return QString::fromUtf8(symbolFont_ ? SymbolFontToUnicode(text).c_str() : text.c_str());
}

namespace {

// Liang-Barsky: the part of the segment inside the rectangle (edges
// included); false when nothing of it is.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r)
{
    const qreal dx = b.x() - a.x(), dy = b.y() - a.y();
    const qreal p[4] = {-dx, dx, -dy, dy};
    const qreal q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    qreal t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

}  // namespace

QRectF QtCanvas::ClipArea() const
{
    return QRectF(clip_.left, clip_.top, clip_.Width() - 1, clip_.Height() - 1);
}

void QtCanvas::DoLine(int x1, int y1, int x2, int y2)
{
    if (cutsItself_ && clipped_) {
        QPointF a(x1, y1), b(x2, y2);
        if (ClipSegment(a, b, ClipArea())) painter_.drawLine(a, b);
        return;
    }
    if (x1 == x2 && y1 == y2)
        painter_.drawPoint(x1, y1);
    else
        painter_.drawLine(x1, y1, x2, y2);
}

namespace {
QPolygon ToQPolygon(const std::vector<CanvasPoint>& points)
{
    QPolygon poly(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        poly.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    return poly;
}
}  // namespace

void QtCanvas::DoPolyline(const std::vector<CanvasPoint>& points)
{
    painter_.drawPolyline(ToQPolygon(points));
}

void QtCanvas::DoPolygon(const std::vector<CanvasPoint>& points)
{
    painter_.drawPolygon(ToQPolygon(points));
}

void QtCanvas::DoFillRect(const CanvasRect& rect)
{
    if (image_ == nullptr && brushStyle_ != BrushStyle::Solid) {
        HatchRect(rect);
        return;
    }
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), painter_.brush());
}

// Vector pictures do not keep pattern brushes: the hatching is drawn as
// lines on the same 8-pixel grid, so neighbouring rectangles join up. On a
// printer the grid and the lines grow with its resolution, so the hatching
// looks as it does on the screen.
void QtCanvas::HatchRect(const CanvasRect& r)
{
    if (brushStyle_ == BrushStyle::Clear) return;
    const int scale = std::max(1, qRound(std::min(device_->logicalDpiX(), device_->logicalDpiY()) / 96.0));
    const int kSpacing = 8 * scale;
    // Cut by hand: the SVG generator keeps no clipping.
    QRectF area(r.left, r.top, r.Width(), r.Height());
    if (clipped_) area = area.intersected(ClipArea());
    if (area.isEmpty()) return;
    painter_.save();
    QPen pen(brushColor_, scale > 1 ? scale : 0);
    if (scale > 1) pen.setCapStyle(Qt::FlatCap);  // ends no farther than the cut
    painter_.setPen(pen);
    // Lines only: a pattern brush would be written out with every one.
    painter_.setBrush(Qt::NoBrush);
    auto drawCut = [&](qreal xa, qreal ya, qreal xb, qreal yb) {
        QPointF a(xa, ya), b(xb, yb);
        if (ClipSegment(a, b, area)) painter_.drawLine(a, b);
    };
    auto firstAtOrBelow = [&](int v) { return v - ((v % kSpacing) + kSpacing) % kSpacing; };
    const bool horizontal = brushStyle_ == BrushStyle::Horizontal || brushStyle_ == BrushStyle::Cross;
    const bool vertical = brushStyle_ == BrushStyle::Vertical || brushStyle_ == BrushStyle::Cross;
    const bool rising = brushStyle_ == BrushStyle::BDiagonal || brushStyle_ == BrushStyle::DiagCross;
    const bool falling = brushStyle_ == BrushStyle::FDiagonal || brushStyle_ == BrushStyle::DiagCross;
    if (horizontal)
        for (int y = firstAtOrBelow(r.top); y < r.bottom; y += kSpacing) drawCut(r.left, y, r.right, y);
    if (vertical)
        for (int x = firstAtOrBelow(r.left); x < r.right; x += kSpacing) drawCut(x, r.top, x, r.bottom);
    const int span = r.Width() + r.Height();
    if (rising)  // x + y constant
        for (int c = firstAtOrBelow(r.left + r.top); c <= r.right + r.bottom; c += kSpacing)
            drawCut(c - r.top, r.top, c - r.top - span, r.top + span);
    if (falling)  // x - y constant
        for (int c = firstAtOrBelow(r.left - r.bottom); c <= r.right - r.top; c += kSpacing)
            drawCut(c + r.top, r.top, c + r.top + span, r.top + span);
    painter_.restore();
}

void QtCanvas::DoEllipse(const CanvasRect& rect)
{
    const QRect box(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1);
    if (cutsItself_ && clipped_ && !ClipArea().contains(QRectF(box))) {
        DrawEllipseInClip(rect);
        return;
    }
    painter_.drawEllipse(box);
}

// The parts of an ellipse inside the clip rectangle: the filling as the
// intersection of the two areas, the outline as a fine polyline cut at the
// rectangle.
void QtCanvas::DrawEllipseInClip(const CanvasRect& rect)
{
    const QRectF area = ClipArea();
    const QRectF box(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1);
    if (!area.intersects(box.adjusted(-1, -1, 1, 1))) return;
    if (brushStyle_ != BrushStyle::Clear) {
        QPainterPath ellipse, clip;
        ellipse.addEllipse(box);
        clip.addRect(area);
        painter_.fillPath(ellipse.intersected(clip), painter_.brush());
    }
    if (painter_.pen().style() == Qt::NoPen) return;
    const QPointF centre = box.center();
    const qreal rx = box.width() / 2, ry = box.height() / 2;
    // Chords stay within a quarter pixel of the curve.
    const int n = std::clamp(static_cast<int>(std::ceil(5 * std::sqrt(std::max({rx, ry, qreal(1)})))), 32, 20000);
    const qreal kTwoPi = 6.283185307179586;
    QPolygonF run;
    QPointF previous = centre + QPointF(rx, 0);
    for (int k = 1; k <= n; ++k) {
        const qreal t = kTwoPi * k / n;
        const QPointF next = centre + QPointF(rx * std::cos(t), -ry * std::sin(t));
        QPointF a = previous, b = next;
        if (ClipSegment(a, b, area)) {
            if (run.isEmpty() || run.last() != a) {
                if (run.size() >= 2) painter_.drawPolyline(run);
                run.clear();
                run << a;
            }
            run << b;
        }
        previous = next;
    }
    if (run.size() >= 2) painter_.drawPolyline(run);
}

void QtCanvas::DoSetPixel(int x, int y, ColorValue color)
{
    if (image_ != nullptr) {
        // Straight into the image: the patterned-line rasterizer sets
        // pixels one by one.
        if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return;
        if (clipped_ && (x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom))
            return;
        reinterpret_cast<QRgb*>(image_->scanLine(y))[x] =
            qRgb(RedOf(color), GreenOf(color), BlueOf(color));
        return;
    }
    if (cutsItself_ && clipped_ && !ClipArea().contains(QPointF(x, y))) return;
    QPen saved = painter_.pen();
    painter_.setPen(QPen(ToQColor(color), 1));
    painter_.drawPoint(x, y);
    painter_.setPen(saved);
}

ColorValue QtCanvas::DoGetPixel(int x, int y)
{
    if (image_ == nullptr || x < 0 || y < 0 || x >= image_->width() || y >= image_->height())
        return 0xFFFFFF;
    QRgb p = image_->pixel(x, y);
    return MakeColorValue(qRed(p), qGreen(p), qBlue(p));
}

void QtCanvas::DoDrawText(int left, int top, const std::string& text, TextOrientation orientation)
{
    QFontMetrics fm(qfont_, device_);
    QString shown = ShownText(text);
    QPen saved = painter_.pen();
    painter_.setPen(fontColor_);
    if (orientation == TextOrientation::Horizontal) {
        painter_.drawText(left, top + fm.ascent(), shown);
    } else {
        int cx = fm.horizontalAdvance(shown);
        painter_.save();
        painter_.translate(left, top + cx);
        painter_.rotate(-90);
        painter_.drawText(0, fm.ascent(), shown);
        painter_.restore();
    }
    painter_.setPen(saved);
}

TextExtent QtCanvas::DoMeasureText(const std::string& text)
{
    QFontMetrics fm(qfont_, device_);
    return {fm.horizontalAdvance(ShownText(text)), fm.height()};
}

void QtCanvas::DoSetClipRect(const CanvasRect& rect)
{
    clipped_ = true;
    clip_ = rect;
    painter_.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

void QtCanvas::DoClearClip()
{
    clipped_ = false;
    painter_.setClipping(false);
}

}  // namespace vg
