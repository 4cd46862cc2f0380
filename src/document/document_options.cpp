#include "document/document_options.h"

#include <cstring>

namespace vg {

namespace {

LineParams MakeLineParams(bool commonBuild, bool commonInterval, long double min, long double max,
                          int32_t steps)
{
    LineParams p;
    std::memset(&p, 0, sizeof p);
    p.CommonBuild = commonBuild;
    p.CommonInterval = commonInterval;
    p.Min = min;
    p.Max = max;
    p.Steps = steps;
    p.MaxGap = 10000;
    return p;
}

void SetDefaultAxis(DocumentOptions& d)
{
    d.AxisX = d.AxisY = 1;
    d.XLeftToRight = d.YBottomToTop = 1;
    d.AxisXNameShow = d.AxisYNameShow = 1;
    d.AxisXName.Assign("X");
    d.AxisYName.Assign("Y");
    d.AxisXNameAxisColor = d.AxisYNameAxisColor = 1;
    d.AxisXNameFont = d.AxisYNameFont = MakeFontSpec("MS Sans Serif", 8);
    d.AxisXWidth = d.AxisYWidth = 1;
}

void SetDefaultMarksAndLabels(DocumentOptions& d)
{
    d.MarksX = d.MarksY = 1;
    d.MarksXAxisColor = d.MarksYAxisColor = 1;
    d.MarksXStep = d.MarksYStep = 1.0L;
    d.MarksXLength = d.MarksYLength = 2;
    d.LabelsX = d.LabelsY = 1;
    d.LabelsXAxisColor = d.LabelsYAxisColor = 1;
    d.LabelsXAbove = d.LabelsYLeft = 1;
    d.LabelsXStep = d.LabelsYStep = 1.0L;
    d.LabelsXFont = d.LabelsYFont = MakeFontSpec("MS Sans Serif", 8);
}

void SetDefaultGraphProperties(DocumentOptions& d)
{
    d.DefaultKind = GraphKind::YFromX;
    d.DefaultXFromY = MakeLineParams(true, true, -10, 10, 100);
    d.DefaultYFromX = MakeLineParams(true, true, -10, 10, 100);
    d.DefaultPolar = MakeLineParams(true, false, -1, 1, 100);
    d.DefaultParam = MakeLineParams(true, false, -10, 10, 100);
    d.DefaultTableFlags = TableFlags{kDefaultTableFlags};

    EquationParams& e = d.DefaultEquation;
    e.CommonInterval = 1;
    e.MinX = e.MinY = -10.0L;
    e.MaxX = e.MaxY = 10.0L;
    e.StepsX = e.StepsY = 50;
    e.MaxGap = 10000;

    IntegralParams& i = d.DefaultIntegral;
    i.CommonBuild = i.CommonInterval = 1;
    i.MinX = -10.0L;
    i.MaxX = 10.0L;
    i.FirstX = i.FirstY = 0.0L;
    i.Steps = 200;
    i.MaxGap = 10000;

    DifFieldParams& f = d.DefaultDifField;
    f.CommonInterval = 1;
    f.MinX = f.MinY = -10.0L;
    f.MaxX = f.MaxY = 10.0L;
    f.SeriesX = f.SeriesY = 15;
    f.LineLength = 25;

    GraphStyle& s = d.DefaultStyle;
    s.Lines = 1;
    s.Visible = 1;
    s.Points = 0;
    s.Color = 2;
    s.PointStyle = 3;
    s.LineStyleWidth = 1;
    s.PointSize = 1;
    s.BrushStyle = 1;
}

}  // namespace

DocumentOptions DefaultDocumentOptions()
{
    DocumentOptions d;
    std::memset(&d, 0, sizeof d);
    d.MinX = d.MinY = -10.0L;
    d.MaxX = d.MaxY = 10.0L;
    d.CoeffX = d.CoeffY = 1.0L;
    d.LogBaseX = d.LogBaseY = 10.0L;
    d.Steps = 200;
    d.MaxGap = 10000;
    d.Reserved88 = 1;
    d.PointsAlign = 1;

    d.HorStep = d.VertStep = 1.0L;
    d.BackColor = 15;
    d.HorWidth = d.VertWidth = 1;
    d.RadialStep = 1.0L;
    d.RadialColor = 8;
    d.RadialWidth = 1;
    d.AngularStep = 0.25L;
    d.AngularColor = 8;
    d.AngularWidth = 1;

    SetDefaultAxis(d);
    SetDefaultMarksAndLabels(d);
    SetDefaultGraphProperties(d);
    return d;
}

ViewSettings DefaultViewSettings()
{
    ViewSettings v;
    std::memset(&v, 0, sizeof v);
    v.Marker = kViewSettingsMarker;
    v.Version = kViewSettingsVersion;
    FontSpec titleFont = MakeFontSpec("Times New Roman", 12);
    v.TopTitleFont = v.BottomTitleFont = v.LeftTitleFont = v.RightTitleFont = titleFont;
    return v;
}

void ApplyKindDefaults(GraphRecord& r, GraphKind kind, const DocumentOptions& d)
{
    r.Kind = kind;
    r.Formula.Assign("");
    switch (kind) {
    case GraphKind::YFromX: r.Line = d.DefaultYFromX; break;
    case GraphKind::XFromY: r.Line = d.DefaultXFromY; break;
    case GraphKind::Polar: r.Line = d.DefaultPolar; break;
    case GraphKind::Param:
        r.Param.Formula2.Assign("");
        r.Param.Line = d.DefaultParam;
        break;
    case GraphKind::Equation:
        r.Equation.Relation = EquationRelation::Zero;
        r.Equation.Params = d.DefaultEquation;
        break;
    case GraphKind::DifField:
        r.DifField.Direction = FieldDirection::DyDx;
        r.DifField.Params = d.DefaultDifField;
        break;
    case GraphKind::Integral:
        r.Integral.Direction = FieldDirection::DyDx;
        r.Integral.Params = d.DefaultIntegral;
        break;
    case GraphKind::Table:
        for (int slot = 0; slot < kTableSlots; ++slot) r.SetTablePoint(slot, kUndefined, kUndefined);
        r.SetTableFlags(d.DefaultTableFlags);
        break;
    }
}

GraphRecord NewGraphRecord(const DocumentOptions& d)
{
    GraphRecord r;
    std::memset(&r, 0, sizeof r);
    GraphKind kind = d.DefaultKind;
    if (static_cast<uint8_t>(kind) >= kOfferedKindCount) kind = GraphKind::YFromX;
    r.SetStyle(d.DefaultStyle);
    ApplyKindDefaults(r, kind, d);
    return r;
}

bool SameBytes(const DocumentOptions& a, const DocumentOptions& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
bool SameBytes(const ViewSettings& a, const ViewSettings& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
bool SameBytes(const GraphRecord& a, const GraphRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace vg
