#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighters/TIHighlighters.h"
#include "search/TReplaceQuestion.h"
#include "search/TSearchDialogRules.h"
#include "search/TSearchResultModel.h"
#include "ui/TScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchDialogRulesTest, OnlyTheOptionBoxesOfTheShownTabCount)
{
    TSearchControls c;
    c.fileCase = c.fileWholeWord = c.fileRegEx = true;
    c.prompt = false;
    // Boxes ticked on the hidden file tab leave a search in the document alone.
    EXPECT_EQ(TSearchDialogRules::OptionsFromControls(c), TVYRASearchOptions(xsoWholeText));
    c.tab = 2;
    EXPECT_EQ(TSearchDialogRules::OptionsFromControls(c),
              TVYRASearchOptions(xsoCaseSensitive) | xsoWholeWord | xsoUseRegEx | xsoWholeText);
    c = {};
    c.tab = 1;
    c.textCase = c.textRegEx = c.backward = c.selectionOnly = c.fromCursor = true;
    EXPECT_EQ(TSearchDialogRules::OptionsFromControls(c),
              TVYRASearchOptions(xsoCaseSensitive) | xsoUseRegEx | xsoBackwards | xsoFromCursor | xsoReplacePrompt);
    c.tab = 2;
    EXPECT_FALSE(TSearchDialogRules::OptionsFromControls(c).testFlag(xsoCaseSensitive));
}

TEST(SearchDialogRulesTest, SelectionAndRegularExpressionChecksTellTheUserAndStop)
{
    TScriptedPrompter prompter;
    EXPECT_TRUE(TSearchDialogRules::CheckSelection(false, false, prompter));
    EXPECT_TRUE(TSearchDialogRules::CheckSelection(true, true, prompter));
    EXPECT_TRUE(prompter.prompts().isEmpty());
    EXPECT_FALSE(TSearchDialogRules::CheckSelection(true, false, prompter));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].text, "Der markierte Block ist ungültig.");
    EXPECT_EQ(prompter.prompts()[0].caption, "Suche");
    EXPECT_EQ(prompter.prompts()[0].icon, TPromptIcon::Warning);

    prompter.clear();
    // Without xsoUseRegEx the text is plain: no check.
    EXPECT_TRUE(TSearchDialogRules::CheckRegularExpression("a(b", {}, prompter));
    EXPECT_TRUE(TSearchDialogRules::CheckRegularExpression("a(b)", xsoUseRegEx, prompter));
    EXPECT_TRUE(prompter.prompts().isEmpty());
    EXPECT_FALSE(TSearchDialogRules::CheckRegularExpression("a(b", xsoUseRegEx, prompter));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts()[0].text.startsWith(
        "Der angegebene reguläre Ausdruck ist nicht gültig und kann nicht verarbeitet werden.\r\n\r\nDetails: \""));
    EXPECT_EQ(prompter.prompts()[0].caption, "Fehler in regulärem Ausdruck");
    EXPECT_EQ(prompter.prompts()[0].icon, TPromptIcon::Error);
}

TEST(SearchDialogRulesTest, FileMasksComeFromTheFileTypesOrTheTypedText)
{
    TVYRAExtensions extensions(QString(), nullptr);
    auto php = std::make_unique<TVYRAExtensionGroup>("PHP", QString(), nullptr, true, false, egtCustom);
    php->AddItem(std::make_unique<TVYRAFileExtension>("*.php"));
    php->AddItem(std::make_unique<TVYRAFileExtension>("*.inc"));
    auto css = std::make_unique<TVYRAExtensionGroup>("CSS", QString(), nullptr, true, false, egtCustom);
    css->AddItem(std::make_unique<TVYRAFileExtension>("*.css"));
    extensions.AddGroup(std::move(php));
    extensions.AddGroup(std::move(css));

    const QStringList entries = TSearchDialogRules::FileFilterEntries(&extensions);
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0], "Alle unterstützten Formate (*.php;*.inc;*.css)");
    EXPECT_EQ(TSearchDialogRules::FileMask(&extensions, 0, entries[0]), "*.php;*.inc;*.css");
    EXPECT_EQ(TSearchDialogRules::FileMask(&extensions, 2, entries[2]), "*.css");
    EXPECT_EQ(TSearchDialogRules::FileMask(&extensions, 3, entries[3]), "*.*");
    EXPECT_EQ(TSearchDialogRules::FileMask(&extensions, -1, "*.js; *.ts"), "*.js; *.ts");
    EXPECT_EQ(TSearchDialogRules::FileMask(&extensions, -1, "  "), "*.*");
}

TEST(SearchDialogRulesTest, NotFoundMessagesNameTheSearchText)
{
    TScriptedPrompter prompter;
    TSearchDialogRules::TellNotFoundInDocument("foo", prompter);
    TSearchDialogRules::TellNotFoundInFiles("bar", prompter);
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts()[0].text, "Suchbegriff \"foo\" wurde nicht im aktuellen Dokument gefunden.");
    EXPECT_EQ(prompter.prompts()[1].text, "Suchbegriff \"bar\" wurde nicht in den angegebenen Dateien gefunden.");
    EXPECT_EQ(prompter.prompts()[1].icon, TPromptIcon::Information);
    EXPECT_EQ(TSearchResultModel::PositionText(12, 5), "12 / 5");
}

TEST(SearchDialogRulesTest, ReplaceQuestionSkipsAnEqualHitAndMapsTheButtons)
{
    TScriptedPrompter prompter;
    EXPECT_EQ(TReplaceQuestion::Ask("neu", "neu", prompter), raSkip);
    EXPECT_TRUE(prompter.prompts().isEmpty());
    prompter.answerButton(TPromptButton::Yes);
    prompter.answerButton(TPromptButton::No);
    prompter.answerButton(TPromptButton::YesToAll);
    prompter.answerButton(TPromptButton::Cancel);
    EXPECT_EQ(TReplaceQuestion::Ask("alt", "neu", prompter), raReplace);
    EXPECT_EQ(TReplaceQuestion::Ask("alt", "neu", prompter), raSkip);
    EXPECT_EQ(TReplaceQuestion::Ask("alt", "neu", prompter), raReplaceAll);
    EXPECT_EQ(TReplaceQuestion::Ask("alt", "neu", prompter), raCancel);
    EXPECT_EQ(prompter.prompts()[0].text, "Dieses Vorkommen von 'alt' ersetzen?");
}

} // namespace
