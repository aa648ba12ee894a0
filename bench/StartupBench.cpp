// Start-up time of the editor: from process start until its first window is
// shown, measured by starting the real program with its quit-when-shown switch.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString programPath()
{
    const QByteArray build = qgetenv("TALVEX_BUILD_DIR");
    return QString::fromLocal8Bit(build.isEmpty() ? QByteArray("build") : build) + QStringLiteral("/bin/TalvexStudio");
}

void BM_StartupToShownWindow(benchmark::State &state)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", home.filePath("run"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("HOME", home.path());
    if (!env.contains("DISPLAY") && !env.contains("WAYLAND_DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");

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

} // namespace

BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(15)
    ->ReportAggregatesOnly(true);
