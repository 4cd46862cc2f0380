#include "drawing/picture_test_support.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vg::test {

namespace {

class RecordingSurface : public RasterSurface {
public:
    RecordingSurface(int w, int h) : canvas_(w, h) {}
    Canvas& GetCanvas() override { return canvas_; }
    std::vector<ColorValue> Finish() override { return canvas_.Pixels(); }

private:
    RecordingCanvas canvas_;
};

uint32_t Le(const std::vector<uint8_t>& b, std::size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

}  // namespace

std::unique_ptr<RasterSurface> RecordingPictureDevices::CreateRaster(int width, int height)
{
    if (failRaster) return nullptr;
    return std::make_unique<RecordingSurface>(width, height);
}

bool DecodeBmp4(const std::vector<uint8_t>& b, IndexImage& image)
{
    if (b.size() < 118 || b[0] != 'B' || b[1] != 'M' || Le(b, 28, 2) != 4) return false;
    image.width = static_cast<int>(Le(b, 18, 4));
    image.height = static_cast<int>(Le(b, 22, 4));
    uint32_t offset = Le(b, 10, 4);
    image.palette.clear();
    for (int i = 0; i < 16; ++i)
        image.palette.push_back(MakeColorValue(b[56 + 4 * i], b[55 + 4 * i], b[54 + 4 * i]));
    const std::size_t row = ((static_cast<std::size_t>(image.width) * 4 + 31) / 32) * 4;
    if (b.size() < offset + row * image.height) return false;
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* src = &b[offset + row * (image.height - 1 - y)];
        for (int x = 0; x < image.width; ++x)
            image.pixels[static_cast<std::size_t>(y) * image.width + x] =
                x % 2 == 0 ? src[x / 2] >> 4 : src[x / 2] & 15;
    }
    return true;
}

bool DecodeGif(const std::vector<uint8_t>& b, IndexImage& image)
{
    if (b.size() < 13 || std::string(b.begin(), b.begin() + 6) != "GIF87a") return false;
    const int flags = b[10];
    const int colors = 2 << (flags & 7);
    std::size_t at = 13;
    image.palette.clear();
    for (int i = 0; i < colors; ++i, at += 3) image.palette.push_back(MakeColorValue(b[at], b[at + 1], b[at + 2]));
    if (b[at] != 0x2C) return false;
    image.width = static_cast<int>(Le(b, at + 5, 2));
    image.height = static_cast<int>(Le(b, at + 7, 2));
    at += 10;
    const int minCode = b[at++];
    std::vector<uint8_t> data;
    while (at < b.size() && b[at] != 0) {
        int n = b[at++];
        data.insert(data.end(), b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + n));
        at += static_cast<std::size_t>(n);
    }
    if (at + 1 >= b.size() || b[at + 1] != 0x3B) return false;
    const int clear = 1 << minCode, end = clear + 1;
    std::vector<std::vector<uint8_t>> table;
    auto reset = [&] {
        table.assign(static_cast<std::size_t>(end + 1), {});
        for (int i = 0; i < clear; ++i) table[static_cast<std::size_t>(i)] = {static_cast<uint8_t>(i)};
    };
    reset();
    int size = minCode + 1, prev = -1;
    std::size_t bit = 0;
    image.pixels.clear();
    while (bit + size <= data.size() * 8) {
        int code = 0;
        for (int i = 0; i < size; ++i, ++bit) code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
        if (code == clear) {
            reset();
            size = minCode + 1;
            prev = -1;
            continue;
        }
        if (code == end) break;
        std::vector<uint8_t> entry;
        if (code < static_cast<int>(table.size()))
            entry = table[static_cast<std::size_t>(code)];
        else if (prev >= 0 && code == static_cast<int>(table.size())) {
            entry = table[static_cast<std::size_t>(prev)];
            entry.push_back(entry[0]);
        } else
            return false;
        image.pixels.insert(image.pixels.end(), entry.begin(), entry.end());
        if (prev >= 0 && table.size() < 4096) {
            std::vector<uint8_t> added = table[static_cast<std::size_t>(prev)];
            added.push_back(entry[0]);
            table.push_back(added);
            if (static_cast<int>(table.size()) == (1 << size) && size < 12) ++size;
        }
        prev = code;
    }
    return image.pixels.size() == static_cast<std::size_t>(image.width) * image.height;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string TempFolder(const std::string& name)
{
    std::filesystem::path p = std::filesystem::temp_directory_path() /
                              ("vg-drawing-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p.string();
}

}  // namespace vg::test
