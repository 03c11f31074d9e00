#include "ReferenceLabel.h"
#include "job/LabelPreview.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// The preview of examples/reference-200.xml at 305 dpi: both streams built, read back and
// drawn. The goal is that it takes under 10 % of the time the printer stream needs on a
// 115200-baud line (ten bit times per byte), so an operator sees it before a label could
// have been printed.
LabelPreview preview(const ReferenceLabel& reference)
{
    return previewLabel({reference.document.objects, reference.label, reference.settings, nullptr});
}

double wireSeconds(qint64 bytes)
{
    return bytes * 10.0 / 115200.0;
}

void BM_PreviewReferenceLabel(benchmark::State& state)
{
    const ReferenceLabel reference;
    const LabelPreview first = preview(reference);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(preview(reference));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const qint64 bytes = first.printerStream.size();
    state.counters["stream_bytes"] = double(bytes);
    state.counters["wire_ms"] = wireSeconds(bytes) * 1000;
    state.counters["percent_of_wire"] = 100.0 * seconds / double(state.iterations()) / wireSeconds(bytes);
    state.counters["problems"] = double(first.problems.size());
}
BENCHMARK(BM_PreviewReferenceLabel)->Unit(benchmark::kMillisecond);

// Reading the printer stream alone, without building it.
void BM_ReadReferenceStream(benchmark::State& state)
{
    const QByteArray stream = preview(ReferenceLabel()).printerStream;
    for (auto _ : state)
        benchmark::DoNotOptimize(readLabelJob(stream, 305));
    state.counters["stream_bytes"] = double(stream.size());
}
BENCHMARK(BM_ReadReferenceStream)->Unit(benchmark::kMillisecond);

} // namespace
