#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace vg {

inline constexpr int kPrintOptHelpContext = 215;

// The combo box of printers both print dialogs show: the system's printers,
// then "Print to PDF" (an empty name), which is always there.
void FillPrinterComboBox(QComboBox* combo, const std::vector<std::string>& printers);
void SelectPrinter(QComboBox* combo, const std::string& printer);
std::string SelectedPrinter(const QComboBox* combo);

// "Print Graphs": where to print, in black and white or not. Print closes
// with OK; "Page Setup..." asks pageSetup and stays open.
class TPrintOptForm : public QDialog {
    Q_OBJECT
public:
    TPrintOptForm(QWidget* parent, const std::vector<std::string>& printers);

    void SetPrinter(const std::string& printer) { SelectPrinter(PrinterComboBox, printer); }
    std::string Printer() const { return SelectedPrinter(PrinterComboBox); }
    void SetBlackAndWhite(bool on);
    bool BlackAndWhite() const;

    std::function<void(TPrintOptForm& form)> pageSetup;
    std::function<void(int helpContext)> showHelp;

    QGroupBox* PrintOptionsGroupBox;
    QCheckBox* BlackAndWhiteCheckBox;
    QComboBox* PrinterComboBox;
    QPushButton* PrintButton;
    QPushButton* PageSetupButton;
    QPushButton* CancelButton;

    void PrintButtonClick() { accept(); }
    void PageSetupButtonClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vg
