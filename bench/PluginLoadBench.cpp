// Loading 50 plug-ins at start-up (target: under 100 ms added to the start):
// the framework sample, which adds a menu and an item, copied 50 times into
// the plug-in folder of a core with a menu bar, loaded and released again.
#include "framework/TVYRACore.h"
#include "plugins/TVYRAPluginEvents.h"
#include "plugins/TVYRAPlugins.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int PluginCount = 50;

void BM_Load50Plugins(benchmark::State &state)
{
    const QString sample = qEnvironmentVariable("TALVEX_BUILD_DIR") + QStringLiteral("/Packages/Plugins/EditorInfo.so");
    if (!QFile::exists(sample)) {
        state.SkipWithError("sample plug-in not found (TALVEX_BUILD_DIR)");
        return;
    }
    QTemporaryDir root;
    QWidget window;
    QMenuBar bar(&window);
    TVYRACoreConfig config{&window, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                           TVYRAEditorTypes::etBoth, false, {}};
    auto core = std::make_unique<TVYRACore>(config);
    for (int i = 0; i < PluginCount; ++i)
        QFile::copy(sample, core->PluginDir() + QStringLiteral("Sample%1.so").arg(i, 2, 10, QLatin1Char('0')));
    core->PluginEvents().OnRequestMenu = [&bar](TVYRAMenuKind) -> QWidget * { return &bar; };
    for (auto _ : state) {
        core->InitPluginSystem(0, 0, 0, 0, TVYRAPlugins::AllTypes());
        state.PauseTiming();
        if (core->Plugins()->Count() != PluginCount)
            state.SkipWithError("not every plug-in loaded");
        core->Plugins()->UnloadAll();
        qDeleteAll(bar.findChildren<QMenu *>(Qt::FindDirectChildrenOnly));
        bar.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Load50Plugins)->Unit(benchmark::kMillisecond);

} // namespace
