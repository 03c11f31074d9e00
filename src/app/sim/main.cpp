#include "app/HeadlessPlatform.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    chooseHeadlessPlatform();
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--version"))) {
        std::printf("marlune-sim %s\n", MARLUNE_VERSION);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::printf("Usage: marlune-sim [--help] [--version]\n\n"
                    "A virtual label machine on pseudo-terminals: it answers like the printer's\n"
                    "status port and the cutter.\n");
        return 0;
    }
    std::fprintf(stderr, "marlune-sim: the virtual machine is not available in this build\n");
    return 1;
}
