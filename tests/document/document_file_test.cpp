#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>

#include "document/document_file.h"
#include "document/graph_model.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

class DocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("vg_document_file_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    static GraphRecord Graph(GraphKind kind, const std::string& formula)
    {
        DocumentOptions d = DefaultDocumentOptions();
        GraphRecord r = NewGraphRecord(d);
        ApplyKindDefaults(r, kind, d);
        if (kind != GraphKind::Table) r.Formula.Assign(formula);
        return r;
    }
    static std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteAll(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Record(const void* p, std::size_t size)
    {
        std::string r(kFileRecordSize, '\0');
        std::memcpy(r.data(), p, size);
        return r;
    }
    static std::string Options() { DocumentOptions d = DefaultDocumentOptions(); return Record(&d, sizeof d); }
    static std::string View() { ViewSettings v = DefaultViewSettings(); return Record(&v, sizeof v); }
    static std::string GraphBytes(const GraphRecord& g) { return Record(&g, sizeof g); }

    fs::path dir;
};

TEST_F(DocumentFileTest, emptyDocument_isTwoRecords)
{
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    ASSERT_TRUE(WriteDocument(doc, Path("empty.vgr")));
    std::string bytes = ReadAll(Path("empty.vgr"));
    ASSERT_EQ(bytes.size(), 2 * kFileRecordSize);
    EXPECT_EQ(bytes, Options() + View());
}

TEST_F(DocumentFileTest, thirtyGraphs_roundTripByteForByte)
{
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    doc.View.TopTitle.Assign("Thirty");
    doc.View.TopTitleShow = 1;
    for (int i = 0; i < kMaxGraphs; ++i) {
        GraphKind kind = static_cast<GraphKind>(i % kOfferedKindCount);
        GraphRecord g = Graph(kind, kind == GraphKind::Equation || kind == GraphKind::DifField ? "X*Y" : "1");
        if (kind == GraphKind::Param) g.Param.Formula2.Assign("T");
        if (kind == GraphKind::XFromY) g.Formula.Assign("Y+" + std::to_string(i));
        if (kind == GraphKind::Table) g.SetTablePoint(0, i, 0.5L);
        doc.AddGraph(g);
    }
    ASSERT_TRUE(SaveDocumentAs(doc, Path("thirty.vgr")));
    EXPECT_TRUE(doc.Named);
    std::string written = ReadAll(Path("thirty.vgr"));
    ASSERT_EQ(written.size(), 32 * kFileRecordSize);

    DocumentFileCheck check = ValidateDocumentFile(Path("thirty.vgr"));
    ASSERT_TRUE(check.Valid);
    std::string message;
    auto loaded = OpenDocument(Path("thirty.vgr"), DefaultViewSettings(), DefaultDocumentOptions(), message);
    ASSERT_TRUE(loaded) << message;
    EXPECT_EQ(loaded->GraphCount(), kMaxGraphs);
    EXPECT_TRUE(loaded->Named);
    EXPECT_FALSE(loaded->Modified);
    EXPECT_EQ(loaded->View.TopTitle.Str(), "Thirty");
    EXPECT_EQ(DocumentFileBytes(*loaded), written);
}

TEST_F(DocumentFileTest, viewSettingsWithoutMarker_areStillWrittenAsTheViewRecord)
{
    // Program-wide view settings from a damaged options file may lack the
    // marker; the saved document must open again with its titles.
    ViewSettings view = DefaultViewSettings();
    view.Marker = 0;
    view.TopTitle.Assign("Kept");
    TGraphicsManager doc(view, DefaultDocumentOptions());
    doc.AddGraph(Graph(GraphKind::YFromX, "X"));
    ASSERT_TRUE(WriteDocument(doc, Path("marker.vgr")));
    EXPECT_EQ(uint8_t(ReadAll(Path("marker.vgr"))[kFileRecordSize]), kViewSettingsMarker);
    std::string message;
    auto loaded = OpenDocument(Path("marker.vgr"), DefaultViewSettings(), DefaultDocumentOptions(), message);
    ASSERT_TRUE(loaded) << message;
    EXPECT_EQ(loaded->GraphCount(), 1);
    EXPECT_EQ(loaded->View.TopTitle.Str(), "Kept");
}

TEST_F(DocumentFileTest, recordsBeyondTheThirtiethGraph_areNotRead)
{
    std::string bytes = Options() + View();
    for (int i = 0; i < 31; ++i) bytes += GraphBytes(Graph(GraphKind::YFromX, "X"));
    bytes += std::string(kFileRecordSize, '\x07');  // an Integral record past the limit
    EXPECT_TRUE(ValidateDocumentBytes(bytes).Valid);
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    ASSERT_TRUE(LoadDocumentBytes(doc, bytes));
    EXPECT_EQ(doc.GraphCount(), kMaxGraphs);
}

TEST_F(DocumentFileTest, fileWithoutViewSettings_getsTheDefaults)
{
    ViewSettings program = DefaultViewSettings();
    program.Boxed = 1;
    program.TopTitle.Assign("program-wide");
    WriteAll(Path("old.vgr"), Options() + GraphBytes(Graph(GraphKind::YFromX, "X^2")));
    std::string message;
    auto doc = OpenDocument(Path("old.vgr"), program, DefaultDocumentOptions(), message);
    ASSERT_TRUE(doc) << message;
    EXPECT_EQ(doc->GraphCount(), 1);
    EXPECT_TRUE(SameBytes(doc->View, DefaultViewSettings()));
    EXPECT_EQ(doc->View.Boxed, 0);
    EXPECT_EQ(doc->View.EqualScale, 0);
}

TEST_F(DocumentFileTest, brokenRecords_areRefusedAsIncorrectFormat)
{
    GraphRecord integral = Graph(GraphKind::YFromX, "X");
    ApplyKindDefaults(integral, GraphKind::Integral, DefaultDocumentOptions());
    GraphRecord noSteps = Graph(GraphKind::YFromX, "X");
    noSteps.Line.Steps = 0;
    GraphRecord coarse = Graph(GraphKind::Equation, "X+Y");
    coarse.Equation.Params.StepsX = 5;
    GraphRecord unbalanced = Graph(GraphKind::YFromX, "(X+1");
    GraphRecord huge = Graph(GraphKind::Table, "");
    huge.SetTablePoint(3, 1e101L, 0);
    GraphRecord wrongVariable = Graph(GraphKind::Polar, "X");
    DocumentOptions zeroCoeff = DefaultDocumentOptions();
    zeroCoeff.CoeffX = 0.0L;

    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"empty file", ""},
        {"shorter than a record", std::string(100, '\0')},
        {"kind 7", Options() + View() + GraphBytes(integral)},
        {"Steps 0", Options() + View() + GraphBytes(noSteps)},
        {"StepsX 5", Options() + View() + GraphBytes(coarse)},
        {"unbalanced formula", Options() + View() + GraphBytes(unbalanced)},
        {"1e101 in a table slot", Options() + View() + GraphBytes(huge)},
        {"polar formula of X", Options() + View() + GraphBytes(wrongVariable)},
        {"CoeffX 0", Record(&zeroCoeff, sizeof zeroCoeff) + View()},
    };
    for (const Row& row : rows) {
        WriteAll(Path("bad.vgr"), row.bytes);
        DocumentFileCheck check = ValidateDocumentFile(Path("bad.vgr"));
        EXPECT_FALSE(check.Valid) << row.name;
        EXPECT_TRUE(check.BadFormat) << row.name;
        std::string message;
        EXPECT_FALSE(OpenDocument(Path("bad.vgr"), DefaultViewSettings(), DefaultDocumentOptions(), message));
        EXPECT_EQ(message, "Incorrect format of the file") << row.name;
    }
}

TEST_F(DocumentFileTest, unusedTableSlots_areAccepted)
{
    GraphRecord table = Graph(GraphKind::Table, "");
    table.SetTablePoint(0, 1e100L, -1e100L);
    EXPECT_TRUE(ValidateDocumentBytes(Options() + View() + GraphBytes(table)).Valid);
}

TEST_F(DocumentFileTest, missingFile_isAnInputOutputError)
{
    DocumentFileCheck check = ValidateDocumentFile(Path("none.vgr"));
    EXPECT_FALSE(check.Valid);
    EXPECT_FALSE(check.BadFormat);
    EXPECT_STREQ(DocumentFileMessage(check), "Input-output error");
}

TEST_F(DocumentFileTest, loading_normalisesValuesAndIndices)
{
    DocumentOptions d = DefaultDocumentOptions();
    d.MinX = -3.123456789L;
    d.HorColor = 17;
    d.AxisXStyle = 6;
    d.HorWidth = 8;
    GraphRecord g = Graph(GraphKind::YFromX, "X");
    g.Line.Max = 7.000000004L;
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    ASSERT_TRUE(LoadDocumentBytes(doc, Record(&d, sizeof d) + GraphBytes(g)));
    EXPECT_EQ(doc.Options.MinX.Get(), -3.1234568L);
    EXPECT_EQ(doc.Options.HorColor, 1);
    EXPECT_EQ(doc.Options.AxisXStyle, 2);
    EXPECT_EQ(int32_t{doc.Options.HorWidth}, 2);
    EXPECT_EQ(doc.Graph(0).Record.Line.Max.Get(), 7.0L);
}

TEST_F(DocumentFileTest, changedFileAfterValidation_opensNothing)
{
    std::string bytes = Options() + View() + GraphBytes(Graph(GraphKind::YFromX, "X"));
    bytes[2 * kFileRecordSize] = 7;  // became an Integral record
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    doc.AddGraph(Graph(GraphKind::YFromX, "1"));
    EXPECT_FALSE(LoadDocumentBytes(doc, bytes));
    EXPECT_EQ(doc.GraphCount(), 1);  // untouched
}

TEST_F(DocumentFileTest, failedSave_keepsTheOldFile)
{
    TGraphicsManager small(DefaultViewSettings(), DefaultDocumentOptions());
    ASSERT_TRUE(SaveDocumentAs(small, Path("keep.vgr")));
    std::string before = ReadAll(Path("keep.vgr"));

    TGraphicsManager big(DefaultViewSettings(), DefaultDocumentOptions());
    for (int i = 0; i < 5; ++i) big.AddGraph(Graph(GraphKind::YFromX, "X"));
    big.Modified = true;
    // Writes beyond 3 records fail, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 3 * kFileRecordSize;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    bool saved = SaveDocumentAs(big, Path("keep.vgr"));
    ::setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(saved);
    EXPECT_FALSE(big.Named);
    EXPECT_TRUE(big.Modified);
    EXPECT_EQ(ReadAll(Path("keep.vgr")), before);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++files;
    EXPECT_EQ(files, 1);  // no temporary file left behind
}

}  // namespace
}  // namespace vg
