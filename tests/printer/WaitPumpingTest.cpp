#include "ports/WaitPumping.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(WaitPumping, EndsOnTheFirstOfConditionDeadlineAndStop)
{
    enum class Event { None, Ready, Stop };
    const struct {
        const char* name;
        Event event;       // what a timer event does after 20 ms
        int deadlineMs;    // -1: no deadline
        bool stopAtStart;
        bool readyAtStart;
        WaitOutcome expected;
    } cases[] = {
        {"reply arrives", Event::Ready, 5000, false, false, WaitOutcome::Ready},
        {"stop pressed", Event::Stop, -1, false, false, WaitOutcome::Stopped},
        {"nothing comes", Event::None, 60, false, false, WaitOutcome::TimedOut},
        {"stop wins over a reply", Event::None, 5000, true, true, WaitOutcome::Stopped},
        {"condition already holds", Event::None, 0, false, true, WaitOutcome::Ready},
    };
    for (const auto& c : cases) {
        bool ready = c.readyAtStart;
        bool stop = c.stopAtStart;
        QTimer::singleShot(20, [&ready, &stop, event = c.event] {
            ready = ready || event == Event::Ready;
            stop = stop || event == Event::Stop;
        });
        const QDeadlineTimer deadline = c.deadlineMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                         : QDeadlineTimer(c.deadlineMs);
        EXPECT_EQ(waitPumping([&ready] { return ready; }, deadline, &stop), c.expected) << c.name;
        waitPumping({}, QDeadlineTimer(30)); // lets the case's timer go before the next case
    }
}

TEST(WaitPumping, PlainDelayRunsEventsUntilItsDeadline)
{
    int fired = 0;
    QTimer::singleShot(10, [&fired] { ++fired; });
    QDeadlineTimer deadline(50);
    EXPECT_EQ(waitPumping({}, deadline), WaitOutcome::TimedOut);
    EXPECT_TRUE(deadline.hasExpired());
    EXPECT_EQ(fired, 1) << "events are handled during the delay";
}

// A job's wait may itself contain a wait (a nested job started from the window).
TEST(WaitPumping, NestedWaitReturnsToTheOuterOne)
{
    bool outerReady = false;
    WaitOutcome inner = WaitOutcome::Ready;
    QTimer::singleShot(10, [&] {
        inner = waitPumping({}, QDeadlineTimer(30));
        outerReady = true;
    });
    EXPECT_EQ(waitPumping([&] { return outerReady; }, QDeadlineTimer(5000)), WaitOutcome::Ready);
    EXPECT_EQ(inner, WaitOutcome::TimedOut);
}

} // namespace
