#include "dialogs/FrameworkTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator* installFrameworkTranslation(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    // "qt_zh_CN" gathers the translations of every Qt module the program uses.
    if (!translator->load(QStringLiteral("qt_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
