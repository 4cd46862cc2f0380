#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/effective_params.h"
#include "document/graph_model.h"

namespace vg {
namespace {

GraphRecord Record(GraphKind kind, const std::string& formula = "", const std::string& formula2 = "")
{
    DocumentOptions d = DefaultDocumentOptions();
    GraphRecord r = NewGraphRecord(d);
    ApplyKindDefaults(r, kind, d);
    if (kind != GraphKind::Table) r.Formula.Assign(formula);
    if (kind == GraphKind::Param) r.Param.Formula2.Assign(formula2);
    return r;
}

TEST(GraphDescription, everyKind_isDescribedAsInTheLists)
{
    GraphRecord eq = Record(GraphKind::Equation, "X^2+Y^2-1");
    eq.Equation.Relation = EquationRelation::Less;
    GraphRecord field = Record(GraphKind::DifField, "X*Y");
    field.DifField.Direction = FieldDirection::DxDy;
    GraphRecord one = Record(GraphKind::Table);
    one.SetTablePoint(0, 1, 2);
    one.SetTablePoint(1, 3, kUndefined);  // half a point is no point
    GraphRecord three = one;
    three.SetTablePoint(1, 3, 4);
    three.SetTablePoint(7, 5, 6);

    struct Row {
        GraphRecord record;
        std::string expected;
    };
    for (const Row& row : {Row{Record(GraphKind::YFromX, "SIN(X)"), "Y(x)=SIN(X)"},
                           Row{Record(GraphKind::XFromY, "Y^2"), "X(y)=Y^2"},
                           Row{Record(GraphKind::Polar, "1+A"), "R(a)=1+A"},
                           Row{Record(GraphKind::Param, "COS(T)", "SIN(T)"), "X(t)=COS(T); Y(t)=SIN(T)"},
                           Row{eq, "X^2+Y^2-1<0"},
                           Row{Record(GraphKind::Equation, "X-Y"), "X-Y=0"},
                           Row{field, "dx/dy=X*Y"},
                           Row{Record(GraphKind::Table), "Table: 0 items"},
                           Row{one, "Table: 1 item"},
                           Row{three, "Table: 3 items"}}) {
        EXPECT_EQ(GraphDescription(row.record), row.expected);
    }
}

TEST(GraphDescription, tableWords_passThroughTranslation)
{
    auto translate = [](const std::string& s) { return s == "Table:" ? "Tabelle:" : s == "items" ? "Punkte" : s; };
    EXPECT_EQ(GraphDescription(Record(GraphKind::Table), translate), "Tabelle: 0 Punkte");
}

TEST(GraphModel, isEmpty_whenFormulaIsBlank)
{
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    struct Row {
        GraphRecord record;
        bool empty;
    };
    for (const Row& row : {Row{Record(GraphKind::YFromX, "  "), true}, Row{Record(GraphKind::YFromX, " x "), false},
                           Row{Record(GraphKind::Param, "T", " "), true}, Row{Record(GraphKind::Param, "T", "T"), false},
                           Row{Record(GraphKind::Table), false}, Row{Record(GraphKind::Equation, ""), true}}) {
        EXPECT_EQ(doc.AddGraph(row.record).IsEmpty(), row.empty) << GraphDescription(row.record);
    }
}

TEST(GraphModel, insertGraph_keepsListOrder)
{
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    doc.AddGraph(Record(GraphKind::YFromX, "1"));
    doc.AddGraph(Record(GraphKind::YFromX, "3"));
    doc.InsertGraph(Record(GraphKind::YFromX, "2"), 1);
    ASSERT_EQ(doc.GraphCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(doc.Graph(i).Record.Formula.Str(), std::to_string(i + 1));
    EXPECT_EQ(doc.IndexOf(doc.Graph(2)), 2);
    doc.ClearGraphs();
    EXPECT_EQ(doc.GraphCount(), 0);
}

TEST(GraphModel, newGraphColor_isTheLeastUsedWithTheDefaultWinningTies)
{
    struct Row {
        std::vector<int> colors;
        int background;
        int defaultColor;
        int expected;
    };
    std::vector<int> eachOnce;
    for (int c = 1; c <= 15; ++c) eachOnce.push_back(c);
    std::vector<int> eachOnceAndZero = eachOnce;
    eachOnceAndZero.push_back(0);
    for (const Row& row : {
             Row{{1, 1, 2, 3}, 15, 2, 4},  // the first colour no graph uses
             Row{eachOnce, 15, 2, 0},      // 0 comes after 15
             Row{{}, 15, 2, 2},            // the default wins the tie of all unused colours
             Row{{}, 1, 1, 2},             // the background is never chosen
             Row{{2}, 15, 2, 1},           // the default is used more than 1
             Row{eachOnceAndZero, 15, 2, 2},
             Row{eachOnceAndZero, 15, 15, 1},
             Row{{17}, 15, 1, 2},  // a foreign colour byte counts as its index modulo 16
         }) {
        DocumentOptions d = DefaultDocumentOptions();
        d.BackColor = static_cast<uint8_t>(row.background);
        d.DefaultStyle.Color = static_cast<uint8_t>(row.defaultColor);
        TGraphicsManager doc(DefaultViewSettings(), d);
        for (int c : row.colors) {
            GraphRecord r = Record(GraphKind::YFromX, "X");
            r.Color = static_cast<uint8_t>(c);
            doc.AddGraph(r);
        }
        EXPECT_EQ(ChooseNewGraphColor(doc, d), row.expected) << row.colors.size() << " graphs";
    }
}

TEST(GraphModel, valueViews_addressTheSameBlock)
{
    TFunction f(nullptr);
    f.Record = Record(GraphKind::Polar, "1");
    ASSERT_TRUE(f.AllocateValues(60));
    f.ValuesSize = 60;
    f.SetCell(2, 1, 2.5L);  // value 3 with rows of 2
    EXPECT_EQ(f.GetValue(3), 2.5L);
    f.SetWord(1, 0xBEEF);
    EXPECT_EQ(f.ValuesData()[0], 0xEF);
    EXPECT_EQ(f.ValuesData()[1], 0xBE);
}

TEST(EffectiveParams, ownIntervalAndSteps_combineWithTheDocument)
{
    DocumentOptions d = DefaultDocumentOptions();
    GraphRecord r = Record(GraphKind::YFromX, "X");
    r.Line.CommonInterval = 0;
    r.Line.Min = -20.0L;
    r.Line.Max = 5.0L;
    EXPECT_EQ(EffectiveMinX(r, d), -10.0L);
    EXPECT_EQ(EffectiveMaxX(r, d), 5.0L);
    EXPECT_EQ(EffectiveMinY(r, d), -10.0L);
    EXPECT_EQ(EffectiveSteps(r, d), 200);
    r.Line.CommonBuild = 0;
    EXPECT_EQ(EffectiveSteps(r, d), 100);
    EXPECT_EQ(EffectiveMaxGap(Record(GraphKind::Table), d), 1000000);

    GraphRecord integral = Record(GraphKind::YFromX);
    ApplyKindDefaults(integral, GraphKind::Integral, d);
    integral.Integral.Params.FirstX = 3.0L;
    integral.Integral.Params.FirstY = 50.0L;  // outside: the centre is used
    PlanePoint p = IntegralStartPoint(integral, d);
    EXPECT_EQ(p.X, 3.0L);
    EXPECT_EQ(p.Y, 0.0L);
}

TEST(GraphModel, computedData_staysOnlyForAppearanceChanges)
{
    DocumentOptions d = DefaultDocumentOptions();
    GraphRecord base = Record(GraphKind::YFromX, "sin(x)");
    auto changed = [&](auto edit) {
        GraphRecord r = base;
        edit(r);
        return ComputedDataCanStay(base, r, d);
    };
    EXPECT_TRUE(changed([](GraphRecord& r) { r.Color = 9; r.LineStyleWidth = 3; r.Visible = 0; }));
    EXPECT_TRUE(changed([](GraphRecord& r) { r.Formula.Assign("SIN( X )"); }));
    EXPECT_TRUE(changed([](GraphRecord& r) { r.Line.Steps = 7; }));  // not used with CommonBuild
    EXPECT_FALSE(changed([](GraphRecord& r) { r.Formula.Assign("COS(X)"); }));
    EXPECT_FALSE(changed([](GraphRecord& r) { r.Line.CommonBuild = 0; }));
    EXPECT_FALSE(changed([](GraphRecord& r) { r.Kind = GraphKind::XFromY; }));
    EXPECT_FALSE(changed([](GraphRecord& r) {
        r.Line.CommonInterval = 0;
        r.Line.Min = 0.0L;
    }));
}

}  // namespace
}  // namespace vg
