#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/picture_devices.h"

namespace vg {

// Reduces a drawn picture (colour values, rows from the top) to the 16-colour
// table: each pixel becomes the index of the nearest table colour.
IndexImage ReduceToColorTable(const std::vector<ColorValue>& pixels, int width, int height);

// A Windows bitmap file with 4 bits per pixel and its 16-entry colour table.
// The palette must have at most 16 entries.
std::vector<uint8_t> EncodeBmp4(const IndexImage& image);

// Reports the percentage done.
using ProgressFunction = std::function<void(int percent)>;

// A GIF87a file: one image, global colour table, LZW data in sub-blocks.
// False with the message in error when the palette size is not 2, 4, 8, 16
// or 256.
bool EncodeGif87a(const IndexImage& image, std::vector<uint8_t>& out, std::string& error,
                  const ProgressFunction& progress = nullptr);

}  // namespace vg
