#include "app/ui/translate_component.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSplashScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include "app/languages_setting.h"
#include "app/message_dialog_model.h"
#include "platform/config_paths.h"
#include "platform/profile_file.h"

namespace vg {

namespace {

// Pixels a check box adds to its caption's width for the box itself.
constexpr int kCheckBoxBoxWidth = 20;

int TagOf(const QObject* object)
{
    QVariant tag = object->property(kTagProperty);
    if (!tag.isValid()) {
        // A menu carries the tag of the item that opens it.
        if (auto* menu = qobject_cast<const QMenu*>(object)) tag = menu->menuAction()->property(kTagProperty);
    }
    return tag.isValid() ? tag.toInt() : 0;
}

bool KeepsOwnTexts(const QObject* object)
{
    int tag = TagOf(object);
    return tag == kTagKeepOwnTexts || tag == kTagKeepAllTexts;
}

std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

QString TranslateHintText(const QString& hint)
{
    if (hint.isEmpty()) return hint;
    return ToDisplayText(TranslateHint(ToUtf8(hint)));
}

QString WithoutMnemonic(QString text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) text.remove(i, 1);
    }
    return text;
}

// Translates one Qt filter "description (masks)", keeping the masks.
QString TranslateQtFilter(const QString& filter)
{
    QString whole = TranslateText(filter);
    int open = filter.lastIndexOf(QLatin1Char('('));
    if (whole != filter || open < 0 || !filter.endsWith(QLatin1Char(')'))) {
        if (whole == filter || open < 0) return whole;
        QString masks = filter.mid(open);
        return whole.endsWith(masks) ? whole : whole + QLatin1Char(' ') + masks;
    }
    QString description = filter.left(open).trimmed();
    return TranslateText(description) + QLatin1Char(' ') + filter.mid(open);
}

class ComponentTranslator {
public:
    void Process(QObject* object)
    {
        if (done_.contains(object)) return;
        done_.insert(object);
        if (!KeepsOwnTexts(object)) TranslateOwnTexts(object);
        if (qobject_cast<QFileDialog*>(object)) return;  // its widgets are Qt's own
        const QObjectList children = object->children();
        for (QObject* child : children) {
            if (TagOf(child) != kTagKeepAllTexts) Process(child);
        }
    }

private:
    void TranslateOwnTexts(QObject* object)
    {
        if (auto* action = qobject_cast<QAction*>(object)) {
            TranslateAction(action);
            return;
        }
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget) return;
        if (widget->isWindow() || qobject_cast<QDockWidget*>(widget) || qobject_cast<QToolBar*>(widget)) {
            if (!widget->windowTitle().isEmpty()) widget->setWindowTitle(TranslateText(widget->windowTitle()));
        }
        if (auto* menuBar = qobject_cast<QMenuBar*>(widget)) {
            TranslateMenuItems(menuBar->actions());
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            TranslateMenuItems(menu->actions());
        } else if (auto* toolBar = qobject_cast<QToolBar*>(widget)) {
            for (QAction* action : toolBar->actions()) TranslateItem(action);
        } else if (auto* checkBox = qobject_cast<QCheckBox*>(widget)) {
            TranslateCheckBox(checkBox);
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            radio->setText(TranslateText(radio->text()));
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            push->setText(TranslateText(push->text()));
            push->setToolTip(TranslateHintText(push->toolTip()));
        } else if (auto* tool = qobject_cast<QToolButton*>(widget)) {
            if (!tool->defaultAction()) {  // an action button shows its action's texts
                tool->setToolTip(TranslateHintText(tool->toolTip()));
                tool->setText(TranslateText(tool->text()));
            }
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->text().isEmpty()) label->setText(TranslateText(label->text()));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(TranslateText(group->title()));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->setToolTip(TranslateHintText(combo->toolTip()));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (!KeepsOwnTexts(tabs->widget(i))) tabs->setTabText(i, TranslateText(tabs->tabText(i)));
            }
        } else if (auto* dialog = qobject_cast<QFileDialog*>(widget)) {
            QStringList filters = dialog->nameFilters();
            for (QString& filter : filters) filter = TranslateQtFilter(filter);
            dialog->setNameFilters(filters);
        }
    }

    void TranslateCheckBox(QCheckBox* checkBox)
    {
        QString before = checkBox->text();
        QString after = TranslateText(before);
        if (after == before) return;
        checkBox->setText(after);
        int width = QFontMetrics(checkBox->font()).horizontalAdvance(WithoutMnemonic(after)) + kCheckBoxBoxWidth;
        checkBox->resize(std::max(width, checkBox->sizeHint().width()), checkBox->height());
    }

    void TranslateAction(QAction* action)
    {
        // A tooltip nobody set follows the text by itself; only a tooltip of
        // its own stays unchanged when the text changes.
        QString toolTip = action->toolTip();
        if (!action->text().isEmpty()) action->setText(TranslateText(action->text()));
        if (action->toolTip() == toolTip) action->setToolTip(TranslateHintText(toolTip));
        if (!action->statusTip().isEmpty()) action->setStatusTip(TranslateHintText(action->statusTip()));
    }

    // A menu or toolbar item: its texts unless its tag keeps them; the items
    // under it unless its tag is 10.
    void TranslateItem(QAction* action)
    {
        if (action->isSeparator() || done_.contains(action)) return;
        done_.insert(action);
        if (!KeepsOwnTexts(action)) TranslateAction(action);
        QMenu* submenu = action->menu();
        if (submenu && TagOf(action) != kTagKeepAllTexts && !done_.contains(submenu)) {
            done_.insert(submenu);
            TranslateMenuItems(submenu->actions());
        }
    }

    void TranslateMenuItems(const QList<QAction*>& actions)
    {
        for (QAction* action : actions) TranslateItem(action);
    }

    QSet<const QObject*> done_;
};

}  // namespace

QString ToDisplayText(std::string_view text)
{
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

QString TranslateText(std::string_view english)
{
    return ToDisplayText(Translate(english));
}

QString TranslateText(const QString& english)
{
    if (english.isEmpty()) return english;
    return TranslateText(ToUtf8(english));
}

void TranslateComponent(QObject* component)
{
    if (component) ComponentTranslator().Process(component);
}

void TQtTranslator::TranslateAll()
{
    // The application itself keeps its texts; every window it owns is
    // translated unless it keeps all of its texts.
    ComponentTranslator translator;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->parentWidget() == nullptr && TagOf(window) != kTagKeepAllTexts) translator.Process(window);
    }
}

std::string ReadLanguagesSetting()
{
    return ProfileFile(ConfigFilePath("VGraph.ini")).ReadString("Common", "Languages", "");
}

std::unique_ptr<TQtTranslator> StartTranslator(std::string& languages)
{
    auto translator = std::make_unique<TQtTranslator>();
    if (LoadSelectedLanguage(*translator, languages, ProgramLanguageDir()) == LanguageLoadResult::Failed) {
        // Shown before the translator is in force: this message is never
        // translated. The start window steps aside while it is shown.
        SetTranslator(nullptr);
        QList<QWidget*> hidden;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QSplashScreen*>(window) && window->isVisible()) {
                window->hide();
                hidden.append(window);
            }
        }
        ShowMessageDialog("Error reading language file", mtError, mbOK, 0);
        for (QWidget* window : hidden) window->show();
    }
    SetTranslator(translator.get());
    InstallToolkitTranslation(translator->Locale());
    return translator;
}

bool InstallToolkitTranslation(const std::string& locale)
{
    if (locale.empty() || !qApp) return false;
    // Qt's own dialogs and buttons (file and font dialogs, standard buttons,
    // the document windows' system menu) follow the chosen language when
    // Qt's translations for it are installed.
    auto* qt = new QTranslator(qApp);
    if (!qt->load(QStringLiteral("qtbase_") + QString::fromStdString(locale),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt)) {
        delete qt;
        return false;
    }
    return true;
}

}  // namespace vg
