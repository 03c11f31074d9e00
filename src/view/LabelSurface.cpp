#include "view/LabelSurface.h"

#include "view/LabelRescale.h"
#include "view/ZoomList.h"

QImage renderLabelSurface(Tobject& document, const LabelSettings& label, float zoom)
{
    const QSize size = zoomedSurfaceSize(label.Width, label.Height, document.dpi, zoom);
    if (size.isEmpty() || size.width() > kMaxSurfaceSide || size.height() > kMaxSurfaceSide)
        return {};
    QImage surface(size, QImage::Format_RGB32);
    if (surface.isNull())
        return {};
    Rescale(document, zoom, surface);
    return surface;
}
