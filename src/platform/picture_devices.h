#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/canvas.h"

namespace vg {

// A picture reduced to a palette: one palette index per pixel, rows from the
// top.
struct IndexImage {
    int width = 0;
    int height = 0;
    std::vector<ColorValue> palette;
    std::vector<uint8_t> pixels;

    uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// An off-screen bitmap to draw a picture on.
class RasterSurface {
public:
    virtual ~RasterSurface() = default;
    virtual Canvas& GetCanvas() = 0;
    // Ends drawing; every pixel, rows from the top, as colour values.
    virtual std::vector<ColorValue> Finish() = 0;
};

enum class VectorFormat : uint8_t { Svg, Pdf };

// A vector picture (the metafile of this platform, or a PDF page).
class VectorSurface {
public:
    virtual ~VectorSurface() = default;
    virtual Canvas& GetCanvas() = 0;
    // Ends drawing and hands over the file's bytes; false when the
    // picture could not be produced.
    virtual bool Finish(std::vector<uint8_t>& bytes) = 0;
};

// What the platform offers for making pictures. Creating returns null when
// the system cannot provide the surface.
class PictureDevices {
public:
    virtual ~PictureDevices() = default;
    // Width x height pixels at the screen's resolution.
    virtual std::unique_ptr<RasterSurface> CreateRaster(int width, int height) = 0;
    virtual std::unique_ptr<VectorSurface> CreateVector(VectorFormat format, int width,
                                                        int height) = 0;
    virtual bool EncodePng(const IndexImage& image, std::vector<uint8_t>& bytes) = 0;
};

}  // namespace vg
