#include "document/coordinate_system.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "document/draw_styles.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"
#include "platform/text_encoding.h"

namespace vg {

namespace {

// Pixel coordinates are kept well inside int and inside what a painter
// handles quickly; anything farther lies off every device anyway.
constexpr long double kPixelLimit = 1000000.0L;

int ClampToPixel(long double x)
{
    if (!(x > -kPixelLimit)) return -static_cast<int>(kPixelLimit);
    if (!(x < kPixelLimit)) return static_cast<int>(kPixelLimit);
    return static_cast<int>(std::nearbyint(x));
}

int RoundPixel(long double x) { return ClampToPixel(RoundMantissa(x)); }

long double SafeRange(long double lo, long double hi)
{
    long double r = hi - lo;
    return r > 0 && std::isfinite(r) ? r : 1;
}

}  // namespace

int PlotMapping::ToScreenX(long double u) const
{
    int offset = RoundPixel(PixelsPerUnitX * (u - MinX));
    return XLeftToRight ? PlotRect.left + offset : PlotRect.right - offset;
}

int PlotMapping::ToScreenY(long double v) const
{
    int offset = RoundPixel(PixelsPerUnitY * (v - MinY));
    return YBottomToTop ? PlotRect.bottom - offset : PlotRect.top + offset;
}

long double PlotMapping::FromScreenX(long double x) const
{
    long double offset = XLeftToRight ? x - PlotRect.left : PlotRect.right - x;
    return MinX + offset / PixelsPerUnitX;
}

long double PlotMapping::FromScreenY(long double y) const
{
    long double offset = YBottomToTop ? PlotRect.bottom - y : y - PlotRect.top;
    return MinY + offset / PixelsPerUnitY;
}

PlotMapping MakePlotMapping(const DocumentOptions& d, const CanvasRect& plotRect)
{
    PlotMapping m;
    m.PlotRect = plotRect;
    m.MinX = d.MinX;
    m.MaxX = d.MaxX;
    m.MinY = d.MinY;
    m.MaxY = d.MaxY;
    m.PixelsPerUnitX = (plotRect.right - plotRect.left) / SafeRange(m.MinX, m.MaxX);
    m.PixelsPerUnitY = (plotRect.bottom - plotRect.top) / SafeRange(m.MinY, m.MaxY);
    if (!(m.PixelsPerUnitX > 0)) m.PixelsPerUnitX = 1e-300L;
    if (!(m.PixelsPerUnitY > 0)) m.PixelsPerUnitY = 1e-300L;
    m.XLeftToRight = d.XLeftToRight != 0;
    m.YBottomToTop = d.YBottomToTop != 0;
    return m;
}

long double AxisXPositionY(const DocumentOptions& d, const ViewSettings& v)
{
    if (v.Boxed) return d.YBottomToTop ? d.MinY : d.MaxY;
    if (d.LogY) return d.MinY;
    return std::clamp<long double>(0, d.MinY, d.MaxY);
}

long double AxisYPositionX(const DocumentOptions& d, const ViewSettings& v)
{
    if (v.Boxed) return d.XLeftToRight ? d.MinX : d.MaxX;
    if (d.LogX) return d.MinX;
    return std::clamp<long double>(0, d.MinX, d.MaxX);
}

namespace {

std::string FixedDecimals(long double value, int decimals)
{
    char buf[512];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return FormatNumber(value);
    return std::string(buf, result.ptr);
}

}  // namespace

std::string FormatLabel(long double value, long double step)
{
    // Label positions are sums of steps: 0.001 may arrive as 0.000999...
    value = NearZero(value);
    long double a = std::fabs(value);
    if (value == 0 || (a >= 0.001L && a <= 1e6L)) {
        if (value == 0) return "0";
        long double s = std::fabs(step * 0.001L);
        int decimals = 1;
        if (!(s > 0.1L) && s > 0) decimals = static_cast<int>(std::trunc(-std::log10(s))) + 1;
        decimals = std::clamp(decimals, 1, 60);
        std::string text = FixedDecimals(value, decimals);
        if (text.find('.') != std::string::npos) {
            while (!text.empty() && text.back() == '0') text.pop_back();
            if (!text.empty() && text.back() == '.') text.pop_back();
        }
        if (text == "-0") text = "0";
        return text;
    }
    return FormatPowerNumber(value);
}

std::string AxisLabelText(long double value, long double step, const std::string& suffix,
                          bool logarithmic, long double logBase)
{
    std::string text = FormatLabel(value, step) + suffix;
    if (!logarithmic) return text;
    std::string base = FormatNumber(logBase);
    if (text.find_first_of("-^") != std::string::npos) return base + "^(" + text + ")";
    return base + "^" + text;
}

std::string RecordTextToUtf8(std::string_view text) { return DecodeUtf8OrWindows1252(text); }

CanvasFont ToCanvasFont(const FontSpec& font, const DeviceContext& device)
{
    CanvasFont f;
    f.name = RecordTextToUtf8(font.Name.View());
    if (f.name.empty()) f.name = "MS Sans Serif";
    // Sizes from files are only known to be positive; a page-filling font is
    // the most anyone can mean.
    f.size = std::min(ScaledPixels(font.Size, device.FontScale), 1000);
    f.style = font.Style & 15;
    f.color = device.BlackAndWhite ? 0 : (font.Color & 0xFFFFFF);
    return f;
}

namespace {

// Multiples of step inside min .. max (after NearZero), starting one step
// below min as the marks do; at most a few hundred, whatever the values.
template <typename Visit>
void ForEachMultiple(long double min, long double max, long double step, Visit visit)
{
    if (!(step > 0) || !std::isfinite(step)) return;
    const long double lo = NearZero(min), hi = NearZero(max);
    const long double start = (std::trunc(min / step) - 1) * step;
    for (int k = 0; k < 1000; ++k) {
        long double u = start + k * step;
        long double nu = NearZero(u);
        if (nu > hi) break;
        if (nu < lo) continue;
        visit(u);
    }
}

// The step doubled until the interval holds at most `limit` of them.
long double ThinnedStep(long double step, long double range, long double limit)
{
    long double s = std::fabs(step);
    if (!(s > 0) || !std::isfinite(s)) return 0;
    for (int i = 0; i < 20000 && range / s > limit; ++i) s *= 2;
    return s;
}

// Liang-Barsky: the part of the segment inside the rectangle (edges
// included); false when nothing of it is.
bool ClipToRect(long double& x1, long double& y1, long double& x2, long double& y2,
                long double left, long double top, long double right, long double bottom)
{
    long double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
    const long double p[4] = {-dx, dx, -dy, dy};
    const long double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        long double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    long double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

ColorValue BackgroundColor(const DocumentOptions& d, const DeviceContext& device)
{
    return device.BlackAndWhite ? kColorTable[15] : ColorOfIndex(d.BackColor);
}

class FramePainter {
public:
    FramePainter(Canvas& canvas, const DocumentOptions& d, const ViewSettings& v,
                 const DeviceContext& device, const CanvasRect& plotRect)
        : canvas_(canvas), d_(d), v_(v), device_(device), map_(MakePlotMapping(d, plotRect)),
          R_(plotRect), extent_{plotRect.left, plotRect.top, plotRect.right + 1, plotRect.bottom + 1}
    {
        axisY_ = map_.ToScreenY(AxisXPositionY(d, v));
        axisX_ = map_.ToScreenX(AxisYPositionX(d, v));
        axisXWidth_ = ScaledPixels(ClampLineWidth(d.AxisXWidth), device.ScaleY);
        axisYWidth_ = ScaledPixels(ClampLineWidth(d.AxisYWidth), device.ScaleX);
    }

    const PlotMapping& Mapping() const { return map_; }
    const CanvasRect& Extent() const { return extent_; }

    void CartesianGrid();
    void PolarGrid();
    void Axes();
    void AxisNames();
    void Pointers();
    void Marks();
    void Labels();
    void Titles();

private:
    ColorValue Color(int index) const
    {
        return device_.BlackAndWhite ? 0 : ColorOfIndex(index);
    }
    bool Crossed() const { return !v_.Boxed; }
    int ArrowLength(long double scale) const { return ScaledPixels(8, scale); }
    int ArrowHalfWidth(long double scale) const { return ScaledPixels(3, scale); }
    void Text(int left, int top, const std::string& text, TextOrientation o = TextOrientation::Horizontal)
    {
        canvas_.DrawText(left, top, text, o);
        TextExtent e = canvas_.MeasureText(text);
        CanvasRect box = o == TextOrientation::Horizontal
                             ? CanvasRect{left, top, left + e.cx, top + e.cy}
                             : CanvasRect{left, top, left + e.cy, top + e.cx};
        extent_ = extent_.United(box);
    }
    // A label sits on a patch of the background, so grid lines and marks that
    // run through its place never hide a minus sign or a digit.
    void Label(int left, int top, const TextExtent& e, const std::string& text)
    {
        canvas_.SetBrush(BackgroundColor(d_, device_), BrushStyle::Solid);
        canvas_.FillRect(CanvasRect{left, top, left + e.cx, top + e.cy});
        Text(left, top, text);
    }
    void ExtendBy(const CanvasRect& box) { extent_ = extent_.United(box); }
    void XAxisLineEnds(int& tipX) const;
    void YAxisLineEnds(int& tipY) const;

    Canvas& canvas_;
    const DocumentOptions& d_;
    const ViewSettings& v_;
    const DeviceContext& device_;
    PlotMapping map_;
    CanvasRect R_;
    CanvasRect extent_;
    int axisX_ = 0, axisY_ = 0;
    int axisXWidth_ = 1, axisYWidth_ = 1;
};

void FramePainter::CartesianGrid()
{
    if (d_.VertLines) {
        long double s = ThinnedStep(d_.VertStep, map_.MaxX - map_.MinX, 150);
        TLiner liner(canvas_, d_.VertStyle, ScaledPixels(ClampLineWidth(d_.VertWidth), device_.ScaleX));
        liner.SetColor(Color(d_.VertColor));
        ForEachMultiple(map_.MinX, map_.MaxX, s, [&](long double u) {
            int x = map_.ToScreenX(u);
            liner.Line(x, R_.top, x, R_.bottom + 1);
        });
    }
    if (d_.HorLines) {
        long double s = ThinnedStep(d_.HorStep, map_.MaxY - map_.MinY, 150);
        TLiner liner(canvas_, d_.HorStyle, ScaledPixels(ClampLineWidth(d_.HorWidth), device_.ScaleY));
        liner.SetColor(Color(d_.HorColor));
        ForEachMultiple(map_.MinY, map_.MaxY, s, [&](long double v) {
            int y = map_.ToScreenY(v);
            liner.Line(R_.left, y, R_.right + 1, y);
        });
    }
}

void FramePainter::PolarGrid()
{
    if (d_.LogX || d_.LogY || (!d_.RadialGrid && !d_.AngularGrid)) return;
    const long double sgnX = map_.XLeftToRight ? 1 : -1, sgnY = map_.YBottomToTop ? 1 : -1;
    const long double ox = map_.XLeftToRight ? R_.left + map_.PixelsPerUnitX * -map_.MinX
                                             : R_.right - map_.PixelsPerUnitX * -map_.MinX;
    const long double oy = map_.YBottomToTop ? R_.bottom - map_.PixelsPerUnitY * -map_.MinY
                                             : R_.top + map_.PixelsPerUnitY * -map_.MinY;
    canvas_.SetClipRect({R_.left, R_.top, R_.right + 1, R_.bottom + 1});
    if (d_.RadialGrid) {
        long double step = std::fabs(static_cast<long double>(d_.RadialStep));
        long double far = 0;
        for (long double x : {map_.MinX, map_.MaxX})
            for (long double y : {map_.MinY, map_.MaxY}) far = std::max(far, std::hypot(x, y));
        long double nearX = std::clamp<long double>(0, map_.MinX, map_.MaxX);
        long double nearY = std::clamp<long double>(0, map_.MinY, map_.MaxY);
        long double nearest = std::hypot(nearX, nearY);
        long double kFirst = std::max<long double>(1, std::floor(nearest / step));
        long double kLast = std::floor(far / step);
        // A grid denser than the pixels would only paint the rectangle over.
        if (step > 0 && kLast - kFirst <= 4000) {
            canvas_.SetPen(Color(d_.RadialColor),
                           ScaledPixels(ClampLineWidth(d_.RadialWidth), device_.Scale()));
            canvas_.SetBrush(0, BrushStyle::Clear);
            for (long double k = kFirst; k <= kLast; k += 1) {
                long double rx = k * step * map_.PixelsPerUnitX, ry = k * step * map_.PixelsPerUnitY;
                if (rx > kPixelLimit / 4 || ry > kPixelLimit / 4) break;
                canvas_.Ellipse({ClampToPixel(ox - rx), ClampToPixel(oy - ry),
                                 ClampToPixel(ox + rx) + 1, ClampToPixel(oy + ry) + 1});
            }
        }
    }
    if (d_.AngularGrid) {
        long double step = std::fabs(static_cast<long double>(d_.AngularStep));
        if (step > 0 && 2 / step <= 3600) {
            canvas_.SetPen(Color(d_.AngularColor),
                           ScaledPixels(ClampLineWidth(d_.AngularWidth), device_.Scale()));
            long double reach = std::hypot(ox - R_.left, oy - R_.top) +
                                std::hypot(R_.right - R_.left, R_.bottom - R_.top) + 10;
            int count = static_cast<int>(std::ceil(2 / step - 1e-9L));
            for (int k = 0; k < count; ++k) {
                long double a = k * step * 3.14159265358979323846264338327950288L;
                long double dx = std::cos(a) * map_.PixelsPerUnitX * sgnX;
                long double dy = -std::sin(a) * map_.PixelsPerUnitY * sgnY;
                long double len = std::hypot(dx, dy);
                if (!(len > 0)) continue;
                long double x1 = ox, y1 = oy, x2 = ox + dx / len * reach, y2 = oy + dy / len * reach;
                if (ClipToRect(x1, y1, x2, y2, R_.left, R_.top, R_.right, R_.bottom))
                    canvas_.Line(ClampToPixel(x1), ClampToPixel(y1), ClampToPixel(x2),
                                 ClampToPixel(y2));
            }
        }
    }
    canvas_.ClearClip();
}

void FramePainter::XAxisLineEnds(int& tipX) const
{
    tipX = map_.XLeftToRight ? R_.right : R_.left;
    if (d_.AxisXPointer == 0)
        tipX += map_.XLeftToRight ? ArrowLength(device_.ScaleX) : -ArrowLength(device_.ScaleX);
}

void FramePainter::YAxisLineEnds(int& tipY) const
{
    tipY = map_.YBottomToTop ? R_.top : R_.bottom;
    if (d_.AxisYPointer == 0)
        tipY += map_.YBottomToTop ? -ArrowLength(device_.ScaleY) : ArrowLength(device_.ScaleY);
}

void FramePainter::Axes()
{
    if (!Crossed()) {
        if (!d_.AxisX) return;
        TLiner liner(canvas_, d_.AxisXStyle, axisXWidth_);
        liner.SetColor(Color(d_.AxisXColor));
        liner.Line(R_.left, R_.top, R_.right, R_.top);
        liner.Line(R_.right, R_.top, R_.right, R_.bottom);
        liner.Line(R_.right, R_.bottom, R_.left, R_.bottom);
        liner.Line(R_.left, R_.bottom, R_.left, R_.top);
        return;
    }
    if (d_.AxisX) {
        TLiner liner(canvas_, d_.AxisXStyle, axisXWidth_);
        liner.SetColor(Color(d_.AxisXColor));
        liner.Line(R_.left, axisY_, R_.right + 1, axisY_);
    }
    if (d_.AxisY) {
        TLiner liner(canvas_, d_.AxisYStyle, axisYWidth_);
        liner.SetColor(Color(d_.AxisYColor));
        liner.Line(axisX_, R_.bottom, axisX_, R_.top - 1);
    }
}

void FramePainter::AxisNames()
{
    // Each name sits at the positive end of its axis, on the side away from
    // the labels.
    if (d_.AxisX && d_.AxisXNameShow) {
        CanvasFont font = ToCanvasFont(d_.AxisXNameFont, device_);
        if (d_.AxisXNameAxisColor) font.color = Color(d_.AxisXColor);
        canvas_.SetFont(font);
        std::string name = RecordTextToUtf8(d_.AxisXName.View());
        TextExtent e = canvas_.MeasureText(name);
        int tipX = 0;
        XAxisLineEnds(tipX);
        if (!Crossed()) tipX = map_.XLeftToRight ? R_.right : R_.left;
        int gap = ScaledPixels(3, device_.ScaleY) + axisXWidth_ / 2 +
                  (d_.AxisXPointer == 0 && Crossed() ? ArrowHalfWidth(device_.ScaleY) : 0);
        int left = map_.XLeftToRight ? tipX - e.cx : tipX;
        int top = d_.LabelsXAbove ? axisY_ + gap : axisY_ - gap - e.cy;
        Text(left, top, name);
    }
    if (d_.AxisY && d_.AxisYNameShow) {
        CanvasFont font = ToCanvasFont(d_.AxisYNameFont, device_);
        if (d_.AxisYNameAxisColor) font.color = Color(d_.AxisYColor);
        canvas_.SetFont(font);
        std::string name = RecordTextToUtf8(d_.AxisYName.View());
        TextExtent e = canvas_.MeasureText(name);
        int tipY = 0;
        YAxisLineEnds(tipY);
        int yAxisAt = axisX_;
        if (!Crossed()) {
            tipY = map_.YBottomToTop ? R_.top : R_.bottom;
        }
        int gap = ScaledPixels(3, device_.ScaleX) + axisYWidth_ / 2 +
                  (d_.AxisYPointer == 0 && Crossed() ? ArrowHalfWidth(device_.ScaleX) : 0);
        int left = d_.LabelsYLeft ? yAxisAt + gap : yAxisAt - gap - e.cx;
        int top = map_.YBottomToTop ? tipY : tipY - e.cy;
        Text(left, top, name);
    }
}

void FramePainter::Pointers()
{
    if (!Crossed()) return;
    if (d_.AxisX && d_.AxisXPointer == 0) {
        int x = map_.XLeftToRight ? R_.right : R_.left;
        int half = ArrowHalfWidth(device_.ScaleY) + axisXWidth_ / 2;
        int length = ArrowLength(device_.ScaleX);
        DrawPointer(canvas_, x, axisY_,
                    map_.XLeftToRight ? PointerDirection::Right : PointerDirection::Left,
                    Color(d_.AxisXColor), 0, length, half);
        ExtendBy({std::min(x, x + (map_.XLeftToRight ? length : -length)), axisY_ - half,
                  std::max(x, x + (map_.XLeftToRight ? length : -length)) + 1, axisY_ + half + 1});
    }
    if (d_.AxisY && d_.AxisYPointer == 0) {
        int y = map_.YBottomToTop ? R_.top : R_.bottom;
        int half = ArrowHalfWidth(device_.ScaleX) + axisYWidth_ / 2;
        int length = ArrowLength(device_.ScaleY);
        DrawPointer(canvas_, axisX_, y,
                    map_.YBottomToTop ? PointerDirection::Up : PointerDirection::Down,
                    Color(d_.AxisYColor), 0, length, half);
        ExtendBy({axisX_ - half, std::min(y, y + (map_.YBottomToTop ? -length : length)),
                  axisX_ + half + 1, std::max(y, y + (map_.YBottomToTop ? -length : length)) + 1});
    }
}

void FramePainter::Marks()
{
    const long double yAxisU = AxisYPositionX(d_, v_), xAxisV = AxisXPositionY(d_, v_);
    if (d_.MarksX && d_.AxisX) {
        long double s = ThinnedStep(d_.MarksXStep, map_.MaxX - map_.MinX, 150);
        int reach = axisXWidth_ / 2 + ScaledPixels(std::clamp(int32_t{d_.MarksXLength}, 0, 10), device_.ScaleY);
        canvas_.SetPen(Color(d_.MarksXAxisColor ? d_.AxisXColor : d_.MarksXColor),
                       ScaledPixels(1, device_.ScaleX));
        bool skipCrossing = d_.AxisY && Crossed();
        ForEachMultiple(map_.MinX, map_.MaxX, s, [&](long double u) {
            if (skipCrossing && std::fabs(u - yAxisU) < s * 0.001L) return;
            int x = map_.ToScreenX(u);
            canvas_.Line(x, axisY_ - reach, x, axisY_ + reach);
        });
    }
    if (d_.MarksY && d_.AxisY) {
        long double s = ThinnedStep(d_.MarksYStep, map_.MaxY - map_.MinY, 150);
        int reach = axisYWidth_ / 2 + ScaledPixels(std::clamp(int32_t{d_.MarksYLength}, 0, 10), device_.ScaleX);
        canvas_.SetPen(Color(d_.MarksYAxisColor ? d_.AxisYColor : d_.MarksYColor),
                       ScaledPixels(1, device_.ScaleY));
        bool skipCrossing = d_.AxisX && Crossed();
        ForEachMultiple(map_.MinY, map_.MaxY, s, [&](long double v) {
            if (skipCrossing && std::fabs(v - xAxisV) < s * 0.001L) return;
            int y = map_.ToScreenY(v);
            canvas_.Line(axisX_ - reach, y, axisX_ + reach, y);
        });
    }
}

void FramePainter::Labels()
{
    const long double yAxisU = AxisYPositionX(d_, v_), xAxisV = AxisXPositionY(d_, v_);
    if (d_.LabelsX) {
        long double s = ThinnedStep(d_.LabelsXStep, map_.MaxX - map_.MinX, 60);
        CanvasFont font = ToCanvasFont(d_.LabelsXFont, device_);
        if (d_.LabelsXAxisColor) font.color = Color(d_.AxisXColor);
        canvas_.SetFont(font);
        std::string suffix = RecordTextToUtf8(d_.LabelsXSuffix.View());
        int distance = axisXWidth_ / 2 + ScaledPixels(3 * std::sqrt(device_.ScaleY), 1);
        bool skipCrossing = d_.AxisX && d_.AxisY && Crossed();
        ForEachMultiple(map_.MinX, map_.MaxX, s, [&](long double u) {
            if (skipCrossing && std::fabs(u - yAxisU) < s * 0.001L) return;
            long double value = std::fabs(u) < s * 0.001L ? 0 : u;
            std::string text = AxisLabelText(value, s, suffix, d_.LogX != 0, d_.LogBaseX);
            TextExtent e = canvas_.MeasureText(text);
            int x = map_.ToScreenX(u);
            int top = d_.LabelsXAbove ? axisY_ - distance - e.cy : axisY_ + distance + 1;
            Label(x - e.cx / 2, top, e, text);
        });
    }
    if (d_.LabelsY) {
        long double s = ThinnedStep(d_.LabelsYStep, map_.MaxY - map_.MinY, 200);
        CanvasFont font = ToCanvasFont(d_.LabelsYFont, device_);
        if (d_.LabelsYAxisColor) font.color = Color(d_.AxisYColor);
        canvas_.SetFont(font);
        std::string suffix = RecordTextToUtf8(d_.LabelsYSuffix.View());
        int distance = axisYWidth_ / 2 + ScaledPixels(3 * std::sqrt(device_.ScaleX), 1);
        bool skipCrossing = d_.AxisX && d_.AxisY && Crossed();
        ForEachMultiple(map_.MinY, map_.MaxY, s, [&](long double v) {
            if (skipCrossing && std::fabs(v - xAxisV) < s * 0.001L) return;
            long double value = std::fabs(v) < s * 0.001L ? 0 : v;
            std::string text = AxisLabelText(value, s, suffix, d_.LogY != 0, d_.LogBaseY);
            TextExtent e = canvas_.MeasureText(text);
            int y = map_.ToScreenY(v);
            int left = d_.LabelsYLeft ? axisX_ - distance - e.cx : axisX_ + distance + 1;
            Label(left, y - e.cy / 2, e, text);
        });
    }
}

void FramePainter::Titles()
{
    const CanvasRect around = extent_;
    const int gapY = ScaledPixels(4, device_.ScaleY), gapX = ScaledPixels(4, device_.ScaleX);
    const int centreX = (R_.left + R_.right) / 2, centreY = (R_.top + R_.bottom) / 2;
    auto prepare = [&](const FontSpec& font, const ShortString<255>& title, TextExtent& e) {
        canvas_.SetFont(ToCanvasFont(font, device_));
        std::string text = RecordTextToUtf8(title.View());
        e = canvas_.MeasureText(text);
        return text;
    };
    TextExtent e;
    if (v_.TopTitleShow) {
        std::string t = prepare(v_.TopTitleFont, v_.TopTitle, e);
        Text(centreX - e.cx / 2, around.top - gapY - e.cy, t);
    }
    if (v_.BottomTitleShow) {
        std::string t = prepare(v_.BottomTitleFont, v_.BottomTitle, e);
        Text(centreX - e.cx / 2, around.bottom + gapY, t);
    }
    if (v_.LeftTitleShow) {
        std::string t = prepare(v_.LeftTitleFont, v_.LeftTitle, e);
        Text(around.left - gapX - e.cy, centreY - e.cx / 2, t, TextOrientation::Vertical);
    }
    if (v_.RightTitleShow) {
        std::string t = prepare(v_.RightTitleFont, v_.RightTitle, e);
        Text(around.right + gapX, centreY - e.cx / 2, t, TextOrientation::Vertical);
    }
}

CanvasRect InsetByMargins(const DocumentOptions& d, const ViewSettings& v, const CanvasRect& o,
                          const DeviceContext& device)
{
    const long double sx = device.ScaleX, sy = device.ScaleY;
    const int w = o.Width(), h = o.Height();
    int mx = static_cast<int>(std::nearbyint(std::sqrt(sx) * (w / 40))) +
             static_cast<int>(std::nearbyint(6 * sx)) + 3;
    int my = static_cast<int>(std::nearbyint(std::sqrt(sy) * (h / 40))) +
             static_cast<int>(std::nearbyint(6 * sy)) + 3;
    if (d.AxisX && !v.Boxed) mx += static_cast<int>(std::nearbyint(9 * sx));
    if (d.AxisY && !v.Boxed) my += static_cast<int>(std::nearbyint(9 * sy));
    // The rectangle's right and bottom are pixels of the plot.
    return {o.left + mx, o.top + my, o.right - 1 - mx, o.bottom - 1 - my};
}

void MoveInsideOutput(CanvasRect& r, const CanvasRect& box, const CanvasRect& o)
{
    const int kMinimum = 20;
    int overLeft = std::max(0, o.left - box.left), overRight = std::max(0, box.right - o.right);
    int overTop = std::max(0, o.top - box.top), overBottom = std::max(0, box.bottom - o.bottom);
    int left = std::max(r.left, std::min(r.left + overLeft, r.right - kMinimum));
    int right = std::min(r.right, std::max(r.right - overRight, left + kMinimum));
    int top = std::max(r.top, std::min(r.top + overTop, r.bottom - kMinimum));
    int bottom = std::min(r.bottom, std::max(r.bottom - overBottom, top + kMinimum));
    r = {left, top, right, bottom};
}

void ApplyEqualScale(CanvasRect& r, const DocumentOptions& d, const DeviceContext& device)
{
    long double marksX = (d.MaxX - d.MinX) / std::fabs(static_cast<long double>(d.MarksXStep));
    long double marksY = (d.MaxY - d.MinY) / std::fabs(static_cast<long double>(d.MarksYStep));
    if (!(marksX > 0) || !(marksY > 0) || !std::isfinite(marksX) || !std::isfinite(marksY)) return;
    long double w = r.right - r.left, h = r.bottom - r.top;
    if (!(w > 0) || !(h > 0)) return;
    long double dX = (w / marksX) / device.ScaleX, dY = (h / marksY) / device.ScaleY;
    if (dX > dY) {
        int shrink = static_cast<int>(std::nearbyint(std::clamp<long double>((w - dY * marksX * device.ScaleX) / 2, 0, w / 2)));
        r.left += shrink;
        r.right -= shrink;
    } else if (dY > dX) {
        int shrink = static_cast<int>(std::nearbyint(std::clamp<long double>((h - dX * marksY * device.ScaleY) / 2, 0, h / 2)));
        r.top += shrink;
        r.bottom -= shrink;
    }
}

bool IsDrawable(const CanvasRect& r) { return r.right - r.left >= 10 && r.bottom - r.top >= 10; }

}  // namespace

CanvasRect ComputePlotRect(Canvas& canvas, const DocumentOptions& d, const ViewSettings& v,
                           const CanvasRect& output, const DeviceContext& device)
{
    CanvasRect r = InsetByMargins(d, v, output, device);
    if (IsDrawable(r)) {
        canvas.BeginMeasure();
        FramePainter painter(canvas, d, v, device, r);
        painter.Pointers();
        painter.AxisNames();
        painter.Labels();
        painter.Titles();
        CanvasRect box = canvas.EndMeasure();
        MoveInsideOutput(r, box, output);
    }
    if (v.EqualScale) ApplyEqualScale(r, d, device);
    return r;
}

PlotFrame DrawFrame(Canvas& canvas, const DocumentOptions& d, const ViewSettings& v,
                    const CanvasRect& output, const DeviceContext& device)
{
    canvas.SetBrush(BackgroundColor(d, device), BrushStyle::Solid);
    canvas.FillRect(output);
    CanvasRect r = ComputePlotRect(canvas, d, v, output, device);
    FramePainter painter(canvas, d, v, device, r);
    PlotFrame frame;
    frame.Mapping = painter.Mapping();
    frame.Drawable = IsDrawable(r);
    if (!frame.Drawable) {
        painter.Axes();
        painter.Pointers();
        frame.ExtentRect = painter.Extent();
        return frame;
    }
    painter.CartesianGrid();
    painter.PolarGrid();
    painter.Axes();
    painter.AxisNames();
    painter.Pointers();
    painter.Marks();
    painter.Labels();
    painter.Titles();
    frame.ExtentRect = painter.Extent();
    return frame;
}

}  // namespace vg
