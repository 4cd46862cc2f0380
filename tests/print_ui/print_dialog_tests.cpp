#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>
#include <functional>
#include <set>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/printing.h"
#include "app/program_options.h"
#include "app/translator.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/page_setup_form.h"
#include "app/ui/print_commands.h"
#include "app/ui/print_opt_form.h"
#include "document/document_file.h"
#include "document/ui/show_bitmap_save_form.h"
#include "drawing/sample_documents.h"
#include "print_ui/pdf_raster.h"
#include "support/ui_robots.h"

namespace vg {
namespace {

// Answers the next modal windows in order.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswers()
    {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Poll);
        timer_.start();
    }
    void Add(Answer answer) { answers_.push_back(std::move(answer)); }
    int Pending() const { return static_cast<int>(answers_.size()); }

private:
    void Poll()
    {
        // A dialog that opened a nested one becomes the active modal again
        // when the nested one closes: it was answered already.
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || answered_.contains(modal)) return;
        answered_.append(modal);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
            QTimer::singleShot(0, modal, [modal] { modal->close(); });
            return;
        }
        Answer answer = answers_.front();
        answers_.erase(answers_.begin());
        QTimer::singleShot(0, modal, [answer, modal] { answer(modal); });
    }

    QTimer timer_;
    std::vector<Answer> answers_;
    QList<QPointer<QWidget>> answered_;
};

struct Messages {
    std::vector<std::string> texts;
    ScopedMessageDialogHandler handler{[this](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
        texts.push_back(text);
        return static_cast<int>(mrOk);
    }};
};

TEST(TPrintOptForm, offersThePrintersAndPdfAndStaysOpenForPageSetup)
{
    TPrintOptForm form(nullptr, {"Office", "Lab"});
    EXPECT_EQ(form.windowTitle(), "Print Graphs");
    EXPECT_EQ(form.PrintOptionsGroupBox->title(), "Print Options");
    EXPECT_EQ(form.BlackAndWhiteCheckBox->text(), "Black and White Only");
    EXPECT_EQ(form.PrintButton->text(), "Print");
    EXPECT_TRUE(form.PrintButton->isDefault());
    EXPECT_EQ(form.PageSetupButton->text(), "Page Setup...");
    EXPECT_EQ(form.CancelButton->text(), "Cancel");
    ASSERT_EQ(form.PrinterComboBox->count(), 3);
    EXPECT_EQ(form.PrinterComboBox->itemText(2), "Print to PDF");
    form.SetPrinter("Lab");
    EXPECT_EQ(form.Printer(), "Lab");
    for (const char* gone : {"", "Gone"}) {
        form.SetPrinter(gone);
        EXPECT_EQ(form.PrinterComboBox->currentIndex(), 2);
        EXPECT_EQ(form.Printer(), "");
    }
    // Without any printer, PDF is still there.
    TPrintOptForm alone(nullptr, {});
    ASSERT_EQ(alone.PrinterComboBox->count(), 1);
    EXPECT_EQ(alone.Printer(), "");

    int pageSetups = 0, help = 0;
    form.pageSetup = [&](TPrintOptForm&) { ++pageSetups; };
    form.showHelp = [&](int context) { help = context; };
    form.show();
    form.PageSetupButton->click();
    EXPECT_EQ(pageSetups, 1);
    EXPECT_TRUE(form.isVisible());
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&form, &f1);
    EXPECT_EQ(help, 215);
    form.PrintButton->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(TPageSetupForm, refusesMarginsThatLeaveNoRoomAndFocusesTheMargin)
{
    PageSetup setup;
    setup.Printer = {"", "Letter", false};
    TPageSetupForm form(nullptr, {}, setup);
    form.show();
    EXPECT_EQ(form.PaperComboBox->currentText(), "Letter");
    EXPECT_TRUE(form.PortraitRadioButton->isChecked());
    EXPECT_EQ(form.LeftMarginEdit->value(), 500);
    EXPECT_EQ(form.BottomMarginEdit->value(), 500);

    Messages messages;
    // Letter is 8500 x 11000 thousandths of an inch.
    form.LeftMarginEdit->setValue(4000);
    form.RightMarginEdit->setValue(4500);
    form.OKButtonClick();
    ASSERT_EQ(messages.texts, std::vector<std::string>{"The margins are too large for the paper"});
    EXPECT_TRUE(form.isVisible());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.RightMarginEdit);

    form.LandscapeRadioButton->setChecked(true);  // 11 inches across now, but only 8.5 down
    form.TopMarginEdit->setValue(4250);
    form.BottomMarginEdit->setValue(4250);
    form.OKButtonClick();
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), form.BottomMarginEdit);
    form.BottomMarginEdit->setValue(4249);
    form.OKButtonClick();
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const PageSetup chosen = form.Setup();
    EXPECT_EQ(chosen.Printer.Paper, "Letter");
    EXPECT_TRUE(chosen.Printer.Landscape);
    EXPECT_EQ(chosen.Margins.Left, 4000);
    EXPECT_EQ(chosen.Margins.Bottom, 4249);
}

TEST(PrintProgress, isThePictureProgressWithThePrinterPicture)
{
    std::unique_ptr<TShowBitmapSaveForm> progress = MakePrintProgress(nullptr);
    progress->show();
    progress->Status("Printing...", -1);
    EXPECT_EQ(progress->windowTitle(), "Printing");
    EXPECT_EQ(progress->Text(), "Printing...");
    auto* picture = progress->findChild<QLabel*>("PictureLabel");
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    EXPECT_FALSE(picture->pixmap().isNull());
}

// Every text the print windows show, and their messages, has its German line.
TEST(PrintTexts, areAllInTheGermanLanguageFile)
{
    std::set<std::string> keys;
    std::ifstream file(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl");
    ASSERT_TRUE(file);
    std::string line, key, translation;
    while (std::getline(file, line))
        if (ParseLanguageLine(line, key, translation) && !translation.empty()) keys.insert(key);

    std::vector<std::string> texts = {"Printing...", "Printing", kPrintingError, kMarginsTooLarge,
                                      "PDF files (*.pdf)", "Out of system resources", "File write error"};
    TPrintOptForm print(nullptr, {});
    TPageSetupForm setup(nullptr, {}, PageSetup{});
    for (QDialog* dialog : {static_cast<QDialog*>(&print), static_cast<QDialog*>(&setup)}) {
        texts.push_back(dialog->windowTitle().toStdString());
        for (QLabel* label : dialog->findChildren<QLabel*>()) texts.push_back(label->text().toStdString());
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts.push_back(button->text().toStdString());
        for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) texts.push_back(group->title().toStdString());
    }
    texts.push_back(print.PrinterComboBox->itemText(0).toStdString());
    for (const std::string& text : texts) EXPECT_TRUE(keys.count(text)) << "no German text for \"" << text << "\"";
}

class PrintCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
        CurrentPageSetup() = PageSetup{};
        ProgramOptions().BlackAndWhite = false;
        form_ = std::make_unique<TMainForm>();
        form_->Start({WriteSample()});
        for (int i = 0; i < 100 && (!form_->Initialized() || !form_->ActiveChild()); ++i)
            QApplication::processEvents();
        ASSERT_NE(form_->ActiveChild(), nullptr);
        InstallPrintCommands(*form_);
    }
    void TearDown() override
    {
        if (form_) {
            for (TMDIChild* child : form_->Children()) child->Document().Modified = false;
            form_->close();
        }
    }

    QString WriteSample()
    {
        auto doc = test::MakeSample("functions");
        const QString path = dir_.filePath("functions.vgr");
        EXPECT_TRUE(WriteDocument(*doc, path.toStdString()));
        return path;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(PrintCommandsTest, printToPdf_inBlackAndWhite_leavesTheDocumentAsItWas)
{
    TMDIChild& child = *form_->ActiveChild();
    const std::string before = DocumentFileBytes(child.Document());
    const QString pdf = dir_.filePath("printed.pdf");
    ModalAnswers answers;
    answers.Add([](QWidget* modal) {
        auto* form = qobject_cast<TPrintOptForm*>(modal);
        ASSERT_NE(form, nullptr) << modal->metaObject()->className();
        form->SetPrinter("");
        form->BlackAndWhiteCheckBox->setChecked(true);
        form->PrintButton->click();
    });
    answers.Add([pdf](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
        EXPECT_EQ(dialog->windowTitle(), "Print to PDF");
        if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) {
            EXPECT_EQ(edit->text(), "functions.pdf");
            edit->setText(pdf);
        } else {
            dialog->selectFile(pdf);
        }
        QMetaObject::invokeMethod(dialog, "accept");
    });
    form_->Item(CommandId::Print)->trigger();
    EXPECT_EQ(answers.Pending(), 0);

    EXPECT_TRUE(ProgramOptions().BlackAndWhite);
    EXPECT_EQ(test::PdfInfo(pdf.toStdString(), "Title"), "functions.vgr");
    EXPECT_EQ(DocumentFileBytes(child.Document()), before);
    EXPECT_FALSE(child.Document().Modified);

    // A file that cannot be written is reported.
    Messages messages;
    answers.Add([](QWidget* modal) { qobject_cast<TPrintOptForm*>(modal)->PrintButton->click(); });
    const std::string under = dir_.filePath("functions.vgr/printed.pdf").toStdString();
    PrintDocumentWindow(*form_, child, [&](QWidget*, const std::string&) { return under; });
    EXPECT_EQ(messages.texts, std::vector<std::string>{"File write error"});
}

TEST_F(PrintCommandsTest, pageSetupKeepsTheOldMarginsWhenCancelled)
{
    ModalAnswers answers;
    auto change = [](bool ok) {
        return [ok](QWidget* modal) {
            auto* form = qobject_cast<TPageSetupForm*>(modal);
            ASSERT_NE(form, nullptr) << modal->metaObject()->className();
            form->LeftMarginEdit->setValue(1000);
            form->LandscapeRadioButton->setChecked(true);
            if (ok) form->OKButtonClick();
            else form->reject();
        };
    };
    answers.Add(change(false));
    form_->Item(CommandId::PageSetup)->trigger();
    EXPECT_EQ(CurrentPageSetup().Margins.Left, 500);
    EXPECT_FALSE(CurrentPageSetup().Printer.Landscape);
    answers.Add(change(true));
    form_->Item(CommandId::PageSetup)->trigger();
    EXPECT_EQ(CurrentPageSetup().Margins.Left, 1000);
    EXPECT_TRUE(CurrentPageSetup().Printer.Landscape);

    // From the print dialog: Page Setup stays in it; Cancel prints nothing.
    answers.Add([](QWidget* modal) {
        auto* form = qobject_cast<TPrintOptForm*>(modal);
        ASSERT_NE(form, nullptr) << modal->metaObject()->className();
        form->PageSetupButton->click();
        EXPECT_TRUE(form->isVisible());
        form->CancelButton->click();
    });
    answers.Add([](QWidget* modal) {
        auto* form = qobject_cast<TPageSetupForm*>(modal);
        ASSERT_NE(form, nullptr) << modal->metaObject()->className();
        form->TopMarginEdit->setValue(750);
        form->OKButtonClick();
    });
    form_->Item(CommandId::Print)->trigger();
    EXPECT_EQ(answers.Pending(), 0);
    EXPECT_EQ(CurrentPageSetup().Margins.Top, 750);
    EXPECT_TRUE(QDir(dir_.path()).entryList({"*.pdf"}, QDir::Files).isEmpty());
}

}  // namespace
}  // namespace vg
