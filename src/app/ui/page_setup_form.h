#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "app/printing.h"
#include "platform/qt/qt_printer.h"

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace vg {

inline constexpr int kPageSetupHelpContext = 6;

// "Page Setup": the printer, its paper and orientation, and the margins in
// thousandths of an inch. OK refuses margins that leave no room on the
// paper; Cancel changes nothing.
class TPageSetupForm : public QDialog {
    Q_OBJECT
public:
    TPageSetupForm(QWidget* parent, const std::vector<std::string>& printers, const PageSetup& setup);

    // What the controls show.
    PageSetup Setup() const;

    std::function<void(int helpContext)> showHelp;

    QComboBox* PrinterComboBox;
    QComboBox* PaperComboBox;
    QRadioButton* PortraitRadioButton;
    QRadioButton* LandscapeRadioButton;
    QSpinBox* LeftMarginEdit;
    QSpinBox* TopMarginEdit;
    QSpinBox* RightMarginEdit;
    QSpinBox* BottomMarginEdit;

    void OKButtonClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillPapers(const std::string& printer, const std::string& paper);
    QSpinBox* MarginEdit(MarginField field) const;

    std::vector<PaperInfo> papers_;
};

// Runs the dialog on setup; true (and setup changed) on OK.
bool RunPageSetup(QWidget* parent, PageSetup& setup, const std::function<void(int)>& showHelp = {});

}  // namespace vg
