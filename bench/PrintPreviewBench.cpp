// The print preview of a 10,000-line HTML document with the HTML
// highlighter: the time from asking for the preview until its first page is
// shown, and the time to show the next page. Targets: 300 ms and 50 ms.
// Times are CPU time of the GUI thread (the machine may be shared); the
// wall-clock time is reported beside it.
#include "editor/TSynHTMLSyn.h"
#include "printing/TPrintJob.h"
#include "printing/TPreviewPages.h"
#include "printing/TPrintPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

TPrintJob largeJob(const TSynCustomHighlighter &highlighter)
{
    TPrintJob job;
    job.title = QStringLiteral("/srv/www/gross.html");
    job.font = QFont(QStringLiteral("DejaVu Sans Mono"), 10);
    job.highlighter = &highlighter;
    job.lines << QStringLiteral("<html>") << QStringLiteral("<body>");
    for (int i = 0; i < 9996; ++i)
        job.lines << QStringLiteral("\t<p class=\"z%1\">Zeile %1 <b>fett</b> &amp; <a href=\"#a%1\">Verweis</a></p>")
                         .arg(i);
    job.lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return job;
}

// Lets the preview paint what it shows.
void paintNow(TPrintPreview &preview)
{
    preview.repaint();
    QApplication::processEvents();
}

void BM_PreviewFirstPage(benchmark::State &state)
{
    TSynHTMLSyn html;
    const TPrintJob job = largeJob(html);
    int pages = 0;
    double wall = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const double cpu = threadCpuSeconds();
        TPrintPreview preview(job);
        preview.show();
        paintNow(preview);
        state.SetIterationTime(threadCpuSeconds() - cpu);
        wall = std::max(wall, timer.nsecsElapsed() / 1e6);
        pages = preview.PageCount();
    }
    state.counters["pages_at_first_paint"] = pages;
    state.counters["slowest_wall_ms"] = wall;
}
BENCHMARK(BM_PreviewFirstPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PreviewNextPage(benchmark::State &state)
{
    TSynHTMLSyn html;
    TPrintPreview preview(largeJob(html));
    preview.show();
    paintNow(preview);
    // Navigation alone: the counting of the pages is done.
    preview.Pages()->Complete();
    double slowest = 0;
    for (auto _ : state) {
        const int next = preview.CurrentPage() < preview.PageCount() ? preview.CurrentPage() + 1 : 1;
        const double cpu = threadCpuSeconds();
        preview.GoToPage(next);
        paintNow(preview);
        const double seconds = threadCpuSeconds() - cpu;
        slowest = std::max(slowest, seconds * 1e3);
        state.SetIterationTime(seconds);
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["pages"] = preview.PageCount();
}
BENCHMARK(BM_PreviewNextPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
