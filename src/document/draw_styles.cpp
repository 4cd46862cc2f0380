#include "document/draw_styles.h"

#include <algorithm>
#include <cstdlib>

namespace vg {

ColorValue ColorOfIndex(int index) { return kColorTable[std::clamp(index, 0, kColorCount - 1)]; }
int ClampLineStyle(int style) { return std::clamp(style, 0, kLineStyleCount - 1); }
int ClampLineWidth(int width) { return std::clamp(width, 1, kLineWidthCount); }
int ClampPointStyle(int style) { return std::clamp(style, 0, kPointStyleCount - 1); }
int ClampShadingStyle(int style) { return std::clamp(style, 0, kShadingStyleCount - 1); }

BrushStyle ShadingBrush(int shadingStyle)
{
    return static_cast<BrushStyle>(ClampShadingStyle(shadingStyle));
}

int NearestColorIndex(ColorValue color)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < kColorCount; ++i) {
        ColorValue t = kColorTable[i];
        long dr = RedOf(color) - RedOf(t), dg = GreenOf(color) - GreenOf(t),
             db = BlueOf(color) - BlueOf(t);
        long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

TLiner::TLiner(Canvas& canvas, int style, int width)
    : Canvas_(&canvas), Style(ClampLineStyle(style)), Width(std::max(1, width))
{
    RegisterPattern(32, "11111111111111111111111100000000");
    RegisterPattern(8, "11110000");
    RegisterPattern(21, "111111111111000010000");
    if (Style == 0) {
        Canvas_->SetPen(Color, Width, PenStyle::Solid);
    } else {
        Current = AdjustPattern(Patterns[Style - 1], Width);
        Canvas_->SetBrush(Color, BrushStyle::Solid);
    }
}

void TLiner::RegisterPattern(int length, const char* flags)
{
    if (PatternCount >= kMaxPatterns) return;
    Pattern& p = Patterns[PatternCount++];
    p.Length = std::clamp(length, 1, kMaxPatternLength);
    for (int i = 0; i < p.Length; ++i) p.Flags[i] = flags[i] == '1';
}

TLiner::Pattern TLiner::AdjustPattern(const Pattern& pattern, int width)
{
    Pattern out = pattern;
    const int n = pattern.Length;
    int a = 0;
    while (a < n) {
        if (!pattern.Flags[a]) {
            ++a;
            continue;
        }
        int b = a;
        while (b + 1 < n && pattern.Flags[b + 1]) ++b;
        for (int i = a; i <= b; ++i) out.Flags[i] = false;
        int from = a + width / 2 - (width - 1) % 2;
        int to = b - width / 2;
        if (from > to) {
            out.Flags[(a + b) / 2] = true;
        } else {
            for (int i = std::max(from, 0); i <= std::min(to, n - 1); ++i) out.Flags[i] = true;
        }
        a = b + 1;
    }
    int first = 0;
    while (first < n && !out.Flags[first]) ++first;
    if (first == n) return out;
    Pattern rotated;
    rotated.Length = n;
    for (int i = 0; i < n; ++i) rotated.Flags[i] = out.Flags[(first + i) % n];
    return rotated;
}

void TLiner::SetColor(ColorValue color)
{
    Color = color;
    if (Style == 0)
        Canvas_->SetPen(Color, Width, PenStyle::Solid);
    else
        Canvas_->SetBrush(Color, BrushStyle::Solid);
}

void TLiner::DrawStep(int x, int y)
{
    if (Width == 1) {
        Canvas_->SetPixel(x, y, Color);
        return;
    }
    int left = x - Width / 2, top = y - Width / 2;
    Canvas_->FillRect({left, top, left + Width, top + Width});
}

void TLiner::Line(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2) return;
    if (Style == 0) {
        Canvas_->Line(x1, y1, x2, y2);
        return;
    }
    // Bresenham along the major axis; step k is drawn when flag k mod n is set.
    int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    bool xMajor = dx >= dy;
    int major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    int error = 2 * minor - major;
    int x = x1, y = y1;
    const int n = Current.Length;
    for (int k = 0, phase = 0; k < major; ++k) {
        if (Current.Flags[phase]) DrawStep(x, y);
        if (++phase == n) phase = 0;
        if (error > 0) {
            if (xMajor)
                y += sy;
            else
                x += sx;
            error -= 2 * major;
        }
        error += 2 * minor;
        if (xMajor)
            x += sx;
        else
            y += sy;
    }
}

void DrawPointMark(Canvas& canvas, int x, int y, int style, int size, ColorValue color)
{
    if (size <= 1) {
        canvas.SetPixel(x, y, color);
        return;
    }
    const int h = size / 2;
    style = ClampPointStyle(style);
    canvas.SetPen(color, 1, PenStyle::Solid);
    switch (style) {
    case 0:
        canvas.Line(x - h, y - h, x + h, y + h);
        canvas.Line(x - h, y + h, x + h, y - h);
        break;
    case 1:
        canvas.Line(x - h, y, x + h, y);
        canvas.Line(x, y - h, x, y + h);
        break;
    case 2:
    case 3:
        canvas.SetBrush(color, style == 3 ? BrushStyle::Solid : BrushStyle::Clear);
        canvas.Polygon({{x - h, y - h}, {x + h, y - h}, {x + h, y + h}, {x - h, y + h}});
        break;
    case 4:
    case 5:
        canvas.SetBrush(color, style == 5 ? BrushStyle::Solid : BrushStyle::Clear);
        canvas.Polygon({{x - h, y}, {x, y - h}, {x + h, y}, {x, y + h}});
        break;
    default:
        canvas.SetBrush(color, style == 7 ? BrushStyle::Solid : BrushStyle::Clear);
        canvas.Ellipse({x - h, y - h, x + h + 1, y + h + 1});
        break;
    }
}

void DrawPointer(Canvas& canvas, int x, int y, PointerDirection direction, ColorValue color,
                 int pointer, int length, int halfWidth)
{
    if (pointer != 0) return;
    canvas.SetPen(color, 1, PenStyle::Solid);
    canvas.SetBrush(color, BrushStyle::Solid);
    switch (direction) {
    case PointerDirection::Right:
        canvas.Polygon({{x + length, y}, {x, y - halfWidth}, {x, y + halfWidth}});
        break;
    case PointerDirection::Left:
        canvas.Polygon({{x - length, y}, {x, y - halfWidth}, {x, y + halfWidth}});
        break;
    case PointerDirection::Up:
        canvas.Polygon({{x, y - length}, {x - halfWidth, y}, {x + halfWidth, y}});
        break;
    case PointerDirection::Down:
        canvas.Polygon({{x, y + length}, {x - halfWidth, y}, {x + halfWidth, y}});
        break;
    }
}

}  // namespace vg
