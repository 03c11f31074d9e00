#include "model/AnchoredBox.h"

#include "model/Convert.h"
#include "model/Tobject.h"

int anchoredDirection(int direction)
{
    return direction >= 0 && direction <= 3 ? direction : 0;
}

void setAnchoredBox(Tshape& shape, int anchorX, int anchorY, int width, int height)
{
    // Sums go through double so that a hostile anchor near the 32-bit limit clamps instead
    // of overflowing.
    const auto at = [](int origin, int offset) { return truncToInt(static_cast<double>(origin) + offset); };
    switch (anchoredDirection(shape.direction)) {
    case 0:
        shape.Left = anchorX;
        shape.Top = anchorY;
        shape.Right = at(anchorX, width);
        shape.Bottom = at(anchorY, height);
        break;
    case 1:
        shape.Left = anchorX;
        shape.Top = at(anchorY, -width);
        shape.Right = at(anchorX, height);
        shape.Bottom = anchorY;
        break;
    case 2:
        shape.Left = at(anchorX, -width);
        shape.Top = at(anchorY, -height);
        shape.Right = anchorX;
        shape.Bottom = anchorY;
        break;
    default:
        shape.Left = at(anchorX, -height);
        shape.Top = anchorY;
        shape.Right = anchorX;
        shape.Bottom = at(anchorY, width);
        break;
    }
}

void anchorAtPixelBox(Tshape& shape, const Tobject& document)
{
    const int direction = anchoredDirection(shape.direction);
    const bool right = direction == 2 || direction == 3;
    const bool bottom = direction == 1 || direction == 2;
    shape.printLeft = truncToInt(document.FromPixels(right ? shape.Right : shape.Left));
    shape.printTop = truncToInt(document.FromPixels(bottom ? shape.Bottom : shape.Top));
}
