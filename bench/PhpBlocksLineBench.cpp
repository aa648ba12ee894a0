// One long line full of PHP blocks (a template squeezed onto one line):
// every block is searched for its close tag and checked against PHP strings
// and comments, in HTML attributes and inside a script block.
#include "ProgramHighlighters.h"

#include <benchmark/benchmark.h>

namespace {

QString lineOf(const QString &unit, int count, const QString &lead = {})
{
    QString line = lead;
    line.reserve(lead.size() + unit.size() * count);
    for (int i = 0; i < count; ++i)
        line += unit;
    return line;
}

void highlightOnce(benchmark::State &state, const QString &line)
{
    ProgramHighlighters set;
    TSynLineOutput out;
    for (auto _ : state) {
        TLineState lineState;
        out.clear();
        set.phpHtml().highlightLine(line, lineState, out);
        benchmark::DoNotOptimize(lineState);
    }
    state.counters["blocks"] = double(state.range(0));
    state.counters["chars/s"] =
        benchmark::Counter(double(state.iterations() * line.size()), benchmark::Counter::kIsRate);
}

void BM_PhpBlocksInAttributes(benchmark::State &state)
{
    highlightOnce(state, lineOf(QStringLiteral("<a href=\"<?= $url ?>\" title='<?php echo \"?>\" ?>'>x</a>"),
                                int(state.range(0))));
}
BENCHMARK(BM_PhpBlocksInAttributes)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_PhpBlocksInScript(benchmark::State &state)
{
    highlightOnce(state, lineOf(QStringLiteral("var a = '<?= $x ?>'; /* <?php echo '*/ ?>'; ?> */ "), int(state.range(0)),
                                QStringLiteral("<script>")));
}
BENCHMARK(BM_PhpBlocksInScript)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace
