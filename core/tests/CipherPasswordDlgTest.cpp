#include "ciphers/TPasswordDlg.h"
#include "ui/TScriptedPrompter.h"
#include "utils/Hashes.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(PasswordDlgRules, DefineLayoutNeedsTwoEqualPasswords)
{
    TPasswordDlgRules rules(TPasswordLayout::plDefine);
    EXPECT_EQ(rules.PasswordEditWidth(), 137);
    EXPECT_EQ(rules.ClientHeight(), 201);
    rules.SetTexts(QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_TRUE(rules.MismatchVisible());
    EXPECT_FALSE(rules.OkEnabled());
    rules.SetTexts(QStringLiteral("ab"), QStringLiteral("ab"));
    EXPECT_FALSE(rules.MismatchVisible());
    EXPECT_TRUE(rules.OkEnabled());
    EXPECT_EQ(rules.QualityLabel(), QStringLiteral("Qualität des Passwortes (2 Zeichen):"));
    rules.SetTexts(QStringLiteral("Passwort1"), QStringLiteral("Passwort1"));
    EXPECT_EQ(rules.QualityPercent(), 25);
    EXPECT_EQ(rules.QualityColor(), QColor(255, 0, 0));
    rules.SetTexts(QString(), QString());
    EXPECT_FALSE(rules.OkEnabled());
    // A character no stored password can hold keeps OK off.
    rules.SetTexts(QStringLiteral("пароль"), QStringLiteral("пароль"));
    EXPECT_TRUE(rules.UnstorableVisible());
    EXPECT_FALSE(rules.OkEnabled());
}

TEST(PasswordDlgRules, EnterLayoutNeedsOnePassword)
{
    TPasswordDlgRules rules(TPasswordLayout::plEnter);
    EXPECT_EQ(rules.PasswordEditWidth(), 289);
    EXPECT_EQ(rules.ClientHeight(), 161);
    rules.SetTexts(QStringLiteral("x"), QStringLiteral("anything"));
    EXPECT_FALSE(rules.MismatchVisible());
    EXPECT_TRUE(rules.OkEnabled());
    EXPECT_TRUE(rules.HintText().startsWith(QStringLiteral("Das angeforderte Dokument")));
}

TEST(PasswordDlg, WidgetsFollowTheRules)
{
    TPasswordDlg dialog(TPasswordLayout::plDefine, QStringLiteral("/home/u/geheim.qcd"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Talvex - Passworteingabe"));
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("lbDokument"))->text(), QStringLiteral("geheim.qcd"));
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    EXPECT_EQ(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    dialog.PasswordEdit()->setText(QStringLiteral("a"));
    dialog.RepeatEdit()->setText(QStringLiteral("b"));
    EXPECT_FALSE(dialog.MismatchLabel()->isHidden());
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.RepeatEdit()->setText(QStringLiteral("a"));
    EXPECT_TRUE(dialog.MismatchLabel()->isHidden());
    EXPECT_TRUE(dialog.OkButton()->isEnabled());

    TPasswordDlg enter(TPasswordLayout::plEnter, QStringLiteral("x.qcd"));
    EXPECT_TRUE(enter.RepeatEdit()->isHidden());
    EXPECT_TRUE(enter.QualityGauge()->isHidden());
}

TEST(PasswordDlg, CancelIsNotTheEmptyPassword)
{
    TScriptedPrompter script;
    TPrompterScope scope(script);
    script.answerText(std::nullopt);
    EXPECT_FALSE(TPasswordDlg::GetPassword(QStringLiteral("a.qcd")).has_value());
    script.answerText(QString());
    EXPECT_EQ(TPasswordDlg::GetPassword(QStringLiteral("a.qcd")), SHA_Hash(QString()));
    script.answerText(QStringLiteral("geheim"));
    EXPECT_EQ(TPasswordDlg::SetPassword(QStringLiteral("a.qcd")), SHA_Hash(QStringLiteral("geheim")));
    EXPECT_EQ(script.prompts().last().caption, QStringLiteral("Talvex - Passworteingabe"));

    QString entered;
    script.answerText(std::nullopt);
    EXPECT_EQ(TPasswordDlg::PromptPassword(QStringLiteral("a"), SHA_Hash(QString()), false, entered),
              TPasswordPromptResult::ppCancelled);
    script.answerText(QStringLiteral("geheim"));
    EXPECT_EQ(TPasswordDlg::PromptPassword(QStringLiteral("a"), SHA_Hash(SHA_Hash(QStringLiteral("geheim"))), true,
                                           entered),
              TPasswordPromptResult::ppMatch);
    script.answerText(QStringLiteral("falsch"));
    EXPECT_EQ(TPasswordDlg::PromptPassword(QStringLiteral("a"), SHA_Hash(QStringLiteral("geheim")), false, entered),
              TPasswordPromptResult::ppMismatch);
}
