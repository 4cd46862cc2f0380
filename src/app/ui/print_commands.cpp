#include "app/ui/print_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/printing.h"
#include "app/program_options.h"
#include "app/translator.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/page_setup_form.h"
#include "app/ui/print_opt_form.h"
#include "app/ui/shell_dialogs.h"
#include "app/ui/translate_component.h"
#include "document/graph_model.h"
#include "document/ui/show_bitmap_save_form.h"
#include "platform/qt/qt_printer.h"

namespace vg {

namespace {

std::string AskPdfFileWithDialog(QWidget* parent, const std::string& proposed)
{
    QFileDialog dialog(parent, Tr("Print to PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(Tr("PDF files (*.pdf)"));
    dialog.setDefaultSuffix("pdf");
    dialog.setFileMode(QFileDialog::AnyFile);
    const QFileInfo file(QString::fromStdString(proposed));
    dialog.setDirectory(file.absolutePath());
    dialog.selectFile(file.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath().toStdString();
}

// The document's file name with ".pdf", beside it.
std::string ProposedPdfFile(const TMDIChild& child)
{
    const QFileInfo file(child.FileName());
    return (file.absolutePath() + "/" + file.completeBaseName() + ".pdf").toStdString();
}

// The print dialog; false when cancelled. Print stores its choices.
bool AskPrintOptions(TMainForm& form)
{
    PageSetup& setup = CurrentPageSetup();
    TPrintOptForm dialog(&form, AvailablePrinters());
    dialog.SetPrinter(setup.Printer.Printer);
    dialog.SetBlackAndWhite(ProgramOptions().BlackAndWhite);
    dialog.showHelp = [&form](int context) { form.ShowHelp(context); };
    dialog.pageSetup = [&form](TPrintOptForm& options) {
        PageSetup changed = CurrentPageSetup();
        changed.Printer.Printer = options.Printer();
        if (RunPageSetup(&options, changed, [&form](int context) { form.ShowHelp(context); })) {
            CurrentPageSetup() = changed;
            options.SetPrinter(changed.Printer.Printer);
        }
    };
    TranslateComponent(&dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    ProgramOptions().BlackAndWhite = dialog.BlackAndWhite();
    if (dialog.Printer() != setup.Printer.Printer) {
        setup.Printer.Printer = dialog.Printer();
        setup.Printer.Paper = DefaultPaperKey(setup.Printer.Printer);
    }
    return true;
}

PictureDialogHooks ProgressHooks()
{
    PictureDialogHooks hooks;
    hooks.translate = [](const std::string& text) { return Translate(text); };
    return hooks;
}

}  // namespace

PageSetup& CurrentPageSetup()
{
    static PageSetup setup = [] {
        PageSetup s;
        s.Printer.Printer = DefaultPrinterName();
        s.Printer.Paper = DefaultPaperKey(s.Printer.Printer);
        return s;
    }();
    return setup;
}

std::unique_ptr<TShowBitmapSaveForm> MakePrintProgress(QWidget* parent)
{
    auto progress = std::make_unique<TShowBitmapSaveForm>(parent, ProgressHooks());
    progress->setWindowTitle(Tr("Printing"));
    progress->SetPicture(QIcon(":/icons/print.svg").pixmap(32, 32));
    return progress;
}

void PrintDocumentWindow(TMainForm& form, TMDIChild& child, const PdfFileQuestion& askPdfFile)
{
    if (!AskPrintOptions(form)) return;
    const PageSetup setup = CurrentPageSetup();
    std::string pdfFile;
    if (setup.Printer.Printer.empty()) {
        pdfFile = (askPdfFile ? askPdfFile : AskPdfFileWithDialog)(&form, ProposedPdfFile(child));
        if (pdfFile.empty()) return;
    }
    form.repaint();

    std::unique_ptr<TShowBitmapSaveForm> progress = MakePrintProgress(&form);
    progress->show();

    PrintRequest request;
    request.Title = child.windowTitle().toStdString();
    request.Margins = setup.Margins;
    request.BlackAndWhite = ProgramOptions().BlackAndWhite;
    std::unique_ptr<PrintPage> page = CreateQtPrintPage(setup.Printer, pdfFile);
    const PrintResult result = PrintDocument(child.Document(), *page, request, progress.get());
    progress->close();
    if (!result.Message.empty()) ShowMessageDialog(result.Message, mtError, mbOK, 0);
}

void InstallPrintCommands(TMainForm& form)
{
    form.SetCommandHandler(CommandId::PageSetup, [&form] {
        PageSetup changed = CurrentPageSetup();
        if (RunPageSetup(&form, changed, [&form](int context) { form.ShowHelp(context); }))
            CurrentPageSetup() = changed;
    });
    form.SetCommandHandler(CommandId::Print, [&form] {
        if (TMDIChild* child = form.ActiveChild()) PrintDocumentWindow(form, *child);
    });
}

}  // namespace vg
