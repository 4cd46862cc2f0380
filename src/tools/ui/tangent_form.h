#pragma once

#include "tools/tangent_line.h"
#include "tools/ui/add_graph_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vg {

class TGraphicsManager;

// The Tangent or Normal window: a graph of the document, the point on it
// (x, y, t, or the angle in units of pi) and Add Graph for the tangent or
// the normal line there.
class TTangentForm : public TAddGraphDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 214;

    // document: null when it is busy computing; selectedGraph: the main
    // window's selected graph (-1 for none).
    TTangentForm(const TGraphicsManager* document, int selectedGraph, QWidget* parent = nullptr);

    // The line of the last successful Add Graph as a new graph.
    GraphRecord GraphToAdd() const override;

private:
    void BuildControls();
    void ShowGraph();
    void AddFunctionButtonClick();
    void Refuse(const std::string& message, bool focusVariable);

    const TGraphicsManager* document_;
    TangentLine line_;

    QComboBox* funcComboBox_ = nullptr;
    QLabel* varLabel_ = nullptr;
    QLineEdit* varEdit_ = nullptr;
    QLabel* piLabel_ = nullptr;
    QRadioButton* tangentRadioButton_ = nullptr;
    QRadioButton* normalRadioButton_ = nullptr;
    QPushButton* addFunctionButton_ = nullptr;
};

}  // namespace vg
