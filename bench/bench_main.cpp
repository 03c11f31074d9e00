#include "BenchMain.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
