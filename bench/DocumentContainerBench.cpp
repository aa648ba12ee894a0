// Opening and closing 1,000 small documents through the document container,
// each in a window of its own as the main window gives it: the time of one
// round (target: under 2 s) and the resident memory after each round, which
// must not grow from round to round (closed documents give their memory back).
#include "support/ProcessMemory.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "framework/TVYRACore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int DocumentCount = 1000;

struct TBenchHost {
    QTemporaryDir root;
    QWidget window;
    std::unique_ptr<TVYRACore> core;
    QStringList files;

    TBenchHost()
    {
        TVYRACoreConfig config{&window, root.filePath("app"), root.filePath("common"), root.filePath("user"),
                               TVYRAEditorTypes::etBoth, false, {}};
        core = std::make_unique<TVYRACore>(config);
        core->Settings()->DefaultEditor()->EditorMode = true;
        TVYRADocumentContainer *container = core->Container();
        container->SetMDISupported(true);
        container->Events().OnNewDocumentRequest = [this](QWidget *&parent) { parent = new QWidget(&window); };
        container->Events().OnDocumentClosing = [](TVYRADocument *document, TFileCloseOption, bool) {
            if (QWidget *page = document->Parent())
                page->deleteLater();
        };
        QDir().mkpath(root.filePath("files"));
        for (int i = 0; i < DocumentCount; ++i) {
            const QString path = root.filePath(QStringLiteral("files/datei%1.php").arg(i));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write("<?php\n// eine kleine Datei\necho 'Hallo ");
            file.write(QByteArray::number(i));
            file.write("';\n?>\n");
            files.append(path);
        }
    }

    // Opens every file, then closes every document, returning to the event
    // loop after each as the main window does; milliseconds.
    double round()
    {
        TVYRADocumentContainer *container = core->Container();
        QElapsedTimer clock;
        clock.start();
        for (const QString &file : files) {
            container->OpenDocument(file);
            QCoreApplication::processEvents();
        }
        while (container->GetDocumentCount() > 0) {
            container->CloseDocument(container->GetDocumentCount() - 1);
            QCoreApplication::processEvents();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return clock.nsecsElapsed() / 1e6;
    }
};

void BM_OpenCloseThousandDocuments(benchmark::State &state)
{
    TBenchHost host;
    host.round(); // warms the allocator and the caches
    const double baseline = ProcessMemory::residentMb();
    double lastMs = 0;
    double worstMs = 0;
    for (auto _ : state) {
        lastMs = host.round();
        worstMs = std::max(worstMs, lastMs);
    }
    state.counters["round_ms"] = lastMs;
    state.counters["worst_round_ms"] = worstMs;
    state.counters["rss_baseline_mb"] = baseline;
    state.counters["rss_after_mb"] = ProcessMemory::residentMb();
    state.counters["rss_growth_mb"] = ProcessMemory::residentMb() - baseline;
    state.counters["under_2s"] = worstMs < 2000 ? 1 : 0;
}
BENCHMARK(BM_OpenCloseThousandDocuments)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
