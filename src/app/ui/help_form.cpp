#include "app/ui/help_form.h"

#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ui/shell_dialogs.h"

namespace vg {

THelpForm::THelpForm(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setObjectName("HelpForm");
    setWindowTitle(Tr("Vantor Graphs Help"));
    setModal(false);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({ProgramDataDir() + "/help"});
    auto* contents = new QPushButton(Tr("Contents"), this);
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(0); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(contents, 0, Qt::AlignLeft);
    layout->addWidget(browser_);
    resize(640, 520);
}

QString THelpForm::PageFor(int context)
{
    const QString folder = ProgramDataDir() + "/help/";
    if (context > 0) {
        const QString page = folder + QString("context_%1.html").arg(context);
        if (QFileInfo::exists(page)) return page;
    }
    return folder + "index.html";
}

void THelpForm::ShowPage(int context)
{
    browser_->setSource(QUrl::fromLocalFile(PageFor(context)));
}

THelpForm* THelpForm::ShowContext(QWidget* parent, int context)
{
    static QPointer<THelpForm> form;
    if (!form) form = new THelpForm(parent);
    form->ShowPage(context);
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

}  // namespace vg
