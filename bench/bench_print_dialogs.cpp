// Opening the text, symbol and data source dialogs, from the create command's preset to the
// dialog's first paint, and adding a 20 × 20 grid of texts with and without the redraw that
// follows it. Goal: a dialog opens in under 50 ms.
#include "BenchMain.h"
#include "data/DataSourceDialog.h"
#include "dialogs/MatrixCodeDialogs.h"
#include "dialogs/PrintBarDialog.h"
#include "dialogs/PrintStringDialog.h"
#include "model/JobSettings.h"
#include "model/Tobject.h"
#include "view/LabelRenderer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// Counts the paints of the dialog it watches.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    bool painted = false;
};

// Shows the dialog and runs the event loop until its first paint; a dialog that does not
// paint within a second fails the benchmark.
void showUntilPainted(QDialog& dialog, PaintWatch& watch)
{
    watch.painted = false;
    dialog.show();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (waited.elapsed() > 1000)
            throw std::runtime_error("the dialog did not paint");
    }
}

// The create command's path up to the first paint: the kept form, its preset, the show.
template <typename Dialog, typename Preset>
void openDialog(benchmark::State& state, Preset preset)
{
    Dialog dialog;
    PaintWatch watch;
    dialog.installEventFilter(&watch);
    for (auto _ : state) {
        auto form = dialog.form();
        preset(form);
        dialog.showForm(form);
        showUntilPainted(dialog, watch);
        state.PauseTiming();
        dialog.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_OpenTextDialog(benchmark::State& state)
{
    openDialog<TfrmPrintString>(state, presetPrintString);
}
BENCHMARK(BM_OpenTextDialog)->Unit(benchmark::kMillisecond);

void BM_OpenBarcodeDialog(benchmark::State& state)
{
    openDialog<TfrmPrintBar>(state, presetPrintBar);
}
BENCHMARK(BM_OpenBarcodeDialog)->Unit(benchmark::kMillisecond);

void BM_OpenQRDialog(benchmark::State& state)
{
    openDialog<TfrmPrintQRBar>(state, presetMatrixCode<PrintQRBarForm>);
}
BENCHMARK(BM_OpenQRDialog)->Unit(benchmark::kMillisecond);

void BM_OpenDataMatrixDialog(benchmark::State& state)
{
    openDialog<TfrmPrintDataMatrix>(state, presetMatrixCode<PrintDataMatrixForm>);
}
BENCHMARK(BM_OpenDataMatrixDialog)->Unit(benchmark::kMillisecond);

void BM_OpenPdf417Dialog(benchmark::State& state)
{
    openDialog<TfrmPrintPdf417Bar>(state, presetMatrixCode<PrintPdf417BarForm>);
}
BENCHMARK(BM_OpenPdf417Dialog)->Unit(benchmark::kMillisecond);

// Without a source, and with the example workbook, whose sheet is read and shown.
void BM_OpenDataSourceDialog(benchmark::State& state)
{
    JobSettings& settings = jobSettings();
    settings.dbName = state.range(0) ? QStringLiteral(MARLUNE_SOURCE_DIR "/examples/goods.xlsx") : QString();
    settings.tableName = state.range(0) ? QStringLiteral("货品") : QString();
    TfrmDBSet dialog;
    PaintWatch watch;
    dialog.installEventFilter(&watch);
    for (auto _ : state) {
        dialog.FormShow();
        showUntilPainted(dialog, watch);
        state.PauseTiming();
        dialog.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDataSourceDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 400 texts on a fresh label; with range 1 the label is redrawn after the add, as the
// command does.
void BM_AddTextGrid(benchmark::State& state)
{
    QImage surface(800, 600, QImage::Format_RGB32);
    PrintStringForm form;
    form.str = QStringLiteral("批号 A0001");
    form.copies.rows = form.copies.columns = QStringLiteral("20");
    form.copies.columnGap = QStringLiteral("6");
    form.copies.rowGap = QStringLiteral("4");
    for (auto _ : state) {
        state.PauseTiming();
        Tobject document;
        document.Reset(1300, 900, 96, 1.0f);
        state.ResumeTiming();
        addPrintStrings(form, document, surface);
        if (state.range(0))
            Draw(surface, document, true);
        benchmark::DoNotOptimize(document.objects.data());
    }
    state.SetItemsProcessed(state.iterations() * 400);
}
BENCHMARK(BM_AddTextGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// The dialogs need a widget application.
int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
