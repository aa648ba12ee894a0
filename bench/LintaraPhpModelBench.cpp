// PHP model speed and accuracy over Debian's PHP code bases (wordpress,
// mediawiki, phpmyadmin under /usr/share), beside universal-ctags.

#include "../lintara/tests/PhpReferenceComparison.h"
#include "php/TPHPSource.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

const QStringList CodeBases = {QStringLiteral("/usr/share/wordpress"), QStringLiteral("/usr/share/mediawiki"),
                               QStringLiteral("/usr/share/phpmyadmin")};

struct TCorpus
{
    QStringList Files;
    QStringList Texts;
    qint64 Bytes = 0;
};

const TCorpus &corpus()
{
    static const TCorpus c = [] {
        TCorpus result;
        for (const QString &root : CodeBases)
            result.Files += PhpReference::PhpFilesUnder(root);
        for (const QString &file : result.Files) {
            TPHPSource loader;
            loader.LoadFromFile(file);
            result.Texts << loader.SourceText;
            result.Bytes += QFileInfo(file).size();
        }
        return result;
    }();
    return c;
}

void BM_AnalyseCodeBases(benchmark::State &state)
{
    const TCorpus &c = corpus();
    if (c.Files.isEmpty()) {
        state.SkipWithError("no PHP code base installed");
        return;
    }
    int64_t entities = 0;
    for (auto _ : state) {
        for (const QString &text : c.Texts) {
            TPHPSource source(text);
            entities += source.GetClassCount() + source.GetMethodCount();
        }
    }
    benchmark::DoNotOptimize(entities);
    state.SetBytesProcessed(state.iterations() * c.Bytes);
    state.counters["files"] = double(c.Files.size());
    state.counters["MB"] = double(c.Bytes) / 1e6;
}
BENCHMARK(BM_AnalyseCodeBases)->Unit(benchmark::kMillisecond)->MinTime(3);

// A file of about 400 KB: the largest PHP file below that size, its code
// repeated until the size is reached.
QString bigText()
{
    static QString text;
    if (!text.isNull())
        return text;
    constexpr qsizetype Size = 400 * 1000;
    const TCorpus &c = corpus();
    qsizetype largest = -1;
    for (qsizetype i = 0; i < c.Texts.size(); ++i)
        if (c.Texts[i].size() <= Size && (largest < 0 || c.Texts[i].size() > c.Texts[largest].size()))
            largest = i;
    if (largest < 0)
        return QString();
    text = c.Texts[largest];
    const QString body = QString(text).remove(QLatin1String("<?php"));
    while (text.size() < Size)
        text += body.left(Size - text.size());
    return text;
}

void BM_ReanalyseAfterOneCharacterEdit(benchmark::State &state)
{
    QString text = bigText();
    if (text.isEmpty()) {
        state.SkipWithError("no PHP code base installed");
        return;
    }
    TPHPSource source(text);
    const qsizetype at = text.size() / 2;
    bool inserted = false;
    for (auto _ : state) {
        // One character typed or deleted; the editor hands over the whole text.
        if (inserted)
            text.remove(at, 1);
        else
            text.insert(at, u' ');
        inserted = !inserted;
        source.SetSourceText(text);
        benchmark::DoNotOptimize(source.GetClassCount());
    }
    state.counters["KB"] = double(text.size()) / 1000;
}
BENCHMARK(BM_ReanalyseAfterOneCharacterEdit)->Unit(benchmark::kMillisecond);

void BM_UniversalCtags(benchmark::State &state)
{
    if (!QFileInfo(QStringLiteral("/usr/bin/ctags")).isExecutable()) {
        state.SkipWithError("universal-ctags is not installed");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QProcess ctags;
        ctags.start(QStringLiteral("/usr/bin/ctags"),
                    QStringList{QStringLiteral("-R"), QStringLiteral("--languages=PHP"), QStringLiteral("-f"),
                                QStringLiteral("/dev/null")}
                        + CodeBases);
        ctags.waitForFinished(-1);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    state.SetBytesProcessed(state.iterations() * corpus().Bytes);
}
BENCHMARK(BM_UniversalCtags)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// Accuracy over every file against PHP's tokenizer; figures as counters.
void BM_AccuracyAgainstTokenizer(benchmark::State &state)
{
    const TCorpus &c = corpus();
    const QString script = QStringLiteral(TALVEX_SOURCE_DIR "/lintara/tests/data/reference_outline.php");
    if (c.Files.isEmpty() || !QFileInfo(QStringLiteral("/usr/bin/php")).isExecutable()) {
        state.SkipWithError("php-cli or the code bases are not installed");
        return;
    }
    QMap<QString, PhpReference::TKindFigures> figures;
    for (auto _ : state)
        figures = PhpReference::Compare(c.Files, script, nullptr);
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        const std::string kind = it.key().toStdString();
        state.counters[kind + "_ref"] = it.value().Reference;
        state.counters[kind + "_recall%"] = it.value().Recall();
        state.counters[kind + "_precision%"] = it.value().Precision();
        std::printf("%-10s reference=%d ours=%d recall=%.3f%% precision=%.3f%%\n", kind.c_str(),
                    it.value().Reference, it.value().Ours, it.value().Recall(), it.value().Precision());
    }
}
BENCHMARK(BM_AccuracyAgainstTokenizer)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
