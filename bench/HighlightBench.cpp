// Highlighting a 100,000-line mixed PHP/HTML/CSS/JavaScript file from scratch
// (lines per second), and restyling after a one-character edit in its middle.
#include "editor/TCodeEditor.h"
#include "editor/TSynLexerBridge.h"
#include "editor/TSynMultiSyn.h"
#include "ProgramHighlighters.h"
#include "highlighter/TSynMultiSynPCRE.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

QStringList mixedLines(int count)
{
    const QStringList block = {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html><head><title>Seite über €</title>"),
        QStringLiteral("<style>"),
        QStringLiteral("body { color: #333; margin: 0 auto; } /* Kommentar */"),
        QStringLiteral("</style>"),
        QStringLiteral("<script type=\"text/javascript\">"),
        QStringLiteral("const t = `Wert ${a + b}`; if (x < 10) { y = \"</p>\"; }"),
        QStringLiteral("</script></head>"),
        QStringLiteral("<body class=\"main\"><p>it's <?php echo 'x'; ?> ok</p>"),
        QStringLiteral("<?php"),
        QStringLiteral("  $name = \"Hallo $user ?> 😀\"; // Kommentar ?> hier"),
        QStringLiteral("  function f($a) { return strlen($a) * 2; } /* block"),
        QStringLiteral("     comment */ echo <<<EOT"),
        QStringLiteral("Text $name"),
        QStringLiteral("EOT;"),
        QStringLiteral("?>"),
        QStringLiteral("<div id=\"x\"><a href=\"<?= $url ?>\">Link</a></div>"),
        QStringLiteral("</body></html>"),
    };
    QStringList lines;
    lines.reserve(count);
    while (lines.size() < count)
        lines.append(block.at(lines.size() % block.size()));
    return lines;
}

void BM_HighlightMixedFromScratch(benchmark::State &state)
{
    ProgramHighlighters set;
    const QStringList lines = mixedLines(100000);
    TSynLineOutput out;
    for (auto _ : state) {
        TLineState lineState;
        for (const QString &line : lines) {
            out.clear();
            set.phpHtml().highlightLine(line, lineState, out);
        }
        benchmark::DoNotOptimize(lineState);
    }
    state.SetItemsProcessed(state.iterations() * lines.size());
    state.counters["lines/s"] = benchmark::Counter(double(state.iterations() * lines.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HighlightMixedFromScratch)->Unit(benchmark::kMillisecond);

void BM_EditorStylesMixedFileFromScratch(benchmark::State &state)
{
    ProgramHighlighters set;
    TCodeEditor editor;
    editor.setText(mixedLines(100000).join(u'\n'));
    for (auto _ : state) {
        editor.setHighlighter(&set.phpHtml());
        editor.styleAll();
    }
    state.counters["lines/s"] = benchmark::Counter(double(state.iterations() * 100000), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EditorStylesMixedFileFromScratch)->Unit(benchmark::kMillisecond);

void BM_RestyleAfterOneCharacterEdit(benchmark::State &state)
{
    ProgramHighlighters set;
    TCodeEditor editor;
    const QString text = mixedLines(100000).join(u'\n');
    editor.setText(text);
    if (state.range(0))
        editor.setHighlighter(&set.phpHtml());
    editor.styleAll();
    // Inside "$name" of a PHP line in the middle: the line state stays.
    const int at = int(text.indexOf(QStringLiteral("$name = "), text.size() / 2)) + 2;
    bool insert = true;
    auto *bridge = editor.findChild<TSynLexerBridge *>();
    const long long before = bridge ? bridge->linesStyled() : 0;
    for (auto _ : state) {
        // With the second argument set only the restyle is timed, without the edit.
        if (state.range(1))
            state.PauseTiming();
        if (insert) {
            editor.setCaretOffset(at);
            editor.replaceSelection(QStringLiteral("x"));
        } else {
            editor.setSelection(at, 1);
            editor.replaceSelection(QString());
        }
        insert = !insert;
        if (state.range(1))
            state.ResumeTiming();
        editor.styleAll();
    }
    if (bridge)
        state.counters["lines_restyled"] =
            benchmark::Counter(double(bridge->linesStyled() - before), benchmark::Counter::kAvgIterations);
}
// Args: highlighter on/off, time the restyle only / edit and restyle.
BENCHMARK(BM_RestyleAfterOneCharacterEdit)->Args({1, 1})->Args({1, 0})->Args({0, 0})->Iterations(200)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
