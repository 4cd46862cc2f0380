#include "app/ui/undo_bridge.h"

#include <QComboBox>

#include "app/translator.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "document/graph_model.h"

namespace vg {

TUndoBridge::TUndoBridge(TMainForm* mainForm, TMDIChild* child) : mainForm_(mainForm), child_(child) {}

bool TUndoBridge::Active() const
{
    return mainForm_ && !child_->IsClosing() && mainForm_->ActiveChild() == child_;
}

QComboBox* TUndoBridge::ActiveGraphList() const
{
    return Active() ? mainForm_->findChild<QComboBox*>("FuncComboBox") : nullptr;
}

void TUndoBridge::UndoStateChanged(const TUndoManager&)
{
    if (Active()) mainForm_->UpdateMenuItems();
}

int TUndoBridge::SelectedGraph() const
{
    QComboBox* list = ActiveGraphList();
    return list ? list->currentIndex() : -1;
}

void TUndoBridge::InsertGraphsListItem(int index)
{
    if (QComboBox* list = ActiveGraphList()) {
        const TextTranslation translate = [](const std::string& text) { return Translate(text); };
        const std::string line = GraphDescription(child_->Document().Graph(index).Record, translate);
        list->insertItem(index, QString::fromStdString(line));
    }
}

void TUndoBridge::DeleteGraphsListItem(int index)
{
    if (QComboBox* list = ActiveGraphList()) list->removeItem(index);
}

void TUndoBridge::SetGraphsListItem(int index)
{
    if (QComboBox* list = ActiveGraphList()) {
        const TextTranslation translate = [](const std::string& text) { return Translate(text); };
        const std::string line = GraphDescription(child_->Document().Graph(index).Record, translate);
        list->setItemText(index, QString::fromStdString(line));
    }
}

void TUndoBridge::SetGraphsListItemIndex(int index)
{
    if (QComboBox* list = ActiveGraphList()) list->setCurrentIndex(index);
}

void TUndoBridge::GraphsChanged()
{
    if (Active()) mainForm_->UpdateMenuItems();
}

}  // namespace vg
