#include "BenchMain.h"

#include "model/FontSubstitutions.h"

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int runBenchmarks(int argc, char** argv)
{
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
