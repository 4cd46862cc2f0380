// The graph properties dialog's model: record to controls and back for every
// kind, the OK checks in their order with their messages and fields, the
// change of kind, and the defaults mode.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/graph_props_model.h"
#include "document/graph_model.h"
#include "graphs_test_support.h"

namespace vg {
namespace {

using graphs_test::RecordOf;
using F = GraphPropsField;
using P = GraphPropsPage;

const GraphKind kAllKinds[] = {GraphKind::YFromX,   GraphKind::XFromY,   GraphKind::Polar, GraphKind::Param,
                               GraphKind::Equation, GraphKind::DifField, GraphKind::Table, GraphKind::Integral};

// A record whose every field differs from the defaults, with bytes a file
// may hold: out-of-range appearance and numbers with more digits than shown.
GraphRecord UnusualRecord(GraphKind kind)
{
    const char* formula = kind == GraphKind::Param      ? "cos(t);sin(t)"
                          : kind == GraphKind::YFromX   ? "x+1"
                          : kind == GraphKind::XFromY   ? "y+1"
                          : kind == GraphKind::Polar    ? "a/2"
                          : kind == GraphKind::Integral ? "y+1"
                                                        : "x*y+1";
    GraphRecord r = RecordOf(kind, formula);
    r.Color = 20;            // clamped to 4 in the list
    r.PointSize = 40;        // beyond the list
    r.LineStyleWidth = 0x7F; // style 7, width 15
    r.BrushStyle = 9;
    r.PointStyle = 11;
    const long double precise = -3.14159265358979L;
    switch (kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar: r.Line.Min = precise; r.Line.CommonInterval = 0; r.Line.Steps = 77; break;
    case GraphKind::Param: r.Param.Line.Max = 12.3456789012L; r.Param.Line.CommonBuild = 0; break;
    case GraphKind::Equation:
        r.Equation.Relation = EquationRelation::Greater;
        r.Equation.Params.MinY = precise;
        r.Equation.Params.StepsY = 33;
        break;
    case GraphKind::DifField:
        r.DifField.Direction = FieldDirection::DxDy;
        r.DifField.Params.LineLength = 7;
        r.DifField.Params.MaxX = 1.0L / 3;
        break;
    case GraphKind::Integral:
        r.Integral.Direction = FieldDirection::DxDy;
        r.Integral.Params.FirstY = precise;
        break;
    case GraphKind::Table:
        r.SetTablePoint(0, 1.5L, -2);
        r.SetTablePoint(1, 1.0L / 7, kUndefined);  // half-empty slot, more digits than shown
        r.SetTablePoint(99, 1e50L, 3);
        r.SetTableFlags(TableFlags{0x15});  // sort by Y, smoothing, quality 2
        break;
    }
    return r;
}

TEST(GraphPropsRoundTrip, unchangedControls_keepEveryByteOfEveryKind)
{
    for (GraphKind kind : kAllKinds) {
        const GraphRecord original = UnusualRecord(kind);
        TGraphPropsModel model(original);
        const GraphPropsValues values = model.Values();
        ASSERT_FALSE(model.Accept(values).has_value()) << int(kind);
        EXPECT_TRUE(SameBytes(model.Record(), original)) << "kind " << int(kind);
    }
}

TEST(GraphPropsRoundTrip, controlsShowTheRecordByKind)
{
    {
        GraphRecord r = RecordOf(GraphKind::XFromY, "y^2");
        r.Line.CommonInterval = 0;
        r.Line.CommonBuild = 1;
        r.Line.Min = -2.5L;
        r.Line.MaxGap = 150;
        const GraphPropsValues v = TGraphPropsModel(r).Values();
        EXPECT_EQ(v.KindIndex, 1);
        EXPECT_EQ(v.Formula, "y^2");
        EXPECT_TRUE(v.OwnInterval);
        EXPECT_FALSE(v.OwnBuild);
        EXPECT_EQ(v.Min, "-2.5");
        EXPECT_EQ(v.MaxGap, "150");
    }
    {
        const GraphPropsValues v = TGraphPropsModel(UnusualRecord(GraphKind::Equation)).Values();
        EXPECT_EQ(v.RelationIndex, 2);
        EXPECT_EQ(v.StepsY, "33");
        EXPECT_EQ(v.MinY, "-3.1415927");
        EXPECT_EQ(v.BrushIndex, 2);  // 9 clamped into 7 styles
        EXPECT_EQ(v.ColorIndex, 4);
        EXPECT_EQ(v.LineWidthIndex, 4);
        EXPECT_EQ(v.LineStyleIndex, 3);
        EXPECT_EQ(v.PointSizeIndex, 5);
        EXPECT_EQ(v.PointStyleIndex, 3);
    }
    {
        const GraphPropsValues v = TGraphPropsModel(UnusualRecord(GraphKind::DifField)).Values();
        EXPECT_EQ(v.DirectionIndex, 1);
        EXPECT_EQ(v.LineLength, "7");  // the record's own value, not the spin box's start value
    }
    {
        const GraphPropsValues v = TGraphPropsModel(UnusualRecord(GraphKind::Table)).Values();
        ASSERT_EQ(v.Cells.size(), 200u);
        EXPECT_EQ(v.Cell(0, 0), "1.5");
        EXPECT_EQ(v.Cell(0, 1), "-2");
        EXPECT_EQ(v.Cell(1, 1), "");
        EXPECT_EQ(v.Cell(2, 0), "");
        EXPECT_EQ(v.Cell(99, 0), "1*10^50");
        EXPECT_EQ(v.SortIndex, 2);
        EXPECT_TRUE(v.Smoothing);
        EXPECT_EQ(v.QualityIndex, 2);
    }
    {
        const GraphPropsValues v = TGraphPropsModel(UnusualRecord(GraphKind::Integral)).Values();
        EXPECT_EQ(v.KindIndex, -1);  // not offered by the kind list
        EXPECT_EQ(v.DirectionIndex, 1);
    }
}

TEST(GraphPropsRoundTrip, editedControlsReachTheirFieldsByKind)
{
    struct Case {
        GraphKind kind;
        std::function<void(GraphPropsValues&)> edit;
        std::function<void(const GraphRecord&)> expect;
    };
    const std::vector<Case> cases = {
        {GraphKind::YFromX,
         [](GraphPropsValues& v) {
             v.Formula = "sin(x)";
             v.OwnInterval = true;
             v.Min = "1*10^(-3)";
             v.Max = " 4 ";
             v.OwnBuild = true;
             v.Steps = " 300";
         },
         [](const GraphRecord& r) {
             EXPECT_EQ(r.Formula.Str(), "sin(x)");
             EXPECT_EQ(r.Line.CommonInterval, 0);
             EXPECT_EQ(r.Line.CommonBuild, 0);
             EXPECT_EQ(r.Line.Min.Get(), 0.001L);
             EXPECT_EQ(r.Line.Max.Get(), 4.0L);
             EXPECT_EQ(r.Line.Steps, 300);
         }},
        {GraphKind::Param,
         [](GraphPropsValues& v) {
             v.Formula = "cos(t)";
             v.Formula2 = "sin(3*t)";
             v.Max = "6.5";
         },
         [](const GraphRecord& r) {
             EXPECT_EQ(GraphDescription(r), "X(t)=cos(t); Y(t)=sin(3*t)");
             EXPECT_EQ(r.Param.Line.Max.Get(), 6.5L);
         }},
        {GraphKind::Equation,
         [](GraphPropsValues& v) {
             v.Formula = "x^2+y^2-1";
             v.RelationIndex = 1;
             v.OwnInterval = true;
             v.StepsX = "10";
             v.StepsY = "200";
             v.MaxGap = "1000000";
         },
         [](const GraphRecord& r) {
             EXPECT_EQ(r.Equation.Relation, EquationRelation::Less);
             EXPECT_EQ(r.Equation.Params.CommonInterval, 0);
             EXPECT_EQ(r.Equation.Params.StepsX, 10);
             EXPECT_EQ(r.Equation.Params.StepsY, 200);
             EXPECT_EQ(r.Equation.Params.MaxGap, 1000000);
         }},
        {GraphKind::DifField,
         [](GraphPropsValues& v) {
             v.DirectionIndex = 1;
             v.StepsX = "2";
             v.StepsY = "100";
             v.LineLength = "4";
             v.MinY = "-1.5";
         },
         [](const GraphRecord& r) {
             EXPECT_EQ(r.DifField.Direction, FieldDirection::DxDy);
             EXPECT_EQ(r.DifField.Params.SeriesX, 2);
             EXPECT_EQ(r.DifField.Params.SeriesY, 100);
             EXPECT_EQ(r.DifField.Params.LineLength, 4);
             EXPECT_EQ(r.DifField.Params.MinY.Get(), -1.5L);
         }},
        {GraphKind::Integral,
         [](GraphPropsValues& v) {
             v.Formula = "x";
             v.FirstX = "1";
             v.FirstY = "-2";
             v.OwnBuild = true;
         },
         [](const GraphRecord& r) {
             EXPECT_EQ(r.Integral.Params.FirstX.Get(), 1.0L);
             EXPECT_EQ(r.Integral.Params.FirstY.Get(), -2.0L);
             EXPECT_EQ(r.Integral.Params.CommonBuild, 0);
         }},
        {GraphKind::Table,
         [](GraphPropsValues& v) {
             v.Cell(0, 0) = "2E3";  // read as table cells are
             v.Cell(0, 1) = "1*10^2";
             v.Cell(2, 0) = "5";    // half-empty slot
             v.Cell(3, 1) = "   ";  // blank
             v.SortIndex = 0;
             v.Smoothing = true;
             v.QualityIndex = 0;
         },
         [](const GraphRecord& r) {
             EXPECT_EQ(r.GetTablePoint(0).X.Get(), 2000.0L);
             EXPECT_EQ(r.GetTablePoint(0).Y.Get(), 100.0L);
             EXPECT_EQ(r.GetTablePoint(2).X.Get(), 5.0L);
             EXPECT_TRUE(std::isinf(r.GetTablePoint(2).Y.Get()));
             EXPECT_TRUE(std::isinf(r.GetTablePoint(3).Y.Get()));
             EXPECT_EQ(r.GetTableFlags().Value, 2 + 4 + 0);
             EXPECT_EQ(GraphDescription(r), "Table: 1 item");
         }},
    };
    for (const Case& c : cases) {
        TGraphPropsModel model(RecordOf(c.kind));
        GraphPropsValues values = model.Values();
        c.edit(values);
        ASSERT_FALSE(model.Accept(values).has_value()) << int(c.kind);
        c.expect(model.Record());
    }
}

TEST(GraphPropsRoundTrip, appearanceIndicesWriteTheRecordLayout)
{
    GraphRecord r = UnusualRecord(GraphKind::YFromX);
    TGraphPropsModel model(r);
    GraphPropsValues v = model.Values();
    v.LineWidthIndex = 2;  // style stays 3
    v.PointSizeIndex = 1;
    v.ColorIndex = -1;  // no change: the raw byte stays
    v.Lines = false;
    ASSERT_FALSE(model.Accept(v).has_value());
    EXPECT_EQ(model.Record().LineStyleWidth, 3 * 16 + 3);
    EXPECT_EQ(model.Record().PointSize, 3);
    EXPECT_EQ(model.Record().Color, 20);
    EXPECT_EQ(model.Record().BrushStyle, 9);
    EXPECT_EQ(model.Record().Lines, 0);
}

// ------------------------------------------------------------ checks

struct FailureCase {
    const char* name;
    GraphKind kind;
    std::function<void(GraphPropsValues&)> edit;
    std::string message;
    std::vector<std::string> arguments;
    P page;
    F field;
};

const std::vector<std::string> kNumberArgs = {"-1*10^100", "1*10^100"};
const char* kNumber = "This value must be a number\rfrom %s up to %s";
const char* kNatural = "This value must be a natural\rnumber up to %s";
const char* kInteger = "This value must be an integer\rfrom %s up to %s";
const char* kOrder = "Maximum of %s must be more\rthan minimum of %s";

TEST(GraphPropsChecks, eachFailure_namesItsMessagePageAndField)
{
    const std::vector<FailureCase> cases = {
        {"unticked interval still checked", GraphKind::YFromX,
         [](GraphPropsValues& v) { v.OwnInterval = false; v.Min = "abc"; }, kNumber, kNumberArgs, P::OtherProperties,
         F::Min},
        {"beyond 1e100", GraphKind::YFromX, [](GraphPropsValues& v) { v.Max = "1*10^101"; }, kNumber, kNumberArgs,
         P::OtherProperties, F::Max},
        {"E notation is no typed number", GraphKind::YFromX, [](GraphPropsValues& v) { v.Max = "1E3"; }, kNumber,
         kNumberArgs, P::OtherProperties, F::Max},
        {"max equals min, X", GraphKind::YFromX, [](GraphPropsValues& v) { v.Min = "5"; v.Max = "5"; }, kOrder,
         {"X", "X"}, P::OtherProperties, F::Max},
        {"order names Y", GraphKind::XFromY, [](GraphPropsValues& v) { v.Min = "20"; }, kOrder, {"Y", "Y"},
         P::OtherProperties, F::Max},
        {"order names A", GraphKind::Polar, [](GraphPropsValues& v) { v.Max = "-3"; }, kOrder, {"A", "A"},
         P::OtherProperties, F::Max},
        {"order names T", GraphKind::Param, [](GraphPropsValues& v) { v.Max = v.Min; }, kOrder, {"T", "T"},
         P::OtherProperties, F::Max},
        {"integral dx/dy orders Y", GraphKind::Integral,
         [](GraphPropsValues& v) { v.DirectionIndex = 1; v.Max = v.Min; }, kOrder, {"Y", "Y"}, P::OtherProperties,
         F::Max},
        {"steps 0", GraphKind::YFromX, [](GraphPropsValues& v) { v.Steps = "0"; }, kNatural, {"20000"},
         P::OtherProperties, F::Steps},
        {"steps 20001", GraphKind::Polar, [](GraphPropsValues& v) { v.Steps = "20001"; }, kNatural, {"20000"},
         P::OtherProperties, F::Steps},
        {"steps not integer", GraphKind::Param, [](GraphPropsValues& v) { v.Steps = "2.5"; }, kNatural, {"20000"},
         P::OtherProperties, F::Steps},
        {"gap 1000001", GraphKind::XFromY, [](GraphPropsValues& v) { v.MaxGap = "1000001"; }, kNatural,
         {"1000000"}, P::OtherProperties, F::MaxGap},
        {"equation X order", GraphKind::Equation, [](GraphPropsValues& v) { v.MaxX = v.MinX; },
         "Maximum of X must be more\rthan minimum of X", {}, P::OtherProperties, F::MaxX},
        {"equation Y order", GraphKind::Equation, [](GraphPropsValues& v) { v.MinY = "100"; },
         "Maximum of Y must be more\rthan minimum of Y", {}, P::OtherProperties, F::MaxY},
        {"equation steps 9", GraphKind::Equation, [](GraphPropsValues& v) { v.StepsX = "9"; }, kInteger,
         {"10", "200"}, P::OtherProperties, F::StepsX},
        {"equation steps 201", GraphKind::Equation, [](GraphPropsValues& v) { v.StepsY = "201"; }, kInteger,
         {"10", "200"}, P::OtherProperties, F::StepsY},
        {"slope series 1", GraphKind::DifField, [](GraphPropsValues& v) { v.StepsX = "1"; }, kInteger,
         {"2", "100"}, P::OtherProperties, F::StepsX},
        {"line length 3", GraphKind::DifField, [](GraphPropsValues& v) { v.LineLength = "3"; }, kInteger,
         {"4", "100"}, P::OtherProperties, F::LineLength},
        {"line length 101", GraphKind::DifField, [](GraphPropsValues& v) { v.LineLength = "101"; }, kInteger,
         {"4", "100"}, P::OtherProperties, F::LineLength},
        {"integral point", GraphKind::Integral, [](GraphPropsValues& v) { v.FirstY = "y"; }, kNumber, kNumberArgs,
         P::OtherProperties, F::FirstY},
    };
    for (const FailureCase& c : cases) {
        TGraphPropsModel model(RecordOf(c.kind));
        const GraphRecord before = model.Record();
        GraphPropsValues values = model.Values();
        c.edit(values);
        const auto failure = model.Accept(values);
        ASSERT_TRUE(failure.has_value()) << c.name;
        EXPECT_EQ(failure->Message, c.message) << c.name;
        EXPECT_EQ(failure->Arguments, c.arguments) << c.name;
        EXPECT_EQ(failure->Page, c.page) << c.name;
        EXPECT_EQ(failure->Field, c.field) << c.name;
        EXPECT_EQ(failure->FormulaError, -1) << c.name;
        EXPECT_TRUE(SameBytes(model.Record(), before)) << c.name << ": a refusal changes nothing";
    }
}

TEST(GraphPropsChecks, boundaryValues_pass)
{
    TGraphPropsModel equation(RecordOf(GraphKind::Equation, "x-y"));
    GraphPropsValues v = equation.Values();
    v.StepsX = "10";
    v.StepsY = "200";
    v.MaxX = "1*10^100";
    EXPECT_FALSE(equation.Validate(v).has_value());

    TGraphPropsModel field(RecordOf(GraphKind::DifField, "x"));
    v = field.Values();
    v.StepsX = "100";
    v.StepsY = "+2";
    v.LineLength = "100";
    EXPECT_FALSE(field.Validate(v).has_value());
}

TEST(GraphPropsChecks, formulas_areCheckedWithTheKindsVariables)
{
    struct Case {
        GraphKind kind;
        const char* formula;
        const char* formula2;
        int direction;
        bool accepted;
        F field;
    };
    const Case cases[] = {
        {GraphKind::YFromX, "sin(x)", "", 0, true, F::None},
        {GraphKind::YFromX, "x+y", "", 0, false, F::Formula},
        {GraphKind::XFromY, "y^2", "", 0, true, F::None},
        {GraphKind::Polar, "2*a", "", 0, true, F::None},
        {GraphKind::Polar, "x", "", 0, false, F::Formula},
        {GraphKind::Param, "cos(t)", "sin(", 0, false, F::Formula2},
        {GraphKind::Param, "t", "t^2", 0, true, F::None},
        {GraphKind::Equation, "x^2+y^2-1", "", 0, true, F::None},
        {GraphKind::DifField, "x*y", "", 0, true, F::None},
        {GraphKind::Integral, "y", "", 1, true, F::None},
        {GraphKind::Integral, "y", "", 0, false, F::Formula},
        {GraphKind::YFromX, "   ", "", 0, true, F::None},  // an empty graph may be kept
    };
    for (const Case& c : cases) {
        TGraphPropsModel model(RecordOf(c.kind));
        GraphPropsValues v = model.Values();
        v.Formula = c.formula;
        v.Formula2 = c.formula2;
        v.DirectionIndex = c.direction;
        const auto failure = model.Validate(v);
        EXPECT_EQ(!failure.has_value(), c.accepted) << c.formula;
        if (!failure) continue;
        EXPECT_EQ(failure->Field, c.field) << c.formula;
        EXPECT_EQ(failure->Page, P::Properties);
        EXPECT_GT(failure->FormulaError, 0);
        EXPECT_EQ(GraphPropsFailureText(*failure).rfind("Error ", 0), 0u);
    }
}

TEST(GraphPropsChecks, tableCells_failAtTheFirstBadCellInReadingOrder)
{
    TGraphPropsModel model(RecordOf(GraphKind::Table));
    GraphPropsValues v = model.Values();
    v.Cell(0, 0) = "1";
    v.Cell(1, 1) = "";
    v.Cell(2, 0) = "abc";  // row 3
    v.Cell(5, 1) = "1*10^101";
    auto failure = model.Validate(v);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Field, F::TableCell);
    EXPECT_EQ(failure->Page, P::Properties);
    EXPECT_EQ(failure->Row, 2);
    EXPECT_EQ(failure->Column, 0);
    EXPECT_EQ(GraphPropsFailureText(*failure), "This value must be a number\rfrom -1*10^100 up to 1*10^100");

    v.Cell(2, 0) = "2E3";
    failure = model.Validate(v);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Row, 5);
    EXPECT_EQ(failure->Column, 1);
}

TEST(GraphPropsChecks, firstFailureWins_formulaBeforeParametersInPageOrder)
{
    TGraphPropsModel model(RecordOf(GraphKind::YFromX));
    GraphPropsValues v = model.Values();
    v.Formula = "sin(";
    v.Min = "abc";
    v.Steps = "0";
    EXPECT_EQ(model.Validate(v)->Field, F::Formula);
    v.Formula = "x";
    EXPECT_EQ(model.Validate(v)->Field, F::Min);
    v.Min = "-1";
    EXPECT_EQ(model.Validate(v)->Field, F::Steps);
}

// ------------------------------------------------------------ kind change

TEST(GraphPropsKindChange, defaultsOfTheNewKind_formulaAndAppearanceCarried)
{
    DocumentOptions options = DefaultDocumentOptions();
    options.DefaultPolar.Steps = 123;
    TGraphPropsModel model(RecordOf(GraphKind::YFromX, "sin(x)"));
    GraphPropsValues v = model.Values();
    v.Formula = "cos(x)";  // typed, not yet stored
    v.ColorIndex = 9;
    v.Visible = false;

    ASSERT_TRUE(model.ChangeKind(2, options, v));
    EXPECT_EQ(model.Kind(), GraphKind::Polar);
    EXPECT_EQ(v.KindIndex, 2);
    EXPECT_EQ(v.Formula, "cos(x)");
    EXPECT_EQ(v.Steps, "123");
    EXPECT_EQ(v.ColorIndex, 9);
    EXPECT_FALSE(v.Visible);

    ASSERT_TRUE(model.ChangeKind(6, options, v));
    EXPECT_EQ(v.Formula, "");
    ASSERT_EQ(v.Cells.size(), 200u);
    for (const std::string& cell : v.Cells) EXPECT_EQ(cell, "");

    ASSERT_TRUE(model.ChangeKind(4, options, v));
    EXPECT_EQ(v.Formula, "");  // a table has no formula to carry
    EXPECT_FALSE(model.ChangeKind(7, options, v));
    EXPECT_FALSE(model.ChangeKind(-1, options, v));
    EXPECT_EQ(model.Kind(), GraphKind::Equation);

    v.Formula = "x-y";
    ASSERT_FALSE(model.Accept(v).has_value());
    EXPECT_EQ(GraphDescription(model.Record()), "x-y=0");
    EXPECT_EQ(model.Record().Color, 9);
    EXPECT_EQ(model.Record().Visible, 0);
}

// ------------------------------------------------------------ defaults

TEST(GraphPropsDefaults, noFormulaOrTableChecks_andOnlyTheKindsParametersReachTheOptions)
{
    DocumentOptions options = DefaultDocumentOptions();
    const DocumentOptions before = options;
    for (GraphKind kind : kAllKinds) {
        TGraphPropsModel model(KindDefaultsRecord(options, kind), true);
        GraphPropsValues v = model.Values();
        v.Formula = "sin(";  // hidden in defaults mode: never checked
        if (kind == GraphKind::Table) {
            v.Cells.assign(200, "abc");
            v.Smoothing = true;
        }
        EXPECT_FALSE(model.ChangeKind(0, options, v));
        ASSERT_FALSE(model.Accept(v).has_value()) << int(kind);
        EXPECT_EQ(model.Record().Formula.Length(), 0u);
    }

    TGraphPropsModel field(KindDefaultsRecord(options, GraphKind::DifField), true);
    GraphPropsValues v = field.Values();
    v.LineLength = "40";
    v.OwnInterval = true;
    ASSERT_FALSE(field.Accept(v).has_value());
    StoreKindDefaults(options, field.Record());
    EXPECT_EQ(options.DefaultDifField.LineLength, 40);
    EXPECT_EQ(options.DefaultDifField.CommonInterval, 0);
    options.DefaultDifField = before.DefaultDifField;
    EXPECT_TRUE(SameBytes(options, before)) << "nothing else of the options changed";

    TGraphPropsModel table(KindDefaultsRecord(options, GraphKind::Table), true);
    v = table.Values();
    v.SortIndex = 0;
    ASSERT_FALSE(table.Accept(v).has_value());
    StoreKindDefaults(options, table.Record());
    EXPECT_EQ(options.DefaultTableFlags.Value, 2 + 8);
}

TEST(GraphPropsDefaults, invalidParameters_areStillRefused)
{
    TGraphPropsModel model(KindDefaultsRecord(DefaultDocumentOptions(), GraphKind::Equation), true);
    GraphPropsValues v = model.Values();
    v.StepsX = "5";
    const auto failure = model.Accept(v);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Field, F::StepsX);
}

// ------------------------------------------------------------ small parts

TEST(GraphPropsParts, integerFieldsAndControlNames)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {{"42", true, 42},       {" 7 ", true, 7},          {"+3", true, 3},
                          {"-5", true, -5},       {"", false, 0},            {"  ", false, 0},
                          {"1.0", false, 0},      {"1e3", false, 0},         {"++1", false, 0},
                          {"2147483648", false, 0}, {"-2147483648", true, INT32_MIN}, {"0x10", false, 0}};
    for (const Case& c : cases) {
        int32_t value = 0;
        EXPECT_EQ(ParseIntegerField(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    EXPECT_EQ(GraphPropsControlName(GraphKind::XFromY, F::Min), "MinXYEdit");
    EXPECT_EQ(GraphPropsControlName(GraphKind::Polar, F::Steps), "StepsNumEditAT");
    EXPECT_EQ(GraphPropsControlName(GraphKind::Equation, F::MaxGap), "MaxGapEditEq");
    EXPECT_EQ(GraphPropsControlName(GraphKind::DifField, F::LineLength), "LinesLengthEditDF");
    EXPECT_EQ(GraphPropsControlName(GraphKind::DifField, F::MaxGap), "");
    EXPECT_EQ(GraphPropsControlName(GraphKind::Integral, F::FirstX), "FirstXEditInt");
    EXPECT_EQ(GraphPropsControlName(GraphKind::Param, F::Formula2), "FormulaParamYEdit");
    EXPECT_EQ(GraphPropsControlName(GraphKind::Table, F::TableCell), "NumTableGrid");
    // Every role a kind's checks can name has a control of that kind.
    using Text = std::string GraphPropsValues::*;
    const Text texts[] = {&GraphPropsValues::Min,    &GraphPropsValues::Max,        &GraphPropsValues::MinX,
                          &GraphPropsValues::MaxX,   &GraphPropsValues::MinY,       &GraphPropsValues::MaxY,
                          &GraphPropsValues::Steps,  &GraphPropsValues::MaxGap,     &GraphPropsValues::StepsX,
                          &GraphPropsValues::StepsY, &GraphPropsValues::LineLength, &GraphPropsValues::FirstX,
                          &GraphPropsValues::FirstY};
    for (GraphKind kind : kAllKinds) {
        TGraphPropsModel model(RecordOf(kind));
        for (Text text : texts) {
            GraphPropsValues broken = model.Values();
            broken.*text = "?";
            if (auto failure = model.Validate(broken)) {
                EXPECT_NE(GraphPropsControlName(kind, failure->Field), "") << int(kind);
            }
        }
    }
}

}  // namespace
}  // namespace vg
