#include "app/ui/document_render.h"

#include <QImage>

#include "document/graph_drawing.h"
#include "document/graph_model.h"
#include "platform/qt/qt_canvas.h"

namespace vg {

void RenderDocument(TGraphicsManager& document, QImage& image)
{
    QtCanvas canvas(image);
    const CanvasRect output{0, 0, image.width(), image.height()};
    DrawDocument(document, canvas, output);
    canvas.End();
}

}  // namespace vg
