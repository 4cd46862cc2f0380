// Drawing a 30-graph document of every kind at 1920 x 1080: into a Qt image
// (when Qt is at hand) and into the plain raster of the test canvas; and the
// whole GIF picture (drawing, reduction to 16 colours, LZW).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "document/document_options.h"
#include "document/graph_drawing.h"
#include "document/graph_model.h"
#include "document/picture_export.h"
#include "document/picture_writers.h"
#include "support/recording_canvas.h"

#ifdef VG_BENCH_QT
#include <QGuiApplication>

#include "platform/qt/qt_picture_devices.h"
#endif

namespace vg {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;

GraphRecord Graph(const TGraphicsManager& doc, GraphKind kind, const std::string& formula, int color, int style)
{
    GraphRecord r = NewGraphRecord(doc.Options);
    ApplyKindDefaults(r, kind, doc.Options);
    r.Formula = formula;
    r.Color = static_cast<uint8_t>(color % 16);
    r.LineStyleWidth = (style % 4) * 16 + 1 + style % 3;
    r.Lines = r.Visible = 1;
    return r;
}

// 30 graphs: 16 explicit, 4 polar, 4 parametric, 2 curves f(x,y)=0, 2
// regions, a slope field and a smoothed table.
std::unique_ptr<TGraphicsManager> ThirtyGraphs()
{
    auto doc = std::make_unique<TGraphicsManager>(DefaultViewSettings(), DefaultDocumentOptions());
    doc->Options.Steps = 1000;
    doc->Options.VertLines = doc->Options.HorLines = 1;
    doc->Options.HorColor = doc->Options.VertColor = 8;
    for (int k = 0; k < 16; ++k)
        doc->AddGraph(Graph(*doc, k % 2 ? GraphKind::YFromX : GraphKind::XFromY,
                            "sin(" + std::to_string(k + 1) + "*x/3)*" + std::to_string(2 + k % 7), k, k));
    for (int k = 0; k < 4; ++k) {
        GraphRecord p = Graph(*doc, GraphKind::Polar, std::to_string(k + 2) + "+sin(5*a)", k + 3, k);
        p.Line.Min = 0;
        p.Line.Max = 2;
        doc->AddGraph(p);
    }
    for (int k = 0; k < 4; ++k) {
        GraphRecord p = Graph(*doc, GraphKind::Param, "8*cos(" + std::to_string(k + 2) + "*t)", k + 9, k);
        p.Param.Formula2 = "8*sin(" + std::to_string(k + 3) + "*t)";
        p.Param.Line.Min = 0;
        p.Param.Line.Max = 6.3L;
        p.Points = 1;
        p.PointStyle = static_cast<uint8_t>(k * 2 + 1);
        p.PointSize = 5;
        doc->AddGraph(p);
    }
    for (int k = 0; k < 2; ++k) {
        GraphRecord e = Graph(*doc, GraphKind::Equation, "x^2-y^2*" + std::to_string(k + 1) + "-9", 4 + k, 0);
        e.Equation.Relation = EquationRelation::Zero;
        e.Equation.Params.StepsX = e.Equation.Params.StepsY = 100;
        doc->AddGraph(e);
    }
    for (int k = 0; k < 2; ++k) {
        GraphRecord e = Graph(*doc, GraphKind::Equation, "sin(x)*cos(y)-0." + std::to_string(k + 3), 10 + k, 0);
        e.Equation.Relation = EquationRelation::Less;
        e.BrushStyle = static_cast<uint8_t>(1 + 3 * k);
        e.Equation.Params.StepsX = e.Equation.Params.StepsY = 100;
        doc->AddGraph(e);
    }
    GraphRecord field = Graph(*doc, GraphKind::DifField, "x-y", 1, 0);
    field.DifField.Params.SeriesX = field.DifField.Params.SeriesY = 40;
    doc->AddGraph(field);
    GraphRecord table = Graph(*doc, GraphKind::Table, "", 13, 0);
    for (int k = 0; k < 40; ++k) table.SetTablePoint(k, -9.5L + k * 0.5L, (k * 37 % 17) - 8);
    table.SetTableFlags(TableFlags::Make(TableSort::ByX, true, TableQuality::High));
    doc->AddGraph(table);
    doc->ComputeAllGraphs();
    return doc;
}

void BM_DrawThirtyGraphs_RasterCanvas(benchmark::State& state)
{
    auto doc = ThirtyGraphs();
    for (auto _ : state) {
        test::RecordingCanvas canvas(kWidth, kHeight);
        DrawDocument(*doc, canvas, {0, 0, kWidth, kHeight});
        benchmark::DoNotOptimize(canvas.Pixels().data());
    }
}
BENCHMARK(BM_DrawThirtyGraphs_RasterCanvas)->Unit(benchmark::kMillisecond);

#ifdef VG_BENCH_QT
PictureDevices& QtDevices()
{
    static int argc = 1;
    static char name[] = "draw_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    static std::unique_ptr<PictureDevices> devices = CreateQtPictureDevices();
    return *devices;
}

void BM_DrawThirtyGraphs_QtImage(benchmark::State& state)
{
    auto doc = ThirtyGraphs();
    PictureDevices& devices = QtDevices();
    for (auto _ : state) {
        auto surface = devices.CreateRaster(kWidth, kHeight);
        DrawDocument(*doc, surface->GetCanvas(), {0, 0, kWidth, kHeight});
        benchmark::DoNotOptimize(surface->Finish().data());
    }
}
BENCHMARK(BM_DrawThirtyGraphs_QtImage)->Unit(benchmark::kMillisecond);

void BM_GifPictureOfThirtyGraphs_Qt(benchmark::State& state)
{
    auto doc = ThirtyGraphs();
    PictureDevices& devices = QtDevices();
    std::vector<uint8_t> bytes;
    for (auto _ : state) {
        RenderPicture(*doc, devices, PictureFileFormat::Gif, {kWidth, kHeight, 1}, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_GifPictureOfThirtyGraphs_Qt)->Unit(benchmark::kMillisecond);
#endif

void BM_EncodeGif_1920x1080(benchmark::State& state)
{
    auto doc = ThirtyGraphs();
    test::RecordingCanvas canvas(kWidth, kHeight);
    DrawDocument(*doc, canvas, {0, 0, kWidth, kHeight});
    IndexImage image = ReduceToColorTable(canvas.Pixels(), kWidth, kHeight);
    std::vector<uint8_t> gif;
    std::string error;
    for (auto _ : state) {
        EncodeGif87a(image, gif, error);
        benchmark::DoNotOptimize(gif.data());
    }
}
BENCHMARK(BM_EncodeGif_1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vg

BENCHMARK_MAIN();
