#include "app/ui/message_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "app/translator.h"

namespace vg {
namespace {

// Runs action on the message dialog once it is shown and running modally.
void WhenShown(std::function<void(TMessageDialog*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* dialog = qobject_cast<TMessageDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
    });
    timer->start();
}

void Press(TMessageDialog* dialog, TMsgDlgBtn button)
{
    QPushButton* widget = dialog->Button(button);
    ASSERT_NE(widget, nullptr);
    widget->click();
}

void Key(TMessageDialog* dialog, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(dialog, &press);
}

TEST(MessageDialog, returnsValueOfPressedButton)
{
    struct Row {
        TMsgDlgButtons buttons;
        TMsgDlgBtn pressed;
        int expected;
    } rows[] = {
        {mbYes | mbNo | mbCancel, mbNo, mrNo},
        {mbYes | mbNo | mbCancel, mbCancel, mrCancel},
        {mbOK, mbOK, mrOk},
        {mbAbort | mbRetry | mbIgnore, mbIgnore, mrIgnore},
        {mbYesToAll | mbNoToAll | mbAll, mbNoToAll, mrNoToAll},
    };
    for (const Row& r : rows) {
        WhenShown([&](TMessageDialog* d) { Press(d, r.pressed); });
        EXPECT_EQ(ShowMessageDialog("Question", mtConfirmation, r.buttons, 0, -1, -1), r.expected);
    }
}

TEST(MessageDialog, enterPressesDefault_andEscPressesEscapeButton)
{
    WhenShown([](TMessageDialog* d) { Key(d, Qt::Key_Return); });
    EXPECT_EQ(ShowMessageDialog("Save?", mtConfirmation, mbYes | mbNo | mbCancel, 0, -1, -1), mrYes);
    WhenShown([](TMessageDialog* d) { Key(d, Qt::Key_Escape); });
    EXPECT_EQ(ShowMessageDialog("Save?", mtConfirmation, mbYes | mbNo | mbCancel, 0, -1, -1), mrCancel);
    WhenShown([](TMessageDialog* d) { Key(d, Qt::Key_Escape); });
    EXPECT_EQ(ShowMessageDialog("Delete?", mtConfirmation, mbYes | mbNo, 0, -1, -1), mrNo);
    // No Cancel, No or OK: Esc does nothing and the dialog waits for a button.
    WhenShown([](TMessageDialog* d) {
        Key(d, Qt::Key_Escape);
        EXPECT_TRUE(d->isVisible());
        Press(d, mbAbort);
    });
    EXPECT_EQ(ShowMessageDialog("Failed", mtError, mbAbort | mbRetry | mbIgnore, 0, -1, -1), mrAbort);
}

TEST(MessageDialog, helpOpensTopic_andKeepsDialogOpen)
{
    int shownContext = 0;
    SetMessageHelpHandler([&](int context) { shownContext = context; });
    WhenShown([&](TMessageDialog* d) {
        Press(d, mbHelp);
        EXPECT_TRUE(d->isVisible());
        Press(d, mbOK);
    });
    EXPECT_EQ(ShowMessageDialog("Read the help", mtInformation, mbOK | mbHelp, 42, -1, -1), mrOk);
    EXPECT_EQ(shownContext, 42);
    SetMessageHelpHandler(nullptr);
}

TEST(MessageDialog, translatesTitleTextAndCaptions_andWrapsText)
{
    TTranslator german;
    german.LoadFromBytes("\"Confirm\" = \"Bestätigen\"\n\"&Yes\" = \"&Ja\"\n\"&No\" = \"&Nein\"\n"
                         "\"Quit?\" = \"Beenden?\\nWirklich?\"\n");
    SetTranslator(&german);
    std::string longText(3000, 'x');
    for (std::size_t i = 5; i < longText.size(); i += 6) longText[i] = ' ';
    WhenShown([&](TMessageDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Bestätigen");
        EXPECT_EQ(d->Button(mbYes)->text(), "&Ja");
        EXPECT_EQ(d->Button(mbNo)->text(), "&Nein");
        EXPECT_TRUE(d->Button(mbYes)->isDefault());
        EXPECT_EQ(d->findChild<QLabel*>("Text")->text(), "Beenden?\nWirklich?");
        EXPECT_NE(d->findChild<QLabel*>("Icon"), nullptr);
        Press(d, mbYes);
    });
    EXPECT_EQ(ShowMessageDialog("Quit?", mtConfirmation, mbYes | mbNo, 0, -1, -1), mrYes);
    SetTranslator(nullptr);

    int screenWidth = QApplication::primaryScreen()->availableGeometry().width();
    WhenShown([&](TMessageDialog* d) {
        EXPECT_LE(d->findChild<QLabel*>("Text")->width(), screenWidth / 2);
        EXPECT_EQ(d->findChild<QLabel*>("Icon"), nullptr);  // custom type: no icon
        Press(d, mbOK);
    });
    QApplication::setApplicationName("Vantor Graphs");
    ShowMessageDialog(longText, mtCustom, mbOK, 0, -1, -1);
}

TEST(MessageDialog, showsAtGivenPosition_andReportsWhereItWas)
{
    int x = -5, y = -5;
    WhenShown([](TMessageDialog* d) { Press(d, mbOK); });
    EXPECT_EQ(ShowMessageDialog("Here", mtInformation, mbOK, 0, 40, 30, x, y), mrOk);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 30);
}

TEST(MessageDialog, coreCallsReachQtDialog_onceInstalled)
{
    InstallMessageDialog();
    WhenShown([](TMessageDialog* d) { Press(d, mbNo); });
    EXPECT_EQ(ShowMessageDialog("Core question", mtConfirmation, mbYes | mbNo, 0), mrNo);
    SetMessageDialogHandler(nullptr);
}

TEST(MessageDialog, alwaysHasAnAnsweringButton)
{
    WhenShown([](TMessageDialog* d) {
        ASSERT_NE(d->Button(mbOK), nullptr);
        Press(d, mbOK);
    });
    EXPECT_EQ(ShowMessageDialog("No buttons", mtWarning, 0, 0, -1, -1), mrOk);
}

}  // namespace
}  // namespace vg
