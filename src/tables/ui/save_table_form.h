#pragma once

// The Save Table dialog: the file, the table graph of the document, the
// number form and the decimal separator. OK asks before an existing file is
// replaced; the caller writes the file.

#include <QDialog>

#include <string>
#include <vector>

#include "tables/table_file.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vg {

class TGraphicsManager;

class TSaveTableForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1510;

    // selectedGraph: the graph selected in the main window, chosen when it
    // is a table; otherwise the first table graph.
    TSaveTableForm(const TGraphicsManager& document, int selectedGraph, const std::string& fileName,
                   bool decimalPoint, QWidget* parent = nullptr);

    std::string FileName() const;
    // The document index of the chosen table graph.
    int ChosenGraph() const;
    TableNumberForm NumberForm() const;
    bool DecimalPoint() const;

    QLineEdit* FileNameEdit;
    QPushButton* BrowseButton;
    QComboBox* TableComboBox;
    QRadioButton* Form1RadioButton;  // "mEp"
    QRadioButton* Form2RadioButton;  // "m*10^p"
    QComboBox* DecimalComboBox;
    QPushButton* OKButton = nullptr;

public slots:
    void OKButtonClick();
    void BrowseButtonClick();

private:
    std::vector<int> tableGraphs_;  // document index of each TableComboBox item
};

}  // namespace vg
