// The Regression window on the offscreen platform: what it shows for the
// chosen table and kind, the degree edit's Enter and leave rules, the
// comparison page, and the command from the main window through Add Graph
// and Undo.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "document/document_file.h"
#include "document/graph_model.h"
#include "support/graph_records.h"
#include "support/ui_robots.h"
#include "tools/ui/regression_commands.h"
#include "tools/ui/regression_form.h"

namespace vg {
namespace {

using test::Find;
using test::Messages;
using test::OnModalOf;
using test::Settle;
using test::Text;

using Points = std::vector<std::pair<long double, long double>>;

using test::TableGraph;

GraphRecord Function(const char* formula)
{
    GraphRecord r = NewGraphRecord(DefaultDocumentOptions());
    r.Formula.Assign(formula);
    return r;
}

std::unique_ptr<TGraphicsManager> SampleDocument()
{
    auto document = std::make_unique<TGraphicsManager>(DefaultViewSettings(), DefaultDocumentOptions());
    document->AddGraph(Function("X"));
    document->AddGraph(TableGraph({{1, 3}, {2, 5}, {3, 7}}));
    document->AddGraph(TableGraph({{4, 32}, {1, 2}, {2, 8}, {3, 18}}));
    document->AddGraph(TableGraph({{1, 2}, {1, 3}}));
    return document;
}

void PressEnter(QWidget* widget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class RegressionFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgramOptions().RegressionType = 7;
        ProgramOptions().PolynomPower = 2;
        document_ = SampleDocument();
    }
    std::unique_ptr<TGraphicsManager> document_;
};

TEST_F(RegressionFormTest, showsTheChosenTableAndKind)
{
    TRegressForm form(*document_, 2);  // the selected graph is the second table
    auto* tables = Find<QComboBox>(form, "TableComboBox");
    ASSERT_EQ(tables->count(), 3);
    EXPECT_EQ(tables->itemText(0), "Table: 3 items");
    EXPECT_EQ(tables->currentIndex(), 1);
    EXPECT_TRUE(Find<QRadioButton>(form, "PolynomRadioButton")->isChecked());
    EXPECT_EQ(Text(form, "PolynomPowerEdit"), "2");
    EXPECT_EQ(Text(form, "FormulaEdit"), "2*x^2+0*x+0");
    EXPECT_EQ(Text(form, "SquareLabel"), "Root-mean-square deviation=0");
    EXPECT_EQ(Text(form, "RSquaredLabel"), "R^2=1");

    Find<QRadioButton>(form, "LineRadioButton")->click();
    EXPECT_EQ(ProgramOptions().RegressionType, 1);
    EXPECT_EQ(Text(form, "FormulaEdit"), "10*x-10");

    tables->setCurrentIndex(0);
    EXPECT_EQ(Text(form, "FormulaEdit"), "2*x+1");
    EXPECT_TRUE(Find<QPushButton>(form, "AddFunctionButton")->isEnabled());
    const GraphRecord added = form.GraphToAdd();
    EXPECT_EQ(added.Kind, GraphKind::YFromX);
    EXPECT_EQ(added.Formula.Str(), "2*x+1");

    tables->setCurrentIndex(2);  // two points with one X
    EXPECT_EQ(Text(form, "FormulaEdit"), "");
    EXPECT_EQ(Text(form, "SquareLabel"), "Not enough numbers for regression");
    EXPECT_EQ(Text(form, "RSquaredLabel"), "");
    EXPECT_FALSE(Find<QPushButton>(form, "AddFunctionButton")->isEnabled());
    EXPECT_EQ(Find<QTableWidget>(form, "CompareGrid")->rowCount(), 0);
}

TEST_F(RegressionFormTest, degreeEditEnterAndLeaveRules)
{
    ProgramOptions().RegressionType = 1;
    TRegressForm form(*document_, 2);
    form.show();
    form.activateWindow();
    Settle();
    auto* edit = Find<QLineEdit>(form, "PolynomPowerEdit");
    auto* polynomial = Find<QRadioButton>(form, "PolynomRadioButton");
    Messages messages;

    // Enter with a valid degree chooses the polynomial.
    edit->setFocus();
    edit->setText(" 3 ");
    PressEnter(edit);
    EXPECT_TRUE(polynomial->isChecked());
    EXPECT_EQ(ProgramOptions().RegressionType, 7);
    EXPECT_EQ(ProgramOptions().PolynomPower, 3);
    EXPECT_TRUE(form.isVisible());

    // Enter with a bad one: the message, nothing stored.
    for (const char* bad : {"12", "1", "2.5", "", "x"}) {
        edit->setText(bad);
        PressEnter(edit);
    }
    ASSERT_EQ(messages.texts.size(), 5u);
    EXPECT_EQ(messages.texts[0], "This value must be an integer\rfrom 2 up to 9");
    EXPECT_EQ(ProgramOptions().PolynomPower, 3);

    // Leaving checks once the focus has moved, and brings it back.
    messages.texts.clear();
    edit->setText("10");
    Find<QRadioButton>(form, "BestRadioButton")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(messages.texts.empty());  // not inside the focus change
    Settle();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(edit->hasFocus());

    // Leaving with a valid degree stores it and shows the fit.
    edit->setText("4");
    Find<QRadioButton>(form, "BestRadioButton")->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(ProgramOptions().PolynomPower, 4);

    // Leaving for Cancel checks nothing.
    edit->setFocus();
    edit->setText("0");
    Find<QPushButton>(form, "CancelButton")->setFocus(Qt::MouseFocusReason);
    Settle();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(ProgramOptions().PolynomPower, 4);
}

TEST_F(RegressionFormTest, compareDoubleClickChoosesThatModel)
{
    ProgramOptions().RegressionType = 1;
    TRegressForm form(*document_, 1);
    auto* grid = Find<QTableWidget>(form, "CompareGrid");
    const auto& rows = form.ComparisonRows();
    ASSERT_EQ(grid->rowCount(), int(rows.size()));
    ASSERT_EQ(rows.size(), 7u);  // six kinds and the quadratic
    int quadratic = -1;
    for (int row = 0; row < grid->rowCount(); ++row)
        if (grid->item(row, 0)->text() == "Polynomial") quadratic = row;
    ASSERT_GE(quadratic, 0);
    EXPECT_EQ(grid->item(quadratic, 1)->text(), "2");
    EXPECT_EQ(grid->item(quadratic, 4)->text(), "-");

    emit grid->cellDoubleClicked(quadratic, 0);
    EXPECT_TRUE(Find<QRadioButton>(form, "PolynomRadioButton")->isChecked());
    EXPECT_EQ(ProgramOptions().RegressionType, 7);
    EXPECT_EQ(ProgramOptions().PolynomPower, 2);
    EXPECT_EQ(Text(form, "FormulaEdit"), grid->item(quadratic, 5)->text().toStdString());
}

// ---------------------------------------------------------------- from the main window

class RegressionCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
        ProgramOptions().RegressionType = 1;
        ProgramOptions().PolynomPower = 2;
    }

    TMainForm& StartWith(TGraphicsManager& document)
    {
        form_ = test::StartMainFormOn(dir_.filePath("sample.vgr"), document, InstallRegressionCommands);
        return *form_;
    }

    // Runs action on the next modal window once it shows.
    static void OnModal(std::function<void(QWidget*)> action)
    {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, action] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            timer->stop();
            timer->deleteLater();
            action(modal);
        });
        timer->start();
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(RegressionCommandTest, refusesADocumentWithoutTable)
{
    TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
    document.AddGraph(Function("X"));
    TMainForm& form = StartWith(document);
    Messages messages;
    form.Item(CommandId::Regress)->trigger();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "There is no graph determined by table");
}

TEST_F(RegressionCommandTest, addsTheFittedCurveAndUndoRemovesIt)
{
    std::unique_ptr<TGraphicsManager> sample = SampleDocument();
    TMainForm& form = StartWith(*sample);
    TGraphicsManager& document = form.ActiveChild()->Document();
    ASSERT_EQ(document.GraphCount(), 4);

    std::string shownFormula;
    OnModal([&](QWidget* modal) {
        ASSERT_NE(qobject_cast<TRegressForm*>(modal), nullptr);
        shownFormula = modal->findChild<QLineEdit*>("FormulaEdit")->text().toStdString();
        // Add Graph shows the graph properties dialog on the curve: confirm it.
        OnModalOf<TGraphPropsForm>([](TGraphPropsForm* dialog) { dialog->OKButton->click(); });
        modal->findChild<QPushButton*>("AddFunctionButton")->click();
    });
    form.Item(CommandId::Regress)->trigger();
    Settle();
    EXPECT_EQ(shownFormula, "2*x+1");
    ASSERT_EQ(document.GraphCount(), 5);
    EXPECT_EQ(document.Graph(4).Record.Kind, GraphKind::YFromX);
    EXPECT_EQ(document.Graph(4).Record.Formula.Str(), "2*x+1");
    EXPECT_GT(document.Graph(4).ValuesSize, 0u);

    form.Item(CommandId::Undo)->trigger();
    Settle();
    EXPECT_EQ(document.GraphCount(), 4);
    document.Modified = false;  // no question at the end of the test
}

}  // namespace
}  // namespace vg
