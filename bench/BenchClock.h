#pragma once

#include <ctime>

// The clocks the waiting benchmarks compare: the CPU this process used against the time that
// passed, so that a goal can say what share of the machine a waiting job takes.
inline double cpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

inline double wallSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}
