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

ScopedWorkingDirectory::ScopedWorkingDirectory(const QString& path)
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(path);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory()
{
    QDir::setCurrent(m_previous);
}
