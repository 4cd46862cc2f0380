#pragma once

#include <QDialog>

#include "document/picture_export.h"
#include "document/ui/picture_dialog_hooks.h"

class QLabel;
class QPixmap;

namespace vg {

// The progress window of picture export and printing: one line of text,
// updated as the work goes on.
class TShowBitmapSaveForm : public QDialog, public PictureProgress {
    Q_OBJECT
public:
    explicit TShowBitmapSaveForm(QWidget* parent = nullptr, PictureDialogHooks hooks = {});

    // Shows the translated text, followed by the percentage when given, and
    // repaints at once (the work runs on this thread).
    void Status(const std::string& text, int percent) override;
    QString Text() const;
    // The picture beside the text (the printer while printing); hidden until set.
    void SetPicture(const QPixmap& picture);

private:
    PictureDialogHooks hooks_;
    QLabel* PictureLabel;
    QLabel* TextLabel;
};

}  // namespace vg
