#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace vg::test {

// A Canvas for tests: records every call as a line of text and rasterizes
// it into a plain pixel buffer with simple, font-independent rules (a text
// is a row of character blocks), so that pictures are the same on every
// machine.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int width, int height, int dpi = 96);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int DpiX() const override { return dpi_; }
    int DpiY() const override { return dpi_; }

    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Calls whose text starts with the prefix.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
    const std::vector<ColorValue>& Pixels() const { return pixels_; }
    ColorValue At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    // Number of pixels of the colour.
    int Count(ColorValue color) const;

protected:
    void DoSetPen(ColorValue color, int width, PenStyle style, PenMode mode) override;
    void DoSetBrush(ColorValue color, BrushStyle style) override;
    void DoSetFont(const CanvasFont& font) override;
    void DoLine(int x1, int y1, int x2, int y2) override;
    void DoPolyline(const std::vector<CanvasPoint>& points) override;
    void DoPolygon(const std::vector<CanvasPoint>& points) override;
    void DoFillRect(const CanvasRect& rect) override;
    void DoEllipse(const CanvasRect& rect) override;
    void DoSetPixel(int x, int y, ColorValue color) override;
    ColorValue DoGetPixel(int x, int y) override;
    void DoDrawText(int left, int top, const std::string& text,
                    TextOrientation orientation) override;
    TextExtent DoMeasureText(const std::string& text) override;
    void DoSetClipRect(const CanvasRect& rect) override;
    void DoClearClip() override;

private:
    void Put(int x, int y, ColorValue color);
    void PenDot(int x, int y);
    void RasterLine(int x1, int y1, int x2, int y2);
    bool BrushCovers(int x, int y) const;
    void Record(std::string call) { calls_.push_back(std::move(call)); }

    int width_;
    int height_;
    int dpi_;
    std::vector<ColorValue> pixels_;
    std::vector<std::string> calls_;
    ColorValue penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    PenMode penMode_ = PenMode::Copy;
    ColorValue brushColor_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    CanvasFont font_{};
    bool clipped_ = false;
    CanvasRect clip_{};
};

}  // namespace vg::test
