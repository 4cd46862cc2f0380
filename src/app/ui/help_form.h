#pragma once

#include <QDialog>
#include <QUrl>
#include <map>
#include <string>

#include "app/help_search.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace vg {

// The help window: the HTML pages of the program's help folder, one per help
// context (the folder's topics map says which), with Back and Forward through
// the pages seen, the contents and index pages, and a search box over every
// page. A context without a page shows the contents page.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    void ShowPage(int context);
    // A page of the help folder by file name, optionally with "#anchor".
    void ShowTopic(const QString& page);
    // Runs a search as if typed into the search box and Enter pressed.
    void Search(const QString& query);

    QTextBrowser* Browser() const { return browser_; }
    QLineEdit* SearchEdit() const { return searchEdit_; }
    QListWidget* ResultsList() const { return results_; }
    QPushButton* BackButton() const { return backButton_; }
    QPushButton* ForwardButton() const { return forwardButton_; }
    std::size_t IndexedPages() const { return index_.PageCount(); }

    // Shows the one help window of the program on a context (0: contents),
    // owned by the caller's window so that a modal dialog does not lock it
    // out; it goes back to the main window when that dialog closes.
    static THelpForm* ShowContext(QWidget* parent, int context);
    // The folder of the help pages.
    static QString HelpFolder();
    // The page (with its anchor) that shows a context.
    static QUrl PageUrl(int context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextBrowser* browser_;
    QLineEdit* searchEdit_;
    QListWidget* results_;
    QPushButton* backButton_;
    QPushButton* forwardButton_;
    THelpIndex index_;
    QString lastQuery_;

    void BuildIndex();
    void ShowResults(const QString& query);
    void OpenResult(const QString& page);
    void AttachTo(QWidget* owner);
    void UpdateTitle();
};

}  // namespace vg
