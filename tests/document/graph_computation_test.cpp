#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "document/compute_frame.h"
#include "document/graph_computation.h"
#include "document/graph_model.h"

namespace vg {
namespace {

// Records the status texts and errors; answers Esc once a given graph's
// progress reaches a given percentage.
class FakeProgress : public ComputeProgress {
public:
    int escGraph = 0;
    std::vector<std::string> status;
    std::vector<std::string> errors;
    void ShowStatus(int panel, const std::string& text) override
    {
        if (panel == 0) status.push_back(text);
    }
    bool EscapePressed() override
    {
        return escGraph > 0 && status.back() == "Graph N " + std::to_string(escGraph) + ": 50%";
    }
    void ShowError(const std::string& message) override { errors.push_back(message); }
};

class ComputeTest : public ::testing::Test {
protected:
    ComputeTest() : doc(DefaultViewSettings(), DefaultDocumentOptions()) { doc.SetProgress(&progress); }

    TFunction& Add(GraphKind kind, const std::string& formula, const std::string& formula2 = "")
    {
        GraphRecord r = NewGraphRecord(doc.Options);
        ApplyKindDefaults(r, kind, doc.Options);
        if (kind != GraphKind::Table) r.Formula.Assign(formula);
        if (kind == GraphKind::Param) r.Param.Formula2.Assign(formula2);
        return doc.AddGraph(r);
    }
    bool Compute(TFunction& f) { return doc.ComputeGraph(f, doc.Options, doc.IndexOf(f)); }

    FakeProgress progress;
    TGraphicsManager doc;
};

TEST_F(ComputeTest, yFromX_storesOneValuePerStepAtExactPositions)
{
    TFunction& f = Add(GraphKind::YFromX, "X");
    ASSERT_TRUE(Compute(f));
    ASSERT_EQ(f.ValuesSize, 201u * 10);
    EXPECT_EQ(f.GetValue(1), -10.0L);
    EXPECT_EQ(f.GetValue(2), -9.9L);
    EXPECT_EQ(f.GetValue(101), 0.0L);
    EXPECT_EQ(f.GetValue(201), 10.0L);
    for (std::size_t k = 1; k <= 201; ++k) EXPECT_NEAR(double(f.GetValue(k)), -10.0 + 0.1 * (k - 1), 1e-12);
    EXPECT_FALSE(f.LastBeyond);
    EXPECT_EQ(progress.status.front(), "Graph N 1: 0%");
    EXPECT_EQ(progress.status.back(), "Ready");
}

TEST_F(ComputeTest, yFromX_reciprocalIsUndefinedAtZero)
{
    TFunction& f = Add(GraphKind::YFromX, "1/X");
    ASSERT_TRUE(Compute(f));
    EXPECT_TRUE(std::isinf(f.GetValue(101)));
    EXPECT_EQ(f.GetValue(111), 1.0L);
}

TEST_F(ComputeTest, pointsAlign_startsOnTheFirstMultipleOfTheStep)
{
    TFunction& f = Add(GraphKind::YFromX, "X");
    f.Record.Line.CommonInterval = 0;
    f.Record.Line.CommonBuild = 0;
    f.Record.Line.Min = 0.05L;
    f.Record.Line.Max = 5.05L;
    f.Record.Line.Steps = 50;
    ASSERT_TRUE(Compute(f));
    ASSERT_EQ(f.ValueCount(), 51u);
    EXPECT_EQ(f.GetValue(1), 0.1L);
    EXPECT_EQ(f.GetValue(50), 5.0L);
    EXPECT_TRUE(std::isinf(f.GetValue(51)));  // 5.1 lies past the end
    EXPECT_TRUE(f.LastBeyond);

    doc.Options.PointsAlign = 0;
    ASSERT_TRUE(Compute(f));
    EXPECT_EQ(f.GetValue(1), 0.05L);
    EXPECT_EQ(f.GetValue(51), 5.05L);
    EXPECT_FALSE(f.LastBeyond);
}

TEST_F(ComputeTest, noPoints_whenIntervalEmptyFormulaBlankOrUntranslatable)
{
    TFunction& outside = Add(GraphKind::YFromX, "X");
    outside.Record.Line.CommonInterval = 0;
    outside.Record.Line.Min = 20.0L;
    outside.Record.Line.Max = 30.0L;
    TFunction& blank = Add(GraphKind::YFromX, "   ");
    TFunction& broken = Add(GraphKind::YFromX, "SIN(X");
    for (TFunction* f : {&outside, &blank, &broken}) {
        EXPECT_TRUE(Compute(*f));
        EXPECT_EQ(f->ValuesSize, 0u);
        EXPECT_FALSE(f->HasValues());
    }
    EXPECT_TRUE(progress.errors.empty());
}

TEST_F(ComputeTest, xFromY_samplesAlongY)
{
    TFunction& f = Add(GraphKind::XFromY, "Y^2");
    doc.Options.MinY = 0.0L;
    doc.Options.MaxY = 2.0L;
    doc.Options.Steps = 4;
    ASSERT_TRUE(Compute(f));
    ASSERT_EQ(f.ValueCount(), 5u);
    EXPECT_EQ(f.GetValue(2), 0.25L);
    EXPECT_EQ(f.GetValue(5), 4.0L);
}

TEST_F(ComputeTest, logarithmicAxis_handsScaledValuesToTheFormula)
{
    TFunction& f = Add(GraphKind::YFromX, "X");
    doc.Options.LogX = 1;
    doc.Options.MinX = 0.0L;
    doc.Options.MaxX = 2.0L;
    doc.Options.Steps = 2;
    doc.Options.CoeffX = 3.0L;
    ASSERT_TRUE(Compute(f));
    EXPECT_EQ(f.GetValue(1), 3.0L);
    EXPECT_EQ(f.GetValue(2), 30.0L);
    EXPECT_EQ(f.GetValue(3), 300.0L);
}

TEST_F(ComputeTest, polarConstant_isTheUnitCircleClosingOnItself)
{
    TFunction& f = Add(GraphKind::Polar, "1");
    f.Record.Line.CommonBuild = 0;  // own 100 steps
    f.Record.Line.Min = 0.0L;
    f.Record.Line.Max = 2.0L;
    ASSERT_TRUE(Compute(f));
    ASSERT_EQ(f.ValuesSize, 101u * 20);
    for (std::size_t k = 1; k <= 101; ++k)
        EXPECT_NEAR(double(std::hypot(f.GetCell(k, 1), f.GetCell(k, 2))), 1.0, 1e-15);
    EXPECT_NEAR(double(f.GetCell(1, 1)), double(f.GetCell(101, 1)), 1e-15);
    EXPECT_NEAR(double(f.GetCell(1, 2)), double(f.GetCell(101, 2)), 1e-15);
    EXPECT_NEAR(double(f.GetCell(51, 1)), -1.0, 1e-15);
}

TEST_F(ComputeTest, param_keepsTheCoordinateWhoseFormulaSucceeded)
{
    TFunction& f = Add(GraphKind::Param, "T", "SQRT(T)");
    ASSERT_TRUE(Compute(f));  // -10 .. 10, 200 steps
    ASSERT_EQ(f.ValueCount(), 402u);
    EXPECT_EQ(f.GetCell(91, 1), -1.0L);
    EXPECT_TRUE(std::isinf(f.GetCell(91, 2)));
    EXPECT_EQ(f.GetCell(141, 1), 4.0L);
    EXPECT_EQ(f.GetCell(141, 2), 2.0L);
}

TEST_F(ComputeTest, slopeField_storesCellCentreSlopesRowByRow)
{
    TFunction& f = Add(GraphKind::DifField, "X*10+Y");
    f.Record.DifField.Params.SeriesX = 2;
    f.Record.DifField.Params.SeriesY = 4;
    ASSERT_TRUE(Compute(f));
    ASSERT_EQ(f.ValueCount(), 8u);
    // Centres: x = -5, 5; y = -7.5, -2.5, 2.5, 7.5.
    EXPECT_EQ(f.GetValue(1), -57.5L);
    EXPECT_EQ(f.GetValue(4), -42.5L);
    EXPECT_EQ(f.GetValue(5), 42.5L);
    EXPECT_EQ(f.GetCell(2, 4), 57.5L);
}

TEST_F(ComputeTest, inequality_marksInsideCellsAndRefinesTheRim)
{
    TFunction& f = Add(GraphKind::Equation, "X^2+Y^2-1");
    f.Record.Equation.Relation = EquationRelation::Less;
    f.Record.Equation.Params.CommonInterval = 0;
    for (Ext80* e : {&f.Record.Equation.Params.MinX, &f.Record.Equation.Params.MinY}) *e = -2.0L;
    for (Ext80* e : {&f.Record.Equation.Params.MaxX, &f.Record.Equation.Params.MaxY}) *e = 2.0L;
    f.Record.Equation.Params.StepsX = f.Record.Equation.Params.StepsY = 20;
    ASSERT_TRUE(Compute(f));
    ASSERT_EQ(f.ValuesSize, 400u * 2);
    auto word = [&](int i, int j) { return f.GetWord(static_cast<std::size_t>((i - 1) * 20 + j)); };
    EXPECT_EQ(word(10, 10), 65535);  // around the origin
    EXPECT_EQ(word(1, 1), 0);        // a far corner
    // Cell (15, 13) spans x 0.8 .. 1.0, y 0.4 .. 0.6: the rim passes through.
    uint16_t expected = 0;
    for (int a = 1; a <= 4; ++a)
        for (int b = 1; b <= 4; ++b) {
            double x = 0.8 + (a - 0.5) * 0.05, y = 0.4 + (b - 0.5) * 0.05;
            if (x * x + y * y - 1 < 0) expected |= static_cast<uint16_t>(1u << ((a - 1) * 4 + (b - 1)));
        }
    EXPECT_EQ(word(15, 13), expected);
    EXPECT_NE(expected, 0);
    EXPECT_NE(expected, 65535);
    int refined = 0;
    for (int i = 1; i <= 20; ++i)
        for (int j = 1; j <= 20; ++j) refined += word(i, j) != 0 && word(i, j) != 65535;
    EXPECT_GT(refined, 8);
}

TEST_F(ComputeTest, zeroCurve_segmentsJoinPointsOfTheCurve)
{
    TFunction& f = Add(GraphKind::Equation, "X^2+Y^2-4");
    f.Record.Equation.Params.StepsX = f.Record.Equation.Params.StepsY = 20;
    ASSERT_TRUE(Compute(f));
    ASSERT_GT(f.ValuesSize, 0u);
    ASSERT_EQ(f.ValuesSize % 40, 0u);
    std::size_t segments = f.ValuesSize / 40;
    EXPECT_GT(segments, 20u);
    for (std::size_t s = 1; s <= segments; ++s) {
        long double x1 = f.GetCell(s, 1), y1 = f.GetCell(s, 2), x2 = f.GetCell(s, 3), y2 = f.GetCell(s, 4);
        EXPECT_NEAR(double(std::hypot(x1, y1)), 2.0, 0.05);
        EXPECT_NEAR(double(std::hypot(x2, y2)), 2.0, 0.05);
        EXPECT_FALSE(x1 == x2 && y1 == y2);
        EXPECT_LE(double(std::hypot(x2 - x1, y2 - y1)), 1.0);  // within one grid cell or line
    }
}

TEST_F(ComputeTest, zeroCurve_withoutCrossingsHasNoPoints)
{
    TFunction& f = Add(GraphKind::Equation, "X^2+Y^2+1");
    ASSERT_TRUE(Compute(f));
    EXPECT_EQ(f.ValuesSize, 0u);
}

TEST_F(ComputeTest, table_sortsStablyAndBuildsTheSpline)
{
    TFunction& f = Add(GraphKind::Table, "");
    f.Record.SetTablePoint(0, 3, 4);
    f.Record.SetTablePoint(1, 1, 1);
    f.Record.SetTablePoint(2, 1, 2);
    f.Record.SetTablePoint(3, 2, 3);
    f.Record.SetTableFlags(TableFlags::Make(TableSort::ByX, true, TableQuality::Medium));
    ASSERT_TRUE(Compute(f));
    ASSERT_EQ(f.ValuesSize, kSmoothTableBytes);
    long double sorted[] = {1, 1, 1, 2, 2, 3, 3, 4};
    for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(f.GetValue(k + 1), sorted[k]) << k;
    EXPECT_TRUE(std::isinf(f.GetValue(9)));
    EXPECT_EQ(f.Record.GetTablePoint(0).X.Get(), 3.0L);  // the record keeps the user's order

    int32_t m;
    std::memcpy(&m, f.ValuesData() + kSplineCountOffset, 4);
    EXPECT_EQ(m, 3);  // (1, 1) is dropped: the next point has the same X
    auto eval = [&](std::size_t ab, std::size_t cd, int k, long double t) {
        long double a = f.GetValue(ab / 10 + 2 * k + 1), b = f.GetValue(ab / 10 + 2 * k + 2);
        long double c = f.GetValue(cd / 10 + 2 * k + 1), d = f.GetValue(cd / 10 + 2 * k + 2);
        return a + b * t + c * t * t + d * t * t * t;
    };
    // The splines pass through (1, 2), (2, 3), (3, 4) with t = X.
    EXPECT_NEAR(double(eval(kSplineYAB, kSplineYCD, 0, 1)), 2.0, 1e-15);
    EXPECT_NEAR(double(eval(kSplineYAB, kSplineYCD, 0, 2)), 3.0, 1e-15);
    EXPECT_NEAR(double(eval(kSplineYAB, kSplineYCD, 1, 3)), 4.0, 1e-15);
    EXPECT_NEAR(double(eval(kSplineXAB, kSplineXCD, 1, 2.5L)), 2.5, 1e-15);
}

// The stored cubics of a smoothed table, in the absolute parameter t.
struct StoredCubic {
    long double a, b, c, d;
    long double Value(long double t) const { return a + b * t + c * t * t + d * t * t * t; }
    long double Slope(long double t) const { return b + 2 * c * t + 3 * d * t * t; }
    long double Curvature(long double t) const { return 2 * c + 6 * d * t; }
};

StoredCubic CubicOf(const TFunction& f, std::size_t ab, std::size_t cd, int k)
{
    return {f.GetValue(ab / 10 + 2 * k + 1), f.GetValue(ab / 10 + 2 * k + 2), f.GetValue(cd / 10 + 2 * k + 1),
            f.GetValue(cd / 10 + 2 * k + 2)};
}

TEST_F(ComputeTest, tableSpline_isNaturalAndSmoothAtEveryKnot)
{
    // Zig-zag points: second derivatives -30/7, 36/7, -30/7 at the inner knots.
    const long double ys[] = {0, 1, 0, 1, 0};
    const long double curvature[] = {0, -30.0L / 7, 36.0L / 7, -30.0L / 7, 0};
    TFunction& f = Add(GraphKind::Table, "");
    for (int k = 0; k < 5; ++k) f.Record.SetTablePoint(4 - k, k, ys[k]);  // entered backwards
    f.Record.SetTableFlags(TableFlags::Make(TableSort::ByX, true, TableQuality::High));
    ASSERT_TRUE(Compute(f));
    int32_t m;
    std::memcpy(&m, f.ValuesData() + kSplineCountOffset, 4);
    ASSERT_EQ(m, 5);
    for (int k = 0; k < 4; ++k) {
        StoredCubic y = CubicOf(f, kSplineYAB, kSplineYCD, k), x = CubicOf(f, kSplineXAB, kSplineXCD, k);
        for (int end = 0; end <= 1; ++end) {
            const long double t = k + end;
            EXPECT_NEAR(double(y.Value(t)), double(ys[k + end]), 1e-15) << k;
            EXPECT_NEAR(double(y.Curvature(t)), double(curvature[k + end]), 1e-14) << k;
            EXPECT_NEAR(double(x.Value(t)), double(t), 1e-15) << k;  // X(t) = t when sorted by X
        }
        if (k > 0) {
            StoredCubic before = CubicOf(f, kSplineYAB, kSplineYCD, k - 1);
            EXPECT_NEAR(double(before.Slope(k)), double(y.Slope(k)), 1e-14) << k;
        }
    }
}

TEST_F(ComputeTest, tableSpline_withoutSortingRunsAlongTheChordLength)
{
    TFunction& f = Add(GraphKind::Table, "");
    f.Record.SetTablePoint(0, 0, 0);
    f.Record.SetTablePoint(1, 3, 4);  // 5 from the first point
    f.Record.SetTablePoint(2, 3, 0);  // 4 further
    f.Record.SetTableFlags(TableFlags::Make(TableSort::None, true, TableQuality::Medium));
    ASSERT_TRUE(Compute(f));
    StoredCubic x0 = CubicOf(f, kSplineXAB, kSplineXCD, 0), y0 = CubicOf(f, kSplineYAB, kSplineYCD, 0);
    StoredCubic x1 = CubicOf(f, kSplineXAB, kSplineXCD, 1), y1 = CubicOf(f, kSplineYAB, kSplineYCD, 1);
    EXPECT_NEAR(double(x0.Value(0)), 0, 1e-15);
    EXPECT_NEAR(double(y0.Value(5)), 4, 1e-15);
    EXPECT_NEAR(double(x1.Value(5)), 3, 1e-15);
    EXPECT_NEAR(double(x1.Value(9)), 3, 1e-15);
    EXPECT_NEAR(double(y1.Value(9)), 0, 1e-15);
}

TEST_F(ComputeTest, table_withTwoPointsStoresNoSpline)
{
    TFunction& f = Add(GraphKind::Table, "");
    f.Record.SetTablePoint(0, 1, 1);
    f.Record.SetTablePoint(5, 2, 2);
    f.Record.SetTableFlags(TableFlags::Make(TableSort::None, true, TableQuality::Low));
    ASSERT_TRUE(Compute(f));
    int32_t m;
    std::memcpy(&m, f.ValuesData() + kSplineCountOffset, 4);
    EXPECT_EQ(m, 2);
    EXPECT_EQ(f.GetValue(11), 2.0L);  // unsorted: slot 6 stays slot 6

    f.Record.SetTableFlags(TableFlags{kDefaultTableFlags});
    ASSERT_TRUE(Compute(f));
    EXPECT_EQ(f.ValuesSize, kTableSlotsBytes);
    EXPECT_EQ(f.GetValue(3), 2.0L);
}

TEST_F(ComputeTest, integral_hasNoPoints)
{
    TFunction& f = Add(GraphKind::YFromX, "X");
    ApplyKindDefaults(f.Record, GraphKind::Integral, doc.Options);
    f.Record.Formula.Assign("X");
    EXPECT_TRUE(Compute(f));
    EXPECT_EQ(f.ValuesSize, 0u);
}

TEST_F(ComputeTest, escDuringSecondGraph_leavesSecondAndThirdWithoutPoints)
{
    Add(GraphKind::YFromX, "X");
    Add(GraphKind::YFromX, "X^2");
    Add(GraphKind::YFromX, "X^3");
    progress.escGraph = 2;
    doc.ComputeAllGraphs();
    EXPECT_GT(doc.Graph(0).ValuesSize, 0u);
    EXPECT_EQ(doc.Graph(1).ValuesSize, 0u);
    EXPECT_EQ(doc.Graph(2).ValuesSize, 0u);
    EXPECT_FALSE(doc.ContinueCalculation);
    EXPECT_FALSE(doc.Calculating);
    EXPECT_EQ(progress.status.back(), "Ready");
}

TEST_F(ComputeTest, memoryFailure_reportsAndContinues)
{
    TFunction& f = Add(GraphKind::YFromX, "X");
    SetValuesAllocationLimit(100);
    bool result = Compute(f);
    SetValuesAllocationLimit(std::size_t(1) << 31);
    EXPECT_TRUE(result);
    EXPECT_EQ(f.ValuesSize, 0u);
    ASSERT_EQ(progress.errors.size(), 1u);
    EXPECT_EQ(progress.errors[0], "Not enough memory");
}

TEST(NeedsRecompute, optionChanges_staleOnlyTheGraphsTheyFeed)
{
    DocumentOptions base = DefaultDocumentOptions();
    auto kindRecord = [&](GraphKind kind) {
        GraphRecord r = NewGraphRecord(base);
        ApplyKindDefaults(r, kind, base);
        return r;
    };
    struct Row {
        const char* name;
        void (*edit)(DocumentOptions&);
        bool yFromX, xFromY, polar, equation, table;
    };
    const Row rows[] = {
        {"PointsAlign", [](DocumentOptions& d) { d.PointsAlign = 0; }, true, true, true, true, true},
        {"MinX", [](DocumentOptions& d) { d.MinX = -5.0L; }, true, false, false, true, false},
        {"MaxY", [](DocumentOptions& d) { d.MaxY = 5.0L; }, false, true, false, true, false},
        {"Steps", [](DocumentOptions& d) { d.Steps = 50; }, true, true, true, false, false},
        {"CoeffY", [](DocumentOptions& d) { d.CoeffY = 2.0L; }, false, true, false, true, false},
        {"LogBaseX unused", [](DocumentOptions& d) { d.LogBaseX = 2.0L; }, false, false, false, false, false},
        {"LogX", [](DocumentOptions& d) { d.LogX = 1; }, true, false, false, true, false},
        {"BackColor", [](DocumentOptions& d) { d.BackColor = 3; }, false, false, false, false, false},
    };
    for (const Row& row : rows) {
        DocumentOptions changed = base;
        row.edit(changed);
        TFunction f(nullptr);
        for (auto [kind, expected] : {std::pair{GraphKind::YFromX, row.yFromX}, std::pair{GraphKind::XFromY, row.xFromY},
                                      std::pair{GraphKind::Polar, row.polar},
                                      std::pair{GraphKind::Equation, row.equation},
                                      std::pair{GraphKind::Table, row.table}}) {
            f.Record = kindRecord(kind);
            EXPECT_EQ(NeedsRecompute(f, base, changed), expected) << row.name << " kind " << int(kind);
        }
    }
}

}  // namespace
}  // namespace vg
