#pragma once

// Starts the real editor with its quit-when-shown switch, once per iteration,
// in a private home of its own: the time from process start until its first
// window is shown.
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace ProgramStart {

inline QString programPath()
{
    const QByteArray build = qgetenv("TALVEX_BUILD_DIR");
    return QString::fromLocal8Bit(build.isEmpty() ? QByteArray("build") : build) + QStringLiteral("/bin/TalvexStudio");
}

// The environment of a first start with every user folder inside home.
inline QProcessEnvironment privateEnvironment(const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", home.filePath("run"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_CACHE_HOME", home.filePath("cache"));
    env.insert("HOME", home.path());
    if (!env.contains("DISPLAY") && !env.contains("WAYLAND_DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

inline void untilShown(benchmark::State &state, const QProcessEnvironment &env)
{
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(programPath(), {QStringLiteral("--quit-when-shown")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not start and quit");
            break;
        }
    }
}

} // namespace ProgramStart
