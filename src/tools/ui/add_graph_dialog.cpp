#include "tools/ui/add_graph_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "app/ui/help_form.h"
#include "document/graph_model.h"

namespace vg {

void TAddGraphDialog::SetFullDocumentHandler(std::function<void(const GraphRecord&)> handler)
{
    fullDocumentHandler_ = std::move(handler);
}

void TAddGraphDialog::FinishAdding(int graphCount)
{
    if (graphCount >= kMaxGraphs) {
        if (fullDocumentHandler_) fullDocumentHandler_(GraphToAdd());
        return;
    }
    done(AddGraphResult);
}

TAddGraphDialog::AddGraphButtons TAddGraphDialog::NewAddGraphButtons(const char* addCaption, int helpContext)
{
    AddGraphButtons buttons{new QPushButton(addCaption, this), nullptr, nullptr, new QHBoxLayout};
    buttons.Add->setObjectName("AddFunctionButton");
    buttons.Cancel = new QPushButton("Cancel", this);
    buttons.Cancel->setObjectName("CancelButton");
    buttons.Help = new QPushButton("Help", this);
    buttons.Help->setObjectName("HelpButton");
    buttons.Cancel->setAutoDefault(false);
    buttons.Help->setAutoDefault(false);
    connect(buttons.Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons.Help, &QPushButton::clicked, this,
            [this, helpContext] { THelpForm::ShowContext(this, helpContext); });
    buttons.Row->addStretch();
    buttons.Row->addWidget(buttons.Add);
    buttons.Row->addWidget(buttons.Cancel);
    buttons.Row->addWidget(buttons.Help);
    return buttons;
}

}  // namespace vg
