#include "MainWindowFixture.h"

#include "model/JobSettings.h"
#include "model/LabelSettings.h"

#include <QTest>

void MainWindowFixture::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
    // Tests close the main window; the test program goes on.
    QApplication::setQuitOnLastWindowClosed(false);
    restart();
}

void MainWindowFixture::restart(const std::function<void(TfrmMain&)>& prepare)
{
    m_windows.reset();
    labelSettings() = LabelSettings{};
    jobSettings() = JobSettings{};
    m_windows = std::make_unique<ApplicationWindows>();
    main().setRecentFiles(RecentFiles(recentIni()));
    if (prepare)
        prepare(main());
    main().resize(1200, 800);
    main().show();
    QApplication::setActiveWindow(&main());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    // The recent-file menu and the command-line file follow the first show.
    QApplication::processEvents();
}

void MainWindowFixture::TearDown()
{
    m_windows.reset();
}

QAction* MainWindowFixture::action(const QString& name)
{
    auto* found = main().findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << "no action named " << qPrintable(name);
    return found;
}

bool MainWindowFixture::runWithDialog(QAction* command, const std::function<void(QWidget*)>& handle)
{
    return testing_support::runWithModal([command] { command->trigger(); }, handle);
}

void MainWindowFixture::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &main();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void MainWindowFixture::addObjects(int count)
{
    main().document().AddCutCircles(0, 0, 100, 100, 1, count, 0, 10);
    main().document().SelectAll(false);
}
