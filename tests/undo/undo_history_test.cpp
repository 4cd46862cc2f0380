// The history itself: depth, the redo list, captions, separate documents,
// the graph lists and entries that no longer fit the document.

#include <gtest/gtest.h>

#include <functional>

#include "app/document_commands.h"
#include "app/graph_operations.h"
#include "app/translator.h"
#include "document/apply_options.h"
#include "undo/undo_test_support.h"

namespace vg::undo_test {
namespace {

void ChangeColor(TGraphicsManager& doc, int index, int color)
{
    GraphRecord r = doc.Graph(index).Record;
    r.Color = static_cast<uint8_t>(color);
    doc.ChangeGraphRecord(index, r);
}

TEST(UndoDepth, sixteenthStep_dropsTheOldest)
{
    DocumentWithHistory h({FunctionRecord("X")});
    TGraphicsManager& doc = *h.document;
    for (int color = 1; color <= 16; ++color) ChangeColor(doc, 0, color % 16);
    ASSERT_EQ(h.undo->UndoList().size(), static_cast<std::size_t>(kUndoDepth));
    int undone = 0;
    while (h.undo->Undo()) ++undone;
    EXPECT_EQ(undone, kUndoDepth);
    // The first change (to colour 1) can no longer be undone.
    EXPECT_EQ(doc.Graph(0).Record.Color, 1);
    EXPECT_EQ(h.undo->RedoList().size(), static_cast<std::size_t>(kUndoDepth));
}

TEST(UndoRedoList, newChangeAfterUndo_clearsRedo)
{
    const std::function<void(TGraphicsManager&)> changes[] = {
        [](TGraphicsManager& d) { ChangeColor(d, 0, 7); },
        [](TGraphicsManager& d) { AddGraphToDocument(d, FunctionRecord("1")); },
        [](TGraphicsManager& d) { DeleteGraphFromDocument(d, 0); },
        [](TGraphicsManager& d) { MoveGraphInDocument(d, 0, 2); },
        [](TGraphicsManager& d) {
            DocumentOptions o = d.Options;
            o.Steps = 10;
            ApplyDocumentOptions(d, o);
        },
        [](TGraphicsManager& d) {
            ViewSettings v = d.View;
            v.EqualScale = 1;
            ApplyViewSettings(d, v);
        },
    };
    for (const auto& change : changes) {
        DocumentWithHistory h({FunctionRecord("X"), FunctionRecord("X^2")});
        ChangeColor(*h.document, 1, 5);
        ChangeColor(*h.document, 1, 6);
        h.undo->Undo();
        ASSERT_TRUE(h.undo->CanRedo());
        change(*h.document);
        EXPECT_FALSE(h.undo->CanRedo());
        EXPECT_EQ(h.lists->redoCaption, "");
    }
}

TEST(UndoCaptions, followTheNextStep)
{
    DocumentWithHistory h({FunctionRecord("X"), FunctionRecord("X^2"), FunctionRecord("X^3")});
    TGraphicsManager& doc = *h.document;
    EXPECT_EQ(h.undo->UndoCaption(), "&Undo");
    EXPECT_EQ(h.undo->RedoCaption(), "&Redo");

    DocumentOptions o = doc.Options;
    o.MaxY = Ext80::From(3.0L);
    ApplyDocumentOptions(doc, o);
    ViewSettings v = doc.View;
    v.Boxed = 1;
    ApplyViewSettings(doc, v);
    DeleteGraphFromDocument(doc, 2);
    ChangeColor(doc, 0, 4);
    AddGraphToDocument(doc, FunctionRecord("1"));
    MoveGraphInDocument(doc, 0, 2);

    struct Row {
        const char* undo;
        const char* redo;
    };
    const Row steps[] = {
        {"&Undo Change graphs order", "&Redo"},
        {"&Undo Add graph", "&Redo Change graphs order"},
        {"&Undo Change graph properties", "&Redo Add graph"},
        {"&Undo Delete graph", "&Redo Change graph properties"},
        {"&Undo Change options", "&Redo Delete graph"},  // view settings
        {"&Undo Change options", "&Redo Change options"},
        {"&Undo", "&Redo Change options"},
    };
    for (const Row& row : steps) {
        SCOPED_TRACE(row.undo);
        EXPECT_EQ(h.undo->UndoCaption(), row.undo);
        EXPECT_EQ(h.undo->RedoCaption(), row.redo);
        // The window heard of the last change.
        EXPECT_EQ(h.lists->undoCaption, h.undo->CanUndo() ? row.undo : "");
        EXPECT_EQ(h.lists->redoCaption, h.undo->CanRedo() ? row.redo : "");
        h.undo->Undo();
    }
}

TEST(UndoCaptions, passThroughTheTranslator)
{
    TTranslator translator;
    translator.LoadFromBytes("\"&Undo Delete graph\" = \"&Rückgängig: Graph löschen\"\n"
                             "\"&Redo\" = \"&Wiederholen\"\n");
    SetTranslator(&translator);
    DocumentWithHistory h({FunctionRecord("X")});
    DeleteGraphFromDocument(*h.document, 0);
    EXPECT_EQ(h.undo->UndoCaption(), "&Rückgängig: Graph löschen");
    EXPECT_EQ(h.undo->RedoCaption(), "&Wiederholen");
    EXPECT_EQ(h.lists->undoCaption, "&Rückgängig: Graph löschen");
    SetTranslator(nullptr);
}

TEST(UndoDocuments, eachDocumentKeepsItsOwnHistory)
{
    DocumentWithHistory a({FunctionRecord("X")});
    DocumentWithHistory b({FunctionRecord("X^2"), FunctionRecord("X^3")});
    ChangeColor(*a.document, 0, 3);
    DeleteGraphFromDocument(*b.document, 0);
    // Switching windows refills the program-wide records from the active one.
    CopyDocumentRecordsToGlobal(*a.document);
    ChangeColor(*a.document, 0, 4);
    CopyDocumentRecordsToGlobal(*b.document);

    EXPECT_EQ(a.undo->UndoList().size(), 2u);
    EXPECT_EQ(b.undo->UndoList().size(), 1u);
    const auto aBytes = DocumentBytes(*a.document);
    ASSERT_TRUE(b.undo->Undo());
    EXPECT_EQ(b.document->GraphCount(), 2);
    EXPECT_EQ(DocumentBytes(*a.document), aBytes);
    EXPECT_EQ(a.undo->UndoList().size(), 2u);
    EXPECT_EQ(a.undo->UndoCaption(), "&Undo Change graph properties");
    EXPECT_EQ(b.undo->UndoCaption(), "&Undo");
    ASSERT_TRUE(a.undo->Undo());
    EXPECT_EQ(a.document->Graph(0).Record.Color, 3);
    EXPECT_EQ(b.undo->RedoList().size(), 1u);
}

TEST(UndoDocuments, closingTheHistoryDetachesItFromTheDocument)
{
    DocumentWithHistory h({FunctionRecord("X")});
    h.undo.reset();
    ChangeColor(*h.document, 0, 6);  // no history to record into
    EXPECT_EQ(h.document->Graph(0).Record.Color, 6);
}

TEST(UndoLists, graphListsFollowEveryStep_andSelectionStaysSensible)
{
    DocumentWithHistory h({FunctionRecord("A"), FunctionRecord("B"), FunctionRecord("C"), FunctionRecord("D")});
    TGraphicsManager& doc = *h.document;
    FakeGraphLists& lists = *h.lists;
    auto inStep = [&] { return lists.lines == GraphDescriptions(doc); };

    // Undo of a delete before the selection moves the selection down.
    DeleteGraphFromDocument(doc, 0);
    lists.DeleteGraphsListItem(0);
    lists.selected = 1;  // "C"
    h.undo->Undo();
    EXPECT_TRUE(inStep());
    EXPECT_EQ(lists.selected, 2);
    EXPECT_EQ(doc.Graph(lists.selected).Record.Formula.View(), "C");
    // Redo removes it again and the selection moves up with "C".
    h.undo->Redo();
    EXPECT_EQ(doc.Graph(lists.selected).Record.Formula.View(), "C");
    h.undo->Undo();

    // Undo of an add with the added graph selected selects the new last one.
    AddGraphToDocument(doc, FunctionRecord("E"));
    lists.InsertGraphsListItem(4);
    lists.selected = 4;
    h.undo->Undo();
    EXPECT_TRUE(inStep());
    EXPECT_EQ(lists.selected, 3);

    // A move keeps the selection on the graph that was selected.
    lists.selected = 1;  // "B"
    MoveGraphInDocument(doc, 0, 3);
    lists.lines = GraphDescriptions(doc);
    lists.selected = 0;  // "B" after the move
    h.undo->Undo();
    EXPECT_TRUE(inStep());
    EXPECT_EQ(doc.Graph(lists.selected).Record.Formula.View(), "B");
    h.undo->Redo();
    EXPECT_TRUE(inStep());
    EXPECT_EQ(doc.Graph(lists.selected).Record.Formula.View(), "B");

    // The last graph deleted and restored with nothing selected: the first
    // graph becomes selected.
    DocumentWithHistory one({FunctionRecord("X")});
    DeleteGraphFromDocument(*one.document, 0);
    one.lists->DeleteGraphsListItem(0);
    one.lists->selected = -1;
    one.undo->Undo();
    EXPECT_EQ(one.lists->selected, 0);
    one.undo->Redo();
    EXPECT_EQ(one.lists->selected, -1);
    EXPECT_TRUE(one.lists->lines.empty());
}

TEST(UndoConsistency, entriesThatDoNotFitTheDocument_areDroppedWithBothLists)
{
    const GraphRecord record = FunctionRecord("X");
    struct Row {
        const char* name;
        std::function<void(DocumentWithHistory&)> setUp;  // leaves a bad entry to replay
        bool redo;
    };
    const Row rows[] = {
        {"restore beyond the end", [&](DocumentWithHistory& h) { h.undo->RecordGraphDeleted(3, record); }, false},
        {"change of a missing graph", [&](DocumentWithHistory& h) { h.undo->RecordGraphChange(2, record); }, false},
        {"remove added from empty",
         [](DocumentWithHistory& h) {
             h.document->ClearGraphs();
             h.undo->RecordGraphAdded();
         },
         false},
        {"move from outside", [](DocumentWithHistory& h) { h.undo->RecordGraphMoved(5, 0); }, false},
        {"move onto itself", [](DocumentWithHistory& h) { h.undo->RecordGraphMoved(1, 2); }, false},
        {"restore into a full document",
         [&](DocumentWithHistory& h) {
             while (h.document->GraphCount() < kMaxGraphs) h.document->AddGraph(record);
             h.undo->RecordGraphDeleted(0, record);
         },
         false},
        {"delete again a missing graph",
         [&](DocumentWithHistory& h) {
             DeleteGraphFromDocument(*h.document, 1);
             h.undo->Undo();
             h.document->Graphs.pop_back();
         },
         true},
        {"add again to a full document",
         [&](DocumentWithHistory& h) {
             AddGraphToDocument(*h.document, record);
             h.undo->Undo();
             while (h.document->GraphCount() < kMaxGraphs) h.document->AddGraph(record);
         },
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DocumentWithHistory h({FunctionRecord("X"), FunctionRecord("X^2")});
        ChangeColor(*h.document, 0, 9);  // an older, valid step
        row.setUp(h);
        h.lists->lines = GraphDescriptions(*h.document);
        const auto before = DocumentBytes(*h.document);
        EXPECT_FALSE(row.redo ? h.undo->Redo() : h.undo->Undo());
        EXPECT_EQ(DocumentBytes(*h.document), before);
        EXPECT_FALSE(h.undo->CanUndo());
        EXPECT_FALSE(h.undo->CanRedo());
        EXPECT_EQ(h.lists->undoCaption, "");
        // Both lists are empty now, and empty lists do nothing.
        EXPECT_FALSE(h.undo->Undo());
        EXPECT_FALSE(h.undo->Redo());
        EXPECT_EQ(DocumentBytes(*h.document), before);
    }
}

}  // namespace
}  // namespace vg::undo_test
