// Each kind of change, undone and redone, through the document operations
// that record it.

#include <gtest/gtest.h>

#include <functional>

#include "app/app_globals.h"
#include "app/document_commands.h"
#include "app/graph_operations.h"
#include "document/apply_options.h"
#include "undo/undo_test_support.h"

namespace vg::undo_test {
namespace {

std::vector<GraphRecord> FourGraphs()
{
    return {FunctionRecord("X"), FunctionRecord("X^2"), FunctionRecord("SIN(X)"), FunctionRecord("COS(X)")};
}

struct KindRow {
    const char* name;
    std::function<void(TGraphicsManager&)> change;
    TUndoKind kind;
};

TEST(UndoKinds, undoAndRedo_restoreExactRecordsAndOrder_forEveryKind)
{
    const KindRow rows[] = {
        {"options",
         [](TGraphicsManager& d) {
             DocumentOptions o = d.Options;
             o.MinX = Ext80::From(-3.5L);
             o.Steps = 77;
             ApplyDocumentOptions(d, o);
         },
         TUndoKind::OptionsChanged},
        {"view",
         [](TGraphicsManager& d) {
             ViewSettings v = d.View;
             v.TopTitle.Assign("Title");
             v.TopTitleShow = 1;
             v.Boxed = 1;
             ApplyViewSettings(d, v);
         },
         TUndoKind::ViewSettingsChanged},
        {"options and view in one step",
         [](TGraphicsManager& d) {
             auto& undo = dynamic_cast<TUndoManager&>(d.UndoHook());
             ViewSettings v = d.View;
             v.Boxed = 1;
             DocumentOptions o = d.Options;
             o.AxisXName.Assign("t");
             undo.BeginStep();
             ApplyViewSettings(d, v);
             ApplyDocumentOptions(d, o);
             undo.EndStep();
         },
         TUndoKind::OptionsAndViewChanged},
        {"delete", [](TGraphicsManager& d) { DeleteGraphFromDocument(d, 1); }, TUndoKind::GraphDeleted},
        {"change",
         [](TGraphicsManager& d) {
             GraphRecord r = d.Graph(2).Record;
             r.Formula.Assign("TAN(X)");
             r.Color = 9;
             d.ChangeGraphRecord(2, r);
         },
         TUndoKind::GraphChanged},
        {"add", [](TGraphicsManager& d) { AddGraphToDocument(d, FunctionRecord("X^3")); }, TUndoKind::GraphAdded},
        {"move down", [](TGraphicsManager& d) { EXPECT_EQ(MoveGraphInDocument(d, 0, 3), 2); },
         TUndoKind::GraphsOrderChanged},
        {"move up", [](TGraphicsManager& d) { EXPECT_EQ(MoveGraphInDocument(d, 3, 1), 1); },
         TUndoKind::GraphsOrderChanged},
    };
    for (const KindRow& row : rows) {
        SCOPED_TRACE(row.name);
        DocumentWithHistory h(FourGraphs());
        TGraphicsManager& doc = *h.document;
        const auto before = DocumentBytes(doc);
        row.change(doc);
        h.lists->lines = GraphDescriptions(doc);  // as the window does after a change
        const auto after = DocumentBytes(doc);
        ASSERT_NE(before, after);
        ASSERT_EQ(h.undo->UndoList().size(), 1u);
        EXPECT_EQ(h.undo->UndoList().back().Kind, row.kind);
        EXPECT_TRUE(doc.Modified);

        doc.Modified = false;
        ASSERT_TRUE(h.undo->Undo());
        EXPECT_EQ(DocumentBytes(doc), before);
        EXPECT_TRUE(doc.Modified);
        EXPECT_TRUE(h.undo->UndoList().empty());
        EXPECT_EQ(h.undo->RedoList().size(), 1u);
        EXPECT_EQ(h.lists->lines, GraphDescriptions(doc));
        for (const auto& graph : doc.Graphs) EXPECT_GT(graph->ValuesSize, 0u);  // a graph back is computed

        doc.Modified = false;
        ASSERT_TRUE(h.undo->Redo());
        EXPECT_EQ(DocumentBytes(doc), after);
        EXPECT_TRUE(doc.Modified);
        EXPECT_EQ(h.undo->UndoList().size(), 1u);
        EXPECT_TRUE(h.undo->RedoList().empty());
        EXPECT_EQ(h.lists->lines, GraphDescriptions(doc));

        // And the cycle repeats.
        ASSERT_TRUE(h.undo->Undo());
        EXPECT_EQ(DocumentBytes(doc), before);
    }
}

TEST(UndoOptions, equalOptions_recordNothingAndLeaveModified)
{
    DocumentWithHistory h(FourGraphs());
    ApplyDocumentOptions(*h.document, h.document->Options);
    ApplyViewSettings(*h.document, h.document->View);
    EXPECT_FALSE(h.document->Modified);
    EXPECT_FALSE(h.undo->CanUndo());
}

TEST(UndoOptions, undo_recomputesExactlyTheGraphsThatNeedIt)
{
    // A graph on the document's interval and one on its own.
    DocumentWithHistory h({FunctionRecord("X"), PolarRecord("1")});
    TGraphicsManager& doc = *h.document;
    DocumentOptions narrower = doc.Options;
    narrower.MinX = Ext80::From(-2.0L);
    ApplyDocumentOptions(doc, narrower);
    ASSERT_GT(doc.Graph(0).ValuesSize, 0u);
    ASSERT_GT(doc.Graph(1).ValuesSize, 0u);
    const std::size_t narrowSize = doc.Graph(0).ValuesSize;
    // Marks that only a recomputation overwrites.
    doc.Graph(0).SetValue(1, 4242.0L);
    doc.Graph(1).SetValue(1, 4242.0L);

    ASSERT_TRUE(h.undo->Undo());
    EXPECT_NE(doc.Graph(0).GetValue(1), 4242.0L);
    EXPECT_EQ(doc.Graph(1).GetValue(1), 4242.0L);
    EXPECT_EQ(doc.Graph(0).ValuesSize, narrowSize);  // same step count, wider interval

    doc.Graph(0).SetValue(1, 4242.0L);
    ASSERT_TRUE(h.undo->Redo());
    EXPECT_NE(doc.Graph(0).GetValue(1), 4242.0L);
    EXPECT_EQ(doc.Graph(1).GetValue(1), 4242.0L);
}

TEST(UndoOptions, undoOfSnapshotEqualToDocument_keepsTheOlderUnrelatedEntry)
{
    DocumentWithHistory h(FourGraphs());
    TGraphicsManager& doc = *h.document;
    GraphRecord r = doc.Graph(0).Record;
    r.Color = 12;
    doc.ChangeGraphRecord(0, r);
    // An option entry whose snapshot equals the document's record: applying
    // it records nothing, so nothing may be taken off.
    h.undo->RecordDocumentOptions(doc.Options);
    ASSERT_EQ(h.undo->UndoList().size(), 2u);

    ASSERT_TRUE(h.undo->Undo());
    ASSERT_EQ(h.undo->UndoList().size(), 1u);
    EXPECT_EQ(h.undo->UndoList().back().Kind, TUndoKind::GraphChanged);
    ASSERT_TRUE(h.undo->Redo());
    EXPECT_EQ(h.undo->UndoList().size(), 2u);
    EXPECT_EQ(h.undo->UndoList().front().Kind, TUndoKind::GraphChanged);
}

TEST(UndoOptions, redoWithFullHistory_keepsTheOldestEntry)
{
    DocumentWithHistory h(FourGraphs());
    TGraphicsManager& doc = *h.document;
    DocumentOptions o = doc.Options;
    for (int i = 1; i <= kUndoDepth; ++i) {
        o.MaxX = Ext80::From(static_cast<long double>(10 + i));
        ApplyDocumentOptions(doc, o);
    }
    const std::vector<uint8_t> oldest = h.undo->UndoList().front().Snapshot;
    h.undo->Undo();
    h.undo->Redo();
    ASSERT_EQ(h.undo->UndoList().size(), static_cast<std::size_t>(kUndoDepth));
    EXPECT_EQ(h.undo->UndoList().front().Snapshot, oldest);
    EXPECT_EQ(doc.Options.MaxX.Get(), 25.0L);
}

TEST(UndoOptions, snapshotsComeFromTheDocument_notFromTheProgramCopy)
{
    DocumentWithHistory h(FourGraphs());
    TGraphicsManager& doc = *h.document;
    DocumentOptions o = doc.Options;
    o.MaxY = Ext80::From(4.0L);
    ApplyDocumentOptions(doc, o);
    const DocumentOptions changed = doc.Options;
    // Another window became active meanwhile and refilled the program copy.
    DocumentOptions other = DefaultDocumentOptions();
    other.MaxY = Ext80::From(99.0L);
    GlobalDocumentOptions() = other;

    h.undo->Undo();
    h.undo->Redo();
    EXPECT_TRUE(SameBytes(doc.Options, changed));
}

TEST(UndoGraphs, changeOfFormula_recomputesOnUndo_appearanceOnlyKeepsData)
{
    DocumentWithHistory h({FunctionRecord("X")});
    TGraphicsManager& doc = *h.document;
    GraphRecord r = doc.Graph(0).Record;
    r.Formula.Assign("X+100");
    doc.ChangeGraphRecord(0, r);
    const long double shifted = doc.Graph(0).GetValue(2);
    h.undo->Undo();
    EXPECT_NEAR(static_cast<double>(doc.Graph(0).GetValue(2)), static_cast<double>(shifted - 100), 1e-9);

    r = doc.Graph(0).Record;
    r.Color = 3;
    doc.ChangeGraphRecord(0, r);
    doc.Graph(0).SetValue(2, 4242.0L);
    h.undo->Undo();
    EXPECT_EQ(doc.Graph(0).GetValue(2), 4242.0L);
}

TEST(GraphOperations, refusals_changeAndRecordNothing)
{
    struct Row {
        const char* name;
        std::function<bool(TGraphicsManager&)> refused;
    };
    const Row rows[] = {
        {"move onto itself", [](TGraphicsManager& d) { return MoveGraphInDocument(d, 1, 1) < 0; }},
        {"move before next", [](TGraphicsManager& d) { return MoveGraphInDocument(d, 1, 2) < 0; }},
        {"move from outside", [](TGraphicsManager& d) { return MoveGraphInDocument(d, 4, 0) < 0; }},
        {"move beyond end", [](TGraphicsManager& d) { return MoveGraphInDocument(d, 0, 5) < 0; }},
        {"delete outside", [](TGraphicsManager& d) { return !DeleteGraphFromDocument(d, 4); }},
        {"delete negative", [](TGraphicsManager& d) { return !DeleteGraphFromDocument(d, -1); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DocumentWithHistory h(FourGraphs());
        const auto before = DocumentBytes(*h.document);
        EXPECT_TRUE(row.refused(*h.document));
        EXPECT_EQ(DocumentBytes(*h.document), before);
        EXPECT_FALSE(h.document->Modified);
        EXPECT_FALSE(h.undo->CanUndo());
    }
}

TEST(GraphOperations, thirtyFirstGraph_isRefused)
{
    DocumentWithHistory h;
    for (int i = 0; i < kMaxGraphs; ++i) ASSERT_EQ(AddGraphToDocument(*h.document, FunctionRecord("X")), i);
    EXPECT_EQ(AddGraphToDocument(*h.document, FunctionRecord("X")), -1);
    EXPECT_EQ(h.document->GraphCount(), kMaxGraphs);
}

TEST(UndoKinds, oneStep_joinsOnlyTheTwoOptionRecords)
{
    DocumentWithHistory h(FourGraphs());
    TGraphicsManager& doc = *h.document;
    DocumentOptions o = doc.Options;
    ViewSettings v = doc.View;

    // Only the options changed: an ordinary options step.
    h.undo->BeginStep();
    o.Steps = 50;
    ApplyViewSettings(doc, v);
    ApplyDocumentOptions(doc, o);
    h.undo->EndStep();
    ASSERT_EQ(h.undo->UndoList().size(), 1u);
    EXPECT_EQ(h.undo->UndoList().back().Kind, TUndoKind::OptionsChanged);

    // Both changed: one step; a graph change inside the step stays apart.
    h.undo->BeginStep();
    v.EqualScale = 1;
    o.Steps = 60;
    ApplyViewSettings(doc, v);
    ApplyDocumentOptions(doc, o);
    GraphRecord r = doc.Graph(0).Record;
    r.Color = 3;
    doc.ChangeGraphRecord(0, r);
    h.undo->EndStep();
    ASSERT_EQ(h.undo->UndoList().size(), 3u);
    EXPECT_EQ(h.undo->UndoList()[1].Kind, TUndoKind::OptionsAndViewChanged);
    EXPECT_EQ(h.undo->UndoList()[2].Kind, TUndoKind::GraphChanged);
    EXPECT_EQ(h.lists->undoCaption, "&Undo Change graph properties");

    // After the step, each record is a step of its own again.
    v.EqualScale = 0;
    o.Steps = 70;
    ApplyViewSettings(doc, v);
    ApplyDocumentOptions(doc, o);
    EXPECT_EQ(h.undo->UndoList().size(), 5u);

    ASSERT_TRUE(h.undo->Undo());
    ASSERT_TRUE(h.undo->Undo());
    ASSERT_TRUE(h.undo->Undo());  // the graph's colour
    EXPECT_EQ(h.lists->undoCaption, "&Undo Change options");
    ASSERT_TRUE(h.undo->Undo());  // both records of the step at once
    EXPECT_EQ(int(doc.Options.Steps), 50);
    EXPECT_EQ(doc.View.EqualScale, 0);
    ASSERT_TRUE(h.undo->Redo());
    EXPECT_EQ(int(doc.Options.Steps), 60);
    EXPECT_EQ(doc.View.EqualScale, 1);
    EXPECT_EQ(h.undo->UndoList().size(), 2u);
}

}  // namespace
}  // namespace vg::undo_test
