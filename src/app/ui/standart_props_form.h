#pragma once

// "Default Graph Properties": the appearance and kind given to new graphs,
// and, through one button per kind, the default parameters of each kind
// (edited in the graph properties dialog). Works on a copy of the options.

#include <QDialog>

#include "document/document_options.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace vg {

class TGraphStyleGroup;

class TStandartPropsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 217;

    explicit TStandartPropsForm(QWidget* parent = nullptr);

    void SetOptions(const DocumentOptions& options);
    // The options with the confirmed choices (after OK).
    const DocumentOptions& Options() const { return options_; }

    QComboBox* FuncStyleComboBox;
    TGraphStyleGroup* GraphGroupBox;
    QCheckBox* DrawGraphicCheckBox;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void OKButtonClick();
    // Opens the graph properties dialog on the defaults of one kind.
    void KindButtonClick(GraphKind kind);

private:
    DocumentOptions options_{};
    int shownKind_ = 0;
};

}  // namespace vg
