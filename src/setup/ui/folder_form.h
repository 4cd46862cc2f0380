#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace vg::installer {

// "Select Directory" (`TFirstForm`): the install folder in an edit field with
// "Browse...". OK accepts a folder that exists or can be created and refuses
// any other with "Incorrect directory name"; closing the page in any other
// way asks "Do you want to abort the installation?".
class TFirstForm : public QDialog {
    Q_OBJECT
public:
    explicit TFirstForm(const QString& proposed, QWidget* parent = nullptr);

    // The accepted folder (normalised).
    QString Folder() const { return folder_; }

    // The folder chooser behind "Browse..." (a Qt dialog by default); it
    // returns an empty text when nothing was chosen.
    void SetFolderChooser(std::function<QString(QWidget*, const QString&)> chooser);

    void reject() override;

private:
    void OKButtonClick();
    void BrowseButtonClick();

    QLineEdit* DirNameEdit;
    QPushButton* BrowseButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QString folder_;
    std::function<QString(QWidget*, const QString&)> chooser_;
};

}  // namespace vg::installer
