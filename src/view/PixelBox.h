#pragma once

#include "model/Tshape.h"

#include <QPointF>
#include <QRectF>

// Half the side of the handles drawn at the corners of a selected or current object, and
// how near a corner or outline (in pixels) the pointer must be to grab it.
inline constexpr int kHandleSize = 4;

// A box on the label surface from (left, top) to (right, bottom), in pixels: the form in
// which objects keep their place on screen (Tshape's Left, Top, Right, Bottom).
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    QRectF rect() const { return QRectF(QPointF(left, top), QPointF(right, bottom)); }

    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

inline PixelBox pixelBoxOf(const Tshape& shape)
{
    return {shape.Left, shape.Top, shape.Right, shape.Bottom};
}

inline void setPixelBox(Tshape& shape, const PixelBox& box)
{
    shape.Left = box.left;
    shape.Top = box.top;
    shape.Right = box.right;
    shape.Bottom = box.bottom;
}
