#include "tables/ui/table_commands.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>

#include <algorithm>

#include "app/app_globals.h"
#include "app/file_filter.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/graph_commands.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/translate_component.h"
#include "document/graph_model.h"
#include "tables/table_file.h"
#include "tables/table_messages.h"
#include "tables/ui/open_table_form.h"
#include "tables/ui/save_table_form.h"
#include "tables/ui/table_editor_widget.h"

namespace vg {

namespace {

constexpr const char* kTextFileFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

void ShowError(const char* text) { ShowMessageDialog(Translate(text), mtError, mbOK, 0); }

// The graph selected in the Graph toolbar's list, -1 for none.
int SelectedGraph(const TMainForm& form)
{
    const auto* list = form.findChild<QComboBox*>("FuncComboBox");
    return list ? list->currentIndex() : -1;
}

bool HasTableGraph(const TGraphicsManager& document)
{
    return std::any_of(document.Graphs.begin(), document.Graphs.end(),
                       [](const auto& graph) { return graph->Record.Kind == GraphKind::Table; });
}

std::string AskTableFileToOpen(TMainForm& form)
{
    QFileDialog dialog(&form, TranslateText(std::string_view("Open Table")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromStdString(ToQtFileFilter(TranslateFileFilter(kTextFileFilter))));
    dialog.setDefaultSuffix("txt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

bool OpenTableFile(TMainForm& form, const std::string& fileName)
{
    TOpenTableForm format(&form);
    if (format.exec() != QDialog::Accepted) return false;
    // The whole file is read and closed before the properties dialog opens.
    GraphRecord record;
    if (!LoadTableFile(fileName, format.Orientation(), GlobalDocumentOptions(), record)) {
        ShowError(kFileReadErrorText);
        return false;
    }
    return AddGraphFromRecord(form, record);
}

void OpenTableItemClick(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    if (!child) return;
    if (child->Document().GraphCount() >= kMaxGraphs) {
        ShowMessageDialog(TranslateFormat(kTooManyGraphsText, {std::to_string(kMaxGraphs)}), mtError, mbOK, 0);
        return;
    }
    const std::string fileName = AskTableFileToOpen(form);
    if (!fileName.empty()) OpenTableFile(form, fileName);
}

void SaveTableItemClick(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    if (!child) return;
    const TGraphicsManager& document = child->Document();
    if (!HasTableGraph(document)) {
        ShowError(kNoTableText);
        return;
    }
    TProgramOptions& options = ProgramOptions();
    const std::string proposed = DefaultTableFileName(document.FileName, document.Named,
                                                      child->windowTitle().toStdString(), QDir::homePath().toStdString());
    TSaveTableForm dialog(document, SelectedGraph(form), proposed, options.DecimalPoint, &form);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenGraph() < 0) return;
    options.DecimalPoint = dialog.DecimalPoint();
    const GraphRecord& record = document.Graph(dialog.ChosenGraph()).Record;
    if (!SaveTableFile(dialog.FileName(), record, dialog.NumberForm(), dialog.DecimalPoint()))
        ShowError(kFileWriteErrorText);
}

void InstallTableCommands(TMainForm& form)
{
    InstallTableEditor();
    form.SetCommandHandler(CommandId::OpenTable, [&form] { OpenTableItemClick(form); });
    form.SetCommandHandler(CommandId::SaveTable, [&form] { SaveTableItemClick(form); });
}

}  // namespace vg
