#include "ReferenceLabel.h"
#include "job/PrintLabel.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <stdexcept>

namespace {

// The label job of examples/reference-200.xml at 305 dpi. The goal is that building the
// stream takes at most 1 % of the time the stream needs on a 115200-baud line (ten bit
// times per byte), so the printer never waits for the program.
struct ReferenceJob : ReferenceLabel {
    PrintControls controls = printControlsFromSettings(settings);

    PrintOutcome run(const QString& port)
    {
        controls.cmbPrintPort = port;
        return PrintLabel({document.objects, settings, controls, label.Rotation}, label.Width, label.Height, 0, 0,
                          1, nullptr);
    }

    qint64 streamBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stream.prn"));
        if (run(path) != PrintOutcome::Printed)
            throw std::runtime_error("the reference job did not print");
        return QFileInfo(path).size();
    }
};

void BM_ReferenceLabelJob(benchmark::State& state)
{
    ReferenceJob job;
    const qint64 bytes = job.streamBytes();
    const double wireSeconds = bytes * 10.0 / 115200.0;
    double generated = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(job.run(QStringLiteral("/dev/null")));
        generated += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["stream_bytes"] = double(bytes);
    state.counters["wire_ms"] = wireSeconds * 1000;
    state.counters["percent_of_wire"] = 100.0 * generated / double(state.iterations()) / wireSeconds;
}
BENCHMARK(BM_ReferenceLabelJob)->Unit(benchmark::kMillisecond);

} // namespace
