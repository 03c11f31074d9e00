#pragma once

#include "editor/ApplicationWindows.h"
#include "files/FileChooser.h"
#include "model/MessageService.h"
#include "support/WidgetHelpers.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The program's windows, created as at start-up with fresh label and job settings, the
// main window shown and active, its recent-file list in a folder of the test's own, and
// every prompt and file dialog recorded and answered by the test.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Ends the program's windows and starts them again as at start-up; prepare runs on the
    // new main window before it is first shown (the command-line file, for example).
    void restart(const std::function<void(TfrmMain&)>& prepare = {});
    // A path in the test's folder; "setting.ini" there is the recent-file list.
    QString path(const QString& name) const { return m_folder.filePath(name); }
    QString recentIni() const { return path(QStringLiteral("setting.ini")); }

    TfrmMain& main() { return m_windows->frmMain; }
    Tf_labelset& labelSetup() { return m_windows->f_labelset; }
    QAction* action(const QString& name);

    template <typename Widget>
    Widget* find(QWidget* parent, const QString& name)
    {
        return testing_support::control<Widget>(parent, name);
    }

    // Triggers a command that opens a modal dialog and lets handle drive that dialog; the
    // dialog must be closed by handle. Returns false when no dialog opened.
    bool runWithDialog(QAction* command, const std::function<void(QWidget*)>& handle);

    // Presses a key on the widget with the keyboard focus, shortcuts included.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Appends count cut circles side by side; all are left unselected.
    void addObjects(int count);

    RecordingMessageService messages;
    RecordingFileChooser files;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<ApplicationWindows> m_windows;
};
