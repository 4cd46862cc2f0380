#pragma once

// The graph properties dialog: "Add Graph", "Graph Properties" and the
// default parameters of one kind. The window moves texts between its
// controls and the core model (TGraphPropsModel), which prepares, checks and
// stores the record.

#include <QDialog>

#include <memory>

#include "app/graph_props_model.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;

namespace vg {

class TScaledComboBox;
class TTablePointsGrid;

class TGraphPropsForm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { AddGraph, GraphProperties, KindDefaults };
    static constexpr int kHelpContext = 207;

    explicit TGraphPropsForm(QWidget* parent = nullptr);
    ~TGraphPropsForm() override;

    // Fills the controls from a record, with the mode's caption, on a page.
    void SetPropsInForm(const GraphRecord& record, Mode mode, GraphPropsPage page = GraphPropsPage::Properties);
    // The edited record (after OK).
    const GraphRecord& Record() const;

    QTabWidget* PropsPageControl;
    QComboBox* FuncStyleComboBox;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Controls;

    void BuildPropertiesPage(QWidget* page);
    void BuildOtherPropertiesPage(QWidget* page);
    QWidget* BuildFormulaPage(GraphKind kind);
    void BuildButtons();
    void FillKindList();

    void FuncStyleComboBoxChange(int index);
    void ZoomButtonClick();
    void ShowKindControls();
    void UpdateAppearanceControls();
    void UpdateIntervalLabels();
    void UpdateGroupsEnabled();
    void ApplyZoom();
    void FitToContents();

    GraphPropsValues ReadValues();
    void WriteValues(const GraphPropsValues& values);
    void ShowFailure(const GraphPropsFailure& failure);

    std::unique_ptr<Controls> c_;
    std::unique_ptr<TGraphPropsModel> model_;
    Mode mode_ = Mode::GraphProperties;
    bool filling_ = false;
};

// Runs the dialog modally on record; true and record replaced on OK.
bool EditGraphRecord(QWidget* parent, GraphRecord& record, TGraphPropsForm::Mode mode,
                     GraphPropsPage page = GraphPropsPage::Properties);

}  // namespace vg
