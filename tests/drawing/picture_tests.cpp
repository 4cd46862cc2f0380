#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "document/graph_drawing.h"
#include "document/picture_export.h"
#include "document/picture_writers.h"
#include "drawing/picture_test_support.h"
#include "drawing/sample_documents.h"

namespace vg {
namespace {

IndexImage NoiseImage(int w, int h, int colors, unsigned seed)
{
    IndexImage image;
    image.width = w;
    image.height = h;
    for (int i = 0; i < colors; ++i) image.palette.push_back(kColorTable[i % 16]);
    std::mt19937 rng(seed);
    for (int i = 0; i < w * h; ++i) image.pixels.push_back(static_cast<uint8_t>(rng() % colors));
    return image;
}

IndexImage SampleImage(const std::string& name, int w, int h)
{
    auto doc = test::MakeSample(name);
    test::RecordingCanvas canvas(w, h);
    DrawDocument(*doc, canvas, {0, 0, w, h});
    return ReduceToColorTable(canvas.Pixels(), w, h);
}

TEST(ReduceToColorTable, mapsEveryPixelToTheNearestTableColour)
{
    IndexImage image = ReduceToColorTable({0xFFFFFF, 0x000000, 0x0000FE, 0x123456, 0xC0C0C0}, 5, 1);
    ASSERT_EQ(image.palette.size(), 16u);
    EXPECT_EQ(image.pixels, (std::vector<uint8_t>{15, 0, 9, 1, 8}));
}

TEST(EncodeBmp4, writesHeaderColourTableAndBottomUpRows)
{
    IndexImage image = NoiseImage(7, 3, 16, 1);
    image.palette.assign(std::begin(kColorTable), std::end(kColorTable));
    std::vector<uint8_t> b = EncodeBmp4(image);
    // 14 + 40 + 64 header bytes; rows of 7 pixels take 4 bytes.
    ASSERT_EQ(b.size(), 118u + 3 * 4);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[2], b.size() & 0xFF);
    EXPECT_EQ(b[10], 118);
    EXPECT_EQ(b[28], 4);
    EXPECT_EQ(b[46], 16);
    EXPECT_EQ(b[54 + 4 * 9 + 2], 0xFF);  // colour 9 is red: blue, green, red, 0
    IndexImage back;
    ASSERT_TRUE(test::DecodeBmp4(b, back));
    EXPECT_EQ(back.pixels, image.pixels);
}

TEST(EncodeGif87a, roundTripsThroughADecoder_includingTableResets)
{
    struct Row {
        int w, h, colors;
    };
    const Row rows[] = {{1, 1, 2}, {5, 3, 4}, {100, 1, 8}, {300, 300, 16}, {64, 64, 256}, {3, 2, 16}};
    for (const Row& r : rows) {
        IndexImage image = NoiseImage(r.w, r.h, r.colors, 7);
        std::vector<uint8_t> gif;
        std::string error;
        ASSERT_TRUE(EncodeGif87a(image, gif, error)) << error;
        IndexImage back;
        ASSERT_TRUE(test::DecodeGif(gif, back)) << r.w << "x" << r.h;
        EXPECT_EQ(back.width, r.w);
        EXPECT_EQ(back.palette.size(), static_cast<std::size_t>(r.colors));
        EXPECT_EQ(back.pixels, image.pixels) << r.w << "x" << r.h << " colours " << r.colors;
    }
}

TEST(EncodeGif87a, layoutOfASixteenColourPicture)
{
    IndexImage image = SampleImage("functions", 120, 90);
    std::vector<uint8_t> gif;
    std::string error;
    std::vector<int> reported;
    ASSERT_TRUE(EncodeGif87a(image, gif, error, [&](int p) { reported.push_back(p); }));
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF87a");
    EXPECT_EQ(gif[6] | gif[7] << 8, 120);
    EXPECT_EQ(gif[10], 0x80 | 3 << 4 | 3);
    EXPECT_EQ(gif[13 + 48], 0x2C);
    EXPECT_EQ(gif[13 + 48 + 10], 4);  // minimum code size of 16 colours
    EXPECT_EQ(gif.back(), 0x3B);
    EXPECT_EQ(reported.back(), 100);
}

TEST(EncodeGif87a, refusesPaletteSizesOtherThanPowersTheFormatAllows)
{
    for (int colors : {0, 3, 5, 17, 32}) {
        IndexImage image = NoiseImage(4, 4, std::max(colors, 1), 3);
        image.palette.resize(static_cast<std::size_t>(colors));
        std::vector<uint8_t> gif;
        std::string error;
        EXPECT_FALSE(EncodeGif87a(image, gif, error));
        EXPECT_EQ(error, "Number of colors must be 2, 4, 8, 16 or 256");
    }
}

TEST(PictureFormatOfFile, followsTheExtensionInAnyCase)
{
    struct Row {
        const char* name;
        PictureFileFormat format;
    };
    const Row rows[] = {{"a.bmp", PictureFileFormat::Bmp}, {"a.GIF", PictureFileFormat::Gif},
                        {"x/y.Png", PictureFileFormat::Png}, {"b.svg", PictureFileFormat::Svg},
                        {"c.pdf", PictureFileFormat::Pdf},   {"d.jpg", PictureFileFormat::Unknown},
                        {"e", PictureFileFormat::Unknown},    {"f.d/g", PictureFileFormat::Unknown}};
    for (const Row& r : rows) EXPECT_EQ(PictureFormatOfFile(r.name), r.format) << r.name;
}

struct RecordedProgress : PictureProgress {
    std::vector<std::string> texts;
    void Status(const std::string& text, int percent) override
    {
        texts.push_back(percent < 0 ? text : text + " " + std::to_string(percent) + "%");
    }
};

TEST(SavePicture, writesBmpAndGifOfTheSamePixels)
{
    auto doc = test::MakeSample("fields");
    test::RecordingPictureDevices devices;
    std::string dir = test::TempFolder("save");
    RecordedProgress progress;
    PictureRequest request{300, 200, 1};
    ASSERT_EQ(SavePicture(*doc, devices, dir + "/p.bmp", request, &progress), "");
    ASSERT_EQ(SavePicture(*doc, devices, dir + "/p.gif", request, &progress), "");
    IndexImage bmp, gif;
    ASSERT_TRUE(test::DecodeBmp4(test::ReadFileBytes(dir + "/p.bmp"), bmp));
    ASSERT_TRUE(test::DecodeGif(test::ReadFileBytes(dir + "/p.gif"), gif));
    EXPECT_EQ(bmp.width, 300);
    EXPECT_EQ(bmp.pixels, gif.pixels);
    EXPECT_EQ(progress.texts.front(), "Creating picture...");
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), "Saving GIF: 100%"), progress.texts.end());
    // Only the pictures are left in the folder: no temporary files.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
}

TEST(SavePicture, failuresLeaveExistingFilesAlone)
{
    auto doc = test::MakeSample("functions");
    test::RecordingPictureDevices devices;
    std::string dir = test::TempFolder("fail");
    const std::string target = dir + "/keep.bmp";
    test::WriteFileBytes(target, {1, 2, 3});
    EXPECT_EQ(SavePicture(*doc, devices, target + "/x.bmp", {200, 200, 1}), "File write error");
    devices.failRaster = true;
    EXPECT_EQ(SavePicture(*doc, devices, target, {200, 200, 1}), "Out of system resources");
    EXPECT_EQ(test::ReadFileBytes(target), (std::vector<uint8_t>{1, 2, 3}));
    devices.failRaster = false;
    ASSERT_EQ(SavePicture(*doc, devices, target, {200, 200, 1}), "");
    EXPECT_GT(test::ReadFileBytes(target).size(), 200u * 100u);
}

TEST(SavePicture, scaleFactorLeavesTheDocumentUnchanged)
{
    auto doc = test::MakeSample("styles");
    DocumentOptions options = doc->Options;
    ViewSettings view = doc->View;
    test::RecordingPictureDevices devices;
    std::vector<uint8_t> bytes;
    ASSERT_EQ(RenderPicture(*doc, devices, PictureFileFormat::Bmp, {400, 300, 3}, bytes), "");
    EXPECT_TRUE(SameBytes(options, doc->Options));
    EXPECT_TRUE(SameBytes(view, doc->View));
}

// Real decoders must read our files the same way: Python's imaging library
// and ImageMagick.
TEST(PictureFiles, decodeIdenticallyWithPilAndImageMagick)
{
    const char* python = "/usr/bin/python3";
    if (std::system((std::string(python) + " -c 'import PIL' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "skipped: /usr/bin/python3 with PIL (python3-pil) is not installed";
    std::string dir = test::TempFolder("pil");
    std::vector<IndexImage> images = {SampleImage("functions", 320, 240), SampleImage("shading", 301, 157),
                                      NoiseImage(333, 211, 16, 5)};
    for (std::size_t i = 0; i < images.size(); ++i) {
        images[i].palette.assign(std::begin(kColorTable), std::end(kColorTable));
        std::string base = dir + "/p" + std::to_string(i);
        std::vector<uint8_t> gif;
        std::string error;
        ASSERT_TRUE(EncodeGif87a(images[i], gif, error));
        test::WriteFileBytes(base + ".gif", gif);
        test::WriteFileBytes(base + ".bmp", EncodeBmp4(images[i]));
        test::WriteFileBytes(base + ".raw", images[i].pixels);
        std::string script =
            "from PIL import Image\n"
            "import sys\n"
            "b = Image.open(sys.argv[1] + '.bmp'); g = Image.open(sys.argv[1] + '.gif')\n"
            "assert b.mode == 'P' and g.mode == 'P', (b.mode, g.mode)\n"
            "raw = open(sys.argv[1] + '.raw', 'rb').read()\n"
            "assert b.tobytes() == raw, 'bmp indices'\n"
            "assert g.tobytes() == raw, 'gif indices'\n"
            "assert list(b.convert('RGB').getdata()) == list(g.convert('RGB').getdata()), 'colours'\n";
        test::WriteFileBytes(dir + "/check.py", std::vector<uint8_t>(script.begin(), script.end()));
        EXPECT_EQ(std::system((std::string(python) + " " + dir + "/check.py " + base).c_str()), 0) << base;
    }
    if (std::system("command -v identify >/dev/null 2>&1") != 0) {
        std::cout << "[  SKIPPED ] ImageMagick identify is not installed\n";
        return;
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (const char* ext : {".bmp", ".gif"}) {
            std::string file = dir + "/p" + std::to_string(i) + ext;
            EXPECT_EQ(std::system(("identify " + file + " >/dev/null").c_str()), 0) << file;
        }
}

}  // namespace
}  // namespace vg
