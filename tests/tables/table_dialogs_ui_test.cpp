// The table dialogs on the offscreen platform, one family at a time: Fill
// and Modify, Find and Replace, Copy, Cut and Paste, Info, the Table File
// Format and Save Table dialogs, and Open and Save Table from the File menu.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <fstream>
#include <memory>
#include <string>

#include "app/app_globals.h"
#include "app/formula_error.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "document/document_file.h"
#include "document/graph_model.h"
#include "support/graph_records.h"
#include "support/ui_robots.h"
#include "tables/ui/copy_table_form.h"
#include "tables/ui/find_form.h"
#include "tables/ui/modify_table_form.h"
#include "tables/ui/open_table_form.h"
#include "tables/ui/save_table_form.h"
#include "tables/ui/table_commands.h"
#include "tables/ui/table_dialog_parts.h"
#include "tables/ui/table_editor_widget.h"
#include "tables/ui/table_grid_widget.h"
#include "tables/ui/table_info_form.h"

namespace vg {
namespace {

using test::Messages;
using test::OnModalOf;
using test::PressKey;
using test::Settle;

std::string Cell(TSGrid* grid, int row, int column) { return grid->item(row, column)->text().toStdString(); }

void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->clear();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

class TableDialogsUi : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor_.resize(600, 400);
        editor_.show();
        grid_ = editor_.Grid();
        std::vector<std::string> cells(200);
        const char* rows[][2] = {{"1", "2"}, {"3", "0.1"}, {"5", "0.10000001"}, {"", "7"}};
        for (int r = 0; r < 4; ++r) cells[2 * r] = rows[r][0], cells[2 * r + 1] = rows[r][1];
        grid_->SetCellTexts(cells);
        Settle();
        ProgramOptions().ReplaceDirection = true;
        ProgramOptions().ReplacePrompt = true;
        ProgramOptions().ReplaceAll = false;
        ProgramOptions().DecimalPoint = true;
    }
    TTableEditorWidget editor_;
    TSGrid* grid_ = nullptr;
};

TEST_F(TableDialogsUi, fillDialogChecksItsFieldsThenFillsTheRange)
{
    bool checked = false;
    OnModalOf<TModifyTableForm>([&](TModifyTableForm* form) {
        EXPECT_EQ(form->windowTitle(), "Fill Table");
        EXPECT_EQ(form->XYGroupBox->title(), "Fill");
        EXPECT_EQ(form->FunctionLabel->text(), "X=f(y,n)=");
        form->YRadioButton->click();
        EXPECT_EQ(form->FunctionLabel->text(), "Y=f(x,n)=");
        EXPECT_TRUE(form->IntervalGroup->AllRadioButton->isChecked());
        TypeInto(form->IntervalGroup->LeftEdit, "3");
        EXPECT_TRUE(form->IntervalGroup->CustomRadioButton->isChecked()) << "typing chooses Custom";
        form->IntervalGroup->RightEdit->setText("2");
        Messages messages;
        form->OKButton->click();
        EXPECT_EQ(messages.texts, std::vector<std::string>{"Lower limit cannot exceed upper limit"});
        EXPECT_TRUE(form->IntervalGroup->RightEdit->hasFocus());
        form->IntervalGroup->RightEdit->setText("4");
        form->FormulaEdit->setText("x*n");
        form->OKButton->click();
        checked = messages.texts.size() == 1;
    });
    editor_.Button("Fill")->click();
    EXPECT_TRUE(checked);
    EXPECT_EQ(Cell(grid_, 1, 1), "0.1");
    EXPECT_EQ(Cell(grid_, 2, 1), "15");
    EXPECT_EQ(Cell(grid_, 3, 1), "") << "no X in row 4";
    editor_.Button("Undo")->click();
    EXPECT_EQ(Cell(grid_, 2, 1), "0.10000001");
}

TEST_F(TableDialogsUi, modifyDialogRefusesAFormulaWithTheEngineMessage)
{
    OnModalOf<TModifyTableForm>([&](TModifyTableForm* form) {
        EXPECT_EQ(form->windowTitle(), "Modify Table");
        EXPECT_EQ(form->XYGroupBox->title(), "Modify");
        EXPECT_EQ(form->FunctionLabel->text(), "X=f(x,y)=");
        form->FormulaEdit->setText("x+n");
        Messages messages;
        form->OKButton->click();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0].rfind("Error ", 0), 0u) << messages.texts[0];
        EXPECT_TRUE(form->FormulaEdit->hasFocus());
        form->IntervalGroup->LeftEdit->setText("101");
        form->OKButton->click();
        EXPECT_EQ(messages.texts.back(), "This value must be a natural\rnumber up to 100");
        form->IntervalGroup->LeftEdit->setText("1");
        form->FormulaEdit->setText("x+y");
        form->OKButton->click();
    });
    editor_.Button("Modify")->click();
    EXPECT_EQ(Cell(grid_, 0, 0), "3");
    EXPECT_EQ(Cell(grid_, 3, 0), "") << "no X to add";
}

TEST_F(TableDialogsUi, findMovesToTheMatchOrSaysValueNotFound)
{
    grid_->SetCurrentCell(0, 0);
    OnModalOf<TFindForm>([](TFindForm* form) {
        EXPECT_TRUE(form->ForwardRadioButton->isChecked());
        form->ValueEdit->setText("2E3");
        Messages messages;
        form->OKButton->click();
        EXPECT_EQ(messages.texts, std::vector<std::string>{"The value must be a number"});
        form->ValueEdit->setText("0.1");
        form->OKButton->click();
    });
    editor_.Button("Find")->click();
    EXPECT_EQ(std::make_pair(grid_->currentRow(), grid_->currentColumn()), std::make_pair(1, 1));

    grid_->SetCurrentCell(0, 0);
    OnModalOf<TFindForm>([](TFindForm* form) {
        form->BackwardRadioButton->click();
        form->ValueEdit->setText("0.1");
        form->OKButton->click();
    });
    Messages messages;
    editor_.Button("Find")->click();
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Value not found"});
    EXPECT_EQ(messages.types.at(0), mtInformation);
    EXPECT_FALSE(ProgramOptions().ReplaceDirection) << "the direction is kept";
}

TEST_F(TableDialogsUi, replaceAsksAtEachMatchWhileTheCellIsCurrent)
{
    grid_->SetCurrentCell(0, 0);
    OnModalOf<TReplaceForm>([](TReplaceForm* form) {
        EXPECT_TRUE(form->PromptCheckBox->isChecked());
        EXPECT_FALSE(form->AllCheckBox->isChecked());
        form->ValueEdit->setText("0.1");
        form->ReplaceEdit->setText("abc");
        Messages messages;
        form->OKButton->click();
        EXPECT_EQ(messages.texts, std::vector<std::string>{"The value must be a number"});
        EXPECT_TRUE(form->ReplaceEdit->hasFocus());
        form->ReplaceEdit->setText("  ");
        form->AllCheckBox->click();
        form->OKButton->click();
    });
    Messages answers({mrNo, mrYes});
    std::vector<std::pair<int, int>> shown;
    answers.onMessage = [&] { shown.push_back({grid_->currentRow(), grid_->currentColumn()}); };
    editor_.Button("Replace")->click();
    EXPECT_EQ(answers.texts, (std::vector<std::string>{"Replace this value?", "Replace this value?"}));
    EXPECT_EQ(answers.buttons.at(0), unsigned(mbYes | mbNo | mbCancel | mbAll));
    EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}}));
    EXPECT_EQ(Cell(grid_, 1, 1), "0.1");
    EXPECT_EQ(Cell(grid_, 2, 1), "");
    EXPECT_TRUE(ProgramOptions().ReplaceAll);
    editor_.Button("Undo")->click();
    EXPECT_EQ(Cell(grid_, 2, 1), "0.10000001") << "one step for the whole Replace";
}

TEST_F(TableDialogsUi, copyCutAndPasteThroughTheClipboard)
{
    OnModalOf<TCopyTableForm>([](TCopyTableForm* form) {
        EXPECT_EQ(form->windowTitle(), "Copy Table");
        form->XCheckBox->click();
        form->YCheckBox->click();
        Messages messages;
        form->OKButton->click();
        EXPECT_EQ(messages.texts, std::vector<std::string>{"At least one column must be selected"});
        form->YCheckBox->click();
        form->IntervalGroup->CustomRadioButton->click();
        form->IntervalGroup->RightEdit->setText("2");
        form->DecimalComboBox->setCurrentIndex(1);
        form->OKButton->click();
    });
    editor_.Button("Copy")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), " 2,00000000000000E+0000\r\n 1,00000000000000E-0001\r\n");
    EXPECT_FALSE(ProgramOptions().DecimalPoint);

    OnModalOf<TCopyTableForm>([](TCopyTableForm* form) {
        EXPECT_EQ(form->windowTitle(), "Cut Table");
        EXPECT_EQ(form->DecimalComboBox->currentIndex(), 1) << "preset from the kept flag";
        form->YCheckBox->click();
        form->OKButton->click();
    });
    editor_.Button("Cut")->click();
    EXPECT_EQ(QApplication::clipboard()->text().left(25), " 1,00000000000000E+0000\r\n");
    EXPECT_EQ(Cell(grid_, 0, 0), "");
    EXPECT_EQ(Cell(grid_, 0, 1), "2");

    QApplication::clipboard()->setText("8\t9\t10\n1,5\n");
    grid_->SetCurrentCell(5, 0);
    editor_.Button("Paste")->click();
    EXPECT_EQ(Cell(grid_, 5, 0), "8");
    EXPECT_EQ(Cell(grid_, 5, 1), "9");
    EXPECT_EQ(Cell(grid_, 6, 0), "1.5");
    editor_.Button("Undo")->click();
    EXPECT_EQ(Cell(grid_, 5, 0), "");
    EXPECT_EQ(Cell(grid_, 0, 0), "") << "undoes the paste only";
}

TEST_F(TableDialogsUi, infoShowsBothColumns)
{
    OnModalOf<TTableInfoForm>([](TTableInfoForm* form) {
        EXPECT_EQ(form->windowTitle(), "Table Info");
        EXPECT_EQ(form->MinXEdit->text(), "1");
        EXPECT_EQ(form->MaxXEdit->text(), "5");
        EXPECT_EQ(form->AMeanXEdit->text(), "3");
        EXPECT_EQ(form->StdDevXEdit->text(), "2");
        EXPECT_EQ(form->MinYEdit->text(), "0.1");
        EXPECT_EQ(form->MaxYEdit->text(), "7");
        EXPECT_TRUE(form->StdDevYEdit->isReadOnly());
        form->accept();
    });
    editor_.Button("Info")->click();
}

TEST(TableFileDialogsUi, tableFileFormatShowsASampleAndADoubleClickChooses)
{
    TOpenTableForm form;
    EXPECT_EQ(form.windowTitle(), "Table File Format");
    EXPECT_EQ(form.Orientation(), TableFileOrientation::Columns);
    ASSERT_EQ(form.DemoListBox->count(), 4);
    EXPECT_EQ(form.DemoListBox->item(0)->text(), "      X1          Y1");
    form.VertRadioButton->click();
    ASSERT_EQ(form.DemoListBox->count(), 2);
    EXPECT_EQ(form.DemoListBox->item(1)->text(), " Y1  Y2  Y3  Y4 . . .");
    form.HorRadioButton->click();
    EXPECT_EQ(form.DemoListBox->count(), 4);
    form.show();
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(form.VertRadioButton, &click);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Orientation(), TableFileOrientation::Rows);
}

using test::TableGraph;

std::string FileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class TableCommandsUi : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
        ProgramOptions().DecimalPoint = true;
    }
    void TearDown() override
    {
        if (form_ && form_->ActiveChild()) form_->ActiveChild()->Document().Modified = false;
        SetTablePointsEditorFactory({});
    }

    TMainForm& StartWith(TGraphicsManager& document)
    {
        form_ = test::StartMainFormOn(dir_.filePath("sample.vgr"), document, InstallTableCommands);
        return *form_;
    }

    QString Write(const char* name, const std::string& bytes)
    {
        std::ofstream(dir_.filePath(name).toStdString(), std::ios::binary) << bytes;
        return dir_.filePath(name);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(TableCommandsUi, openTableAddsTheGraphThroughTheAddGraphDialog)
{
    TGraphicsManager start(DefaultViewSettings(), DefaultDocumentOptions());
    TMainForm& form = StartWith(start);
    ASSERT_TRUE(form.Item(CommandId::OpenTable)->isEnabled());
    TGraphicsManager& document = form.ActiveChild()->Document();
    const QString file = Write("rows.txt", "X: 1 2 3\rY: 4 5 6\r");
    std::vector<std::string> shown;
    OnModalOf<TOpenTableForm>([&](TOpenTableForm* format) {
        format->VertRadioButton->click();
        OnModalOf<TGraphPropsForm>([&](TGraphPropsForm* props) {
            EXPECT_EQ(props->windowTitle(), "Add Graph");
            auto* grid = props->findChild<TSGrid*>();
            ASSERT_NE(grid, nullptr) << "the dialog has the editing grid";
            shown = grid->CellTexts();
            props->OKButton->click();
        });
        format->accept();
    });
    EXPECT_TRUE(OpenTableFile(form, file.toStdString()));
    Settle();
    ASSERT_GE(shown.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.begin() + 6),
              (std::vector<std::string>{"1", "4", "2", "5", "3", "6"}));
    ASSERT_EQ(document.GraphCount(), 1);
    EXPECT_EQ(document.Graph(0).Record.Kind, GraphKind::Table);
    EXPECT_EQ(CountTablePoints(document.Graph(0).Record), 3);
}

TEST_F(TableCommandsUi, openTableRefusals)
{
    TGraphicsManager start(DefaultViewSettings(), DefaultDocumentOptions());
    TMainForm& form = StartWith(start);
    OnModalOf<TOpenTableForm>([](TOpenTableForm* format) { format->accept(); });
    Messages messages;
    EXPECT_FALSE(OpenTableFile(form, dir_.filePath("missing.txt").toStdString()));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"File read error"});

    TGraphicsManager& document = form.ActiveChild()->Document();
    for (int i = 0; i < kMaxGraphs; ++i) document.AddGraph(TableGraph({{1, 1}}));
    form.Item(CommandId::OpenTable)->trigger();
    EXPECT_EQ(messages.texts.back(), "Amount of the graphs cannot exceed 30");
}

TEST_F(TableCommandsUi, saveTableProposesANameAndAsksBeforeReplacing)
{
    TGraphicsManager start(DefaultViewSettings(), DefaultDocumentOptions());
    start.AddGraph(TableGraph({{1, 2}}));
    start.AddGraph(TableGraph({{0.5L, 0.00015L}, {-2, 3}}));
    TMainForm& form = StartWith(start);
    auto* graphs = form.findChild<QComboBox*>("FuncComboBox");
    if (graphs) graphs->setCurrentIndex(1);
    const QString target = dir_.filePath("sample.txt");
    OnModalOf<TSaveTableForm>([&](TSaveTableForm* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save Table");
        EXPECT_EQ(dialog->FileNameEdit->text(), target);
        EXPECT_EQ(dialog->TableComboBox->count(), 2);
        EXPECT_EQ(dialog->TableComboBox->itemText(1), "Table: 2 items");
        dialog->TableComboBox->setCurrentIndex(1);
        EXPECT_TRUE(dialog->Form1RadioButton->isChecked());
        dialog->Form2RadioButton->click();
        dialog->DecimalComboBox->setCurrentIndex(1);
        dialog->OKButton->click();
    });
    form.Item(CommandId::SaveTable)->trigger();
    Settle();
    EXPECT_EQ(FileBytes(target), "0,5\t1,5*10^(-4)\r\n-2\t3\r\n");
    EXPECT_FALSE(ProgramOptions().DecimalPoint);

    // The file exists now: No keeps the dialog open, Yes replaces the file.
    bool stayedOpen = false;
    OnModalOf<TSaveTableForm>([&](TSaveTableForm* dialog) {
        Messages answers({mrNo});
        dialog->TableComboBox->setCurrentIndex(0);
        dialog->OKButton->click();
        stayedOpen = dialog->isVisible() && answers.texts == std::vector<std::string>{"File already exists. Overwrite it?"};
        Messages yes({mrYes});
        dialog->OKButton->click();
    });
    form.Item(CommandId::SaveTable)->trigger();
    Settle();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(FileBytes(target), " 1,00000000000000E+0000\t 2,00000000000000E+0000\r\n");
}

TEST_F(TableCommandsUi, saveTableRefusals)
{
    TGraphicsManager start(DefaultViewSettings(), DefaultDocumentOptions());
    GraphRecord function = NewGraphRecord(DefaultDocumentOptions());
    function.Formula.Assign("X");
    start.AddGraph(function);
    TMainForm& form = StartWith(start);
    Messages messages;
    form.Item(CommandId::SaveTable)->trigger();
    EXPECT_EQ(messages.texts, std::vector<std::string>{"There is no graph determined by table"});

    form.ActiveChild()->Document().AddGraph(TableGraph({{1, 2}}));
    OnModalOf<TSaveTableForm>([&](TSaveTableForm* dialog) {
        dialog->FileNameEdit->setText(dir_.filePath("no/such/folder/t.txt"));
        dialog->OKButton->click();
    });
    form.Item(CommandId::SaveTable)->trigger();
    Settle();
    EXPECT_EQ(messages.texts.back(), "File write error");
}

}  // namespace
}  // namespace vg
