#pragma once

// What the three document options dialogs share: the page control, the OK,
// Cancel and Help buttons, the page each dialog remembers for the rest of
// the run, and the refusal of a field (message, its page, the focus on it).
// The font buttons with their colour companions are here too.

#include <QDialog>
#include <QString>

#include <functional>

#include "app/options_fields.h"
#include "document/font_spec.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace vg {

class TOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // rememberedPage lives for the whole run: the dialog opens on it and
    // keeps the page shown when it closes.
    TOptionsDialog(QWidget* parent, const char* name, const char* caption, int helpContext, int& rememberedPage);

    QTabWidget* PageControl() const { return pages_; }
    QPushButton* OKButton() const { return ok_; }

    // Adds a page; its controls go on the returned widget.
    QWidget* AddPage(const char* name, const char* caption);
    // The buttons below the pages (and anything the subclass puts above
    // them), then the translation and the remembered page.
    void Finish(QWidget* belowPages = nullptr);

    // Shows the refusal, switches to its page and puts the focus on its field.
    void ShowFailure(const OptionsFailure& failure);

    void done(int result) override;

protected:
    // OK: the subclass checks its fields; true closes the dialog.
    virtual bool Accept() = 0;

private:
    QTabWidget* pages_;
    QPushButton* ok_ = nullptr;
    int helpContext_;
    int& rememberedPage_;
};

// A font button with its "Color..." companion and a sample of the font. The
// working copy changes only through them.
class TFontChooser : public QWidget {
    Q_OBJECT
public:
    // name: the font button's name ("AxleXFontButton"); the colour button is
    // named name + "Color" ("AxleXFontButtonColor").
    TFontChooser(QWidget* parent, const char* name);

    void SetFont(const FontSpec& font);
    const FontSpec& Font() const { return font_; }

    QPushButton* FontButton() const { return fontButton_; }
    QPushButton* ColorButton() const { return colorButton_; }

    // The font dialog's answer, as the font button takes it (a test sets it
    // without the dialog).
    void TakeChoice(const FontChoice& choice);
    void TakeColor(int red, int green, int blue);

private:
    void FontButtonClick();
    void ColorButtonClick();
    void ShowSample();

    FontSpec font_{};
    QPushButton* fontButton_;
    QPushButton* colorButton_;
    QLabel* sample_;
};

// Texts between the models (UTF-8) and the controls.
QString FieldText(const std::string& text);
std::string FieldString(const QString& text);

}  // namespace vg
