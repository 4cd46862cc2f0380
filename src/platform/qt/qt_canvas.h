#pragma once

#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include "platform/canvas.h"

namespace vg {

// A Canvas drawing with QPainter on an image, a printer or a vector
// generator. Nothing is antialiased, texts included, so that a picture
// reduces exactly to the colour table.
class QtCanvas : public Canvas {
public:
    // Pixels can be read back only from an image.
    explicit QtCanvas(QImage& image);
    explicit QtCanvas(QPaintDevice& device);
    ~QtCanvas() override;

    // Ends painting (before the device is used elsewhere).
    void End();
    // False when the device could not be opened for painting.
    bool Active() const { return painter_.isActive(); }
    QPainter& Painter() { return painter_; }

    int Width() const override;
    int Height() const override;
    int DpiX() const override;
    int DpiY() const override;

    // The Qt font for a canvas font; the symbol rule picks an ordinary face.
    static QFont MakeQFont(const CanvasFont& font);
    static QColor ToQColor(ColorValue c);

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
    void Begin();
    QString ShownText(const std::string& text) const;
    void HatchRect(const CanvasRect& rect);
    // The clip rectangle as the pixel centres it keeps.
    QRectF ClipArea() const;
    void DrawEllipseInClip(const CanvasRect& rect);

    QPaintDevice* device_;
    QImage* image_ = nullptr;
    QPainter painter_;
    QFont qfont_;
    QColor fontColor_;
    bool symbolFont_ = false;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QColor brushColor_;
    bool clipped_ = false;
    CanvasRect clip_{};
    // The SVG generator keeps no clipping: lines and ellipses are cut here.
    bool cutsItself_ = false;
};

}  // namespace vg
