#include "document/ui/show_bitmap_save_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace vg {

TShowBitmapSaveForm::TShowBitmapSaveForm(QWidget* parent, PictureDialogHooks hooks)
    : QDialog(parent), hooks_(std::move(hooks))
{
    setObjectName("ShowBitmapSaveForm");
    setWindowTitle(QString::fromStdString(hooks_.Translate("Save As Picture")));
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    PictureLabel = new QLabel(this);
    PictureLabel->setObjectName("PictureLabel");
    PictureLabel->hide();
    layout->addWidget(PictureLabel);
    TextLabel = new QLabel(this);
    TextLabel->setObjectName("TextLabel");
    TextLabel->setMinimumWidth(260);
    TextLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(TextLabel);
}

void TShowBitmapSaveForm::Status(const std::string& text, int percent)
{
    std::string shown = hooks_.Translate(text);
    if (percent >= 0) shown += " " + std::to_string(percent) + "%";
    TextLabel->setText(QString::fromStdString(shown));
    if (isVisible()) {
        repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

QString TShowBitmapSaveForm::Text() const { return TextLabel->text(); }

void TShowBitmapSaveForm::SetPicture(const QPixmap& picture)
{
    PictureLabel->setPixmap(picture);
    PictureLabel->setVisible(!picture.isNull());
}

}  // namespace vg
