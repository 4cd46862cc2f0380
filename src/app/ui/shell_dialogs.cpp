#include "app/ui/shell_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/file_filter.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"

namespace vg {

QString Tr(const char* english) { return QString::fromStdString(Translate(english)); }

void ShowErrorMessage(QWidget*, const QString& englishText, int helpContext)
{
    ShowMessageDialog(englishText.toStdString(), mtError, mbOK, helpContext);
}

SaveAnswer AskSaveChanges(QWidget*, const QString& caption)
{
    const std::string text = TranslateFormat("Save changes to %s?", {caption.toStdString()});
    switch (ShowMessageDialog(text, mtConfirmation, mbYes | mbNo | mbCancel, 0)) {
    case mrYes: return SaveAnswer::Yes;
    case mrNo: return SaveAnswer::No;
    default: return SaveAnswer::Cancel;
    }
}

QString DocumentFileFilter()
{
    const std::string filter = "Files of graphs (*.vgr)|*.vgr|All files (*.*)|*.*";
    return QString::fromStdString(ToQtFileFilter(TranslateFileFilter(filter)));
}

QString ProgramDataDir()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QString installed = QDir::cleanPath(bin + "/../share/vgraph");
    if (QFileInfo(installed + "/help").isDir()) return installed;
    // The build tree keeps the help with its generated pictures beside bin.
    const QString buildTree = QDir::cleanPath(bin + "/../data");
    if (QFileInfo(buildTree + "/help/index.html").isFile()) return buildTree;
#ifdef VG_SOURCE_DATA_DIR
    return QStringLiteral(VG_SOURCE_DATA_DIR);
#else
    return installed;
#endif
}

}  // namespace vg
