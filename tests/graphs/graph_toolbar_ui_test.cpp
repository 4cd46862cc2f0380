// The Graph toolbar's controls and the graph list window on the real main
// window: what they show for each kind, their edits and moves with undo,
// the shared selection, keys and menus, and the window's stored place.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QToolBar>

#include "app/app_globals.h"
#include "app/graph_operations.h"
#include "app/ui/graph_commands.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/graphs_list_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/style_combo_boxes.h"
#include "app/undo_manager.h"
#include "document/draw_styles.h"
#include "document/graph_model.h"
#include "graphs_ui_support.h"

namespace vg {
namespace {

using graphs_ui_test::MainWindowFixture;
using graphs_ui_test::ModalScript;

class GraphToolbarAndList : public ::testing::Test {
protected:
    TMainForm& Form() { return window_.Form(); }
    TGraphicsManager& Document() { return window_.Child().Document(); }
    QComboBox* Graphs() { return Form().findChild<QComboBox*>("FuncComboBox"); }
    TScaledComboBox* Box(const char* name) { return Form().findChild<TScaledComboBox*>(name); }
    TGraphsListForm* List() { return Form().findChild<TGraphsListForm*>("GraphsListForm"); }
    QString UndoText() { return Form().Item(CommandId::Undo)->text(); }
    // Whether the toolbar shows the box (a box may sit in the toolbar's overflow).
    bool Shown(QWidget* box)
    {
        QToolBar* bar = Form().Toolbar(1);
        for (QAction* action : bar->actions())
            if (bar->widgetForAction(action) == box) return action->isVisible();
        return false;
    }

    void Add(GraphRecord r)
    {
        AddGraphToDocument(Document(), r);
        Form().RebuildGraphsList();
        Form().UpdateMenuItems();
    }
    GraphRecord Record(GraphKind kind, const char* formula)
    {
        GraphRecord r = NewGraphRecord(Document().Options);
        ApplyKindDefaults(r, kind, Document().Options);
        r.Formula.Assign(formula);
        return r;
    }
    std::string Formulas()
    {
        std::string text;
        for (int i = 0; i < Document().GraphCount(); ++i) text += Document().Graph(i).Record.Formula.Str();
        return text;
    }

    MainWindowFixture window_;
};

TEST_F(GraphToolbarAndList, styleBoxes_areTheCanvasDrawnLists_inTheirToolbarPlaces)
{
    QToolBar* bar = Form().Toolbar(1);
    const char* names[] = {"FuncComboBox",      "LineWidthComboBox",  "BrushComboBox", "LineStyleComboBox",
                           "PointWidthComboBox", "PointStyleComboBox", "ColorComboBox"};
    int previous = -1;
    for (const char* name : names) {
        auto* box = Form().findChild<QComboBox*>(name);
        ASSERT_NE(box, nullptr) << name;
        if (std::string(name) != "FuncComboBox") {
            EXPECT_NE(qobject_cast<TScaledComboBox*>(box), nullptr) << name;
            EXPECT_EQ(box->toolTip().isEmpty(), false) << name;
        }
        int position = -1;
        for (int i = 0; i < bar->actions().size(); ++i)
            if (bar->widgetForAction(bar->actions()[i]) == box) position = i;
        EXPECT_GT(position, previous) << name << " keeps its place in the toolbar";
        previous = position;
    }
    EXPECT_EQ(Box("ColorComboBox")->count(), 16);
    EXPECT_EQ(Box("LineWidthComboBox")->count(), 5);
    EXPECT_EQ(Box("LineStyleComboBox")->count(), 4);
    EXPECT_EQ(Box("PointWidthComboBox")->count(), 6);
    EXPECT_EQ(Box("PointStyleComboBox")->count(), 8);
    EXPECT_EQ(Box("BrushComboBox")->count(), 7);
}

TEST_F(GraphToolbarAndList, toolbarShowsTheSelectedGraph_byKind_andItsEmptyState)
{
    // No graph: the empty state, everything off.
    EXPECT_EQ(Box("PointWidthComboBox")->currentIndex(), 0);
    EXPECT_EQ(Box("PointStyleComboBox")->currentIndex(), 3);
    EXPECT_EQ(Box("ColorComboBox")->currentIndex(), 2);
    EXPECT_EQ(Box("BrushComboBox")->currentIndex(), 1);
    EXPECT_FALSE(Box("ColorComboBox")->isEnabled());
    EXPECT_FALSE(Shown(Box("BrushComboBox")));
    EXPECT_FALSE(Form().Button(CommandId::LinesDraw)->isEnabled());

    GraphRecord line = Record(GraphKind::YFromX, "x");
    line.Color = 12;
    line.LineStyleWidth = 2 * 16 + 3;
    line.Points = 1;
    GraphRecord region = Record(GraphKind::Equation, "x-y");
    region.Equation.Relation = EquationRelation::Greater;
    region.BrushStyle = 4;
    Add(line);
    Add(region);
    Add(Record(GraphKind::DifField, "x"));

    Graphs()->setCurrentIndex(0);
    EXPECT_EQ(Box("ColorComboBox")->currentIndex(), 12);
    EXPECT_EQ(Box("LineWidthComboBox")->currentIndex(), 2);
    EXPECT_EQ(Box("LineStyleComboBox")->currentIndex(), 2);
    EXPECT_TRUE(Box("LineStyleComboBox")->isEnabled());
    EXPECT_TRUE(Form().Button(CommandId::DrawPoints)->isChecked());
    EXPECT_TRUE(Form().Button(CommandId::LinesDraw)->isEnabled());
    EXPECT_FALSE(Shown(Box("BrushComboBox")));

    Graphs()->setCurrentIndex(1);
    EXPECT_TRUE(Shown(Box("BrushComboBox")));
    EXPECT_EQ(Box("BrushComboBox")->currentIndex(), 4);
    EXPECT_FALSE(Shown(Box("LineWidthComboBox")));
    EXPECT_FALSE(Box("LineStyleComboBox")->isEnabled());
    EXPECT_FALSE(Box("PointStyleComboBox")->isEnabled());
    EXPECT_FALSE(Form().Button(CommandId::LinesDraw)->isEnabled());

    Graphs()->setCurrentIndex(2);
    EXPECT_TRUE(Shown(Box("LineWidthComboBox")));
    EXPECT_FALSE(Box("LineStyleComboBox")->isEnabled());
    EXPECT_FALSE(Form().Button(CommandId::DrawPoints)->isEnabled());
    EXPECT_TRUE(Form().Button(CommandId::DrawGraphic)->isEnabled());
}

TEST_F(GraphToolbarAndList, toolbarEdits_areUndoSteps_andTheSameValueChangesNothing)
{
    Add(Record(GraphKind::YFromX, "x"));
    Document().Modified = false;
    const GraphRecord before = Document().Graph(0).Record;
    const int width = Box("LineWidthComboBox")->currentIndex();
    emit Box("LineWidthComboBox")->activated(width);
    EXPECT_FALSE(Document().Modified);
    EXPECT_EQ(Form().ActiveChild()->UndoManager().UndoList().size(), 1u);  // the add only

    Box("LineWidthComboBox")->setCurrentIndex(4);
    emit Box("LineWidthComboBox")->activated(4);
    EXPECT_EQ(Document().Graph(0).Record.LineWidth(), 5);
    EXPECT_EQ(UndoText(), "&Undo Change graph properties");
    emit Box("ColorComboBox")->activated(9);
    EXPECT_EQ(Document().Graph(0).Record.Color, 9);

    Form().Button(CommandId::LinesDraw)->trigger();
    EXPECT_EQ(Document().Graph(0).Record.Lines, 0);
    EXPECT_FALSE(Form().Button(CommandId::LinesDraw)->isChecked());
    Form().Button(CommandId::LinesDraw)->trigger();
    EXPECT_EQ(Document().Graph(0).Record.Lines, 1);
    EXPECT_EQ(Form().ActiveChild()->UndoManager().UndoList().size(), 5u);

    for (int i = 0; i < 4; ++i) Form().Item(CommandId::Undo)->trigger();
    EXPECT_TRUE(SameBytes(Document().Graph(0).Record, before));
    EXPECT_EQ(Box("LineWidthComboBox")->currentIndex(), width) << "the toolbar follows the undo";
    EXPECT_EQ(Box("ColorComboBox")->currentIndex(), before.Color);
}

TEST_F(GraphToolbarAndList, deletingTheLastGraph_resetsTheToolbarAndDisablesTheCommands)
{
    Add(Record(GraphKind::YFromX, "x"));
    ProgramOptions().Common.FuncPanelDelConfirmation = false;
    Form().Button(CommandId::DeleteFunc)->trigger();
    EXPECT_EQ(Document().GraphCount(), 0);
    EXPECT_EQ(Box("PointStyleComboBox")->currentIndex(), 3);
    EXPECT_EQ(Box("ColorComboBox")->currentIndex(), 2);
    EXPECT_FALSE(Box("ColorComboBox")->isEnabled());
    for (CommandId id : {CommandId::DrawGraphic, CommandId::Props, CommandId::DoubleFunc, CommandId::DeleteFunc})
        EXPECT_FALSE(Form().Button(id)->isEnabled());
    EXPECT_TRUE(Form().Button(CommandId::AddGraph)->isEnabled());
    EXPECT_EQ(List()->GraphsListView->model()->rowCount(), 0);
}

TEST_F(GraphToolbarAndList, listWindow_showsTheGraphs_andSharesTheSelection)
{
    Add(Record(GraphKind::YFromX, "a"));
    Add(Record(GraphKind::YFromX, "b"));
    TGraphsListView* view = List()->GraphsListView;
    ASSERT_EQ(view->model()->rowCount(), 2);
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), "Y(x)=b");
    Graphs()->setCurrentIndex(1);
    EXPECT_EQ(view->currentIndex().row(), 1);
    view->setCurrentIndex(view->model()->index(0, 0));
    EXPECT_EQ(Graphs()->currentIndex(), 0);

    // Undo of an add takes the line out of both lists.
    Form().Item(CommandId::Undo)->trigger();
    EXPECT_EQ(view->model()->rowCount(), 1);
    EXPECT_EQ(Graphs()->count(), 1);
}

TEST_F(GraphToolbarAndList, dragging_movesAboveTheTarget_belowTheLastToTheEnd_andUndoes)
{
    for (const char* f : {"1", "2", "3", "4"}) Add(Record(GraphKind::YFromX, f));
    TGraphsListForm* list = List();
    list->MoveGraph(2, 3);  // onto the next one: already in place
    EXPECT_EQ(Formulas(), "1234");
    list->MoveGraph(2, 0);
    EXPECT_EQ(Formulas(), "3124");
    EXPECT_EQ(Graphs()->currentIndex(), 0);
    EXPECT_EQ(Graphs()->itemText(0), "Y(x)=3");
    EXPECT_EQ(UndoText(), "&Undo Change graphs order");
    list->MoveGraph(0, 3);  // lands just above the target
    EXPECT_EQ(Formulas(), "1234");
    EXPECT_EQ(Graphs()->currentIndex(), 2);
    list->MoveGraph(0, 4);  // dropped below the last line
    EXPECT_EQ(Formulas(), "2341");
    EXPECT_EQ(Graphs()->itemText(3), "Y(x)=1");

    Form().Item(CommandId::Undo)->trigger();
    EXPECT_EQ(Formulas(), "1234");
    Form().Item(CommandId::Redo)->trigger();
    EXPECT_EQ(Formulas(), "2341");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Graphs()->itemText(i).toStdString(), "Y(x)=" + Formulas().substr(i, 1));

    // Where a drop lands: a line, or the end below the last one.
    list->ShowList(true);
    list->resize(300, 300);
    QApplication::processEvents();
    TGraphsListView* view = list->GraphsListView;
    const QRect second = view->visualRect(view->model()->index(1, 0));
    EXPECT_EQ(view->DropTarget(second.center()), 1);
    const QRect last = view->visualRect(view->model()->index(3, 0));
    EXPECT_EQ(view->DropTarget(QPoint(last.center().x(), last.bottom() + 20)), 4);
}

TEST_F(GraphToolbarAndList, keysAndMenus_runTheGraphCommands)
{
    Add(Record(GraphKind::YFromX, "a"));
    Add(Record(GraphKind::YFromX, "b"));
    ProgramOptions().Common.FuncPanelDelConfirmation = false;
    TGraphsListView* view = List()->GraphsListView;
    auto press = [view](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Graph Properties");
        dialog.reject();
    });
    press(Qt::Key_Return);
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Add Graph");
        dialog.reject();
    });
    press(Qt::Key_Insert);
    Graphs()->setCurrentIndex(0);
    press(Qt::Key_Delete);
    EXPECT_EQ(Formulas(), "b");

    List()->GraphItemPopupMenu->findChild<QAction*>("DeleteItem")->trigger();
    EXPECT_EQ(Document().GraphCount(), 0);
    press(Qt::Key_Delete);  // nothing left: nothing happens
    press(Qt::Key_Return);
    script.Dialog([](TGraphPropsForm& dialog) { dialog.reject(); });
    List()->GraphsListPopupMenu->findChild<QAction*>("AddFunctionItem")->trigger();
    EXPECT_EQ(List()->GraphItemPopupMenu->findChild<QAction*>("OtherPropsItem")->text(), "Add'l Properties");
}

TEST_F(GraphToolbarAndList, pictures_showTheGraphsStyle)
{
    GraphRecord shown = Record(GraphKind::YFromX, "x");
    shown.Color = 12;
    shown.LineStyleWidth = 3;
    GraphRecord hidden = shown;
    hidden.Visible = 0;
    Add(shown);
    Add(hidden);
    List()->ShowList(true);
    QApplication::processEvents();
    TGraphsListView* view = List()->GraphsListView;
    const QImage image = view->viewport()->grab().toImage();
    auto blueIn = [&](const QRect& rect) {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (image.pixelColor(x, y) == QColor(0, 0, 255)) ++count;
        return count;
    };
    const qreal ratio = image.devicePixelRatio();
    auto device = [ratio](QRect r) {
        return QRect(int(r.left() * ratio), int(r.top() * ratio), int(r.width() * ratio), int(r.height() * ratio));
    };
    EXPECT_GT(blueIn(device(view->visualRect(view->model()->index(0, 0)))), 20);
    EXPECT_EQ(blueIn(device(view->visualRect(view->model()->index(1, 0)))), 0);
}

TEST_F(GraphToolbarAndList, windowPlaceAndVisibility_areKeptInTheOptions)
{
    TGraphsListForm* list = List();
    ProgramOptions().GraphsListVisible = false;
    Form().Item(CommandId::FunctionList)->trigger();
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(ProgramOptions().GraphsListVisible);
    list->resize(321, 222);
    list->close();
    EXPECT_FALSE(ProgramOptions().GraphsListVisible);
    EXPECT_EQ(ProgramOptions().GraphsList.Width, 321);
    EXPECT_EQ(ProgramOptions().GraphsList.Height, 222);
    // The list is off while no document is open.
    Form().ActiveChild()->close();
    QApplication::processEvents();
    EXPECT_FALSE(list->GraphsListView->isEnabled());
}

}  // namespace
}  // namespace vg
