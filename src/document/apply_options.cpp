#include "document/apply_options.h"

#include <cstring>

#include "document/compute_pass.h"
#include "document/graph_computation.h"

namespace vg {

namespace {

bool Differ(const Ext80& a, const Ext80& b) { return std::memcmp(a.bytes, b.bytes, 10) != 0; }

bool SameFont(const FontSpec& a, const FontSpec& b)
{
    return a.Color == b.Color && a.Size == b.Size && a.Name.View() == b.Name.View() && a.Style == b.Style;
}

bool PlotDiffers(const DocumentOptions& o, const DocumentOptions& n)
{
    if (std::memcmp(&o.MinX, &n.MinX, 60) != 0) return true;  // MinX .. CoeffY
    if (o.LogX != n.LogX || (o.LogX && Differ(o.LogBaseX, n.LogBaseX))) return true;
    if (o.LogY != n.LogY || (o.LogY && Differ(o.LogBaseY, n.LogBaseY))) return true;
    return o.Steps != n.Steps || o.MaxGap != n.MaxGap || o.Reserved88 != n.Reserved88 ||
           o.PointsAlign != n.PointsAlign || o.BackColor != n.BackColor;
}

bool GridDiffers(const DocumentOptions& o, const DocumentOptions& n)
{
    if (o.VertLines != n.VertLines ||
        (n.VertLines && (Differ(o.VertStep, n.VertStep) || o.VertColor != n.VertColor ||
                         o.VertStyle != n.VertStyle || o.VertWidth != n.VertWidth)))
        return true;
    if (o.HorLines != n.HorLines ||
        (n.HorLines && (Differ(o.HorStep, n.HorStep) || o.HorColor != n.HorColor ||
                        o.HorStyle != n.HorStyle || o.HorWidth != n.HorWidth)))
        return true;
    if (o.RadialGrid != n.RadialGrid ||
        (n.RadialGrid && (Differ(o.RadialStep, n.RadialStep) || o.RadialColor != n.RadialColor ||
                          o.RadialWidth != n.RadialWidth)))
        return true;
    return o.AngularGrid != n.AngularGrid ||
           (n.AngularGrid && (Differ(o.AngularStep, n.AngularStep) || o.AngularColor != n.AngularColor ||
                              o.AngularWidth != n.AngularWidth));
}

bool AxesDiffer(const DocumentOptions& o, const DocumentOptions& n)
{
    // The axis line style is drawn too, so its change is redrawn as well.
    return o.AxisX != n.AxisX || o.XLeftToRight != n.XLeftToRight || o.AxisXPointer != n.AxisXPointer ||
           o.AxisXWidth != n.AxisXWidth || o.AxisXColor != n.AxisXColor || o.AxisXStyle != n.AxisXStyle ||
           o.AxisXNameShow != n.AxisXNameShow || o.AxisXName.View() != n.AxisXName.View() ||
           o.AxisXNameAxisColor != n.AxisXNameAxisColor || !SameFont(o.AxisXNameFont, n.AxisXNameFont) ||
           o.AxisY != n.AxisY || o.YBottomToTop != n.YBottomToTop || o.AxisYPointer != n.AxisYPointer ||
           o.AxisYWidth != n.AxisYWidth || o.AxisYColor != n.AxisYColor || o.AxisYStyle != n.AxisYStyle ||
           o.AxisYNameShow != n.AxisYNameShow || o.AxisYName.View() != n.AxisYName.View() ||
           o.AxisYNameAxisColor != n.AxisYNameAxisColor || !SameFont(o.AxisYNameFont, n.AxisYNameFont);
}

bool MarksDiffer(const DocumentOptions& o, const DocumentOptions& n)
{
    if (o.MarksX != n.MarksX ||
        (n.MarksX && (Differ(o.MarksXStep, n.MarksXStep) || o.MarksXColor != n.MarksXColor ||
                      o.MarksXAxisColor != n.MarksXAxisColor || o.MarksXLength != n.MarksXLength)))
        return true;
    return o.MarksY != n.MarksY ||
           (n.MarksY && (Differ(o.MarksYStep, n.MarksYStep) || o.MarksYColor != n.MarksYColor ||
                         o.MarksYAxisColor != n.MarksYAxisColor || o.MarksYLength != n.MarksYLength));
}

bool LabelsDiffer(const DocumentOptions& o, const DocumentOptions& n)
{
    if (o.LabelsX != n.LabelsX ||
        (n.LabelsX && (Differ(o.LabelsXStep, n.LabelsXStep) || o.LabelsXAxisColor != n.LabelsXAxisColor ||
                       o.LabelsXAbove != n.LabelsXAbove || o.LabelsXSuffix.View() != n.LabelsXSuffix.View() ||
                       !SameFont(o.LabelsXFont, n.LabelsXFont))))
        return true;
    return o.LabelsY != n.LabelsY ||
           (n.LabelsY && (Differ(o.LabelsYStep, n.LabelsYStep) || o.LabelsYAxisColor != n.LabelsYAxisColor ||
                          o.LabelsYLeft != n.LabelsYLeft || o.LabelsYSuffix.View() != n.LabelsYSuffix.View() ||
                          !SameFont(o.LabelsYFont, n.LabelsYFont)));
}

bool TitleDiffers(const ShortString<255>& ot, const FontSpec& of, uint8_t os, const ShortString<255>& nt,
                  const FontSpec& nf, uint8_t ns)
{
    if ((os != 0) != (ns != 0)) return true;
    return ns && (ot.View() != nt.View() || !SameFont(of, nf));
}

}  // namespace

bool DocumentOptionsNeedRedraw(const DocumentOptions& o, const DocumentOptions& n)
{
    return PlotDiffers(o, n) || GridDiffers(o, n) || AxesDiffer(o, n) || MarksDiffer(o, n) || LabelsDiffer(o, n);
}

bool ViewSettingsNeedRepaint(const ViewSettings& o, const ViewSettings& n)
{
    return o.Boxed != n.Boxed || o.EqualScale != n.EqualScale ||
           TitleDiffers(o.TopTitle, o.TopTitleFont, o.TopTitleShow, n.TopTitle, n.TopTitleFont, n.TopTitleShow) ||
           TitleDiffers(o.BottomTitle, o.BottomTitleFont, o.BottomTitleShow, n.BottomTitle, n.BottomTitleFont,
                        n.BottomTitleShow) ||
           TitleDiffers(o.LeftTitle, o.LeftTitleFont, o.LeftTitleShow, n.LeftTitle, n.LeftTitleFont,
                        n.LeftTitleShow) ||
           TitleDiffers(o.RightTitle, o.RightTitleFont, o.RightTitleShow, n.RightTitle, n.RightTitleFont,
                        n.RightTitleShow);
}

ApplyOutcome ApplyDocumentOptions(TGraphicsManager& doc, const DocumentOptions& newOptions)
{
    ApplyOutcome out;
    const DocumentOptions old = doc.Options;
    if (!SameBytes(old, newOptions)) {
        out.Changed = true;
        doc.Modified = true;
        out.UndoRecorded = doc.UndoHook().RecordDocumentOptions(old);
    }
    out.Redraw = DocumentOptionsNeedRedraw(old, newOptions);
    bool pass = false;
    for (int i = 0; i < doc.GraphCount() && !pass; ++i) pass = NeedsRecompute(doc.Graph(i), old, newOptions);

    doc.Calculating = true;
    doc.Options = newOptions;
    if (pass) {
        doc.Window().DrawWithoutGraphs();
        doc.ContinueCalculation = true;
        std::vector<PassStep> steps;
        for (int i = 0; i < doc.GraphCount(); ++i)
            steps.push_back(NeedsRecompute(doc.Graph(i), old, newOptions) ? PassStep::Compute : PassStep::Resume);
        ComputeGraphPass(doc, doc.Options, steps);
        out.Recomputed = true;
    }
    doc.Calculating = false;

    if (out.Redraw) {
        if (pass) {
            for (int i = 0; i < doc.GraphCount(); ++i) {
                const TFunction& graph = doc.Graph(i);
                if (graph.Record.Visible && graph.ValuesSize > 0) doc.Window().DrawGraphOver(i);
            }
        } else {
            doc.Window().Repaint();
        }
    }
    return out;
}

ApplyOutcome ApplyViewSettings(TGraphicsManager& doc, const ViewSettings& newView)
{
    ApplyOutcome out;
    const ViewSettings old = doc.View;
    if (!SameBytes(old, newView)) {
        out.Changed = true;
        doc.Modified = true;
        out.UndoRecorded = doc.UndoHook().RecordViewSettings(old);
    }
    out.Redraw = ViewSettingsNeedRepaint(old, newView);
    doc.View = newView;
    if (out.Redraw) doc.Window().Repaint();
    return out;
}

}  // namespace vg
