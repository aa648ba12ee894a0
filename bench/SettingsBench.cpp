// Loading and saving the default studio settings (settings.xml), the work the
// editor does at every start and end; the target is below 5 ms (median).
#include "settings/TTalvexStudioSettings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString defaultSettingsFile(const QTemporaryDir &dir)
{
    const QString file = dir.filePath(QStringLiteral("settings.xml"));
    TTalvexStudioSettings(file, false).Save();
    return file;
}

void BM_LoadDefaultSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = defaultSettingsFile(dir);
    for (auto _ : state) {
        TTalvexStudioSettings settings(file, true);
        benchmark::DoNotOptimize(settings.Toolbars()->Count());
    }
}

void BM_SaveDefaultSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    TTalvexStudioSettings settings(defaultSettingsFile(dir), true);
    for (auto _ : state) {
        if (!settings.Save())
            state.SkipWithError("save failed");
    }
}

// A save that has to write: the file is replaced and synced to disk, so the
// time depends mostly on the disk.
void BM_SaveChangedSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    TTalvexStudioSettings settings(defaultSettingsFile(dir), true);
    int round = 0;
    for (auto _ : state) {
        settings.AutoSave()->Intervall = 60 + (++round % 2);
        if (!settings.Save())
            state.SkipWithError("save failed");
    }
}

void BM_LoadAndSaveDefaultSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = defaultSettingsFile(dir);
    for (auto _ : state) {
        TTalvexStudioSettings settings(file, true);
        if (!settings.Save())
            state.SkipWithError("save failed");
    }
}

} // namespace

BENCHMARK(BM_LoadDefaultSettings)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveDefaultSettings)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveChangedSettings)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadAndSaveDefaultSettings)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
