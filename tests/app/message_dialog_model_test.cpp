#include "app/message_dialog_model.h"

#include <gtest/gtest.h>

namespace vg {
namespace {

TEST(MessageDialogModel, choosesDefaultAndEscapeButtons)
{
    struct Row {
        TMsgDlgButtons buttons;
        unsigned defaultButton;
        unsigned escapeButton;
    } rows[] = {
        {mbOK, mbOK, mbOK},
        {mbYes | mbNo, mbYes, mbNo},
        {mbYes | mbNo | mbCancel, mbYes, mbCancel},
        {mbOK | mbCancel, mbOK, mbCancel},
        {mbAbort | mbRetry | mbIgnore, mbRetry, 0},
        {mbYes | mbOK | mbRetry, mbOK, mbOK},
        {mbHelp, 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(MessageDefaultButton(r.buttons), r.defaultButton) << r.buttons;
        EXPECT_EQ(MessageEscapeButton(r.buttons), r.escapeButton) << r.buttons;
    }
}

TEST(MessageDialogModel, listsButtonsInOrder_withCaptionsAndResults)
{
    struct Row {
        TMsgDlgBtn button;
        const char* caption;
        int result;
    } rows[] = {
        {mbYes, "&Yes", 6},     {mbNo, "&No", 7},           {mbOK, "OK", 1},
        {mbCancel, "Cancel", 2}, {mbAbort, "&Abort", 3},     {mbRetry, "&Retry", 4},
        {mbIgnore, "&Ignore", 5}, {mbAll, "&All", 8},        {mbNoToAll, "N&o to All", 9},
        {mbYesToAll, "Y&es to All", 10}, {mbHelp, "&Help", mrNone},
    };
    std::vector<TMsgDlgBtn> all = MessageDialogButtons(2047);
    ASSERT_EQ(all.size(), std::size(rows));
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i], rows[i].button);
        EXPECT_EQ(MessageButtonCaption(rows[i].button), rows[i].caption);
        EXPECT_EQ(MessageButtonResult(rows[i].button), rows[i].result);
    }
    EXPECT_EQ(MessageDialogButtons(mbHelp | mbNo | mbYes), (std::vector<TMsgDlgBtn>{mbYes, mbNo, mbHelp}));
}

TEST(MessageDialogModel, titlesAndDialogUnits)
{
    EXPECT_EQ(MessageDialogTitle(mtWarning), "Warning");
    EXPECT_EQ(MessageDialogTitle(mtError), "Error");
    EXPECT_EQ(MessageDialogTitle(mtInformation), "Information");
    EXPECT_EQ(MessageDialogTitle(mtConfirmation), "Confirm");
    EXPECT_EQ(MessageDialogTitle(mtCustom), "");
    MessageDialogMetrics m = ComputeMessageDialogMetrics(6, 13);
    EXPECT_EQ(m.margin, 12);
    EXPECT_EQ(m.spacing, 15);
    EXPECT_EQ(m.buttonWidth, 75);
    EXPECT_EQ(m.buttonHeight, 23);
    EXPECT_EQ(m.buttonSpacing, 6);
}

TEST(MessageDialogModel, handlerAnswers_andDefaultAnswerIsDefaultButton)
{
    {
        ScopedMessageDialogHandler answer([](const std::string& text, TMsgDlgType type, TMsgDlgButtons, int) {
            return text == "Quit?" && type == mtConfirmation ? mrNo : mrNone;
        });
        EXPECT_EQ(ShowMessageDialog("Quit?", mtConfirmation, mbYes | mbNo, 0), mrNo);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageDialog("Quit?", mtConfirmation, mbYes | mbNo, 0), mrYes);
    EXPECT_EQ(ShowMessageDialog("Failed", mtError, mbAbort | mbIgnore, 0), mrNone);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Confirm: Quit?"), std::string::npos);
}

}  // namespace
}  // namespace vg
