#include "BenchClock.h"

#include "job/JobWindow.h"
#include "model/FontSubstitutions.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProcess>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// marlune-sim taking 200 ms to print a label and 200 ms to cut it, as in the runner's
// benchmark, so that the two figures compare.
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

QAbstractButton* button(const TfrmOstrel& window, const char* name)
{
    return window.findChild<QAbstractButton*>(QString::fromLatin1(name));
}

// A 20-label print-and-cut run in echo mode started from the job window, which shows the
// counter and the quantity as they change. The goal: the program uses under 5% of one core
// while the run waits for the machine.
void BM_WindowEchoRun(benchmark::State& state)
{
    SlowMachine machine;
    if (machine.cutter.isEmpty()) {
        state.SkipWithError("marlune-sim did not start");
        return;
    }
    const int labels = int(state.range(0));
    RecordingMessageService messages;
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        ShapeList objects = benchLabel();
        jobSettings() = JobSettings{};
        jobSettings().printPort = machine.printer;
        jobSettings().printStatusPort = machine.status;
        jobSettings().cutPort = machine.cutter;
        jobSettings().quantity = QString::number(labels);
        TfrmOstrel window;
        QTimer::singleShot(0, &window, [&] {
            const double cpuStart = cpuSeconds();
            const double wallStart = wallSeconds();
            button(window, "btnPrintCut")->click();
            cpu += cpuSeconds() - cpuStart;
            wall += wallSeconds() - wallStart;
            button(window, "btnClose")->click();
        });
        window.Execute(objects);
        if (jobSettings().counter != labels)
            state.SkipWithError("the run did not count every label");
    }
    state.counters["cpu_percent_of_wall"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
    state.counters["labels_per_minute"] = wall > 0 ? 60.0 * labels * double(state.iterations()) / wall : 0.0;
    state.counters["messages"] = double(messages.messages.size());
}
BENCHMARK(BM_WindowEchoRun)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// The window needs a widget application, on the offscreen platform as the other benchmarks.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
