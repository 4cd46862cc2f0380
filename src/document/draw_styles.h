#pragma once

#include <cstdint>

#include "platform/canvas.h"

namespace vg {

// The 16-colour table (colour index -> 00BBGGRR).
inline constexpr int kColorCount = 16;
inline constexpr ColorValue kColorTable[kColorCount] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

inline constexpr int kLineStyleCount = 4;
inline constexpr int kLineWidthCount = 5;
inline constexpr int kPointSizeCount = 6;
inline constexpr int kPointStyleCount = 8;
inline constexpr int kShadingStyleCount = 7;
inline constexpr int kPointerCount = 2;

// Indices come from files too: out-of-range ones are clamped into the table.
ColorValue ColorOfIndex(int index);
int ClampLineStyle(int style);
int ClampLineWidth(int width);
int ClampPointStyle(int style);
int ClampShadingStyle(int style);
BrushStyle ShadingBrush(int shadingStyle);
// The table index of the colour nearest to a colour value.
int NearestColorIndex(ColorValue color);

// The styled line rasterizer: solid lines through the canvas's own pen,
// patterned ones pixel by pixel along the Bresenham walk.
class TLiner {
public:
    static constexpr int kMaxPatterns = 20;
    static constexpr int kMaxPatternLength = 32;

    struct Pattern {
        int Length = 0;
        bool Flags[kMaxPatternLength] = {};
    };

    TLiner(Canvas& canvas, int style, int width);
    void SetColor(ColorValue color);
    // A segment in device pixels; the end pixel is left to the next one.
    void Line(int x1, int y1, int x2, int y2);

    const Pattern& CurrentPattern() const { return Current; }
    int LineWidth() const { return Width; }
    int LineStyle() const { return Style; }

    // A pattern with its dashes shrunk by the pen width and rotated to begin
    // with its first drawn step.
    static Pattern AdjustPattern(const Pattern& pattern, int width);

private:
    void RegisterPattern(int length, const char* flags);
    void DrawStep(int x, int y);

    Canvas* Canvas_;
    int Style;
    int Width;
    int PatternCount = 0;
    Pattern Patterns[kMaxPatterns];
    ColorValue Color = 0;
    Pattern Current;
};

// A point mark of the given style and size (pixels) centred on (x, y).
void DrawPointMark(Canvas& canvas, int x, int y, int style, int size, ColorValue color);

enum class PointerDirection : uint8_t { Right, Left, Up, Down };

// The arrow head of an axis whose end is at (x, y): pointer 0 draws a filled
// triangle reaching `length` pixels beyond the end, 1 nothing.
void DrawPointer(Canvas& canvas, int x, int y, PointerDirection direction, ColorValue color,
                 int pointer, int length, int halfWidth);

}  // namespace vg
