#pragma once

#include <QApplication>

// The desktop program's application object. A failure that escapes a command (text that is
// not a number, a file that cannot be read) ends that command only: it is shown in the
// standard error box and the program goes on.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};
