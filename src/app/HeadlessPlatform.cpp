#include "app/HeadlessPlatform.h"

#include <QByteArray>
#include <QDir>
#include <QtGlobal>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Started from a service or a job without a login session, the runtime folder is not
    // set and Qt would warn about it on stderr, where scripts read the tools' reasons. The
    // tools use the private folder Qt falls back to, without the warning.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(::getuid());
        if (::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", folder);
    }
}
