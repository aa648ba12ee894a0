// A project of 10,000 files in 100 folders, all on disk, shown in the project
// manager: binding the group, filling its four pages and painting the file
// tree. Refreshing it again is what every activation of the window costs.
// The target is below 300 ms.
#include "projectmanager/TProjectFileTree.h"
#include "projectmanager/TProjectFilesPage.h"
#include "projectmanager/TProjectManager.h"
#include "projects/TTalvexStudioProject.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;

// The files exist, so that every row asks the disk for its date and size as it would.
std::unique_ptr<TTalvexStudioProject> bigProject(const QTemporaryDir &dir)
{
    const QString web = dir.filePath(QStringLiteral("web/"));
    auto project = std::make_unique<TTalvexStudioProject>(nullptr, dir.filePath(QStringLiteral("big.qpg")), false);
    QDir().mkpath(web);
    project->SetProjectName(QStringLiteral("Großes Projekt"));
    project->SetMainFolder(web);
    project->SetFileFolder(web);
    for (int f = 0; f < kFolders; ++f) {
        const QString folderPath = web + QStringLiteral("ordner%1").arg(f);
        QDir().mkpath(folderPath);
        const int folder = project->AddItem(QStringLiteral("ordner%1").arg(f), folderPath, pitFolder, nullptr, false);
        TVYRAProjectGroupItem *node = project->Root()->GetItems(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const QString name = QStringLiteral("seite_%1.%2").arg(i).arg(i % 3 ? QStringLiteral("php") : QStringLiteral("css"));
            QFile file(folderPath + QLatin1Char('/') + name);
            if (!file.open(QIODevice::WriteOnly) || file.write("<?php\n") < 0)
                return nullptr;
            project->AddItem(name, file.fileName(), pitFile, node, false);
        }
    }
    return project;
}

void BM_ShowProjectInManager(benchmark::State &state)
{
    QTemporaryDir dir;
    const auto project = bigProject(dir);
    if (!project) {
        state.SkipWithError("could not write the project's files");
        return;
    }
    for (auto _ : state) {
        // A new window each time: the first showing, with nothing cached in the tree.
        TProjectManager manager({});
        manager.resize(900, 700);
        manager.ShowProjectManager(project.get(), TProjectManager::pgFiles);
        QApplication::processEvents();
        if (manager.FilesPage()->Tree()->topLevelItemCount() != kFolders)
            state.SkipWithError("rows missing");
        state.PauseTiming();
        manager.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowProjectInManager)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RefreshExpandedTree(benchmark::State &state)
{
    QTemporaryDir dir;
    const auto project = bigProject(dir);
    if (!project) {
        state.SkipWithError("could not write the project's files");
        return;
    }
    TProjectManager manager({});
    manager.resize(900, 700);
    manager.ShowProjectManager(project.get(), TProjectManager::pgFiles);
    manager.FilesPage()->Tree()->expandAll();
    for (auto _ : state) {
        manager.Refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RefreshExpandedTree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
