#include "BenchClock.h"
#include "BenchMachine.h"

#include "job/JobRunner.h"

#include <benchmark/benchmark.h>

namespace {

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
