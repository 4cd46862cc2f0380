#pragma once

#include <QDialog>

class QTextBrowser;

namespace vg {

// The help window: one HTML page per help context from the program's help
// folder; a context without a page shows the contents page.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    void ShowPage(int context);
    QTextBrowser* Browser() const { return browser_; }

    // Shows the one help window of the program on a context (0: contents).
    static THelpForm* ShowContext(QWidget* parent, int context);
    // The page file for a context, or the contents page.
    static QString PageFor(int context);

private:
    QTextBrowser* browser_;
};

}  // namespace vg
