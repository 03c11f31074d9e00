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

SimulatedMachine::SimulatedMachine(const QStringList& options)
{
    m_process.start(QStringLiteral(MARLUNE_BINARY_DIR "/bin/marlune-sim"),
                    QStringList{QStringLiteral("--cut-ms"), QStringLiteral("20")} + options);
    if (!m_process.waitForStarted())
        return;
    QStringList lines;
    while (lines.size() < 3 && m_process.waitForReadyRead(5000)) {
        while (m_process.canReadLine())
            lines << QString::fromUtf8(m_process.readLine()).trimmed();
    }
    for (const QString& line : lines) {
        const QString path = line.section(u'=', 1);
        if (line.startsWith(QStringLiteral("printer=")))
            m_printer = path;
        else if (line.startsWith(QStringLiteral("status=")))
            m_status = path;
        else if (line.startsWith(QStringLiteral("cutter=")))
            m_cutter = path;
    }
}

SimulatedMachine::~SimulatedMachine()
{
    m_process.terminate();
    m_process.waitForFinished(5000);
}
