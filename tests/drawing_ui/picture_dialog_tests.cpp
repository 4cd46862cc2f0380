#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>

#include "document/picture_settings.h"
#include "document/ui/bitmap_props_form.h"
#include "document/ui/picture_dialogs.h"
#include "document/ui/show_bitmap_save_form.h"
#include "drawing/picture_test_support.h"
#include "drawing/sample_documents.h"

namespace vg {
namespace {

struct Answers {
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    bool yes = false;

    PictureDialogHooks Hooks()
    {
        PictureDialogHooks h;
        h.showError = [this](QWidget*, const std::string& t) { errors.push_back(t); };
        h.askYesNo = [this](QWidget*, const std::string& t) {
            questions.push_back(t);
            return yes;
        };
        return h;
    }
};

TEST(CheckPictureFields, refusesInOrderAndAcceptsTheLimits)
{
    struct Row {
        const char *width, *height;
        bool useScale;
        const char* scale;
        PictureField refused;
    };
    const Row rows[] = {
        {"99", "200", false, "1", PictureField::Width},   {"3001", "200", false, "1", PictureField::Width},
        {"abc", "0", true, "0", PictureField::Width},     {"100", "99", true, "0", PictureField::Height},
        {"100", "3000", false, "50", PictureField::None}, {"100", "3000", true, "10.5", PictureField::Scale},
        {"100", "3000", true, "0.99", PictureField::Scale}, {"3000", "100", true, "10", PictureField::None},
        {" 250 ", "2.5", false, "1", PictureField::Height}, {"400", "300", true, "2*10^0", PictureField::None},
    };
    for (const Row& r : rows) {
        PictureSettings s;
        PictureFieldCheck c = CheckPictureFields(r.width, r.height, r.useScale, r.scale, s);
        EXPECT_EQ(c.Field, r.refused) << r.width << " " << r.height << " " << r.scale;
    }
    PictureSettings s;
    PictureFieldCheck c = CheckPictureFields("99", "100", false, "1", s);
    EXPECT_EQ(PictureCheckMessage(c), "This value must be an integer\rfrom 100 up to 3000");
    EXPECT_EQ(s.Width, 400);
    c = CheckPictureFields("100", "100", true, "11", s);
    EXPECT_EQ(PictureCheckMessage(c), "This value must be a number\rfrom 1 up to 10");
}

TEST(TBitmapPropsForm, refusedWidth_showsTheMessageAndFocusesTheField)
{
    Answers answers;
    TBitmapPropsForm form(TBitmapPropsForm::Mode::CopyToClipboard, nullptr, answers.Hooks());
    form.show();
    form.WidthEdit->setText("3001");
    form.OKButtonClick();
    ASSERT_EQ(answers.errors.size(), 1u);
    EXPECT_EQ(answers.errors[0], "This value must be an integer\rfrom 100 up to 3000");
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(form.isVisible());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.WidthEdit);
    form.WidthEdit->setText("3000");
    form.ScaleCheckBox->setChecked(true);
    form.ScaleEdit->setText("2");
    form.OKButtonClick();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Settings().Width, 3000);
    EXPECT_EQ(form.Settings().Request().Scale, 2);
}

TEST(TBitmapPropsForm, existingFile_answeredNo_keepsTheDialogOpen)
{
    std::string dir = test::TempFolder("dialog");
    std::string name = dir + "/old.bmp";
    test::WriteFileBytes(name, {1});
    Answers answers;
    TBitmapPropsForm form(TBitmapPropsForm::Mode::SaveAsPicture, nullptr, answers.Hooks());
    form.show();
    form.SetFileName(name);
    form.OKButtonClick();
    ASSERT_EQ(answers.questions.size(), 1u);
    EXPECT_EQ(answers.questions[0], "File already exists. Overwrite it?");
    EXPECT_TRUE(form.isVisible());
    answers.yes = true;
    form.OKButtonClick();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(test::ReadFileBytes(name), std::vector<uint8_t>{1});
}

TEST(TBitmapPropsForm, nameWithoutExtension_asksAboutTheFileThatWouldBeWritten)
{
    std::string dir = test::TempFolder("dialog-ext");
    const struct {
        bool gif;
        const char* existing;
    } rows[] = {{false, "/plot.bmp"}, {true, "/plot.gif"}};
    for (const auto& r : rows) {
        test::WriteFileBytes(dir + r.existing, {1});
        Answers answers;
        TBitmapPropsForm form(TBitmapPropsForm::Mode::SaveAsPicture, nullptr, answers.Hooks());
        form.show();
        form.SetFileName(dir + "/plot");
        if (r.gif) form.SecondFormatRadioButton->click();
        form.OKButtonClick();
        ASSERT_EQ(answers.questions.size(), 1u) << r.existing;
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.FileName(), dir + r.existing);
    }
}

TEST(TBitmapPropsForm, choosingAFormat_changesTheExtension)
{
    TBitmapPropsForm form(TBitmapPropsForm::Mode::SaveAsPicture);
    form.SetFileName("/tmp/plot.bmp");
    form.SecondFormatRadioButton->click();
    EXPECT_EQ(form.FileName(), "/tmp/plot.gif");
    EXPECT_TRUE(form.GifChosen());
    form.BmpRadioButton->click();
    EXPECT_EQ(form.FileName(), "/tmp/plot.bmp");
    form.SetFileName("/tmp/x.y/plot");
    form.SecondFormatRadioButton->click();
    EXPECT_EQ(form.FileName(), "/tmp/x.y/plot.gif");
}

TEST(TShowBitmapSaveForm, showsTextsWithTheirPercentage)
{
    PictureDialogHooks hooks;
    hooks.translate = [](const std::string& t) { return t == "Saving GIF:" ? std::string("GIF speichern:") : t; };
    TShowBitmapSaveForm form(nullptr, hooks);
    form.show();
    form.Status("Creating picture...", -1);
    EXPECT_EQ(form.Text(), "Creating picture...");
    form.Status("Saving GIF:", 42);
    EXPECT_EQ(form.Text(), "GIF speichern: 42%");
}

TEST(CopyPictureToClipboard, placesABitmapOrAnSvgPicture)
{
    auto doc = test::MakeSample("functions");
    ASSERT_EQ(CopyPictureToClipboard(*doc, {300, 200, 1}, false), "");
    QImage image = QGuiApplication::clipboard()->image();
    EXPECT_EQ(image.size(), QSize(300, 200));
    ASSERT_EQ(CopyPictureToClipboard(*doc, {300, 200, 1}, true), "");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("image/svg+xml"));
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
}

}  // namespace
}  // namespace vg
