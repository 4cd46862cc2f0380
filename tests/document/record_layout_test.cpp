// The records against byte images built by hand from the file layout.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg {
namespace {

using Bytes = std::vector<uint8_t>;

// 80-bit encodings written out byte by byte (little-endian mantissa, then
// the sign and exponent word).
const std::array<uint8_t, 10> kOne = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
const std::array<uint8_t, 10> kTen = {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x02, 0x40};
const std::array<uint8_t, 10> kMinusTen = {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x02, 0xC0};
const std::array<uint8_t, 10> kMinusOne = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xBF};
const std::array<uint8_t, 10> kQuarter = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFD, 0x3F};
const std::array<uint8_t, 10> kPlusInfinity = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};

void PutExt(Bytes& b, std::size_t off, const std::array<uint8_t, 10>& e) { std::memcpy(&b[off], e.data(), 10); }
void PutI32(Bytes& b, std::size_t off, uint32_t v)
{
    for (int k = 0; k < 4; ++k) b[off + k] = static_cast<uint8_t>(v >> (8 * k));
}
void PutText(Bytes& b, std::size_t off, const std::string& s)
{
    b[off] = static_cast<uint8_t>(s.size());
    std::memcpy(&b[off + 1], s.data(), s.size());
}
void PutFont(Bytes& b, std::size_t off, const std::string& name, uint32_t size)
{
    PutI32(b, off, 0);
    PutI32(b, off + 4, size);
    PutText(b, off + 8, name);
}
void PutLine(Bytes& b, std::size_t off, uint8_t build, uint8_t interval, const std::array<uint8_t, 10>& min,
             const std::array<uint8_t, 10>& max, uint32_t steps)
{
    b[off] = build;
    b[off + 1] = interval;
    PutExt(b, off + 2, min);
    PutExt(b, off + 12, max);
    PutI32(b, off + 24, steps);
    PutI32(b, off + 28, 10000);
}

template <typename Record>
Bytes BytesOf(const Record& r)
{
    Bytes b(sizeof r);
    std::memcpy(b.data(), &r, sizeof r);
    return b;
}

// Reports the first differing offset, which names the broken field.
void ExpectSameBytes(const Bytes& expected, const Bytes& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(int(expected[i]), int(actual[i])) << "first difference at offset " << i;
}

Bytes HandBuiltDefaultOptions()
{
    Bytes b(1784, 0);
    PutExt(b, 0, kMinusTen);   // MinX
    PutExt(b, 10, kMinusTen);  // MinY
    PutExt(b, 20, kTen);       // MaxX
    PutExt(b, 30, kTen);       // MaxY
    PutExt(b, 40, kOne);       // CoeffX
    PutExt(b, 50, kOne);
    PutExt(b, 60, kTen);  // LogBaseX
    PutExt(b, 70, kTen);
    PutI32(b, 80, 200);
    PutI32(b, 84, 10000);
    b[88] = 1;
    b[89] = 1;  // PointsAlign
    PutExt(b, 94, kOne);   // HorStep
    PutExt(b, 104, kOne);  // VertStep
    b[116] = 15;           // BackColor
    PutI32(b, 120, 1);
    PutI32(b, 124, 1);
    PutExt(b, 130, kOne);  // RadialStep
    b[140] = 8;
    PutI32(b, 144, 1);
    PutExt(b, 150, kQuarter);  // AngularStep
    b[160] = 8;
    PutI32(b, 164, 1);
    for (std::size_t axis : {168u, 480u}) {
        b[axis] = b[axis + 1] = b[axis + 2] = 1;
        PutText(b, axis + 6, axis == 168 ? "X" : "Y");
        b[axis + 262] = 1;
        PutFont(b, axis + 264, "MS Sans Serif", 8);
        PutI32(b, axis + 308, 1);
    }
    for (std::size_t marks : {792u, 812u}) {
        b[marks] = b[marks + 1] = 1;
        PutExt(b, marks + 2, kOne);
        PutI32(b, marks + 16, 2);
    }
    for (std::size_t labels : {832u, 1148u}) {
        b[labels] = b[labels + 1] = b[labels + 2] = 1;
        PutExt(b, labels + 4, kOne);
        PutText(b, labels + 14, "");
        PutFont(b, labels + 272, "MS Sans Serif", 8);
    }
    b[1464] = 0;
    PutLine(b, 1468, 1, 1, kMinusTen, kTen, 100);  // XFromY
    PutLine(b, 1500, 1, 1, kMinusTen, kTen, 100);  // YFromX
    PutLine(b, 1532, 1, 0, kMinusOne, kOne, 100);  // Polar
    PutLine(b, 1564, 1, 0, kMinusTen, kTen, 100);  // Param
    b[1596] = 8;
    b[1600] = 1;  // Equation
    PutExt(b, 1602, kMinusTen);
    PutExt(b, 1612, kTen);
    PutExt(b, 1622, kMinusTen);
    PutExt(b, 1632, kTen);
    PutI32(b, 1644, 50);
    PutI32(b, 1648, 50);
    PutI32(b, 1652, 10000);
    b[1656] = b[1657] = 1;  // Integral
    PutExt(b, 1658, kMinusTen);
    PutExt(b, 1668, kTen);
    PutI32(b, 1700, 200);
    PutI32(b, 1704, 10000);
    b[1708] = 1;  // DifField
    PutExt(b, 1710, kMinusTen);
    PutExt(b, 1720, kTen);
    PutExt(b, 1730, kMinusTen);
    PutExt(b, 1740, kTen);
    PutI32(b, 1752, 15);
    PutI32(b, 1756, 15);
    PutI32(b, 1760, 25);
    b[1764] = 1;  // DefaultStyle: Lines, Visible, Points, Color, PointStyle
    b[1765] = 1;
    b[1767] = 2;
    b[1768] = 3;
    PutI32(b, 1772, 1);  // LineStyleWidth
    PutI32(b, 1776, 1);  // PointSize
    b[1780] = 1;         // BrushStyle
    return b;
}

TEST(RecordLayout, defaultDocumentOptions_matchHandBuiltImage)
{
    ExpectSameBytes(HandBuiltDefaultOptions(), BytesOf(DefaultDocumentOptions()));
}

TEST(RecordLayout, defaultViewSettings_matchHandBuiltImage)
{
    Bytes b(1228, 0);
    b[0] = 255;
    PutI32(b, 4, 121);
    for (std::size_t title : {8u, 312u, 616u, 920u}) PutFont(b, title + 256, "Times New Roman", 12);
    ExpectSameBytes(b, BytesOf(DefaultViewSettings()));
}

TEST(RecordLayout, functionGraph_matchesHandBuiltImage)
{
    GraphRecord r = NewGraphRecord(DefaultDocumentOptions());
    r.Formula.Assign("SIN(X)");
    r.Line.CommonBuild = 0;
    r.Line.Steps = 500;

    Bytes b(2028, 0);
    b[4] = 1;
    b[5] = 1;
    b[7] = 2;
    b[8] = 3;
    PutI32(b, 12, 1);
    PutI32(b, 16, 1);
    b[20] = 1;
    PutText(b, 24, "SIN(X)");
    PutLine(b, 280, 0, 1, kMinusTen, kTen, 500);
    ExpectSameBytes(b, BytesOf(r));
}

TEST(RecordLayout, kindParts_lieAtTheirOffsets)
{
    DocumentOptions d = DefaultDocumentOptions();
    GraphRecord r = NewGraphRecord(d);
    ApplyKindDefaults(r, GraphKind::Param, d);
    r.Formula.Assign("T");
    r.Param.Formula2.Assign("T^2");
    Bytes b = BytesOf(r);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[280], 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&b[281]), 3), "T^2");
    EXPECT_EQ(std::memcmp(&b[536 + 2], kMinusTen.data(), 10), 0);

    ApplyKindDefaults(r, GraphKind::Equation, d);
    r.Equation.Relation = EquationRelation::Greater;
    b = BytesOf(r);
    EXPECT_EQ(b[280], 2);
    EXPECT_EQ(std::memcmp(&b[286], kMinusTen.data(), 10), 0);  // MinX
    EXPECT_EQ(std::memcmp(&b[316], kTen.data(), 10), 0);       // MaxY
    EXPECT_EQ(b[328], 50);                                     // StepsX

    ApplyKindDefaults(r, GraphKind::DifField, d);
    r.DifField.Direction = FieldDirection::DxDy;
    b = BytesOf(r);
    EXPECT_EQ(b[280], 1);
    EXPECT_EQ(b[328], 15);  // SeriesX
    EXPECT_EQ(b[336], 25);  // LineLength
}

TEST(RecordLayout, newTable_hasEveryslotUnusedAndDefaultFlags)
{
    DocumentOptions d = DefaultDocumentOptions();
    d.DefaultKind = GraphKind::Table;
    GraphRecord r = NewGraphRecord(d);
    r.SetTablePoint(0, 1.0L, -1.0L);
    Bytes b = BytesOf(r);
    EXPECT_EQ(b[0], 6);
    EXPECT_EQ(std::memcmp(&b[24], kOne.data(), 10), 0);
    EXPECT_EQ(std::memcmp(&b[34], kMinusOne.data(), 10), 0);
    for (std::size_t off = 44; off < 2024; off += 10)
        ASSERT_EQ(std::memcmp(&b[off], kPlusInfinity.data(), 10), 0) << off;
    EXPECT_EQ(b[2024], 8);
}

TEST(RecordLayout, tableFlags_decodeAndClampForeignBits)
{
    struct Row {
        uint8_t value;
        TableSort sort;
        bool smoothing;
        TableQuality quality;
    };
    for (const Row& row : {Row{8, TableSort::ByX, false, TableQuality::Medium},
                           Row{2 + 4 + 16, TableSort::None, true, TableQuality::High},
                           Row{1, TableSort::ByY, false, TableQuality::Low},
                           Row{3 + 8 * 30, TableSort::None, false, TableQuality::High}}) {
        TableFlags f{row.value};
        EXPECT_EQ(f.Sort(), row.sort) << int(row.value);
        EXPECT_EQ(f.Smoothing(), row.smoothing) << int(row.value);
        EXPECT_EQ(f.Quality(), row.quality) << int(row.value);
    }
    EXPECT_EQ(TableFlags::Make(TableSort::ByY, true, TableQuality::High).Value, 1 + 4 + 16);
}

TEST(RecordLayout, foreignLengthsAndIndices_areClampedWhenUsed)
{
    FontSpec f = MakeFontSpec("Arial", 10);
    f.Name.length = 255;  // a file may claim more than the capacity
    EXPECT_EQ(f.Name.Str().size(), 32u);

    GraphRecord r{};
    r.Color = 200;
    r.LineStyleWidth = 7 * 16 + 9;
    r.PointSize = -5;
    r.PointStyle = 13;
    r.BrushStyle = 255;
    EXPECT_EQ(r.ColorIndex(), 200 % 16);
    EXPECT_EQ(r.LineStyleIndex(), 3);
    EXPECT_EQ(r.LineWidth(), 5);
    EXPECT_EQ(r.PointSizePixels(), 1);
    EXPECT_EQ(r.PointStyleIndex(), 5);
    EXPECT_EQ(r.BrushStyleIndex(), 255 % 7);
}

}  // namespace
}  // namespace vg
