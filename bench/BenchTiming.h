#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

// Runs work `rounds` times and prints the median and the fastest round.
template<typename Work>
void measure(const char *name, int rounds, Work work)
{
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(size_t(rounds));
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    std::printf("%-48s median %10.1f us   best %10.1f us   (%d rounds)\n", name,
                double(nanoseconds[nanoseconds.size() / 2]) / 1000.0, double(nanoseconds.front()) / 1000.0, rounds);
}
