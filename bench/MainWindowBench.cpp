// The studio window over the program's real core: opening the 20 MB and the
// 100 MB benchmark file through the document commands (time until the child
// window is painted, until the whole file is in, the longest pause of the event
// loop meanwhile, the peak memory), and typing in one document while 20 others
// are open, each key with the window update it causes.
#include "support/LargePhpFile.h"
#include "support/LoadPauses.h"
#include "support/ProcessMemory.h"
#include "support/ThreadCpuTime.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TDocumentCommands.h"
#include "editor/TCodeEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "settings/TVYRASettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Counts the time the GUI thread spends handling events (the outermost
// dispatches only), so waiting for a timer is not counted as work.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth > 0)
            return QApplication::notify(receiver, event);
        ++m_depth;
        // MAIN_WINDOW_BENCH_SLOW=<ms> names every dispatch that took longer
        // (taken before: the receiver may be gone afterwards).
        static const int slowMs = qEnvironmentVariableIntValue("MAIN_WINDOW_BENCH_SLOW");
        const QByteArray name = slowMs > 0 ? QByteArray(receiver->metaObject()->className()) + " \""
                + receiver->objectName().toUtf8() + "\" in "
                + (receiver->parent() ? receiver->parent()->metaObject()->className() : "-") + " event "
                + QByteArray::number(int(event->type()))
                                           : QByteArray();
        QElapsedTimer clock;
        clock.start();
        const bool result = QApplication::notify(receiver, event);
        const double ms = clock.nsecsElapsed() / 1e6;
        m_busyMs += ms;
        m_longestMs = std::max(m_longestMs, ms);
        --m_depth;
        if (slowMs > 0 && ms > slowMs)
            qWarning("%.1f ms: %s", ms, name.constData());
        return result;
    }

    double busyMs() const { return m_busyMs; }
    double longestDispatchMs() const { return m_longestMs; }
    void resetLongest() { m_longestMs = 0; }

    static TimedApplication &instance() { return *static_cast<TimedApplication *>(QCoreApplication::instance()); }

private:
    int m_depth = 0;
    double m_busyMs = 0;
    double m_longestMs = 0;
};

QString buildDir()
{
    const QString build = qEnvironmentVariable("TALVEX_BUILD_DIR");
    return build.isEmpty() ? QStringLiteral(TALVEX_SOURCE_DIR "/build") : build;
}

// Lets the event loop run for ms without counting the waiting as work.
void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Marks the first paint of a code editor (or a widget inside one) since it was made.
class EditorPaintWatch : public QObject
{
public:
    EditorPaintWatch() { qApp->installEventFilter(this); }
    ~EditorPaintWatch() override { qApp->removeEventFilter(this); }

    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            for (QObject *object = watched; object && !painted; object = object->parent())
                painted = qobject_cast<TCodeEditor *>(object) != nullptr;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The program's core over the shipped data, with the user data in a
// temporary folder, and the studio window on it as the program builds it.
class StudioWindow
{
public:
    StudioWindow()
    {
        const QString shipped = QStringLiteral(TALVEX_SOURCE_DIR "/data/shipped");
        QDirIterator it(shipped, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = m_home.filePath(QStringLiteral("common/")) + QDir(shipped).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        TDataFolders folders;
        folders.programBase = buildDir() + QLatin1Char('/');
        folders.commonData = m_home.filePath(QStringLiteral("common/"));
        folders.userData = m_home.filePath(QStringLiteral("user/"));
        folders.projects = m_home.filePath(QStringLiteral("Projekte/"));
        core = m_programCore.Create(folders);
        // PHP is written in the source editor.
        core->Settings()->DefaultEditor()->EditorMode = true;
        const TVYRACore *settingsOwner = core.get();
        window = std::make_unique<TMainForm>(
            *core, TEditorCompletion{m_programCore.CompletionService(),
                                     [settingsOwner] { return TProgramCore::CompletionEnabled(*settingsOwner); }});
        features = std::make_unique<TStudioFeatures>(*core, *window);
        window->resize(1200, 800);
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowExposed(window.get());
        idle(100);
    }
    ~StudioWindow()
    {
        features->Documents().CloseAllWithoutAsking();
        features.reset();
        window.reset();
        core.reset();
    }

    TVYRADocumentContainer &container() const { return *core->Container(); }
    int prompts() const { return int(m_prompter.prompts().size()); }

    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TStudioFeatures> features;

private:
    QTemporaryDir m_home;
    TScriptedPrompter m_prompter;
    TPrompterScope m_scope{m_prompter};
    TProgramCore m_programCore{[](const QString &) {}};
};

QTemporaryDir &fileDir()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_MainWindowOpenLargeFile(benchmark::State &state)
{
    const qint64 megabytes = state.range(0);
    const QString path = LargePhpFile::make(fileDir(), megabytes);
    if (path.isEmpty()) {
        state.SkipWithError("the benchmark file could not be written");
        return;
    }
    double firstScreen = 0, loaded = 0, longestPause = 0, longestPauseCpu = 0, settlePause = 0;
    int prompts = 0;
    for (auto _ : state) {
        StudioWindow studio;
        EditorPaintWatch watch;
        QElapsedTimer clock;
        clock.start();
        studio.features->Documents().OpenFiles({path});
        while (!watch.painted && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents);
        firstScreen = clock.nsecsElapsed() / 1e6;
        TCodeEditor *code = studio.container().GetSynEdit(0);
        if (!code || !watch.painted) {
            state.SkipWithError("the file did not open in a painted editor");
            break;
        }
        const LoadPauses pauses = LoadPauses::RunWhile([code] { return code->isLoading(); });
        longestPause = pauses.longestMs;
        longestPauseCpu = pauses.longestCpuMs;
        loaded = clock.nsecsElapsed() / 1e6;
        // What the window does once the file is in: lists, the coalesced
        // update, the check of the activated document.
        TimedApplication::instance().resetLongest();
        idle(300);
        settlePause = TimedApplication::instance().longestDispatchMs();
        if (code->textLength() < megabytes * 1000 * 1000)
            state.SkipWithError("the file was not read completely");
        prompts = studio.prompts();
    }
    state.counters["first_screen_ms"] = firstScreen;
    state.counters["loaded_ms"] = loaded;
    state.counters["longest_pause_ms"] = longestPause;
    state.counters["longest_pause_cpu_ms"] = longestPauseCpu;
    state.counters["after_load_longest_pause_ms"] = settlePause;
    state.counters["peak_rss_mb"] = ProcessMemory::peakMb();
    state.counters["prompts"] = prompts;
}
BENCHMARK(BM_MainWindowOpenLargeFile)->Arg(20)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

// Typing in the last of 21 open documents: each key is sent to the focused
// editor and the event loop runs until the window's coalesced update has
// fired; the time is what the GUI thread spent on that (wall clock of the
// event handling, and its CPU time).
void BM_MainWindowTypingWith20Others(benchmark::State &state)
{
    QStringList files;
    for (int i = 0; i < 21; ++i)
        files << LargePhpFile::makeSized(fileDir(), QStringLiteral("page%1.php").arg(i), 64 * 1024);
    std::vector<double> busy, cpu;
    int prompts = 0;
    for (auto _ : state) {
        StudioWindow studio;
        studio.features->Documents().OpenFiles(files);
        idle(300);
        TCodeEditor *code = studio.container().GetSynEdit(studio.container().GetDocumentCount() - 1);
        auto *editor = code ? code->findChild<QsciScintilla *>() : nullptr;
        if (studio.container().GetDocumentCount() != 21 || !editor
            || studio.window->ActiveDocument() != studio.container().GetDocument(20)) {
            state.SkipWithError("the 21 documents did not open");
            break;
        }
        // Inside the PHP block of the third line.
        editor->setCursorPosition(2, 10);
        editor->setFocus();
        idle(100);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : editor;
        const QString typed = QStringLiteral("$name = strlen($a) ");
        const int lengthBefore = code->textLength();
        for (int i = 0; i < 200; ++i) {
            const QChar c = typed.at(i % typed.size());
            const double busyBefore = TimedApplication::instance().busyMs();
            const double cpuBefore = threadCpuMs();
            QTest::keyClick(target, c.toLatin1());
            idle(TMainForm::UpdateDelayMilliseconds + 20);
            busy.push_back(TimedApplication::instance().busyMs() - busyBefore);
            cpu.push_back(threadCpuMs() - cpuBefore);
        }
        if (code->textLength() < lengthBefore + 200)
            state.SkipWithError("the keys did not reach the editor");
        prompts = studio.prompts();
    }
    if (busy.empty())
        return;
    auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    state.counters["key_median_ms"] = median(busy);
    state.counters["key_max_ms"] = *std::max_element(busy.begin(), busy.end());
    state.counters["key_cpu_median_ms"] = median(cpu);
    state.counters["key_cpu_max_ms"] = *std::max_element(cpu.begin(), cpu.end());
    state.counters["peak_rss_mb"] = ProcessMemory::peakMb();
    state.counters["prompts"] = prompts;
}
BENCHMARK(BM_MainWindowTypingWith20Others)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
