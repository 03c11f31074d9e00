#include "BenchClock.h"

#include "cutter/TCom232.h"
#include "ports/WaitPumping.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A cut job waiting five seconds for a cutter that never answers. The goal: the process
// uses at most 2% of the wall time, so a waiting job leaves the machine to the operator.
void BM_WaitForSilentCutter(benchmark::State& state)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    TCom232 cutter;
    cutter.portName = QString::fromLocal8Bit(name);
    cutter.Configure(QStringLiteral("9600"));
    cutter.Resume();
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuStart = cpuSeconds();
        const double wallStart = wallSeconds();
        const WaitOutcome outcome = waitPumping([&cutter] { return cutter.status != CutterStatus::Waiting; },
                                                QDeadlineTimer(state.range(0)));
        benchmark::DoNotOptimize(outcome);
        cpu += cpuSeconds() - cpuStart;
        wall += wallSeconds() - wallStart;
    }
    state.counters["cpu_percent_of_wall"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
    ::close(master);
    ::close(slave);
}
BENCHMARK(BM_WaitForSilentCutter)->Arg(5000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
