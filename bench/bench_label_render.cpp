// The complete redraw of the label that follows every edit, on the 200-object reference
// label at 100 % and 300 %, with the picture, outline and symbol caches and with every
// cache emptied before each redraw. Goal: 16 ms (one frame at 60 Hz) with the caches.
#include "ReferenceLabel.h"

#include "cutter/TraceCache.h"
#include "view/LabelRenderer.h"
#include "view/LabelSurface.h"
#include "view/PictureCache.h"
#include "view/SymbolCache.h"
#include "view/ZoomList.h"

#include <benchmark/benchmark.h>

namespace {

void clearCaches()
{
    pictureCache().clear();
    traceCache().clear();
    symbolCache().clear();
}

void BM_RedrawReferenceLabel(benchmark::State& state)
{
    ReferenceLabel reference;
    const float zoom = zoomOfEntry(static_cast<int>(state.range(0)), 1).value_or(1);
    QImage surface = renderLabelSurface(reference.document, reference.label, zoom);
    const bool cached = state.range(1) != 0;
    for (auto _ : state) {
        if (!cached)
            clearCaches();
        benchmark::DoNotOptimize(Draw(surface, reference.document, true));
    }
    state.SetLabel(QStringLiteral("%1 x %2 pixels, %3")
                       .arg(surface.width())
                       .arg(surface.height())
                       .arg(cached ? QStringLiteral("cached") : QStringLiteral("uncached"))
                       .toStdString());
}

} // namespace

// Zoom list entries 3 (100 %) and 8 (300 %); second argument: caches kept (1) or emptied (0).
// The CPU column counts the whole process: Qt hands large picture scaling to its own threads.
BENCHMARK(BM_RedrawReferenceLabel)
    ->ArgsProduct({{3, 8}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
