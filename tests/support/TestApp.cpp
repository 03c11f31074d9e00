#include "support/TestApp.h"

namespace testing_support {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(MARLUNE_SOURCE_DIR "/") + relative;
}

} // namespace testing_support
