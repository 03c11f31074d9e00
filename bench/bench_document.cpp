#include "model/Tobject.h"

#include <benchmark/benchmark.h>

namespace {

// A large label: 10,000 records of mixed kinds with their strings.
Tobject largeDocument()
{
    Tobject document;
    for (int i = 0; i < 2500; ++i) {
        document.AddPrintRects(i, i, i + 50, i + 30, 1, 1, 0, 0, 0, 2, 0);
        document.AddCutRoundRect(i, i, i + 80, i + 40, 10, 0, 1, 0, 0, 0, 0);
        Tshape text = makeShape(ShapeKind::PrintString);
        text.str = QStringLiteral("批号 %1").arg(i);
        text.fontName = QStringLiteral("宋体");
        document.objects.append(text);
        document.AddPrintImages(i, i, i + 100, i + 100, 1, 1, 0, 0, QStringLiteral("logo.bmp"));
    }
    return document;
}

void BM_TakeSnapshot(benchmark::State& state)
{
    Tobject document = largeDocument();
    for (auto _ : state) {
        document.TakeSnapshot();
        benchmark::DoNotOptimize(document.undoList.data());
    }
    state.SetItemsProcessed(state.iterations() * document.objects.size());
}
BENCHMARK(BM_TakeSnapshot)->Unit(benchmark::kMicrosecond);

void BM_Undo(benchmark::State& state)
{
    Tobject document = largeDocument();
    for (auto _ : state) {
        state.PauseTiming();
        document.TakeSnapshot();
        state.ResumeTiming();
        document.Undo();
        benchmark::DoNotOptimize(document.objects.data());
    }
    state.SetItemsProcessed(state.iterations() * document.objects.size());
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMicrosecond);

} // namespace
