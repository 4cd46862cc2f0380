#include "app/message_dialog_model.h"

#include <iostream>

namespace vg {

namespace {

struct ButtonInfo {
    TMsgDlgBtn button;
    std::string_view caption;
    int result;
};

constexpr ButtonInfo kButtons[] = {
    {mbYes, "&Yes", mrYes},          {mbNo, "&No", mrNo},
    {mbOK, "OK", mrOk},              {mbCancel, "Cancel", mrCancel},
    {mbAbort, "&Abort", mrAbort},    {mbRetry, "&Retry", mrRetry},
    {mbIgnore, "&Ignore", mrIgnore}, {mbAll, "&All", mrAll},
    {mbNoToAll, "N&o to All", mrNoToAll}, {mbYesToAll, "Y&es to All", mrYesToAll},
    {mbHelp, "&Help", mrNone},
};

const ButtonInfo* FindButton(TMsgDlgBtn button)
{
    for (const ButtonInfo& info : kButtons) {
        if (info.button == button) return &info;
    }
    return nullptr;
}

unsigned FirstPresent(TMsgDlgButtons buttons, std::initializer_list<TMsgDlgBtn> order)
{
    for (TMsgDlgBtn b : order) {
        if (buttons & b) return b;
    }
    return 0;
}

int MulDiv(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}

MessageDialogHandler& Handler()
{
    static MessageDialogHandler handler;
    return handler;
}

}  // namespace

std::vector<TMsgDlgBtn> MessageDialogButtons(TMsgDlgButtons buttons)
{
    std::vector<TMsgDlgBtn> present;
    for (const ButtonInfo& info : kButtons) {
        if (buttons & info.button) present.push_back(info.button);
    }
    return present;
}

std::string_view MessageButtonCaption(TMsgDlgBtn button)
{
    const ButtonInfo* info = FindButton(button);
    return info ? info->caption : std::string_view();
}

int MessageButtonResult(TMsgDlgBtn button)
{
    const ButtonInfo* info = FindButton(button);
    return info ? info->result : mrNone;
}

std::string_view MessageDialogTitle(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
    }
    return {};
}

unsigned MessageDefaultButton(TMsgDlgButtons buttons)
{
    return FirstPresent(buttons, {mbOK, mbYes, mbRetry});
}

unsigned MessageEscapeButton(TMsgDlgButtons buttons)
{
    return FirstPresent(buttons, {mbCancel, mbNo, mbOK});
}

MessageDialogMetrics ComputeMessageDialogMetrics(int averageCharWidth, int fontHeight)
{
    auto x = [&](int units) { return MulDiv(units, averageCharWidth, 4); };
    auto y = [&](int units) { return MulDiv(units, fontHeight, 8); };
    return {x(8), x(10), x(50), y(14), x(4)};
}

int ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    if (Handler()) return Handler()(text, type, buttons, helpContext);
    std::string_view title = MessageDialogTitle(type);
    std::cerr << (title.empty() ? std::string_view("Message") : title) << ": " << text << "\n";
    unsigned chosen = MessageDefaultButton(buttons);
    return chosen ? MessageButtonResult(static_cast<TMsgDlgBtn>(chosen)) : mrNone;
}

void SetMessageDialogHandler(MessageDialogHandler handler)
{
    Handler() = std::move(handler);
}

ScopedMessageDialogHandler::ScopedMessageDialogHandler(MessageDialogHandler handler)
    : previous_(std::move(Handler()))
{
    Handler() = std::move(handler);
}

ScopedMessageDialogHandler::~ScopedMessageDialogHandler()
{
    Handler() = std::move(previous_);
}

}  // namespace vg
