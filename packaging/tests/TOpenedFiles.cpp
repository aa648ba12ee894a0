#include "TOpenedFiles.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// strace -xx writes every byte of a string as \xNN.
QString decodeHex(const QString &escaped)
{
    QByteArray bytes;
    for (qsizetype i = 0; i + 4 <= escaped.size(); i += 4)
        bytes.append(static_cast<char>(escaped.mid(i + 2, 2).toInt(nullptr, 16)));
    return QString::fromUtf8(bytes);
}

bool below(const QString &path, const QString &folder)
{
    const QString base = QDir::cleanPath(folder) + QLatin1Char('/');
    return path.startsWith(base);
}

} // namespace

TOpenedFiles TOpenedFiles::Trace(const QString &program, const QStringList &arguments,
                                 const QProcessEnvironment &environment, int timeoutMs)
{
    TOpenedFiles result;
    QTemporaryDir logFolder;
    const QString log = logFolder.filePath(QStringLiteral("strace.log"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList straceArguments{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-xx"),
                                QStringLiteral("-s"), QStringLiteral("4096"), QStringLiteral("-e"),
                                QStringLiteral("trace=open,openat"), QStringLiteral("-o"), log, program};
    process.start(QStringLiteral("strace"), straceArguments + arguments);
    if (!process.waitForStarted(10000)) {
        result.m_runError = QStringLiteral("strace konnte nicht gestartet werden: ") + process.errorString();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        result.m_runError = QStringLiteral("%1 endete nicht innerhalb von %2 s.").arg(program).arg(timeoutMs / 1000);
    } else {
        result.m_ended = process.exitStatus() == QProcess::NormalExit;
        result.m_exitCode = process.exitCode();
    }
    result.m_output = QString::fromLocal8Bit(process.readAll());
    QFile file(log);
    if (file.open(QIODevice::ReadOnly)) {
        TOpenedFiles parsed = Parse(file.readAll());
        result.m_attempts = std::move(parsed.m_attempts);
    } else if (result.m_runError.isEmpty()) {
        result.m_runError = QStringLiteral("Das strace-Protokoll %1 fehlt.").arg(log);
    }
    return result;
}

TOpenedFiles TOpenedFiles::Parse(const QByteArray &log)
{
    // A call another thread interrupts is split: "<unfinished ...>" holds the
    // path, "<... openat resumed>" the result, both under the thread's id.
    static const QRegularExpression call(QStringLiteral(
        R"re(^(\d+)\s+open(?:at)?\((?:AT_FDCWD, )?"((?:\\x[0-9a-f]{2})*)"(.*)$)re"));
    static const QRegularExpression resumed(QStringLiteral(R"re(^(\d+)\s+<\.\.\. open(?:at)? resumed>(.*)$)re"));
    static const QRegularExpression returned(QStringLiteral(R"re(=\s+(-?\d+))re"));
    TOpenedFiles result;
    QHash<QString, QString> pending;
    auto record = [&result](const QString &path, const QString &rest) {
        const QRegularExpressionMatch value = returned.match(rest);
        if (path.startsWith(QLatin1Char('/')) && value.hasMatch())
            result.m_attempts.append({QDir::cleanPath(path), value.captured(1).toInt() >= 0});
    };
    for (const QByteArray &rawLine : log.split('\n')) {
        const QString line = QString::fromLatin1(rawLine);
        if (const QRegularExpressionMatch m = call.match(line); m.hasMatch()) {
            const QString path = decodeHex(m.captured(2));
            if (m.captured(3).contains(QStringLiteral("<unfinished ...>")))
                pending.insert(m.captured(1), path);
            else
                record(path, m.captured(3));
        } else if (const QRegularExpressionMatch r = resumed.match(line); r.hasMatch()) {
            record(pending.take(r.captured(1)), r.captured(2));
        }
    }
    return result;
}

QStringList TOpenedFiles::select(const QString &folder, bool opened) const
{
    QStringList paths;
    for (const TAttempt &attempt : m_attempts) {
        if (attempt.opened == opened && below(attempt.path, folder) && !paths.contains(attempt.path))
            paths.append(attempt.path);
    }
    return paths;
}

QStringList TOpenedFiles::Opened(const QString &folder) const
{
    return select(folder, true);
}

QStringList TOpenedFiles::NeverOpened(const QString &folder) const
{
    // A path that failed once and opened later (a file made at start) counts as opened.
    const QStringList opened = Opened(folder);
    QStringList failed;
    for (const QString &path : select(folder, false)) {
        if (!opened.contains(path))
            failed.append(path);
    }
    return failed;
}

bool TOpenedFiles::WasOpened(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    return std::any_of(m_attempts.begin(), m_attempts.end(),
                       [&clean](const TAttempt &attempt) { return attempt.opened && attempt.path == clean; });
}
