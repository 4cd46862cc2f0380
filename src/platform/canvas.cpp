#include "platform/canvas.h"

#include <algorithm>
#include <cctype>

#include "platform/text_encoding.h"

namespace vg {

CanvasRect CanvasRect::United(const CanvasRect& o) const
{
    if (o.IsEmpty()) return *this;
    if (IsEmpty()) return o;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
}

void Canvas::SetPen(ColorValue color, int width, PenStyle style, PenMode mode)
{
    penWidth_ = std::max(1, width);
    penStyle_ = style;
    if (!measuring_) DoSetPen(color, penWidth_, style, mode);
}

void Canvas::SetBrush(ColorValue color, BrushStyle style)
{
    if (!measuring_) DoSetBrush(color, style);
}

void Canvas::SetFont(const CanvasFont& font)
{
    font_ = font;
    font_.size = std::max(1, font_.size);
    DoSetFont(font_);  // measuring needs the font's extents too
}

void Canvas::Extend(const CanvasRect& r) { measured_ = measured_.United(r); }

void Canvas::ExtendByPoints(const std::vector<CanvasPoint>& points)
{
    if (points.empty()) return;
    int half = penStyle_ == PenStyle::None ? 0 : penWidth_ / 2;
    CanvasRect box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const CanvasPoint& p : points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    Extend({box.left - half, box.top - half, box.right + half + 1, box.bottom + half + 1});
}

void Canvas::Line(int x1, int y1, int x2, int y2)
{
    if (measuring_) {
        ExtendByPoints({{x1, y1}, {x2, y2}});
        return;
    }
    DoLine(x1, y1, x2, y2);
}

void Canvas::Polyline(const std::vector<CanvasPoint>& points)
{
    if (measuring_) {
        ExtendByPoints(points);
        return;
    }
    if (points.size() >= 2) DoPolyline(points);
}

void Canvas::Polygon(const std::vector<CanvasPoint>& points)
{
    if (measuring_) {
        ExtendByPoints(points);
        return;
    }
    if (points.size() >= 2) DoPolygon(points);
}

void Canvas::FillRect(const CanvasRect& rect)
{
    if (rect.IsEmpty()) return;
    if (measuring_) {
        Extend(rect);
        return;
    }
    DoFillRect(rect);
}

void Canvas::Ellipse(const CanvasRect& rect)
{
    if (measuring_) {
        ExtendByPoints({{rect.left, rect.top}, {rect.right, rect.bottom}});
        return;
    }
    DoEllipse(rect);
}

void Canvas::SetPixel(int x, int y, ColorValue color)
{
    if (measuring_) {
        Extend({x, y, x + 1, y + 1});
        return;
    }
    DoSetPixel(x, y, color);
}

ColorValue Canvas::GetPixel(int x, int y) { return DoGetPixel(x, y); }

void Canvas::DrawText(int left, int top, const std::string& text, TextOrientation orientation)
{
    if (measuring_) {
        TextExtent e = DoMeasureText(text);
        if (orientation == TextOrientation::Horizontal)
            Extend({left, top, left + e.cx, top + e.cy});
        else
            Extend({left, top, left + e.cy, top + e.cx});
        return;
    }
    DoDrawText(left, top, text, orientation);
}

void Canvas::SetClipRect(const CanvasRect& rect)
{
    if (!measuring_) DoSetClipRect(rect);
}

void Canvas::ClearClip()
{
    if (!measuring_) DoClearClip();
}

void Canvas::BeginMeasure()
{
    measuring_ = true;
    measured_ = {};
}

CanvasRect Canvas::EndMeasure()
{
    measuring_ = false;
    return measured_;
}

bool IsSymbolFontName(const std::string& name)
{
    static const char kSymbol[] = "symbol";
    if (name.size() != sizeof kSymbol - 1) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != kSymbol[i]) return false;
    return true;
}

namespace {

// Unicode code points a symbol-encoded font shows for A..Z and a..z.
constexpr char32_t kUpperGreek[26] = {
    0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
    0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
    0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
constexpr char32_t kLowerGreek[26] = {
    0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
    0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
    0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};

}  // namespace

std::string SymbolFontToUnicode(const std::string& text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        if (ch >= 'A' && ch <= 'Z')
            AppendUtf8(out, kUpperGreek[ch - 'A']);
        else if (ch >= 'a' && ch <= 'z')
            AppendUtf8(out, kLowerGreek[ch - 'a']);
        else
            out += ch;
    }
    return out;
}

}  // namespace vg
