#include "document/picture_writers.h"

#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "document/draw_styles.h"

namespace vg {

IndexImage ReduceToColorTable(const std::vector<ColorValue>& pixels, int width, int height)
{
    IndexImage image;
    image.width = width;
    image.height = height;
    image.palette.assign(std::begin(kColorTable), std::end(kColorTable));
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    std::unordered_map<ColorValue, uint8_t> known;
    for (int i = 0; i < kColorCount; ++i) known.emplace(kColorTable[i], static_cast<uint8_t>(i));
    for (std::size_t i = 0; i < image.pixels.size() && i < pixels.size(); ++i) {
        ColorValue c = pixels[i] & 0xFFFFFFu;
        auto it = known.find(c);
        if (it == known.end())
            it = known.emplace(c, static_cast<uint8_t>(NearestColorIndex(c))).first;
        image.pixels[i] = it->second;
    }
    return image;
}

namespace {

void Put16(std::vector<uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp4(const IndexImage& image)
{
    const uint32_t rowBytes = ((static_cast<uint32_t>(image.width) * 4 + 31) / 32) * 4;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(image.height);
    const uint32_t offset = 14 + 40 + 16 * 4;
    std::vector<uint8_t> out;
    out.reserve(offset + imageBytes);
    // File header.
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    // Information header: bottom-up rows, no compression, 96 dots per inch.
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);
    Put32(out, imageBytes);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, 16);
    Put32(out, 0);
    for (int i = 0; i < 16; ++i) {
        ColorValue c = i < static_cast<int>(image.palette.size()) ? image.palette[i] : 0;
        out.push_back(static_cast<uint8_t>(BlueOf(c)));
        out.push_back(static_cast<uint8_t>(GreenOf(c)));
        out.push_back(static_cast<uint8_t>(RedOf(c)));
        out.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; x += 2) {
            uint8_t hi = image.At(x, y) & 0x0F;
            uint8_t lo = x + 1 < image.width ? (image.At(x + 1, y) & 0x0F) : 0;
            out.push_back(static_cast<uint8_t>(hi << 4 | lo));
        }
        while (out.size() - rowStart < rowBytes) out.push_back(0);
    }
    return out;
}

namespace {

// Packs variable-length codes, least significant bit first, into data
// sub-blocks of at most 255 bytes.
class GifCodeWriter {
public:
    explicit GifCodeWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Write(int code, int bits)
    {
        buffer_ |= static_cast<uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            PutByte(static_cast<uint8_t>(buffer_ & 0xFF));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    void Flush()
    {
        if (count_ > 0) PutByte(static_cast<uint8_t>(buffer_ & 0xFF));
        buffer_ = 0;
        count_ = 0;
        EndBlock();
        out_.push_back(0);  // the zero-length block
    }

private:
    void PutByte(uint8_t b)
    {
        block_[blockSize_++] = b;
        if (blockSize_ == 255) EndBlock();
    }
    void EndBlock()
    {
        if (blockSize_ == 0) return;
        out_.push_back(static_cast<uint8_t>(blockSize_));
        out_.insert(out_.end(), block_, block_ + blockSize_);
        blockSize_ = 0;
    }

    std::vector<uint8_t>& out_;
    uint32_t buffer_ = 0;
    int count_ = 0;
    uint8_t block_[255];
    int blockSize_ = 0;
};

constexpr int kMaxGifCodes = 4096;

// The LZW code table as a trie: child[code * alphabet + symbol].
void WriteLzwData(const IndexImage& image, int minCodeSize, std::vector<uint8_t>& out,
                  const ProgressFunction& progress)
{
    const int alphabet = 1 << minCodeSize;
    const int clearCode = alphabet, endCode = alphabet + 1;
    std::vector<int16_t> child(static_cast<std::size_t>(kMaxGifCodes) * alphabet, -1);
    GifCodeWriter writer(out);
    int codeSize = minCodeSize + 1;
    int next = endCode + 1;
    auto reset = [&] {
        std::fill(child.begin(), child.end(), int16_t(-1));
        codeSize = minCodeSize + 1;
        next = endCode + 1;
    };
    writer.Write(clearCode, codeSize);
    const std::size_t total = image.pixels.size();
    if (total == 0) {
        writer.Write(endCode, codeSize);
        writer.Flush();
        return;
    }
    int prefix = image.pixels[0] & (alphabet - 1);
    int lastPercent = -1;
    for (std::size_t i = 1; i < total; ++i) {
        int symbol = image.pixels[i] & (alphabet - 1);
        int16_t& slot = child[static_cast<std::size_t>(prefix) * alphabet + symbol];
        if (slot >= 0) {
            prefix = slot;
        } else {
            writer.Write(prefix, codeSize);
            slot = static_cast<int16_t>(next++);
            if (next > (1 << codeSize) && codeSize < 12) ++codeSize;
            if (next == kMaxGifCodes) {
                writer.Write(clearCode, codeSize);
                reset();
            }
            prefix = symbol;
        }
        if (progress && (i & 0xFFFF) == 0) {
            int percent = static_cast<int>(i * 100 / total);
            if (percent != lastPercent) progress(lastPercent = percent);
        }
    }
    writer.Write(prefix, codeSize);
    writer.Write(endCode, codeSize);
    writer.Flush();
    if (progress) progress(100);
}

}  // namespace

bool EncodeGif87a(const IndexImage& image, std::vector<uint8_t>& out, std::string& error,
                  const ProgressFunction& progress)
{
    int depth = 0;
    switch (image.palette.size()) {
    case 2: depth = 1; break;
    case 4: depth = 2; break;
    case 8: depth = 3; break;
    case 16: depth = 4; break;
    case 256: depth = 8; break;
    default: error = "Number of colors must be 2, 4, 8, 16 or 256"; return false;
    }
    out.clear();
    for (char c : std::string_view("GIF87a")) out.push_back(static_cast<uint8_t>(c));
    Put16(out, static_cast<unsigned>(image.width));
    Put16(out, static_cast<unsigned>(image.height));
    out.push_back(static_cast<uint8_t>(0x80 | (depth - 1) << 4 | (depth - 1)));
    out.push_back(0);  // background colour index
    out.push_back(0);  // pixel aspect ratio
    for (ColorValue c : image.palette) {
        out.push_back(static_cast<uint8_t>(RedOf(c)));
        out.push_back(static_cast<uint8_t>(GreenOf(c)));
        out.push_back(static_cast<uint8_t>(BlueOf(c)));
    }
    out.push_back(0x2C);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(image.width));
    Put16(out, static_cast<unsigned>(image.height));
    out.push_back(0);  // no local table, not interlaced
    // Decoders need at least 2 bits of minimum code size.
    const int minCodeSize = depth < 2 ? 2 : depth;
    out.push_back(static_cast<uint8_t>(minCodeSize));
    WriteLzwData(image, minCodeSize, out, progress);
    out.push_back(0x3B);
    return true;
}

}  // namespace vg
