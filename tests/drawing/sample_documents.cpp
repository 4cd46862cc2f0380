#include "drawing/sample_documents.h"

#include "document/document_options.h"

namespace vg::test {

std::unique_ptr<TGraphicsManager> NewDocument()
{
    return std::make_unique<TGraphicsManager>(DefaultViewSettings(), DefaultDocumentOptions());
}

GraphRecord MakeGraph(const TGraphicsManager& doc, GraphKind kind, const std::string& formula,
                      int color, int lineStyle, int lineWidth)
{
    GraphRecord r = NewGraphRecord(doc.Options);
    ApplyKindDefaults(r, kind, doc.Options);
    r.Formula = formula;
    r.Color = static_cast<uint8_t>(color);
    r.LineStyleWidth = lineStyle * 16 + lineWidth;
    r.Lines = 1;
    r.Visible = 1;
    r.Points = 0;
    return r;
}

void SetPoints(GraphRecord& r, int pointStyle, int pointSize)
{
    r.Points = 1;
    r.PointStyle = static_cast<uint8_t>(pointStyle);
    r.PointSize = pointSize;
}

namespace {

void AddFunctions(TGraphicsManager& doc)
{
    doc.AddGraph(MakeGraph(doc, GraphKind::YFromX, "3*sin(x)", 4, 0, 1));
    doc.AddGraph(MakeGraph(doc, GraphKind::XFromY, "y^2/5-8", 2, 1, 2));
    GraphRecord polar = MakeGraph(doc, GraphKind::Polar, "4", 9, 2, 3);
    polar.Line.Min = 0;
    polar.Line.Max = 2;
    doc.AddGraph(polar);
    GraphRecord param = MakeGraph(doc, GraphKind::Param, "6*cos(t)", 12, 3, 1);
    param.Param.Formula2 = "6*sin(3*t)";
    param.Param.Line.Min = 0;
    param.Param.Line.Max = 6.3L;
    param.Param.Line.CommonBuild = 0;
    param.Param.Line.Steps = 40;
    param.Param.Line.MaxGap = 10000;
    SetPoints(param, 7, 5);
    doc.AddGraph(param);
}

void AddFields(TGraphicsManager& doc)
{
    GraphRecord region = MakeGraph(doc, GraphKind::Equation, "x*y-12", 10);
    region.Equation.Relation = EquationRelation::Less;
    region.BrushStyle = 0;
    region.Equation.Params.StepsX = region.Equation.Params.StepsY = 20;
    doc.AddGraph(region);
    GraphRecord circle = MakeGraph(doc, GraphKind::Equation, "x^2+y^2-49", 4, 0, 2);
    circle.Equation.Relation = EquationRelation::Zero;
    doc.AddGraph(circle);
    GraphRecord field = MakeGraph(doc, GraphKind::DifField, "x-y", 1);
    field.DifField.Params.SeriesX = field.DifField.Params.SeriesY = 8;
    field.DifField.Params.LineLength = 12;
    doc.AddGraph(field);
    GraphRecord table = MakeGraph(doc, GraphKind::Table, "", 13, 0, 1);
    const long double pts[][2] = {{-8, -6}, {-4, 2}, {0, -3}, {3, 5}, {8, 1}};
    for (int k = 0; k < 5; ++k) table.SetTablePoint(k, pts[k][0], pts[k][1]);
    table.SetTableFlags(TableFlags::Make(TableSort::ByX, true, TableQuality::Medium));
    SetPoints(table, 4, 7);
    doc.AddGraph(table);
}

void AddStyles(TGraphicsManager& doc)
{
    for (int k = 0; k < 8; ++k) {
        GraphRecord r = MakeGraph(doc, GraphKind::YFromX, "x/4+(" + std::to_string(8 - 2 * k) + ")", 1 + k,
                                  k % 4, 1 + k % 5);
        r.Line.CommonBuild = 0;
        r.Line.Steps = 8;
        r.Line.MaxGap = 10000;
        SetPoints(r, k, 1 + 2 * (k % 6));
        doc.AddGraph(r);
    }
}

void AddShadings(TGraphicsManager& doc)
{
    for (int k = 0; k < 7; ++k) {
        long double a = -10 + 20.0L * k / 7;
        GraphRecord r = MakeGraph(doc, GraphKind::Equation,
                                  "(x-(" + std::to_string(static_cast<double>(a)) + "))*(x-(" +
                                      std::to_string(static_cast<double>(a + 2.5L)) + "))",
                                  1 + k);
        r.Equation.Relation = EquationRelation::Less;
        r.BrushStyle = static_cast<uint8_t>(k);
        r.Equation.Params.StepsX = 40;
        r.Equation.Params.StepsY = 10;
        doc.AddGraph(r);
    }
}

void SetTitles(ViewSettings& v)
{
    v.TopTitle = "Top title";
    v.TopTitleShow = 1;
    v.BottomTitle = "Bottom";
    v.BottomTitleShow = 1;
    v.LeftTitle = "Left";
    v.LeftTitleShow = 1;
    v.RightTitle = "Right";
    v.RightTitleShow = 1;
}

}  // namespace

std::vector<std::string> SampleNames()
{
    return {"functions", "fields", "styles", "shading", "log_axes", "boxed_titles_grids",
            "equal_scale_mirrored"};
}

std::unique_ptr<TGraphicsManager> MakeSample(const std::string& name)
{
    auto doc = NewDocument();
    DocumentOptions& d = doc->Options;
    if (name == "functions") {
        AddFunctions(*doc);
    } else if (name == "fields") {
        AddFields(*doc);
    } else if (name == "styles") {
        AddStyles(*doc);
    } else if (name == "shading") {
        AddShadings(*doc);
    } else if (name == "log_axes") {
        d.LogX = 1;
        d.LogY = 1;
        d.MinX = -1;
        d.MaxX = 3;
        d.MinY = -2;
        d.MaxY = 4;
        doc->AddGraph(MakeGraph(*doc, GraphKind::YFromX, "x^1.5", 12, 0, 2));
    } else if (name == "boxed_titles_grids") {
        doc->View.Boxed = 1;
        SetTitles(doc->View);
        d.VertLines = d.HorLines = 1;
        d.VertStep = 2;
        d.HorStep = 2;
        d.HorColor = d.VertColor = 8;
        d.HorStyle = 2;
        d.RadialGrid = d.AngularGrid = 1;
        d.RadialStep = 3;
        d.RadialColor = 11;
        d.AngularColor = 6;
        d.LabelsXStep = d.LabelsYStep = 5;
        doc->AddGraph(MakeGraph(*doc, GraphKind::YFromX, "tan(x)", 4, 0, 1));
    } else if (name == "equal_scale_mirrored") {
        doc->View.EqualScale = 1;
        d.XLeftToRight = 0;
        d.YBottomToTop = 0;
        d.MinX = -4;
        d.MaxX = 8;
        d.LabelsXStep = d.LabelsYStep = 2;
        d.LabelsXAbove = 0;
        d.LabelsYLeft = 0;
        d.AxisXName = "Time";
        doc->AddGraph(MakeGraph(*doc, GraphKind::YFromX, "x^2/4-3", 9, 0, 2));
    }
    doc->ComputeAllGraphs();
    return doc;
}

}  // namespace vg::test
