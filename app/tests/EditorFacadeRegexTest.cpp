#include "editor/TCodeEditor.h"
#include "editor/TRichEditor.h"
#include "facade/IEditorDocument.h"
#include "facade/TVYRATextSearch.h"
#include "regex/RegexExceptions.h"
#include "search/TLintaraTextRegex.h"

#include <gtest/gtest.h>

namespace {
class TRegexDocument : public IEditorDocument
{
public:
    bool EditorMode() const override { return codeMode; }
    void SetEditorMode(bool on) override { codeMode = on; }
    TCodeEditor *CodeEditor() const override { return const_cast<TCodeEditor *>(&code); }
    TRichEditor *RichEditor() const override { return const_cast<TRichEditor *>(&rich); }
    bool IsPlainText() const override { return true; }
    QString LineBreak() const override { return QStringLiteral("\r\n"); }
    bool HasCodeEditors() const override { return true; }
    void Changed() override {}
    void HighlighterChanged() override {}
    void SearchStarted() override {}
    TReplaceAction AskReplace(const QString &, const QString &) override { return raReplace; }
    void setText(const QString &text) { codeMode ? code.setText(text) : rich.setText(text); }
    QString text() const { return codeMode ? code.text() : rich.text(); }

    TCodeEditor code;
    TRichEditor rich;
    bool codeMode = true;
};
} // namespace

TEST(EditorFacadeRegex, FindsAndReplacesInBothEditors)
{
    for (bool code : {true, false}) {
        TRegexDocument doc;
        doc.codeMode = code;
        doc.setText(QStringLiteral("$äpfel = 1;\r\n$Birne = 22;"));
        TVYRATextSearch search(&doc, std::make_shared<TLintaraTextRegex>());
        search.Options = TVYRASearchOptions(xsoUseRegEx) | xsoWholeText;
        ASSERT_TRUE(search.FindFirst(QStringLiteral("\\$[^ ]+"))) << code;
        EXPECT_EQ(search.FoundPos, 0);
        EXPECT_EQ(search.FoundLen, 6);
        ASSERT_TRUE(search.FindNext());
        EXPECT_EQ(search.FoundPos, code ? 13 : 12) << "the rich editor keeps one paragraph break";
        EXPECT_FALSE(search.FindNext());

        search.Options |= xsoCaseSensitive;
        ASSERT_TRUE(search.FindFirst(QStringLiteral("[A-Z]irne")));
        EXPECT_FALSE(search.FindFirst(QStringLiteral("birne")));

        search.Options = TVYRASearchOptions(xsoUseRegEx) | xsoWholeText | xsoReplaceAll;
        EXPECT_TRUE(search.Replace(QStringLiteral("\\d+"), QStringLiteral("0\\d")));
        EXPECT_EQ(doc.text(), code ? QStringLiteral("$äpfel = 0\\d;\r\n$Birne = 0\\d;")
                                   : QStringLiteral("$äpfel = 0\\d;\n$Birne = 0\\d;"));
        EXPECT_THROW(search.FindFirst(QStringLiteral("(")), ERegexException);
    }
}
