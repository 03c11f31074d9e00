#pragma once

#include "model/Tshape.h"

#include <QProcess>
#include <QString>

// marlune-sim taking 200 ms to print a label and 200 ms to cut it, and its port paths (empty
// when it did not start). The waiting benchmarks run against it so that their figures compare.
struct SlowMachine {
    QProcess process;
    QString printer;
    QString status;
    QString cutter;

    SlowMachine()
    {
        process.start(QStringLiteral(MARLUNE_BINARY_DIR "/bin/marlune-sim"),
                      {QStringLiteral("--print-ms"), QStringLiteral("200"), QStringLiteral("--cut-ms"),
                       QStringLiteral("200")});
        while (cutter.isEmpty() && process.waitForReadyRead(5000)) {
            while (process.canReadLine()) {
                const QString line = QString::fromUtf8(process.readLine()).trimmed();
                const QString path = line.section(u'=', 1);
                if (line.startsWith(u"printer="))
                    printer = path;
                else if (line.startsWith(u"status="))
                    status = path;
                else if (line.startsWith(u"cutter="))
                    cutter = path;
            }
        }
    }
    ~SlowMachine()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
};

// A label with a text, a QR symbol and a cut rectangle.
inline ShapeList benchLabel()
{
    Tshape text = makeShape(ShapeKind::PrintString);
    text.str = QStringLiteral("批号 20261209");
    Tshape qr = makeShape(ShapeKind::PrintQRBar);
    qr.barWidth = 4;
    qr.barValue = QStringLiteral("MARLUNE-0001");
    Tshape cut = makeShape(ShapeKind::CutRect);
    cut.printLeft = 100;
    cut.printTop = 100;
    cut.printRight = 400;
    cut.printBottom = 300;
    return {text, qr, cut};
}
