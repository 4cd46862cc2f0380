// The Graph toolbar's view of a graph, its edits with their undo steps, the
// dialog's changes through the document, and the new-colour rule.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/graph_operations.h"
#include "app/graph_props_model.h"
#include "app/graph_toolbar_model.h"
#include "app/undo_manager.h"
#include "document/graph_model.h"
#include "graphs_test_support.h"

namespace vg {
namespace {

using graphs_test::RecordOf;
using C = ToolbarControl;

struct Document {
    Document() : document(DefaultViewSettings(), DefaultDocumentOptions()), undo(document) {}
    TGraphicsManager document;
    TUndoManager undo;
};

TEST(GraphToolbarState, emptyState_andBoxesByKind)
{
    const GraphToolbarState none = ToolbarStateOf(nullptr);
    EXPECT_FALSE(none.HasGraph);
    EXPECT_EQ(none.PointSizeIndex, 0);
    EXPECT_EQ(none.PointStyleIndex, 3);
    EXPECT_EQ(none.ColorIndex, 2);
    EXPECT_EQ(none.LineWidthIndex, 0);
    EXPECT_EQ(none.LineStyleIndex, 0);
    EXPECT_EQ(none.BrushIndex, 1);
    EXPECT_TRUE(none.LineWidthVisible);
    EXPECT_FALSE(none.BrushVisible);

    struct Case {
        GraphRecord record;
        bool widthVisible, styleEnabled, brushVisible, linesPoints;
    };
    GraphRecord region = RecordOf(GraphKind::Equation, "x-y");
    region.Equation.Relation = EquationRelation::Greater;
    const Case cases[] = {
        {region, false, false, true, false},
        {RecordOf(GraphKind::Equation, "x-y"), true, false, false, true},
        {RecordOf(GraphKind::DifField, "x"), true, false, false, false},
        {RecordOf(GraphKind::YFromX, "x"), true, true, false, true},
        {RecordOf(GraphKind::Table), true, true, false, true},
    };
    for (const Case& c : cases) {
        const GraphToolbarState s = ToolbarStateOf(&c.record);
        EXPECT_EQ(s.LineWidthVisible, c.widthVisible) << GraphDescription(c.record);
        EXPECT_EQ(s.LineStyleEnabled, c.styleEnabled) << GraphDescription(c.record);
        EXPECT_EQ(s.BrushVisible, c.brushVisible) << GraphDescription(c.record);
        EXPECT_EQ(s.LinesPointsEnabled, c.linesPoints) << GraphDescription(c.record);
    }

    GraphRecord r = RecordOf(GraphKind::YFromX, "x");
    r.LineStyleWidth = 2 * 16 + 4;
    r.PointSize = 9;
    r.Points = 1;
    const GraphToolbarState s = ToolbarStateOf(&r);
    EXPECT_EQ(s.LineStyleIndex, 2);
    EXPECT_EQ(s.LineWidthIndex, 3);
    EXPECT_EQ(s.PointSizeIndex, 4);
    EXPECT_TRUE(s.Points);
}

TEST(GraphToolbarEdit, eachControlWritesItsField_andUndoRestoresIt)
{
    struct Case {
        C control;
        int value;
        std::function<bool(const GraphRecord&)> written;
    };
    const Case cases[] = {
        {C::DrawGraphic, 0, [](const GraphRecord& r) { return r.Visible == 0; }},
        {C::LinesDraw, 0, [](const GraphRecord& r) { return r.Lines == 0; }},
        {C::DrawPoints, 0, [](const GraphRecord& r) { return r.Points == 1; }},
        {C::LineWidth, 4, [](const GraphRecord& r) { return r.LineStyleWidth == 5; }},
        {C::LineStyle, 3, [](const GraphRecord& r) { return r.LineStyleWidth == 3 * 16 + 1; }},
        {C::PointSize, 5, [](const GraphRecord& r) { return r.PointSize == 11; }},
        {C::PointStyle, 7, [](const GraphRecord& r) { return r.PointStyle == 7; }},
        {C::Color, 12, [](const GraphRecord& r) { return r.Color == 12; }},
        {C::Brush, 6, [](const GraphRecord& r) { return r.BrushStyle == 6; }},
    };
    for (const Case& c : cases) {
        Document d;
        GraphRecord r = RecordOf(GraphKind::YFromX, "x");
        r.Lines = 1;
        r.Points = 0;
        r.Visible = 1;
        r.LineStyleWidth = 1;
        d.document.AddGraph(r);
        const ToolbarEditOutcome outcome = EditGraphFromToolbar(d.document, 0, c.control, c.value);
        EXPECT_TRUE(outcome.Changed);
        EXPECT_TRUE(c.written(d.document.Graph(0).Record)) << int(c.control);
        EXPECT_TRUE(d.document.Modified);
        ASSERT_EQ(d.undo.UndoList().size(), 1u);
        EXPECT_EQ(d.undo.UndoCaption(), "&Undo Change graph properties");
        ASSERT_TRUE(d.undo.Undo());
        EXPECT_TRUE(SameBytes(d.document.Graph(0).Record, r)) << int(c.control);
    }
}

TEST(GraphToolbarEdit, sameValue_recordsNothing_andTogglesAlwaysCount)
{
    Document d;
    GraphRecord r = RecordOf(GraphKind::YFromX, "x");
    r.LineStyleWidth = 2;
    r.Color = 20;  // a file's byte: the box shows 4
    d.document.AddGraph(r);
    EXPECT_FALSE(EditGraphFromToolbar(d.document, 0, C::LineWidth, 1).Changed);
    EXPECT_FALSE(EditGraphFromToolbar(d.document, 0, C::Color, 4).Changed);
    EXPECT_FALSE(EditGraphFromToolbar(d.document, 0, C::Color, -1).Changed);
    EXPECT_FALSE(EditGraphFromToolbar(d.document, 0, C::Brush, 7).Changed);
    EXPECT_FALSE(EditGraphFromToolbar(d.document, 3, C::LinesDraw).Changed);
    EXPECT_FALSE(d.document.Modified);
    EXPECT_TRUE(d.undo.UndoList().empty());
    EXPECT_EQ(d.document.Graph(0).Record.Color, 20);

    EXPECT_TRUE(EditGraphFromToolbar(d.document, 0, C::LinesDraw).Changed);
    EXPECT_TRUE(EditGraphFromToolbar(d.document, 0, C::LinesDraw).Changed);
    EXPECT_TRUE(SameBytes(d.document.Graph(0).Record, r));
    EXPECT_EQ(d.undo.UndoList().size(), 2u);

    // A new edit after an undo leaves nothing to redo.
    d.undo.Undo();
    EXPECT_TRUE(d.undo.CanRedo());
    EditGraphFromToolbar(d.document, 0, C::PointStyle, 1);
    EXPECT_FALSE(d.undo.CanRedo());
}

TEST(GraphToolbarEdit, redrawFollowsWhatTheGraphShows)
{
    struct Case {
        const char* name;
        GraphKind kind;
        bool visible, lines, points;
        C control;
        int value;
        bool redraw, refreshList;
    };
    const Case cases[] = {
        {"hidden colour", GraphKind::YFromX, false, true, false, C::Color, 5, false, true},
        {"shown colour", GraphKind::YFromX, true, true, false, C::Color, 5, true, true},
        {"width without lines", GraphKind::YFromX, true, false, true, C::LineWidth, 3, false, false},
        {"width with lines", GraphKind::YFromX, true, true, false, C::LineWidth, 3, true, true},
        {"point size without points", GraphKind::YFromX, true, true, false, C::PointSize, 2, false, false},
        {"show a graph with nothing to draw", GraphKind::YFromX, false, false, false, C::DrawGraphic, 0, false,
         false},
        {"show a slope field", GraphKind::DifField, false, false, false, C::DrawGraphic, 0, true, true},
        {"slope field width", GraphKind::DifField, true, false, false, C::LineWidth, 2, true, true},
        {"hidden brush", GraphKind::Equation, false, false, false, C::Brush, 3, false, true},
        {"lines of a hidden graph", GraphKind::YFromX, false, true, false, C::LinesDraw, 0, false, false},
    };
    for (const Case& c : cases) {
        Document d;
        GraphRecord r = RecordOf(c.kind, "x");
        r.Visible = c.visible;
        r.Lines = c.lines;
        r.Points = c.points;
        d.document.AddGraph(r);
        const ToolbarEditOutcome outcome = EditGraphFromToolbar(d.document, 0, c.control, c.value);
        EXPECT_TRUE(outcome.Changed) << c.name;
        EXPECT_EQ(outcome.Redraw, c.redraw) << c.name;
        EXPECT_EQ(outcome.RefreshList, c.refreshList) << c.name;
    }
}

TEST(GraphDialogChange, throughTheDocument_isOneUndoStep_andRecomputesOnlyForData)
{
    Document d;
    d.document.AddGraph(RecordOf(GraphKind::YFromX, "x"));
    d.document.ComputeAllGraphs();
    ASSERT_GT(d.document.Graph(0).ValuesSize, 0u);
    const GraphRecord before = d.document.Graph(0).Record;

    TGraphPropsModel model(before);
    GraphPropsValues v = model.Values();
    v.ColorIndex = 13;
    ASSERT_FALSE(model.Accept(v).has_value());
    EXPECT_FALSE(d.document.ChangeGraphRecord(0, model.Record()));  // style only: the data stays

    TGraphPropsModel second(d.document.Graph(0).Record);
    v = second.Values();
    v.Formula = "x^2";
    ASSERT_FALSE(second.Accept(v).has_value());
    EXPECT_TRUE(d.document.ChangeGraphRecord(0, second.Record()));
    EXPECT_EQ(d.undo.UndoList().size(), 2u);

    // OK without changes records nothing.
    TGraphPropsModel third(d.document.Graph(0).Record);
    ASSERT_FALSE(third.Accept(third.Values()).has_value());
    d.document.ChangeGraphRecord(0, third.Record());
    EXPECT_EQ(d.undo.UndoList().size(), 2u);

    d.undo.Undo();
    d.undo.Undo();
    EXPECT_TRUE(SameBytes(d.document.Graph(0).Record, before));
    d.undo.Redo();
    EXPECT_EQ(d.document.Graph(0).Record.Color, 13);
}

TEST(GraphListEdits, doubleDeleteAndMove_areUndoneAndRedone)
{
    Document d;
    for (const char* f : {"1", "2", "3", "4"}) AddGraphToDocument(d.document, RecordOf(GraphKind::YFromX, f));
    auto formulas = [&] {
        std::string text;
        for (int i = 0; i < d.document.GraphCount(); ++i) text += d.document.Graph(i).Record.Formula.Str();
        return text;
    };
    AddGraphToDocument(d.document, d.document.Graph(1).Record);  // Double graph
    EXPECT_EQ(formulas(), "12342");
    DeleteGraphFromDocument(d.document, 0);
    EXPECT_EQ(formulas(), "2342");
    EXPECT_EQ(MoveGraphInDocument(d.document, 0, 4), 3);  // dropped below the last graph
    EXPECT_EQ(formulas(), "3422");
    d.undo.Undo();
    EXPECT_EQ(formulas(), "2342");
    d.undo.Undo();
    EXPECT_EQ(formulas(), "12342");
    d.undo.Undo();
    EXPECT_EQ(formulas(), "1234");
    d.undo.Redo();
    d.undo.Redo();
    d.undo.Redo();
    EXPECT_EQ(formulas(), "3422");
}

TEST(NewGraphColor, fewestUsedSkippingTheBackground_tieToTheProgramsDefaultColour)
{
    auto documentWithColors = [](const std::vector<int>& colors, int background) {
        DocumentOptions options = DefaultDocumentOptions();
        options.BackColor = static_cast<uint8_t>(background);
        options.DefaultStyle.Color = 2;
        auto document = std::make_unique<TGraphicsManager>(DefaultViewSettings(), options);
        for (int color : colors) {
            GraphRecord r = RecordOf(GraphKind::YFromX, "x");
            r.Color = static_cast<uint8_t>(color);
            document->AddGraph(r);
        }
        return document;
    };
    DocumentOptions program = DefaultDocumentOptions();
    program.DefaultStyle.Color = 2;
    EXPECT_EQ(NewGraphColor(*documentWithColors({1, 1, 2, 3}, 15), program), 4);
    std::vector<int> each;
    for (int c = 1; c <= 15; ++c) each.push_back(c);
    EXPECT_EQ(NewGraphColor(*documentWithColors(each, 15), program), 0);
    // The tie goes to the program's default colour, not the document's own.
    program.DefaultStyle.Color = 7;
    EXPECT_EQ(NewGraphColor(*documentWithColors({}, 15), program), 7);
    // The background is the document's: 1 is skipped there, not in the program's options.
    program.DefaultStyle.Color = 0;
    program.BackColor = 3;
    EXPECT_EQ(NewGraphColor(*documentWithColors({}, 1), program), 0);
    EXPECT_EQ(NewGraphColor(*documentWithColors({0}, 1), program), 2);
}

}  // namespace
}  // namespace vg
