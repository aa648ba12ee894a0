#include "HighlightReferenceComparison.h"
#include "editor/TLineState.h"
#include "editor/TSynLineOutput.h"
#include "editor/TSynMultiSyn.h"
#include "facade/TEditorChoice.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace TestSupport;
using namespace HighlightReference;

namespace {

// The registries as the program sets them up from the shipped data.
struct TShippedRegistries
{
    TShippedRegistries() : extensions(QString(), &registry)
    {
        AddDefaultHighlighter(registry, QStringLiteral("None"));
        const QString shipped = sourceDir() + QStringLiteral("/data/shipped/");
        InitialiseRegistries(registry, extensions, shipped + QStringLiteral("Highlighters/"), shipped,
                             QStringLiteral("/nonexistent/"));
        environment.highlighters = &registry;
        environment.extensions = &extensions;
        environment.userDataDir = QStringLiteral("/nonexistent/");
    }

    TIHighlighters registry{TSynMultiSynPCRE::factory()};
    TVYRAExtensions extensions;
    TVYRAEditorEnvironment environment;
};

// The sample and PHP's view of it, made once for the tests below.
class PhpReferenceSample : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        files = new QStringList(wordPressSample(300));
        QString error;
        reference = new QHash<QString, QByteArray>(referenceClasses(*files, &error));
        referenceError = new QString(error);
    }
    static void TearDownTestSuite()
    {
        delete files;
        delete reference;
        delete referenceError;
    }
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(QStringLiteral("/usr/bin/php")).isExecutable()) << "php-cli provides the reference";
        ASSERT_EQ(files->size(), 300) << "the wordpress package provides the sample";
        ASSERT_EQ(reference->size(), files->size()) << referenceError->toStdString();
    }
    // The highlighter the program gives the file.
    const TIHighlighter &highlighterFor(const QString &path)
    {
        const std::optional<TEditorChoice> choice = ChooseEditorForFile(path, shipped.environment);
        EXPECT_TRUE(choice.has_value()) << path.toStdString();
        return choice ? *choice->highlighter : *shipped.registry.DefaultHighlighter();
    }
    static void report(const char *what, const TAgreement &agreement)
    {
        std::printf("%s: characters compared: %lld, agreeing: %lld (%.4f%%), files with differences: %lld\n", what,
                    agreement.compared, agreement.agreed, agreement.percent(),
                    qlonglong(agreement.filesWithDifferences.size()));
        for (auto it = agreement.filesWithDifferences.cbegin(); it != agreement.filesWithDifferences.cend(); ++it)
            std::printf("  %s: %lld\n", qPrintable(it.key()), it.value());
    }

    static QStringList *files;
    static QHash<QString, QByteArray> *reference;
    static QString *referenceError;
    TShippedRegistries shipped;
};

QStringList *PhpReferenceSample::files = nullptr;
QHash<QString, QByteArray> *PhpReferenceSample::reference = nullptr;
QString *PhpReferenceSample::referenceError = nullptr;

} // namespace

// Every line of a real code base - WordPress's PHP, JavaScript and CSS - goes
// through the highlighter the program picks for its extension. The runs of
// each line must lie inside it, in order and without overlap, each with an
// attribute, and the state carried to the next line must stay usable.
TEST(HighlightRealCode, WordPressFilesGiveSoundRunsOnEveryLine)
{
    TShippedRegistries shipped;
    const TVYRAEditorEnvironment &environment = shipped.environment;
    QDirIterator files(QStringLiteral("/usr/share/wordpress"), {"*.php", "*.js", "*.css"}, QDir::Files,
                       QDirIterator::Subdirectories);
    int fileCount = 0;
    long long lineCount = 0;
    long long tokenCount = 0;
    TSynLineOutput out;
    while (files.hasNext() && fileCount < 600) {
        const QString path = files.next();
        const std::optional<TEditorChoice> choice = ChooseEditorForFile(path, environment);
        ASSERT_TRUE(choice.has_value()) << path.toStdString();
        const TSynCustomHighlighter *highlighter = choice->highlighter->EditorHighlighter();
        if (path.endsWith(QStringLiteral(".php"))) {
            ASSERT_TRUE(choice->highlighter->IsMultiHighlighter()) << path.toStdString();
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        TLineState state;
        for (const QString &line : lines) {
            out.clear();
            highlighter->highlightLine(line, state, out);
            int end = 0;
            for (const TSynToken &token : out.tokens()) {
                ASSERT_GE(token.start, end) << path.toStdString() << ": " << line.toStdString();
                ASSERT_GT(token.length, 0) << path.toStdString();
                ASSERT_LE(token.start + token.length, line.size()) << path.toStdString() << ": " << line.toStdString();
                ASSERT_NE(token.attribute, nullptr) << path.toStdString();
                end = token.start + token.length;
                ++tokenCount;
            }
            ++lineCount;
        }
        ++fileCount;
    }
    EXPECT_GT(fileCount, 100) << "the wordpress package provides the code base";
    EXPECT_GT(lineCount, 50000);
    EXPECT_GT(tokenCount, lineCount);
}

// The highlighting of a sample of 300 WordPress files against PHP's own
// tokenizer, character by character: inline HTML (including the HTML,
// JavaScript and CSS around PHP), open and close tags, strings, comments,
// variables and other code must fall into the same class. PHP inside
// <script>, <style> and attribute values is PHP.
TEST_F(PhpReferenceSample, PhpHighlightingAgreesWithPhpsTokenizer)
{
    TAgreement agreement;
    for (const QString &path : *files) {
        const TIHighlighter &entry = highlighterFor(path);
        const TSynMultiSyn *multi = entry.MultiHighlighter();
        ASSERT_TRUE(multi && entry.IsMultiHighlighter()) << path.toStdString();
        compareFile(path, reference->value(path), *entry.EditorHighlighter(), THighlightClasses(*multi), agreement);
    }
    report("PHP classes", agreement);
    EXPECT_GT(agreement.compared, 1000000);
    EXPECT_GE(agreement.percent(), 100.0) << qPrintable(agreement.examples.join(u'\n'));
}

// A PHP block leaves the HTML, JavaScript and CSS around it as they were: a
// string, comment or tag open before the block goes on after it, and a
// script or style block whose start tag holds PHP is still one.
TEST_F(PhpReferenceSample, PhpBlocksLeaveTheHighlightingAroundThemAlone)
{
    TAgreement agreement;
    for (const QString &path : *files)
        compareWithoutPhp(path, reference->value(path), *highlighterFor(path).EditorHighlighter(), agreement);
    report("text around PHP", agreement);
    EXPECT_GT(agreement.compared, 50000);
    EXPECT_GE(agreement.percent(), 100.0) << qPrintable(agreement.examples.join(u'\n'));
}

// Older pages write their tags in capitals.
TEST(ShippedMultiHighlighter, ScriptAndStyleTagsInAnyCaseOpenTheirBlocks)
{
    TShippedRegistries shipped;
    const TIHighlighter *entry = shipped.registry.FindHighlighter(QStringLiteral("multi_htmlphpcssjavascript"));
    ASSERT_NE(entry, nullptr);
    const TSynCustomHighlighter *multi = entry->EditorHighlighter();
    const QStringList lines = {QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">"), QStringLiteral("var x = 1;"),
                               QStringLiteral("</Script ><Style>b { color: red; }</STYLE>"),
                               QStringLiteral("<scripts>var y;</scripts>")};
    TLineState state;
    QStringList names;
    for (const QString &line : lines) {
        TSynLineOutput out;
        multi->highlightLine(line, state, out);
        QString described;
        for (const TSynToken &token : out.tokens())
            described += token.attribute->name() + u' ';
        names << described.trimmed();
    }
    EXPECT_EQ(names[0], QStringLiteral("Marker"));
    EXPECT_TRUE(names[1].startsWith(QStringLiteral("Keyword"))) << names[1].toStdString();
    EXPECT_TRUE(names[2].startsWith(QStringLiteral("Marker Marker Selector"))) << names[2].toStdString();
    EXPECT_TRUE(names[2].endsWith(QStringLiteral("Marker"))) << names[2].toStdString();
    EXPECT_FALSE(names[3].contains(QStringLiteral("Marker"))) << "no such element";
    EXPECT_EQ(state.scheme, -1);
}
