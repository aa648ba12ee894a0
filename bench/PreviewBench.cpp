// Switching a document's window to "Vorschau": the first time (the web
// engine starts) and later times, until the page has loaded.
#include "childwindow/TMDIChild.h"
#include "commands/TActionRegistry.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "preview/TEmbeddedPreview.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// The shipped data copied to home as installed, the user data beside it.
TDataFolders dataFolders(const QTemporaryDir &home)
{
    const QString shipped = QStringLiteral(TALVEX_SOURCE_DIR "/data/shipped");
    QDirIterator it(shipped, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = home.filePath(QStringLiteral("common/")) + QDir(shipped).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
    TDataFolders folders;
    const QString build = qEnvironmentVariable("TALVEX_BUILD_DIR");
    folders.programBase = (build.isEmpty() ? QStringLiteral(TALVEX_SOURCE_DIR "/build") : build) + u'/';
    folders.commonData = home.filePath(QStringLiteral("common/"));
    folders.userData = home.filePath(QStringLiteral("user/"));
    folders.projects = home.filePath(QStringLiteral("Projekte/"));
    return folders;
}

void BM_SwitchToPreview(benchmark::State &state)
{
    QTemporaryDir root;
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core = programCore.Create(dataFolders(root));
    auto window = std::make_unique<TMainForm>(*core);
    auto features = std::make_unique<TStudioFeatures>(*core, *window);
    window->show();
    const QString page = root.filePath("seite.php");
    QFile file(page);
    file.open(QIODevice::WriteOnly);
    file.write("<html><body><?php for ($i = 0; $i < 200; ++$i) echo \"<p>Zeile $i</p>\"; ?></body></html>\n");
    file.close();
    window->OpenFiles({page});
    QCoreApplication::processEvents();
    window->UpdateNow();
    TMDIChild *child = window->ChildOf(window->ActiveDocument());
    QAction *toggle = window->Registry().Action("Glimpane");
    int round = 0;
    for (auto _ : state) {
        auto *preview = child->PreviewHost()->findChild<TEmbeddedPreview *>();
        // From the second switch on the view exists and its signal can be heard from the start.
        std::unique_ptr<QSignalSpy> loaded(preview ? new QSignalSpy(preview, &TEmbeddedPreview::loaded) : nullptr);
        QElapsedTimer timer;
        timer.start();
        toggle->trigger();
        preview = child->PreviewHost()->findChild<TEmbeddedPreview *>();
        if (!preview || !child->IsPreviewShown()) {
            for (const TPrompt &prompt : prompter.prompts())
                fprintf(stderr, "%s\n", qPrintable(prompt.text));
            state.SkipWithError("the preview did not open");
            break;
        }
        if (!loaded)
            loaded = std::make_unique<QSignalSpy>(preview, &TEmbeddedPreview::loaded);
        if (loaded->isEmpty() && !loaded->wait(15000)) {
            state.SkipWithError("the page did not load");
            break;
        }
        state.SetIterationTime(timer.elapsed() / 1000.0);
        fprintf(stderr, "switch %d to \"Vorschau\": %lld ms\n", round + 1, qint64(timer.elapsed()));
        ++round;
        toggle->trigger(); // back to the code
        QCoreApplication::processEvents();
    }
    features.reset();
    window.reset();
}

} // namespace

BENCHMARK(BM_SwitchToPreview)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);
