#include "files/LabelFile.h"
#include "job/CutJob.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// examples/reference-200.xml as the job reads it: its objects, settings and the window's
// controls as the window would show them. The label names its bitmaps from the repository
// root; they are made absolute so that the jobs may run in any folder.
struct ReferenceJob {
    Tobject document;
    LabelSettings label;
    JobSettings settings;
    JobControls controls;
    bool stopRequested = false;

    ReferenceJob()
    {
        const QDir root(QStringLiteral(MARLUNE_SOURCE_DIR));
        const LabelLoadResult result = LoadLabel(root.filePath(QStringLiteral("examples/reference-200.xml")),
                                                 {document, label, settings}, nullptr);
        if (!result.fileFound || !result.complete)
            throw std::runtime_error("examples/reference-200.xml did not load");
        for (Tshape& shape : document.objects) {
            if (!shape.fileName.isEmpty())
                shape.fileName = root.filePath(shape.fileName);
        }
        controls = controlsFromSettings(settings);
    }

    CutJobInputs inputs() { return {controls, settings, label, document.objects, stopRequested}; }
};

ReferenceJob& referenceJob()
{
    static ReferenceJob job;
    return job;
}

// The whole stream of one label: the time a job spends before the first byte goes out.
void BM_BuildCutStream(benchmark::State& state)
{
    ReferenceJob& job = referenceJob();
    job.controls.chbCmd = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(buildCutStream(CutJobMode::CurrentLabel, job.inputs()));
    job.controls.chbCmd = true;
}
BENCHMARK(BM_BuildCutStream)->ArgName("commandForm")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// A cut into the file output, from the controls to the file on disk.
void BM_CutToFile(benchmark::State& state)
{
    ReferenceJob& job = referenceJob();
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    job.controls.cmbCutPort = QStringLiteral("cutToFile");
    for (auto _ : state) {
        if (RunCutJob(CutJobMode::CurrentLabel, job.inputs()).end != CutJobEnd::WrittenToFile)
            state.SkipWithError("the cut file was not written");
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_CutToFile)->Unit(benchmark::kMicrosecond);

} // namespace
