#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include <sys/resource.h>

#include "document/document_file.h"
#include "document/graph_model.h"
#include "document/record_validity.h"

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
        // Cut-off files: a partial record is damage, not the end of the list.
        {"cut inside the view record", (Options() + View()).substr(0, 3000)},
        {"cut inside a graph record", (Options() + View() + GraphBytes(Graph(GraphKind::YFromX, "X"))).substr(0, 5000)},
        {"one byte short", (Options() + View() + GraphBytes(Graph(GraphKind::YFromX, "X"))).substr(0, 3 * kFileRecordSize - 1)},
        {"one byte more", Options() + View() + std::string(1, '\0')},
    };
    for (const Row& row : rows) {
        WriteAll(Path("bad.vgr"), row.bytes);
        DocumentFileCheck check = ValidateDocumentFile(Path("bad.vgr"));
        EXPECT_FALSE(check.Valid) << row.name;
        EXPECT_TRUE(check.BadFormat) << row.name;
        std::string message;
        EXPECT_FALSE(OpenDocument(Path("bad.vgr"), DefaultViewSettings(), DefaultDocumentOptions(), message));
        EXPECT_EQ(message, "Incorrect format of the file") << row.name;
        TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
        EXPECT_FALSE(LoadDocumentBytes(doc, row.bytes)) << row.name;
    }
}

TEST(RecordValidity, documentOptions_acceptTheEdgesOfEveryRangeAndNothingBeyond)
{
    using Change = void (*)(DocumentOptions&);
    struct Row {
        const char* name;
        Change change;
        bool valid;
    };
    const Row rows[] = {
        {"MinX -1e100", [](DocumentOptions& d) { d.MinX = -1e100L; }, true},
        {"MinX -2e100", [](DocumentOptions& d) { d.MinX = -2e100L; }, false},
        {"MinX NaN", [](DocumentOptions& d) { d.MinX = std::numeric_limits<long double>::quiet_NaN(); }, false},
        {"MaxX +inf", [](DocumentOptions& d) { d.MaxX = kUndefined; }, false},
        {"MinX = MaxX", [](DocumentOptions& d) { d.MinX = 10.0L; }, false},
        {"MinY > MaxY", [](DocumentOptions& d) { d.MinY = 11.0L; }, false},
        {"CoeffX -1e50", [](DocumentOptions& d) { d.CoeffX = -1e50L; }, true},
        {"CoeffY 2e50", [](DocumentOptions& d) { d.CoeffY = 2e50L; }, false},
        {"LogBaseX 1", [](DocumentOptions& d) { d.LogBaseX = 1.0L; }, false},
        {"LogBaseY 1000", [](DocumentOptions& d) { d.LogBaseY = 1000.0L; }, true},
        {"LogBaseY 1000.5", [](DocumentOptions& d) { d.LogBaseY = 1000.5L; }, false},
        {"LogX up to 10^100", [](DocumentOptions& d) { d.LogX = 1; d.MaxX = 100.0L; }, true},
        {"LogX beyond 10^100", [](DocumentOptions& d) { d.LogX = 1; d.MaxX = 101.0L; }, false},
        {"MaxX 101 without LogX", [](DocumentOptions& d) { d.MaxX = 101.0L; }, true},
        {"LogY beyond 10^100", [](DocumentOptions& d) { d.LogY = 1; d.LogBaseY = 1000.0L; d.MaxY = 34.0L; }, false},
        {"Steps 0", [](DocumentOptions& d) { d.Steps = 0; }, false},
        {"Steps 20000", [](DocumentOptions& d) { d.Steps = 20000; }, true},
        {"Steps 20001", [](DocumentOptions& d) { d.Steps = 20001; }, false},
        {"MaxGap 1000001", [](DocumentOptions& d) { d.MaxGap = 1000001; }, false},
        {"HorStep 0", [](DocumentOptions& d) { d.HorStep = 0.0L; }, false},
        {"RadialStep 2e100", [](DocumentOptions& d) { d.RadialStep = 2e100L; }, false},
        {"LabelsYStep -1e100", [](DocumentOptions& d) { d.LabelsYStep = -1e100L; }, true},
        {"AngularStep -2", [](DocumentOptions& d) { d.AngularStep = -2.0L; }, true},
        {"AngularStep 2.5", [](DocumentOptions& d) { d.AngularStep = 2.5L; }, false},
        {"LabelsXFont size 0", [](DocumentOptions& d) { d.LabelsXFont.Size = 0; }, false},
        {"AxisXNameFont size 0", [](DocumentOptions& d) { d.AxisXNameFont.Size = 0; }, false},
        {"AxisYNameFont size 0", [](DocumentOptions& d) { d.AxisYNameFont.Size = 0; }, true},
        {"default Polar Min = Max", [](DocumentOptions& d) { d.DefaultPolar.Max = -1.0L; }, false},
        {"default Equation StepsX 5", [](DocumentOptions& d) { d.DefaultEquation.StepsX = 5; }, false},
        {"default DifField LineLength 3", [](DocumentOptions& d) { d.DefaultDifField.LineLength = 3; }, false},
        {"default Integral Steps 0", [](DocumentOptions& d) { d.DefaultIntegral.Steps = 0; }, false},
    };
    for (const Row& row : rows) {
        DocumentOptions d = DefaultDocumentOptions();
        row.change(d);
        EXPECT_EQ(IsValidDocumentOptions(d), row.valid) << row.name;
    }
}

TEST(RecordValidity, graphRecords_followTheRulesOfTheirKind)
{
    struct Row {
        const char* name;
        GraphKind kind;
        void (*change)(GraphRecord&);
        bool valid;
    };
    const Row rows[] = {
        {"own interval unused but empty", GraphKind::YFromX, [](GraphRecord& g) { g.Line.Min = 10.0L; }, false},
        {"XFromY formula of Y", GraphKind::XFromY, [](GraphRecord& g) { g.Formula.Assign("Y^2"); }, true},
        {"XFromY formula of X", GraphKind::XFromY, [](GraphRecord& g) { g.Formula.Assign("X^2"); }, false},
        {"Param steps at 536", GraphKind::Param, [](GraphRecord& g) { g.Param.Line.Steps = 20001; }, false},
        {"Param Y(t) unbalanced", GraphKind::Param, [](GraphRecord& g) { g.Param.Formula2.Assign("T)"); }, false},
        {"Equation relation 3", GraphKind::Equation,
         [](GraphRecord& g) { g.Equation.Relation = static_cast<EquationRelation>(3); }, false},
        {"Equation StepsY 200", GraphKind::Equation, [](GraphRecord& g) { g.Equation.Params.StepsY = 200; }, true},
        {"Equation MaxGap 0", GraphKind::Equation, [](GraphRecord& g) { g.Equation.Params.MaxGap = 0; }, false},
        {"DifField direction 2", GraphKind::DifField,
         [](GraphRecord& g) { g.DifField.Direction = static_cast<FieldDirection>(2); }, false},
        {"DifField SeriesX 1", GraphKind::DifField, [](GraphRecord& g) { g.DifField.Params.SeriesX = 1; }, false},
        {"DifField LineLength 100", GraphKind::DifField, [](GraphRecord& g) { g.DifField.Params.LineLength = 100; },
         true},
        {"DifField MinY 2e100", GraphKind::DifField, [](GraphRecord& g) { g.DifField.Params.MinY = -2e100L; }, false},
        {"Table 1e100", GraphKind::Table, [](GraphRecord& g) { g.SetTablePoint(99, -1e100L, 1e100L); }, true},
        {"Table -inf", GraphKind::Table, [](GraphRecord& g) { g.SetTablePoint(0, -kUndefined, 1); }, false},
        {"kind 8", GraphKind::Table, [](GraphRecord& g) { g.Kind = static_cast<GraphKind>(8); }, false},
    };
    for (const Row& row : rows) {
        DocumentOptions d = DefaultDocumentOptions();
        GraphRecord g = NewGraphRecord(d);
        ApplyKindDefaults(g, row.kind, d);
        if (row.kind == GraphKind::Param) {
            g.Formula.Assign("T");
            g.Param.Formula2.Assign("T^2");
        } else if (row.kind != GraphKind::Table) {
            g.Formula.Assign(row.kind == GraphKind::Equation || row.kind == GraphKind::DifField ? "X*Y" : "");
        }
        EXPECT_TRUE(IsValidGraphRecord(g)) << row.name << " before the change";
        row.change(g);
        EXPECT_EQ(IsValidGraphRecord(g), row.valid) << row.name;
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
