// Every text of every window is in every shipped language file. The main
// window is built with all command families, as the program builds it; a
// translator that records what it is asked translates it, then every
// command runs on a document with a graph of each kind, and each window a
// command brings up is translated the same way and closed. So a window that
// another part adds is checked as soon as a command opens it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLibraryInfo>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <map>
#include <set>

#include "app/app_globals.h"
#include "app/graph_operations.h"
#include "app/main_commands.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/translate_component.h"
#include "app_shell/shipped_languages.h"
#include "document/graph_model.h"
#include "engine/number_text.h"
#include "main/command_modules.h"
#include "support/ui_robots.h"

namespace vg {
namespace {

using language_test::ProgramTexts;

// A label that shows a value ("X=-10", "0.5"): windows are translated here
// when they come up, after they were filled.
bool IsReadout(std::string_view text)
{
    const std::size_t equals = text.rfind('=');
    bool failed = false;
    ParseNumberText(text.substr(equals == std::string_view::npos ? 0 : equals + 1), failed);
    return !failed;
}

// Keeps every text it is asked for, with the window that asked, and
// answers as a complete language would: with a text of its own ("«text»"),
// which it knows again when it is asked for it a second time.
class TRecordingTranslator : public TQtTranslator {
public:
    std::string Translate(std::string_view text) const override
    {
        const std::string_view open = "\u00AB", close = "\u00BB";
        if (text.empty() || (text.substr(0, open.size()) == open)) return std::string(text);
        if (!IsReadout(text)) texts_.AddExact(std::string(text), window_);
        return std::string(open) + std::string(text) + std::string(close);
    }
    void SetWindow(const std::string& window) { window_ = window; }
    const ProgramTexts& Texts() const { return texts_; }

private:
    mutable ProgramTexts texts_;
    std::string window_ = "main window";
};

// Translates each window as it comes up and closes it again.
class WindowCloser : public QObject {
public:
    WindowCloser(TRecordingTranslator& translator, QWidget* mainWindow)
        : translator_(translator), mainWindow_(mainWindow)
    {
        qApp->installEventFilter(this);
    }
    ~WindowCloser() override { qApp->removeEventFilter(this); }

    const std::set<std::string>& Windows() const { return windows_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || !window || !window->isWindow() || window == mainWindow_ ||
            qobject_cast<QMenu*>(window) || window->windowType() == Qt::ToolTip)
            return false;
        const std::string name = std::string(window->metaObject()->className()) + " " +
                                 window->objectName().toStdString();
        windows_.insert(name);
        translator_.SetWindow(name + " (" + command_ + ")");
        TranslateComponent(window);
        translator_.SetWindow("main window");
        QPointer<QWidget> shown(window);
        QTimer::singleShot(0, window, [shown] {
            if (!shown) return;
            if (auto* dialog = qobject_cast<QDialog*>(shown.data())) dialog->reject();
            else shown->close();
        });
        return false;
    }

public:
    std::string command_;

private:
    TRecordingTranslator& translator_;
    QWidget* mainWindow_;
    std::set<std::string> windows_;
};

GraphRecord GraphOfKind(const DocumentOptions& options, GraphKind kind, const char* formula)
{
    GraphRecord record = NewGraphRecord(options);
    ApplyKindDefaults(record, kind, options);
    record.Formula.Assign(formula);
    return record;
}

// The program as shipped: no menu or toolbar command is left saying it is
// not available yet.
TEST(ShippedCommands, everyCommandDoesItsWork)
{
    QTemporaryDir dir;
    test::UseSettingsFolderIn(dir);
    TMainForm form;
    InstallCommandModules(form);
    for (const CommandInfo& command : AllCommands())
        EXPECT_TRUE(command.implemented || form.HasCommandHandler(command.id))
            << (*command.itemName ? command.itemName : command.buttonName);
}

TEST(ShippedLanguageWindows, translateEveryTextOfEveryWindow)
{
    QTemporaryDir dir;
    test::UseSettingsFolderIn(dir);
    TRecordingTranslator translator;
    SetTranslator(&translator);
    {
        TMainForm form;
        InstallCommandModules(form);
        translator.TranslateAll();
        form.Start({});
        for (int i = 0; i < 100 && !form.Initialized(); ++i) QApplication::processEvents();
        ASSERT_NE(form.ActiveChild(), nullptr);
        TGraphicsManager& document = form.ActiveChild()->Document();
        const DocumentOptions& options = document.Options;
        AddGraphToDocument(document, GraphOfKind(options, GraphKind::YFromX, "sin(x)"));
        AddGraphToDocument(document, GraphOfKind(options, GraphKind::Polar, "1+cos(a)"));
        GraphRecord table = GraphOfKind(options, GraphKind::Table, "");
        AddGraphToDocument(document, table);
        form.RebuildGraphsList();
        form.UpdateMenuItems();

        WindowCloser closer(translator, &form);
        for (const CommandInfo& command : AllCommands()) {
            if (command.id == CommandId::FileExit) continue;
            QAction* action = form.Item(command.id) ? form.Item(command.id) : form.Button(command.id);
            if (!action) continue;
            closer.command_ = *command.itemName ? command.itemName : command.buttonName;
            form.UpdateMenuItems();
            action->trigger();
            for (int i = 0; i < 5; ++i) QApplication::processEvents();
        }
        EXPECT_GE(closer.Windows().size(), 5u) << "the commands bring up their windows";
        // The popup menus and every window the run left behind.
        translator.TranslateAll();
        for (TMDIChild* child : form.Children()) child->SetModified(false);
    }
    SetTranslator(nullptr);

    for (const language_test::ShippedLanguage& language : language_test::LoadShippedLanguages()) {
        // The document windows' system menu is Qt's own: Qt's translations
        // for the language's locale cover it.
        const std::string locale = language.Dictionary->Locale();
        ASSERT_FALSE(locale.empty()) << language.Name << " names no locale";
        QTranslator qt;
        ASSERT_TRUE(qt.load(QStringLiteral("qtbase_") + QString::fromStdString(locale),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            << "Qt's translations for " << locale << " are not installed";
        ProgramTexts ours;
        for (const auto& [text, origin] : translator.Texts().All())
            if (qt.translate("QMdiSubWindow", text.c_str()).isEmpty()) ours.AddExact(text, origin);
        EXPECT_EQ(language_test::MissingTexts(language, ours), "") << language.Name << " lacks these window texts";
    }
}

}  // namespace
}  // namespace vg
