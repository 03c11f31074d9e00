#include "files/LabelFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <stdexcept>

namespace {

// examples/reference-200.xml with its objects repeated to 5,000, written once to a
// temporary folder; the baseline is libxml2 merely parsing the same file.
struct ScaledLabel {
    QTemporaryDir dir;
    QString path;
    QString savePath;
    Tobject document;
    LabelSettings label;
    JobSettings job;

    ScaledLabel()
    {
        const LabelLoadResult result = LoadLabel(QStringLiteral(MARLUNE_SOURCE_DIR "/examples/reference-200.xml"),
                                                 {document, label, job}, nullptr);
        if (!result.fileFound || !result.complete)
            throw std::runtime_error("examples/reference-200.xml did not load");
        const ShapeList reference = document.objects;
        while (document.objects.size() < 5000)
            document.objects += reference;
        path = dir.filePath(QStringLiteral("label-5000.xml"));
        savePath = dir.filePath(QStringLiteral("saved.xml"));
        SaveLabel(path, document, label, job);
    }
};

ScaledLabel& scaledLabel()
{
    static ScaledLabel label;
    return label;
}

void BM_XmlReadFileBaseline(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(scaledLabel().path);
    for (auto _ : state) {
        xmlDoc* doc = xmlReadFile(path.constData(), nullptr, 0);
        if (!doc)
            state.SkipWithError("libxml2 could not parse the file");
        xmlFreeDoc(doc);
    }
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_XmlReadFileBaseline)->Unit(benchmark::kMillisecond);

void BM_LoadLabel5000(benchmark::State& state)
{
    const QString path = scaledLabel().path;
    for (auto _ : state) {
        Tobject document;
        LabelSettings label;
        JobSettings job;
        const LabelLoadResult result = LoadLabel(path, {document, label, job}, nullptr);
        if (document.objects.size() != 5000 || !result.complete)
            state.SkipWithError("the scaled label did not load whole");
        benchmark::DoNotOptimize(document.objects.data());
    }
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_LoadLabel5000)->Unit(benchmark::kMillisecond);

void BM_SaveLabel5000(benchmark::State& state)
{
    ScaledLabel& scaled = scaledLabel();
    for (auto _ : state)
        SaveLabel(scaled.savePath, scaled.document, scaled.label, scaled.job);
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_SaveLabel5000)->Unit(benchmark::kMillisecond);

} // namespace
