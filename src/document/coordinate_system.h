#pragma once

#include <string>

#include "document/device_context.h"
#include "document/document_options.h"
#include "platform/canvas.h"

namespace vg {

// Axis units to device pixels inside a plot rectangle. The rectangle's
// right and bottom are the pixels of MaxX and MinY (included).
struct PlotMapping {
    CanvasRect PlotRect{};
    long double MinX = -10, MaxX = 10, MinY = -10, MaxY = 10;
    long double PixelsPerUnitX = 1, PixelsPerUnitY = 1;
    bool XLeftToRight = true;
    bool YBottomToTop = true;

    int ToScreenX(long double u) const;
    int ToScreenY(long double v) const;
    // The algebraic inverse (mouse readout, view commands).
    long double FromScreenX(long double x) const;
    long double FromScreenY(long double y) const;
};

PlotMapping MakePlotMapping(const DocumentOptions& d, const CanvasRect& plotRect);

// Where the axes lie, in axis units: the X axis at v, the Y axis at u.
long double AxisXPositionY(const DocumentOptions& d, const ViewSettings& v);
long double AxisYPositionX(const DocumentOptions& d, const ViewSettings& v);

// The label text of one mark (without suffix or logarithmic form).
std::string FormatLabel(long double value, long double step);
// The whole label: FormatLabel + suffix, in the logarithmic form on a
// logarithmic axis.
std::string AxisLabelText(long double value, long double step, const std::string& suffix,
                          bool logarithmic, long double logBase);

// Record texts are shown as UTF-8; bytes that are not UTF-8 are taken as
// Windows-1252, as older files hold them.
std::string RecordTextToUtf8(std::string_view text);
// The canvas font for a font record on this device.
CanvasFont ToCanvasFont(const FontSpec& font, const DeviceContext& device);

// What a drawing of the frame leaves for the graphs and the trace pointer.
struct PlotFrame {
    PlotMapping Mapping;
    // The plot rectangle enlarged by the arrow heads, names and labels.
    CanvasRect ExtentRect{};
    // Large enough (10 pixels each way) for grid, marks, labels and graphs.
    bool Drawable = false;
};

// The plot rectangle inside the output rectangle: margins, then the
// overhang of labels, titles and arrow heads, then equal scale.
CanvasRect ComputePlotRect(Canvas& canvas, const DocumentOptions& d, const ViewSettings& v,
                           const CanvasRect& output, const DeviceContext& device);

// Steps 2 to 8 of drawing a document: background, plot rectangle, grids,
// axes, pointers, marks, labels and titles.
PlotFrame DrawFrame(Canvas& canvas, const DocumentOptions& d, const ViewSettings& v,
                    const CanvasRect& output, const DeviceContext& device);

}  // namespace vg
