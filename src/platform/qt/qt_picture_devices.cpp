#include "platform/qt/qt_picture_devices.h"

#include <QBuffer>
#include <cstdio>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "platform/qt/qt_canvas.h"

namespace vg {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kDotsPerMeter = 3780;  // 96 dots per inch

class QtRasterSurface : public RasterSurface {
public:
    QtRasterSurface(int width, int height) : image_(width, height, QImage::Format_RGB32)
    {
        image_.setDotsPerMeterX(kDotsPerMeter);
        image_.setDotsPerMeterY(kDotsPerMeter);
        image_.fill(Qt::white);
        canvas_ = std::make_unique<QtCanvas>(image_);
    }
    bool IsNull() const { return image_.isNull(); }
    Canvas& GetCanvas() override { return *canvas_; }
    std::vector<ColorValue> Finish() override
    {
        canvas_->End();
        std::vector<ColorValue> out;
        out.reserve(static_cast<std::size_t>(image_.width()) * image_.height());
        for (int y = 0; y < image_.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
            for (int x = 0; x < image_.width(); ++x)
                out.push_back(MakeColorValue(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
        }
        return out;
    }

private:
    QImage image_;
    std::unique_ptr<QtCanvas> canvas_;
};

// A vector picture drawn on a paint device that writes its file into memory.
class QtMemoryVectorSurface : public VectorSurface {
public:
    using DeviceMaker = std::unique_ptr<QPaintDevice> (*)(QBuffer& buffer, int width, int height);

    QtMemoryVectorSurface(DeviceMaker makeDevice, int width, int height)
    {
        buffer_.open(QIODevice::WriteOnly);
        device_ = makeDevice(buffer_, width, height);
        canvas_ = std::make_unique<QtCanvas>(*device_);
    }
    Canvas& GetCanvas() override { return *canvas_; }
    bool Finish(std::vector<uint8_t>& bytes) override
    {
        canvas_->End();
        const QByteArray& data = buffer_.data();
        bytes.assign(data.begin(), data.end());
        return !bytes.empty();
    }

private:
    // In this order, the canvas lets go of the device before the device of the buffer.
    QBuffer buffer_;
    std::unique_ptr<QPaintDevice> device_;
    std::unique_ptr<QtCanvas> canvas_;
};

std::unique_ptr<QPaintDevice> MakeSvgGenerator(QBuffer& buffer, int width, int height)
{
    auto generator = std::make_unique<QSvgGenerator>();
    generator->setOutputDevice(&buffer);
    generator->setSize(QSize(width, height));
    generator->setViewBox(QRect(0, 0, width, height));
    generator->setResolution(kScreenDpi);
    generator->setTitle(QStringLiteral("Vantor Graphs"));
    return generator;
}

std::unique_ptr<QPaintDevice> MakePdfWriter(QBuffer& buffer, int width, int height)
{
    auto writer = std::make_unique<QPdfWriter>(&buffer);
    writer->setResolution(kScreenDpi);
    // One page exactly the picture's size at the screen resolution.
    writer->setPageSize(QPageSize(QSizeF(width * 72.0 / kScreenDpi, height * 72.0 / kScreenDpi),
                                  QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    writer->setCreator(QStringLiteral("Vantor Graphs"));
    return writer;
}

class QtPictureDevices : public PictureDevices {
public:
    std::unique_ptr<RasterSurface> CreateRaster(int width, int height) override
    {
        auto surface = std::make_unique<QtRasterSurface>(width, height);
        if (surface->IsNull()) return nullptr;
        return surface;
    }
    std::unique_ptr<VectorSurface> CreateVector(VectorFormat format, int width,
                                                int height) override
    {
        return std::make_unique<QtMemoryVectorSurface>(
            format == VectorFormat::Svg ? MakeSvgGenerator : MakePdfWriter, width, height);
    }
    bool EncodePng(const IndexImage& image, std::vector<uint8_t>& bytes) override
    {
        QImage q(image.width, image.height, QImage::Format_Indexed8);
        if (q.isNull()) return false;
        QList<QRgb> table;
        for (ColorValue c : image.palette) table.append(qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
        q.setColorTable(table);
        q.setDotsPerMeterX(kDotsPerMeter);
        q.setDotsPerMeterY(kDotsPerMeter);
        for (int y = 0; y < image.height; ++y)
            std::copy_n(image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                        image.width, q.scanLine(y));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!q.save(&buffer, "PNG")) return false;
        bytes.assign(buffer.data().begin(), buffer.data().end());
        return true;
    }
};

}  // namespace

std::unique_ptr<PictureDevices> CreateQtPictureDevices()
{
    return std::make_unique<QtPictureDevices>();
}

namespace {
// A program without windows shows only Qt's serious complaints.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}
}  // namespace

void EnsureOffscreenGuiApplication()
{
    if (QGuiApplication::instance() != nullptr) return;
    qInstallMessageHandler(QuietMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vgraph-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

}  // namespace vg
