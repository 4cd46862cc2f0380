// The graph properties dialog and the graph commands on the real main
// window: each kind added through the dialog, refusals with the focus on the
// field, Graph Properties, Double, Delete, the default graph properties, and
// the undo captions of each.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "app/app_globals.h"
#include "app/graph_operations.h"
#include "app/ui/graph_commands.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/standart_props_form.h"
#include "app/ui/table_points_grid.h"
#include "app/undo_manager.h"
#include "document/graph_model.h"
#include "graphs_ui_support.h"
#include "support/ui_robots.h"

namespace vg {
namespace {

using graphs_ui_test::MainWindowFixture;
using graphs_ui_test::ModalScript;
using graphs_ui_test::PressOK;
using graphs_ui_test::SetText;

class GraphCommands : public ::testing::Test {
protected:
    TGraphicsManager& Document() { return window_.Child().Document(); }
    QString UndoText() { return window_.Form().Item(CommandId::Undo)->text(); }
    QComboBox* List() { return window_.Form().findChild<QComboBox*>("FuncComboBox"); }
    void Trigger(CommandId id)
    {
        QAction* action = window_.Form().Item(id) ? window_.Form().Item(id) : window_.Form().Button(id);
        ASSERT_NE(action, nullptr);
        action->trigger();
    }
    void AddYFromX(const char* formula)
    {
        GraphRecord r = NewGraphRecord(Document().Options);
        r.Formula.Assign(formula);
        AddGraphToDocument(Document(), r);
        window_.Form().RebuildGraphsList();
    }

    MainWindowFixture window_;
};

// Each kind's own intervals and plot parameters show in the fields of its
// page and come back unchanged through OK.
TEST(GraphPropsDialog, ownIntervalsOfEachKind_showInTheirFieldsAndComeBackThroughOK)
{
    struct Case {
        GraphKind kind;
        const char* formula;
        std::function<void(GraphRecord&)> set;
        std::vector<std::pair<const char*, const char*>> shown;  // edit, text
        std::vector<const char*> ticked;
    };
    const auto line = [](LineParams& p) {
        p.CommonInterval = p.CommonBuild = 0;
        p.Min = Ext80::From(-3);
        p.Max = Ext80::From(4.5L);
        p.Steps = 321;
        p.MaxGap = 7;
    };
    const Case cases[] = {
        {GraphKind::XFromY, "Y^2", [&](GraphRecord& r) { line(r.Line); },
         {{"MinXYEdit", "-3"}, {"MaxXYEdit", "4.5"}, {"StepsNumEditXY", "321"}, {"MaxGapEditXY", "7"}},
         {"IntervalsCheckBoxXY", "BuildCheckBoxXY"}},
        {GraphKind::Polar, "A", [&](GraphRecord& r) { line(r.Line); },
         {{"MinATEdit", "-3"}, {"MaxATEdit", "4.5"}, {"StepsNumEditAT", "321"}, {"MaxGapEditAT", "7"}},
         {"BuildCheckBoxAT"}},
        {GraphKind::Equation, "X-Y",
         [](GraphRecord& r) {
             EquationParams& p = r.Equation.Params;
             p.CommonInterval = 0;
             p.MinX = Ext80::From(-1);
             p.MaxX = Ext80::From(2);
             p.MinY = Ext80::From(-5);
             p.MaxY = Ext80::From(6);
             p.StepsX = 40;
             p.StepsY = 50;
             p.MaxGap = 3;
         },
         {{"MinXEditEq", "-1"}, {"MaxXEditEq", "2"}, {"MinYEditEq", "-5"}, {"MaxYEditEq", "6"},
          {"StepsNumXEditEq", "40"}, {"StepsNumYEditEq", "50"}, {"MaxGapEditEq", "3"}},
         {"IntervalsCheckBoxEq"}},
        {GraphKind::DifField, "X*Y",
         [](GraphRecord& r) {
             DifFieldParams& p = r.DifField.Params;
             p.CommonInterval = 0;
             p.MinX = Ext80::From(-2);
             p.MaxX = Ext80::From(3);
             p.MinY = Ext80::From(-4);
             p.MaxY = Ext80::From(5);
             p.SeriesX = 12;
             p.SeriesY = 13;
             p.LineLength = 9;
         },
         {{"MinXEditDF", "-2"}, {"MaxXEditDF", "3"}, {"MinYEditDF", "-4"}, {"MaxYEditDF", "5"},
          {"StepsNumXEditDF", "12"}, {"StepsNumYEditDF", "13"}, {"LinesLengthEditDF", "9"}},
         {"IntervalsCheckBoxDF"}},
        {GraphKind::Integral, "X",
         [](GraphRecord& r) {
             IntegralParams& p = r.Integral.Params;
             p.CommonInterval = p.CommonBuild = 0;
             p.MinX = Ext80::From(-6);
             p.MaxX = Ext80::From(7);
             p.FirstX = Ext80::From(0.25L);
             p.FirstY = Ext80::From(-0.5L);
             p.Steps = 222;
             p.MaxGap = 8;
         },
         {{"MinXYEditInt", "-6"}, {"MaxXYEditInt", "7"}, {"FirstXEditInt", "0.25"}, {"FirstYEditInt", "-0.5"},
          {"StepsNumEditInt", "222"}, {"MaxGapEditInt", "8"}},
         {"IntervalsCheckBoxInt", "BuildCheckBoxInt"}},
    };
    const DocumentOptions options = DefaultDocumentOptions();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        GraphRecord record = NewGraphRecord(options);
        ApplyKindDefaults(record, c.kind, options);
        record.Formula.Assign(c.formula);
        c.set(record);
        TGraphPropsForm dialog;
        dialog.SetPropsInForm(record, TGraphPropsForm::Mode::GraphProperties, GraphPropsPage::OtherProperties);
        for (const auto& [name, text] : c.shown) {
            QWidget* field = dialog.findChild<QWidget*>(name);
            ASSERT_NE(field, nullptr) << name;
            const QString shown = qobject_cast<QSpinBox*>(field) ? qobject_cast<QSpinBox*>(field)->text()
                                                                   : qobject_cast<QLineEdit*>(field)->text();
            EXPECT_EQ(shown.toStdString(), text) << name;
        }
        for (const char* name : c.ticked) {
            auto* box = dialog.findChild<QCheckBox*>(name);
            ASSERT_NE(box, nullptr) << name;
            EXPECT_TRUE(box->isChecked()) << name;
        }
        test::Messages refusals;
        dialog.OKButtonClick();
        EXPECT_EQ(refusals.texts, std::vector<std::string>{});
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(std::memcmp(dialog.Record().KindPart, record.KindPart, kKindPartSize), 0);
    }
}

TEST_F(GraphCommands, addGraph_ofEveryKind_throughTheDialog)
{
    struct Case {
        int kind;
        const char* edit;
        const char* formula;
        const char* description;
    };
    const Case cases[] = {
        {0, "FormulaYFromXEdit", "sin(x)", "Y(x)=sin(x)"},
        {1, "FormulaXFromYEdit", "y^2", "X(y)=y^2"},
        {2, "FormulaPolarEdit", "2*a", "R(a)=2*a"},
        {3, "FormulaParamXEdit", "cos(t)", "X(t)=cos(t); Y(t)=sin(t)"},
        {4, "FormulaEquationEdit", "x^2+y^2-4", "x^2+y^2-4<0"},
        {5, "FormulaDifFieldEdit", "x*y", "dx/dy=x*y"},
        {6, nullptr, nullptr, "Table: 2 items"},
    };
    int count = 0;
    for (const Case& c : cases) {
        ModalScript script;
        script.Dialog([&c](TGraphPropsForm& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Add Graph");
            EXPECT_EQ(dialog.PropsPageControl->currentIndex(), 0);
            dialog.FuncStyleComboBox->setCurrentIndex(c.kind);
            if (c.edit) SetText(dialog, c.edit, c.formula);
            if (c.kind == 3) SetText(dialog, "FormulaParamYEdit", "sin(t)");
            if (c.kind == 4) dialog.findChild<QComboBox*>("EquationComboBox")->setCurrentIndex(1);
            if (c.kind == 5) dialog.findChild<QComboBox*>("DifFieldComboBox")->setCurrentIndex(1);
            if (c.kind == 6) {
                auto* grid = dialog.findChild<TTablePointsGrid*>("NumTableGrid");
                ASSERT_NE(grid, nullptr);
                ASSERT_TRUE(grid->isVisibleTo(&dialog));
                grid->item(0, 0)->setText("1");
                grid->item(0, 1)->setText("2E3");
                grid->item(1, 0)->setText("3");
                grid->item(1, 1)->setText("-4");
            }
            PressOK(dialog);
        });
        Trigger(CommandId::AddGraph);
        ++count;
        ASSERT_EQ(Document().GraphCount(), count) << c.description;
        const TFunction& graph = Document().Graph(count - 1);
        EXPECT_EQ(int(graph.Record.Kind), c.kind);
        EXPECT_EQ(GraphDescription(graph.Record), c.description);
        EXPECT_EQ(List()->count(), count);
        EXPECT_EQ(List()->currentIndex(), count - 1);
        EXPECT_EQ(List()->currentText().toStdString(), c.description);
        EXPECT_EQ(UndoText(), "&Undo Add graph");
        EXPECT_TRUE(Document().Modified);
    }
    // The table's cells were read as table cells are.
    EXPECT_EQ(Document().Graph(6).Record.GetTablePoint(0).Y.Get(), 2000.0L);
    // Each graph has a colour of its own while colours are free.
    EXPECT_NE(Document().Graph(0).Record.Color, Document().Graph(1).Record.Color);

    Trigger(CommandId::Undo);
    EXPECT_EQ(Document().GraphCount(), 6);
    EXPECT_EQ(List()->count(), 6);
}

TEST_F(GraphCommands, refusedField_keepsTheDialogOpenWithTheFocusThere)
{
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) {
        SetText(dialog, "FormulaYFromXEdit", "sin(");
        PressOK(dialog);
    });
    script.Press(mbOK);
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>("FormulaYFromXEdit"));
        SetText(dialog, "FormulaYFromXEdit", "sin(x)");
        dialog.PropsPageControl->setCurrentIndex(0);
        dialog.findChild<QCheckBox*>("IntervalsCheckBoxXY")->setChecked(false);
        SetText(dialog, "MinXYEdit", "abc");  // validated although not in use
        PressOK(dialog);
    });
    script.Press(mbOK);
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_EQ(dialog.PropsPageControl->currentIndex(), 1);
        // The edit is switched off: its switch takes the focus.
        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QCheckBox*>("IntervalsCheckBoxXY"));
        dialog.CancelButton->click();
    });
    Trigger(CommandId::AddGraph);
    ASSERT_EQ(script.Messages().size(), 2);
    EXPECT_EQ(script.Messages()[0], "Error 2: discordance of lexems");
    EXPECT_EQ(script.Messages()[1], "This value must be a number\nfrom -1*10^100 up to 1*10^100");
    EXPECT_EQ(Document().GraphCount(), 0);
    EXPECT_FALSE(Document().Modified);
    EXPECT_FALSE(window_.Form().Item(CommandId::Undo)->isEnabled());
}

TEST_F(GraphCommands, badTableCell_becomesTheCurrentCell)
{
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) {
        dialog.FuncStyleComboBox->setCurrentIndex(6);
        auto* grid = dialog.findChild<TTablePointsGrid*>("NumTableGrid");
        grid->item(2, 1)->setText("abc");
        PressOK(dialog);
    });
    script.Press(mbOK);
    script.Dialog([](TGraphPropsForm& dialog) {
        auto* grid = dialog.findChild<TTablePointsGrid*>("NumTableGrid");
        EXPECT_EQ(grid->currentRow(), 2);
        EXPECT_EQ(grid->currentColumn(), 1);
        dialog.reject();
    });
    Trigger(CommandId::AddGraph);
    EXPECT_EQ(Document().GraphCount(), 0);
}

TEST_F(GraphCommands, thirtyFirstGraph_isRefusedBeforeTheDialog)
{
    for (int i = 0; i < kMaxGraphs; ++i) AddGraphToDocument(Document(), NewGraphRecord(Document().Options));
    window_.Form().RebuildGraphsList();
    ModalScript script;
    script.Press(mbOK);
    Trigger(CommandId::AddGraph);
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_EQ(script.Messages()[0], "Amount of the graphs cannot exceed 30");
    EXPECT_EQ(Document().GraphCount(), kMaxGraphs);
}

TEST_F(GraphCommands, addGraphFromRecord_integralKind_hasNoKindToChoose)
{
    GraphRecord integral = NewGraphRecord(Document().Options);
    ApplyKindDefaults(integral, GraphKind::Integral, Document().Options);
    integral.Formula.Assign("x");
    bool added = true;
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_FALSE(dialog.FuncStyleComboBox->isEnabled());
        EXPECT_EQ(dialog.FuncStyleComboBox->currentIndex(), -1);
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("FormulaIntegralEdit")->isVisibleTo(&dialog));
        dialog.CancelButton->click();
    });
    added = AddGraphFromRecord(window_.Form(), integral);
    EXPECT_FALSE(added);
    EXPECT_EQ(Document().GraphCount(), 0);
}

TEST_F(GraphCommands, graphProperties_changeIsOneUndoStep_andCancelRecordsNothing)
{
    AddYFromX("x");
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Graph Properties");
        EXPECT_EQ(dialog.PropsPageControl->currentIndex(), 1);  // Add'l properties
        dialog.findChild<QCheckBox*>("BuildCheckBoxXY")->setChecked(true);
        SetText(dialog, "StepsNumEditXY", "50");
        PressOK(dialog);
    });
    Trigger(CommandId::OtherProps);
    EXPECT_EQ(Document().Graph(0).Record.Line.Steps, 50);
    EXPECT_EQ(Document().Graph(0).Record.Line.CommonBuild, 0);
    EXPECT_EQ(UndoText(), "&Undo Change graph properties");

    script.Dialog([](TGraphPropsForm& dialog) {
        SetText(dialog, "FormulaYFromXEdit", "x^3");
        dialog.CancelButton->click();
    });
    script.Dialog([](TGraphPropsForm& dialog) { PressOK(dialog); });  // OK without a change
    Trigger(CommandId::Props);
    Trigger(CommandId::Props);
    EXPECT_EQ(window_.Child().UndoManager().UndoList().size(), 2u);  // the add and the change

    script.Dialog([](TGraphPropsForm& dialog) {
        SetText(dialog, "FormulaYFromXEdit", "x^3");
        PressOK(dialog);
    });
    Trigger(CommandId::Props);
    EXPECT_EQ(List()->itemText(0), "Y(x)=x^3");
    EXPECT_GT(Document().Graph(0).ValuesSize, 0u);
    Trigger(CommandId::Undo);
    EXPECT_EQ(List()->itemText(0), "Y(x)=x");
    Trigger(CommandId::Undo);
    EXPECT_EQ(Document().Graph(0).Record.Line.Steps, NewGraphRecord(Document().Options).Line.Steps);
}

TEST_F(GraphCommands, doubleAndDelete_withTheirUndoSteps)
{
    AddYFromX("1");
    AddYFromX("2");
    List()->setCurrentIndex(0);
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) { PressOK(dialog); });
    Trigger(CommandId::DoubleFunc);
    ASSERT_EQ(Document().GraphCount(), 3);
    EXPECT_EQ(Document().Graph(2).Record.Formula.Str(), "1");
    EXPECT_EQ(List()->currentIndex(), 2);

    ProgramOptions().Common.FuncPanelDelConfirmation = true;
    script.Press(mbNo);
    Trigger(CommandId::DeleteFunc);
    EXPECT_EQ(Document().GraphCount(), 3);
    script.Press(mbYes);
    Trigger(CommandId::DeleteFunc);
    ASSERT_EQ(script.Messages().size(), 2);
    EXPECT_EQ(script.Messages()[0], "Do you want to remove the graph?");
    EXPECT_EQ(Document().GraphCount(), 2);
    EXPECT_EQ(List()->currentIndex(), 1);  // the new last one
    EXPECT_EQ(UndoText(), "&Undo Delete graph");

    ProgramOptions().Common.FuncPanelDelConfirmation = false;
    Trigger(CommandId::DeleteFunc);
    Trigger(CommandId::DeleteFunc);
    EXPECT_EQ(Document().GraphCount(), 0);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(window_.Form().Button(CommandId::DeleteFunc)->isEnabled());
    EXPECT_TRUE(window_.Form().Button(CommandId::AddGraph)->isEnabled());
    Trigger(CommandId::Undo);
    EXPECT_EQ(Document().GraphCount(), 1);
    EXPECT_TRUE(window_.Form().Button(CommandId::DeleteFunc)->isEnabled());
}

TEST_F(GraphCommands, defaultGraphProperties_kindDefaultsAndStyle_reachTheOptions)
{
    ModalScript script;
    script.Then([](QWidget* modal) {
        auto* dialog = qobject_cast<TStandartPropsForm*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Default Graph Properties");
        dialog->findChild<QComboBox*>("ColorComboBox")->setCurrentIndex(9);
        dialog->FuncStyleComboBox->setCurrentIndex(2);
        dialog->findChild<QPushButton*>("DifFieldButton")->click();
    });
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Graph Properties");
        EXPECT_EQ(dialog.PropsPageControl->currentIndex(), 1);
        EXPECT_FALSE(dialog.FuncStyleComboBox->isEnabled());
        EXPECT_FALSE(dialog.findChild<QWidget*>("FormulaGroupBox")->isVisibleTo(&dialog));
        dialog.findChild<QSpinBox*>("LinesLengthEditDF")->setValue(40);
        PressOK(dialog);
    });
    script.Then([](QWidget* modal) {
        auto* dialog = qobject_cast<TStandartPropsForm*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->OKButton->click();
    });
    Trigger(CommandId::FunctionProps);
    EXPECT_EQ(Document().Options.DefaultDifField.LineLength, 40);
    EXPECT_EQ(Document().Options.DefaultStyle.Color, 9);
    EXPECT_EQ(Document().Options.DefaultKind, GraphKind::Polar);
    EXPECT_EQ(UndoText(), "&Undo Change options");

    // A new graph starts from those defaults.
    ProgramOptions().Common.FunctionNewColor = false;
    script.Dialog([](TGraphPropsForm& dialog) {
        EXPECT_EQ(dialog.FuncStyleComboBox->currentIndex(), 2);
        SetText(dialog, "FormulaPolarEdit", "1");
        PressOK(dialog);
    });
    Trigger(CommandId::AddGraph);
    ASSERT_EQ(Document().GraphCount(), 1);
    EXPECT_EQ(Document().Graph(0).Record.Color, 9);
}

// A line length typed outside 4..100 reaches the check and its message
// instead of being silently replaced by the box's last value.
TEST_F(GraphCommands, lineLengthTypedOutsideItsRange_isRefusedWithTheMessage)
{
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) {
        dialog.FuncStyleComboBox->setCurrentIndex(5);
        SetText(dialog, "FormulaDifFieldEdit", "x*y");
        dialog.PropsPageControl->setCurrentIndex(1);
        auto* length = dialog.findChild<QSpinBox*>("LinesLengthEditDF");
        ASSERT_NE(length, nullptr);
        length->setFocus();
        length->selectAll();
        for (int key : {Qt::Key_3, Qt::Key_Return}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_3 ? "3" : "\r");
            QApplication::sendEvent(length, &press);
        }
    });
    script.Press(mbOK);
    script.Dialog([](TGraphPropsForm& dialog) {
        auto* length = dialog.findChild<QSpinBox*>("LinesLengthEditDF");
        EXPECT_EQ(dialog.focusWidget(), length);
        EXPECT_EQ(length->text(), "3");
        // The arrows keep to the range.
        length->stepUp();
        EXPECT_EQ(length->value(), 4);
        length->setValue(100);
        length->stepUp();
        EXPECT_EQ(length->value(), 100);
        dialog.CancelButton->click();
    });
    Trigger(CommandId::AddGraph);
    ASSERT_EQ(script.Messages().size(), 1);
    EXPECT_EQ(script.Messages()[0], "This value must be an integer\nfrom 4 up to 100");
    EXPECT_EQ(Document().GraphCount(), 0);
}

// Choosing the Table kind makes the dialog taller: it stays whole on the
// screen, OK and Cancel within reach.
TEST_F(GraphCommands, tableKind_keepsTheDialogOnTheScreen)
{
    ProgramOptions().Common.ZoomTableWindow = true;
    ModalScript script;
    script.Dialog([](TGraphPropsForm& dialog) {
        const QRect area = dialog.screen()->availableGeometry();
        dialog.move(area.left() + 10, area.bottom() - dialog.frameGeometry().height() - 10);
        dialog.FuncStyleComboBox->setCurrentIndex(6);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_GT(dialog.height(), 600);
        EXPECT_TRUE(area.contains(dialog.frameGeometry())) << dialog.frameGeometry().y() << "+"
                                                           << dialog.frameGeometry().height() << " on "
                                                           << area.height();
        auto* zoom = dialog.findChild<QPushButton*>("ZoomButton");
        zoom->click();  // back to the normal grid and enlarged again
        zoom->click();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_TRUE(area.contains(dialog.frameGeometry()));
        dialog.CancelButton->click();
    });
    Trigger(CommandId::AddGraph);
}

}  // namespace
}  // namespace vg
