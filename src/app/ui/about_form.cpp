#include "app/ui/about_form.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/shell_dialogs.h"
#include "app/ui/translate_component.h"

namespace vg {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutForm");
    setWindowTitle(Tr("About"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/vgraph.svg").pixmap(64, 64));
    auto* product = new QLabel("<b><big>Vantor Graphs</big></b>", this);
    product->setObjectName("ProductLabel");
    product->setProperty(kTagProperty, kTagKeepOwnTexts);  // the product's name
    auto* version = new QLabel(Tr("Version 1.21"), this);
    version->setObjectName("VersionLabel");
    auto* note = new QLabel(Tr("Plotting and analysis of mathematical functions."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addWidget(note);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

}  // namespace vg
