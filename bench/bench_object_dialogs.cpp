#include "BenchMain.h"
#include "data/DataSourceDialog.h"
#include "dialogs/CutBoxDialogs.h"
#include "dialogs/CutBoxForms.h"
#include "dialogs/CutLineRectDialog.h"
#include "dialogs/LineDialogs.h"
#include "dialogs/MatrixCodeDialogs.h"
#include "dialogs/ObjectDialogs.h"
#include "dialogs/PrintBarDialog.h"
#include "dialogs/PrintBoxDialogs.h"
#include "dialogs/PrintStringDialog.h"
#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/Tobject.h"
#include "view/LabelRenderer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// Notes the first paint of the widget it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Shows the dialog until its first paint, then hides it again outside the timing; false
// (and the benchmark marked as failed) when it never paints.
bool showUntilPainted(QDialog& dialog, PaintWatch& watch, benchmark::State& state)
{
    watch.painted = false;
    dialog.show();
    const QDeadlineTimer deadline(5000);
    while (!watch.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!watch.painted) {
        state.SkipWithError("the dialog was never painted");
        return false;
    }
    state.PauseTiming();
    dialog.hide();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    return true;
}

// Opening a dialog as a command does: the dialog exists from start-up; showing it runs
// until its first paint.
template <typename Dialog>
void BM_OpenDialog(benchmark::State& state)
{
    ObjectDialogs dialogs(nullptr);
    Dialog* dialog = dialogs.find<Dialog>();
    PaintWatch watch;
    dialog->installEventFilter(&watch);
    for (auto _ : state) {
        dialog->showForm(dialog->form());
        if (!showUntilPainted(*dialog, watch, state))
            break;
    }
}
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmCutRect)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmCutCircle)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintRect)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmCutHalfCircle)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmCutImage)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmCutLine)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintLine)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintImage)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmCutArc)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmCutLineRect)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintString)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintBar)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintQRBar)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintDataMatrix)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_OpenDialog, TfrmPrintPdf417Bar)->Unit(benchmark::kMillisecond);

// "数据库设置" without a source, and with the example workbook, whose sheet is read and shown.
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
        if (!showUntilPainted(dialog, watch, state))
            break;
    }
}
BENCHMARK(BM_OpenDataSourceDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Start-up creates every object dialog once.
void BM_CreateObjectDialogs(benchmark::State& state)
{
    for (auto _ : state) {
        ObjectDialogs dialogs(nullptr);
        benchmark::DoNotOptimize(&dialogs);
    }
}
BENCHMARK(BM_CreateObjectDialogs)->Unit(benchmark::kMillisecond);

// The label the commands add to, at the zoom of a 130 x 90 mm label fitted to a window.
struct Label {
    Tobject document;
    QImage surface{1000, 700, QImage::Format_RGB32};

    Label() { document.zoom = 2.0f; }
};

// "刻圆" confirmed with 20 columns and 20 rows: checks, conversion, add and the redraw
// that rebuilds the object list.
void BM_AddCircleGrid20x20(benchmark::State& state)
{
    BoxForm form;
    form.left = form.top = QStringLiteral("1");
    form.width = form.height = QStringLiteral("4");
    form.copies.columns = form.copies.rows = QStringLiteral("20");
    form.copies.columnGap = form.copies.rowGap = QStringLiteral("0.3");
    LabelSettings label;
    for (auto _ : state) {
        Label target;
        if (!cutCircleProblem(form, label).isEmpty()) {
            state.SkipWithError("the grid does not fit the label");
            break;
        }
        addCutCircles(form, target.document);
        benchmark::DoNotOptimize(Draw(target.surface, target.document, true));
    }
    state.SetItemsProcessed(state.iterations() * 400);
}
BENCHMARK(BM_AddCircleGrid20x20)->Unit(benchmark::kMillisecond);

// "打印字符" confirmed with 20 columns and 20 rows: checks, conversion, texts measured on
// the label surface, and the redraw.
void BM_AddTextGrid20x20(benchmark::State& state)
{
    PrintStringForm form;
    form.str = QStringLiteral("批号12345678");
    form.left = form.top = QStringLiteral("1");
    form.copies.columns = form.copies.rows = QStringLiteral("20");
    form.copies.columnGap = QStringLiteral("6");
    form.copies.rowGap = QStringLiteral("4");
    LabelSettings label;
    for (auto _ : state) {
        Label target;
        if (!printStringProblem(form, label).ok()) {
            state.SkipWithError("the grid does not fit the label");
            break;
        }
        addPrintStrings(form, target.document, target.surface);
        benchmark::DoNotOptimize(Draw(target.surface, target.document, true));
    }
    state.SetItemsProcessed(state.iterations() * 400);
}
BENCHMARK(BM_AddTextGrid20x20)->Unit(benchmark::kMillisecond);

} // namespace

// The dialogs need a widget application.
int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
