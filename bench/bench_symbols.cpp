#include "model/Tobject.h"
#include "view/SymbolCache.h"
#include "view/SymbolDrawing.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A busy label: 50 linear barcodes with their readable lines, 30 QR codes, 10 Data Matrix
// and 10 PDF417 codes, each with its own value, at 150 %.
Tobject busyLabel()
{
    Tobject document;
    document.zoom = 1.5f;
    const char* types[] = {"CODE128(with auto code)", "EAN13", "CODE39(standard)", "CODE93", "ITF25"};
    const char* values[] = {"LOT-%1", "69012345%1", "AB%1", "X%1", "1234%1"};
    for (int i = 0; i < 50; ++i) {
        Tshape bar = makeShape(ShapeKind::PrintBar);
        bar.barType = QString::fromLatin1(types[i % 5]);
        bar.barValue = QString::fromLatin1(values[i % 5]).arg(1000 + i).left(i % 5 == 1 ? 12 : 20);
        bar.barWidth = 1 + i % 6;
        bar.barHeight = 80;
        bar.direction = i % 4;
        bar.printLeft = 200 + (i % 5) * 300;
        bar.printTop = 200 + (i / 5) * 150;
        bar.displayCode = 2;
        bar.fontName = QStringLiteral("宋体");
        bar.fontSize = 9;
        bar.widthFactor = 1;
        bar.heightFactor = 1;
        bar.alignMode = i % 4;
        document.objects.append(bar);
    }
    const auto addCodes = [&](ShapeKind kind, int count) {
        for (int i = 0; i < count; ++i) {
            Tshape code = makeShape(kind);
            code.barValue = QStringLiteral("https://example.com/label/%1 批号").arg(i);
            code.barWidth = 3 + i % 4;
            code.barLevel = i % 4;
            code.direction = i % 4;
            code.Left = 40 * i;
            code.Top = 900;
            document.objects.append(code);
        }
    };
    addCodes(ShapeKind::PrintQRBar, 30);
    addCodes(ShapeKind::PrintDataMatrix, 10);
    addCodes(ShapeKind::PrintPdf417Bar, 10);
    return document;
}

void drawSymbols(Tobject& document, QImage& surface)
{
    surface.fill(Qt::white);
    QPainter painter(&surface);
    for (Tshape& shape : document.objects) {
        if (shape.kind() == ShapeKind::PrintBar)
            drawBarcode(painter, shape, document);
        else
            drawMatrixSymbol(painter, shape, document);
    }
}

void BM_DrawSymbolsUncached(benchmark::State& state)
{
    Tobject document = busyLabel();
    QImage surface(1400, 1400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        symbolCache().clear();
        drawSymbols(document, surface);
    }
    state.SetItemsProcessed(state.iterations() * document.objects.size());
}
BENCHMARK(BM_DrawSymbolsUncached)->Unit(benchmark::kMillisecond);

void BM_DrawSymbolsCached(benchmark::State& state)
{
    Tobject document = busyLabel();
    QImage surface(1400, 1400, QImage::Format_ARGB32_Premultiplied);
    drawSymbols(document, surface);
    for (auto _ : state)
        drawSymbols(document, surface);
    state.SetItemsProcessed(state.iterations() * document.objects.size());
}
BENCHMARK(BM_DrawSymbolsCached)->Unit(benchmark::kMillisecond);

} // namespace
