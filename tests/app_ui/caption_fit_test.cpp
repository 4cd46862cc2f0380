#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include <vector>

#include "app/ui/about_form.h"
#include "app/ui/caption_fit.h"
#include "document/ui/bitmap_props_form.h"

namespace vg {
namespace {

// What the desktop shows in the title bar, measured in a bold font.
int TitleTextWidth(const QString& title)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title + QString::fromUtf8(" \u2014 Vantor Graphs"));
}

// Room for the title bar's icon and buttons beside the text.
constexpr int kButtonsRoom = 100;

TEST(CaptionFit, dialogsAreWideEnoughForTheirCaptions_inEnglishAndGerman)
{
    QGuiApplication::setApplicationDisplayName("Vantor Graphs");
    InstallCaptionFitting(*qApp);
    const QString captions[] = {"Save As Picture", "Als Bild speichern", "Copy to Clipboard",
                                "In die Zwischenablage kopieren"};
    for (const QString& caption : captions) {
        TBitmapPropsForm form(TBitmapPropsForm::Mode::SaveAsPicture);
        form.setWindowTitle(caption);  // as the translation does
        form.show();
        QApplication::processEvents();
        EXPECT_GE(form.width(), TitleTextWidth(caption) + kButtonsRoom) << caption.toStdString();
        EXPECT_GE(form.width(), CaptionWidth(caption));
        form.hide();
    }
    // A dialog of fixed size is widened as well; a caption set while it is
    // shown counts too.
    TAboutForm about;
    about.show();
    QApplication::processEvents();
    about.setWindowTitle("\u00dcber das Programm mit einem recht langen Titel");
    QApplication::processEvents();
    EXPECT_GE(about.width(), TitleTextWidth(about.windowTitle()) + kButtonsRoom);
}

TEST(CaptionFit, aWidenedDialogStillMakesRoomForItsLayout)
{
    InstallCaptionFitting(*qApp);
    QDialog dialog;
    auto* layout = new QHBoxLayout(&dialog);
    std::vector<QPushButton*> buttons;
    for (int i = 0; i < 5; ++i) {
        buttons.push_back(new QPushButton("A caption a translation made long", &dialog));
        layout->addWidget(buttons.back());
    }
    dialog.setWindowTitle("Short");
    dialog.resize(200, 80);
    dialog.show();
    QApplication::processEvents();
    for (QPushButton* button : buttons) EXPECT_GE(button->width(), button->sizeHint().width());
}

TEST(CaptionFit, aDialogCaptionedBeforeItsFirstShowOpensAtItsNaturalWidth)
{
    InstallCaptionFitting(*qApp);
    QWidget owner;
    QDialog dialog(&owner);  // made before it is shown, at a child's small size
    dialog.setWindowTitle("Graph Properties");  // as a constructor does
    auto* layout = new QVBoxLayout(&dialog);
    auto* toolBar = new QToolBar(&dialog);  // its minimum hides what does not fit
    for (int i = 0; i < 5; ++i) toolBar->addAction(QString("Command %1").arg(i));
    layout->addWidget(toolBar);
    ASSERT_GT(dialog.sizeHint().width(), CaptionWidth(dialog.windowTitle()));
    dialog.show();
    QApplication::processEvents();
    EXPECT_GE(dialog.width(), dialog.sizeHint().width());
}

}  // namespace
}  // namespace vg
