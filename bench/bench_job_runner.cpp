#include "BenchClock.h"

#include "job/JobRunner.h"

#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

// marlune-sim taking 200 ms to print a label and 200 ms to cut it; its port paths.
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
ShapeList benchLabel()
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

// A 20-label print-and-cut run in echo mode: almost all of it is waiting for the machine.
// The goal: the process uses at most 5% of the wall time, so a run leaves the computer free.
void BM_EchoRun(benchmark::State& state)
{
    SlowMachine machine;
    if (machine.cutter.isEmpty()) {
        state.SkipWithError("marlune-sim did not start");
        return;
    }
    const int labels = int(state.range(0));
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        ShapeList objects = benchLabel();
        LabelSettings label;
        JobSettings settings;
        StoredRunControls controls(settings);
        controls.printerControls.cmbPrintPort = machine.printer;
        controls.printerControls.cmbPrintStatusPort = machine.status;
        controls.cutterControls.cmbCutPort = machine.cutter;
        controls.setText(RunText::Quantity, QString::number(labels));
        JobRunner runner({objects, label, settings}, controls);

        const double cpuStart = cpuSeconds();
        const double wallStart = wallSeconds();
        if (runner.printAndCut() != RunEnd::Completed)
            state.SkipWithError("the run did not complete");
        cpu += cpuSeconds() - cpuStart;
        wall += wallSeconds() - wallStart;
    }
    state.counters["cpu_percent_of_wall"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
    state.counters["labels_per_minute"] = wall > 0 ? 60.0 * labels * double(state.iterations()) / wall : 0.0;
}
BENCHMARK(BM_EchoRun)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
