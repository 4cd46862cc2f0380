#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/picture_devices.h"
#include "support/recording_canvas.h"

namespace vg::test {

// Picture devices over the recording canvas: the same pixels on every
// machine; no PNG, no vector pictures.
class RecordingPictureDevices : public PictureDevices {
public:
    bool failRaster = false;
    std::unique_ptr<RasterSurface> CreateRaster(int width, int height) override;
    std::unique_ptr<VectorSurface> CreateVector(VectorFormat, int, int) override { return nullptr; }
    bool EncodePng(const IndexImage&, std::vector<uint8_t>&) override { return false; }
};

// Reads a 4-bit BMP as our writer makes it; false if it is not one.
bool DecodeBmp4(const std::vector<uint8_t>& bytes, IndexImage& image);
// A plain GIF decoder for one image with a global table.
bool DecodeGif(const std::vector<uint8_t>& bytes, IndexImage& image);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// A fresh empty folder for one test.
std::string TempFolder(const std::string& name);

}  // namespace vg::test
