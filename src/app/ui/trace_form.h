#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QScrollBar;

namespace vg {

class TMDIChild;

// The "Trace" window: steps along the computed points of one graph of a
// document, shows their coordinates and marks the point in the document
// window with the trace pointer. Esc closes it; closing removes the pointer.
class TTraceForm : public QDialog {
    Q_OBJECT
public:
    // selectedGraph: the graph to start with (-1: the first one).
    TTraceForm(TMDIChild& child, int selectedGraph, QWidget* parent = nullptr);

    QComboBox* FuncComboBox() const { return funcComboBox_; }
    QScrollBar* TraceScrollBar() const { return traceScrollBar_; }
    // "X=", "Y=", "A=", "R=" in this order.
    QLabel* ValueLabel(int index) const { return valueLabels_[index]; }
    QLabel* MessageLabel() const { return messageLabel_; }

    // Sets the window up for the graph at index of the document.
    void SetGraph(int index);

public slots:
    void done(int result) override;

private:
    void ShowPoint(int k);
    void RemovePointer();

    TMDIChild& child_;
    QComboBox* funcComboBox_;
    QScrollBar* traceScrollBar_;
    QGroupBox* valuesGroup_;
    QLabel* valueLabels_[4];
    QLabel* messageLabel_;
    int graph_ = -1;
};

}  // namespace vg
