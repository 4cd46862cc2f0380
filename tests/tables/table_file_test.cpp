// Table text files: the two orientations with their field rules, the line
// ends and limits of the reader, the writer in both number forms and
// separators, round trips, and the file-level load and save.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "document/document_options.h"
#include "engine/number_text.h"
#include "support/readable_test_names.h"
#include "tables/table_file.h"

namespace vg {
namespace {

using Points = std::vector<std::pair<long double, long double>>;

Points PointsOf(const GraphRecord& record)
{
    Points points;
    for (int slot = 0; slot < kTableSlots; ++slot) {
        const TablePoint p = record.GetTablePoint(slot);
        if (IsDefined(p.X.Get()) && IsDefined(p.Y.Get())) points.push_back({p.X.Get(), p.Y.Get()});
    }
    return points;
}

Points Read(const std::string& text, TableFileOrientation orientation)
{
    std::istringstream in(text);
    TableLineReader lines(in);
    GraphRecord record = NewTableRecord(DefaultDocumentOptions());
    if (orientation == TableFileOrientation::Columns) ReadTableColumns(lines, record);
    else ReadTableRows(lines, record);
    return PointsOf(record);
}

struct ReadCase {
    const char* name;
    TableFileOrientation orientation;
    std::string text;
    Points expected;
};

constexpr auto kColumns = TableFileOrientation::Columns;
constexpr auto kRows = TableFileOrientation::Rows;

class TableFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TableFileRead, givesThePointsOfTheText)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(Read(c.text, c.orientation), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TableFileRead,
    ::testing::Values(
        ReadCase{"comma decimals, semicolon", kColumns, "1,5;2,25\r\n", {{1.5L, 2.25L}}},
        ReadCase{"single number line skipped", kColumns, "1,5\r\n3 4\r\n", {{3, 4}}},
        ReadCase{"third field ignored", kColumns, "3 4 5\r\n", {{3, 4}}},
        ReadCase{"tabs and blanks", kColumns, "\t 7\t\t-8  \r\n", {{7, -8}}},
        ReadCase{"heading skipped", kColumns, "X Y\r\n1 2\r\n", {{1, 2}}},
        ReadCase{"power forms", kColumns, "2*10^3 2*10^(-3)\n", {{2000, 0.002L}}},
        ReadCase{"E notation", kColumns, "2E3 1e-2\n", {{2000, 0.01L}}},
        ReadCase{"bad power exponent", kColumns, "2*10^E 1\n", {}},
        ReadCase{"beyond 1e100", kColumns, "1e101 1\n1e100 1\n", {{1e100L, 1}}},
        ReadCase{"nan inf hex are no numbers", kColumns, "nan 1\ninf 2\n0x1p3 3\n1 -inf\n4 5\n", {{4, 5}}},
        ReadCase{"rounded to the display", kColumns, "0.123456789 123456.789\n", {{0.1234568L, 123456.79L}}},
        ReadCase{"LF line ends", kColumns, "1 2\n3 4\n", {{1, 2}, {3, 4}}},
        ReadCase{"lone CR line ends", kColumns, "1 2\r3 4\r5 6", {{1, 2}, {3, 4}, {5, 6}}},
        ReadCase{"mixed line ends", kColumns, "1 2\r\n3 4\r5 6\n\n7 8", {{1, 2}, {3, 4}, {5, 6}, {7, 8}}},
        ReadCase{"rows with labels", kRows, "X: 1 2 3\r\nY: 4 5\r\n", {{1, 4}, {2, 5}}},
        ReadCase{"rows skip words between", kRows, "1 a 2;3\n4,5 b 6 c\n", {{1, 4.5L}, {2, 6}}},
        ReadCase{"rows need two lines", kRows, "1 2 3\n", {}},
        ReadCase{"rows lone CR", kRows, "1 2\r3 4\r", {{1, 3}, {2, 4}}},
        ReadCase{"rows ignore further lines", kRows, "1\n2\n3\n4\n", {{1, 2}}},
        ReadCase{"empty text", kColumns, "", {}}),
    [](const auto& info) { return test::ReadableTestName(info.index, info.param.name); });

TEST(TableFileReadLimits, columnsStopAtOneHundredPointsAndReadNoFurther)
{
    std::string text;
    for (int i = 1; i <= 150; ++i) text += std::to_string(i) + " " + std::to_string(2 * i) + "\r\n";
    std::istringstream in(text);
    TableLineReader lines(in);
    GraphRecord record = NewTableRecord(DefaultDocumentOptions());
    EXPECT_EQ(ReadTableColumns(lines, record), 100);
    EXPECT_EQ(PointsOf(record).back(), std::make_pair(100.0L, 200.0L));
    std::string next;
    ASSERT_TRUE(lines.Next(next));
    EXPECT_EQ(next, "101 202");
}

TEST(TableFileReadLimits, rowsStopAtOneHundredPoints)
{
    std::string xs, ys;
    for (int i = 0; i < 130; ++i) xs += std::to_string(i) + " ", ys += std::to_string(-i) + ";";
    EXPECT_EQ(Read(xs + "\n" + ys + "\n", kRows).size(), 100u);
}

TEST(TableFileReadLimits, anOverlongLineFailsTheRead)
{
    std::string text = "1 2\n" + std::string(kMaxTableLineLength + 1, '7') + "\n3 4\n";
    std::istringstream in(text);
    TableLineReader lines(in);
    GraphRecord record = NewTableRecord(DefaultDocumentOptions());
    EXPECT_EQ(ReadTableColumns(lines, record), 1);
    EXPECT_TRUE(lines.Failed());
}

TEST(TableFileRecord, newTableHasTheDefaultStyleAndNoPoints)
{
    DocumentOptions options = DefaultDocumentOptions();
    options.DefaultStyle.Color = 9;
    const GraphRecord record = NewTableRecord(options);
    EXPECT_EQ(record.Kind, GraphKind::Table);
    EXPECT_EQ(record.Color, 9);
    EXPECT_EQ(record.GetTableFlags().Value, options.DefaultTableFlags.Value);
    EXPECT_TRUE(PointsOf(record).empty());
}

GraphRecord TableOf(const Points& points)
{
    GraphRecord record = NewTableRecord(DefaultDocumentOptions());
    for (std::size_t k = 0; k < points.size(); ++k) record.SetTablePoint(static_cast<int>(k), points[k].first, points[k].second);
    return record;
}

TEST(TableFileWrite, numberFormsAndSeparators)
{
    const GraphRecord half = TableOf({{0.5L, 0.00015L}});
    EXPECT_EQ(TableFileText(half, TableNumberForm::Power, false), "0,5\t1,5*10^(-4)\r\n");
    EXPECT_EQ(TableFileText(half, TableNumberForm::Power, true), "0.5\t1.5*10^(-4)\r\n");
    EXPECT_EQ(TableFileText(half, TableNumberForm::Scientific, true),
              " 5.00000000000000E-0001\t 1.50000000000000E-0004\r\n");
    EXPECT_EQ(TableFileText(TableOf({{-2, 0}}), TableNumberForm::Scientific, false),
              "-2,00000000000000E+0000\t 0,00000000000000E+0000\r\n");
}

TEST(TableFileWrite, emptySlotsAndHalfPointsAreSkipped)
{
    GraphRecord record = TableOf({{1, 2}});
    record.SetTablePoint(3, 4, 5);
    record.SetTablePoint(5, 6, kUndefined);
    record.SetTablePoint(7, std::nanl(""), 1);
    EXPECT_EQ(TableFileText(record, TableNumberForm::Power, true), "1\t2\r\n4\t5\r\n");
    EXPECT_EQ(TableFileText(NewTableRecord(DefaultDocumentOptions()), TableNumberForm::Power, true), "");
}

// Written points read back as the same display-rounded values, in every
// form and with either separator.
TEST(TableFileRoundTrip, everyFormAndSeparatorReadsBackTheSamePoints)
{
    std::mt19937 random(15);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-40, 40);
    Points points;
    for (int k = 0; k < 100; ++k) {
        auto value = [&] { return RoundToDisplay(mantissa(random) * std::pow(10.0L, exponent(random))); };
        points.push_back({value(), value()});
    }
    points[0] = {0, -0.001L};
    points[1] = {1e100L, -1e-30L};
    const GraphRecord record = TableOf(points);
    for (TableNumberForm form : {TableNumberForm::Scientific, TableNumberForm::Power}) {
        for (bool decimalPoint : {true, false}) {
            const std::string text = TableFileText(record, form, decimalPoint);
            EXPECT_EQ(Read(text, kColumns), PointsOf(record)) << static_cast<int>(form) << decimalPoint;
        }
    }
}

TEST(TableFileRoundTrip, rowsTextOfTheSamePointsReadsBack)
{
    const Points points = {{1.5L, -2}, {3e-7L, 4e8L}, {0, 6.25L}};
    std::string xs = "X:", ys = "Y:";
    for (const auto& [x, y] : points) xs += " " + FormatNumber(x), ys += "\t" + FormatNumber(y);
    EXPECT_EQ(Read(xs + "\r\n" + ys + "\r\n", kRows), points);
}

class TableFileDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vg_table_fileXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    std::string folder_;
};

TEST_F(TableFileDisk, saveThenLoadGivesTheSamePoints)
{
    const GraphRecord record = TableOf({{1, 2}, {0.5L, -3e9L}});
    ASSERT_TRUE(SaveTableFile(Path("t.txt"), record, TableNumberForm::Scientific, false));
    GraphRecord loaded;
    ASSERT_TRUE(LoadTableFile(Path("t.txt"), TableFileOrientation::Columns, DefaultDocumentOptions(), loaded));
    EXPECT_EQ(PointsOf(loaded), PointsOf(record));
    std::ifstream in(Path("t.txt"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, TableFileText(record, TableNumberForm::Scientific, false));
}

TEST_F(TableFileDisk, missingFilesAndFoldersAreReadErrors)
{
    GraphRecord loaded = TableOf({{7, 7}});
    EXPECT_FALSE(LoadTableFile(Path("none.txt"), TableFileOrientation::Columns, DefaultDocumentOptions(), loaded));
    EXPECT_FALSE(LoadTableFile(folder_, TableFileOrientation::Rows, DefaultDocumentOptions(), loaded));
    EXPECT_EQ(PointsOf(loaded).size(), 1u) << "a failed load leaves the record alone";
}

TEST_F(TableFileDisk, aFileWithoutPointsStillLoads)
{
    std::ofstream(Path("words.txt")) << "no numbers here\n";
    GraphRecord loaded;
    ASSERT_TRUE(LoadTableFile(Path("words.txt"), TableFileOrientation::Columns, DefaultDocumentOptions(), loaded));
    EXPECT_EQ(loaded.Kind, GraphKind::Table);
    EXPECT_TRUE(PointsOf(loaded).empty());
}

TEST_F(TableFileDisk, aFailedSaveKeepsTheOldFile)
{
    std::ofstream(Path("old.txt")) << "1 2\n";
    EXPECT_FALSE(SaveTableFile(Path("missing/t.txt"), TableOf({{1, 2}}), TableNumberForm::Power, true));
    EXPECT_FALSE(SaveTableFile("", TableOf({{1, 2}}), TableNumberForm::Power, true));
    // A read-only folder refuses the temporary file: the old file stays whole.
    chmod(folder_.c_str(), 0500);
    const bool written = SaveTableFile(Path("old.txt"), TableOf({{5, 6}}), TableNumberForm::Power, true);
    chmod(folder_.c_str(), 0700);
    if (getuid() != 0) {
        EXPECT_FALSE(written);
    }
    GraphRecord loaded;
    ASSERT_TRUE(LoadTableFile(Path("old.txt"), TableFileOrientation::Columns, DefaultDocumentOptions(), loaded));
    EXPECT_EQ(PointsOf(loaded).size(), 1u);
}

TEST(TableFileName, proposedBesideTheDocumentOrInTheHomeFolder)
{
    EXPECT_EQ(DefaultTableFileName("/data/run.1/plot.vgr", true, "plot.vgr", "/home/u"), "/data/run.1/plot.txt");
    EXPECT_EQ(DefaultTableFileName("/data/run.1/plot", true, "plot", "/home/u"), "/data/run.1/plot.txt");
    EXPECT_EQ(DefaultTableFileName("Noname1.vgr", false, "Noname1.vgr", "/home/u"), "/home/u/Noname1.txt");
    EXPECT_EQ(DefaultTableFileName("", false, "Noname2.vgr", "/home/u/"), "/home/u/Noname2.txt");
}

}  // namespace
}  // namespace vg
