#include "ui/TScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(Prompter, WithoutInstalledPrompterQuestionsAreRefused)
{
    TPrompter &fallback = TPrompter::instance();
    EXPECT_FALSE(fallback.confirm(QStringLiteral("Datei löschen?")));
    EXPECT_FALSE(fallback.askPassword(QStringLiteral("Passwort"), QStringLiteral("Passwort:")).has_value());
}

TEST(Prompter, ScriptedAnswersAndRecordsWithConventionalCaptions)
{
    TScriptedPrompter script;
    TPrompterScope scope(script);
    script.answerButton(TPromptButton::Yes);
    script.answerText(QStringLiteral("geheim"));

    EXPECT_TRUE(TPrompter::instance().confirm(QStringLiteral("Weiter?")));
    EXPECT_EQ(TPrompter::instance().askPassword(QStringLiteral("Passwort"), QStringLiteral("Ihr Passwort:")),
              QStringLiteral("geheim"));
    TPrompter::instance().error(QStringLiteral("Kaputt"));

    ASSERT_EQ(script.prompts().size(), 3);
    EXPECT_EQ(script.prompts()[0].caption, QStringLiteral("Bestätigen"));
    EXPECT_EQ(script.prompts()[0].buttons, TPromptButton::Yes | TPromptButton::No);
    EXPECT_EQ(script.prompts()[1].kind, TPrompt::Kind::Password);
    EXPECT_EQ(script.prompts()[2].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(script.prompts()[2].icon, TPromptIcon::Error);
    EXPECT_EQ(script.unexpectedCount(), 1); // the error message had no scripted answer
}

TEST(Prompter, ScopeRestoresPreviousPrompter)
{
    TScriptedPrompter outer;
    TPrompterScope outerScope(outer);
    {
        TScriptedPrompter inner;
        TPrompterScope innerScope(inner);
        EXPECT_EQ(&TPrompter::instance(), &inner);
    }
    EXPECT_EQ(&TPrompter::instance(), &outer);
}
