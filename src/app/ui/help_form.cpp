#include "app/ui/help_form.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/help_search.h"
#include "app/help_topics.h"
#include "app/ui/shell_dialogs.h"
#include "app/ui/translate_component.h"

namespace vg {

namespace {

constexpr const char* kIndexPage = "keyword_index.html";

std::string ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// The topics map of the help folder, read once.
const std::map<int, std::string>& HelpTopics()
{
    static const std::map<int, std::string> topics =
        ParseHelpTopics(ReadFile(THelpForm::HelpFolder() + "/" + kHelpTopicsFile));
    return topics;
}

QUrl FolderUrl(const QString& page)
{
    const QString file = page.section('#', 0, 0);
    const QString anchor = page.contains('#') ? page.section('#', 1) : QString();
    QUrl url = QUrl::fromLocalFile(THelpForm::HelpFolder() + "/" + file);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

QMainWindow* MainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(widget)) return main;
    return nullptr;
}

}  // namespace

THelpForm::THelpForm(QWidget* parent)
    : QDialog(parent),
      browser_(new QTextBrowser(this)),
      searchEdit_(new QLineEdit(this)),
      results_(new QListWidget(this)),
      backButton_(new QPushButton(Tr("Back"), this)),
      forwardButton_(new QPushButton(Tr("Forward"), this))
{
    setObjectName("HelpForm");
    setWindowTitle(Tr("Vantor Graphs Help"));
    setModal(false);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({HelpFolder()});

    backButton_->setObjectName("HelpBackButton");
    forwardButton_->setObjectName("HelpForwardButton");
    // The tooltips name keys; the captions are translated already.
    backButton_->setToolTip(QKeySequence(QKeySequence::Back).toString(QKeySequence::NativeText));
    forwardButton_->setToolTip(QKeySequence(QKeySequence::Forward).toString(QKeySequence::NativeText));
    backButton_->setProperty(kTagProperty, kTagKeepOwnTexts);
    forwardButton_->setProperty(kTagProperty, kTagKeepOwnTexts);
    backButton_->setEnabled(false);
    forwardButton_->setEnabled(false);
    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });

    auto* contents = new QPushButton(Tr("Contents"), this);
    contents->setObjectName("HelpContentsButton");
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(0); });
    auto* index = new QPushButton(Tr("Index"), this);
    index->setObjectName("HelpIndexButton");
    connect(index, &QPushButton::clicked, this, [this] { ShowTopic(kIndexPage); });

    searchEdit_->setObjectName("HelpSearchEdit");
    searchEdit_->setPlaceholderText(Tr("Search"));
    searchEdit_->setClearButtonEnabled(true);
    searchEdit_->setMinimumWidth(160);
    connect(searchEdit_, &QLineEdit::returnPressed, this, [this] { Search(searchEdit_->text()); });
    connect(searchEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().isEmpty()) results_->hide();
    });

    results_->setObjectName("HelpResultsList");
    results_->hide();
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenResult(item->data(Qt::UserRole).toString()); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OpenResult(item->data(Qt::UserRole).toString()); });

    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        searchEdit_->setFocus();
        searchEdit_->selectAll();
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(backButton_);
    bar->addWidget(forwardButton_);
    bar->addWidget(contents);
    bar->addWidget(index);
    bar->addStretch(1);
    bar->addWidget(searchEdit_);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(results_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 560});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    resize(760, 560);
    BuildIndex();
}

QString THelpForm::HelpFolder()
{
    return ProgramDataDir() + "/help";
}

QUrl THelpForm::PageUrl(int context)
{
    const QString folder = HelpFolder();
    const std::string page = HelpPageForContext(HelpTopics(), context, [&](const std::string& name) {
        return QFileInfo::exists(folder + "/" + QString::fromStdString(name));
    });
    return FolderUrl(QString::fromStdString(page));
}

void THelpForm::ShowPage(int context)
{
    browser_->setSource(PageUrl(context));
}

void THelpForm::ShowTopic(const QString& page)
{
    browser_->setSource(FolderUrl(page));
}

void THelpForm::BuildIndex()
{
    const QDir folder(HelpFolder());
    for (const QString& name : folder.entryList({"*.html"}, QDir::Files, QDir::Name))
        index_.AddPage(name.toStdString(), ReadFile(folder.filePath(name)));
}

void THelpForm::Search(const QString& query)
{
    searchEdit_->setText(query);
    ShowResults(query);
}

void THelpForm::ShowResults(const QString& query)
{
    results_->clear();
    lastQuery_ = query.trimmed();
    if (lastQuery_.isEmpty()) {
        results_->hide();
        return;
    }
    const std::vector<HelpSearchHit> hits = index_.Search(lastQuery_.toStdString());
    for (const HelpSearchHit& hit : hits) {
        auto* item = new QListWidgetItem(QString::fromStdString(hit.title), results_);
        item->setData(Qt::UserRole, QString::fromStdString(hit.page));
        item->setToolTip(QString::fromStdString(hit.excerpt));
    }
    if (hits.empty()) {
        auto* item = new QListWidgetItem(Tr("No pages found"), results_);
        item->setFlags(Qt::NoItemFlags);
    }
    results_->show();
    if (hits.size() == 1) OpenResult(QString::fromStdString(hits.front().page));
    else if (!hits.empty()) results_->setCurrentRow(0);
}

void THelpForm::OpenResult(const QString& page)
{
    if (page.isEmpty()) return;
    ShowTopic(page);
    // Mark the first place where a word of the query stands.
    const std::vector<std::string> words = HelpWords(lastQuery_.toStdString());
    for (const std::string& word : words)
        if (browser_->find(QString::fromStdString(word))) break;
}

void THelpForm::UpdateTitle()
{
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? Tr("Vantor Graphs Help") : Tr("Vantor Graphs Help") + " - " + page);
}

void THelpForm::AttachTo(QWidget* owner)
{
    if (parentWidget() == owner) return;
    const QRect place = geometry();
    if (parentWidget()) parentWidget()->removeEventFilter(this);
    setParent(owner, windowFlags());
    if (owner) owner->installEventFilter(this);
    setGeometry(place);
}

bool THelpForm::eventFilter(QObject* watched, QEvent* event)
{
    // A modal dialog that owned the window closes: the window stays open and
    // goes back to the main window.
    if (watched == parentWidget() && event->type() == QEvent::Hide && parentWidget()->isModal()) {
        const bool shown = isVisible();
        AttachTo(MainWindow());
        if (shown) show();
    }
    return QDialog::eventFilter(watched, event);
}

THelpForm* THelpForm::ShowContext(QWidget* parent, int context)
{
    static QPointer<THelpForm> form;
    QWidget* owner = parent ? parent->window() : MainWindow();
    if (form && owner == form) owner = form->parentWidget();
    if (!form) {
        form = new THelpForm(owner);
        if (owner) owner->installEventFilter(form);
    } else {
        form->AttachTo(owner);
    }
    form->ShowPage(context);
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

}  // namespace vg
