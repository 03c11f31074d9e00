#include "BenchMain.h"
#include "dialogs/CutBoxDialogs.h"
#include "dialogs/CutBoxForms.h"
#include "dialogs/CutLineRectDialog.h"
#include "dialogs/LineDialogs.h"
#include "dialogs/ObjectDialogs.h"
#include "dialogs/PrintBoxDialogs.h"
#include "model/LabelSettings.h"
#include "model/Tobject.h"
#include "view/LabelRenderer.h"
#include "view/TobjectAnchoredAdd.h"

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
        watch.painted = false;
        dialog->showForm(dialog->form());
        dialog->show();
        const QDeadlineTimer deadline(5000);
        while (!watch.painted && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!watch.painted) {
            state.SkipWithError("the dialog was never painted");
            break;
        }
        state.PauseTiming();
        dialog->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
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

// A 20 x 20 grid of texts measured on the label surface, added and redrawn.
void BM_AddTextGrid20x20(benchmark::State& state)
{
    for (auto _ : state) {
        Label target;
        AddPrintStrings(target.document, QString(), 10, 10, 20, 20, 40, 60, QStringLiteral("批号12345678"), 0,
                        QStringLiteral("宋体"), 9, 0, 0, 0, 0, 0, target.surface, 0, 1, 1, QString(), QString(), 0);
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
