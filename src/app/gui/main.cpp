#include "app/InterfaceLanguage.h"
#include "dialogs/FileChooserDialog.h"
#include "dialogs/FrameworkTranslation.h"
#include "dialogs/MessageDialog.h"
#include "editor/ApplicationWindows.h"
#include "files/RecentFiles.h"
#include "model/FontSubstitutions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char* argv[])
{
    // Every command of the windows runs inside its own guard (guarded()), which shows a failure
    // in the standard error box; nothing is left to unwind through the event loop.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marlune"));
    QApplication::setApplicationVersion(QStringLiteral(MARLUNE_VERSION));
    // The desktop's menu entry and its icon: the task bar shows the same icon as the menu.
    QGuiApplication::setDesktopFileName(QStringLiteral("marlune"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("marlune"), QIcon(QStringLiteral(":/icons/marlune.png"))));

    const std::optional<InterfaceLanguage> language =
        startInChosenLanguage(app, languageArgument(app.arguments().mid(1)), "marlune");
    if (!language)
        return 1;
    // In English the framework's own texts (standard buttons, file dialogs) are English already.
    if (*language == InterfaceLanguage::Chinese && !installFrameworkTranslation(app))
        qWarning("Qt's Chinese translation is not installed (qt6-translations-l10n): "
                 "standard buttons and file dialogs show English texts.");
    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "设计标签，打印并雕刻。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("language"),
                      QApplication::translate("main", "界面语言：zh（中文，默认）、en（英文）或 system（跟随系统语言）"),
                      QStringLiteral("LANG")});
    parser.addPositionalArgument(QStringLiteral("label"), QApplication::translate("main", "要打开的标签文件。"));
    parser.process(app);


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
