#include "app/ui/trace_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/document_commands.h"
#include "app/translator.h"
#include "app/ui/mdi_child.h"
#include "app/ui/translate_component.h"
#include "document/trace_pointer.h"

namespace vg {

namespace {

constexpr int kLargeChange = 10;

}  // namespace

TTraceForm::TTraceForm(TMDIChild& child, int selectedGraph, QWidget* parent)
    : QDialog(parent), child_(child), funcComboBox_(new QComboBox(this)),
      traceScrollBar_(new QScrollBar(Qt::Horizontal, this)), valuesGroup_(new QGroupBox("Values", this)),
      messageLabel_(new QLabel(this))
{
    setObjectName("TraceForm");
    setWindowTitle("Trace");
    funcComboBox_->setObjectName("FuncComboBox");
    funcComboBox_->setMinimumContentsLength(30);
    traceScrollBar_->setObjectName("TraceScrollBar");
    traceScrollBar_->setPageStep(kLargeChange);
    traceScrollBar_->setSingleStep(1);
    traceScrollBar_->setFocusPolicy(Qt::StrongFocus);
    valuesGroup_->setObjectName("ValuesGroupBox");
    messageLabel_->setObjectName("MessageLabel");

    auto* values = new QVBoxLayout(valuesGroup_);
    const char* names[4] = {"XLabel", "YLabel", "ALabel", "RLabel"};
    for (int i = 0; i < 4; ++i) {
        valueLabels_[i] = new QLabel(valuesGroup_);
        valueLabels_[i]->setObjectName(names[i]);
        valueLabels_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values->addWidget(valueLabels_[i]);
    }
    values->addWidget(messageLabel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(funcComboBox_);
    layout->addWidget(traceScrollBar_);
    layout->addWidget(valuesGroup_);
    layout->addStretch(1);

    TranslateComponent(this);
    for (const std::string& line : GraphDescriptions(child_.Document()))
        funcComboBox_->addItem(QString::fromStdString(line));
    connect(funcComboBox_, &QComboBox::currentIndexChanged, this, &TTraceForm::SetGraph);
    connect(traceScrollBar_, &QScrollBar::valueChanged, this, &TTraceForm::ShowPoint);
    const int start = selectedGraph >= 0 && selectedGraph < funcComboBox_->count() ? selectedGraph : 0;
    {
        const QSignalBlocker block(funcComboBox_);
        funcComboBox_->setCurrentIndex(start);
    }
    SetGraph(start);
    traceScrollBar_->setFocus();
}

void TTraceForm::SetGraph(int index)
{
    RemovePointer();
    graph_ = index;
    TGraphicsManager& document = child_.Document();
    TraceSetup setup;
    if (index >= 0 && index < document.GraphCount()) setup = PrepareTrace(document.Graph(index), document.Options);
    else setup.Message = kNoValuesText;
    const bool shown[4] = {setup.Traceable, setup.Traceable, setup.Traceable && setup.ShowA,
                           setup.Traceable && setup.ShowR};
    for (int i = 0; i < 4; ++i) valueLabels_[i]->setVisible(shown[i]);
    messageLabel_->setVisible(!setup.Traceable);
    messageLabel_->setText(setup.Traceable ? QString() : TranslateText(setup.Message));
    {
        // Point 1 is shown below whether or not the position changes.
        const QSignalBlocker block(traceScrollBar_);
        traceScrollBar_->setRange(1, std::max(1, setup.PointCount));
        traceScrollBar_->setValue(1);
    }
    traceScrollBar_->setEnabled(setup.Traceable);
    if (setup.Traceable) ShowPoint(1);
}

void TTraceForm::ShowPoint(int k)
{
    TGraphicsManager& document = child_.Document();
    if (graph_ < 0 || graph_ >= document.GraphCount()) return;
    const TracePoint point = TracePointAt(document.Graph(graph_), document.Options, k);
    const TextTranslation translate = [](const std::string& text) { return Translate(text); };
    const std::vector<TraceLabel> labels = TraceLabels(point, translate);
    for (std::size_t i = 0; i < labels.size() && i < 4; ++i)
        valueLabels_[i]->setText(QString::fromStdString(labels[i].Name + labels[i].Text));
    // A polar point fills all four; a parametric one has A= in the third.
    if (labels.size() == 3) valueLabels_[2]->setText(QString::fromStdString(labels[2].Name + labels[2].Text));
    child_.TracePointer().MoveTo(document.Options, point.X, point.Y);
    child_.Canvas()->update();
}

void TTraceForm::RemovePointer()
{
    child_.TracePointer().Remove();
    child_.Canvas()->update();
}

void TTraceForm::done(int result)
{
    RemovePointer();
    QDialog::done(result);
}

}  // namespace vg
