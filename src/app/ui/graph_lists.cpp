#include "app/ui/graph_lists.h"

#include <QComboBox>

#include "app/translator.h"
#include "app/ui/main_form.h"
#include "document/graph_model.h"

namespace vg {

namespace {

QString DescriptionOf(const GraphRecord& record)
{
    const TextTranslation translate = [](const std::string& text) { return Translate(text); };
    return QString::fromStdString(GraphDescription(record, translate));
}

}  // namespace

QComboBox* GraphListBox(TMainForm& form) { return form.findChild<QComboBox*>("FuncComboBox"); }

int SelectedGraph(TMainForm& form)
{
    QComboBox* box = GraphListBox(form);
    return box ? box->currentIndex() : -1;
}

void AddGraphsListItem(TMainForm& form, const GraphRecord& record)
{
    if (QComboBox* box = GraphListBox(form)) box->addItem(DescriptionOf(record));
}

void InsertGraphsListItem(TMainForm& form, int index, const GraphRecord& record)
{
    if (QComboBox* box = GraphListBox(form)) box->insertItem(index, DescriptionOf(record));
}

void SetGraphsListItem(TMainForm& form, int index, const GraphRecord& record)
{
    if (QComboBox* box = GraphListBox(form)) box->setItemText(index, DescriptionOf(record));
}

void DeleteGraphsListItem(TMainForm& form, int index)
{
    if (QComboBox* box = GraphListBox(form)) box->removeItem(index);
}

void SetGraphsListItemIndex(TMainForm& form, int index)
{
    if (QComboBox* box = GraphListBox(form)) box->setCurrentIndex(index);
}

}  // namespace vg
