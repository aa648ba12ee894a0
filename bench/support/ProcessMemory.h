#pragma once

#include <QByteArray>
#include <QFile>

// Memory figures of this process from /proc/self/status, in MB.
namespace ProcessMemory {

inline double statusValueMb(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

inline double peakMb() { return statusValueMb("VmHWM:"); }
inline double residentMb() { return statusValueMb("VmRSS:"); }

} // namespace ProcessMemory
