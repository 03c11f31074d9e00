#pragma once

#include <QDeadlineTimer>

#include <functional>

// The wait of every job: the program keeps handling window events, port data and timers
// until the awaited condition holds, the deadline passes or the operator asks to stop.
// It blocks on the event dispatcher between events (no spinning), and the condition and the
// stop flag are looked at again after every batch of events, so a reply or a press of the
// stop button ends the wait at once. Works in the desktop program and in the headless tools.
enum class WaitOutcome { Ready, TimedOut, Stopped };

// `ready` may be empty (a plain delay); `stop` may be null. The stop flag wins over the
// condition when both hold, since the operator's stop must end a run. Pending events are
// handled at least once, also when the deadline has passed already.
WaitOutcome waitPumping(const std::function<bool()>& ready, QDeadlineTimer deadline,
                        const bool* stop = nullptr);

// The timed run's delay between printing and cutting: nothing the operator does is taken
// until it has passed (clicks and keys wait in the queue, the stop button included), while
// the window still repaints and the ports and timers run, so the program does not look hung.
void delayHoldingInput(int milliseconds);
