#include "app/ui/document_render.h"

#include <QImage>

#include "document/graph_drawing.h"
#include "document/graph_model.h"
#include "platform/qt/qt_canvas.h"

namespace vg {

PlotFrame RenderDocument(TGraphicsManager& document, QImage& image, double pixelRatio)
{
    QtCanvas canvas(image);
    const CanvasRect output{0, 0, image.width(), image.height()};
    const DeviceContext device = pixelRatio > 1.0 ? PictureDeviceContext(pixelRatio) : DeviceContext{};
    const PlotFrame frame = DrawDocument(document, canvas, output, device);
    canvas.End();
    return frame;
}

}  // namespace vg
