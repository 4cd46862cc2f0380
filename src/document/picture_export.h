#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/graph_model.h"
#include "platform/picture_devices.h"

namespace vg {

enum class PictureFileFormat : uint8_t { Bmp, Gif, Png, Svg, Pdf, Unknown };

// The format a file name asks for by its extension (any case).
PictureFileFormat PictureFormatOfFile(const std::string& fileName);

inline constexpr int kMinPictureSize = 100;
inline constexpr int kMaxPictureSize = 3000;
inline constexpr long double kMinPictureScale = 1;
inline constexpr long double kMaxPictureScale = 10;

// What the progress window shows while a picture is made. The texts are
// untranslated; percent is -1 when the text has none.
class PictureProgress {
public:
    virtual ~PictureProgress() = default;
    virtual void Status(const std::string& text, int percent) = 0;
};

struct PictureRequest {
    int Width = 800;
    int Height = 600;
    long double Scale = 1;  // 1 without "Scale Factor"
};

// Draws the document once more on an off-screen surface and writes the
// picture in the format of the file's extension (BMP and GIF by our own
// writers from the 16-colour reduction, PNG of the same pixels, SVG and PDF
// as vector pictures). The document is not changed. Returns the message to
// show, empty on success.
std::string SavePicture(const TGraphicsManager& document, PictureDevices& devices,
                        const std::string& fileName, const PictureRequest& request,
                        PictureProgress* progress = nullptr);

// The same into memory, in the given format. Returns the message, empty on
// success.
std::string RenderPicture(const TGraphicsManager& document, PictureDevices& devices,
                          PictureFileFormat format, const PictureRequest& request,
                          std::vector<uint8_t>& bytes, PictureProgress* progress = nullptr);

// The picture reduced to the colour table (the bitmap for the clipboard).
std::string RenderIndexImage(const TGraphicsManager& document, PictureDevices& devices,
                             const PictureRequest& request, IndexImage& image,
                             PictureProgress* progress = nullptr);

}  // namespace vg
