#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vg::installer {

// "Welcome": the greeting with the program's picture and "OK".
class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeForm(QWidget* parent = nullptr);

private:
    QLabel* WelcomeLabel;
    QPushButton* OKButton;
};

// "License": the agreement in a read-only memo; "Yes" ends with 6, "No"
// (and closing the window) with 7.
class TLicenseForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;
    TLicenseForm(const QString& licenseText, QWidget* parent = nullptr);
    void reject() override;

private:
    QPlainTextEdit* LicenseMemo;
    QPushButton* YesButton;
    QPushButton* NoButton;
};

// "Select Language": the language list with its first item selected; "OK" or
// a double click on an item ends it.
class TLanguageForm : public QDialog {
    Q_OBJECT
public:
    TLanguageForm(const std::vector<std::string>& items, QWidget* parent = nullptr);
    int ChosenItem() const;

private:
    QListWidget* LanguageListBox;
    QPushButton* OKButton;
};

}  // namespace vg::installer
