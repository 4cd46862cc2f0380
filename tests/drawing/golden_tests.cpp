// Pictures of the sample documents compared pixel by pixel with the stored
// ones in golden/. After an intended change of the drawing, regenerate them:
//   VG_UPDATE_GOLDEN=1 build-xyz/tests/drawing/drawing_tests --gtest_filter='Golden*'
// and look at the new files before committing them.

#include <gtest/gtest.h>

#include <cstdlib>

#include "document/graph_drawing.h"
#include "document/picture_writers.h"
#include "drawing/picture_test_support.h"
#include "drawing/sample_documents.h"

namespace vg {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 180;

IndexImage RenderSample(const std::string& name)
{
    auto doc = test::MakeSample(name);
    test::RecordingCanvas canvas(kWidth, kHeight);
    DrawDocument(*doc, canvas, {0, 0, kWidth, kHeight});
    return ReduceToColorTable(canvas.Pixels(), kWidth, kHeight);
}

std::string GoldenPath(const std::string& name)
{
    return std::string(VG_SOURCE_DIR) + "/tests/drawing/golden/" + name + ".bmp";
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, pictureMatchesTheStoredOne)
{
    const std::string name = GetParam();
    IndexImage actual = RenderSample(name);
    if (std::getenv("VG_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(test::WriteFileBytes(GoldenPath(name), EncodeBmp4(actual)));
        GTEST_SKIP() << "regenerated " << GoldenPath(name);
    }
    IndexImage expected;
    ASSERT_TRUE(test::DecodeBmp4(test::ReadFileBytes(GoldenPath(name)), expected))
        << "missing " << GoldenPath(name) << " (regenerate with VG_UPDATE_GOLDEN=1)";
    ASSERT_EQ(expected.width, kWidth);
    ASSERT_EQ(expected.height, kHeight);
    int differing = 0;
    for (std::size_t i = 0; i < actual.pixels.size(); ++i)
        if (actual.pixels[i] != expected.pixels[i]) ++differing;
    if (differing != 0) {
        std::string out = test::TempFolder("golden") + "/" + name + ".bmp";
        test::WriteFileBytes(out, EncodeBmp4(actual));
        ADD_FAILURE() << differing << " pixels differ; the new picture is " << out;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, Golden, ::testing::ValuesIn(test::SampleNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace vg
