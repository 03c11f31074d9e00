#include "support/TestApp.h"

#include "model/MessageService.h"

#include <QFile>

namespace testing_support {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(MARLUNE_SOURCE_DIR "/") + relative;
}

QString toolPath(const QString& name)
{
    return QStringLiteral(MARLUNE_BINARY_DIR "/bin/") + name;
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList messageTexts(const RecordingMessageService& messages)
{
    QStringList texts;
    for (const Message& message : messages.messages)
        texts.append(message.text);
    return texts;
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

Tshape boxedShape(ShapeKind kind, int left, int top, int right, int bottom)
{
    Tshape shape = placedShape(kind, left, top, right, bottom);
    shape.Left = left;
    shape.Top = top;
    shape.Right = right;
    shape.Bottom = bottom;
    return shape;
}

} // namespace testing_support
