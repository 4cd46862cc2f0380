#include "document/picture_export.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "document/graph_drawing.h"
#include "document/picture_writers.h"
#include "platform/atomic_file.h"

namespace vg {

namespace {

constexpr const char* kOutOfResources = "Out of system resources";
constexpr const char* kFileWriteError = "File write error";

std::string NoContiguousMemory(std::size_t bytes)
{
    return "error in TBigByteArray.create: Not enough contiguous memory available\r"
           " requested memory block: " +
           std::to_string(bytes) + " bytes";
}

void Report(PictureProgress* progress, const std::string& text, int percent = -1)
{
    if (progress != nullptr) progress->Status(text, percent);
}

PictureRequest Sane(PictureRequest r)
{
    r.Width = std::clamp(r.Width, 1, kMaxPictureSize);
    r.Height = std::clamp(r.Height, 1, kMaxPictureSize);
    if (!(r.Scale >= kMinPictureScale)) r.Scale = kMinPictureScale;
    if (r.Scale > kMaxPictureScale) r.Scale = kMaxPictureScale;
    return r;
}

// Pictures are drawn whole: Esc is not asked, so an interrupted shading is
// never saved as if it were complete.
void DrawPicture(const TGraphicsManager& document, Canvas& canvas, const PictureRequest& r)
{
    DeviceContext device = PrepareDevice(document, r.Scale);
    DrawDocument(document, canvas, {0, 0, r.Width, r.Height}, device);
}

}  // namespace

PictureFileFormat PictureFormatOfFile(const std::string& fileName)
{
    std::size_t dot = fileName.find_last_of('.');
    std::size_t slash = fileName.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return PictureFileFormat::Unknown;
    std::string ext = fileName.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "bmp") return PictureFileFormat::Bmp;
    if (ext == "gif") return PictureFileFormat::Gif;
    if (ext == "png") return PictureFileFormat::Png;
    if (ext == "svg") return PictureFileFormat::Svg;
    if (ext == "pdf") return PictureFileFormat::Pdf;
    return PictureFileFormat::Unknown;
}

std::string RenderIndexImage(const TGraphicsManager& document, PictureDevices& devices,
                             const PictureRequest& request, IndexImage& image,
                             PictureProgress* progress)
{
    const PictureRequest r = Sane(request);
    Report(progress, "Creating picture...");
    std::unique_ptr<RasterSurface> surface = devices.CreateRaster(r.Width, r.Height);
    if (!surface) return kOutOfResources;
    DrawPicture(document, surface->GetCanvas(), r);
    const std::size_t pixels = static_cast<std::size_t>(r.Width) * r.Height;
    try {
        std::vector<ColorValue> drawn = surface->Finish();
        surface.reset();
        image = ReduceToColorTable(drawn, r.Width, r.Height);
    } catch (const std::bad_alloc&) {
        return NoContiguousMemory(pixels);
    }
    return {};
}

std::string RenderPicture(const TGraphicsManager& document, PictureDevices& devices,
                          PictureFileFormat format, const PictureRequest& request,
                          std::vector<uint8_t>& bytes, PictureProgress* progress)
{
    const PictureRequest r = Sane(request);
    if (format == PictureFileFormat::Svg || format == PictureFileFormat::Pdf) {
        Report(progress, "Creating picture...");
        std::unique_ptr<VectorSurface> surface = devices.CreateVector(
            format == PictureFileFormat::Svg ? VectorFormat::Svg : VectorFormat::Pdf, r.Width, r.Height);
        if (!surface) return kOutOfResources;
        DrawPicture(document, surface->GetCanvas(), r);
        if (!surface->Finish(bytes)) return kOutOfResources;
        return {};
    }
    IndexImage image;
    std::string message = RenderIndexImage(document, devices, r, image, progress);
    if (!message.empty()) return message;
    try {
        switch (format) {
        case PictureFileFormat::Gif: {
            Report(progress, "Saving picture...");
            Report(progress, "Converting to GIF:", 100);
            std::string error;
            auto saving = [progress](int percent) { Report(progress, "Saving GIF:", percent); };
            if (!EncodeGif87a(image, bytes, error, saving)) return error;
            break;
        }
        case PictureFileFormat::Png:
            if (!devices.EncodePng(image, bytes)) return kOutOfResources;
            break;
        default: bytes = EncodeBmp4(image); break;
        }
    } catch (const std::bad_alloc&) {
        return NoContiguousMemory(image.pixels.size());
    }
    return {};
}

std::string SavePicture(const TGraphicsManager& document, PictureDevices& devices,
                        const std::string& fileName, const PictureRequest& request,
                        PictureProgress* progress)
{
    PictureFileFormat format = PictureFormatOfFile(fileName);
    if (format == PictureFileFormat::Unknown) format = PictureFileFormat::Bmp;
    std::vector<uint8_t> bytes;
    std::string message = RenderPicture(document, devices, format, request, bytes, progress);
    if (!message.empty()) return message;
    if (!WriteFileAtomically(fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) return kFileWriteError;
    return {};
}

}  // namespace vg
