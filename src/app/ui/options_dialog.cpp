#include "app/ui/options_dialog.h"

#include <QAbstractSpinBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/message_dialog_model.h"
#include "app/ui/help_form.h"
#include "app/ui/translate_component.h"

namespace vg {

QString FieldText(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string FieldString(const QString& text) { return text.toUtf8().toStdString(); }

// ---------------------------------------------------------------------------
// TOptionsDialog

TOptionsDialog::TOptionsDialog(QWidget* parent, const char* name, const char* caption, int helpContext,
                               int& rememberedPage)
    : QDialog(parent), pages_(new QTabWidget(this)), helpContext_(helpContext), rememberedPage_(rememberedPage)
{
    setObjectName(name);
    setWindowTitle(caption);
    pages_->setObjectName("PageControl");
}

QWidget* TOptionsDialog::AddPage(const char* name, const char* caption)
{
    auto* page = new QWidget(pages_);
    page->setObjectName(name);
    pages_->addTab(page, caption);
    return page;
}

void TOptionsDialog::Finish(QWidget* belowPages)
{
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OKButton");
    ok_->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelButton");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpButton");
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (Accept()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { THelpForm::ShowContext(this, helpContext_); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    if (belowPages) layout->addWidget(belowPages);
    layout->addLayout(buttons);

    TranslateComponent(this);
    if (rememberedPage_ >= 0 && rememberedPage_ < pages_->count()) pages_->setCurrentIndex(rememberedPage_);
    setFixedSize(sizeHint());
}

void TOptionsDialog::done(int result)
{
    rememberedPage_ = pages_->currentIndex();
    QDialog::done(result);
}

void TOptionsDialog::ShowFailure(const OptionsFailure& failure)
{
    ShowMessageDialog(OptionsFailureText(failure), mtError, mbOK, 0);
    if (failure.Page >= 0 && failure.Page < pages_->count()) pages_->setCurrentIndex(failure.Page);
    QWidget* field = findChild<QWidget*>(QString::fromStdString(failure.Field));
    if (!field) return;
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
}

// ---------------------------------------------------------------------------
// TFontChooser

namespace {

QFont QtFontOf(const FontSpec& font)
{
    QFont qt(FieldText(font.Name.Str()));
    qt.setPointSize(std::max(1, int(font.Size)));
    qt.setBold(font.Style & kFontBold);
    qt.setItalic(font.Style & kFontItalic);
    qt.setUnderline(font.Style & kFontUnderline);
    qt.setStrikeOut(font.Style & kFontStrikeOut);
    return qt;
}

}  // namespace

TFontChooser::TFontChooser(QWidget* parent, const char* name)
    : QWidget(parent),
      fontButton_(new QPushButton("Font...", this)),
      colorButton_(new QPushButton("Color...", this)),
      sample_(new QLabel(this))
{
    setObjectName(QString::fromLatin1(name) + "Chooser");
    fontButton_->setObjectName(name);
    colorButton_->setObjectName(QString::fromLatin1(name) + "Color");
    sample_->setObjectName(QString::fromLatin1(name) + "Sample");
    sample_->setProperty(kTagProperty, kTagKeepOwnTexts);  // shows the font's name
    sample_->setMinimumWidth(120);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(fontButton_);
    row->addWidget(colorButton_);
    row->addWidget(sample_, 1);
    connect(fontButton_, &QPushButton::clicked, this, &TFontChooser::FontButtonClick);
    connect(colorButton_, &QPushButton::clicked, this, &TFontChooser::ColorButtonClick);
}

void TFontChooser::SetFont(const FontSpec& font)
{
    font_ = font;
    ShowSample();
}

void TFontChooser::TakeChoice(const FontChoice& choice)
{
    if (std::optional<OptionsFailure> refusal = ApplyFontChoice(choice, font_)) {
        ShowMessageDialog(OptionsFailureText(*refusal), mtError, mbOK, 0);
        return;
    }
    ShowSample();
}

void TFontChooser::TakeColor(int red, int green, int blue)
{
    font_.Color = FontColorValue(red, green, blue);
    ShowSample();
}

void TFontChooser::FontButtonClick()
{
    bool ok = false;
    // Only fonts that scale: labels and titles are drawn at every size.
    const QFont chosen = QFontDialog::getFont(&ok, QtFontOf(font_), this, QString(),
                                              QFontDialog::ScalableFonts);
    if (!ok) return;
    TakeChoice({FieldString(chosen.family()), chosen.pointSizeF(), chosen.bold(), chosen.italic(),
                chosen.underline(), chosen.strikeOut()});
}

void TFontChooser::ColorButtonClick()
{
    int red = 0, green = 0, blue = 0;
    FontColorParts(font_.Color, red, green, blue);
    const QColor chosen = QColorDialog::getColor(QColor(red, green, blue), this);
    if (chosen.isValid()) TakeColor(chosen.red(), chosen.green(), chosen.blue());
}

void TFontChooser::ShowSample()
{
    int red = 0, green = 0, blue = 0;
    FontColorParts(font_.Color, red, green, blue);
    QFont shown = QtFontOf(font_);
    // The family, style and colour at the dialog's own size: the dialog keeps its size.
    if (font().pointSizeF() > 0) shown.setPointSizeF(font().pointSizeF());
    else shown.setPixelSize(font().pixelSize());
    sample_->setFont(shown);
    sample_->setText(FieldText(font_.Name.Str()) + QString(", %1").arg(font_.Size));
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, QColor(red, green, blue));
    sample_->setPalette(palette);
}

}  // namespace vg
