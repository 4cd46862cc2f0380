#include "app/ui/language_form.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app_globals.h"
#include "app/file_filter.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/help_form.h"
#include "app/ui/translate_component.h"

namespace vg {

namespace {

std::function<void()>& MenuBuilder()
{
    static std::function<void()> builder;
    return builder;
}

constexpr const char* kLanguageFilter = "Vantor Graphs language files (*.vgl)|*.vgl|All files (*.*)|*.*";

// The items of the list, the language in use in bold; the text 2 pixels
// right of and 1 pixel below the item's corner.
class TLanguageItemDelegate : public QStyledItemDelegate {
public:
    TLanguageItemDelegate(QObject* parent, const TLanguageListModel& model)
        : QStyledItemDelegate(parent), model_(model)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool highlighted = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, palette.color(highlighted ? QPalette::Highlight : QPalette::Base));
        QFont font = option.font;
        font.setBold(index.row() == model_.Selected());
        painter->setFont(font);
        painter->setPen(palette.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
        const QRect text = option.rect.adjusted(2, 1, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QFont bold = option.font;
        bold.setBold(true);
        const int width = QFontMetrics(bold).horizontalAdvance(index.data().toString()) + 4;
        // Taller on screens with more pixels per inch.
        const qreal dpi = option.widget ? option.widget->logicalDpiY() : 96;
        const int height = std::max(QFontMetrics(bold).height() + 2, int(16 * dpi / 96));
        return QSize(width, height);
    }

private:
    const TLanguageListModel& model_;
};

}  // namespace

void TLanguageForm::SetMenuBuilder(std::function<void()> builder) { MenuBuilder() = std::move(builder); }

TLanguageForm::TLanguageForm(QWidget* parent)
    : QDialog(parent),
      LangListBox(new QListWidget(this)),
      HiddenListBox(new QListWidget(this)),
      FileNameBar(new QLabel(this)),
      SelectButton(new QPushButton("Select", this)),
      AddButton(new QPushButton("Add...", this)),
      DeleteButton(new QPushButton("Delete", this)),
      model_(std::make_unique<TLanguageListModel>(""))
{
    setObjectName("LanguageForm");
    setWindowTitle("Languages");
    // The caption stays as it is; the buttons are translated.
    setProperty(kTagProperty, kTagKeepAllTexts);
    LangListBox->setObjectName("LangListBox");
    LangListBox->setItemDelegate(new TLanguageItemDelegate(LangListBox, *model_));
    LangListBox->setMinimumSize(220, 160);
    HiddenListBox->setObjectName("HiddenListBox");
    HiddenListBox->setVisible(false);
    FileNameBar->setObjectName("FileNameBar");
    FileNameBar->setProperty(kTagProperty, kTagKeepOwnTexts);  // shows a file's name
    FileNameBar->setFrameShape(QFrame::StyledPanel);
    FileNameBar->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SelectButton->setObjectName("SelectButton");
    AddButton->setObjectName("AddButton");
    DeleteButton->setObjectName("DeleteButton");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelButton");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpButton");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {SelectButton, AddButton, DeleteButton}) buttons->addWidget(button);
    buttons->addStretch(1);
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    auto* top = new QHBoxLayout;
    top->addWidget(LangListBox, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(FileNameBar);

    connect(LangListBox, &QListWidget::currentRowChanged, this, &TLanguageForm::Highlighted);
    connect(LangListBox, &QListWidget::itemDoubleClicked, this, &TLanguageForm::SelectButtonClick);
    connect(SelectButton, &QPushButton::clicked, this, &TLanguageForm::SelectButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TLanguageForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TLanguageForm::DeleteButtonClick);
    connect(ok, &QPushButton::clicked, this, &TLanguageForm::OKStep);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { THelpForm::ShowContext(this, kHelpContext); });

    TranslateComponent(this);
    Fill("");
}

TLanguageForm::~TLanguageForm() = default;

void TLanguageForm::Fill(const std::string& setting)
{
    *model_ = TLanguageListModel(setting);
    RefreshLists();
    LangListBox->setCurrentRow(0);
    Highlighted(0);
}

void TLanguageForm::RefreshLists()
{
    const QSignalBlocker block(LangListBox);
    LangListBox->clear();
    HiddenListBox->clear();
    for (int i = 0; i < model_->Count(); ++i) {
        // English is the program's own language and is named in the one in use.
        LangListBox->addItem(i == 0 ? TranslateText(std::string_view(kEnglishLanguage)) : QString::fromStdString(model_->Name(i)));
        HiddenListBox->addItem(QString::fromStdString(model_->FileName(i)));
    }
    LangListBox->setCurrentRow(model_->Highlighted());
}

void TLanguageForm::SetSelected(int index)
{
    model_->Select(index);
    LangListBox->viewport()->update();
}

void TLanguageForm::Highlighted(int row)
{
    if (row < 0) return;
    model_->Highlight(row);
    DeleteButton->setEnabled(model_->CanDelete());
    FileNameBar->setText(row == 0 ? TranslateText(std::string_view(kEnglishLanguage))
                                  : QString::fromStdString(model_->FileName(row)));
}

void TLanguageForm::SelectButtonClick()
{
    model_->SelectHighlighted();
    LangListBox->viewport()->update();
}

void TLanguageForm::AddLanguageFile(const QString& fileName)
{
    if (fileName.isEmpty()) return;
    if (std::optional<std::string> refusal = model_->Add(fileName.toStdString())) {
        ShowMessageDialog(*refusal, mtError, mbOK, 0);
        return;
    }
    RefreshLists();
    Highlighted(LangListBox->currentRow());
}

void TLanguageForm::AddButtonClick()
{
    QFileDialog dialog(this, "Add Language");
    dialog.setObjectName("OpenDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("vgl");
    dialog.setNameFilter(QString::fromStdString(ToQtFileFilter(kLanguageFilter)));
    TranslateComponent(&dialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        AddLanguageFile(dialog.selectedFiles().first());
}

void TLanguageForm::DeleteButtonClick()
{
    model_->DeleteHighlighted();
    RefreshLists();
    Highlighted(model_->Highlighted());
}

void TLanguageForm::OKStep()
{
    ProgramOptions().Common.Languages = model_->Setting();
    if (MenuBuilder()) MenuBuilder()();
    accept();
    // The dictionary in use stays: the note is shown as the program's
    // standard box, untranslated. The dictionary is off only while the box
    // is made (its first event puts it back), so what the windows behind it
    // show meanwhile keeps their language.
    TTranslator* translator = GetTranslator();
    QTimer restore;
    restore.setSingleShot(true);
    connect(&restore, &QTimer::timeout, [translator] { SetTranslator(translator); });
    SetTranslator(nullptr);
    restore.start(0);
    ShowMessageDialog(kRestartForLanguageText, mtInformation, mbOK, 0);
    SetTranslator(translator);
}

}  // namespace vg
