// The pointer over the 200-object reference label at 300 %, as the window drives it: every
// event goes to the pointer tool, and a reply that asks for it gets the complete redraw.
// Goals: a drag of 100 pointer events (the whole selection following the pointer, then the
// release and its redraw) under 2 s of CPU, so that dragging keeps up with the hand; a hover
// across the label, where the current object changes and the label is redrawn, likewise.
#include "ReferenceLabel.h"

#include "editor/PointerTool.h"
#include "view/LabelRenderer.h"
#include "view/LabelSurface.h"
#include "view/ZoomList.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr int kZoomEntry300 = 8;
constexpr int kEvents = 100;

// The label at 300 %, its surface and rulers, and the redraw the window does when the
// pointer asks for it.
struct ZoomedLabel : ReferenceLabel {
    QImage surface = renderLabelSurface(document, label, zoomOfEntry(kZoomEntry300, 1).value_or(3));
    QImage rowRuler{surface.width(), 20, QImage::Format_RGB32};
    QImage columnRuler{20, surface.height(), QImage::Format_RGB32};

    void deliver(const PointerReply& reply)
    {
        if (reply.redraw)
            benchmark::DoNotOptimize(Draw(surface, document, true));
    }
};

// The middle of the first object that a press there grabs to move.
QPoint insideAnObject(const Tobject& document)
{
    for (const Tshape& shape : document.objects) {
        const QPoint middle((shape.Left + shape.Right) / 2, (shape.Top + shape.Bottom) / 2);
        const int hit = ObjectAt(document, middle.x(), middle.y());
        if (hit >= 0 && ZoneAt(middle.x(), middle.y(), shape.Left - 1, shape.Top - 1, shape.Right + 1,
                               shape.Bottom + 1) == GrabZone::Inside)
            return middle;
    }
    throw std::runtime_error("no object to grab");
}

void BM_DragAllObjects(benchmark::State& state)
{
    ZoomedLabel reference;
    PointerTool tool(reference.document);
    tool.setSurfaces({&reference.surface, &reference.rowRuler, &reference.columnRuler});
    const QPoint start = insideAnObject(reference.document);
    for (auto _ : state) {
        state.PauseTiming();
        reference.document.SelectAll(true);
        state.ResumeTiming();
        reference.deliver(tool.PointerMove(start));
        reference.deliver(tool.PointerDown(Qt::LeftButton, Qt::NoModifier, start));
        // Back and forth, so that the objects stay where they were from one run to the next.
        for (int i = 1; i < kEvents - 1; ++i) {
            const int step = i < kEvents / 2 ? i : kEvents - 1 - i;
            reference.deliver(tool.PointerMove(start + QPoint(step, step / 2)));
        }
        reference.deliver(tool.PointerUp(start));
    }
    state.SetLabel(QStringLiteral("%1 objects, %2 events").arg(reference.document.objects.size()).arg(kEvents).toStdString());
}

void BM_HoverAcrossTheLabel(benchmark::State& state)
{
    ZoomedLabel reference;
    PointerTool tool(reference.document);
    tool.setSurfaces({&reference.surface, &reference.rowRuler, &reference.columnRuler});
    int redraws = 0;
    for (auto _ : state) {
        for (int i = 0; i < kEvents; ++i) {
            const QPoint at(reference.surface.width() * i / kEvents, reference.surface.height() * i / kEvents);
            const PointerReply reply = tool.PointerMove(at);
            redraws += reply.redraw ? 1 : 0;
            reference.deliver(reply);
        }
    }
    state.counters["redraws"] = benchmark::Counter(redraws, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(BM_DragAllObjects)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HoverAcrossTheLabel)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Repetitions(5)->ReportAggregatesOnly(true);
