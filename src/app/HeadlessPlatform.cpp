#include "app/HeadlessPlatform.h"

#include <QByteArray>
#include <QtGlobal>

void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
