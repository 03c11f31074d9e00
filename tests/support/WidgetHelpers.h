#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

class QAbstractButton;

// Driving windows and dialogs as an operator does, finding controls by their object names.
namespace testing_support {

// The control of that name under parent; a test failure when there is none.
template <typename Widget = QWidget>
Widget* control(const QWidget* parent, const QString& name)
{
    auto* widget = parent->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << "no control named " << qPrintable(name);
    return widget;
}

// Clicks a button with the mouse. Radio buttons and check boxes react on their mark, not on
// empty space beside the text, so they are clicked there.
void clickButton(QAbstractButton* button);

// Runs open, which shows a modal dialog, and lets handle drive the dialog once it is up;
// handle must close it. Returns whether a dialog opened.
bool runWithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& handle);

} // namespace testing_support
