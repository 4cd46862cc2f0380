// Valid-shaped documents with extreme values, drawn small on the test
// raster: the drawing must never crash, hang or draw without bound. The
// bytes choose the option records' values (within what the option checks
// allow, colour and style bytes anything) and up to four graphs.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "document/document_options.h"
#include "document/graph_drawing.h"
#include "document/graph_model.h"
#include "support/recording_canvas.h"

namespace {

using namespace vg;

long double Magnitude(FuzzedDataProvider& in)
{
    // Powers of ten across the allowed range, with a mantissa.
    int exponent = in.ConsumeIntegralInRange<int>(-100, 99);
    long double mantissa = in.ConsumeIntegralInRange<int>(1, 9999) / 1000.0L;
    return mantissa * std::pow(10.0L, exponent);
}

long double Value(FuzzedDataProvider& in)
{
    long double v = Magnitude(in);
    if (v > 1e100L) v = 1e100L;
    return in.ConsumeBool() ? -v : v;
}

void Interval(FuzzedDataProvider& in, Ext80& lo, Ext80& hi)
{
    long double a = Value(in), b = Value(in);
    if (a == b) b = a + std::fabs(a) * 1e-9L + 1e-90L;
    lo = std::min(a, b);
    hi = std::max(a, b);
}

void FuzzOptions(FuzzedDataProvider& in, DocumentOptions& d, ViewSettings& v)
{
    Interval(in, d.MinX, d.MaxX);
    Interval(in, d.MinY, d.MaxY);
    d.LogX = in.ConsumeBool();
    d.LogY = in.ConsumeBool();
    d.LogBaseX = in.ConsumeIntegralInRange<int>(2, 1000);
    d.LogBaseY = in.ConsumeIntegralInRange<int>(2, 1000);
    // A logarithmic axis must stay below 1e100.
    if (d.LogX && d.MaxX * std::log10(static_cast<long double>(d.LogBaseX)) > 100) d.LogX = 0;
    if (d.LogY && d.MaxY * std::log10(static_cast<long double>(d.LogBaseY)) > 100) d.LogY = 0;
    d.Steps = in.ConsumeIntegralInRange<int32_t>(1, 400);
    d.MaxGap = in.ConsumeIntegralInRange<int32_t>(1, 1000000);
    d.PointsAlign = in.ConsumeBool();
    // Packed fields are set by value, never through pointers.
    auto flag = [&in] { return static_cast<uint8_t>(in.ConsumeBool()); };
    d.VertLines = flag(), d.HorLines = flag(), d.RadialGrid = flag(), d.AngularGrid = flag();
    d.AxisX = flag(), d.AxisY = flag(), d.XLeftToRight = flag(), d.YBottomToTop = flag();
    d.MarksX = flag(), d.MarksY = flag(), d.LabelsX = flag(), d.LabelsY = flag();
    d.LabelsXAbove = flag(), d.LabelsYLeft = flag(), d.AxisXNameShow = flag(), d.AxisYNameShow = flag();
    v.Boxed = flag(), v.EqualScale = flag(), v.TopTitleShow = flag(), v.LeftTitleShow = flag();
    d.HorStep = Value(in), d.VertStep = Value(in), d.RadialStep = Value(in);
    d.MarksXStep = Value(in), d.MarksYStep = Value(in), d.LabelsXStep = Value(in), d.LabelsYStep = Value(in);
    d.AngularStep = (in.ConsumeBool() ? -1 : 1) * in.ConsumeIntegralInRange<int>(1, 2000000) / 1000000.0L;
    auto byte = [&in] { return in.ConsumeIntegral<uint8_t>(); };
    d.HorColor = byte(), d.VertColor = byte(), d.BackColor = byte(), d.HorStyle = byte(), d.VertStyle = byte();
    d.RadialColor = byte(), d.AngularColor = byte(), d.AxisXStyle = byte(), d.AxisYStyle = byte();
    d.AxisXPointer = byte(), d.AxisXColor = byte(), d.AxisYColor = byte(), d.MarksXColor = byte();
    d.MarksYColor = byte();
    auto word = [&in] { return in.ConsumeIntegral<int32_t>(); };
    d.HorWidth = word(), d.VertWidth = word(), d.RadialWidth = word(), d.AngularWidth = word();
    d.AxisXWidth = word(), d.AxisYWidth = word(), d.MarksXLength = word(), d.MarksYLength = word();
    d.LabelsXFont.Size = in.ConsumeIntegralInRange<int32_t>(1, 300);
    d.LabelsYFont.Size = in.ConsumeIntegralInRange<int32_t>(1, 300);
    d.LabelsXSuffix = in.ConsumeRandomLengthString(20);
    v.TopTitle = in.ConsumeRandomLengthString(250);
    v.TopTitleFont.Size = in.ConsumeIntegralInRange<int32_t>(1, 300);
}

const char* const kFormulas[] = {"x", "sin(x)*y", "1/x", "tan(x)", "x^2+y^2-1", "ln(x)", "sqrt(x*y)", "x*y-1",
                                 "10^x", "y-x^3", "2", "a", "exp(t)"};

void FuzzGraph(FuzzedDataProvider& in, TGraphicsManager& doc)
{
    GraphRecord r = NewGraphRecord(doc.Options);
    ApplyKindDefaults(r, static_cast<GraphKind>(in.ConsumeIntegralInRange<int>(0, 6)), doc.Options);
    r.Formula = kFormulas[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kFormulas) - 1)];
    r.Lines = in.ConsumeBool();
    r.Points = in.ConsumeBool();
    r.Visible = 1;
    r.Color = in.ConsumeIntegral<uint8_t>();
    r.PointStyle = in.ConsumeIntegral<uint8_t>();
    r.LineStyleWidth = in.ConsumeIntegral<int32_t>();
    r.PointSize = in.ConsumeIntegral<int32_t>();
    r.BrushStyle = in.ConsumeIntegral<uint8_t>();
    switch (r.Kind) {
    case GraphKind::Polar:
    case GraphKind::YFromX:
    case GraphKind::XFromY:
        r.Line.CommonBuild = in.ConsumeBool();
        r.Line.CommonInterval = in.ConsumeBool();
        Interval(in, r.Line.Min, r.Line.Max);
        r.Line.Steps = in.ConsumeIntegralInRange<int32_t>(1, 400);
        r.Line.MaxGap = in.ConsumeIntegralInRange<int32_t>(1, 1000000);
        break;
    case GraphKind::Param:
        r.Param.Formula2 = kFormulas[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kFormulas) - 1)];
        Interval(in, r.Param.Line.Min, r.Param.Line.Max);
        break;
    case GraphKind::Equation:
        r.Equation.Relation = static_cast<EquationRelation>(in.ConsumeIntegralInRange<int>(0, 2));
        r.Equation.Params.CommonInterval = in.ConsumeBool();
        Interval(in, r.Equation.Params.MinX, r.Equation.Params.MaxX);
        Interval(in, r.Equation.Params.MinY, r.Equation.Params.MaxY);
        r.Equation.Params.StepsX = in.ConsumeIntegralInRange<int32_t>(10, 30);
        r.Equation.Params.StepsY = in.ConsumeIntegralInRange<int32_t>(10, 30);
        break;
    case GraphKind::DifField:
        r.DifField.Params.SeriesX = in.ConsumeIntegralInRange<int32_t>(2, 30);
        r.DifField.Params.SeriesY = in.ConsumeIntegralInRange<int32_t>(2, 30);
        r.DifField.Params.LineLength = in.ConsumeIntegralInRange<int32_t>(4, 100);
        break;
    case GraphKind::Table:
        for (int k = 0, n = in.ConsumeIntegralInRange<int>(0, 8); k < n; ++k)
            r.SetTablePoint(in.ConsumeIntegralInRange<int>(0, 99), Value(in), Value(in));
        r.SetTableFlags(TableFlags{in.ConsumeIntegralInRange<uint8_t>(0, 23)});
        break;
    default: break;
    }
    doc.AddGraph(r);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    FuzzOptions(in, doc.Options, doc.View);
    for (int k = 0, n = in.ConsumeIntegralInRange<int>(0, 4); k < n; ++k) FuzzGraph(in, doc);
    doc.ComputeAllGraphs();
    const int width = in.ConsumeIntegralInRange<int>(1, 160), height = in.ConsumeIntegralInRange<int>(1, 120);
    const long double scale = in.ConsumeIntegralInRange<int>(10, 100) / 10.0L;
    vg::test::RecordingCanvas canvas(width, height);
    DrawDocument(doc, canvas, {0, 0, width, height}, PrepareDevice(doc, scale));
    return 0;
}
