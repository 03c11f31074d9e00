#include "job/RecordFields.h"
#include "job/SerialNumber.h"
#include "job/VariableData.h"

#include <benchmark/benchmark.h>

namespace {

// A label job over a sheet: 1,000 texts and symbols, half of them serial, half from columns.
ShapeList serialLabel()
{
    ShapeList objects;
    for (int i = 0; i < 500; ++i) {
        Tshape text = makeShape(ShapeKind::PrintString);
        text.str = QStringLiteral("批号 No.%1-A").arg(i, 6, 10, QLatin1Char('0'));
        text.serialNo = 1;
        text.DBField = i % 2 ? QStringLiteral("日期") : QString();
        text.DBType = QStringLiteral("日期");
        text.DBDateStyle = i % 12;
        objects.append(text);
        Tshape bar = makeShape(ShapeKind::PrintBar);
        bar.barValue = QString::number(100000 + i);
        bar.selfAdd = 2;
        bar.DBField = i % 2 ? QStringLiteral("条码") : QString();
        bar.beginStr = QStringLiteral("P");
        objects.append(bar);
    }
    return objects;
}

void BM_AdvanceSerials(benchmark::State& state)
{
    ShapeList objects = serialLabel();
    for (auto _ : state) {
        AdvanceSerials(objects);
        benchmark::DoNotOptimize(objects.data());
    }
    state.SetItemsProcessed(state.iterations() * objects.size());
}
BENCHMARK(BM_AdvanceSerials);

void BM_PrintValuesOfARecord(benchmark::State& state)
{
    const ShapeList objects = serialLabel();
    const MemoryRecord record{{QStringLiteral("日期"), QStringLiteral("2017-03-05")},
                              {QStringLiteral("条码"), QStringLiteral("6901234567892")}};
    for (auto _ : state) {
        for (const Tshape& shape : objects)
            benchmark::DoNotOptimize(printValue(shape, &record));
    }
    state.SetItemsProcessed(state.iterations() * objects.size());
}
BENCHMARK(BM_PrintValuesOfARecord);

} // namespace
