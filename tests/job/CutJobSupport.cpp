#include "CutJobSupport.h"

#include <QDir>

Tshape CutJobFixture::cutRectangle()
{
    Tshape shape = makeShape(ShapeKind::CutRect);
    shape.printLeft = 100;
    shape.printTop = 100;
    shape.printRight = 400;
    shape.printBottom = 300;
    return shape;
}

ShapeList CutJobFixture::mixedObjects()
{
    Tshape ellipse = makeShape(ShapeKind::CutCircle);
    ellipse.printRight = 100;
    ellipse.printBottom = 50;
    Tshape switchedOff = cutRectangle();
    switchedOff.ifPrint = false;
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("标签");
    return {ellipse, switchedOff, text, cutRectangle()};
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const QString& path)
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(path);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory()
{
    QDir::setCurrent(m_previous);
}
