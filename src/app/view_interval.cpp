#include "app/view_interval.h"

#include <algorithm>
#include <cmath>

#include "app/app_globals.h"
#include "app/coordinate_text.h"
#include "app/message_dialog_model.h"
#include "app/view_steps.h"
#include "document/log_scale.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

// More notches in one event than anyone turns; keeps 2^n finite.
constexpr int kMaxWheelNotches = 30;

struct Interval {
    long double min;
    long double max;
};

long double Display(long double v) { return RoundToDisplay(v); }

long double Snapped(long double v) { return std::fabs(v) < kZeroSnap ? 0 : v; }

bool WithinBound(long double v) { return std::fabs(v) <= kBoundLimit; }

// Increase and Reduce work alike on both axes.
Interval Scaled(long double lo, long double hi, bool increase)
{
    const long double w = hi - lo, c = (hi + lo) / 2;
    const long double half = increase ? w : w / 4;
    return {Display(c - half), Display(c + half)};
}

Interval Shifted(long double lo, long double hi, long double by)
{
    return {Display(lo + by), Display(hi + by)};
}

bool EndKept(const Interval& r, long double lo, long double hi)
{
    return r.min == Display(lo) || r.max == Display(hi);
}

Interval NewXInterval(const DocumentOptions& d, XViewOp op)
{
    const long double lo = d.MinX, hi = d.MaxX, w = hi - lo;
    switch (op) {
    case XViewOp::None: return {lo, hi};
    case XViewOp::Increase: return Scaled(lo, hi, true);
    case XViewOp::Reduce: return Scaled(lo, hi, false);
    case XViewOp::ShiftSmaller:
    case XViewOp::ShiftLarger: {
        const long double sign = op == XViewOp::ShiftSmaller ? -1 : 1;
        const Interval r = Shifted(lo, hi, sign * w / 2);
        // Half the width vanished at this precision: move by the whole width.
        return EndKept(r, lo, hi) ? Shifted(lo, hi, sign * w) : r;
    }
    }
    return {lo, hi};
}

Interval NewYInterval(const DocumentOptions& d, YViewOp op)
{
    const long double lo = d.MinY, hi = d.MaxY, h = hi - lo;
    switch (op) {
    case YViewOp::None: return {lo, hi};
    case YViewOp::Increase: return Scaled(lo, hi, true);
    case YViewOp::Reduce: return Scaled(lo, hi, false);
    case YViewOp::ShiftLarger:
    case YViewOp::ShiftSmaller: {
        const long double sign = op == YViewOp::ShiftLarger ? 1 : -1;
        const Interval r = Shifted(lo, hi, sign * Display(NearZero(h / 2)));
        return EndKept(r, lo, hi) ? Shifted(lo, hi, sign * Display(NearZero(h))) : r;
    }
    }
    return {lo, hi};
}

ViewChange Refused(const std::string& message)
{
    ViewChange change;
    change.Message = message;
    return change;
}

ViewChange Accepted(const DocumentOptions& options)
{
    ViewChange change;
    change.Accepted = true;
    change.Options = options;
    return change;
}

// The common end of every interval change: ends near zero become 0, the
// checks run, the ends are stored at display precision and the steps follow
// the widths.
ViewChange FinishIntervalChange(const DocumentOptions& d, Interval x, Interval y, bool scaleSteps)
{
    x = {Snapped(x.min), Snapped(x.max)};
    y = {Snapped(y.min), Snapped(y.max)};
    const std::string message = CheckViewInterval(d, x.min, x.max, y.min, y.max);
    if (!message.empty()) return Refused(message);
    const long double kx = (x.max - x.min) / (d.MaxX - d.MinX);
    const long double ky = (y.max - y.min) / (d.MaxY - d.MinY);
    DocumentOptions out = d;
    out.MinX = Display(x.min);
    out.MaxX = Display(x.max);
    out.MinY = Display(y.min);
    out.MaxY = Display(y.max);
    if (scaleSteps) ScaleSteps(out, kx, ky);
    return Accepted(out);
}

// A corner coordinate as the user saw it written, read back.
long double ShownCoordinate(long double value, long double min, long double max)
{
    return ParseNumberText(FormatCoordinate(value, max - min, std::fabs(min) + std::fabs(max)));
}

Interval Ordered(long double a, long double b)
{
    Interval r = NearZero(a) <= NearZero(b) ? Interval{a, b} : Interval{b, a};
    return {Snapped(Display(r.min)), Snapped(Display(r.max))};
}

Interval ZoomedAbout(long double anchor, long double lo, long double hi, long double factor)
{
    return {Display(anchor - (anchor - lo) * factor), Display(anchor + (hi - anchor) * factor)};
}

// The centred interval of one axis; nothing when both tries give a 0 end.
bool CenteredInterval(long double width, Interval& out)
{
    for (long double half : {width / 2, width}) {
        const Interval r{Snapped(Display(-half)), Snapped(Display(half))};
        if (r.min != 0 && r.max != 0) {
            out = r;
            return true;
        }
    }
    return false;
}

bool LogScaleRefuses(const DocumentOptions& d, long double maxX, long double maxY)
{
    return (d.LogX && !LogScaleFits(d.LogBaseX, maxX)) || (d.LogY && !LogScaleFits(d.LogBaseY, maxY));
}

void SetStandardPlotAndGrid(DocumentOptions& o, const DocumentOptions& s)
{
    o.MinX = s.MinX;
    o.MinY = s.MinY;
    o.MaxX = s.MaxX;
    o.MaxY = s.MaxY;
    o.CoeffX = s.CoeffX;
    o.CoeffY = s.CoeffY;
    o.LogBaseX = s.LogBaseX;
    o.LogBaseY = s.LogBaseY;
    o.Steps = s.Steps;
    o.MaxGap = s.MaxGap;
    o.Reserved88 = s.Reserved88;
    o.PointsAlign = s.PointsAlign;
    o.LogX = s.LogX;
    o.LogY = s.LogY;

    o.VertLines = s.VertLines;
    o.HorLines = s.HorLines;
    o.HorStep = s.HorStep;
    o.VertStep = s.VertStep;
    o.HorColor = s.HorColor;
    o.VertColor = s.VertColor;
    o.BackColor = s.BackColor;
    o.HorStyle = s.HorStyle;
    o.VertStyle = s.VertStyle;
    o.HorWidth = s.HorWidth;
    o.VertWidth = s.VertWidth;
    o.RadialGrid = s.RadialGrid;
    o.RadialStep = s.RadialStep;
    o.RadialColor = s.RadialColor;
    o.RadialWidth = s.RadialWidth;
    o.AngularGrid = s.AngularGrid;
    o.AngularStep = s.AngularStep;
    o.AngularColor = s.AngularColor;
    o.AngularWidth = s.AngularWidth;
}

void SetStandardAxes(DocumentOptions& o, const DocumentOptions& s)
{
    o.AxisX = s.AxisX;
    o.XLeftToRight = s.XLeftToRight;
    o.AxisXNameShow = s.AxisXNameShow;
    o.AxisXStyle = s.AxisXStyle;
    o.AxisXPointer = s.AxisXPointer;
    o.AxisXColor = s.AxisXColor;
    o.AxisXName = s.AxisXName;  // "X"
    o.AxisXNameAxisColor = s.AxisXNameAxisColor;
    o.AxisXNameFont = s.AxisXNameFont;
    o.AxisXWidth = s.AxisXWidth;

    o.AxisY = s.AxisY;
    o.YBottomToTop = s.YBottomToTop;
    o.AxisYNameShow = s.AxisYNameShow;
    o.AxisYStyle = s.AxisYStyle;
    o.AxisYPointer = s.AxisYPointer;
    o.AxisYColor = s.AxisYColor;
    o.AxisYName = s.AxisYName;  // "Y"
    o.AxisYNameAxisColor = s.AxisYNameAxisColor;
    o.AxisYNameFont = s.AxisYNameFont;
    o.AxisYWidth = s.AxisYWidth;
}

void SetStandardMarksAndLabels(DocumentOptions& o, const DocumentOptions& s)
{
    o.MarksX = s.MarksX;
    o.MarksXAxisColor = s.MarksXAxisColor;
    o.MarksXStep = s.MarksXStep;
    o.MarksXColor = s.MarksXColor;
    o.MarksXLength = s.MarksXLength;
    o.MarksY = s.MarksY;
    o.MarksYAxisColor = s.MarksYAxisColor;
    o.MarksYStep = s.MarksYStep;
    o.MarksYColor = s.MarksYColor;
    o.MarksYLength = s.MarksYLength;

    o.LabelsX = s.LabelsX;
    o.LabelsXAxisColor = s.LabelsXAxisColor;
    o.LabelsXAbove = s.LabelsXAbove;
    o.LabelsXStep = s.LabelsXStep;
    o.LabelsXSuffix = s.LabelsXSuffix;  // empty
    o.LabelsXFont = s.LabelsXFont;
    o.LabelsY = s.LabelsY;
    o.LabelsYAxisColor = s.LabelsYAxisColor;
    o.LabelsYLeft = s.LabelsYLeft;
    o.LabelsYStep = s.LabelsYStep;
    o.LabelsYSuffix = s.LabelsYSuffix;
    o.LabelsYFont = s.LabelsYFont;
}

// The CommonInterval flags of the Polar and Param defaults are not part of
// the set: they keep their values.
void SetStandardKindDefaults(DocumentOptions& o, const DocumentOptions& s)
{
    o.DefaultKind = s.DefaultKind;
    o.DefaultXFromY = s.DefaultXFromY;
    o.DefaultYFromX = s.DefaultYFromX;
    for (auto [own, standard] :
         {std::pair{&o.DefaultPolar, &s.DefaultPolar}, std::pair{&o.DefaultParam, &s.DefaultParam}}) {
        const uint8_t commonInterval = own->CommonInterval;
        *own = *standard;
        own->CommonInterval = commonInterval;
    }
    o.DefaultTableFlags = s.DefaultTableFlags;
    o.DefaultEquation = s.DefaultEquation;
    o.DefaultIntegral = s.DefaultIntegral;
    o.DefaultDifField = s.DefaultDifField;
    o.DefaultStyle = s.DefaultStyle;
}

}  // namespace

ViewOps ViewButtonOps(ViewButton button, const DocumentOptions& d)
{
    const bool leftToRight = d.XLeftToRight != 0, bottomToTop = d.YBottomToTop != 0;
    switch (button) {
    case ViewButton::IncreaseXY: return {XViewOp::Increase, YViewOp::Increase};
    case ViewButton::IncreaseY: return {XViewOp::None, YViewOp::Increase};
    case ViewButton::IncreaseX: return {XViewOp::Increase, YViewOp::None};
    case ViewButton::ReduceXY: return {XViewOp::Reduce, YViewOp::Reduce};
    case ViewButton::ReduceY: return {XViewOp::None, YViewOp::Reduce};
    case ViewButton::ReduceX: return {XViewOp::Reduce, YViewOp::None};
    case ViewButton::MoveLeft:
        return {leftToRight ? XViewOp::ShiftSmaller : XViewOp::ShiftLarger, YViewOp::None};
    case ViewButton::MoveRight:
        return {leftToRight ? XViewOp::ShiftLarger : XViewOp::ShiftSmaller, YViewOp::None};
    case ViewButton::MoveUp:
        return {XViewOp::None, bottomToTop ? YViewOp::ShiftLarger : YViewOp::ShiftSmaller};
    case ViewButton::MoveDown:
        return {XViewOp::None, bottomToTop ? YViewOp::ShiftSmaller : YViewOp::ShiftLarger};
    }
    return {};
}

std::string CheckViewInterval(const DocumentOptions& d, long double minX, long double maxX, long double minY,
                              long double maxY)
{
    if (!WithinBound(minX) || !WithinBound(maxX)) return kXBoundaryMessage;
    if (!(maxX > minX)) return kXIntervalMessage;
    if (!WithinBound(minY) || !WithinBound(maxY)) return kYBoundaryMessage;
    if (!(maxY > minY)) return kYIntervalMessage;
    if (LogScaleRefuses(d, maxX, maxY)) return kLogScaleMessage;
    return {};
}

ViewChange ChangeView(const DocumentOptions& d, XViewOp x, YViewOp y)
{
    return FinishIntervalChange(d, NewXInterval(d, x), NewYInterval(d, y), true);
}

ViewChange CenterView(const DocumentOptions& d)
{
    Interval x{d.MinX, d.MaxX}, y{d.MinY, d.MaxY};
    const bool storeX = CenteredInterval(x.max - x.min, x);
    const bool storeY = CenteredInterval(y.max - y.min, y);
    // The file check would refuse such a view: the document could no longer
    // be opened once saved.
    if (LogScaleRefuses(d, x.max, y.max)) return Refused(kLogScaleMessage);
    DocumentOptions out = d;
    if (storeX) {
        out.MinX = x.min;
        out.MaxX = x.max;
    }
    if (storeY) {
        out.MinY = y.min;
        out.MaxY = y.max;
    }
    return Accepted(out);
}

ViewChange SelectViewInterval(const DocumentOptions& d, const PlotMapping& mapping, CanvasPoint corner1,
                              CanvasPoint corner2)
{
    const long double x1 = ShownCoordinate(mapping.FromScreenX(corner1.x), d.MinX, d.MaxX);
    const long double x2 = ShownCoordinate(mapping.FromScreenX(corner2.x), d.MinX, d.MaxX);
    const long double y1 = ShownCoordinate(mapping.FromScreenY(corner1.y), d.MinY, d.MaxY);
    const long double y2 = ShownCoordinate(mapping.FromScreenY(corner2.y), d.MinY, d.MaxY);
    return FinishIntervalChange(d, Ordered(x1, x2), Ordered(y1, y2), true);
}

ViewChange WheelZoom(const DocumentOptions& d, const PlotMapping& mapping, long double px, long double py,
                     int notches, WheelAxes axes)
{
    notches = std::clamp(notches, -kMaxWheelNotches, kMaxWheelNotches);
    if (notches == 0) return Accepted(d);
    const long double factor = std::pow(0.5L, static_cast<long double>(notches));
    Interval x{d.MinX, d.MaxX}, y{d.MinY, d.MaxY};
    if (axes != WheelAxes::YOnly) x = ZoomedAbout(mapping.FromScreenX(px), d.MinX, d.MaxX, factor);
    if (axes != WheelAxes::XOnly) y = ZoomedAbout(mapping.FromScreenY(py), d.MinY, d.MaxY, factor);
    return FinishIntervalChange(d, x, y, true);
}

ViewChange PanView(const DocumentOptions& d, const PlotMapping& mapping, long double dx, long double dy)
{
    const long double du = dx / mapping.PixelsPerUnitX, dv = dy / mapping.PixelsPerUnitY;
    const long double shiftX = d.XLeftToRight ? -du : du;
    const long double shiftY = d.YBottomToTop ? dv : -dv;
    return FinishIntervalChange(d, Shifted(d.MinX, d.MaxX, shiftX), Shifted(d.MinY, d.MaxY, shiftY), false);
}

ViewChange SetStandardOptions(const DocumentOptions& d)
{
    const DocumentOptions standard = DefaultDocumentOptions();
    DocumentOptions out = d;
    SetStandardPlotAndGrid(out, standard);
    SetStandardAxes(out, standard);
    SetStandardMarksAndLabels(out, standard);
    SetStandardKindDefaults(out, standard);
    return Accepted(out);
}

ViewChange SetStandardIntervals(const DocumentOptions& d)
{
    DocumentOptions out = d;
    out.MinX = out.MinY = -10.0L;
    out.MaxX = out.MaxY = 10.0L;
    for (Ext80* step : {&out.LabelsXStep, &out.LabelsYStep, &out.MarksXStep, &out.MarksYStep, &out.HorStep,
                        &out.VertStep})
        *step = 1.0L;
    if (LogScaleRefuses(d, 10, 10)) return Refused(kLogScaleMessage);
    return Accepted(out);
}

ViewChange SetTrigonometricalSet(const DocumentOptions& d)
{
    DocumentOptions out = d;
    out.CoeffX = 3.1415927L;
    out.LabelsXSuffix.Assign("p");  // the Symbol font draws it as pi
    out.LabelsXFont.Name.Assign("Symbol");
    out.LabelsYFont.Name.Assign("Symbol");
    return Accepted(out);
}

bool TakeViewChange(const ViewChange& change)
{
    if (!change.Accepted) {
        ShowMessageDialog(change.Message, mtError, mbOK, 0);
        return false;
    }
    GlobalDocumentOptions() = change.Options;
    return true;
}

}  // namespace vg
