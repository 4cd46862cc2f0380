// The options dialogs and the Languages dialog on the real main window
// (offscreen): each opened from its command, a value changed, OK or Cancel,
// and what the document, its undo history and the settings hold afterwards.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/axles_form.h"
#include "app/ui/back_ground_form.h"
#include "app/ui/build_form.h"
#include "app/ui/common_options_form.h"
#include "app/ui/language_form.h"
#include "app/ui/main_form.h"
#include "app/ui/message_dialog.h"
#include "app/ui/mdi_child.h"
#include "app/ui/options_commands.h"
#include "app/ui/style_combo_boxes.h"
#include "app/undo_manager.h"
#include "document/graph_model.h"
#include "support/modal_script.h"
#include "support/ui_robots.h"

namespace vg {
namespace {

using ModalSteps = test::ModalScript;

template <class W>
W* Child(QWidget* parent, const char* name)
{
    W* widget = parent->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void SetText(QWidget* dialog, const char* name, const char* text)
{
    if (auto* edit = Child<QLineEdit>(dialog, name)) edit->setText(QString::fromUtf8(text));
}

void Press(QWidget* dialog, const char* name)
{
    if (auto* button = Child<QPushButton>(dialog, name)) button->click();
}

class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::UseSettingsFolderIn(dir_);
        form_ = test::StartMainForm(InstallOptionsCommands);
        ASSERT_NE(form_->ActiveChild(), nullptr);
        ProgramOptions().Common = TCommonRecord();
    }
    void TearDown() override
    {
        for (TMDIChild* child : form_->Children()) child->SetModified(false);
        form_.reset();
    }

    TGraphicsManager& Document() { return form_->ActiveChild()->Document(); }
    TUndoManager& Undo() { return form_->ActiveChild()->UndoManager(); }
    void Run(CommandId id)
    {
        QAction* action = form_->Item(id) ? form_->Item(id) : form_->Button(id);
        ASSERT_NE(action, nullptr);
        action->trigger();
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
    std::vector<std::string> messages_;
    ScopedMessageDialogHandler answer_{[this](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
        messages_.push_back(text);
        return mrOk;
    }};
};

TEST_F(OptionsWindow, plotOptions_appliesOnOK_asOneUndoStep_andCancelChangesNothing)
{
    const DocumentOptions before = Document().Options;
    {
        ModalSteps steps;
        steps.Then([](QWidget* d) {
            SetText(d, "MinXEdit", "-20");
            Press(d, "CancelButton");
        });
        Run(CommandId::Build);
    }
    EXPECT_TRUE(SameBytes(Document().Options, before));
    EXPECT_TRUE(SameBytes(GlobalDocumentOptions(), before));
    EXPECT_FALSE(Undo().CanUndo());

    ProgramOptions().Common.ChangeSteps = true;
    {
        ModalSteps steps;
        steps.Then([](QWidget* d) {
            ASSERT_NE(qobject_cast<TBuildForm*>(d), nullptr);
            EXPECT_EQ(d->windowTitle(), "Plot Options");
            EXPECT_EQ(Child<QLineEdit>(d, "MinXEdit")->text(), "-10");
            SetText(d, "MinXEdit", "-20");
            SetText(d, "MaxXEdit", "20");
            Press(d, "OKButton");
        });
        Run(CommandId::Build);
    }
    EXPECT_EQ(Document().Options.MinX.Get(), -20.0L);
    EXPECT_EQ(Document().Options.MaxX.Get(), 20.0L);
    EXPECT_EQ(Document().Options.LabelsXStep.Get(), 2.0L);  // ChangeSteps doubled the X steps
    EXPECT_EQ(Document().Options.MarksYStep.Get(), 1.0L);
    EXPECT_TRUE(SameBytes(GlobalDocumentOptions(), Document().Options));
    EXPECT_EQ(Undo().UndoList().size(), 1u);
    EXPECT_EQ(form_->Item(CommandId::Undo)->text(), "&Undo Change options");
    ASSERT_TRUE(Undo().Undo());
    EXPECT_TRUE(SameBytes(Document().Options, before));
}

TEST_F(OptionsWindow, refusal_showsTheMessage_switchesToTheFieldsPage_andFocusesIt)
{
    ModalSteps steps;
    steps.Then([this](QWidget* d) {
        auto* pages = Child<QTabWidget>(d, "PageControl");
        SetText(d, "MaxXEdit", "-10");
        pages->setCurrentIndex(1);
        Press(d, "OKButton");
        EXPECT_TRUE(d->isVisible()) << "a refusal keeps the dialog open";
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "Maximum of X must be more\rthan minimum of X");
        EXPECT_EQ(pages->currentIndex(), 0);
        EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(d, "MaxXEdit"));
        SetText(d, "MaxXEdit", "10");
        SetText(d, "CoeffXEdit", "0");
        Press(d, "OKButton");
        ASSERT_EQ(messages_.size(), 2u);
        EXPECT_EQ(messages_[1], "This value must be a number\rfrom -1*10^50 up to 1*10^50");
        EXPECT_EQ(pages->currentIndex(), 1);
        Press(d, "CancelButton");
    });
    Run(CommandId::Build);
    EXPECT_FALSE(Undo().CanUndo());
}

TEST_F(OptionsWindow, axisOptions_changesBothRecordsInOneStep_andRemembersItsPage)
{
    const DocumentOptions options = Document().Options;
    const ViewSettings view = Document().View;
    {
        ModalSteps steps;
        steps.Then([](QWidget* d) {
            ASSERT_NE(qobject_cast<TAxlesForm*>(d), nullptr);
            SetText(d, "AxleXNameEdit", "Zeit");
            SetText(d, "TopTitleEdit", "Titel");
            Child<QCheckBox>(d, "TopTitleCheckBox")->setChecked(true);
            Child<QRadioButton>(d, "BoxedRadioButton")->setChecked(true);
            Child<QSpinBox>(d, "LengthYSpinEdit")->setValue(7);
            Child<TColorComboBox>(d, "AxleXColorComboBox")->setCurrentIndex(4);
            auto* font = Child<TFontChooser>(d, "NumsXFontButtonChooser");
            font->TakeChoice({"DejaVu Sans", 9.6, true, false, false, false});
            font->TakeColor(255, 0, 0);
            Child<QTabWidget>(d, "PageControl")->setCurrentIndex(2);
            Press(d, "OKButton");
        });
        steps.Then([](QWidget* d) {
            EXPECT_EQ(Child<QTabWidget>(d, "PageControl")->currentIndex(), 2);
            Press(d, "CancelButton");
        });
        Run(CommandId::Axles);
        Run(CommandId::Axles);
    }
    const DocumentOptions& d = Document().Options;
    EXPECT_EQ(d.AxisXName.Str(), "Zeit");
    EXPECT_EQ(d.AxisXColor, 4);
    EXPECT_EQ(int(d.MarksYLength), 7);
    EXPECT_EQ(d.LabelsXFont.Name.Str(), "DejaVu Sans");
    EXPECT_EQ(int(d.LabelsXFont.Size), 10);
    EXPECT_EQ(d.LabelsXFont.Style, kFontBold);
    EXPECT_EQ(uint32_t(d.LabelsXFont.Color), 0x000000FFu);
    EXPECT_EQ(Document().View.TopTitle.Str(), "Titel");
    EXPECT_EQ(Document().View.TopTitleShow, 1);
    EXPECT_EQ(Document().View.Boxed, 1);
    ASSERT_EQ(Undo().UndoList().size(), 1u);
    EXPECT_EQ(Undo().UndoList().back().Kind, TUndoKind::OptionsAndViewChanged);

    ASSERT_TRUE(Undo().Undo());
    EXPECT_TRUE(SameBytes(Document().Options, options));
    EXPECT_TRUE(SameBytes(Document().View, view));
    EXPECT_FALSE(Undo().CanUndo());
    ASSERT_TRUE(Undo().Redo());
    EXPECT_EQ(Document().Options.AxisXName.Str(), "Zeit");
    EXPECT_EQ(Document().View.Boxed, 1);
    EXPECT_EQ(Undo().UndoList().size(), 1u);
    EXPECT_FALSE(Undo().CanRedo());
}

TEST_F(OptionsWindow, fontNamesTooLongForTheRecord_areRefusedWithAMessage)
{
    ModalSteps steps;
    steps.Then([this](QWidget* d) {
        auto* font = Child<TFontChooser>(d, "TopTitleFontButtonChooser");
        const FontSpec before = font->Font();
        font->TakeChoice({std::string(40, 'W'), 20});
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_NE(messages_[0].find("The name of the font is too long"), std::string::npos);
        EXPECT_EQ(font->Font().Name.Str(), before.Name.Str());
        EXPECT_EQ(int(font->Font().Size), int(before.Size));
        Press(d, "CancelButton");
    });
    Run(CommandId::Axles);
}

TEST_F(OptionsWindow, backgroundOptions_andCommonOptions)
{
    {
        ModalSteps steps;
        steps.Then([](QWidget* d) {
            ASSERT_NE(qobject_cast<TBackGroundForm*>(d), nullptr);
            Child<QCheckBox>(d, "DrawHorLinesBox")->setChecked(true);
            SetText(d, "StepHorEdit", "0.5");
            Child<TColorComboBox>(d, "BackColorComboBox")->setCurrentIndex(14);
            SetText(d, "AngleStepEdit", "2.5");
            Press(d, "OKButton");
            Child<QLineEdit>(d, "AngleStepEdit")->setText("0.5");
            Press(d, "OKButton");
        });
        Run(CommandId::BackGround);
    }
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "This value must be a positive\rnumber up to 2*Pi");
    EXPECT_EQ(Document().Options.HorLines, 1);
    EXPECT_EQ(Document().Options.HorStep.Get(), 0.5L);
    EXPECT_EQ(Document().Options.BackColor, 14);
    EXPECT_EQ(Document().Options.AngularStep.Get(), 0.5L);

    for (const bool ok : {false, true}) {
        ModalSteps steps;
        steps.Then([ok](QWidget* d) {
            ASSERT_NE(qobject_cast<TCommonOptionsForm*>(d), nullptr);
            EXPECT_TRUE(Child<QCheckBox>(d, "FuncPanelDelCheckBox")->isChecked());
            Child<QCheckBox>(d, "FuncPanelDelCheckBox")->setChecked(false);
            Child<QCheckBox>(d, "ShowBackGroundCheckBox")->setChecked(true);
            Press(d, ok ? "OKButton" : "CancelButton");
        });
        Run(CommandId::Common);
        EXPECT_EQ(ProgramOptions().Common.FuncPanelDelConfirmation, !ok);
        EXPECT_EQ(ProgramOptions().Common.ShowBackGround, ok);
    }
}

QStringList MenuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? "-" : action->text() + (action->isChecked() ? " *" : ""));
    return texts;
}

TEST_F(OptionsWindow, languageMenu_listsEveryLanguage_andAClickSelectsOne)
{
    auto* menu = form_->findChild<QMenu*>("LanguageItem");
    ASSERT_NE(menu, nullptr);
    BuildLanguageMenu(*form_);
    EXPECT_EQ(MenuTexts(menu), (QStringList{"English *", "-", "Setup..."}));

    ProgramOptions().Common.Languages = "!?german.vgl?" "?/l/R&D.fr.vgl?";
    BuildLanguageMenu(*form_);
    EXPECT_EQ(MenuTexts(menu), (QStringList{"English", "german *", "R&&D.fr", "-", "Setup..."}));

    // The note is the program's standard box, not translated.
    TTranslator german;
    german.LoadFromBytes("\"Restart Vantor Graphs to apply language changes\" = \"Neu starten\"\n");
    SetTranslator(&german);
    menu->actions().at(2)->trigger();
    SetTranslator(nullptr);
    EXPECT_EQ(ProgramOptions().Common.Languages, "?german.vgl?!?/l/R&D.fr.vgl?");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Restart Vantor Graphs to apply language changes");
    EXPECT_EQ(MenuTexts(menu), (QStringList{"English", "german", "R&&D.fr *", "-", "Setup..."}));

    form_->Item(CommandId::English)->trigger();
    EXPECT_EQ(ProgramOptions().Common.Languages, "?german.vgl?" "?/l/R&D.fr.vgl?");
    EXPECT_EQ(MenuTexts(menu), (QStringList{"English *", "german", "R&&D.fr", "-", "Setup..."}));
}

TEST_F(OptionsWindow, languagesDialog_addsDeletesAndSelects)
{
    ProgramOptions().Common.Languages = "?a.vgl?!?b.vgl?";
    ModalSteps steps;
    steps.Then([this](QWidget* d) {
        auto* form = qobject_cast<TLanguageForm*>(d);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(d->windowTitle(), "Languages");
        auto* list = Child<QListWidget>(d, "LangListBox");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(1)->text(), "a");
        EXPECT_EQ(form->Selected(), 2);
        EXPECT_FALSE(Child<QPushButton>(d, "DeleteButton")->isEnabled());
        list->setCurrentRow(2);
        EXPECT_TRUE(Child<QPushButton>(d, "DeleteButton")->isEnabled());
        EXPECT_EQ(Child<QLabel>(d, "FileNameBar")->text(), "b.vgl");
        form->AddLanguageFile("/x/c.d.vgl");
        form->AddLanguageFile("/x/bad?.vgl");
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(list->count(), 4);
        EXPECT_EQ(list->item(3)->text(), "c.d");
        list->setCurrentRow(1);
        Press(d, "DeleteButton");  // before the selected one: b stays selected
        EXPECT_EQ(form->Selected(), 1);
        list->setCurrentRow(2);
        Press(d, "SelectButton");
        EXPECT_EQ(form->Selected(), 2);
        Press(d, "OKButton");
    });
    Run(CommandId::LanguageSetup);
    EXPECT_EQ(ProgramOptions().Common.Languages, "?b.vgl?!?/x/c.d.vgl?");
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1], "Restart Vantor Graphs to apply language changes");
    EXPECT_EQ(MenuTexts(form_->findChild<QMenu*>("LanguageItem")),
              (QStringList{"English", "b", "c.d *", "-", "Setup..."}));
}

// A mark length typed outside 1..10 reaches the check and its message
// instead of being silently replaced by the box's last value.
TEST_F(OptionsWindow, markLengthTypedOutsideItsRange_isRefusedWithTheMessage)
{
    ModalSteps steps;
    steps.Then([this](QWidget* d) {
        auto* length = Child<QSpinBox>(d, "LengthXSpinEdit");
        Child<QTabWidget>(d, "PageControl")->setCurrentIndex(1);
        length->setFocus();
        length->selectAll();
        for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_Return}) {
            const QString text = key == Qt::Key_Return ? QString("\r") : QString(QChar(key));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(length, &press);
        }
        EXPECT_TRUE(d->isVisible()) << "a refusal keeps the dialog open";
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "This value must be a natural\rnumber up to 10");
        EXPECT_EQ(QApplication::focusWidget(), length);
        Press(d, "CancelButton");
    });
    Run(CommandId::Axles);
    EXPECT_EQ(int(Document().Options.MarksXLength), 2);
}

// The restart note is English, yet while it is open the windows behind it
// keep their language (a menu closing under it shows a translated "Ready").
TEST_F(OptionsWindow, restartNote_isEnglish_whileTheProgramKeepsItsLanguage)
{
    ProgramOptions().Common.Languages = "!?german.vgl?";
    BuildLanguageMenu(*form_);
    TTranslator german;
    german.LoadFromBytes("\"Restart Vantor Graphs to apply language changes\" = \"Neu starten\"\n"
                         "\"Ready\" = \"Bereit\"\n");
    SetTranslator(&german);
    ScopedMessageDialogHandler realBox{[](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                                          int help) { return ShowMessageDialog(text, type, buttons, help, -1, -1); }};
    ModalSteps steps;
    steps.Then([](QWidget* d) {
        auto* box = qobject_cast<TMessageDialog*>(d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->findChild<QLabel*>("Text")->text(), "Restart Vantor Graphs to apply language changes");
        EXPECT_EQ(Translate("Ready"), "Bereit");
        box->Button(mbOK)->click();
    });
    form_->Item(CommandId::English)->trigger();
    EXPECT_EQ(Translate("Ready"), "Bereit");
    SetTranslator(nullptr);
    EXPECT_EQ(ProgramOptions().Common.Languages, "?german.vgl?");
}

}  // namespace
}  // namespace vg
