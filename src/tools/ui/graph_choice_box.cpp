#include "tools/ui/graph_choice_box.h"

#include "app/translator.h"
#include "document/graph_model.h"

namespace vg {

namespace {

std::string TranslateText8(const std::string& text) { return Translate(text); }

}  // namespace

QComboBox* NewGraphChoiceBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName("FuncComboBox");
    box->setMinimumContentsLength(40);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

void FillGraphChoiceBox(QComboBox* box, const TGraphicsManager* document, int selectedGraph)
{
    const QSignalBlocker block(box);
    box->clear();
    if (!document) return;
    for (int i = 0; i < document->GraphCount(); ++i)
        box->addItem(QString::fromStdString(GraphDescription(document->Graph(i).Record, TranslateText8)));
    box->setCurrentIndex(selectedGraph >= 0 && selectedGraph < box->count() ? selectedGraph : -1);
}

int ChosenGraphIndex(const QComboBox* box, const TGraphicsManager* document)
{
    const int index = box->currentIndex();
    if (!document || index < 0 || index >= document->GraphCount()) return -1;
    return index;
}

}  // namespace vg
