// The project tree of the main window: a project of 10,000 files (real files
// on disk, so that every label checks its file) is opened and shown, the
// target being below 300 ms; and the import of a folder of 1,000 files into a
// project that copies them in, entry by entry as the assistant runs it.
#include "documents/TVYRAFileType.h"
#include "framework/TVYRACore.h"
#include "projects/TProjectFileBatch.h"
#include "projects/TProjectTreePanel.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TVYRAProjectGroupList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;

void touch(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("<?php\n");
}

// A studio project of kFolders * kFilesPerFolder existing files, saved to dir/big.qpg.
QString bigProject(const QTemporaryDir &dir)
{
    const QString web = dir.filePath(QStringLiteral("web/"));
    TTalvexStudioProject project(nullptr, dir.filePath(QStringLiteral("big.qpg")), false);
    QDir().mkpath(web);
    project.SetProjectName(QStringLiteral("Großes Projekt"));
    project.SetMainFolder(web);
    project.SetFileFolder(web);
    for (int f = 0; f < kFolders; ++f) {
        const QString folderPath = web + QStringLiteral("ordner%1").arg(f);
        QDir().mkpath(folderPath);
        const int folder = project.AddItem(QStringLiteral("ordner%1").arg(f), folderPath, pitFolder, nullptr, false);
        TVYRAProjectGroupItem *node = project.Root()->GetItems(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const QString name = QStringLiteral("seite_%1.php").arg(i);
            touch(folderPath + QLatin1Char('/') + name);
            project.AddItem(name, folderPath + QLatin1Char('/') + name, pitFile, node, false);
        }
    }
    return project.Save().ok ? project.FileName() : QString();
}

int rowsBelow(const QTreeWidgetItem *row)
{
    int count = row->childCount();
    for (int i = 0; i < row->childCount(); ++i)
        count += rowsBelow(row->child(i));
    return count;
}

void BM_OpenProjectAndShowTree(benchmark::State &state)
{
    TVYRACore::SetFileTypeRecognizer(ftProject, _TVS_PROJECT);
    QTemporaryDir dir;
    const QString file = bigProject(dir);
    if (file.isEmpty()) {
        state.SkipWithError("save failed");
        return;
    }
    TProjectTreePanel panel([](const TVYRAProjectGroupItem *) { return nullptr; });
    panel.resize(300, 800);
    panel.show();
    for (auto _ : state) {
        TVYRAProjectGroupList groups;
        groups.Add(TVYRAProjectGroupItems::Create<TTalvexStudioProject>(&groups, file, true, true));
        panel.Rebuild(&groups);
        panel.Tree()->topLevelItem(0)->child(0)->setExpanded(true);
        QApplication::processEvents();
        if (rowsBelow(panel.Tree()->topLevelItem(0)) != kFolders * (kFilesPerFolder + 1))
            state.SkipWithError("rows missing");
        panel.Rebuild(nullptr);
    }
}
BENCHMARK(BM_OpenProjectAndShowTree)->Unit(benchmark::kMillisecond);

void BM_ImportThousandFiles(benchmark::State &state)
{
    TVYRACore::SetFileTypeRecognizer(ftProject, _TVS_PROJECT);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source/"));
    QDir().mkpath(source);
    for (int i = 0; i < 1000; ++i)
        touch(source + QStringLiteral("datei%1.php").arg(i));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString target = dir.filePath(QStringLiteral("ziel%1/").arg(run++));
        QDir().mkpath(target);
        TTalvexStudioProject project(nullptr, target + QStringLiteral("p.qpg"), false);
        project.SetFileFolder(target);
        project.SetSyncFileMode(sfmSynchronize);
        int steps = 0;
        TProjectFileBatch batch(project, nullptr, [&steps](int, int, const QString &) { return ++steps > 0; });
        state.ResumeTiming();
        batch.ImportFolders({{source, true, false}});
        if (project.GetFileCount() != 1000 || !batch.Errors().isEmpty())
            state.SkipWithError("import incomplete");
    }
}
BENCHMARK(BM_ImportThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
