#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vg::test {

// A PDF page as poppler's pdftoppm draws it (RGB, no smoothing).
struct PdfRaster {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    const uint8_t* At(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
    bool White(int x, int y) const { return At(x, y)[0] == 255 && At(x, y)[1] == 255 && At(x, y)[2] == 255; }
    bool Coloured(int x, int y) const { return At(x, y)[0] != At(x, y)[1] || At(x, y)[1] != At(x, y)[2]; }
};

// The first page at the resolution; crop is x, y, width, height in its
// pixels (empty: the whole page). False when pdftoppm fails.
bool RasterizePdf(const std::string& pdf, int dpi, PdfRaster& raster, std::vector<int> crop = {});

// pdfinfo's "Key: value" for the key, empty when missing.
std::string PdfInfo(const std::string& pdf, const std::string& key);

}  // namespace vg::test
