// Each sample under data/highlighters is highlighted as a whole and compared
// with the styled form beside it ("<sample>.styled"); a mismatch writes
// "<sample>.styled.actual" for review. Every line is also checked on its own
// from the stored state of the line before, and through the QScintilla
// editor with CR LF line breaks.
#include "TestSupport.h"

#include "editor/TCodeEditor.h"
#include "editor/TSynCssSyn.h"
#include "editor/TSynGeneralSyn.h"
#include "editor/TSynHTMLSyn.h"
#include "editor/TSynJScriptSyn.h"
#include "editor/TSynPHPSyn.h"
#include "editor/TSynSQLSyn.h"
#include "editor/TSynXMLSyn.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TSynCustomHighlighter> highlighterFor(const QString &extension)
{
    if (extension == u"php")
        return std::make_unique<TSynPHPSyn>();
    if (extension == u"js")
        return std::make_unique<TSynJScriptSyn>();
    if (extension == u"css")
        return std::make_unique<TSynCssSyn>();
    if (extension == u"html")
        return std::make_unique<TSynHTMLSyn>();
    if (extension == u"xml")
        return std::make_unique<TSynXMLSyn>();
    if (extension == u"sql")
        return std::make_unique<TSynSQLSyn>();
    return std::make_unique<TSynGeneralSyn>();
}

// Runs of whitespace are shown as they are, every other run as [Attribute:text].
QString render(QStringView line, const TSynLineOutput &out)
{
    QString result;
    int pos = 0;
    for (const TSynToken &token : out.tokens()) {
        result += line.mid(pos, token.start - pos);
        const QStringView text = line.mid(token.start, token.length);
        if (text.trimmed().isEmpty())
            result += text;
        else
            result += u'[' + token.attribute->name() + u':' + text.toString() + u']';
        pos = token.start + token.length;
    }
    result += line.mid(pos);
    return result;
}

// The attribute name of every character of the line, from the tokens.
QStringList attributeNames(QStringView line, const TSynLineOutput &out, const QString &defaultName)
{
    QStringList names(line.size(), defaultName);
    for (const TSynToken &token : out.tokens()) {
        for (int i = token.start; i < token.start + token.length && i < names.size(); ++i)
            names[i] = token.attribute->name();
    }
    return names;
}

class HighlighterGoldenTest : public ::testing::TestWithParam<const char *>
{
protected:
    QString samplePath() const { return TestSupport::testDataDir() + QStringLiteral("/highlighters/") + QString::fromLatin1(GetParam()); }
    QStringList sampleLines() const
    {
        QString text = QString::fromUtf8(TestSupport::readFile(samplePath()));
        if (text.endsWith(u'\n'))
            text.chop(1);
        return text.split(u'\n');
    }
};

TEST_P(HighlighterGoldenTest, WholeSampleMatchesStyledForm)
{
    const QStringList lines = sampleLines();
    ASSERT_GT(lines.size(), 1);
    auto highlighter = highlighterFor(QFileInfo(samplePath()).suffix());
    QString actual;
    TLineState state;
    TSynLineOutput out;
    for (const QString &line : lines) {
        out.clear();
        highlighter->highlightLine(line, state, out);
        actual += render(line, out) + u'\n';
    }
    const QString expectedPath = samplePath() + QStringLiteral(".styled");
    const QString expected = QString::fromUtf8(TestSupport::readFile(expectedPath));
    if (actual != expected)
        TestSupport::writeFile(expectedPath + QStringLiteral(".actual"), actual.toUtf8());
    EXPECT_EQ(actual.toStdString(), expected.toStdString()) << "see " << expectedPath.toStdString() << ".actual";
}

TEST_P(HighlighterGoldenTest, EachLineFromItsStoredStateGivesTheSameRuns)
{
    const QStringList lines = sampleLines();
    ASSERT_GT(lines.size(), 1) << "sample missing";
    auto highlighter = highlighterFor(QFileInfo(samplePath()).suffix());
    QList<TLineState> states;
    QStringList rendered;
    TLineState state;
    TSynLineOutput out;
    for (const QString &line : lines) {
        out.clear();
        highlighter->highlightLine(line, state, out);
        states.append(state);
        rendered.append(render(line, out));
    }
    for (int i = lines.size() - 1; i >= 0; --i) {
        TLineState start = i > 0 ? states[i - 1] : TLineState{};
        out.clear();
        highlighter->highlightLine(lines[i], start, out);
        EXPECT_EQ(render(lines[i], out).toStdString(), rendered[i].toStdString()) << "line " << i + 1;
        EXPECT_TRUE(start == states[i]) << "end state of line " << i + 1;
    }
}

TEST_P(HighlighterGoldenTest, EditorWithCrLfShowsTheSameAttributes)
{
    const QStringList lines = sampleLines();
    ASSERT_GT(lines.size(), 1) << "sample missing";
    auto highlighter = highlighterFor(QFileInfo(samplePath()).suffix());
    TCodeEditor editor;
    editor.setText(lines.join(u"\r\n"));
    editor.setHighlighter(highlighter.get());
    editor.styleAll();
    ASSERT_EQ(editor.lineCount(), lines.size());
    TLineState state;
    TSynLineOutput out;
    int lineStart = 0;
    for (int i = 0; i < lines.size(); ++i) {
        out.clear();
        highlighter->highlightLine(lines[i], state, out);
        const QStringList expected = attributeNames(lines[i], out, highlighter->defaultAttribute()->name());
        for (int c = 0; c < lines[i].size(); ++c) {
            if (lines[i][c].isLowSurrogate())
                continue;
            ASSERT_EQ(editor.attributeNameAt(lineStart + c).toStdString(), expected[c].toStdString())
                << "line " << i + 1 << " column " << c + 1;
        }
        EXPECT_EQ(editor.lineText(i), lines[i]);
        lineStart += int(lines[i].size()) + 2;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, HighlighterGoldenTest,
                         ::testing::Values("sample.php", "sample.js", "sample.css", "sample.html", "sample.xml",
                                           "sample.sql", "sample.txt"),
                         [](const auto &info) {
                             return QString::fromLatin1(info.param).replace(u'.', u'_').toStdString();
                         });

} // namespace
