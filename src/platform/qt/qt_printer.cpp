#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include "platform/atomic_file.h"
#include "platform/qt/qt_canvas.h"

namespace vg {

namespace {

constexpr QPageSize::PageSizeId kCommonPapers[] = {
    QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A3,
    QPageSize::A5, QPageSize::B5,     QPageSize::Executive, QPageSize::Tabloid,
};

PaperInfo InfoOf(const QPageSize& size, bool printerName)
{
    PaperInfo paper;
    paper.Key = size.key().toStdString();
    paper.Name = printerName ? size.name().toStdString() : paper.Key;
    const QSizeF inches = size.size(QPageSize::Inch);
    paper.Width = qRound(inches.width() * 1000);
    paper.Height = qRound(inches.height() * 1000);
    return paper;
}

QPageSize PageSizeOfKey(const std::string& key)
{
    const QString wanted = QString::fromStdString(key);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto sizeId = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::key(sizeId) == wanted) return QPageSize(sizeId);
    }
    return {};
}

class QtPrintPage : public PrintPage {
public:
    QtPrintPage(const PrinterChoice& choice, const std::string& pdfFile)
        : printer_(QPrinter::HighResolution), pdfFile_(pdfFile), toFile_(choice.Printer.empty())
    {
        if (toFile_) {
            printer_.setOutputFormat(QPrinter::PdfFormat);
            printer_.setResolution(kPdfPrintDpi);
        } else {
            printer_.setPrinterName(QString::fromStdString(choice.Printer));
        }
        printer_.setCreator(QStringLiteral("Vantor Graphs"));
        // Margins are the drawing's own, measured from the edges of the paper.
        printer_.setFullPage(true);
        const QPageSize paper = PageSizeOfKey(choice.Paper);
        if (paper.isValid()) printer_.setPageSize(paper);
        printer_.setPageOrientation(choice.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }

    PageGeometry Geometry() const override
    {
        return {printer_.width(), printer_.height(), printer_.logicalDpiX(), printer_.logicalDpiY()};
    }

    Canvas* Begin(const std::string& title) override
    {
        printer_.setDocName(QString::fromStdString(title));
        if (toFile_) {
            temporary_.setFileTemplate(QDir::tempPath() + QStringLiteral("/vgraph-print-XXXXXX.pdf"));
            if (!temporary_.open()) return nullptr;
            printer_.setOutputFileName(temporary_.fileName());
        } else if (!printer_.isValid()) {
            return nullptr;
        }
        canvas_ = std::make_unique<QtCanvas>(printer_);
        if (!canvas_->Active()) {
            canvas_.reset();
            return nullptr;
        }
        return canvas_.get();
    }

    bool End() override
    {
        if (!canvas_) return false;
        canvas_->End();
        canvas_.reset();
        if (!toFile_) return true;
        QFile written(temporary_.fileName());
        if (!written.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = written.readAll();
        if (bytes.isEmpty()) return false;
        return WriteFileAtomically(pdfFile_, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }

private:
    QPrinter printer_;
    std::string pdfFile_;
    bool toFile_;
    QTemporaryFile temporary_;
    std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace

std::vector<std::string> AvailablePrinters()
{
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(name.toStdString());
    return names;
}

std::string DefaultPrinterName() { return QPrinterInfo::defaultPrinterName().toStdString(); }

std::vector<PaperInfo> AvailablePapers(const std::string& printer)
{
    std::vector<PaperInfo> papers;
    if (!printer.empty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printer));
        for (const QPageSize& size : info.supportedPageSizes())
            if (size.isValid()) papers.push_back(InfoOf(size, true));
    }
    if (papers.empty())
        for (QPageSize::PageSizeId id : kCommonPapers) papers.push_back(InfoOf(QPageSize(id), false));
    return papers;
}

std::string DefaultPaperKey(const std::string& printer)
{
    if (!printer.empty()) {
        const QPageSize size = QPrinterInfo::printerInfo(QString::fromStdString(printer)).defaultPageSize();
        if (size.isValid()) return size.key().toStdString();
    }
    return QPageSize::key(QPageSize::A4).toStdString();
}

bool FindPaper(const std::string& key, PaperInfo& paper)
{
    const QPageSize size = PageSizeOfKey(key);
    if (!size.isValid()) return false;
    paper = InfoOf(size, false);
    return true;
}

std::unique_ptr<PrintPage> CreateQtPrintPage(const PrinterChoice& choice, const std::string& pdfFile)
{
    return std::make_unique<QtPrintPage>(choice, pdfFile);
}

}  // namespace vg
