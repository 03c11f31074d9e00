#include "ports/WaitPumping.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

WaitOutcome pumpUntil(const std::function<bool()>& ready, QDeadlineTimer deadline, const bool* stop,
                      QEventLoop::ProcessEventsFlags events)
{
    // Nothing else may wake the dispatcher when the deadline comes, so a timer does.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    if (!deadline.isForever())
        wakeUp.start(std::chrono::milliseconds(qMax<qint64>(0, deadline.remainingTime())));

    // A wait that is over before it begins still handles what is pending once, so that a
    // delay of nothing lets the window repaint and a stop press in.
    bool pumped = false;
    for (;;) {
        if (stop && *stop)
            return WaitOutcome::Stopped;
        if (ready && ready())
            return WaitOutcome::Ready;
        if (!deadline.hasExpired())
            QCoreApplication::processEvents(events | QEventLoop::WaitForMoreEvents);
        else if (pumped)
            return WaitOutcome::TimedOut;
        else
            QCoreApplication::processEvents(events);
        pumped = true;
    }
}

} // namespace

WaitOutcome waitPumping(const std::function<bool()>& ready, QDeadlineTimer deadline,
                        const bool* stop)
{
    return pumpUntil(ready, deadline, stop, QEventLoop::AllEvents);
}

void delayHoldingInput(int milliseconds)
{
    pumpUntil({}, QDeadlineTimer(qMax(0, milliseconds), Qt::PreciseTimer), nullptr,
              QEventLoop::ExcludeUserInputEvents);
}
