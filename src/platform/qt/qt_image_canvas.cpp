#include "platform/qt/qt_image_canvas.h"

#include <QImage>

#include "platform/qt/qt_canvas.h"

namespace vg {

namespace {

struct ImageHolder {
    ImageHolder(int width, int height) : image(width, height, QImage::Format_RGB32) { image.fill(Qt::white); }
    QImage image;
};

// The image is built before the canvas that paints on it and outlives it.
class OwnedImageCanvas : private ImageHolder, public QtCanvas {
public:
    OwnedImageCanvas(int width, int height) : ImageHolder(width, height), QtCanvas(image) {}
};

}  // namespace

std::unique_ptr<Canvas> CreateImageCanvas(int width, int height)
{
    return std::make_unique<OwnedImageCanvas>(width, height);
}

}  // namespace vg
