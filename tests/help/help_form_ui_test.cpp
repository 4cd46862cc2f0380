// The help window on the offscreen platform: pages by help context, Back and
// Forward through the pages seen, the search box, and its place beside a
// modal dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

#include "app/ui/help_form.h"

namespace vg {
namespace {

QString PageOf(const THelpForm& form) { return form.Browser()->source().fileName(); }

TEST(HelpForm, backAndForwardFollowThePagesSeen)
{
    THelpForm form;
    form.ShowPage(0);
    EXPECT_EQ(PageOf(form), "index.html");
    EXPECT_FALSE(form.BackButton()->isEnabled());
    form.ShowTopic("functions.html#sin");
    EXPECT_EQ(PageOf(form), "functions.html");
    EXPECT_EQ(form.Browser()->source().fragment(), "sin");
    ASSERT_TRUE(form.BackButton()->isEnabled());
    form.BackButton()->click();
    EXPECT_EQ(PageOf(form), "index.html");
    EXPECT_FALSE(form.BackButton()->isEnabled());
    ASSERT_TRUE(form.ForwardButton()->isEnabled());
    form.ForwardButton()->click();
    EXPECT_EQ(PageOf(form), "functions.html");
    EXPECT_FALSE(form.ForwardButton()->isEnabled());
}

TEST(HelpForm, aContextWithoutAPageShowsTheContents)
{
    THelpForm form;
    form.ShowPage(99999);
    EXPECT_EQ(PageOf(form), "index.html");
    EXPECT_FALSE(form.Browser()->toPlainText().isEmpty());
}

TEST(HelpForm, searchListsThePagesAndOpensTheChosenOneAtTheWord)
{
    THelpForm form;
    form.show();
    EXPECT_EQ(form.IndexedPages(), std::size_t(QDir(THelpForm::HelpFolder()).entryList({"*.html"}).size()));
    form.ShowPage(0);
    form.SearchEdit()->setText("asinh");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form.SearchEdit(), &enter);
    ASSERT_TRUE(form.ResultsList()->isVisible());
    ASSERT_GE(form.ResultsList()->count(), 1);
    QListWidgetItem* first = form.ResultsList()->item(0);
    const QString page = first->data(Qt::UserRole).toString();
    EXPECT_FALSE(page.isEmpty());
    form.ResultsList()->itemClicked(first);
    EXPECT_EQ(PageOf(form), page);
    EXPECT_EQ(form.Browser()->textCursor().selectedText().toLower(), "asinh");
}

TEST(HelpForm, aSearchWithoutPagesSaysSo)
{
    THelpForm form;
    form.show();
    form.Search("xyzzyplugh");
    ASSERT_EQ(form.ResultsList()->count(), 1);
    EXPECT_EQ(form.ResultsList()->item(0)->flags(), Qt::NoItemFlags);
    form.SearchEdit()->clear();
    EXPECT_FALSE(form.ResultsList()->isVisible());
}

TEST(HelpForm, staysUsableBesideAModalDialogAndOutlivesIt)
{
    QMainWindow main;
    main.show();
    QDialog dialog(&main);
    QPointer<THelpForm> help;
    bool shownInside = false;
    QTimer::singleShot(0, &dialog, [&] {
        help = THelpForm::ShowContext(&dialog, 0);
        // Owned by the modal dialog, so the dialog does not lock it out.
        shownInside = help->parentWidget() == &dialog && help->isVisible();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(shownInside);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->parentWidget(), &main);
    EXPECT_TRUE(help->isVisible());
    help->close();
}

}  // namespace
}  // namespace vg
