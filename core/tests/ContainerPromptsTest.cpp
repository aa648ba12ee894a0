#include "TestContainerHost.h"
#include "container/TVYRAContainerMessages.h"
#include "container/TVYRAContainerPrompts.h"
#include "settings/TVYRAAdvancedSettings.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The container's events answered by the program's prompts.
struct PromptHost : TestContainerHost {
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    PromptHost() { TVYRAContainerPrompts::Install(*container); }

    bool answer(TVYRAEvent event, const QString &fileName, QObject *sender = nullptr)
    {
        bool canContinue = false;
        TVYRAContainerPrompts::Answer(container, {sender, EventTypeOf(event), event, fileName, {}}, canContinue);
        return canContinue;
    }
};

} // namespace

TEST(ContainerPrompts, AMissingFileIsCreatedEmptyOnYes)
{
    PromptHost host;
    const QString file = host.path("neu/leer.txt");
    host.prompter.answerButton(TPromptButton::Yes);
    ASSERT_EQ(host.container->OpenDocument(file), lrSuccess);
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    const TPrompt asked = host.prompter.prompts()[0];
    EXPECT_EQ(asked.text,
              QStringLiteral("Die angegebene Datei \"%1\" existiert nicht. Soll diese erstellt werden?").arg(file));
    EXPECT_EQ(asked.caption, "Datei existiert nicht");
    EXPECT_EQ(asked.buttons, TPromptButton::Yes | TPromptButton::No);
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_EQ(QFileInfo(file).size(), 0);
    // No answers false and creates nothing.
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_EQ(host.container->OpenDocument(host.path("nein.txt")), lrUserCancel);
    EXPECT_FALSE(QFileInfo::exists(host.path("nein.txt")));
    // An existing file answers true without a question.
    host.prompter.clear();
    EXPECT_TRUE(host.answer(evFileNotFound, file));
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
}

TEST(ContainerPrompts, AFileThatCannotBeCreatedIsReportedWithTheReason)
{
    PromptHost host;
    const QString blocker = host.write("datei", "x");
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_FALSE(host.answer(evFileNotFound, blocker + "/neu.txt"));
    ASSERT_EQ(host.prompter.prompts().size(), 2);
    const TPrompt error = host.prompter.prompts()[1];
    EXPECT_TRUE(error.text.startsWith(QStringLiteral("Fehler beim Erstellen der Datei \"%1/neu.txt\".\r\nDetails: ")
                                          .arg(blocker)))
        << error.text.toStdString();
    EXPECT_GT(error.text.size(), error.text.indexOf("Details: ") + 9) << "the reason follows";
    EXPECT_EQ(error.caption, "Fehler");
}

TEST(ContainerPrompts, UnsupportedFormatsAreAskedAboutOnlyWhenTheSettingIsOn)
{
    PromptHost host;
    // The framework's settings have no such setting: no question.
    EXPECT_TRUE(host.answer(evFileNotSupported, "/x/bild.xyz"));
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
    // With the setting (a property of the program's settings class).
    host.core->Settings()->Advanced()->setProperty("WarnUnsupportedFileOpenAttempt", true);
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_FALSE(host.answer(evFileNotSupported, "/x/bild.xyz"));
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].caption, "Dateiformat wird nicht unterstützt");
    EXPECT_TRUE(host.prompter.prompts()[0].text.startsWith("Das Format der angegebenen Datei wird nicht"));
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("/x/bild.xyz")) << "the file is named";
}

TEST(ContainerPrompts, TheRtfQuestionHasThreeAnswers)
{
    PromptHost host;
    QDir().mkpath(host.path(QString()));
    ASSERT_EQ(host.container->NewDocument(), 0);
    host.type(0, "schlicht");
    TVYRADocument *document = host.doc(0);
    // Cancel stops the save.
    host.prompter.answerButton(TPromptButton::Cancel);
    EXPECT_FALSE(host.container->SaveDocument(0, host.path("a.rtf")));
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].buttons, TPromptButton::Yes | TPromptButton::No | TPromptButton::Cancel);
    EXPECT_EQ(host.prompter.prompts()[0].caption, "Warnung");
    EXPECT_FALSE(QFileInfo::exists(host.path("a.rtf")));
    EXPECT_TRUE(document->GetModified());
    // No saves as it is.
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_TRUE(host.container->SaveDocument(0, host.path("a.rtf")));
    // Yes switches the document to plain text and goes on.
    document->SetPlainText(false);
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_TRUE(host.answer(evRTFInPlainText, host.path("a.rtf"), document));
    EXPECT_TRUE(document->PlainText());
}

TEST(ContainerPrompts, AFileOpenedTwiceIsReloadedOnYes)
{
    PromptHost host;
    const QString file = host.write("a.txt", "alt");
    ASSERT_EQ(host.container->OpenDocument(file), lrSuccess);
    host.write("a.txt", "neu");
    host.prompter.answerButton(TPromptButton::Yes);
    ASSERT_EQ(host.container->OpenDocument(file), lrSuccess);
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].caption, "Datei bereits geöffnet");
    EXPECT_EQ(host.prompter.prompts()[0].text,
              QStringLiteral("Die Datei \"%1\" ist bereits in dieser Projektgruppe vorhanden. Möchten Sie "
                             "Originaldatei neu von der Festplatte laden?")
                  .arg(file));
    EXPECT_EQ(host.container->GetDocumentCount(), 1);
    EXPECT_EQ(host.code(0)->text(), "neu");
}

TEST(ContainerPrompts, ErrorsUseTheirCaptionsAndNameTheFile)
{
    EXPECT_EQ(TVYRAContainerMessages::Text(evGenericError, "/a/b.txt"), "Allgemeiner Fehler.\r\n\r\nDatei: /a/b.txt");
    EXPECT_EQ(TVYRAContainerMessages::Text(evUserCancel, "/a", "Grund"),
              "Die Aktion wurde vom Benutzer abgebrochen.\r\n\r\nDatei: /a\r\nDetails: Grund");
    EXPECT_EQ(TVYRAContainerMessages::Caption(evProjectAlreadyOpen), "Projektgruppe bereits geöffnet.");
    EXPECT_EQ(TVYRAContainerMessages::Caption(evMayNotOpenProjectGroup), "Berechtigungsfehler");
    EXPECT_EQ(TVYRAContainerMessages::Caption(evMayNotChangeEditorMode), "Berechtigungsfehler");
    EXPECT_EQ(TVYRAContainerMessages::Caption(evInvalidFileFormat), "Ungültiges Dateiformat");
    EXPECT_EQ(TVYRAContainerMessages::Caption(evWrongPassword), "Fehler");
    EXPECT_EQ(TVYRAContainerMessages::Caption(evBadFile), "Warnung");

    PromptHost host;
    EXPECT_FALSE(host.answer(evProjectAlreadyOpen, "/p/shop.qpg"));
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].icon, TPromptIcon::Warning);
    EXPECT_FALSE(host.answer(evWrongPassword, "/p/geheim.qcd"));
    EXPECT_EQ(host.prompter.prompts()[1].icon, TPromptIcon::Error);
    EXPECT_TRUE(host.prompter.prompts()[1].text.contains("/p/geheim.qcd"));
    // Notices and questions without their own answer go on silently.
    EXPECT_TRUE(host.answer(evFileSaved, "/p/a.txt"));
    EXPECT_TRUE(host.answer(evEditorModeChanged, "/p/a.txt"));
    EXPECT_EQ(host.prompter.prompts().size(), 2);
}
