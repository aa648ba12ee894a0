// Opening the completion list for a PHP prefix in a code editor whose
// catalogue holds 10,000 functions (target: under 10 ms), the first use of
// the catalogue, which reads the functions kept back at start-up, and
// updating the parameter hint.
#include "completion/TVYRACodeCompletionService.h"
#include "completion/TVYRAPHPCodeCompletion.h"
#include "editor/TCodeEditor.h"
#include "editor/TCompletionProposal.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"

#include <QApplication>
#include <QRandomGenerator>
#include <memory>
#include <benchmark/benchmark.h>

namespace {

constexpr int FunctionCount = 10000;

// A catalogue like PHP's: names under common prefixes, one to six parameters,
// the later ones often optional.
QByteArray makeCatalogue()
{
    static const char *const prefixes[] = {"str_", "array_", "mb_", "preg_", "date_", "file_", "stream_", "curl_",
                                           "intl_", "xml_", "json_", "hash_", "ctype_", "gz", "is_", "get_"};
    static const char *const types[] = {"string", "int", "array", "?string", "array|string", "mixed", "bool"};
    QRandomGenerator random(42);
    QByteArray xml = "<codecompletion phpversion=\"8.2.0\"><supportedhighlighter>php</supportedhighlighter>\n";
    for (int i = 0; i < FunctionCount; ++i) {
        xml += "<function name=\"" + QByteArray(prefixes[i % 16]) + "fn" + QByteArray::number(i) + "\">";
        const int params = 1 + int(random.bounded(6));
        for (int p = 0; p < params; ++p) {
            xml += "<param type=\"" + QByteArray(types[random.bounded(7)]) + "\" name=\"$p" + QByteArray::number(p)
                   + "\" optional=\"" + (p >= 2 ? "True" : "False") + "\"/>";
        }
        xml += "</function>\n";
    }
    return xml + "</codecompletion>";
}

struct Fixture {
    Fixture()
    {
        AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
        AddStandardHighlighters(highlighters);
        service.LoadCustomFromData(catalogue, TVYRACodeCompletionService::PHPClass());
        editor.resize(800, 600);
        editor.show();
        proposal = new TCompletionProposal(&editor);
        const TIHighlighter *php = highlighters.FindHighlighter(QStringLiteral("php"));
        service.SetUpCompleter(php, &proposal->Completer());
        service.SetUpParamCompletion(php, &proposal->Params());
        QApplication::processEvents();
    }
    QByteArray catalogue = makeCatalogue();
    TIHighlighters highlighters;
    TVYRACodeCompletionService service;
    TCodeEditor editor;
    TCompletionProposal *proposal = nullptr;
};

// Made on first use, freed in main while the application object still exists.
std::unique_ptr<Fixture> sharedFixture;

Fixture &fixture()
{
    if (!sharedFixture)
        sharedFixture = std::make_unique<Fixture>();
    return *sharedFixture;
}

void BM_OpenCompletionForPrefix(benchmark::State &state, const char *prefix)
{
    Fixture &f = fixture();
    f.editor.setText(QStringLiteral("<?php\n$x = ") + QString::fromLatin1(prefix));
    f.editor.setCaret(2, 1000);
    qsizetype shown = 0;
    for (auto _ : state) {
        const bool open = f.proposal->ShowCompletion();
        benchmark::DoNotOptimize(open);
        shown = f.proposal->ShownItems().size();
        state.PauseTiming();
        f.proposal->CancelAll();
        // What the closed list leaves to the event loop (its window, timers)
        // is done there, as between two real openings.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["items_shown"] = double(shown);
    state.counters["catalogue_functions"] = FunctionCount;
}
BENCHMARK_CAPTURE(BM_OpenCompletionForPrefix, str_, "str_")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenCompletionForPrefix, s, "s")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenCompletionForPrefix, str_fn9, "str_fn9")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenCompletionForPrefix, all, "")->Unit(benchmark::kMillisecond);

// The first use after start-up: reading 10,000 kept-back functions and
// setting an editor up from them.
void BM_FirstUseOfTheCatalogue(benchmark::State &state)
{
    const QByteArray catalogue = makeCatalogue();
    for (auto _ : state) {
        state.PauseTiming();
        TVYRACodeCompletionService service;
        service.LoadCustomFromData(catalogue, TVYRACodeCompletionService::PHPClass());
        TCompletionComponent component;
        state.ResumeTiming();
        service.GetItem(0)->GetCompleter();
        component.AssignSettings(*service.GetItem(0)->GetCompleter());
        benchmark::DoNotOptimize(component.Matching(QStringLiteral("str_")).size());
    }
}
BENCHMARK(BM_FirstUseOfTheCatalogue)->Unit(benchmark::kMillisecond);

void BM_UpdateParameterHint(benchmark::State &state)
{
    Fixture &f = fixture();
    f.editor.setText(QStringLiteral("<?php\n$x = str_fn0($a, array_fn1($b, 'x, y', (1 + 2)), \"(\", "));
    f.editor.setCaret(2, 1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.proposal->ShowParams());
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UpdateParameterHint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedFixture.reset();
    return 0;
}
