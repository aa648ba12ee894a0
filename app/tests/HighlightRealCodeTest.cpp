#include "editor/TLineState.h"
#include "editor/TSynLineOutput.h"
#include "editor/TSynMultiSyn.h"
#include "editor/TSynPHPSyn.h"
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
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace TestSupport;

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

// Every 1/count-th PHP file of WordPress in path order: the same sample on
// every run.
QStringList wordPressSample(int count)
{
    QStringList files;
    QDirIterator it(QStringLiteral("/usr/share/wordpress"), {QStringLiteral("*.php")}, QDir::Files,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        files << it.next();
    files.sort();
    QStringList sample;
    for (int i = 0; i < count && !files.isEmpty(); ++i)
        sample << files.at(qsizetype(i) * files.size() / count);
    sample.removeDuplicates();
    return sample;
}

// The class of every byte of each file after PHP's own tokenizer
// (tests/data/php_token_classes.php): H inline HTML, T open or close tag,
// S string, C comment, V variable, K other code, W whitespace of a tag (not
// compared). One PHP process for all files. Short open tags count, as the
// highlighter takes "<?" for a PHP block.
QHash<QString, QByteArray> referenceClasses(const QStringList &files, QString *error)
{
    QProcess php;
    php.start(QStringLiteral("/usr/bin/php"),
              QStringList{QStringLiteral("-d"), QStringLiteral("short_open_tag=1"),
                          QStringLiteral("-d"), QStringLiteral("memory_limit=1G"),
                          sourceDir() + QStringLiteral("/app/tests/data/php_token_classes.php")}
                  + files);
    if (!php.waitForFinished(120000) || php.exitCode() != 0) {
        *error = QString::fromUtf8(php.readAllStandardError()) + php.errorString();
        return {};
    }
    QHash<QString, QByteArray> classes;
    for (const QByteArray &line : php.readAllStandardOutput().split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.isEmpty())
            continue;
        QByteArray bytes;
        for (const QString &run : object[QStringLiteral("runs")].toString().split(u' ', Qt::SkipEmptyParts))
            bytes.append(run.mid(1).toInt(), run.at(0).toLatin1());
        classes.insert(object[QStringLiteral("file")].toString(), bytes);
    }
    return classes;
}

// The reference class of every UTF-16 unit of the decoded text: the class of
// the first byte of its character.
QByteArray classesPerCharacter(const QByteArray &source, const QByteArray &byteClasses)
{
    QByteArray result;
    result.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        const auto byte = quint8(source.at(i));
        if ((byte & 0xc0) == 0x80)
            continue;
        const char cls = i < byteClasses.size() ? byteClasses.at(i) : '?';
        result.append(cls);
        if (byte >= 0xf0)
            result.append(cls); // a surrogate pair
    }
    return result;
}

// What the highlighter's runs say in the same classes.
class THighlightClasses
{
public:
    explicit THighlightClasses(const TSynMultiSyn &multi)
    {
        for (int i = 0; i < multi.schemeCount(); ++i) {
            const TScheme &scheme = multi.scheme(i);
            const auto *php = dynamic_cast<const TSynPHPSyn *>(scheme.highlighter());
            if (!php)
                continue;
            m_classes.insert(&scheme.markerAttributes(), 'T');
            for (const auto &attribute : php->attributes())
                m_classes.insert(attribute.get(), classOf(attribute->name()));
        }
    }

    // Characters no run covers get '-', which matches no reference class.
    QByteArray of(const QString &line, const TSynLineOutput &out) const
    {
        QByteArray result(line.size(), '-');
        for (const TSynToken &token : out.tokens()) {
            const char cls = m_classes.value(token.attribute, 'H');
            for (int i = token.start; i < token.start + token.length && i < line.size(); ++i)
                result[i] = cls;
        }
        return result;
    }

private:
    static char classOf(const QString &name)
    {
        if (name == u"Tag")
            return 'T';
        if (name == u"String")
            return 'S';
        if (name == u"Comment" || name == u"Documentation")
            return 'C';
        if (name == u"Variable")
            return 'V';
        return 'K';
    }

    QHash<const TSynHighlighterAttributes *, char> m_classes;
};

struct TAgreement
{
    long long compared = 0;
    long long agreed = 0;
    QStringList examples; // the first disagreeing lines
    QMap<QString, long long> filesWithDifferences;
    double percent() const { return compared ? 100.0 * double(agreed) / double(compared) : 0.0; }
};

void compareFile(const QString &path, const QByteArray &byteClasses, const TSynCustomHighlighter &highlighter,
                 const THighlightClasses &ours, TAgreement &agreement)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray source = file.readAll();
    const QByteArray reference = classesPerCharacter(source, byteClasses);
    const QString text = QString::fromUtf8(source);
    ASSERT_EQ(reference.size(), text.size()) << path.toStdString();
    TLineState state;
    TSynLineOutput out;
    qsizetype lineStart = 0;
    int lineNumber = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        QString line = text.mid(lineStart, lineEnd - lineStart);
        if (line.endsWith(u'\r'))
            line.chop(1);
        ++lineNumber;
        out.clear();
        highlighter.highlightLine(line, state, out);
        const QByteArray got = ours.of(line, out);
        const QByteArray want = reference.mid(lineStart, line.size());
        long long differing = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (want.at(i) == 'W')
                continue;
            ++agreement.compared;
            want.at(i) == got.at(i) ? ++agreement.agreed : ++differing;
        }
        if (differing > 0) {
            agreement.filesWithDifferences[path] += differing;
            if (agreement.examples.size() < 12)
                agreement.examples << QStringLiteral("%1:%2\n  %3\n  want %4\n  got  %5")
                                          .arg(path)
                                          .arg(lineNumber)
                                          .arg(line.left(160), QString::fromLatin1(want.left(160)),
                                               QString::fromLatin1(got.left(160)));
        }
        lineStart = lineEnd + 1;
    }
}

// The attribute of every character of text, highlighted line by line.
QList<const TSynHighlighterAttributes *> attributesOf(const TSynCustomHighlighter &highlighter, const QString &text)
{
    QList<const TSynHighlighterAttributes *> result(text.size(), nullptr);
    TLineState state;
    TSynLineOutput out;
    for (qsizetype lineStart = 0; lineStart <= text.size();) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        out.clear();
        highlighter.highlightLine(QStringView(text).mid(lineStart, lineEnd - lineStart), state, out);
        for (const TSynToken &token : out.tokens()) {
            for (int i = token.start; i < token.start + token.length; ++i)
                result[lineStart + i] = token.attribute;
        }
        lineStart = lineEnd + 1;
    }
    return result;
}

// Compares the text around PHP blocks (the reference's inline HTML) as
// highlighted in the file with the same text highlighted after the PHP blocks
// were taken out, line breaks kept.
void compareWithoutPhp(const QString &path, const QByteArray &byteClasses, const TSynCustomHighlighter &highlighter,
                       TAgreement &agreement)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray source = file.readAll();
    const QByteArray classes = classesPerCharacter(source, byteClasses);
    const QString text = QString::fromUtf8(source);
    ASSERT_EQ(classes.size(), text.size()) << path.toStdString();
    QString stripped;
    QList<int> origin;
    for (int i = 0; i < text.size(); ++i) {
        if (classes.at(i) == 'H' || text.at(i) == u'\n') {
            stripped += text.at(i);
            origin.append(i);
        }
    }
    if (stripped.size() == text.size())
        return;
    const QList<const TSynHighlighterAttributes *> inFile = attributesOf(highlighter, text);
    const QList<const TSynHighlighterAttributes *> alone = attributesOf(highlighter, stripped);
    for (int j = 0; j < stripped.size(); ++j) {
        const int i = origin.at(j);
        if (classes.at(i) != 'H' || text.at(i).isSpace())
            continue;
        ++agreement.compared;
        if (inFile.at(i) == alone.at(j)) {
            ++agreement.agreed;
            continue;
        }
        ++agreement.filesWithDifferences[path];
        if (agreement.examples.size() < 12) {
            const qsizetype lineStart = text.lastIndexOf(u'\n', i) + 1;
            agreement.examples << QStringLiteral("%1 offset %2: %3 instead of %4\n  %5")
                                      .arg(path)
                                      .arg(i)
                                      .arg(inFile.at(i) ? inFile.at(i)->name() : QStringLiteral("-"),
                                           alone.at(j) ? alone.at(j)->name() : QStringLiteral("-"),
                                           text.mid(lineStart, 160).section(u'\n', 0, 0));
        }
    }
}

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
