// Drives the real main window on the offscreen platform: documents are
// created, opened, saved and closed as a user would, and a timer answers the
// message boxes and file dialogs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <cstdlib>
#include <functional>
#include <memory>

#include "app/app_globals.h"
#include "app/ui/computation_guard.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/message_dialog.h"
#include "document/document_file.h"
#include "document/graph_model.h"
#include "support/modal_script.h"
#include "support/ui_robots.h"

namespace vg {
namespace {

// Answers the next modal windows in order: a message box gets a button
// pressed, a file dialog gets a file name. Remembers the message texts.
class ModalAnswers : public test::ModalScript {
public:
    void ChooseFile(const QString& path)
    {
        On<QFileDialog>([this, path](QFileDialog& dialog) {
            filters_ = dialog.nameFilters();
            if (auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit")) edit->setText(path);
            else dialog.selectFile(path);
            QMetaObject::invokeMethod(&dialog, "accept");
        });
    }

    void CancelFileDialog()
    {
        On<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    }

    const QStringList& Texts() const { return Messages(); }
    // The filters of the last file dialog answered.
    const QStringList& Filters() const { return filters_; }

private:
    QStringList filters_;
};

std::string ExampleDir() { return std::string(VG_SOURCE_DIR) + "/data/examples"; }

// A small document file with two graphs.
QByteArray SampleDocumentBytes()
{
    TGraphicsManager document(DefaultViewSettings(), DefaultDocumentOptions());
    GraphRecord sine = NewGraphRecord(document.Options);
    sine.Formula.Assign("SIN(X)");
    document.AddGraph(sine);
    GraphRecord parabola = NewGraphRecord(document.Options);
    parabola.Formula.Assign("X^2/4-3");
    document.AddGraph(parabola);
    const std::string bytes = DocumentFileBytes(document);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
    }

    TMainForm& StartForm(const QStringList& arguments = {})
    {
        form_ = std::make_unique<TMainForm>();
        form_->Start(arguments);
        for (int i = 0; i < 50 && !form_->Initialized(); ++i) QApplication::processEvents();
        return *form_;
    }

    QString WriteSample(const QString& name, const QByteArray& bytes = SampleDocumentBytes())
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QStringList Captions() const
    {
        QStringList captions;
        for (TMDIChild* child : form_->Children()) captions << child->windowTitle();
        return captions;
    }

    static void Settle()
    {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(MainFormTest, start_withoutArgument_createsNoname1AndReady)
{
    TMainForm& form = StartForm();
    EXPECT_EQ(Captions(), QStringList{"Noname1.vgr"});
    EXPECT_EQ(form.StatusPanel(0)->text(), "Ready");
    EXPECT_TRUE(form.Item(CommandId::FileSave)->isEnabled());
    EXPECT_GE(form.minimumWidth(), 400);
    EXPECT_GE(form.minimumHeight(), 300);
}

TEST_F(MainFormTest, newDocument_takesTheSmallestFreeNonameNumber)
{
    TMainForm& form = StartForm();
    form.Item(CommandId::FileNew)->trigger();
    EXPECT_EQ(Captions(), (QStringList{"Noname1.vgr", "Noname2.vgr"}));
    form.Children()[1]->setWindowTitle("NONAME3.VGR");
    form.Button(CommandId::FileNew)->trigger();
    EXPECT_EQ(Captions(), (QStringList{"Noname1.vgr", "NONAME3.VGR", "Noname2.vgr"}));
    EXPECT_FALSE(form.Children().back()->Document().Named);
}

TEST_F(MainFormTest, newDocuments_cascadeWhollyInsideTheFrame)
{
    TMainForm& form = StartForm();
    for (int i = 0; i < 5; ++i) form.Item(CommandId::FileNew)->trigger();
    Settle();
    const QRect area(QPoint(0, 0), form.MdiArea()->viewport()->size());
    QList<TMDIChild*> children = form.Children();
    ASSERT_EQ(children.size(), 6);
    for (int i = 0; i < children.size(); ++i) {
        EXPECT_TRUE(area.contains(children[i]->geometry())) << i;
        if (i > 0) {
            EXPECT_NE(children[i]->pos(), children[i - 1]->pos()) << i;
        }
    }
}

TEST_F(MainFormTest, open_computesGraphsAndListsTheFileFirst)
{
    const QString path = WriteSample("sample.vgr");
    TMainForm& form = StartForm({path});
    ASSERT_EQ(Captions(), QStringList{"sample.vgr"});
    TMDIChild* child = form.ActiveChild();
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->Document().Named);
    EXPECT_FALSE(child->Document().Modified);
    EXPECT_EQ(child->FileName(), path);
    ASSERT_EQ(child->Document().GraphCount(), 2);
    for (int i = 0; i < 2; ++i) EXPECT_GT(child->Document().Graph(i).ValuesSize, 0u);
    EXPECT_EQ(QString::fromStdString(ProgramOptions().LastFiles[0]), path);
    EXPECT_EQ(form.RecentFileActions().size(), 1);
    EXPECT_EQ(form.RecentFileActions()[0]->text(), "&1 sample.vgr");
    EXPECT_EQ(form.StatusPanel(0)->text(), "Ready");
    EXPECT_TRUE(form.Item(CommandId::Derivative)->isEnabled());
    EXPECT_EQ(form.findChild<QComboBox*>("FuncComboBox")->count(), 2);

    // The window shows the graphs: the blue of the default graph colour.
    child->resize(400, 300);
    QImage shot = child->Canvas()->grab().toImage();
    int coloured = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.saturation() > 100) ++coloured;
        }
    EXPECT_GT(coloured, 100);
}

TEST_F(MainFormTest, open_examples_drawsEveryOne)
{
    const QStringList examples = QDir(QString::fromStdString(ExampleDir())).entryList({"*.vgr"});
    if (examples.isEmpty()) GTEST_SKIP() << "no examples yet";
    TMainForm& form = StartForm();
    for (const QString& name : examples) {
        ASSERT_TRUE(form.OpenDocument(QString::fromStdString(ExampleDir()) + "/" + name)) << name.toStdString();
        TMDIChild* child = form.ActiveChild();
        EXPECT_EQ(child->windowTitle(), name);
        const TGraphicsManager& document = child->Document();
        EXPECT_GT(document.GraphCount(), 0) << name.toStdString();
        for (int i = 0; i < document.GraphCount(); ++i) {
            if (!document.Graph(i).IsEmpty()) {
                EXPECT_GT(document.Graph(i).ValuesSize, 0u) << name.toStdString() << " graph " << i + 1;
            }
        }
        EXPECT_FALSE(document.Modified);
    }
    EXPECT_EQ(form.Children().size(), examples.size() + 1);
}

TEST_F(MainFormTest, open_refusesBadFileWithoutWindowOrRecentEntry)
{
    const QString empty = WriteSample("empty.vgr", QByteArray());
    TMainForm& form = StartForm();
    ModalAnswers answers;
    answers.Press(mbOK);
    EXPECT_FALSE(form.OpenDocument(empty));
    ASSERT_EQ(answers.Texts().size(), 1);
    EXPECT_EQ(answers.Texts()[0], "Incorrect format of the file");
    EXPECT_EQ(Captions(), QStringList{"Noname1.vgr"});
    EXPECT_EQ(ProgramOptions().LastFiles[0], "");
    EXPECT_TRUE(form.RecentFileActions().isEmpty());

    answers.Press(mbOK);
    EXPECT_FALSE(form.OpenDocument(dir_.filePath("missing.vgr")));
    EXPECT_EQ(answers.Texts().value(1), "Input-output error");
}

TEST_F(MainFormTest, open_commandLineFileThatFails_leavesNoDocumentAndMenusAlive)
{
    ModalAnswers answers;
    answers.Press(mbOK);
    TMainForm& form = StartForm({dir_.filePath("missing.vgr")});
    EXPECT_TRUE(form.Initialized());
    EXPECT_TRUE(form.Children().isEmpty());
    EXPECT_TRUE(form.Item(CommandId::FileNew)->isEnabled());
    EXPECT_FALSE(form.Item(CommandId::FileSave)->isEnabled());
}

TEST_F(MainFormTest, openCommand_offersDocumentFiltersAndOpensTheChosenFile)
{
    const QString path = WriteSample("chosen.vgr");
    TMainForm& form = StartForm();
    ModalAnswers answers;
    answers.ChooseFile(path);
    form.Item(CommandId::FileOpen)->trigger();
    EXPECT_EQ(answers.Filters(), (QStringList{"Files of graphs (*.vgr)", "All files (*)"}));
    EXPECT_EQ(Captions(), (QStringList{"Noname1.vgr", "chosen.vgr"}));
}

TEST_F(MainFormTest, saveAs_writesTheDocumentBytesAndRenamesTheWindow)
{
    TMainForm& form = StartForm({WriteSample("sample.vgr")});
    TMDIChild* child = form.ActiveChild();
    child->Document().Modified = true;
    const QString target = dir_.filePath("copy.vgr");
    ModalAnswers answers;
    answers.ChooseFile(target);
    form.Item(CommandId::FileSaveAs)->trigger();
    EXPECT_EQ(answers.Filters(), (QStringList{"Files of graphs (*.vgr)", "All files (*)"}));
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const std::string expected = DocumentFileBytes(child->Document());
    EXPECT_EQ(saved.readAll(), QByteArray(expected.data(), qsizetype(expected.size())));
    EXPECT_EQ(child->windowTitle(), "copy.vgr");
    EXPECT_EQ(child->FileName(), target);
    EXPECT_FALSE(child->Document().Modified);

    // Saved again under the same name, the bytes stay the same.
    child->Document().Modified = true;
    form.Item(CommandId::FileSave)->trigger();
    saved.seek(0);
    EXPECT_EQ(saved.readAll().size(), qsizetype(4 * kFileRecordSize));
}

TEST_F(MainFormTest, saveOfUnnamedDocument_cancelledDialogKeepsItUnnamedAndModified)
{
    TMainForm& form = StartForm();
    TMDIChild* child = form.ActiveChild();
    child->Document().Modified = true;
    ModalAnswers answers;
    answers.CancelFileDialog();
    form.Item(CommandId::FileSave)->trigger();
    EXPECT_FALSE(child->Document().Named);
    EXPECT_TRUE(child->Document().Modified);
    EXPECT_EQ(child->windowTitle(), "Noname1.vgr");
}

TEST_F(MainFormTest, recentFiles_keepOrderAndShortenLongNames)
{
    TMainForm& form = StartForm();
    const QString a = WriteSample("a.vgr"), b = WriteSample("b.vgr"), c = WriteSample("c.vgr"),
                  d = WriteSample("d.vgr"), e = WriteSample("a_rather_long_document_name_31.vgr");
    for (const QString& path : {d, c, b, a}) form.OpenDocument(path);
    form.OpenDocument(b);
    form.OpenDocument(e);
    const QStringList expected = {"&1 a_rather_long_docume..._31.vgr", "&2 b.vgr", "&3 a.vgr", "&4 c.vgr"};
    QStringList captions;
    for (QAction* action : form.RecentFileActions()) captions << action->text();
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(form.RecentFileActions()[1]->statusTip(), "Open " + b);

    // They sit right before Exit, followed by a separator.
    const QList<QAction*> items = form.FileMenu()->actions();
    const int exitAt = int(items.indexOf(form.Item(CommandId::FileExit)));
    EXPECT_TRUE(items[exitAt - 1]->isSeparator());
    EXPECT_EQ(items[exitAt - 2], form.RecentFileActions().back());

    form.RecentFileActions()[3]->trigger();  // c moves to the top
    EXPECT_EQ(QString::fromStdString(ProgramOptions().LastFiles[0]), c);
    EXPECT_EQ(form.ActiveChild()->windowTitle(), "c.vgr");
}

TEST_F(MainFormTest, closingModifiedDocument_followsTheAnswer)
{
    const QString path = WriteSample("sample.vgr");
    TMainForm& form = StartForm({path});
    TMDIChild* child = form.ActiveChild();
    child->Document().Modified = true;
    child->Document().Options.MinX = -4.0L;
    ModalAnswers answers;

    answers.Press(mbCancel);
    child->close();
    Settle();
    EXPECT_EQ(form.Children().size(), 1);
    EXPECT_EQ(answers.Texts().value(0), "Save changes to sample.vgr?");

    answers.Press(mbYes);
    child->close();
    Settle();
    EXPECT_TRUE(form.Children().isEmpty());
    TGraphicsManager reread(DefaultViewSettings(), DefaultDocumentOptions());
    ASSERT_TRUE(LoadDocument(reread, path.toStdString()));
    EXPECT_EQ(static_cast<long double>(reread.Options.MinX), -4.0L);

    form.OpenDocument(path);
    child = form.ActiveChild();
    child->Document().Modified = true;
    child->Document().Options.MinX = -2.0L;
    answers.Press(mbNo);
    child->close();
    Settle();
    EXPECT_TRUE(form.Children().isEmpty());
    ASSERT_TRUE(LoadDocument(reread, path.toStdString()));
    EXPECT_EQ(static_cast<long double>(reread.Options.MinX), -4.0L);
    EXPECT_EQ(answers.Pending(), 0);
}

TEST_F(MainFormTest, exitWithTwoModifiedDocuments_asksForEachActiveFirst)
{
    TMainForm& form = StartForm();
    form.Item(CommandId::FileNew)->trigger();
    for (TMDIChild* child : form.Children()) child->Document().Modified = true;
    form.MdiArea()->setActiveSubWindow(form.Children()[1]);
    ModalAnswers answers;

    // Cancel at the second question keeps everything.
    answers.Press(mbNo);
    answers.Press(mbCancel);
    EXPECT_FALSE(form.close());
    EXPECT_EQ(form.Children().size(), 2);
    EXPECT_EQ(answers.Texts(), (QStringList{"Save changes to Noname2.vgr?", "Save changes to Noname1.vgr?"}));

    // Yes (saved under a chosen name), then No: the program closes without
    // the windows asking again.
    answers.Press(mbYes);
    answers.ChooseFile(dir_.filePath("second.vgr"));
    answers.Press(mbNo);
    EXPECT_TRUE(form.close());
    Settle();
    EXPECT_EQ(answers.Texts().size(), 4);
    EXPECT_TRUE(QFile::exists(dir_.filePath("second.vgr")));
    EXPECT_EQ(answers.Pending(), 0);
    EXPECT_TRUE(QFile::exists(dir_.filePath("config/VGraph.ini")));
}

TEST_F(MainFormTest, noDocument_disablesDocumentCommandsAndUndo)
{
    TMainForm& form = StartForm();
    form.ActiveChild()->close();
    Settle();
    ASSERT_TRUE(form.Children().isEmpty());
    for (CommandId id : {CommandId::FileSave, CommandId::FileSaveAs, CommandId::SaveAsBitmap,
                         CommandId::CopyAsBitmap, CommandId::FullScreen, CommandId::SaveOptions,
                         CommandId::WindowCascade, CommandId::WindowMinimize, CommandId::Undo,
                         CommandId::Redo, CommandId::Build})
        EXPECT_FALSE(form.Item(id)->isEnabled()) << form.Item(id)->objectName().toStdString();
    for (CommandId id : {CommandId::AddGraph, CommandId::SelectInterval, CommandId::Undo})
        EXPECT_FALSE(form.Button(id)->isEnabled()) << form.Button(id)->objectName().toStdString();
    EXPECT_TRUE(form.Item(CommandId::FileNew)->isEnabled());
    EXPECT_TRUE(form.Item(CommandId::FileOpen)->isEnabled());
}

TEST_F(MainFormTest, activation_copiesBothRecordsIntoTheGlobalOnes)
{
    TMainForm& form = StartForm();
    form.Item(CommandId::FileNew)->trigger();
    TMDIChild* first = form.Children()[0];
    first->Document().View.TopTitle.Assign("First");
    first->Document().Options.MaxY = 33.0L;
    form.MdiArea()->setActiveSubWindow(first);
    Settle();
    EXPECT_EQ(GlobalViewSettings().TopTitle.Str(), "First");
    EXPECT_EQ(static_cast<long double>(GlobalDocumentOptions().MaxY), 33.0L);
}

TEST_F(MainFormTest, saveOptions_makesTheActiveOptionsTheDefaultsOfNewDocuments)
{
    TMainForm& form = StartForm();
    TMDIChild* first = form.ActiveChild();
    first->Document().Options.MinX = -3.0L;
    first->Document().Options.MaxX = 7.0L;
    form.MdiArea()->setActiveSubWindow(nullptr);
    form.MdiArea()->setActiveSubWindow(first);
    form.Item(CommandId::SaveOptions)->trigger();
    EXPECT_TRUE(QFile::exists(dir_.filePath("config/VGraph.cfg")));
    GlobalDocumentOptions() = DefaultDocumentOptions();
    form.Item(CommandId::FileNew)->trigger();
    EXPECT_EQ(static_cast<long double>(form.ActiveChild()->Document().Options.MaxX), 7.0L);
}

TEST_F(MainFormTest, toolbarFlags_persistAcrossRuns)
{
    {
        TMainForm& form = StartForm();
        form.Item(CommandId::CalcPanel)->trigger();
        EXPECT_FALSE(form.Item(CommandId::CalcPanel)->isChecked());
        EXPECT_TRUE(form.Toolbar(2)->isHidden());
        ASSERT_TRUE(form.close());
        form_.reset();
    }
    TMainForm& again = StartForm();
    EXPECT_TRUE(again.Toolbar(2)->isHidden());
    EXPECT_FALSE(again.Toolbar(0)->isHidden());
    EXPECT_FALSE(again.Item(CommandId::CalcPanel)->isChecked());
    EXPECT_TRUE(again.Item(CommandId::StandartPanel)->isChecked());
}

TEST_F(MainFormTest, toolbarPositions_comeFromTheListedKeysWhenTheStateIsUnusable)
{
    QFile ini(dir_.filePath("config/VGraph.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[CalcToolbar]\nVisible=1\nDockedTo=DockBottom\nDockRow=0\nDockPos=0\n"
              "[GraphsToolbar]\nDockedTo=DockLeft\n[Toolbars]\nState=bm90IGEgc3RhdGU=\n");
    ini.close();
    TMainForm& form = StartForm();
    EXPECT_EQ(form.toolBarArea(form.Toolbar(2)), Qt::BottomToolBarArea);
    // The Graph toolbar docks only at the top or bottom.
    EXPECT_EQ(form.toolBarArea(form.Toolbar(1)), Qt::TopToolBarArea);
    EXPECT_EQ(form.toolBarArea(form.Toolbar(0)), Qt::TopToolBarArea);

    // At exit the exact state is written beside the listed keys and wins next time.
    form.addToolBar(Qt::RightToolBarArea, form.Toolbar(0));
    ASSERT_TRUE(form.close());
    form_.reset();
    TMainForm& again = StartForm();
    EXPECT_EQ(again.toolBarArea(again.Toolbar(0)), Qt::RightToolBarArea);
    EXPECT_EQ(again.toolBarArea(again.Toolbar(2)), Qt::BottomToolBarArea);
    QFile written(dir_.filePath("config/VGraph.ini"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_TRUE(text.contains("[StandardToolbar]"));
    EXPECT_TRUE(text.contains("DockedTo=DockRight"));
}

TEST_F(MainFormTest, exit_whenSettingsCannotBeWritten_saysSoAndCloses)
{
    QDir().mkpath(dir_.filePath("config/VGraph.ini"));  // a folder in the file's place
    TMainForm& form = StartForm();
    ModalAnswers answers;
    answers.Press(mbOK);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(answers.Texts().value(0), "File write error");
}

TEST_F(MainFormTest, laterCommands_sayTheyAreNotAvailableYet)
{
    TMainForm& form = StartForm();
    ModalAnswers answers;
    answers.Press(mbOK);
    form.Item(CommandId::Calc)->trigger();
    EXPECT_EQ(answers.Texts().value(0), "This command is not available yet.");
}

TEST_F(MainFormTest, escDuringComputation_stopsItAndFinishCountingCompletesIt)
{
    TGraphicsManager heavy(DefaultViewSettings(), DefaultDocumentOptions());
    for (int i = 0; i < 3; ++i) {
        GraphRecord record = NewGraphRecord(heavy.Options);
        record.Formula.Assign("SIN(X)*COS(X)^2+X/7");
        record.Line.CommonBuild = 0;
        record.Line.Steps = 20000;
        heavy.AddGraph(record);
    }
    const std::string bytes = DocumentFileBytes(heavy);
    const QString path = WriteSample("heavy.vgr", QByteArray(bytes.data(), qsizetype(bytes.size())));

    TMainForm& form = StartForm();
    QString progressText, hintText;
    bool commandRan = false;
    QTimer::singleShot(0, [&] {
        progressText = form.StatusPanel(0)->text();
        hintText = form.StatusPanel(1)->text();
        // A command in the middle of the computation must not run.
        const auto before = form.Children().size();
        form.Item(CommandId::FileNew)->trigger();
        commandRan = form.Children().size() != before;
        QWidget* target = form.ActiveChild() ? static_cast<QWidget*>(form.ActiveChild()->Canvas()) : &form;
        QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    ASSERT_TRUE(form.OpenDocument(path));
    TMDIChild* child = form.ActiveChild();
    EXPECT_TRUE(progressText.startsWith("Graph N 1: ")) << progressText.toStdString();
    EXPECT_EQ(hintText, "Press Esc to interrupt the calculation");
    EXPECT_FALSE(commandRan);
    EXPECT_EQ(form.StatusPanel(0)->text(), "Ready");
    EXPECT_EQ(child->Document().Graph(2).ValuesSize, 0u);

    form.Item(CommandId::Rebuild)->trigger();
    for (int i = 0; i < 3; ++i) EXPECT_GT(child->Document().Graph(i).ValuesSize, 0u) << i;
}

TEST(ComputationGuard, swallowsInputAndReportsEsc)
{
    QLineEdit edit;
    edit.show();
    TComputationGuard guard;
    guard.Begin();
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    EXPECT_FALSE(guard.EscapePressed());
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_TRUE(guard.EscapePressed());
    EXPECT_FALSE(guard.EscapePressed());
    EXPECT_EQ(edit.text(), "");
    guard.SetEscapeCheck(false);
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_FALSE(guard.EscapePressed());
    guard.End();
    QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b"));
    QApplication::processEvents();
    EXPECT_EQ(edit.text(), "b");
}

TEST_F(MainFormTest, closeDuringComputation_waitsForItsEnd)
{
    TMainForm& form = StartForm();
    TMDIChild* child = form.ActiveChild();
    TComputationGuard* guard = form.findChild<TComputationGuard*>();
    ASSERT_NE(guard, nullptr);
    guard->Begin();
    EXPECT_FALSE(form.close());
    child->close();
    QApplication::processEvents();
    EXPECT_EQ(form.Children().size(), 1);
    guard->End();
}

// A menu's hint stays only while the menu is open; afterwards the status bar
// is back to "Ready" with no hint, however the menu was closed.
TEST_F(MainFormTest, statusBar_returnsToReady_whenAMenuCloses)
{
    TMainForm& form = StartForm();
    QMenu* viewMenu = form.findChild<QMenu*>("ViewMenu");
    ASSERT_NE(viewMenu, nullptr);
    QAction* item = form.Item(CommandId::StandartPanel);
    for (int key : {0, int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Return)}) {
        form.StatusPanel(0)->setText("Graph 1: 50%");
        // Opened from the menu bar, which keeps its title highlighted after
        // Escape and shows the title's hint again.
        form.menuBar()->setActiveAction(viewMenu->menuAction());
        Settle();
        ASSERT_TRUE(viewMenu->isVisible());
        viewMenu->setActiveAction(item);
        Settle();
        EXPECT_EQ(form.StatusPanel(1)->text(), "Hide/Show the Standard toolbar");
        if (key == 0) {
            viewMenu->hide();
        } else {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(viewMenu, &press);
        }
        Settle();
        EXPECT_FALSE(viewMenu->isVisible());
        EXPECT_EQ(form.StatusPanel(0)->text(), "Ready") << key;
        EXPECT_EQ(form.StatusPanel(1)->text(), "") << key;
    }
}

// Cascaded document windows keep a useful size, as tiled ones do.
TEST_F(MainFormTest, cascade_keepsDocumentWindowsLarge)
{
    TMainForm& form = StartForm();
    form.resize(1000, 700);
    for (int i = 0; i < 3; ++i) form.Item(CommandId::FileNew)->trigger();
    Settle();
    form.Item(CommandId::WindowCascade)->trigger();
    Settle();
    const QSize area = form.MdiArea()->viewport()->size();
    QList<TMDIChild*> children = form.Children();
    ASSERT_EQ(children.size(), 4);
    for (TMDIChild* child : children) {
        EXPECT_FALSE(child->isMaximized());
        EXPECT_GE(child->width(), area.width() / 2) << child->windowTitle().toStdString();
        EXPECT_GE(child->height(), area.height() / 2) << child->windowTitle().toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(child->geometry()));
    }
    EXPECT_NE(children[0]->pos(), children[1]->pos());
}

// Buttons and menu items of a command follow one enabling rule, with and
// without documents and graphs, the toolbar buttons as the user sees them.
TEST_F(MainFormTest, toolbarButtons_followTheirMenuItemsEnabling)
{
    TMainForm& form = StartForm();
    auto compare = [&form](const char* when) {
        for (const CommandInfo& command : AllCommands()) {
            QAction* item = form.Item(command.id);
            QAction* button = form.Button(command.id);
            if (!item || !button) continue;
            EXPECT_EQ(button->isEnabled(), item->isEnabled()) << command.buttonName << " " << when;
            for (QToolBar* bar : form.findChildren<QToolBar*>()) {
                if (QWidget* widget = bar->widgetForAction(button)) {
                    EXPECT_EQ(widget->isEnabled(), item->isEnabled()) << command.buttonName << " widget " << when;
                }
            }
        }
    };
    compare("with an empty document");
    form.ActiveChild()->close();
    Settle();
    ASSERT_TRUE(form.Children().isEmpty());
    compare("without documents");
    EXPECT_FALSE(form.Button(CommandId::Derivative)->isEnabled());
    EXPECT_FALSE(form.Button(CommandId::Regress)->isEnabled());
}

// While another program is active, the last document window stays the
// program's current one: its commands stay enabled and the graph lists keep
// showing its graphs.
TEST_F(MainFormTest, activeDocument_staysCurrentWhileAnotherProgramIsActive)
{
    TMainForm& form = StartForm({WriteSample("two.vgr")});
    form.show();
    form.activateWindow();
    Settle();
    TMDIChild* child = form.ActiveChild();
    ASSERT_NE(child, nullptr);
    // What the window system's focus going to another program brings.
    QApplication::setActiveWindow(nullptr);
    QEvent away(QEvent::ApplicationDeactivate);
    QApplication::sendEvent(qApp, &away);
    Settle();
    EXPECT_EQ(form.ActiveChild(), child);
    EXPECT_TRUE(form.Item(CommandId::FileSave)->isEnabled());
    EXPECT_TRUE(form.Button(CommandId::DeleteFunc)->isEnabled());
    QEvent back(QEvent::ApplicationActivate);
    QApplication::sendEvent(qApp, &back);
    QApplication::setActiveWindow(&form);
    Settle();
    EXPECT_EQ(form.ActiveChild(), child);
}

}  // namespace
}  // namespace vg
