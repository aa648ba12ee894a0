// Loading and saving a project group of 10,000 files in 100 folders, the work
// behind opening and saving a large project; the target is below 200 ms each.
#include "projects/TVYRAProjectGroupItems.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;

// A group over dir/web with its file at dir/big.qpg, saved once.
std::unique_ptr<TVYRAProjectGroupItems> bigGroup(const QTemporaryDir &dir)
{
    const QString web = dir.filePath(QStringLiteral("web/"));
    QDir().mkpath(web);
    auto group = std::make_unique<TVYRAProjectGroupItems>(nullptr, dir.filePath(QStringLiteral("big.qpg")), false);
    group->SetProjectName(QStringLiteral("Großes Projekt"));
    group->SetMainFolder(web);
    group->SetFileFolder(web);
    for (int f = 0; f < kFolders; ++f) {
        const QString folderPath = web + QStringLiteral("ordner%1").arg(f);
        const int folder = group->AddItem(QStringLiteral("ordner%1").arg(f), folderPath, pitFolder, nullptr, false);
        TVYRAProjectGroupItem *node = group->Root()->GetItems(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const QString name = QStringLiteral("seite_%1.php").arg(i);
            group->AddItem(name, folderPath + QLatin1Char('/') + name, pitFile, node, false);
        }
    }
    if (!group->Save().ok)
        return nullptr;
    return group;
}

void BM_LoadProjectGroup(benchmark::State &state)
{
    QTemporaryDir dir;
    const auto saved = bigGroup(dir);
    if (!saved) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        auto group = TVYRAProjectGroupItems::Create<TVYRAProjectGroupItems>(nullptr, saved->FileName(), true, true);
        if (group->GetFileCount() != kFolders * kFilesPerFolder)
            state.SkipWithError("files missing after loading");
    }
}

void BM_SaveProjectGroup(benchmark::State &state)
{
    QTemporaryDir dir;
    const auto group = bigGroup(dir);
    if (!group) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        group->SetModified(true);
        if (!group->Save().ok)
            state.SkipWithError("save failed");
    }
}

} // namespace

BENCHMARK(BM_LoadProjectGroup)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveProjectGroup)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
