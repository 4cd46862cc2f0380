#pragma once

#include <functional>
#include <string>

class QWidget;

namespace vg {

// What the picture dialogs take from the application: translation and its
// message boxes. Unset members fall back to plain Qt behaviour.
struct PictureDialogHooks {
    std::function<std::string(const std::string&)> translate;
    std::function<void(QWidget*)> translateComponent;
    std::function<void(QWidget* parent, const std::string& text)> showError;
    // True for Yes.
    std::function<bool(QWidget* parent, const std::string& text)> askYesNo;

    std::string Translate(const std::string& text) const { return translate ? translate(text) : text; }
    void Error(QWidget* parent, const std::string& text) const;
    bool YesNo(QWidget* parent, const std::string& text) const;
};

}  // namespace vg
