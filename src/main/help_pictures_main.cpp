// help-pictures: the screenshots of the help, taken at build time on the
// offscreen platform from the program's own windows.
//   help-pictures RECIPES PICTURE_DIR DOCUMENT_DIR
// Each recipe line reads "NAME DOCUMENT TARGET [OPTION ...]":
//   DOCUMENT  a document of DOCUMENT_DIR (without .vgr), or "new"
//   TARGET    window               the main window
//             menu:OBJECT          a menu of the main window, popped up
//             toolbar:OBJECT       a toolbar
//             popup:document       the document window's popup menu
//             help:PAGE            the help window on a page of the help
//             command:OBJECT       the window that the menu item or toolbar
//                                  button OBJECT opens (modal or not)
//   OPTION    size=WxH             size of the main window (window only)
//             graph=N              selects graph N (1 = first) before the command
//             then                 the options before it are for the first
//                                  window the command shows, which then gets
//                                  OK; the picture is of the next window
//             tab=N                shows page N (0 = first) of the window's tabs
//             text=OBJECT=VALUE    types VALUE into a line edit or combo box
//             check=OBJECT         ticks a check box or radio button
//             select=OBJECT=N      chooses item N of a combo box
//             click=OBJECT         presses a button before the picture
//             open=OBJECT          (before then) presses a button that opens
//                                  the next window, instead of OK
//             file=PATH            chooses a file in a file window
//                                  ({documents} stands for DOCUMENT_DIR)
//             wait=OBJECT          takes the picture once OBJECT is shown
//             search=WORDS         types WORDS into the help window's search box
// A picture that cannot be taken becomes a grey placeholder and is listed in
// PICTURE_DIR/missing.txt, which the help tests read.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QToolBar>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "app/main_commands.h"
#include "app/ui/graph_lists.h"
#include "app/ui/help_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/message_dialog.h"
#include "app/ui/translate_component.h"
#include "main/command_modules.h"

namespace {

struct Recipe {
    QString name;
    QString document;
    QString target;
    QStringList options;
    int line = 0;
};

QString Option(const Recipe& recipe, const QString& key)
{
    for (const QString& option : recipe.options)
        if (option.startsWith(key + "=")) return option.mid(key.size() + 1);
    return {};
}

std::vector<Recipe> ReadRecipes(const QString& path)
{
    std::vector<Recipe> recipes;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return recipes;
    QTextStream in(&file);
    int number = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++number;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        QStringList words = trimmed.split(QRegularExpression("\\s+"));
        if (words.size() < 3) {
            std::fprintf(stderr, "help-pictures: %s:%d: NAME DOCUMENT TARGET expected\n",
                         qPrintable(path), number);
            continue;
        }
        Recipe r;
        r.name = words.takeFirst();
        r.document = words.takeFirst();
        r.target = words.takeFirst();
        r.options = words;
        r.line = number;
        recipes.push_back(r);
    }
    return recipes;
}

// A window's picture inside a plain frame with its title, as a desktop
// would show it (the offscreen platform draws no decorations).
QPixmap Framed(const QPixmap& content, const QString& title)
{
    const int bar = 24;
    QPixmap framed(content.width() + 2, content.height() + bar + 1);
    framed.fill(QColor(0x5A, 0x6E, 0x82));
    QPainter painter(&framed);
    painter.fillRect(QRect(1, 1, content.width(), bar - 1), QColor(0xDF, 0xE6, 0xEE));
    QFont font = QApplication::font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(QRect(8, 1, content.width() - 40, bar - 1), Qt::AlignVCenter | Qt::AlignLeft, title);
    // A close box at the right end of the bar.
    const QRect box(content.width() - 20, 5, 14, 14);
    painter.drawLine(box.topLeft() + QPoint(3, 3), box.bottomRight() - QPoint(3, 3));
    painter.drawLine(box.topRight() + QPoint(-3, 3), box.bottomLeft() + QPoint(3, -3));
    painter.drawPixmap(1, bar, content);
    return framed;
}

void Settle(int milliseconds = 30)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

// Presses a button, or a toolbar button's action, of a window by name.
bool Press(QWidget* window, const QString& name)
{
    if (auto* button = window->findChild<QAbstractButton*>(name)) {
        button->click();
        return true;
    }
    if (auto* action = window->findChild<QAction*>(name)) {
        action->trigger();
        return true;
    }
    return false;
}

void PressOK(QWidget* window)
{
    if (!window) return;
    if (auto* ok = window->findChild<QAbstractButton*>("OKButton")) {
        ok->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->accept();
    }
}

// Everything a recipe sets inside a window before its picture.
bool PrepareWindow(QWidget* window, const Recipe& recipe, QString& problem)
{
    for (const QString& option : recipe.options) {
        const QString key = option.section('=', 0, 0);
        const QString object = option.section('=', 1, 1);
        const QString value = option.section('=', 2);
        if (key == "tab") {
            auto* tabs = window->findChild<QTabWidget*>();
            if (!tabs) {
                problem = "no pages";
                return false;
            }
            tabs->setCurrentIndex(object.toInt());
        } else if (key == "text") {
            if (auto* edit = window->findChild<QLineEdit*>(object)) {
                edit->setText(value);
            } else if (auto* combo = window->findChild<QComboBox*>(object)) {
                combo->setEditText(value);
            } else {
                problem = "no edit " + object;
                return false;
            }
        } else if (key == "check") {
            auto* button = window->findChild<QAbstractButton*>(object);
            if (!button) {
                problem = "no check box " + object;
                return false;
            }
            button->setChecked(true);
        } else if (key == "select") {
            auto* combo = window->findChild<QComboBox*>(object);
            if (!combo) {
                problem = "no list " + object;
                return false;
            }
            combo->setCurrentIndex(value.toInt());
        } else if (key == "file") {
            auto* files = qobject_cast<QFileDialog*>(window);
            if (!files) {
                problem = "not a file window";
                return false;
            }
            const QFileInfo file(option.section('=', 1));
            files->setDirectory(file.absolutePath());
            files->selectFile(file.fileName());
            // As if typed: the selection waits for the folder to be read.
            if (auto* name = files->findChild<QLineEdit*>("fileNameEdit")) name->setText(file.absoluteFilePath());
        } else if (key == "click") {
            if (!Press(window, object)) {
                problem = "no button " + object;
                return false;
            }
        }
        Settle(20);
    }
    return true;
}

class PictureTaker {
public:
    PictureTaker(QString pictures, QString documents) : pictures_(std::move(pictures)), documents_(std::move(documents))
    {
        form_ = std::make_unique<vg::TMainForm>();
        vg::InstallCommandModules(*form_);
        form_->Start({});
        Settle(100);
    }

    void Take(const Recipe& recipe)
    {
        QString problem;
        QPixmap picture;
        if (!OpenDocument(recipe.document, problem) || !Shoot(recipe, picture, problem)) {
            std::fprintf(stderr, "help-pictures: %s: %s\n", qPrintable(recipe.name), qPrintable(problem));
            missing_ << recipe.name + ": " + problem;
            picture = Placeholder(recipe.name);
        }
        picture.save(pictures_ + "/" + recipe.name + ".png", "PNG");
    }

    bool WriteReport() const
    {
        QFile report(pictures_ + "/missing.txt");
        if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
        QTextStream out(&report);
        for (const QString& line : missing_) out << line << "\n";
        return true;
    }

private:
    QString pictures_;
    QString documents_;
    std::unique_ptr<vg::TMainForm> form_;
    std::map<QString, QPointer<vg::TMDIChild>> open_;
    QStringList missing_;

    bool OpenDocument(const QString& name, QString& problem)
    {
        auto found = open_.find(name);
        if (found == open_.end() || !found->second) {
            const int before = form_->Children().size();
            if (name == "new") {
                form_->NewDocument();
            } else if (!form_->OpenDocument(documents_ + "/" + name + ".vgr")) {
                problem = "cannot open " + name + ".vgr";
                return false;
            }
            if (form_->Children().size() == before) {
                problem = "no window for " + name;
                return false;
            }
            open_[name] = form_->ActiveChild();
        }
        form_->MdiArea()->setActiveSubWindow(open_[name]);
        open_[name]->showMaximized();
        Settle();
        return true;
    }

    bool Shoot(const Recipe& recipe, QPixmap& picture, QString& problem)
    {
        const QString kind = recipe.target.section(':', 0, 0);
        const QString object = recipe.target.section(':', 1);
        if (kind == "window") return ShootMainWindow(recipe, picture);
        if (kind == "menu") return ShootMenu(form_->findChild<QMenu*>(object), picture, problem);
        if (kind == "popup") return ShootMenu(form_->DocumentPopupMenu(), picture, problem);
        if (kind == "toolbar") {
            auto* bar = form_->findChild<QToolBar*>(object);
            if (!bar) {
                problem = "no toolbar " + object;
                return false;
            }
            picture = bar->grab();
            return true;
        }
        if (kind == "command") return ShootCommand(recipe, object, picture, problem);
        if (kind == "help") return ShootHelp(recipe, object, picture);
        problem = "unknown target " + recipe.target;
        return false;
    }

    // The help window on a page, after a search when the recipe has one.
    bool ShootHelp(const Recipe& recipe, const QString& page, QPixmap& picture)
    {
        vg::THelpForm* help = vg::THelpForm::ShowContext(form_.get(), 0);
        help->resize(760, 520);
        const QString query = Option(recipe, "search");
        if (!query.isEmpty()) help->Search(query);
        if (!page.isEmpty()) help->ShowTopic(page);
        Settle(200);
        picture = Framed(help->grab(), help->windowTitle());
        help->close();
        return true;
    }

    bool ShootMainWindow(const Recipe& recipe, QPixmap& picture)
    {
        const QString size = Option(recipe, "size");
        if (!size.isEmpty()) {
            form_->showNormal();
            form_->resize(size.section('x', 0, 0).toInt(), size.section('x', 1, 1).toInt());
        }
        Settle(150);
        picture = Framed(form_->grab(), form_->windowTitle());
        return true;
    }

    bool ShootMenu(QMenu* menu, QPixmap& picture, QString& problem)
    {
        if (!menu) {
            problem = "no such menu";
            return false;
        }
        menu->popup(form_->mapToGlobal(QPoint(20, 40)));
        Settle(80);
        picture = menu->grab();
        menu->close();
        Settle();
        return true;
    }

    QAction* CommandAction(const QString& object) const
    {
        for (const vg::CommandInfo& command : vg::AllCommands()) {
            if (object == command.itemName) return form_->Item(command.id);
            if (object == command.buttonName) return form_->Button(command.id);
        }
        return nullptr;
    }

    static QList<QWidget*> VisibleWindows()
    {
        QList<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && !qobject_cast<QMenu*>(widget)) windows << widget;
        return windows;
    }

    // The options of a command split at "then": one list for each window
    // the command shows; every list but the last ends by pressing OK.
    static std::vector<QStringList> Stages(const Recipe& recipe)
    {
        std::vector<QStringList> stages(1);
        for (const QString& option : recipe.options) {
            if (option == "then") stages.emplace_back();
            else stages.back() << option;
        }
        return stages;
    }

    bool ShootCommand(const Recipe& recipe, const QString& object, QPixmap& picture, QString& problem)
    {
        QAction* action = CommandAction(object);
        if (!action) {
            problem = "no command " + object;
            return false;
        }
        if (!action->isEnabled()) {
            problem = "command " + object + " is disabled";
            return false;
        }
        const QString graph = Option(recipe, "graph");
        if (!graph.isEmpty()) {
            vg::SetGraphsListItemIndex(*form_, graph.toInt() - 1);
            Settle();
        }
        const std::vector<QStringList> stages = Stages(recipe);
        std::size_t stage = 0;
        bool taken = false;
        const QList<QWidget*> before = VisibleWindows();
        // The modal windows come up inside trigger(), one inside another:
        // a timer answers each of them once.
        QTimer watch;
        QList<QPointer<QWidget>> answered;
        watch.setInterval(20);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            // A window answered once is answered again only after it closed
            // (a dialog that comes back, as the tools' parameter windows do).
            answered.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || answered.contains(modal)) return;
            if (qEnvironmentVariableIsSet("VG_HELP_PICTURES_TRACE"))
                std::fprintf(stderr, "help-pictures: %s: %s \"%s\" (stage %d)\n", qPrintable(recipe.name),
                             modal->metaObject()->className(), qPrintable(modal->windowTitle()), int(stage));
            answered << modal;
            Settle(80);
            if (qEnvironmentVariableIsSet("VG_HELP_PICTURES_TRACE"))
                std::fprintf(stderr, "help-pictures: settled, %d of %d stages, taken %d, problem '%s'\n", int(stage),
                             int(stages.size()), int(taken), qPrintable(problem));
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!taken && problem.isEmpty() && stage + 1 < stages.size()) {
                Recipe step = recipe;
                step.options = stages[stage++];
                const QString opener = Option(step, "open");
                const bool prepared = PrepareWindow(modal, step, problem);
                if (qEnvironmentVariableIsSet("VG_HELP_PICTURES_TRACE"))
                    std::fprintf(stderr, "help-pictures: prepared %d %s\n", int(prepared), qPrintable(problem));
                if (!prepared) {
                    if (dialog) dialog->reject();
                } else {
                    // Whatever comes up next comes up inside the press: run it
                    // from the window's own event loop, so that this timer
                    // (which never runs inside itself) can answer it.
                    QPointer<QWidget> window = modal;
                    QTimer::singleShot(0, window, [window, opener, &problem] {
                        if (qEnvironmentVariableIsSet("VG_HELP_PICTURES_TRACE"))
                            std::fprintf(stderr, "help-pictures: pressing %s\n",
                                         opener.isEmpty() ? "OK" : qPrintable(opener));
                        if (opener.isEmpty()) {
                            PressOK(window);
                            return;
                        }
                        if (!Press(window, opener)) problem = "no button " + opener;
                        if (!window) return;
                        if (auto* d = qobject_cast<QDialog*>(window.data())) d->reject();
                        else window->close();
                    });
                }
            } else {
                // A window that computes when it comes up is taken when it is done.
                const QString wait = Option(Recipe{{}, {}, {}, stages.back(), 0}, "wait");
                QWidget* done = wait.isEmpty() ? nullptr : modal->findChild<QWidget*>(wait);
                if (!taken && problem.isEmpty() && done && !done->isVisible()) {
                    answered.removeAll(modal);
                    return;
                }
                if (!taken && problem.isEmpty()) {
                    Recipe step = recipe;
                    step.options = stages.back();
                    taken = PrepareWindow(modal, step, problem);
                    Settle(150);
                    if (taken) picture = Framed(modal->grab(), modal->windowTitle());
                }
                if (dialog) dialog->reject();
                else modal->close();
            }
        });
        watch.start();
        action->trigger();
        Settle(150);
        watch.stop();
        if (taken) return true;
        if (!problem.isEmpty()) return false;
        // A window that stays open by itself (the calculator, the graph list).
        for (QWidget* window : VisibleWindows()) {
            if (before.contains(window) || window == form_.get()) continue;
            Recipe step = recipe;
            step.options = stages.back();
            if (!PrepareWindow(window, step, problem)) return false;
            Settle(150);
            picture = Framed(window->grab(), window->windowTitle());
            window->hide();
            return true;
        }
        problem = "no window came up for " + object;
        return false;
    }

    static QPixmap Placeholder(const QString& name)
    {
        QPixmap picture(320, 120);
        picture.fill(QColor(0xE0, 0xE0, 0xE0));
        QPainter painter(&picture);
        painter.drawText(picture.rect(), Qt::AlignCenter, "picture missing: " + name);
        return picture;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: help-pictures RECIPES PICTURE_DIR DOCUMENT_DIR\n");
        return 64;
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Vantor Graphs");
    QApplication::setApplicationDisplayName("Vantor Graphs");
    vg::InstallMessageDialog();
    std::string languages;
    std::unique_ptr<vg::TQtTranslator> translator = vg::StartTranslator(languages);
    std::vector<Recipe> recipes = ReadRecipes(QString::fromLocal8Bit(argv[1]));
    for (Recipe& recipe : recipes) recipe.options.replaceInStrings("{documents}", QString::fromLocal8Bit(argv[3]));
    PictureTaker taker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    for (const Recipe& recipe : recipes) taker.Take(recipe);
    const bool reported = taker.WriteReport();
    vg::SetTranslator(nullptr);
    // The windows are not closed: closing the main window would write the
    // settings of this run.
    std::fflush(stdout);
    std::_Exit(reported ? 0 : 1);
}
