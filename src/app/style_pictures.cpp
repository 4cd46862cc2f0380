#include "app/style_pictures.h"

#include <algorithm>
#include <cmath>

#include "app/graph_props_model.h"
#include "document/draw_styles.h"

namespace vg {

namespace {

int Scaled(double pixels, double scale) { return std::max(1, static_cast<int>(std::lround(pixels * scale))); }

void FillBackground(Canvas& canvas, const CanvasRect& rect, ColorValue background)
{
    canvas.SetBrush(background, BrushStyle::Solid);
    canvas.FillRect(rect);
}

// A horizontal line through the middle of rect, margin pixels from its ends.
void StyledLine(Canvas& canvas, const CanvasRect& rect, int style, int width, ColorValue color, int margin)
{
    const int y = rect.top + rect.Height() / 2;
    TLiner liner(canvas, style, width);
    liner.SetColor(color);
    liner.Line(rect.left + margin, y, rect.right - margin, y);
}

void Mark(Canvas& canvas, const CanvasRect& rect, int style, int size, ColorValue color)
{
    DrawPointMark(canvas, rect.left + rect.Width() / 2, rect.top + rect.Height() / 2, style, size, color);
}

// A framed sample: the frame in the foreground colour, the inside filled.
void Swatch(Canvas& canvas, const CanvasRect& rect, ColorValue frame, ColorValue fill, BrushStyle brush,
            ColorValue background, int margin)
{
    const CanvasRect box{rect.left + margin, rect.top + margin, rect.right - margin, rect.bottom - margin};
    if (box.IsEmpty()) return;
    canvas.SetBrush(background, BrushStyle::Solid);
    canvas.FillRect(box);
    canvas.SetBrush(fill, brush);
    canvas.FillRect(box);
    canvas.SetPen(frame, 1, PenStyle::Solid);
    canvas.Polyline({{box.left, box.top},
                     {box.right - 1, box.top},
                     {box.right - 1, box.bottom - 1},
                     {box.left, box.bottom - 1},
                     {box.left, box.top}});
}

}  // namespace

int StyleListCount(StyleList list)
{
    switch (list) {
    case StyleList::LineStyle: return kLineStyleCount;
    case StyleList::LineWidth: return kLineWidthCount;
    case StyleList::PointSize: return kPointSizeCount;
    case StyleList::PointStyle: return kPointStyleCount;
    case StyleList::Color: return kColorCount;
    case StyleList::Pointer: return kPointerCount;
    case StyleList::Brush: return kShadingStyleCount;
    }
    return 0;
}

void DrawStyleItem(Canvas& canvas, StyleList list, int index, const CanvasRect& rect, ColorValue foreground,
                   ColorValue background, double scale)
{
    FillBackground(canvas, rect, background);
    if (index < 0 || index >= StyleListCount(list) || rect.IsEmpty()) return;
    const int margin = Scaled(4, scale);
    switch (list) {
    case StyleList::LineStyle: StyledLine(canvas, rect, index, Scaled(1, scale), foreground, margin); break;
    case StyleList::LineWidth: StyledLine(canvas, rect, 0, Scaled(index + 1, scale), foreground, margin); break;
    case StyleList::PointSize: Mark(canvas, rect, 3, Scaled(2 * index + 1, scale), foreground); break;
    case StyleList::PointStyle: Mark(canvas, rect, index, Scaled(7, scale), foreground); break;
    case StyleList::Color:
        Swatch(canvas, rect, foreground, ColorOfIndex(index), BrushStyle::Solid, background, Scaled(2, scale));
        break;
    case StyleList::Brush:
        Swatch(canvas, rect, foreground, foreground, ShadingBrush(index), background, Scaled(2, scale));
        break;
    case StyleList::Pointer: {
        const int y = rect.top + rect.Height() / 2;
        const int length = Scaled(8, scale);
        const int end = rect.right - margin - length;
        canvas.SetPen(foreground, Scaled(1, scale), PenStyle::Solid);
        canvas.Line(rect.left + margin, y, end, y);
        DrawPointer(canvas, end, y, PointerDirection::Right, foreground, index, length, Scaled(3, scale));
        break;
    }
    }
}

void DrawGraphPicture(Canvas& canvas, const GraphRecord& r, int width, int height, ColorValue background,
                      double scale)
{
    const CanvasRect whole{0, 0, width, height};
    FillBackground(canvas, whole, background);
    if (!r.Visible || whole.IsEmpty()) return;
    const ColorValue color = ColorOfIndex(r.ColorIndex());
    if (IsRegionGraph(r)) {
        canvas.SetBrush(color, ShadingBrush(r.BrushStyleIndex()));
        canvas.FillRect(whole);
        return;
    }
    const int inset = Scaled(7, scale);
    const int step = std::max(0, (width - 2 * inset) / 3);
    const int y = height / 2 - 1;
    const bool lines = r.Lines || r.Kind == GraphKind::DifField || r.Kind == GraphKind::Equation;
    if (r.Points && r.Kind != GraphKind::DifField) {
        const int size = Scaled(r.PointSizePixels(), scale);
        for (int k = 0; k < 4; ++k) DrawPointMark(canvas, inset + k * step, y, r.PointStyleIndex(), size, color);
    }
    if (lines) {
        TLiner liner(canvas, r.LineStyleIndex(), Scaled(r.LineWidth(), scale));
        liner.SetColor(color);
        liner.Line(inset, y, inset + 3 * step, y);
    }
}

}  // namespace vg
