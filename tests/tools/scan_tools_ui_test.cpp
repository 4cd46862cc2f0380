// The analysis, intersections and value table windows on the offscreen
// platform: they compute once per opening, list what the core found, save
// and copy the texts, take Esc, refuse bad fields with the focus on them, and
// open from the Calculus menu.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/ui/main_form.h"
#include "document/document_file.h"
#include "document/graph_model.h"
#include "support/ui_robots.h"
#include "tools/ui/intersection_forms.h"
#include "tools/ui/research_forms.h"
#include "tools/ui/scan_tool_commands.h"
#include "tools/ui/val_table_form.h"

namespace vg {
namespace {

using test::ClickLater;
using test::Messages;
using test::OnModalOf;
using test::Settle;

// Chooses a file in the next file dialog.
void ChooseFile(const QString& path)
{
    OnModalOf<QFileDialog>([path](QFileDialog* dialog) {
        if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            edit->setText(path);
        } else {
            dialog->selectFile(path);
        }
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

std::vector<std::string> Column(const QTableWidget* grid, int column)
{
    std::vector<std::string> cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem* item = grid->item(row, column);
        cells.push_back(item ? item->text().toStdString() : "");
    }
    return cells;
}

std::string ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

AnalysisSettings Parabola()
{
    AnalysisSettings s;
    s.MinX = -5;
    s.MaxX = 5;
    return s;
}

bool Finished(const TScanResultsForm* form) { return form->Runs() > 0 && !form->Running(); }

class ScanToolWindows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QTemporaryDir dir_;
};

TEST_F(ScanToolWindows, analysisComputesOncePerOpeningAndListsTheResults)
{
    TResearchForm form;
    OnModalOf<TResearchForm>(
        [](TResearchForm* f) {
            EXPECT_EQ(Column(f->NullsStringGrid, 0), (std::vector<std::string>{"-1.41", "1.41"}));
            EXPECT_EQ(Column(f->ExtremumsStringGrid, 0), (std::vector<std::string>{"min"}));
            EXPECT_EQ(Column(f->ExtremumsStringGrid, 1), (std::vector<std::string>{"0"}));
            EXPECT_EQ(Column(f->ExtremumsStringGrid, 2), (std::vector<std::string>{"-2"}));
            EXPECT_EQ(f->NullsLabel->text(), "Zeroes of function: 2");
            EXPECT_EQ(f->ExtremumsLabel->text(), "Extrema: 1");
            EXPECT_EQ(f->DerivativeEdit->text(), "Y'(x)=2*x");
            EXPECT_EQ(f->FormulaShowEdit->text(), "Y(x)=X^2-2");
            EXPECT_EQ(f->MinXLabel->text(), "Minimum of X = -5");
            EXPECT_EQ(f->StepsNumLabel->text(), "Number of steps = 200");
            EXPECT_TRUE(f->SaveToFileButton->isVisible() && f->SaveToFileButton->isEnabled());
            EXPECT_TRUE(f->CopyButton->isVisible() && f->CopyButton->isEnabled());
            EXPECT_FALSE(f->ProgressBar->isVisible());
            // Shown again (as after a message box or file dialog): no new scan.
            f->hide();
            f->show();
            Settle();
            EXPECT_EQ(f->Runs(), 1);
            f->CloseButton->click();
        },
        [](TResearchForm* f) { return Finished(f); });
    form.Execute("X^2-2", Parabola());
    EXPECT_EQ(form.Runs(), 1);

    // The next opening computes the next analysis, with fresh grids.
    AnalysisSettings zerosOnly = Parabola();
    zerosOnly.FindExtremums = false;
    OnModalOf<TResearchForm>([](TResearchForm* f) { f->CloseButton->click(); },
                             [](TResearchForm* f) { return f->Runs() == 2 && !f->Running(); });
    form.Execute("X-1", zerosOnly);
    EXPECT_EQ(Column(form.NullsStringGrid, 0), (std::vector<std::string>{"1"}));
    EXPECT_EQ(Column(form.ExtremumsStringGrid, 0), (std::vector<std::string>{""}));
    EXPECT_EQ(form.ExtremumsLabel->text(), "Extrema: not calculated");
    EXPECT_FALSE(form.ExtremumsStringGrid->isEnabled());
}

TEST_F(ScanToolWindows, analysisSavesCrLfTextAndReportsAWriteError)
{
    const QString path = dir_.filePath("analysis");  // the dialog adds ".txt"
    Messages messages;
    TResearchForm form;
    OnModalOf<TResearchForm>(
        [path](TResearchForm* f) {
            ChooseFile(path);
            ClickLater(f->SaveToFileButton);
            OnModalOf<TResearchForm>(
                [](TResearchForm* again) {
                    ChooseFile("/nonexistent-folder/results.txt");
                    ClickLater(again->SaveToFileButton);
                    OnModalOf<TResearchForm>([](TResearchForm* last) { last->CloseButton->click(); });
                });
        },
        [](TResearchForm* f) { return Finished(f); });
    form.Execute("X^2-2", Parabola());
    ASSERT_NE(form.Analysis(), nullptr);
    EXPECT_EQ(ReadFile(path + ".txt"), form.Analysis()->ResultsText("\r\n"));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"File write error"}));
    EXPECT_EQ(form.Runs(), 1) << "a file dialog or message box does not start another scan";
}

TEST_F(ScanToolWindows, analysisCopiesTheSameTextToTheClipboard)
{
    TResearchForm form;
    OnModalOf<TResearchForm>(
        [](TResearchForm* f) {
            f->CopyButton->click();
            f->CloseButton->click();
        },
        [](TResearchForm* f) { return Finished(f); });
    form.Execute("X^2-2", Parabola());
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), form.Analysis()->ResultsText("\r\n"));
}

TEST_F(ScanToolWindows, escInterruptsTheScanWithoutClosingTheWindow)
{
    TResearchForm form;
    AnalysisSettings s;
    s.StepsNum = 20000;
    // Esc pressed when the progress bar first shows 10 %.
    QObject::connect(form.ProgressBar, &QProgressBar::valueChanged, &form, [&form](int value) {
        if (value != 10) return;
        QKeyEvent* esc = new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::postEvent(&form, esc);
    });
    bool stillOpen = false;
    OnModalOf<TResearchForm>(
        [&stillOpen](TResearchForm* f) {
            stillOpen = f->isVisible();
            f->CloseButton->click();
        },
        [](TResearchForm* f) { return Finished(f); });
    form.Execute("SIN(X)", s);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(form.NullsLabel->text(), "Zeroes of function: 1 (interrupted)");
    EXPECT_EQ(form.ExtremumsLabel->text(), "Extrema: 6");
}

TEST_F(ScanToolWindows, analysisOptionsRefuseWithTheFocusOnTheField)
{
    Messages messages;
    TResearchOptionsForm options;
    options.SetInput(AnalysisInputFrom(AnalysisSettings{}, "SIN(X)"), {"X^2", "1/X"});
    options.show();
    options.activateWindow();
    Settle();
    EXPECT_EQ(options.FormulaComboBox->count(), 2);
    EXPECT_EQ(options.FormulaComboBox->currentText(), "SIN(X)");
    options.StepsNumEdit->setText("99");
    options.OKButton->click();
    Settle();
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"This value must be an integer\rfrom 100 up to 20000"}));
    EXPECT_EQ(QApplication::focusWidget(), options.StepsNumEdit);
    EXPECT_EQ(options.result(), 0);
    options.StepsNumEdit->setText("300");
    options.OKButton->click();
    EXPECT_EQ(options.result(), int(QDialog::Accepted));
    EXPECT_EQ(options.Accepted().StepsNum, 300);
}

TEST_F(ScanToolWindows, intersectionsSearchOnceAndCopyWithLeadingBlanks)
{
    TIntersectionForm form("X^2", "2", {-10, 10, 1000, 3});
    EXPECT_FALSE(form.SaveToFileButton->isEnabled());
    const QString path = dir_.filePath("points.txt");
    OnModalOf<TIntersectionForm>(
        [path](TIntersectionForm* f) {
            EXPECT_EQ(Column(f->IntersectStringGrid, 0), (std::vector<std::string>{"-1.414", "1.414"}));
            EXPECT_EQ(Column(f->IntersectStringGrid, 1), (std::vector<std::string>{"2", "2"}));
            EXPECT_EQ(f->IntersectionLabel->text(), "Intersection points: 2");
            EXPECT_EQ(f->Formula2ShowEdit->text(), "Y2(x)=2");
            f->CopyButton->click();
            ChooseFile(path);
            ClickLater(f->SaveToFileButton);
            OnModalOf<TIntersectionForm>([](TIntersectionForm* again) { again->CloseButton->click(); });
        },
        [](TIntersectionForm* f) { return Finished(f); });
    form.exec();
    EXPECT_EQ(form.Runs(), 1);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), form.Search().ResultsText(true, "\r\n"));
    EXPECT_EQ(ReadFile(path), form.Search().ResultsText(false, "\r\n"));
}

TEST_F(ScanToolWindows, valueTableKeepsTypedInputAfterARefusal)
{
    ProgramOptions().ValueTableMin = -1;
    ProgramOptions().ValueTableMax = 1;
    ProgramOptions().ValueTableStep = 0.5L;
    Messages messages;
    TValTableForm form({"SIN(X)", "COS(T)"});
    form.show();
    form.activateWindow();
    Settle();
    EXPECT_EQ(form.FormulaComboBox->count(), 2);
    EXPECT_EQ(form.MinEdit->text(), "-1");
    EXPECT_EQ(form.StepEdit->text(), "0.5");
    EXPECT_FALSE(form.SaveToFileButton->isEnabled());
    EXPECT_FALSE(form.CopyButton->isEnabled());

    form.FormulaComboBox->setEditText("X^2");
    form.StepEdit->setText("0");
    form.CalcButton->click();
    Settle();
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"This value must be a positive\rnumber up to 1*10^100"}));
    EXPECT_EQ(QApplication::focusWidget(), form.StepEdit);
    form.hide();
    form.show();
    Settle();
    EXPECT_EQ(form.FormulaComboBox->currentText(), "X^2") << "shown again, the window keeps what was typed";
    EXPECT_EQ(form.StepEdit->text(), "0");
    EXPECT_FALSE(form.Computed());

    form.StepEdit->setText("1");
    form.CalcButton->click();
    EXPECT_EQ(Column(form.ValuesStringGrid, 0), (std::vector<std::string>{"-1", "0", "1"}));
    EXPECT_EQ(Column(form.ValuesStringGrid, 1), (std::vector<std::string>{"1", "0", "1"}));
    EXPECT_TRUE(form.SaveToFileButton->isEnabled());
    EXPECT_EQ(ProgramOptions().ValueTableStep, 1);

    form.VariableNameEdit->setText("t");
    form.FormulaComboBox->setEditText("t^3");
    form.CalcButton->click();
    EXPECT_EQ(form.ValuesStringGrid->horizontalHeaderItem(0)->text(), " t");
    EXPECT_EQ(form.ValuesStringGrid->horizontalHeaderItem(1)->text(), " f(t)");
    EXPECT_EQ(Column(form.ValuesStringGrid, 1), (std::vector<std::string>{"-1", "0", "1"}));
    form.CopyButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), form.Table().TableText("\r\n"));
}

// ---------------------------------------------------------------- from the main window

class ScanToolCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
        TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
        for (const char* formula : {"X^2/4-5", "1/X"}) {
            GraphRecord r = NewGraphRecord(document.Options);
            r.Formula.Assign(formula);
            document.AddGraph(r);
        }
        GraphRecord inverse = NewGraphRecord(document.Options);
        ApplyKindDefaults(inverse, GraphKind::XFromY, document.Options);
        inverse.Formula.Assign("SIN(Y)");
        document.AddGraph(inverse);
        form_ = test::StartMainFormOn(dir_.filePath("sample.vgr"), document, InstallScanToolCommands);
        ProgramOptions().ResearchMinX = -10;
        ProgramOptions().ResearchMaxX = 10;
        ProgramOptions().ResearchStepsNum = 200;
        ProgramOptions().DigitsNum = 2;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(ScanToolCommands, analyzeFunctionLoopsUntilTheDialogIsCancelled)
{
    EXPECT_TRUE(Command(CommandId::Research).implemented);
    std::vector<std::string> offered;
    OnModalOf<TResearchOptionsForm>([&offered](TResearchOptionsForm* options) {
        for (int i = 0; i < options->FormulaComboBox->count(); ++i)
            offered.push_back(options->FormulaComboBox->itemText(i).toStdString());
        options->FormulaComboBox->setEditText("X^2/4-5");
        options->DigitsNumEdit->setText("3");
        options->OKButton->click();
        OnModalOf<TResearchForm>(
            [](TResearchForm* results) {
                EXPECT_EQ(Column(results->NullsStringGrid, 0), (std::vector<std::string>{"-4.472", "4.472"}));
                results->CloseButton->click();
                // Back in the dialog, which offers the last formula again.
                OnModalOf<TResearchOptionsForm>([](TResearchOptionsForm* again) {
                    EXPECT_EQ(again->FormulaComboBox->currentText(), "X^2/4-5");
                    EXPECT_EQ(again->DigitsNumEdit->text(), "3");
                    again->CancelButton->click();
                });
            },
            [](TResearchForm* results) { return Finished(results); });
    });
    form_->Item(CommandId::Research)->trigger();
    EXPECT_EQ(offered, (std::vector<std::string>{"X^2/4-5", "1/X"}));
    EXPECT_EQ(ProgramOptions().DigitsNum, 3);
}

TEST_F(ScanToolCommands, intersectionsAndValueTableOpenFromTheMenu)
{
    OnModalOf<TIntersectionOptionsForm>([](TIntersectionOptionsForm* options) {
        options->Formula1ComboBox->setEditText("X^2/4-5");
        options->Formula2ComboBox->setEditText("1/X");
        options->OKButton->click();
        OnModalOf<TIntersectionForm>(
            [](TIntersectionForm* results) {
                EXPECT_EQ(Column(results->IntersectStringGrid, 0),
                          (std::vector<std::string>{"-4.37", "-0.2", "4.57"}));
                results->CloseButton->click();
                OnModalOf<TIntersectionOptionsForm>([](TIntersectionOptionsForm* again) {
                    EXPECT_EQ(again->Formula2ComboBox->currentText(), "1/X");
                    again->CancelButton->click();
                });
            },
            [](TIntersectionForm* results) { return Finished(results); });
    });
    form_->Item(CommandId::Intersection)->trigger();

    std::vector<std::string> offered;
    OnModalOf<TValTableForm>(
        [&offered](TValTableForm* table) {
            for (int i = 0; i < table->FormulaComboBox->count(); ++i)
                offered.push_back(table->FormulaComboBox->itemText(i).toStdString());
            table->CancelButton->click();
        },
        [](TValTableForm* table) { return table->FormulaComboBox->count() > 0; });
    form_->Button(CommandId::ValueTable)->trigger();
    EXPECT_EQ(offered, (std::vector<std::string>{"X^2/4-5", "1/X", "SIN(Y)"}));
}

}  // namespace
}  // namespace vg
