#include "app/ui/options_commands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>

#include "app/app_globals.h"
#include "app/language_list_model.h"
#include "app/undo_manager.h"
#include "app/ui/axles_form.h"
#include "app/ui/back_ground_form.h"
#include "app/ui/build_form.h"
#include "app/ui/common_options_form.h"
#include "app/ui/graphs_list_form.h"
#include "app/ui/language_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/translate_component.h"
#include "document/apply_options.h"

namespace vg {

namespace {

constexpr const char* kLanguageItemProperty = "languageItem";

// The active document when a dialog may open on it.
TMDIChild* OptionsDocument(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    return child && !form.Computing() && !child->IsClosing() ? child : nullptr;
}

// The graph list window draws its pictures on the background colour when
// ShowBackGround is set.
void RefreshGraphsListWindow()
{
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* list = qobject_cast<TGraphsListForm*>(widget)) list->Refresh();
}

// The global records hold the active document's options; the document takes
// the edited ones (recording the undo step when they differ).
void ApplyEdited(TMainForm& form, TMDIChild* child, const DocumentOptions* options, const ViewSettings* view)
{
    if (options) GlobalDocumentOptions() = *options;
    if (view) GlobalViewSettings() = *view;
    TUndoManager& undo = child->UndoManager();
    form.RunComputation(child, [child, &undo, options, view] {
        undo.BeginStep();
        if (view) ApplyViewSettings(child->Document(), *view);
        if (options) ApplyDocumentOptions(child->Document(), *options);
        undo.EndStep();
    });
    RefreshGraphsListWindow();
    form.UpdateMenuItems();
}

}  // namespace

void PlotOptionsCommand(TMainForm& form)
{
    QPointer<TMDIChild> child = OptionsDocument(form);
    if (!child) return;
    TBuildForm dialog(&form);
    dialog.SetOptions(child->Document().Options, ProgramOptions().Common.ChangeSteps);
    if (dialog.exec() != QDialog::Accepted || !child || child->IsClosing() || form.Computing()) return;
    const DocumentOptions edited = dialog.Options();
    ApplyEdited(form, child, &edited, nullptr);
}

void AxisOptionsCommand(TMainForm& form)
{
    QPointer<TMDIChild> child = OptionsDocument(form);
    if (!child) return;
    TAxlesForm dialog(&form);
    dialog.SetOptions(child->Document().Options, child->Document().View);
    if (dialog.exec() != QDialog::Accepted || !child || child->IsClosing() || form.Computing()) return;
    const DocumentOptions edited = dialog.Options();
    const ViewSettings view = dialog.View();
    ApplyEdited(form, child, &edited, &view);
}

void BackgroundOptionsCommand(TMainForm& form)
{
    QPointer<TMDIChild> child = OptionsDocument(form);
    if (!child) return;
    TBackGroundForm dialog(&form);
    dialog.SetOptions(child->Document().Options);
    if (dialog.exec() != QDialog::Accepted || !child || child->IsClosing() || form.Computing()) return;
    const DocumentOptions edited = dialog.Options();
    ApplyEdited(form, child, &edited, nullptr);
}

void CommonOptionsCommand(TMainForm& form)
{
    if (form.Computing()) return;
    TCommonOptionsForm dialog(&form);
    dialog.SetOptions(ProgramOptions().Common);
    if (dialog.exec() == QDialog::Accepted) dialog.StoreOptions(ProgramOptions().Common);
    RefreshGraphsListWindow();
}

void BuildLanguageMenu(TMainForm& form)
{
    QAction* english = form.Item(CommandId::English);
    auto* menu = form.findChild<QMenu*>("LanguageItem");
    if (!english || !menu) return;
    for (QAction* action : menu->actions()) {
        if (!action->property(kLanguageItemProperty).isValid()) continue;
        menu->removeAction(action);
        action->deleteLater();
    }
    const std::string& setting = ProgramOptions().Common.Languages;
    english->setCheckable(true);
    english->setChecked(EnglishChecked(setting));
    // Before the separator that stands above "Setup...".
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(english) + 1;
    QAction* before = at < actions.size() ? actions.at(at) : nullptr;
    int position = 1;
    for (const LanguageMenuItem& item : LanguageMenuItems(setting)) {
        auto* action = new QAction(QString::fromStdString(item.Caption), menu);
        action->setProperty(kLanguageItemProperty, position);
        action->setProperty(kTagProperty, kTagKeepOwnTexts);  // a file's name
        action->setStatusTip(english->statusTip());
        action->setCheckable(true);
        action->setChecked(item.Checked);
        TMainForm* f = &form;
        const int clicked = position++;
        QObject::connect(action, &QAction::triggered, menu, [f, clicked] { LanguageItemClick(*f, clicked); });
        menu->insertAction(before, action);
    }
}

void LanguageItemClick(TMainForm& form, int position)
{
    TLanguageForm dialog(&form);
    dialog.Fill(ProgramOptions().Common.Languages);
    dialog.SetSelected(position);
    dialog.OKStep();
}

void LanguageSetupCommand(TMainForm& form)
{
    TLanguageForm dialog(&form);
    dialog.Fill(ProgramOptions().Common.Languages);
    dialog.exec();
}

void InstallOptionsCommands(TMainForm& form)
{
    TMainForm* f = &form;
    form.SetCommandHandler(CommandId::Build, [f] { PlotOptionsCommand(*f); });
    form.SetCommandHandler(CommandId::Axles, [f] { AxisOptionsCommand(*f); });
    form.SetCommandHandler(CommandId::BackGround, [f] { BackgroundOptionsCommand(*f); });
    form.SetCommandHandler(CommandId::Common, [f] { CommonOptionsCommand(*f); });
    form.SetCommandHandler(CommandId::English, [f] { LanguageItemClick(*f, 0); });
    form.SetCommandHandler(CommandId::LanguageSetup, [f] { LanguageSetupCommand(*f); });
    TLanguageForm::SetMenuBuilder([f] { BuildLanguageMenu(*f); });
    // The setting is complete once the program has started; the menu shows
    // it whenever it opens.
    QObject::connect(f, &TMainForm::StartupFinished, f, [f] { BuildLanguageMenu(*f); });
    if (auto* menu = form.findChild<QMenu*>("LanguageItem"))
        QObject::connect(menu, &QMenu::aboutToShow, f, [f] { BuildLanguageMenu(*f); });
    BuildLanguageMenu(form);
}

}  // namespace vg
