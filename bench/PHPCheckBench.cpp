// The syntax check of a 400 KB PHP file through the check runner and its
// message parser, against php -l started directly on the same file.
#include "phpcheck/TPHPCheckRunner.h"
#include "phpcheck/TPHPMessageParser.h"
#include "phpcheck/TPrivateFolder.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kPhp = QStringLiteral("/usr/bin/php");

// About 400 KB of functions; with error, a parse error near the end.
QString makeFile(const QTemporaryDir &dir, bool withError)
{
    const QString path = dir.filePath(withError ? "bad400.php" : "good400.php");
    QByteArray text = "<?php\n";
    for (int i = 0; text.size() < 400 * 1024; ++i)
        text += "function f" + QByteArray::number(i) + "($a, $b = 2) {\n    $s = \"Wert $a\";\n"
                "    return strlen($s) * $b; // Kommentar\n}\n<?php echo '<p>' . f" + QByteArray::number(i)
                + "('x') . '</p>'; ?>\n";
    text.replace("<?php echo", "?><?php echo");
    if (withError)
        text += "<?php\n$x = (1;\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return path;
}

void BM_PhpLintItself(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = makeFile(dir, state.range(0) != 0);
    for (auto _ : state) {
        QProcess process;
        process.start(kPhp, {QStringLiteral("-l"), file});
        process.waitForFinished();
        benchmark::DoNotOptimize(process.readAll());
    }
}

void BM_CheckRunnerOnFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = makeFile(dir, state.range(0) != 0);
    for (auto _ : state) {
        const TPHPCheckResult result = TPHPCheckRunner(kPhp, 20000).CheckFile(file, false);
        const auto rows = TPHPMessageParser(result.CheckedFile, file).Report(result);
        if (rows.isEmpty() || rows.first().IsError != (state.range(0) != 0))
            state.SkipWithError("wrong check result");
    }
}

void BM_CheckRunnerOnEditorText(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = makeFile(dir, state.range(0) != 0);
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(in.readAll());
    TPrivateFolder folder;
    for (auto _ : state) {
        const TPHPCheckResult result = TPHPCheckRunner(kPhp, 20000).CheckText(text, dir.path(), false, folder);
        const auto rows = TPHPMessageParser(result.CheckedFile, file).Report(result);
        if (rows.isEmpty() || rows.first().IsError != (state.range(0) != 0))
            state.SkipWithError("wrong check result");
    }
}

} // namespace

BENCHMARK(BM_PhpLintItself)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_CheckRunnerOnFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_CheckRunnerOnEditorText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
