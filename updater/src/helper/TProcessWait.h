#pragma once

#include <QtGlobal>

// Waits until a process has ended. A process that has ended but not yet been
// collected by its parent counts as ended.
class TProcessWait
{
public:
    static bool Running(qint64 pid);
    // Waits without limit; false when pid names no process to wait for.
    static bool WaitForEnd(qint64 pid);
};
