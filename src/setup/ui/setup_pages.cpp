#include "setup/ui/setup_pages.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/setup_texts.h"

namespace vg::installer {
namespace {

QPushButton* AddButton(QHBoxLayout* row, QDialog* dialog, const char* name, const char* caption)
{
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}

QHBoxLayout* ButtonRow(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    layout->addLayout(row);
    return row;
}

}  // namespace

TWelcomeForm::TWelcomeForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("WelcomeForm");
    setWindowTitle(setup_text::kWelcomeCaption);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* image = new QLabel(this);
    image->setObjectName("WelcomeImage");
    image->setPixmap(QPixmap(":/setup/vgraph-64.png"));
    top->addWidget(image);
    WelcomeLabel = new QLabel(setup_text::kWelcome, this);
    WelcomeLabel->setObjectName("WelcomeLabel");
    QFont font = WelcomeLabel->font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    WelcomeLabel->setFont(font);
    top->addWidget(WelcomeLabel);
    top->addStretch();
    layout->addLayout(top);
    QHBoxLayout* row = ButtonRow(layout);
    OKButton = AddButton(row, this, "OKButton", "OK");
    row->addStretch();
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TLicenseForm::TLicenseForm(const QString& licenseText, QWidget* parent) : QDialog(parent)
{
    setObjectName("LicenseForm");
    setWindowTitle(setup_text::kLicenseCaption);
    resize(660, 480);
    auto* layout = new QVBoxLayout(this);
    LicenseMemo = new QPlainTextEdit(licenseText, this);
    LicenseMemo->setObjectName("LicenseMemo");
    LicenseMemo->setReadOnly(true);
    layout->addWidget(LicenseMemo);
    auto* question = new QLabel(setup_text::kLicenseQuestion, this);
    question->setObjectName("QuestionLabel");
    layout->addWidget(question);
    QHBoxLayout* row = ButtonRow(layout);
    YesButton = AddButton(row, this, "YesButton", "Yes");
    NoButton = AddButton(row, this, "NoButton", "No");
    YesButton->setDefault(true);
    connect(YesButton, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(NoButton, &QPushButton::clicked, this, [this] { done(kNo); });
}

void TLicenseForm::reject()
{
    done(kNo);
}

TLanguageForm::TLanguageForm(const std::vector<std::string>& items, QWidget* parent) : QDialog(parent)
{
    setObjectName("LanguageForm");
    setWindowTitle(setup_text::kLanguageCaption);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(setup_text::kLanguagePrompt, this);
    prompt->setObjectName("PromptLabel");
    layout->addWidget(prompt);
    LanguageListBox = new QListWidget(this);
    LanguageListBox->setObjectName("LanguageListBox");
    for (const std::string& item : items)
        LanguageListBox->addItem(QString::fromStdString(item));
    LanguageListBox->setCurrentRow(0);
    layout->addWidget(LanguageListBox);
    QHBoxLayout* row = ButtonRow(layout);
    OKButton = AddButton(row, this, "OKButton", "OK");
    row->addStretch();
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(LanguageListBox, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TLanguageForm::ChosenItem() const
{
    return std::max(0, LanguageListBox->currentRow());
}

}  // namespace vg::installer
