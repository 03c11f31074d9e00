#pragma once

#include "editor/ApplicationWindows.h"
#include "model/MessageService.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The program's windows, created as at start-up with fresh label and job settings, the
// main window shown and active, and every prompt recorded and answered by the test.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TfrmMain& main() { return m_windows->frmMain; }
    Tf_labelset& labelSetup() { return m_windows->f_labelset; }
    QAction* action(const QString& name);

    template <typename Widget>
    Widget* find(QWidget* parent, const QString& name)
    {
        auto* widget = parent->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << "no control named " << qPrintable(name);
        return widget;
    }

    // Triggers a command that opens a modal dialog and lets handle drive that dialog; the
    // dialog must be closed by handle. Returns false when no dialog opened.
    bool runWithDialog(QAction* command, const std::function<void(QWidget*)>& handle);

    // Presses a key on the widget with the keyboard focus, shortcuts included.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Appends count cut circles side by side; all are left unselected.
    void addObjects(int count);

    RecordingMessageService messages;

private:
    std::unique_ptr<ApplicationWindows> m_windows;
};
