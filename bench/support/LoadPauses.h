#pragma once

#include "ThreadCpuTime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>

// Runs the event loop while loading() holds and keeps the longest turn, in
// wall-clock time and in CPU time of this thread (on a busy machine the wall
// clock also counts the time other processes had the core).
struct LoadPauses {
    double longestMs = 0;
    double longestCpuMs = 0;

    template <class Loading>
    static LoadPauses RunWhile(Loading loading)
    {
        LoadPauses pauses;
        QElapsedTimer pause;
        pause.start();
        double cpu = threadCpuMs();
        while (loading()) {
            QApplication::processEvents(QEventLoop::AllEvents);
            pauses.longestMs = std::max(pauses.longestMs, pause.nsecsElapsed() / 1e6);
            const double now = threadCpuMs();
            pauses.longestCpuMs = std::max(pauses.longestCpuMs, now - cpu);
            cpu = now;
            pause.restart();
        }
        return pauses;
    }
};
