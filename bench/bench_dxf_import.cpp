#include "cutter/DxfImport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int kEntities = 20000;

// A die-line drawing as a CAD program exports it: CR LF line ends, right-aligned group
// codes, layers and colours on every entity, 20,000 lines, arcs, circles and ellipses.
QByteArray largeDrawing()
{
    QByteArray text;
    text.reserve(kEntities * 160);
    text += "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n"
            "  9\n$EXTMIN\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
            "  9\n$EXTMAX\n 10\n2000.0\n 20\n2000.0\n 30\n0.0\n  0\nENDSEC\n"
            "  0\nSECTION\n  2\nENTITIES\n";
    for (int i = 0; i < kEntities; ++i) {
        const QByteArray x = QByteArray::number(10 + (i % 100) * 19.5, 'f', 4);
        const QByteArray y = QByteArray::number(10 + (i / 100) * 9.75, 'f', 4);
        switch (i % 5) {
        case 0:
        case 1:
            text += "  0\nLINE\n  8\nCUT\n 62\n1\n 10\n" + x + "\n 20\n" + y + "\n 30\n0.0\n 11\n"
                    + x + "\n 21\n" + QByteArray::number(y.toDouble() + 5, 'f', 4) + "\n 31\n0.0\n";
            break;
        case 2:
            text += "  0\nARC\n  8\nCUT\n 62\n1\n 10\n" + x + "\n 20\n" + y
                    + "\n 30\n0.0\n 40\n4.5\n 50\n270.0\n 51\n90.0\n";
            break;
        case 3:
            text += "  0\nCIRCLE\n  8\nCUT\n 62\n1\n 10\n" + x + "\n 20\n" + y
                    + "\n 30\n0.0\n 40\n3.25\n";
            break;
        default:
            text += "  0\nELLIPSE\n  8\nCUT\n 62\n1\n 10\n" + x + "\n 20\n" + y
                    + "\n 30\n0.0\n 11\n6.0\n 21\n0.0\n 31\n0.0\n 40\n0.5\n 41\n0.0\n 42\n"
                      "6.283185307179586\n";
            break;
        }
    }
    text += "  0\nENDSEC\n  0\nEOF\n";
    return text.replace("\n", "\r\n");
}

// The drawing, written once for every benchmark of the run.
const QString& drawingPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("die-line.dxf"));
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(largeDrawing());
        return file;
    }();
    return path;
}

double importSeconds()
{
    QElapsedTimer timer;
    timer.start();
    Tobject document;
    importDxf(document, drawingPath());
    benchmark::DoNotOptimize(document.objects.data());
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BM_ImportDxf(benchmark::State& state)
{
    for (auto _ : state) {
        Tobject document;
        const DxfImportResult result = importDxf(document, drawingPath());
        if (result.added != kEntities)
            state.SkipWithError("the drawing was not imported whole");
        benchmark::DoNotOptimize(document.objects.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntities);
}
BENCHMARK(BM_ImportDxf)->Unit(benchmark::kMillisecond);

// The same file read by the Python DXF library, timed inside the interpreter so that its
// start-up is not counted; "ratio" is how many times faster our import is (goal: 10).
void BM_EzdxfReadfile(benchmark::State& state)
{
    QString python = QStringLiteral("/usr/bin/python3");
    if (!QFile::exists(python))
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    const QString script = QStringLiteral(
        "import sys, time\n"
        "try:\n    import ezdxf\nexcept ImportError:\n    sys.exit(3)\n"
        "start = time.perf_counter()\n"
        "ezdxf.readfile(sys.argv[1])\n"
        "print(time.perf_counter() - start)\n");
    double best = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(python, {QStringLiteral("-c"), script, drawingPath()});
        if (python.isEmpty() || !process.waitForFinished(600000) || process.exitCode() != 0) {
            state.SkipWithError("python3-ezdxf is not installed: comparison skipped");
            return;
        }
        const double seconds = process.readAllStandardOutput().trimmed().toDouble();
        state.SetIterationTime(seconds);
        best = best == 0 ? seconds : std::min(best, seconds);
    }
    double ours = importSeconds();
    for (int i = 0; i < 4; ++i)
        ours = std::min(ours, importSeconds());
    state.counters["ratio"] = best / ours;
}
BENCHMARK(BM_EzdxfReadfile)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
