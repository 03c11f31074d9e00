#include "BenchClock.h"
#include "BenchMachine.h"
#include "BenchMain.h"

#include "job/JobWindow.h"
#include "model/LabelSettings.h"
#include "model/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

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

// The window needs a widget application.
int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
