// Shows the sample label in the program's windows on an X display and writes what the screen
// shows, for the README: the main window, the label setup dialog and the print-and-cut window.
// Usage (from the repository root, where the sample label names its pictures; an X server is
// needed, scripts/screenshots.sh starts one): build/bin/marlune-screenshots FOLDER [en]

#include "app/InterfaceLanguage.h"
#include "dialogs/FileChooserDialog.h"
#include "dialogs/FrameworkTranslation.h"
#include "dialogs/MessageDialog.h"
#include "editor/ApplicationWindows.h"
#include "files/RecentFiles.h"
#include "model/FontSubstitutions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Time for a window to be laid out and painted before it is taken.
constexpr int kSettleMs = 1500;

bool save(const QPixmap& picture, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!picture.isNull() && picture.save(path))
        return true;
    std::fprintf(stderr, "marlune-screenshots: %s could not be taken or written\n", qPrintable(path));
    return false;
}

// What the screen shows of a window: the screen itself when nothing is given.
QPixmap screenOf(const QWidget* window)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!window)
        return screen->grabWindow(0);
    const QRect area = window->frameGeometry();
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marlune"));
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 2 || (arguments.size() == 2 && arguments[1] != u"en")) {
        std::fputs("usage: marlune-screenshots FOLDER [en]\n", stderr);
        return 1;
    }
    if (QGuiApplication::platformName() != u"xcb") {
        std::fputs("marlune-screenshots: needs an X display (scripts/screenshots.sh starts Xvfb)\n", stderr);
        return 1;
    }
    const QDir folder(arguments[0]);
    const bool english = arguments.size() == 2;
    installInterfaceLanguage(app, english ? InterfaceLanguage::English : InterfaceLanguage::Chinese);
    if (!english)
        installFrameworkTranslation(app);
    installFontSubstitutions();
    DialogMessageService messages;
    setMessageService(&messages);
    DialogFileChooser files;
    setFileChooser(&files);

    // The operator's own recent files stay out of the pictures and untouched.
    const QTemporaryDir settings;
    ApplicationWindows windows;
    windows.frmMain.setRecentFiles(RecentFiles(QDir(settings.path()).filePath(QStringLiteral("setting.ini"))));
    windows.frmMain.setStartupFile(QStringLiteral("examples/sample.xml"));
    windows.frmMain.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    windows.frmMain.show();

    // Each step waits for the one before to be painted; a dialog runs its own event loop, in
    // which the next steps' timers still fire.
    bool ok = true;
    const auto open = [&windows](const char* action) {
        QAction* command = windows.frmMain.findChild<QAction*>(QString::fromLatin1(action));
        if (command)
            QMetaObject::invokeMethod(command, &QAction::trigger, Qt::QueuedConnection);
        return command != nullptr;
    };
    const auto takeAndClose = [&](const char* name) {
        QWidget* window = QApplication::activeModalWidget();
        ok = save(screenOf(window), folder, name) && window && ok;
        if (window)
            window->close();
    };
    QTimer::singleShot(kSettleMs, [&] {
        ok = save(screenOf(nullptr), folder, "main-window.png") && open("actionLabelSet") && ok;
    });
    QTimer::singleShot(2 * kSettleMs, [&] { takeAndClose("label-setup.png"); });
    QTimer::singleShot(3 * kSettleMs, [&] { ok = open("actionPrint") && ok; });
    QTimer::singleShot(4 * kSettleMs, [&] { takeAndClose("job-window.png"); });
    QTimer::singleShot(5 * kSettleMs, &app, &QApplication::quit);
    app.exec();
    setFileChooser(nullptr);
    setMessageService(nullptr);
    return ok ? 0 : 1;
}
