#pragma once

#include "model/Tshape.h"

// A text object that takes its value from a column of the record, or prints stored.
inline Tshape recordText(const QString& field, const QString& type = QStringLiteral("文本"),
                         int style = 0, const QString& stored = QStringLiteral("stored"))
{
    Tshape shape = makeShape(ShapeKind::PrintString);
    shape.str = stored;
    shape.DBField = field;
    shape.DBType = type;
    shape.DBDateStyle = style;
    return shape;
}
