#include "cutter/CutText.h"
#include "cutter/OutlineTracer.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 1,000 cut objects of every kind but traced outlines, as a busy label holds them.
ShapeList mixedCutObjects()
{
    ShapeList shapes;
    for (int i = 0; i < 1000; ++i) {
        const int x = 50 + i % 40 * 20;
        const int y = 30 + i / 40 * 20;
        Tshape shape;
        switch (i % 6) {
        case 0:
            shape = makeShape(ShapeKind::CutRoundRect);
            shape.printR = 20;
            shape.gapPos = 2;
            shape.gapDistance = 15;
            break;
        case 1:
            shape = makeShape(ShapeKind::CutRect);
            break;
        case 2:
            shape = makeShape(ShapeKind::CutCircle);
            break;
        case 3:
            shape = makeShape(ShapeKind::CutHalfCircle);
            shape.printR = 10;
            break;
        case 4:
            shape = makeShape(ShapeKind::CutArc);
            shape.CenterX = x + 50;
            shape.CenterY = y + 50;
            shape.Radiu = 50;
            shape.SAngle = 0;
            shape.EAngle = 180;
            break;
        default:
            shape = makeShape(ShapeKind::CutLine);
            shape.startX = float(x);
            shape.startY = float(y);
            shape.endX = float(x + 100);
            shape.endY = float(y + 80);
            shape.startDown = 1;
            shape.endUp = 1;
            break;
        }
        shape.printLeft = x;
        shape.printTop = y;
        shape.printRight = x + 100;
        shape.printBottom = y + 80;
        shapes.append(shape);
    }
    return shapes;
}

void BM_CutObjectText(benchmark::State& state)
{
    const ShapeList shapes = mixedCutObjects();
    CutContext context;
    context.kx = CutContext::pulseFactor(66.667);
    context.ky = CutContext::pulseFactor(67);
    context.offsetX = 105;
    context.commandMode = state.range(0) == 1;
    context.labelWidth = 1300;
    qsizetype bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const Tshape& shape : shapes)
            bytes += CutObjectText(shape, context).text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * shapes.size());
    state.counters["chars"] = double(bytes);
    state.SetLabel(context.commandMode ? "command form" : "path form");
}
BENCHMARK(BM_CutObjectText)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A 2,000 × 2,000 bitmap holding a one-pixel outline of about 8,000 pixels, saved at the
// depth the benchmark argument gives (1 or 24 bits per pixel).
class OutlineBitmap {
public:
    explicit OutlineBitmap(int bitsPerPixel)
    {
        QImage picture(2000, 2000, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int i = 0; i < 2000; ++i) {
            picture.setPixel(i, 0, 0);
            picture.setPixel(i, 1999, 0);
            picture.setPixel(0, i, 0);
            picture.setPixel(1999, i, 0);
        }
        if (bitsPerPixel == 1)
            picture = picture.convertToFormat(QImage::Format_Mono);
        m_path = m_dir.filePath(QStringLiteral("outline.bmp"));
        picture.save(m_path, "BMP");
    }
    const QString& path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void BM_QImageLoad(benchmark::State& state)
{
    const OutlineBitmap bitmap(int(state.range(0)));
    for (auto _ : state) {
        QImage picture(bitmap.path(), "BMP");
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_QImageLoad)->Arg(24)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TraceOutline(benchmark::State& state)
{
    const OutlineBitmap bitmap(int(state.range(0)));
    qsizetype points = 0;
    for (auto _ : state) {
        const TracedOutline outline = TraceOutline(bitmap.path());
        points = outline.points.size();
        benchmark::DoNotOptimize(outline.points.constData());
    }
    state.counters["points"] = double(points);
}
BENCHMARK(BM_TraceOutline)->Arg(24)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
