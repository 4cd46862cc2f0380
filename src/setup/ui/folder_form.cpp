#include "setup/ui/folder_form.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/install_folder.h"
#include "setup/setup_texts.h"
#include "setup/ui/setup_messages.h"

namespace vg::installer {
namespace {

QString ChooseWithQtDialog(QWidget* parent, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent, setup_text::kFolderCaption, start,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

// The folder the chooser opens in: the nearest existing folder of the text.
QString ExistingAncestor(const QString& text)
{
    QString path = QDir::cleanPath(QDir(text).absolutePath());
    while (!QFileInfo(path).isDir() && path != "/")
        path = QFileInfo(path).path();
    return QFileInfo(path).isDir() ? path : QDir::homePath();
}

}  // namespace

TFirstForm::TFirstForm(const QString& proposed, QWidget* parent) : QDialog(parent), chooser_(ChooseWithQtDialog)
{
    setObjectName("FirstForm");
    setWindowTitle(setup_text::kFolderCaption);
    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    group->setObjectName("GroupBox");
    auto* groupLayout = new QVBoxLayout(group);
    for (const char* line : {setup_text::kFolderLine1, setup_text::kFolderLine2}) {
        auto* label = new QLabel(line, group);
        groupLayout->addWidget(label);
    }
    auto* folderRow = new QHBoxLayout;
    DirNameEdit = new QLineEdit(proposed, group);
    DirNameEdit->setObjectName("DirNameEdit");
    folderRow->addWidget(DirNameEdit, 1);
    BrowseButton = new QPushButton(setup_text::kBrowse, group);
    BrowseButton->setObjectName("BrowseButton");
    BrowseButton->setAutoDefault(false);
    folderRow->addWidget(BrowseButton);
    groupLayout->addLayout(folderRow);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &TFirstForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TFirstForm::reject);
    connect(BrowseButton, &QPushButton::clicked, this, &TFirstForm::BrowseButtonClick);
}

void TFirstForm::SetFolderChooser(std::function<QString(QWidget*, const QString&)> chooser)
{
    chooser_ = std::move(chooser);
}

void TFirstForm::OKButtonClick()
{
    const std::string folder = NormalizeInstallFolder(DirNameEdit->text().toStdString());
    if (!IsAcceptableInstallFolder(folder)) {
        ShowSetupError(this, setup_text::kIncorrectDirectory);
        DirNameEdit->setFocus();
        return;
    }
    folder_ = QString::fromStdString(folder);
    accept();
}

void TFirstForm::BrowseButtonClick()
{
    const QString chosen = chooser_(this, ExistingAncestor(DirNameEdit->text().trimmed()));
    if (!chosen.isEmpty())
        DirNameEdit->setText(QString::fromStdString(FolderForChoice(chosen.toStdString())));
}

void TFirstForm::reject()
{
    if (AskSetupQuestion(this, setup_text::kAbortQuestion))
        QDialog::reject();
}

}  // namespace vg::installer
