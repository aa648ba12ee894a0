// Opening a 20 MB and a 100 MB mixed PHP file in the code editor: time to the
// first shown screen, time until the whole file is in, the longest pause of
// the event loop meanwhile, and the peak memory of the process.
#include "support/LargePhpFile.h"
#include "support/LoadPauses.h"
#include "support/ProcessMemory.h"
#include "support/ThreadCpuTime.h"
#include "editor/TCodeEditor.h"
#include "editor/TSynLexerBridge.h"
#include "ProgramHighlighters.h"

#include <QApplication>
#include <algorithm>
#include <vector>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

// Median time of typing one character at offset and painting, as a user
// typing there would wait for it.
double typingMs(TCodeEditor &editor, int offset)
{
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer clock;
        clock.start();
        editor.setCaretOffset(offset);
        editor.replaceSelection(QStringLiteral("x"));
        editor.grab();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// How long the lines skipped by the jump take to be styled in idle time,
// and the longest the event loop waits for one turn of it.
void idleStyling(TCodeEditor &editor, double &totalMs, double &longestPauseMs)
{
    const TSynLexerBridge *bridge = editor.findChild<TSynLexerBridge *>();
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer pause;
    pause.start();
    longestPauseMs = 0;
    while (bridge && !bridge->gaps().isEmpty()) {
        QApplication::processEvents(QEventLoop::AllEvents);
        longestPauseMs = std::max(longestPauseMs, pause.nsecsElapsed() / 1e6);
        pause.restart();
    }
    totalMs = clock.nsecsElapsed() / 1e6;
}

void BM_OpenLargeFile(benchmark::State &state)
{
    static QTemporaryDir dir;
    const qint64 megabytes = state.range(0);
    const QString path = LargePhpFile::make(dir, megabytes);
    if (path.isEmpty()) {
        state.SkipWithError("the benchmark file could not be written");
        return;
    }
    ProgramHighlighters set;
    double firstScreen = 0, total = 0, longestPause = 0, longestPauseCpu = 0, jumpMs = 0, typeAtEndMs = 0;
    double idleStylingMs = 0, idlePauseMs = 0;
    for (auto _ : state) {
        TCodeEditor editor;
        editor.resize(1000, 700);
        editor.setHighlighter(&set.phpHtml());
        editor.show();
        QElapsedTimer clock;
        clock.start();
        editor.openFile(path);
        editor.grab(); // paints (and styles) the first screen
        firstScreen = clock.nsecsElapsed() / 1e6;
        bool done = false;
        QObject::connect(&editor, &TCodeEditor::loadFinished, [&](bool, const QString &) { done = true; });
        const LoadPauses pauses = LoadPauses::RunWhile([&] { return !done && editor.isLoading(); });
        longestPause = pauses.longestMs;
        longestPauseCpu = pauses.longestCpuMs;
        total = clock.nsecsElapsed() / 1e6;
        QElapsedTimer jump;
        jump.start();
        editor.gotoLine(editor.lineCount() / 2);
        editor.grab();
        jumpMs = jump.nsecsElapsed() / 1e6;
        typeAtEndMs = typingMs(editor, editor.textLength());
        idleStyling(editor, idleStylingMs, idlePauseMs);
    }
    state.counters["first_screen_ms"] = firstScreen;
    state.counters["loaded_ms"] = total;
    state.counters["longest_pause_ms"] = longestPause;
    state.counters["longest_pause_cpu_ms"] = longestPauseCpu;
    state.counters["jump_to_middle_ms"] = jumpMs;
    state.counters["type_at_end_ms"] = typeAtEndMs;
    state.counters["idle_styling_ms"] = idleStylingMs;
    state.counters["idle_longest_pause_ms"] = idlePauseMs;
    state.counters["peak_rss_mb"] = ProcessMemory::peakMb();
    state.counters["file_mb"] = double(megabytes);
}
BENCHMARK(BM_OpenLargeFile)->Arg(20)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
