#include "FuzzTarget.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzzing {

void broken(const char* promise, const QString& detail)
{
    std::fprintf(stderr, "broken promise: %s%s%s\n", promise, detail.isEmpty() ? "" : ": ",
                 qPrintable(detail));
    std::abort();
}

QString scratchPath(const QString& name)
{
    static const QTemporaryDir folder;
    if (!folder.isValid())
        broken("the harness has a scratch folder", folder.errorString());
    return folder.filePath(name);
}

} // namespace fuzzing

// Readers measure text and load pictures as the program does: with a GUI application on
// the offscreen platform.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> application(new QGuiApplication(*argc, *argv));
    return 0;
}
