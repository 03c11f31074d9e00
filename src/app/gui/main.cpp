#include "dialogs/FileChooserDialog.h"
#include "dialogs/FrameworkTranslation.h"
#include "dialogs/MessageDialog.h"
#include "editor/ApplicationWindows.h"
#include "files/RecentFiles.h"
#include "model/FontSubstitutions.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    // Every command of the windows runs inside its own guard (guarded()), which shows a failure
    // in the standard error box; nothing is left to unwind through the event loop.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marlune"));
    QApplication::setApplicationVersion(QStringLiteral(MARLUNE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Design, print and die-cut labels."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("label"), QStringLiteral("Label file to open."));
    parser.process(app);

    if (!installFrameworkTranslation(app))
        qWarning("Qt's Chinese translation is not installed (qt6-translations-l10n): "
                 "standard buttons and file dialogs show English texts.");

    installFontSubstitutions();
    DialogMessageService messages;
    setMessageService(&messages);
    DialogFileChooser files;
    setFileChooser(&files);

    ApplicationWindows windows;
    windows.frmMain.setRecentFiles(RecentFiles::forProgram());
    if (!parser.positionalArguments().isEmpty())
        windows.frmMain.setStartupFile(parser.positionalArguments().constFirst());
    windows.frmMain.showMaximized();
    const int result = app.exec();
    setFileChooser(nullptr);
    setMessageService(nullptr);
    return result;
}
