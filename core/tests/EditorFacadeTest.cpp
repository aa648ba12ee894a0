#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/IEditorDocument.h"
#include "facade/TEditorChoice.h"
#include "facade/TVYRAEditor.h"
#include "facade/TVYRAEditorFileTypeHandlers.h"
#include "facade/TVYRATextAttributes.h"
#include "facade/TVYRATextSearch.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
class TTestDocument : public IEditorDocument
{
public:
    bool EditorMode() const override { return codeMode; }
    void SetEditorMode(bool on) override { codeMode = on; }
    TCodeEditor *CodeEditor() const override { return const_cast<TCodeEditor *>(&code); }
    TRichEditor *RichEditor() const override { return const_cast<TRichEditor *>(&rich); }
    bool IsPlainText() const override { return plain; }
    QString LineBreak() const override { return lineBreak; }
    bool HasCodeEditors() const override { return hasCode; }
    void Changed() override { ++changes; }
    void HighlighterChanged() override { ++highlighterChanges; }
    void SearchStarted() override { ++searches; }
    TReplaceAction AskReplace(const QString &found, const QString &) override
    {
        asked.append(found);
        return answers.isEmpty() ? raCancel : answers.takeFirst();
    }

    TCodeEditor code;
    TRichEditor rich;
    bool codeMode = true;
    bool plain = true;
    bool hasCode = true;
    QString lineBreak = QStringLiteral("\n");
    int changes = 0;
    int highlighterChanges = 0;
    int searches = 0;
    QStringList asked;
    QList<TReplaceAction> answers;
};

class EditorFacadeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
        AddStandardHighlighters(highlighters);
        env.highlighters = &highlighters;
        env.extensions = &extensions;
        env.userDataDir = dir.path();
    }
    TVYRAEditor editor() { return TVYRAEditor(&doc, env); }
    QString textBeforeCaret()
    {
        TEditorControlProbe probe{doc};
        return probe.text().left(probe.caret());
    }
    struct TEditorControlProbe {
        TTestDocument &d;
        QString text() const { return d.codeMode ? d.code.text() : d.rich.text(); }
        int caret() const { return d.codeMode ? d.code.selStart() : d.rich.selStart(); }
    };

    QTemporaryDir dir;
    TIHighlighters highlighters;
    TVYRAExtensions extensions{QStringLiteral("/opt/talvex"), &highlighters};
    TVYRAEditorEnvironment env;
    TTestDocument doc;
};
} // namespace

TEST_F(EditorFacadeTest, InsertTagLeavesCaretBetweenTheParts)
{
    for (bool code : {true, false}) {
        doc.codeMode = code;
        TVYRAEditor e = editor();
        e.SetText(QStringLiteral("ä x"));
        TEditorControlProbe p{doc};
        (code ? (void)doc.code.setSelection(2, 1) : doc.rich.setSelection(2, 1));
        e.InsertTag(QStringLiteral("<b>"), QStringLiteral("</b>"));
        EXPECT_EQ(p.text(), QStringLiteral("ä <b></b>")) << code;
        EXPECT_EQ(textBeforeCaret(), QStringLiteral("ä <b>")) << code;
    }
    EXPECT_EQ(doc.changes, 4);
}

TEST_F(EditorFacadeTest, CursorMarkerAndLineBreaksOfTheDocument)
{
    for (const QString &lineBreak : {QStringLiteral("\r\n"), QStringLiteral("\n")}) {
        doc.lineBreak = lineBreak;
        TVYRAEditor e = editor();
        e.SetText(QStringLiteral("äb"));
        doc.code.setSelection(1, 0);
        e.InsertText(QStringLiteral("1\r\n2\n\t%cursor%3%cursor%"), false);
        const QString expected = QStringLiteral("ä1") + lineBreak + "2" + lineBreak + "\t3b";
        EXPECT_EQ(doc.code.text(), expected);
        EXPECT_EQ(textBeforeCaret(), QStringLiteral("ä1") + lineBreak + "2" + lineBreak + "\t");
        EXPECT_EQ(doc.code.selLength(), 0);
    }
    TVYRAEditor e = editor();
    e.SetText(QStringLiteral("ab"));
    doc.code.setSelection(1, 0);
    e.InsertText(QStringLiteral("XY"), false);
    EXPECT_EQ(textBeforeCaret(), QStringLiteral("a"));
    e.InsertText(QStringLiteral("ZZ"), true);
    EXPECT_EQ(textBeforeCaret(), QStringLiteral("aZZ"));
}

TEST_F(EditorFacadeTest, SearchInBothModesWithUmlautsAndCrlf)
{
    for (bool code : {true, false}) {
        doc.codeMode = code;
        TVYRAEditor e = editor();
        e.SetText(code ? QStringLiteral("Ärger\r\närger ÄRGER\r\nmärgerlich") : QStringLiteral("Ärger\närger ÄRGER\nmärgerlich"));
        TVYRATextSearch search(&doc, nullptr);
        search.Options = TVYRASearchOptions(xsoWholeText);
        ASSERT_TRUE(search.FindFirst(QStringLiteral("ärger"))) << code;
        EXPECT_EQ(search.FoundPos, 0);
        EXPECT_EQ(search.FoundLen, 5);
        const int lb = code ? 2 : 1;
        ASSERT_TRUE(search.FindNext());
        EXPECT_EQ(search.FoundPos, 5 + lb);
        ASSERT_TRUE(search.FindNext());
        EXPECT_EQ(search.FoundPos, 11 + lb);
        ASSERT_TRUE(search.FindNext());
        EXPECT_EQ(search.FoundPos, 17 + 2 * lb) << "inside märgerlich";
        EXPECT_FALSE(search.FindNext());

        search.Options = TVYRASearchOptions(xsoWholeText) | xsoCaseSensitive | xsoWholeWord;
        ASSERT_TRUE(search.FindFirst(QStringLiteral("ärger")));
        EXPECT_EQ(search.FoundPos, 5 + lb);
        EXPECT_FALSE(search.FindNext());
        EXPECT_FALSE(search.FindFirst(QString()));
    }
    EXPECT_EQ(doc.searches, 4);
}

TEST_F(EditorFacadeTest, CodeFindFirstTakesTheFirstMatchOfTheWholeTextInSearchDirection)
{
    editor().SetText(QStringLiteral("ab ab ab ab")); // matches at 0, 3, 6 and 9
    TVYRATextSearch search(&doc, nullptr);
    for (const TVYRASearchOptions options : {TVYRASearchOptions(xsoWholeText), xsoWholeText | xsoFromCursor}) {
        doc.code.setSelection(5, 0);
        search.Options = options;
        ASSERT_TRUE(search.FindFirst(QStringLiteral("ab")));
        EXPECT_EQ(search.FoundPos, 0) << "not from the caret";
        EXPECT_EQ(search.MatchIndex, 0);
        ASSERT_TRUE(search.FindNext());
        EXPECT_EQ(search.FoundPos, 3);

        doc.code.setSelection(5, 0);
        search.Options = options | xsoBackwards;
        ASSERT_TRUE(search.FindFirst(QStringLiteral("ab")));
        EXPECT_EQ(search.FoundPos, 9) << "backwards: the last match";
        ASSERT_TRUE(search.FindNext());
        EXPECT_EQ(search.FoundPos, 6);
    }
    // Finding next still goes on from the caret.
    doc.code.setSelection(5, 0);
    search.Options = TVYRASearchOptions(xsoWholeText);
    ASSERT_TRUE(search.FindNext());
    EXPECT_EQ(search.FoundPos, 6);
    // Without the whole text the selection is searched: its first match.
    doc.code.setSelection(2, 7);
    search.Options = TVYRASearchOptions(xsoBackwards);
    ASSERT_TRUE(search.FindFirst(QStringLiteral("ab")));
    EXPECT_EQ(search.FoundPos, 6);
}

TEST_F(EditorFacadeTest, RichFromCursorStartsBehindTheSelection)
{
    doc.codeMode = false;
    editor().SetText(QStringLiteral("aaa"));
    doc.rich.setSelection(0, 0);
    TVYRATextSearch search(&doc, nullptr);
    search.Options = TVYRASearchOptions(xsoFromCursor);
    ASSERT_TRUE(search.FindFirst(QStringLiteral("a")));
    EXPECT_EQ(search.FoundPos, 1) << "|0 + 0 - 1| = 1";
}

TEST_F(EditorFacadeTest, ReplaceAllWithTheSearchTextInTheReplacement)
{
    for (bool code : {true, false}) {
        doc.codeMode = code;
        editor().SetText(QStringLiteral("a-a-ä-a"));
        TVYRATextSearch search(&doc, nullptr);
        search.Options = TVYRASearchOptions(xsoWholeText) | xsoReplaceAll | xsoCaseSensitive;
        EXPECT_TRUE(search.Replace(QStringLiteral("a"), QStringLiteral("ba")));
        EXPECT_EQ(editor().GetText(), QStringLiteral("ba-ba-ä-ba")) << code;
    }
}

TEST_F(EditorFacadeTest, ReplaceAllInALongTextWithCharactersOutsideTheBmp)
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("ä€😀 a-Ab\r\n");
    for (bool code : {true, false}) {
        doc.codeMode = code;
        editor().SetText(text);
        TVYRATextSearch search(&doc, nullptr);
        search.Options = TVYRASearchOptions(xsoWholeText) | xsoReplaceAll;
        EXPECT_TRUE(search.Replace(QStringLiteral("a"), QStringLiteral("😀a")));
        QString expected = text;
        expected.replace(QStringLiteral("a"), QStringLiteral("😀a"), Qt::CaseInsensitive);
        if (!code) // the rich editor keeps paragraphs, not line breaks
            expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

        EXPECT_TRUE(editor().GetText() == expected) << code;
    }
}

TEST_F(EditorFacadeTest, ReplaceAllFromTheCaretLeavesWhatComesBefore)
{
    editor().SetText(QStringLiteral("x x x x"));
    doc.code.setSelection(3, 0);
    TVYRATextSearch search(&doc, nullptr);
    search.Options = TVYRASearchOptions(xsoFromCursor) | xsoReplaceAll | xsoWholeWord;
    EXPECT_TRUE(search.Replace(QStringLiteral("x"), QStringLiteral("x x")));
    EXPECT_EQ(doc.code.text(), QStringLiteral("x x x x x x"));
}

TEST_F(EditorFacadeTest, ReplaceQuestionAnswers)
{
    doc.codeMode = false;
    editor().SetText(QStringLiteral("x x x x"));
    doc.answers = {raSkip, raReplace, raReplaceAll};
    TVYRATextSearch search(&doc, nullptr);
    search.Options = TVYRASearchOptions(xsoWholeText) | xsoReplaceAll | xsoReplacePrompt;
    EXPECT_TRUE(search.Replace(QStringLiteral("x"), QStringLiteral("yy")));
    EXPECT_EQ(doc.rich.text(), QStringLiteral("x yy yy yy"));
    EXPECT_EQ(doc.asked.size(), 3) << "no question after replace all";

    doc.answers = {raCancel};
    doc.asked.clear();
    EXPECT_TRUE(search.Replace(QStringLiteral("x"), QStringLiteral("z")));
    EXPECT_EQ(doc.rich.text(), QStringLiteral("x yy yy yy"));

    doc.codeMode = true;
    editor().SetText(QStringLiteral("abc"));
    search.Options = TVYRASearchOptions(xsoWholeText);
    EXPECT_FALSE(search.Replace(QStringLiteral("q"), QStringLiteral("z")));
    EXPECT_TRUE(search.Replace(QStringLiteral("b"), QStringLiteral("BB")));
    EXPECT_EQ(doc.code.text(), QStringLiteral("aBBc"));
}

TEST_F(EditorFacadeTest, HighlighterByOpenStandardsThenFileTypes)
{
    writeFile(dir.filePath("filetypes.xml"),
              "<filetypes><filetype name=\"PHP\"><defaulthighlighter>php</defaulthighlighter>"
              "<editormode>True</editormode><extension identifier=\"*.php\" registermode=\"etBoth\"/>"
              "<extension identifier=\"*.rtf\" registermode=\"etNone\"/></filetype>"
              "<filetype name=\"Text\"><defaulthighlighter>none</defaulthighlighter><editormode>False</editormode>"
              "<extension identifier=\"*.txt\" registermode=\"etNone\"/></filetype></filetypes>");
    extensions.LoadFromFile(dir.filePath("filetypes.xml"), true);
    TVYRAEditor e = editor();

    doc.codeMode = false;
    e.ApplyHighlighterByFile(QStringLiteral("/srv/Index.PHP"));
    EXPECT_TRUE(doc.codeMode);
    EXPECT_EQ(doc.code.highlighter(), highlighters.FindHighlighter("php")->GetHighlighter());
    EXPECT_EQ(e.GetActiveHighlighter()->ShortName(), "php");

    e.ApplyHighlighterByFile(QStringLiteral("notes.txt"));
    EXPECT_FALSE(doc.codeMode);
    EXPECT_EQ(e.GetActiveHighlighter()->ShortName(), "none") << "rich-editor mode";
    doc.codeMode = true;
    e.ApplyHighlighterByFile(QStringLiteral("unbekannt.xyz"));
    EXPECT_TRUE(doc.codeMode) << "nothing changes";

    writeFile(dir.filePath("openstandards.xml"),
              "<openstandards><e name=\".php\"><editormode>True</editormode><highlighter>SQL</highlighter></e>"
              "<e name=\".php\"><editormode>False</editormode></e>"
              "<e name=\".txt\"><editormode>True</editormode><highlighter>fehlt</highlighter></e></openstandards>");
    e.ApplyHighlighterByFile(QStringLiteral("a.php"));
    EXPECT_EQ(e.GetActiveHighlighter()->ShortName(), "sql") << "openstandards wins";
    e.ApplyHighlighterByFile(QStringLiteral("a.txt"));
    EXPECT_EQ(e.GetActiveHighlighter()->ShortName(), "none") << "unknown name: entry 0";
    EXPECT_GE(doc.highlighterChanges, 3);

    doc.hasCode = false;
    doc.codeMode = false;
    e.SetActiveHighlighter(QStringLiteral("css"));
    EXPECT_FALSE(doc.codeMode) << "nothing without code editors";
    doc.hasCode = true;
    e.SetActiveHighlighter(QStringLiteral("css"));
    EXPECT_TRUE(doc.codeMode) << "switched to the code editor first";
    EXPECT_EQ(e.GetActiveHighlighter()->ShortName(), "css");
}

TEST_F(EditorFacadeTest, NoDocumentGivesEmptyValues)
{
    TVYRAEditor e(nullptr, env);
    EXPECT_EQ(e.GetText(), QString());
    e.SetText(QStringLiteral("x"));
    e.InsertText(QStringLiteral("x"), true);
    EXPECT_TRUE(e.GetWordWrap());
    EXPECT_FALSE(e.CanFormat());
    const auto attributes = e.GetTextAttributes();
    EXPECT_EQ(attributes->GetSelStart(), -1);
    EXPECT_EQ(attributes->GetSelLength(), -1);
    EXPECT_FALSE(attributes->GetFont().has_value());
    TVYRATextSearch search(nullptr, nullptr);
    EXPECT_FALSE(search.FindFirst(QStringLiteral("x")));
}

TEST_F(EditorFacadeTest, TextAttributesInTheRichEditor)
{
    doc.codeMode = false;
    doc.plain = false;
    TVYRAEditor e = editor();
    e.SetText(QStringLiteral("fett"));
    EXPECT_TRUE(e.CanFormat());
    doc.rich.setSelection(0, 4);
    auto attributes = e.GetTextAttributes();
    attributes->SetStyle(1 /* bold */, true);
    EXPECT_TRUE(doc.rich.selAttributes().bold);
    EXPECT_TRUE(attributes->IsStylePresent(1));
    attributes->SetAlignment(2);
    EXPECT_EQ(attributes->GetAlignment(), 2);
    doc.codeMode = true;
    EXPECT_EQ(attributes->GetAlignment(), 0);
}

TEST(EditorFileTypeHandlers, FirstMatchingMaskGetsTheFile)
{
    TVYRAEditorFileTypeHandlers handlers;
    int owner1 = 0, owner2 = 0;
    QStringList got;
    handlers.RegisterHandler("*.jpg;*.BMP", &owner1, [&](QObject *, const QString &f, bool &h) { got << "1" + f; h = true; });
    handlers.RegisterHandler("*.jpg;*.BMP", &owner1, [&](QObject *, const QString &, bool &h) { h = true; });
    handlers.RegisterHandler("*.bmp", &owner2, [&](QObject *, const QString &f, bool &h) { got << "2" + f; h = true; });
    EXPECT_EQ(handlers.Count(), 2) << "same owner and mask once";
    EXPECT_TRUE(handlers.Handle(nullptr, "/bilder/a.bmp"));
    EXPECT_FALSE(handlers.Handle(nullptr, "/bilder/a.png"));
    EXPECT_EQ(got, QStringList({"1/bilder/a.bmp"}));
    handlers.UnRegisterHandler("*.jpg;*.BMP", &owner1);
    EXPECT_EQ(handlers.FindHandler("*.jpg;*.BMP", &owner1), -1);
    EXPECT_TRUE(handlers.Handle(nullptr, "/bilder/a.bmp"));
    EXPECT_EQ(got.last(), "2/bilder/a.bmp");
}

TEST(EditorChoice, ShippedDataChoosesModeAndHighlighter)
{
    QTemporaryDir user;
    TIHighlighters highlighters;
    AddDefaultHighlighter(highlighters, QStringLiteral("Kein"));
    TVYRAExtensions extensions(sourceDir(), &highlighters);
    InitialiseRegistries(highlighters, extensions, sourceDir() + "/data/shipped/Highlighters",
                         sourceDir() + "/data/shipped", user.path());
    TVYRAEditorEnvironment env;
    env.highlighters = &highlighters;
    env.extensions = &extensions;
    env.userDataDir = user.path();

    const auto php = ChooseEditorForFile(QStringLiteral("/srv/www/index.php"), env);
    ASSERT_TRUE(php.has_value());
    EXPECT_TRUE(php->editorMode);
    EXPECT_EQ(php->highlighter->ShortName(), "multi_htmlphpcssjavascript");
    EXPECT_EQ(ChooseEditorForFile(QStringLiteral("style.CSS"), env)->highlighter->ShortName(), "css");
    EXPECT_FALSE(ChooseEditorForFile(QStringLiteral("brief.rtf"), env)->editorMode);
    EXPECT_FALSE(ChooseEditorForFile(QStringLiteral("README"), env).has_value());

    writeFile(user.filePath("customfiletypes.xml"),
              "<filetypes><filetype name=\"Eigen\"><defaulthighlighter>sql</defaulthighlighter>"
              "<editormode>True</editormode><extension identifier=\"*.dump\" registermode=\"etNone\"/>"
              "</filetype></filetypes>");
    TVYRAExtensions again(sourceDir(), &highlighters);
    again.LoadFromFile(sourceDir() + "/data/shipped/filetypes.xml", true);
    again.LoadFromFile(user.filePath("customfiletypes.xml"), false);
    env.extensions = &again;
    EXPECT_EQ(ChooseEditorForFile(QStringLiteral("db.dump"), env)->highlighter->ShortName(), "sql");
}
