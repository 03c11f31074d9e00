// marlune-man FOLDER DATE [en]: writes the manual pages marlune-cli.1 and marlune-sim.1 into
// FOLDER, in Chinese or, with "en", in English. Run by the build; the pages are installed.
#include "app/InterfaceLanguage.h"
#include "app/man/ManualPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writePage(const QDir& folder, const QString& fileName, const QString& page)
{
    QSaveFile file(folder.filePath(fileName));
    if (file.open(QIODevice::WriteOnly) && file.write(page.toUtf8()) >= 0 && file.commit())
        return true;
    std::fprintf(stderr, "marlune-man: %s: %s\n", qUtf8Printable(file.fileName()), qUtf8Printable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 2 || arguments.size() > 3 || (arguments.size() == 3 && arguments[2] != u"en")) {
        std::fputs("usage: marlune-man FOLDER DATE [en]\n", stderr);
        return 1;
    }
    if (arguments.size() == 3 && !installInterfaceLanguage(app, InterfaceLanguage::English)) {
        std::fputs("marlune-man: the English translation could not be loaded\n", stderr);
        return 1;
    }
    const QDir folder(arguments[0]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "marlune-man: cannot make the folder %s\n", qUtf8Printable(arguments[0]));
        return 1;
    }
    const QString date = arguments[1];
    return writePage(folder, QStringLiteral("marlune-cli.1"), cliManualPage(date))
                   && writePage(folder, QStringLiteral("marlune-sim.1"), simManualPage(date))
               ? 0
               : 1;
}
