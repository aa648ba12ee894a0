#include "catalogues/TDocTypeList.h"
#include "catalogues/TSpecialCharacterList.h"
#include "editing/TBlockText.h"
#include "editing/TClosingCharacters.h"
#include "editing/TGeneratedActions.h"
#include "editing/TLineCommands.h"
#include "editing/TSnippetLookup.h"
#include "editing/TTagInsertList.h"
#include "settings/TTalvexStudioCompletionSettings.h"
#include "snippets/TSnippet.h"
#include "snippets/TSnippetGroup.h"

#include <gtest/gtest.h>

namespace {

// The text after an edit, as the editor would hold it.
QString applied(const QString &text, const std::optional<TTextEdit> &edit)
{
    EXPECT_TRUE(edit.has_value());
    if (!edit)
        return text;
    return text.left(edit->start) + edit->text + text.mid(edit->start + edit->length);
}

} // namespace

TEST(TagInsertList, BuiltInEntriesCarryTheirExactTexts)
{
    const TTagInsertList list = TTagInsertList::Standard();
    const auto *bold = list.Find(QStringLiteral("FormatBold"));
    ASSERT_TRUE(bold);
    EXPECT_EQ(bold->start, QStringLiteral("<b>"));
    EXPECT_EQ(bold->end, QStringLiteral("</b>"));
    EXPECT_FALSE(list.Find(QStringLiteral("FormatLineBreak"))->end.has_value());
    EXPECT_EQ(list.Find(QStringLiteral("FormatLineBreak"))->start, QStringLiteral("<br />"));
    EXPECT_EQ(list.Find(QStringLiteral("FormatAlignJustify"))->start, QStringLiteral("<div style=\"text-align: justify;\">"));
    EXPECT_EQ(list.Find(QStringLiteral("FormatInputCheck"))->start,
              QStringLiteral("<input name=\"%cursor%\" type=\"checkbox\" value=\"\" />"));
    EXPECT_EQ(list.Find(QStringLiteral("FormatListDefault"))->start,
              QStringLiteral("<ul type=\"disc\">\r\n<li>%cursor%</li>\r\n</ul>"));
    EXPECT_EQ(list.Find(QStringLiteral("FormatList_Roman"))->start,
              QStringLiteral("<ol type=\"I\">\r\n<li>%cursor%</li>\r\n</ol>"));
    EXPECT_EQ(list.Find(QStringLiteral("FormatComment"))->end, QStringLiteral(" -->"));
    EXPECT_EQ(list.Find(QStringLiteral("FormatInsertH6"))->end, QStringLiteral("</h6>"));
    EXPECT_EQ(list.Find(QStringLiteral("InsertTableHeader"))->start, QStringLiteral("<th>"));
    EXPECT_EQ(list.Find(QStringLiteral("FormatList_RomanSmall"))->start,
              QStringLiteral("<ol type=\"i\">\r\n<li>%cursor%</li>\r\n</ol>"));
    EXPECT_EQ(list.Find(QStringLiteral("EditCopy")), nullptr);
}

TEST(BlockText, FurtherLinesStartInTheCaretColumnWhateverTheLineBreak)
{
    const QString disc = TTagInsertList::Standard().Find(QStringLiteral("FormatListDefault"))->start;
    EXPECT_EQ(TBlockText::Indent(disc, 5), QStringLiteral("<ul type=\"disc\">\r\n    <li>%cursor%</li>\r\n    </ul>"));
    EXPECT_EQ(TBlockText::Indent(QStringLiteral("a\nb\nc"), 3), QStringLiteral("a\n  b\n  c"));
    EXPECT_EQ(TBlockText::Indent(QStringLiteral("a\rb"), 2), QStringLiteral("a\r b"));
    EXPECT_EQ(TBlockText::Indent(QStringLiteral("a\r\nb"), 1), QStringLiteral("a\r\nb"));
    EXPECT_EQ(TBlockText::LineBreakOf(QStringLiteral("a\nb\r\nc")), QStringLiteral("\r\n"));
    EXPECT_EQ(TBlockText::LineBreakOf(QStringLiteral("x")), QStringLiteral("\n"));
}

TEST(LineCommands, RemoveDuplicateAndMoveKeepTheLineBreaksOfTheText)
{
    const QString text = QStringLiteral("one\r\ntwo\r\nthree");
    const TLineCommands lines(text, QStringLiteral("\r\n"));
    ASSERT_EQ(lines.LineCount(), 3);
    EXPECT_EQ(applied(text, lines.RemoveLine(0)), QStringLiteral("two\r\nthree"));
    EXPECT_EQ(applied(text, lines.RemoveLine(1)), QStringLiteral("one\r\nthree"));
    // The last line takes the break before it along.
    EXPECT_EQ(applied(text, lines.RemoveLine(2)), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(lines.RemoveLine(2)->caretLine, 1);
    EXPECT_FALSE(lines.RemoveLine(3));

    EXPECT_EQ(applied(text, lines.DuplicateLine(1, 2)), QStringLiteral("one\r\ntwo\r\ntwo\r\nthree"));
    EXPECT_EQ(applied(text, lines.DuplicateLine(2, 0)), QStringLiteral("one\r\ntwo\r\nthree\r\nthree"));
    EXPECT_EQ(applied(QStringLiteral("solo"), TLineCommands(QStringLiteral("solo"), QStringLiteral("\n")).DuplicateLine(0, 9)),
              QStringLiteral("solo\nsolo"));
    EXPECT_EQ(TLineCommands(QStringLiteral("solo")).DuplicateLine(0, 9)->caretColumn, 4);

    // First and last line guard their own end.
    EXPECT_FALSE(lines.MoveLineUp(0, 0));
    EXPECT_FALSE(lines.MoveLineDown(2, 0));
    const auto up = lines.MoveLineUp(2, 4);
    EXPECT_EQ(applied(text, up), QStringLiteral("one\r\nthree\r\ntwo"));
    EXPECT_EQ(up->caretLine, 1);
    EXPECT_EQ(up->caretColumn, 4);
    const auto down = lines.MoveLineDown(0, 1);
    EXPECT_EQ(applied(text, down), QStringLiteral("two\r\none\r\nthree"));
    EXPECT_EQ(down->caretLine, 1);
}

TEST(LineCommands, MixedAndTrailingLineBreaksCountAsTheyStand)
{
    const QString text = QStringLiteral("a\rb\nc\r\n");
    const TLineCommands lines(text);
    ASSERT_EQ(lines.LineCount(), 4);
    EXPECT_EQ(lines.LineText(2), QStringLiteral("c"));
    EXPECT_EQ(lines.LineText(3), QString());
    EXPECT_EQ(applied(text, lines.MoveLineDown(0, 0)), QStringLiteral("b\ra\nc\r\n"));
    EXPECT_EQ(applied(text, lines.RemoveLine(3)), QStringLiteral("a\rb\nc"));
}

TEST(PhpCommentToggle, KeepsTheIndentationAndWorksOverTheWholeSelection)
{
    // Twice on an indented line gives the line back as it was.
    const QString line = QStringLiteral("    echo $a;");
    const QString once = TLineCommands::TogglePhpCommentLine(line);
    EXPECT_EQ(once, QStringLiteral("//    echo $a;"));
    EXPECT_EQ(TLineCommands::TogglePhpCommentLine(once), line);
    EXPECT_EQ(TLineCommands::TogglePhpCommentLine(QStringLiteral("\t  //x")), QStringLiteral("\t  x"));

    const QString text = QStringLiteral("a();\n  // b();\n\tc();\nd();");
    const TLineCommands lines(text);
    // From the caret line up to the selection's other end, either way round.
    EXPECT_EQ(applied(text, lines.TogglePhpComment(2, 0, 0)), QStringLiteral("//a();\n   b();\n//\tc();\nd();"));
    EXPECT_EQ(applied(text, lines.TogglePhpComment(0, 2, 0)), applied(text, lines.TogglePhpComment(2, 0, 0)));
    EXPECT_EQ(applied(text, lines.TogglePhpComment(3, 3, 0)), QStringLiteral("a();\n  // b();\n\tc();\n//d();"));
    EXPECT_FALSE(lines.TogglePhpComment(0, 4, 0));
}

TEST(ClosingCharacters, OnlyTheEnabledKindsCloseAndQuotesCloseWithThemselves)
{
    const TClosingCharacters all(TTalvexStudioCompletionSettings::AllCloseCharTypes);
    EXPECT_EQ(all.Closing(QLatin1Char('(')), QLatin1Char(')'));
    EXPECT_EQ(all.Closing(QLatin1Char('[')), QLatin1Char(']'));
    EXPECT_EQ(all.Closing(QLatin1Char('{')), QLatin1Char('}'));
    EXPECT_EQ(all.Closing(QLatin1Char('<')), QLatin1Char('>'));
    EXPECT_EQ(all.Closing(QLatin1Char('"')), QLatin1Char('"'));
    EXPECT_EQ(all.Closing(QLatin1Char('\'')), QLatin1Char('\''));
    EXPECT_FALSE(all.IsEnabled(QLatin1Char(')')));
    EXPECT_FALSE(all.IsEnabled(QChar(0x20AC)));

    const TClosingCharacters some(TCharCompletionTypes(cctBrace | cctDoubleQuote));
    EXPECT_TRUE(some.IsEnabled(QLatin1Char('{')));
    EXPECT_TRUE(some.IsEnabled(QLatin1Char('"')));
    EXPECT_FALSE(some.IsEnabled(QLatin1Char('(')));
    EXPECT_EQ(some.Closing(QLatin1Char('(')), QChar());
}

TEST(SnippetLookup, ShortTextIsMatchedExactlyAndTheLastGroupHoldingItWins)
{
    TSnippetGroup root(QStringLiteral("root"));
    TSnippetGroup *html = root.AddGroup(QStringLiteral("HTML"));
    html->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("Tabelle"), QStringLiteral("<table>"), QStringLiteral("tab")));
    html->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("Zweite"), QStringLiteral("<second>"), QStringLiteral("tab")));
    TSnippetGroup *php = root.AddGroup(QStringLiteral("PHP"));
    php->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("Echo"), QStringLiteral("echo %cursor%;"), QStringLiteral("ec")));
    TSnippetGroup *nested = php->AddGroup(QStringLiteral("Mehr"));
    nested->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("Tab"), QStringLiteral("<tab-php>"), QStringLiteral("tab")));

    EXPECT_EQ(TSnippetLookup::Find(&root, QStringLiteral("tab"))->Code, QStringLiteral("<tab-php>"));
    EXPECT_EQ(TSnippetLookup::Find(&root, QStringLiteral("ec"))->Name, QStringLiteral("Echo"));
    EXPECT_EQ(TSnippetLookup::Find(&root, QStringLiteral("Tab")), nullptr);
    EXPECT_EQ(TSnippetLookup::Find(&root, QStringLiteral("ta")), nullptr);
    EXPECT_EQ(TSnippetLookup::Find(&root, QString()), nullptr);

    int start = -1;
    EXPECT_EQ(TSnippetLookup::WordAt(QStringLiteral("  foo_1(bar"), 7, start), QStringLiteral("foo_1"));
    EXPECT_EQ(start, 2);
    EXPECT_EQ(TSnippetLookup::WordAt(QStringLiteral("x tab"), 5, start), QStringLiteral("tab"));
    EXPECT_EQ(start, 2);
    EXPECT_EQ(TSnippetLookup::WordAt(QStringLiteral("a  "), 3, start), QString());
}

TEST(GeneratedActions, DocumentTypesAndSpecialCharactersGetTheirNamesCaptionsAndHints)
{
    TDocTypeList types(nullptr);
    ASSERT_TRUE(types.LoadFromBytes(QByteArrayLiteral(
        "<doctypes><doctype name=\"HTML 5\">&lt;!DOCTYPE html&gt;</doctype></doctypes>")));
    const auto typeActions = TGeneratedActions::DocTypes(types);
    ASSERT_EQ(typeActions.size(), 1u);
    EXPECT_EQ(typeActions[0].definition.name, QStringLiteral("FormatInsertDocType_Idx0"));
    EXPECT_EQ(typeActions[0].definition.caption, QStringLiteral("HTML 5"));
    EXPECT_EQ(typeActions[0].definition.hint, QStringLiteral("Fügt die !DOCTYPE-Angabe \"HTML 5\" ein."));
    EXPECT_EQ(typeActions[0].text, QStringLiteral("<!DOCTYPE html>"));

    TSpecialCharacterList characters(nullptr);
    ASSERT_TRUE(characters.LoadFromBytes(QByteArrayLiteral(
        "<chartab><char entity=\"&amp;amp;\" ascii=\"38\"/><char entity=\"&amp;euro;\" ascii=\"8364\"/></chartab>")));
    const auto charActions = TGeneratedActions::SpecialCharacters(characters);
    ASSERT_EQ(charActions.size(), 2u);
    EXPECT_EQ(charActions[0].definition.name, QStringLiteral("FormatInsertSpecialChar_ACII38"));
    // "&" doubled so that it is no accelerator.
    EXPECT_EQ(charActions[0].definition.caption, QStringLiteral("&&"));
    EXPECT_EQ(charActions[0].definition.hint, QStringLiteral("&amp;|Fügt das Sonderzeichen \"&\" in den Text ein."));
    EXPECT_EQ(charActions[1].definition.caption, QString(QChar(0x20AC)));
    EXPECT_EQ(charActions[1].text, QStringLiteral("&euro;"));
    EXPECT_EQ(TGeneratedActions::SpecialCharacterButtonName(8364), QStringLiteral("InsertSpecialChar_8364"));
}
