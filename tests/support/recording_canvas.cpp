#include "support/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace vg::test {

namespace {
// Joins the words with single blanks (appending, which also keeps GCC's
// string-concatenation warnings quiet).
std::string Join(std::initializer_list<std::string> words)
{
    std::string out;
    for (const std::string& w : words) {
        if (!out.empty()) out.append(1, ' ');
        out.append(w);
    }
    return out;
}

std::string N(int v) { return std::to_string(v); }

std::string Hex(ColorValue c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", c & 0xFFFFFFu);
    return buf;
}
}  // namespace

RecordingCanvas::RecordingCanvas(int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi),
      pixels_(static_cast<std::size_t>(width) * height, 0xFFFFFF)
{
}

std::vector<std::string> RecordingCanvas::CallsStartingWith(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const std::string& c : calls_)
        if (c.compare(0, prefix.size(), prefix) == 0) out.push_back(c);
    return out;
}

int RecordingCanvas::Count(ColorValue color) const
{
    return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), color));
}

void RecordingCanvas::Put(int x, int y, ColorValue color)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    if (clipped_ && (x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom))
        return;
    ColorValue& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
    p = penMode_ == PenMode::Invert ? (p ^ 0xFFFFFFu) : color;
}

void RecordingCanvas::PenDot(int x, int y)
{
    int lo = -(penWidth_ / 2);
    for (int dy = lo; dy < lo + penWidth_; ++dy)
        for (int dx = lo; dx < lo + penWidth_; ++dx) Put(x + dx, y + dy, penColor_);
}

void RecordingCanvas::RasterLine(int x1, int y1, int x2, int y2)
{
    if (penStyle_ == PenStyle::None) return;
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    const int reach = penWidth_;
    for (int k = 0;; ++k) {
        bool near = x1 >= -reach && y1 >= -reach && x1 < width_ + reach && y1 < height_ + reach;
        if (near && (penStyle_ == PenStyle::Solid || k % 2 == 0)) PenDot(x1, y1);
        if (x1 == x2 && y1 == y2) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

bool RecordingCanvas::BrushCovers(int x, int y) const
{
    switch (brushStyle_) {
    case BrushStyle::Solid: return true;
    case BrushStyle::BDiagonal: return (x + y) % 8 == 0;
    case BrushStyle::FDiagonal: return ((x - y) % 8 + 8) % 8 == 0;
    case BrushStyle::Cross: return x % 8 == 0 || y % 8 == 0;
    case BrushStyle::DiagCross: return (x + y) % 8 == 0 || ((x - y) % 8 + 8) % 8 == 0;
    case BrushStyle::Horizontal: return y % 8 == 0;
    case BrushStyle::Vertical: return x % 8 == 0;
    case BrushStyle::Clear: return false;
    }
    return false;
}

void RecordingCanvas::DoSetPen(ColorValue color, int width, PenStyle style, PenMode mode)
{
    penColor_ = color;
    penWidth_ = width;
    penStyle_ = style;
    penMode_ = mode;
    Record(Join({"Pen", Hex(color), N(width), N(static_cast<int>(style)), N(static_cast<int>(mode))}));
}

void RecordingCanvas::DoSetBrush(ColorValue color, BrushStyle style)
{
    brushColor_ = color;
    brushStyle_ = style;
    Record(Join({"Brush", Hex(color), N(static_cast<int>(style))}));
}

void RecordingCanvas::DoSetFont(const CanvasFont& font)
{
    font_ = font;
    Record(Join({"Font", font.name, N(font.size), N(font.style), Hex(font.color)}));
}

void RecordingCanvas::DoLine(int x1, int y1, int x2, int y2)
{
    Record(Join({"Line", N(x1), N(y1), N(x2), N(y2)}));
    RasterLine(x1, y1, x2, y2);
}

void RecordingCanvas::DoPolyline(const std::vector<CanvasPoint>& points)
{
    Record(Join({"Polyline", N(static_cast<int>(points.size()))}));
    for (std::size_t i = 1; i < points.size(); ++i)
        RasterLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}

void RecordingCanvas::DoPolygon(const std::vector<CanvasPoint>& points)
{
    std::string call = "Polygon";
    for (const CanvasPoint& p : points) call.append(" ").append(N(p.x)).append(",").append(N(p.y));
    Record(call);
    // Even-odd fill at pixel centres, then the outline.
    if (brushStyle_ != BrushStyle::Clear) {
        int top = height_, bottom = -1;
        for (const CanvasPoint& p : points) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, height_ - 1);
        for (int y = top; y <= bottom; ++y) {
            std::vector<double> xs;
            double cy = y + 0.5;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const CanvasPoint& a = points[i];
                const CanvasPoint& b = points[(i + 1) % points.size()];
                if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy))
                    xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / double(b.y - a.y));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
                for (int x = static_cast<int>(std::ceil(xs[i] - 0.5));
                     x < static_cast<int>(std::ceil(xs[i + 1] - 0.5)); ++x)
                    if (BrushCovers(x, y)) Put(x, y, brushColor_);
        }
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CanvasPoint& a = points[i];
        const CanvasPoint& b = points[(i + 1) % points.size()];
        RasterLine(a.x, a.y, b.x, b.y);
    }
}

void RecordingCanvas::DoFillRect(const CanvasRect& r)
{
    Record(Join({"FillRect", N(r.left), N(r.top), N(r.right), N(r.bottom)}));
    PenMode saved = penMode_;
    penMode_ = PenMode::Copy;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x)
            if (BrushCovers(x, y)) Put(x, y, brushColor_);
    penMode_ = saved;
}

void RecordingCanvas::DoEllipse(const CanvasRect& r)
{
    Record(Join({"Ellipse", N(r.left), N(r.top), N(r.right), N(r.bottom)}));
    double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    if (rx <= 0 || ry <= 0) return;
    auto inside = [&](int x, int y) {
        double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    int y0 = std::max(r.top, -1), y1 = std::min(r.bottom, height_ + 1);
    int x0 = std::max(r.left, -1), x1 = std::min(r.right, width_ + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            if (!inside(x, y)) continue;
            bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) ||
                        !inside(x, y + 1);
            if (edge && penStyle_ != PenStyle::None)
                Put(x, y, penColor_);
            else if (!edge && BrushCovers(x, y))
                Put(x, y, brushColor_);
        }
}

void RecordingCanvas::DoSetPixel(int x, int y, ColorValue color)
{
    PenMode saved = penMode_;
    penMode_ = PenMode::Copy;
    Put(x, y, color);
    penMode_ = saved;
}

ColorValue RecordingCanvas::DoGetPixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFF;
    return At(x, y);
}

TextExtent RecordingCanvas::DoMeasureText(const std::string& text)
{
    // Every character is a cell of 0.6 x 1.25 of the size in pixels.
    int px = std::max(1, font_.size * dpi_ / 72);
    int cw = std::max(2, px * 6 / 10);
    int ch = std::max(3, px * 5 / 4);
    return {cw * static_cast<int>(text.size()), ch};
}

void RecordingCanvas::DoDrawText(int left, int top, const std::string& text,
                                 TextOrientation orientation)
{
    Record(Join({"Text", N(left), N(top), orientation == TextOrientation::Horizontal ? "H" : "V", text}));
    TextExtent e = DoMeasureText(text);
    int cw = text.empty() ? 0 : e.cx / static_cast<int>(text.size());
    PenMode saved = penMode_;
    penMode_ = PenMode::Copy;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        int a0 = static_cast<int>(i) * cw + 1, a1 = a0 + cw - 2;  // along the text
        int b0 = e.cy / 4, b1 = e.cy - 2;                         // across
        // Only the part of the block that lands on the canvas.
        const bool h = orientation == TextOrientation::Horizontal;
        a0 = std::max(a0, h ? -left : top + e.cx - height_);
        a1 = std::min(a1, h ? width_ - left : top + e.cx);
        b0 = std::max(b0, h ? -top : -left);
        b1 = std::min(b1, h ? height_ - top : width_ - left);
        for (int a = a0; a < a1; ++a)
            for (int b = b0; b < b1; ++b) {
                if (h)
                    Put(left + a, top + b, font_.color);
                else
                    Put(left + b, top + e.cx - 1 - a, font_.color);
            }
    }
    penMode_ = saved;
}

void RecordingCanvas::DoSetClipRect(const CanvasRect& r)
{
    clipped_ = true;
    clip_ = r;
    Record(Join({"Clip", N(r.left), N(r.top), N(r.right), N(r.bottom)}));
}

void RecordingCanvas::DoClearClip()
{
    clipped_ = false;
    Record("NoClip");
}

}  // namespace vg::test
