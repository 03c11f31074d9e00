#include "editor/ObjectPlacement.h"

#include "model/Convert.h"

int offsetBy(int a, long double b)
{
    return truncToInt(a + b);
}

void shiftCutGeometry(Tshape& shape, double dx, double dy)
{
    switch (shape.kind()) {
    case ShapeKind::CutArc:
        shape.CenterX += dx;
        shape.CenterY += dy;
        break;
    case ShapeKind::CutLine:
        shape.startX = static_cast<float>(shape.startX + dx);
        shape.endX = static_cast<float>(shape.endX + dx);
        shape.startY = static_cast<float>(shape.startY + dy);
        shape.endY = static_cast<float>(shape.endY + dy);
        break;
    default:
        break;
    }
}
