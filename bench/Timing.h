// Timing a step of the smaller benchmark programs: the mean, fastest and slowest of a few
// runs on the wall clock, printed one line a step.
#pragma once

#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace bench {

struct Timing {
    double mean = 0, min = 0, max = 0;
};

// The mean, fastest and slowest of times in milliseconds.
inline Timing Of(const QList<double> &ms) {
    Timing t;
    if (ms.isEmpty())
        return t;
    t.min = *std::min_element(ms.cbegin(), ms.cend());
    t.max = *std::max_element(ms.cbegin(), ms.cend());
    for (double m : ms)
        t.mean += m / double(ms.size());
    return t;
}

// Runs the step `runs` times (its argument counts the runs from 0).
inline Timing Time(int runs, const std::function<void(int)> &step) {
    QList<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step(run);
        ms << double(timer.nsecsElapsed()) / 1e6;
    }
    return Of(ms);
}

inline void Report(const char *what, const Timing &t) {
    std::printf("%-58s mean %9.2f ms   min %9.2f   max %9.2f\n", what, t.mean, t.min, t.max);
}

} // namespace bench
