#include "support/TestApp.h"

#include <QFile>

namespace testing_support {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(MARLUNE_SOURCE_DIR "/") + relative;
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Tshape placedShape(ShapeKind kind, int left, int top, int right, int bottom)
{
    Tshape shape = makeShape(kind);
    shape.printLeft = left;
    shape.printTop = top;
    shape.printRight = right;
    shape.printBottom = bottom;
    return shape;
}

} // namespace testing_support
