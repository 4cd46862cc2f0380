#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vg {

// A colour value as the records hold it: 00BBGGRR.
using ColorValue = uint32_t;

inline constexpr ColorValue MakeColorValue(int r, int g, int b)
{
    return static_cast<ColorValue>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}
inline constexpr int RedOf(ColorValue c) { return c & 0xFF; }
inline constexpr int GreenOf(ColorValue c) { return (c >> 8) & 0xFF; }
inline constexpr int BlueOf(ColorValue c) { return (c >> 16) & 0xFF; }

struct CanvasPoint {
    int x = 0;
    int y = 0;
};

// Device pixels; right and bottom are exclusive, as for every rectangle the
// drawing code hands around.
struct CanvasRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // The smallest rectangle holding both (an empty one counts as nothing).
    CanvasRect United(const CanvasRect& o) const;
};

enum class PenStyle : uint8_t { Solid, Dot, None };
// Invert flips the pixels under the pen (the trace cross and rubber band
// draw and erase themselves this way).
enum class PenMode : uint8_t { Copy, Invert };

// The shading styles in their table order, then Clear (no filling).
enum class BrushStyle : uint8_t {
    Solid,
    BDiagonal,  // "/" rising to the right
    FDiagonal,  // "\" falling to the right
    Cross,
    DiagCross,
    Horizontal,
    Vertical,
    Clear,
};

inline constexpr uint8_t kCanvasFontBold = 1;
inline constexpr uint8_t kCanvasFontItalic = 2;
inline constexpr uint8_t kCanvasFontUnderline = 4;
inline constexpr uint8_t kCanvasFontStrikeOut = 8;

// A font as a canvas takes it. A font named "Symbol" is symbol-encoded: its
// Latin letters are shown as the matching Greek ones.
struct CanvasFont {
    std::string name = "MS Sans Serif";
    int size = 8;  // points; the canvas converts with its resolution
    uint8_t style = 0;
    ColorValue color = 0;
};

enum class TextOrientation : uint8_t { Horizontal, Vertical /* 90 degrees, reading upward */ };

struct TextExtent {
    int cx = 0;  // along the text
    int cy = 0;  // line height
};

// The drawing surface the document draws on: a window image, a picture, a
// printer page. Texts are UTF-8.
//
// In measuring mode nothing is drawn: every call only extends a bounding
// box, which ComputePlotRect uses to find what overhangs the output.
class Canvas {
public:
    virtual ~Canvas() = default;

    void SetPen(ColorValue color, int width = 1, PenStyle style = PenStyle::Solid,
                PenMode mode = PenMode::Copy);
    void SetBrush(ColorValue color, BrushStyle style = BrushStyle::Solid);
    void SetFont(const CanvasFont& font);

    // Both end points included.
    void Line(int x1, int y1, int x2, int y2);
    void Polyline(const std::vector<CanvasPoint>& points);
    // Filled with the brush, outlined with the pen.
    void Polygon(const std::vector<CanvasPoint>& points);
    // The brush only, over left..right-1 x top..bottom-1.
    void FillRect(const CanvasRect& rect);
    // Ellipse inscribed in the rectangle, filled and outlined.
    void Ellipse(const CanvasRect& rect);
    void SetPixel(int x, int y, ColorValue color);
    ColorValue GetPixel(int x, int y);
    // (left, top) is the corner of the box the text covers on the device,
    // whichever way it runs; the colour is the font's.
    void DrawText(int left, int top, const std::string& text,
                  TextOrientation orientation = TextOrientation::Horizontal);
    TextExtent MeasureText(const std::string& text) { return DoMeasureText(text); }

    // Drawing outside the rectangle is discarded until ClearClip.
    void SetClipRect(const CanvasRect& rect);
    void ClearClip();

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;

    void BeginMeasure();
    // Ends measuring; the union of everything "drawn" meanwhile.
    CanvasRect EndMeasure();
    bool Measuring() const { return measuring_; }

    const CanvasFont& Font() const { return font_; }
    int PenWidth() const { return penWidth_; }
    PenStyle CurrentPenStyle() const { return penStyle_; }

protected:
    virtual void DoSetPen(ColorValue color, int width, PenStyle style, PenMode mode) = 0;
    virtual void DoSetBrush(ColorValue color, BrushStyle style) = 0;
    virtual void DoSetFont(const CanvasFont& font) = 0;
    virtual void DoLine(int x1, int y1, int x2, int y2) = 0;
    virtual void DoPolyline(const std::vector<CanvasPoint>& points) = 0;
    virtual void DoPolygon(const std::vector<CanvasPoint>& points) = 0;
    virtual void DoFillRect(const CanvasRect& rect) = 0;
    virtual void DoEllipse(const CanvasRect& rect) = 0;
    virtual void DoSetPixel(int x, int y, ColorValue color) = 0;
    virtual ColorValue DoGetPixel(int x, int y) = 0;
    virtual void DoDrawText(int left, int top, const std::string& text,
                            TextOrientation orientation) = 0;
    virtual TextExtent DoMeasureText(const std::string& text) = 0;
    virtual void DoSetClipRect(const CanvasRect& rect) = 0;
    virtual void DoClearClip() = 0;

private:
    void Extend(const CanvasRect& r);
    void ExtendByPoints(const std::vector<CanvasPoint>& points);

    bool measuring_ = false;
    CanvasRect measured_{};
    CanvasFont font_{};
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
};

// The Greek letter a symbol-encoded font shows for a Latin letter; other
// characters unchanged. The result is UTF-8.
std::string SymbolFontToUnicode(const std::string& text);
bool IsSymbolFontName(const std::string& name);

}  // namespace vg
