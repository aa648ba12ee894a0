// Opening files with very long lines (minified JavaScript, a long string) in
// the code editor with the JavaScript highlighter, the way the program does:
// the time until the file is loaded, painted and editable, the longest pause
// of the event loop from the open call until the editor is idle, and the time
// of one key typed at the end of the long line, painting included.
#include "support/ProcessMemory.h"
#include "editor/TCodeEditor.h"
#include "editor/TSynLexerBridge.h"
#include "ProgramHighlighters.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

// CPU time of this thread: the machine may be shared, and the wall clock
// also counts the time other processes had the core.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

const QString WordPressDist = QStringLiteral("/usr/share/wordpress/wp-includes/js/dist/");
const QString WordPressDate = WordPressDist + QStringLiteral("date.min.js");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray wordPressDate()
{
    return readAll(WordPressDate);
}

// The longest line of a WordPress script (date.min.js: mostly time-zone
// data in strings; block-editor.min.js: dense code), repeated to size on one
// line.
QByteArray minifiedLine(qint64 size, const QString &script = QStringLiteral("date.min.js"))
{
    const QList<QByteArray> lines = readAll(WordPressDist + script).split('\n');
    const QByteArray longest = *std::max_element(lines.cbegin(), lines.cend(),
                                                 [](const QByteArray &a, const QByteArray &b) { return a.size() < b.size(); });
    QByteArray result;
    result.reserve(size);
    while (result.size() < size)
        result += longest;
    result.truncate(size);
    return result;
}

// let s = "...": one string literal of words, digits and escapes.
QByteArray stringLine(qint64 size)
{
    const QByteArray piece = "Lorem ipsum 12345 dolor \\\"sit\\\" amet, consectetur \\u00e4 adipiscing elit; ";
    QByteArray result = "let s = \"";
    result.reserve(size + piece.size());
    while (result.size() < size - 2)
        result += piece;
    result.truncate(size - 2);
    if (result.endsWith('\\'))
        result.back() = ' ';
    return result + "\";";
}

QString writeFile(const QString &name, const QByteArray &data)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly))
        file.write(data);
    return path;
}

QString sample(int which)
{
    switch (which) {
    case 0: return WordPressDate;
    case 1: return writeFile(QStringLiteral("date10.min.js"), wordPressDate().repeated(10));
    case 2: return writeFile(QStringLiteral("line1mb.js"), minifiedLine(1 << 20));
    case 3: return writeFile(QStringLiteral("line10mb.js"), minifiedLine(10 << 20));
    default: return writeFile(QStringLiteral("string10mb.js"), stringLine(10 << 20));
    }
}

// The largest gap between the ticks of a 5 ms timer: the longest time the
// event loop could not run.
class PauseMeter
{
public:
    PauseMeter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_longest = 0;
        m_lastCpu = threadCpuMs();
        m_longestCpu = 0;
        m_timer.start();
    }
    void tick()
    {
        const double now = m_clock.nsecsElapsed() / 1e6;
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
        const double cpu = threadCpuMs();
        m_longestCpu = std::max(m_longestCpu, cpu - m_lastCpu);
        m_lastCpu = cpu;
    }
    double longest() const { return m_longest; }
    double longestCpu() const { return m_longestCpu; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    double m_longest = 0;
    double m_lastCpu = 0;
    double m_longestCpu = 0;
};

void runEventLoopFor(double ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.nsecsElapsed() / 1e6 < ms)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
}

struct KeyTime
{
    double wallMs = 0;
    double cpuMs = 0;
};

// Median time of one key typed at the end of the text, painted.
KeyTime typingMs(TCodeEditor &editor)
{
    QWidget *sci = editor.findChild<QsciScintilla *>();
    editor.setCaretOffset(editor.textLength());
    editor.grab();
    std::vector<double> times, cpuTimes;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer clock;
        clock.start();
        const double cpu = threadCpuMs();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(sci, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(sci, &release);
        editor.grab();
        times.push_back(clock.nsecsElapsed() / 1e6);
        cpuTimes.push_back(threadCpuMs() - cpu);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    return {times[times.size() / 2], cpuTimes[cpuTimes.size() / 2]};
}

void BM_OpenLongLine(benchmark::State &state)
{
    const QString path = sample(int(state.range(0)));
    if (!QFile::exists(path)) {
        state.SkipWithError("WordPress is not installed (package wordpress)");
        return;
    }
    ProgramHighlighters set;
    double shownMs = 0, shownCpuMs = 0, idleMs = 0, pauseMs = 0, pauseCpuMs = 0;
    KeyTime key;
    for (auto _ : state) {
        TCodeEditor editor;
        editor.resize(1000, 700);
        editor.setHighlighter(&set.byName(QStringLiteral("javascript")));
        editor.setWordWrap(state.range(1) != 0);
        editor.show();
        runEventLoopFor(50);
        bool loaded = false;
        QObject::connect(&editor, &TCodeEditor::loadFinished, [&](bool, const QString &) { loaded = true; });
        PauseMeter meter;
        QElapsedTimer clock;
        clock.start();
        const double cpu = threadCpuMs();
        meter.start();
        editor.openFile(path);
        loaded = loaded || !editor.isLoading();
        while (!loaded)
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        editor.grab();
        shownMs = clock.nsecsElapsed() / 1e6;
        shownCpuMs = threadCpuMs() - cpu;
        // Until the styling of what was skipped is done and the window idles.
        const TSynLexerBridge *bridge = editor.findChild<TSynLexerBridge *>();
        while (bridge && !bridge->gaps().isEmpty())
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        idleMs = clock.nsecsElapsed() / 1e6;
        runEventLoopFor(100);
        pauseMs = meter.longest();
        pauseCpuMs = meter.longestCpu();
        key = typingMs(editor);
    }
    QFile file(path);
    state.counters["file_mb"] = double(file.size()) / (1 << 20);
    state.counters["shown_ms"] = shownMs;
    state.counters["shown_cpu_ms"] = shownCpuMs;
    state.counters["idle_ms"] = idleMs;
    state.counters["longest_pause_ms"] = pauseMs;
    state.counters["longest_pause_cpu_ms"] = pauseCpuMs;
    state.counters["type_at_end_ms"] = key.wallMs;
    state.counters["type_at_end_cpu_ms"] = key.cpuMs;
    state.counters["peak_rss_mb"] = ProcessMemory::peakMb();
}
// File: 0: date.min.js, 1: ten copies of it, 2: 1 MB minified line, 3: 10 MB
// minified line, 4: 10 MB string literal. Word wrap off, on (the program's
// default).
BENCHMARK(BM_OpenLongLine)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Iterations(1)->Unit(benchmark::kMillisecond);

// A minified line of the given length, highlighted: the time of one key
// typed at its end (restyling, layout and paint) and of highlighting it once.
void BM_TypeAtEndOfHighlightedLine(benchmark::State &state)
{
    ProgramHighlighters set;
    const TSynCustomHighlighter &javascript = set.byName(QStringLiteral("javascript"));
    const QString line = QString::fromUtf8(minifiedLine(state.range(0), QStringLiteral("block-editor.min.js")));
    double highlightMs = 0;
    KeyTime key;
    for (auto _ : state) {
        TCodeEditor editor;
        editor.resize(1000, 700);
        editor.setText(line);
        editor.setHighlighter(&javascript);
        editor.show();
        runEventLoopFor(20);
        key = typingMs(editor);
        QElapsedTimer clock;
        clock.start();
        TLineState lineState;
        TSynLineOutput out;
        javascript.highlightLine(line, lineState, out);
        highlightMs = clock.nsecsElapsed() / 1e6;
    }
    state.counters["line_kb"] = double(state.range(0)) / 1024;
    state.counters["type_at_end_ms"] = key.wallMs;
    state.counters["type_at_end_cpu_ms"] = key.cpuMs;
    state.counters["highlight_line_ms"] = highlightMs;
}
BENCHMARK(BM_TypeAtEndOfHighlightedLine)->Arg(10000)->Arg(20000)->Arg(50000)->Arg(100000)->Arg(200000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
