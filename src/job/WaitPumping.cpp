#include "job/WaitPumping.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

WaitOutcome waitPumping(const std::function<bool()>& ready, QDeadlineTimer deadline,
                        const bool* stop)
{
    // Nothing else may wake the dispatcher when the deadline comes, so a timer does.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    if (!deadline.isForever())
        wakeUp.start(std::chrono::milliseconds(qMax<qint64>(0, deadline.remainingTime())));

    for (;;) {
        if (stop && *stop)
            return WaitOutcome::Stopped;
        if (ready && ready())
            return WaitOutcome::Ready;
        if (deadline.hasExpired())
            return WaitOutcome::TimedOut;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}
