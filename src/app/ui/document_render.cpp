#include "app/ui/document_render.h"

#include <QImage>

#include "document/graph_model.h"

namespace vg {

void RenderDocument(TGraphicsManager&, QImage& image)
{
    image.fill(Qt::white);
}

}  // namespace vg
