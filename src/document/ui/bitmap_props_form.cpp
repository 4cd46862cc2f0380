#include "document/ui/bitmap_props_form.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/number_text.h"

namespace vg {

void PictureDialogHooks::Error(QWidget* parent, const std::string& text) const
{
    if (showError) {
        showError(parent, text);
        return;
    }
    QString shown = QString::fromStdString(text).replace('\r', '\n');
    QMessageBox::critical(parent, QString(), shown);
}

bool PictureDialogHooks::YesNo(QWidget* parent, const std::string& text) const
{
    if (askYesNo) return askYesNo(parent, text);
    return QMessageBox::question(parent, QString(), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

namespace {
QString Q(const PictureDialogHooks& hooks, const char* text)
{
    return QString::fromStdString(hooks.Translate(text));
}
}  // namespace

TBitmapPropsForm::TBitmapPropsForm(Mode mode, QWidget* parent, PictureDialogHooks hooks)
    : QDialog(parent), mode_(mode), hooks_(std::move(hooks))
{
    const bool saving = mode == Mode::SaveAsPicture;
    setObjectName("BitmapPropsForm");
    setWindowTitle(Q(hooks_, saving ? "Save As Picture" : "Copy to Clipboard"));
    auto* layout = new QVBoxLayout(this);

    if (saving) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(Q(hooks_, "File Name:"), this));
        FileNameEdit = new QLineEdit(this);
        FileNameEdit->setObjectName("FileNameEdit");
        row->addWidget(FileNameEdit, 1);
        BrowseButton = new QPushButton(Q(hooks_, "Browse..."), this);
        BrowseButton->setObjectName("BrowseButton");
        row->addWidget(BrowseButton);
        layout->addLayout(row);
        connect(BrowseButton, &QPushButton::clicked, this, &TBitmapPropsForm::BrowseButtonClick);
    }

    auto* sizeBox = new QGroupBox(Q(hooks_, saving ? "Picture Size" : "Parameters"), this);
    auto* grid = new QGridLayout(sizeBox);
    WidthEdit = new QLineEdit(sizeBox);
    WidthEdit->setObjectName("WidthEdit");
    HeightEdit = new QLineEdit(sizeBox);
    HeightEdit->setObjectName("HeightEdit");
    ScaleCheckBox = new QCheckBox(Q(hooks_, "Scale Factor"), sizeBox);
    ScaleCheckBox->setObjectName("ScaleCheckBox");
    ScaleEdit = new QLineEdit(sizeBox);
    ScaleEdit->setObjectName("ScaleEdit");
    grid->addWidget(new QLabel(Q(hooks_, "Width"), sizeBox), 0, 0);
    grid->addWidget(WidthEdit, 0, 1);
    grid->addWidget(new QLabel(Q(hooks_, "Height"), sizeBox), 1, 0);
    grid->addWidget(HeightEdit, 1, 1);
    grid->addWidget(ScaleCheckBox, 2, 0);
    grid->addWidget(ScaleEdit, 2, 1);
    layout->addWidget(sizeBox);
    connect(ScaleCheckBox, &QCheckBox::toggled, ScaleEdit, &QLineEdit::setEnabled);

    auto* formatBox = new QGroupBox(Q(hooks_, "Picture Format"), this);
    auto* formats = new QHBoxLayout(formatBox);
    BmpRadioButton = new QRadioButton("BMP", formatBox);
    BmpRadioButton->setObjectName("BmpRadioButton");
    // The enhanced metafile of this platform is an SVG picture.
    SecondFormatRadioButton = new QRadioButton(saving ? "GIF" : "SVG", formatBox);
    SecondFormatRadioButton->setObjectName(saving ? "GifRadioButton" : "EmfRadioButton");
    BmpRadioButton->setChecked(true);
    formats->addWidget(BmpRadioButton);
    formats->addWidget(SecondFormatRadioButton);
    layout->addWidget(formatBox);
    connect(BmpRadioButton, &QRadioButton::clicked, this, &TBitmapPropsForm::FormatButtonClick);
    connect(SecondFormatRadioButton, &QRadioButton::clicked, this, &TBitmapPropsForm::FormatButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = new QPushButton(Q(hooks_, "OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton(Q(hooks_, "Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &TBitmapPropsForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    SetSettings(settings_);
    if (hooks_.translateComponent) hooks_.translateComponent(this);
}

void TBitmapPropsForm::SetSettings(const PictureSettings& settings)
{
    settings_ = settings;
    WidthEdit->setText(QString::number(settings.Width));
    HeightEdit->setText(QString::number(settings.Height));
    ScaleCheckBox->setChecked(settings.UseScale);
    ScaleEdit->setText(QString::fromStdString(FormatNumber(settings.Scale)));
    ScaleEdit->setEnabled(settings.UseScale);
}

void TBitmapPropsForm::SetFileName(const std::string& fileName)
{
    if (FileNameEdit == nullptr) return;
    FileNameEdit->setText(QString::fromStdString(fileName));
    PictureFileFormat f = PictureFormatOfFile(fileName);
    if (f == PictureFileFormat::Gif) SecondFormatRadioButton->setChecked(true);
    if (f == PictureFileFormat::Bmp) BmpRadioButton->setChecked(true);
}

std::string TBitmapPropsForm::FileName() const
{
    return FileNameEdit ? FileNameEdit->text().trimmed().toStdString() : std::string();
}

bool TBitmapPropsForm::GifChosen() const
{
    return mode_ == Mode::SaveAsPicture && SecondFormatRadioButton->isChecked();
}

bool TBitmapPropsForm::VectorChosen() const
{
    return mode_ == Mode::CopyToClipboard && SecondFormatRadioButton->isChecked();
}

void TBitmapPropsForm::FormatButtonClick()
{
    if (FileNameEdit == nullptr || FileName().empty()) return;
    FileNameEdit->setText(QString::fromStdString(WithPictureExtension(FileName(), GifChosen())));
}

void TBitmapPropsForm::BrowseButtonClick()
{
    QString filter = Q(hooks_, "Bitmap files (*.bmp)") + ";;" + Q(hooks_, "GIF files (*.gif)") +
                     ";;PNG (*.png);;SVG (*.svg);;PDF (*.pdf);;" + Q(hooks_, "All files (*.*)") + " (*)";
    QString selected = GifChosen() ? Q(hooks_, "GIF files (*.gif)") : Q(hooks_, "Bitmap files (*.bmp)");
    QString name = QFileDialog::getSaveFileName(this, Q(hooks_, "Save As Picture"),
                                                QString::fromStdString(FileName()), filter, &selected,
                                                QFileDialog::DontConfirmOverwrite);
    if (!name.isEmpty()) SetFileName(name.toStdString());
}

void TBitmapPropsForm::OKButtonClick()
{
    PictureSettings accepted = settings_;
    PictureFieldCheck check = CheckPictureFields(WidthEdit->text().toStdString(), HeightEdit->text().toStdString(),
                                                 ScaleCheckBox->isChecked(), ScaleEdit->text().toStdString(),
                                                 accepted);
    if (!check.Ok()) {
        hooks_.Error(this, PictureCheckMessage(check, hooks_.translate));
        QLineEdit* field = check.Field == PictureField::Width    ? WidthEdit
                           : check.Field == PictureField::Height ? HeightEdit
                                                                 : ScaleEdit;
        field->setFocus();
        field->selectAll();
        return;
    }
    if (mode_ == Mode::SaveAsPicture) {
        if (FileName().empty()) {
            FileNameEdit->setFocus();
            return;
        }
        // The question must be about the file that will be written.
        if (PictureFormatOfFile(FileName()) == PictureFileFormat::Unknown)
            FileNameEdit->setText(QString::fromStdString(WithPictureExtension(FileName(), GifChosen())));
        if (QFileInfo::exists(QString::fromStdString(FileName())) &&
            !hooks_.YesNo(this, hooks_.Translate("File already exists. Overwrite it?")))
            return;
    }
    settings_ = accepted;
    accept();
}

}  // namespace vg
