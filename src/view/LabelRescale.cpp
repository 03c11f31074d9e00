#include "view/LabelRescale.h"

#include "model/Convert.h"
#include "view/PixelBox.h"

#include <algorithm>
#include <cmath>

namespace {

// trunc(v x newZoom / old). A document whose zoom cannot divide (only a damaged label holds
// one) keeps its pixels.
struct Scale {
    long double factor;

    Scale(float oldZoom, float newZoom)
        : factor(oldZoom > 0 && std::isfinite(oldZoom) ? static_cast<long double>(newZoom) / oldZoom : 1.0L)
    {
    }

    int operator()(long double value) const { return truncToInt(value * factor); }
    PixelBox operator()(const PixelBox& box) const
    {
        return {(*this)(box.left), (*this)(box.top), (*this)(box.right), (*this)(box.bottom)};
    }
};

void rescaleCutLine(Tshape& line, const Tobject& document, const Scale& scale)
{
    document.setCutLineBoxes(line);
    setPixelBox(line, scale(pixelBoxOf(line)));
}

} // namespace

void rescaleObjects(Tobject& document, float newZoom)
{
    const Scale scale(document.zoom, newZoom);
    for (Tshape& shape : document.objects) {
        switch (shape.kind()) {
        case ShapeKind::CutArc:
            // The box of the arc's points at the old zoom, each point scaled: scaling keeps
            // the order of coordinates, so scaling the box's edges is the same.
            document.setArcPixelBox(shape);
            setPixelBox(shape, scale(pixelBoxOf(shape)));
            break;
        case ShapeKind::CutLine:
            rescaleCutLine(shape, document, scale);
            break;
        case ShapeKind::PrintString:
            shape.fontSize = static_cast<float>(shape.fontSize * scale.factor);
            setPixelBox(shape, scale(pixelBoxOf(shape)));
            break;
        default:
            setPixelBox(shape, scale(pixelBoxOf(shape)));
            break;
        }
    }
    document.zoom = newZoom;
}

std::optional<ObjectListContent> Rescale(Tobject& document, float newZoom, QPaintDevice& canvas)
{
    rescaleObjects(document, newZoom);
    return Draw(canvas, document, true);
}
