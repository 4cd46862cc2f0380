#include "document/ui/picture_dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "document/ui/bitmap_props_form.h"
#include "document/ui/show_bitmap_save_form.h"
#include "platform/qt/qt_picture_devices.h"

namespace vg {

namespace {

QImage ToQImage(const IndexImage& image)
{
    QImage q(image.width, image.height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (ColorValue c : image.palette) table.append(qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
    q.setColorTable(table);
    for (int y = 0; y < image.height; ++y)
        std::copy_n(image.pixels.data() + static_cast<std::size_t>(y) * image.width, image.width, q.scanLine(y));
    return q;
}

}  // namespace

std::string CopyPictureToClipboard(const TGraphicsManager& document, const PictureRequest& request,
                                   bool asVector, PictureProgress* progress)
{
    std::unique_ptr<PictureDevices> devices = CreateQtPictureDevices();
    if (asVector) {
        std::vector<uint8_t> svg;
        std::string message = RenderPicture(document, *devices, PictureFileFormat::Svg, request, svg, progress);
        if (!message.empty()) return message;
        auto* data = new QMimeData;
        data->setData("image/svg+xml", QByteArray(reinterpret_cast<const char*>(svg.data()),
                                                  static_cast<qsizetype>(svg.size())));
        QGuiApplication::clipboard()->setMimeData(data);
        return {};
    }
    IndexImage image;
    std::string message = RenderIndexImage(document, *devices, request, image, progress);
    if (!message.empty()) return message;
    QGuiApplication::clipboard()->setImage(ToQImage(image));
    return {};
}

bool RunSavePictureDialog(QWidget* parent, const TGraphicsManager& document, PictureSettings& settings,
                          std::string& fileName, const PictureDialogHooks& hooks)
{
    TBitmapPropsForm form(TBitmapPropsForm::Mode::SaveAsPicture, parent, hooks);
    form.SetSettings(settings);
    form.SetFileName(fileName);
    if (form.exec() != QDialog::Accepted) return false;
    settings = form.Settings();
    fileName = form.FileName();
    if (PictureFormatOfFile(fileName) == PictureFileFormat::Unknown)
        fileName = WithPictureExtension(fileName, form.GifChosen());

    TShowBitmapSaveForm progress(parent, hooks);
    progress.show();
    std::unique_ptr<PictureDevices> devices = CreateQtPictureDevices();
    std::string message = SavePicture(document, *devices, fileName, settings.Request(), &progress);
    progress.close();
    if (!message.empty()) {
        hooks.Error(parent, hooks.Translate(message));
        return false;
    }
    return true;
}

bool RunCopyPictureDialog(QWidget* parent, const TGraphicsManager& document, PictureSettings& settings,
                          const PictureDialogHooks& hooks)
{
    TBitmapPropsForm form(TBitmapPropsForm::Mode::CopyToClipboard, parent, hooks);
    form.SetSettings(settings);
    if (form.exec() != QDialog::Accepted) return false;
    settings = form.Settings();
    TShowBitmapSaveForm progress(parent, hooks);
    progress.show();
    std::string message = CopyPictureToClipboard(document, settings.Request(), form.VectorChosen(), &progress);
    progress.close();
    if (!message.empty()) {
        hooks.Error(parent, hooks.Translate(message));
        return false;
    }
    return true;
}

}  // namespace vg
