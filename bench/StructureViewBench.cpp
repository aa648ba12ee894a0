// The structure views in the studio window over the program's real core:
// how soon the code browser shows a function typed into a 400 KB PHP file
// after the last key, how long each key takes meanwhile (the parse runs in
// the background), and how soon the tag inspector shows the tag at a new
// caret position in a 1 MB HTML file.
#include "documents/TDocumentCommands.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "container/TVYRADocumentContainer.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "settings/TVYRASettings.h"
#include "startup/TProgramCore.h"
#include "structure/TCodeBrowserPanel.h"
#include "structure/TTagInspectorPanel.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

// The window with the shipped data read in place (nothing is written there)
// and the user data in a temporary folder.
struct StructureWindow
{
    StructureWindow()
    {
        TDataFolders folders;
        folders.programBase = QStringLiteral(TALVEX_SOURCE_DIR "/build/");
        folders.commonData = QStringLiteral(TALVEX_SOURCE_DIR "/data/shipped/");
        folders.userData = home.filePath(QStringLiteral("user/"));
        folders.projects = home.filePath(QStringLiteral("Projekte/"));
        core = programCore.Create(folders);
        core->Settings()->DefaultEditor()->EditorMode = true;
        window = std::make_unique<TMainForm>(*core);
        features = std::make_unique<TStudioFeatures>(*core, *window);
        window->resize(1200, 800);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }
    ~StructureWindow()
    {
        features->Documents().CloseAllWithoutAsking();
        features.reset();
        window.reset();
        core.reset();
    }
    TCodeEditor *open(const QString &name, const QByteArray &content)
    {
        const QString file = home.filePath(name);
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
            return nullptr;
        out.close();
        // The question whether a file of a type without registration should open anyway.
        prompter.answerButton(TPromptButton::Yes);
        window->OpenFiles({file});
        TCodeEditor *editor = nullptr;
        (void)QTest::qWaitFor([&] {
            TVYRADocumentContainer &container = *core->Container();
            editor = nullptr;
            for (int i = 0; i < container.GetDocumentCount(); ++i)
                if (QFileInfo(container.GetDocument(i)->GetFileName()) == QFileInfo(file))
                    editor = container.GetSynEdit(i);
            return editor && !editor->isLoading() && editor->textLength() > 0;
        }, 20000);
        return editor;
    }

    QTemporaryDir home;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TStudioFeatures> features;
};

QByteArray phpOf400Kb()
{
    QFile wordpress(QStringLiteral("/usr/share/wordpress/wp-includes/formatting.php"));
    QByteArray text = wordpress.open(QIODevice::ReadOnly) ? wordpress.readAll() : QByteArray("<?php\n");
    for (int i = 0; text.size() < 400 * 1024; ++i)
        text += "\nfunction filler_" + QByteArray::number(i) + "( $value ) {\n\treturn $value + " + QByteArray::number(i)
            + ";\n}\n";
    return text;
}

QByteArray htmlOf1Mb()
{
    QByteArray text = "<html><body>\n";
    for (int i = 0; text.size() < 1024 * 1024; ++i)
        text += "<p class=\"c" + QByteArray::number(i) + "\">Absatz <a href=\"seite" + QByteArray::number(i)
            + ".html\" target=_blank>Verweis</a> Text</p>\n";
    return text + "</body></html>\n";
}

void BM_CodeBrowserCurrentAfterTyping(benchmark::State &state)
{
    StructureWindow studio;
    TCodeEditor *editor = studio.open(QStringLiteral("gross.php"), phpOf400Kb());
    auto *browser = studio.window->findChild<TCodeBrowserPanel *>();
    auto *scintilla = editor ? editor->findChild<QsciScintilla *>() : nullptr;
    if (!scintilla || !browser) {
        state.SkipWithError("the window did not open the file");
        return;
    }
    (void)QTest::qWaitFor([&] { return browser->Tree()->topLevelItemCount() > 1; }, 20000);
    double longestKey = 0, keySum = 0, treeMax = 0, treeSum = 0;
    int keys = 0, round = 0;
    for (auto _ : state) {
        const QString name = QStringLiteral("bench_added_%1").arg(++round);
        editor->setCaretOffset(editor->textLength());
        for (const QChar c : QStringLiteral("\nfunction ") + name + QStringLiteral("() {}\n")) {
            QElapsedTimer key;
            key.start();
            if (c == u'\n')
                QTest::keyClick(scintilla, Qt::Key_Return);
            else
                QTest::keyClicks(scintilla, QString(c));
            const double ms = key.nsecsElapsed() / 1e6;
            longestKey = std::max(longestKey, ms);
            keySum += ms;
            ++keys;
            // A quick typist: the pause between keys lets analyses start and finish meanwhile.
            QTest::qWait(state.range(0));
        }
        QElapsedTimer current;
        current.start();
        const bool shown = QTest::qWaitFor(
            [&] { return !browser->Tree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).isEmpty(); }, 5000);
        const double ms = current.nsecsElapsed() / 1e6;
        if (!shown)
            state.SkipWithError("the typed function never appeared");
        // The pause between keys counts: the user stopped typing at the last key.
        const double afterStop = ms + state.range(0);
        treeMax = std::max(treeMax, afterStop);
        treeSum += afterStop;
    }
    state.counters["key_ms_max"] = longestKey;
    state.counters["key_ms_mean"] = keys ? keySum / keys : 0;
    state.counters["tree_ms_max"] = treeMax;
    state.counters["tree_ms_mean"] = round ? treeSum / round : 0;
}
BENCHMARK(BM_CodeBrowserCurrentAfterTyping)->Arg(20)->Arg(60)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_TagInspectorFollowsCaret(benchmark::State &state)
{
    StructureWindow studio;
    const QByteArray html = htmlOf1Mb();
    TCodeEditor *editor = studio.open(QStringLiteral("gross.html"), html);
    auto *inspector = studio.window->findChild<TTagInspectorPanel *>();
    if (!editor || !inspector) {
        state.SkipWithError("the window did not open the file");
        return;
    }
    const QString text = editor->text();
    double longest = 0, sum = 0;
    int moves = 0;
    qsizetype at = 0;
    for (auto _ : state) {
        // Alternately into a <p> and an <a> tag further down the text.
        const bool anchor = moves % 2 == 0;
        at = text.indexOf(anchor ? QStringLiteral("<a href") : QStringLiteral("<p class"), at + 7919);
        if (at < 0)
            at = text.indexOf(QStringLiteral("<p class"));
        const QString expected = anchor ? QStringLiteral("Tag-Inspektor: <a> - Tag") : QStringLiteral("Tag-Inspektor: <p> - Tag");
        QElapsedTimer follow;
        follow.start();
        editor->setCaretOffset(int(at) + 3);
        const bool shown = QTest::qWaitFor([&] { return inspector->Header()->text() == expected; }, 2000);
        const double ms = follow.nsecsElapsed() / 1e6;
        if (!shown)
            state.SkipWithError("the inspector did not follow the caret");
        longest = std::max(longest, ms);
        sum += ms;
        ++moves;
    }
    state.counters["follow_ms_max"] = longest;
    state.counters["follow_ms_mean"] = moves ? sum / moves : 0;
}
BENCHMARK(BM_TagInspectorFollowsCaret)->Iterations(40)->Unit(benchmark::kMillisecond);

} // namespace
