// The GIF encoder beside giflib's (the peer) on one 3000 x 3000 picture of
// the 16-colour table: a sample document with grids, titles and graphs,
// drawn on the plain raster of the test canvas. Before timing, each file is
// read back with giflib and must give the very pixels that were written.

#include <benchmark/benchmark.h>

#include <gif_lib.h>

#include <cstring>
#include <string>
#include <vector>

#include "document/graph_drawing.h"
#include "document/picture_writers.h"
#include "drawing/sample_documents.h"
#include "support/recording_canvas.h"

namespace vg {
namespace {

constexpr int kSide = 3000;

const IndexImage& Picture()
{
    static const IndexImage image = [] {
        auto doc = test::MakeSample("boxed_titles_grids");
        doc->ComputeAllGraphs();
        test::RecordingCanvas canvas(kSide, kSide);
        DrawDocument(*doc, canvas, {0, 0, kSide, kSide});
        return ReduceToColorTable(canvas.Pixels(), kSide, kSide);
    }();
    return image;
}

int AppendBytes(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

bool EncodeWithGiflib(const IndexImage& image, std::vector<uint8_t>& out)
{
    out.clear();
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendBytes, &error);
    if (!gif) return false;
    EGifSetGifVersion(gif, false);  // GIF87a, as ours
    GifColorType colors[16];
    for (int i = 0; i < 16; ++i) {
        const ColorValue c = image.palette[static_cast<std::size_t>(i)];
        colors[i] = {GifByteType(c & 0xFF), GifByteType((c >> 8) & 0xFF), GifByteType((c >> 16) & 0xFF)};
    }
    ColorMapObject* map = GifMakeMapObject(16, colors);
    bool ok = map && EGifPutScreenDesc(gif, image.width, image.height, 4, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
    for (int y = 0; ok && y < image.height; ++y) {
        std::memcpy(row.data(), image.pixels.data() + static_cast<std::size_t>(y) * image.width, row.size());
        ok = EGifPutLine(gif, row.data(), image.width) == GIF_OK;
    }
    GifFreeMapObject(map);
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

struct Reader {
    const std::vector<uint8_t>* bytes;
    std::size_t at = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* data, int length)
{
    auto* r = static_cast<Reader*>(gif->UserData);
    const std::size_t n = std::min(static_cast<std::size_t>(length), r->bytes->size() - r->at);
    std::memcpy(data, r->bytes->data() + r->at, n);
    r->at += n;
    return static_cast<int>(n);
}

// giflib reads the file back to exactly the picture's pixels.
bool ReadsBackExactly(const std::vector<uint8_t>& file, const IndexImage& image)
{
    Reader reader{&file};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadBytes, &error);
    if (!gif) return false;
    bool same = DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1 && gif->SWidth == image.width &&
                gif->SHeight == image.height &&
                std::memcmp(gif->SavedImages[0].RasterBits, image.pixels.data(), image.pixels.size()) == 0;
    DGifCloseFile(gif, &error);
    return same;
}

void BM_EncodeGif_Ours_3000x3000x16(benchmark::State& state)
{
    const IndexImage& image = Picture();
    std::vector<uint8_t> gif;
    std::string error;
    if (!EncodeGif87a(image, gif, error) || !ReadsBackExactly(gif, image)) {
        state.SkipWithError("our GIF does not read back to the picture");
        return;
    }
    for (auto _ : state) {
        EncodeGif87a(image, gif, error);
        benchmark::DoNotOptimize(gif.data());
    }
    state.counters["bytes"] = double(gif.size());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(image.pixels.size()));
}
BENCHMARK(BM_EncodeGif_Ours_3000x3000x16)->Unit(benchmark::kMillisecond);

void BM_EncodeGif_Giflib_3000x3000x16(benchmark::State& state)
{
    const IndexImage& image = Picture();
    std::vector<uint8_t> gif;
    if (!EncodeWithGiflib(image, gif) || !ReadsBackExactly(gif, image)) {
        state.SkipWithError("giflib's GIF does not read back to the picture");
        return;
    }
    for (auto _ : state) {
        EncodeWithGiflib(image, gif);
        benchmark::DoNotOptimize(gif.data());
    }
    state.counters["bytes"] = double(gif.size());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(image.pixels.size()));
}
BENCHMARK(BM_EncodeGif_Giflib_3000x3000x16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vg

BENCHMARK_MAIN();
