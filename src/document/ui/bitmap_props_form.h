#pragma once

#include <QDialog>

#include "document/picture_settings.h"
#include "document/ui/picture_dialog_hooks.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vg {

// "Save As Picture" (file name, size, BMP or GIF) and "Copy to Clipboard"
// (size, bitmap or vector picture). OK checks the fields in order, shows
// the first refusal and keeps the dialog open with that field focused.
class TBitmapPropsForm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { SaveAsPicture, CopyToClipboard };

    TBitmapPropsForm(Mode mode, QWidget* parent = nullptr, PictureDialogHooks hooks = {});

    // Fills the fields before showing.
    void SetSettings(const PictureSettings& settings);
    void SetFileName(const std::string& fileName);

    // The accepted values (after OK).
    const PictureSettings& Settings() const { return settings_; }
    std::string FileName() const;
    bool GifChosen() const;
    bool VectorChosen() const;

    QLineEdit* FileNameEdit = nullptr;
    QPushButton* BrowseButton = nullptr;
    QLineEdit* WidthEdit;
    QLineEdit* HeightEdit;
    QCheckBox* ScaleCheckBox;
    QLineEdit* ScaleEdit;
    QRadioButton* BmpRadioButton;
    QRadioButton* SecondFormatRadioButton;  // GIF, or the vector picture
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void OKButtonClick();
    void BrowseButtonClick();
    void FormatButtonClick();

private:
    Mode mode_;
    PictureDialogHooks hooks_;
    PictureSettings settings_;
};

}  // namespace vg
