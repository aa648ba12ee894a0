#include "TProcessWait.h"

#include <QFile>
#include <QThread>
#include <cerrno>
#include <signal.h>

bool TProcessWait::Running(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    // The state follows the command name in parentheses; "Z" is a zombie.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close >= 0 && close + 2 < line.size() && (line[close + 2] == 'Z' || line[close + 2] == 'X'))
            return false;
    }
    return true;
}

bool TProcessWait::WaitForEnd(qint64 pid)
{
    if (!Running(pid))
        return false;
    while (Running(pid))
        QThread::msleep(20);
    return true;
}
