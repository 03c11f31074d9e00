#include "app/gui/GuardedApplication.h"

#include "dialogs/MessageDialog.h"
#include "editor/ApplicationWindows.h"
#include "model/FontSubstitutions.h"

#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marlune"));
    QApplication::setApplicationVersion(QStringLiteral(MARLUNE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Design, print and die-cut labels."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("label"), QStringLiteral("Label file to open."));
    parser.process(app);

    installFontSubstitutions();
    DialogMessageService messages;
    setMessageService(&messages);

    ApplicationWindows windows;
    if (!parser.positionalArguments().isEmpty())
        windows.frmMain.setStartupFile(parser.positionalArguments().constFirst());
    windows.frmMain.showMaximized();
    const int result = app.exec();
    setMessageService(nullptr);
    return result;
}
