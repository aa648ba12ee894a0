#include "TestContainerHost.h"
#include "recovery/TAutoSaver.h"
#include "settings/TVYRAAutoSave.h"
#include "ui/TScriptedPrompter.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Three documents: an edited file, an unchanged file and an edited new
// document. The save function stands for the document commands: files are
// saved; a new document gets a name from the script (empty: the save-as
// dialog was cancelled).
struct SaverHost : TestContainerHost {
    TVYRAAutoSave settings;
    TScriptedPrompter prompter;
    QList<QString> asked;
    QStringList names;
    std::unique_ptr<TAutoSaver> saver;

    SaverHost()
    {
        EXPECT_EQ(container->OpenDocument(write("geaendert.html", "<p>")), lrSuccess);
        EXPECT_EQ(container->OpenDocument(write("gleich.css", "a {}")), lrSuccess);
        EXPECT_EQ(container->NewDocument(), 2);
        type(0, QStringLiteral("neu"));
        type(2, QStringLiteral("Entwurf"));
        settings.Enabled = true;
        settings.Intervall = 5;
        saver = std::make_unique<TAutoSaver>(*container, settings, prompter, [this](int index) {
            TVYRADocument *document = doc(index);
            asked << QFileInfo(document->GetFileName()).fileName();
            if (document->GetFileExists())
                return container->SaveDocument(index);
            const QString name = names.isEmpty() ? QString() : names.takeFirst();
            return !name.isEmpty() && container->SaveDocument(index, path(name));
        });
    }
};

} // namespace

TEST(AutoSaver, TheTypesSelectModifiedDocumentsOnly)
{
    {
        SaverHost host;
        host.settings.Types = asAll;
        host.names << QStringLiteral("entwurf.txt");
        EXPECT_EQ(host.saver->SaveNow(), 2);
        EXPECT_EQ(host.asked, (QList<QString>{"geaendert.html", "Dokument1"}));
        EXPECT_EQ(TestSupport::readFile(host.path("geaendert.html")), "<p>neu");
        EXPECT_EQ(TestSupport::readFile(host.path("entwurf.txt")), "Entwurf");
        EXPECT_TRUE(host.prompter.prompts().isEmpty()) << "no messages without the options";
        EXPECT_EQ(host.saver->SaveNow(), 0) << "nothing modified is left";
    }
    {
        SaverHost host;
        host.settings.Types = asOnlyExistingFiles;
        EXPECT_EQ(host.saver->SaveNow(), 1);
        EXPECT_EQ(host.asked, (QList<QString>{"geaendert.html"}));
        EXPECT_TRUE(host.doc(2)->GetModified());
    }
    {
        SaverHost host;
        host.settings.Types = asOnlyNewDocs;
        EXPECT_EQ(host.saver->SaveNow(), 0) << "the name request was cancelled";
        EXPECT_EQ(host.asked, (QList<QString>{"Dokument1"}));
        EXPECT_EQ(host.saver->SaveNow(), 0);
        EXPECT_EQ(host.asked.size(), 1) << "a cancelled name request is not repeated";
        EXPECT_TRUE(host.doc(0)->GetModified()) << "files are left to the other types";
    }
}

TEST(AutoSaver, ConfirmationAndSuccessMessagesNameTheDocuments)
{
    SaverHost host;
    host.settings.Types = asOnlyExistingFiles;
    host.settings.Options = asoConfirmAutoSave | asoShowSuccessMessage;
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_EQ(host.saver->SaveNow(), 0);
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("geaendert.html"));
    EXPECT_TRUE(host.asked.isEmpty()) << "declined: nothing saved";
    EXPECT_TRUE(host.doc(0)->GetModified());

    host.prompter.clear();
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_EQ(host.saver->SaveNow(), 1);
    ASSERT_EQ(host.prompter.prompts().size(), 2);
    EXPECT_EQ(host.prompter.prompts()[1].icon, TPromptIcon::Information);
    EXPECT_TRUE(host.prompter.prompts()[1].text.contains("Automatisch gespeichert:\n  • geaendert.html"));

    // A failure is never told as a success.
    host.prompter.clear();
    host.settings.Types = asOnlyNewDocs;
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_EQ(host.saver->SaveNow(), 0);
    ASSERT_EQ(host.prompter.prompts().size(), 2);
    EXPECT_EQ(host.prompter.prompts()[1].icon, TPromptIcon::Warning);
    EXPECT_TRUE(host.prompter.prompts()[1].text.contains("Nicht gespeichert:\n  • Dokument1"));
    EXPECT_FALSE(host.prompter.prompts()[1].text.contains("Automatisch gespeichert"));
}

TEST(AutoSaver, ChangedOnlyWaitsForANewChangeAfterAFailedOrDeclinedRun)
{
    SaverHost host;
    host.settings.Types = asOnlyExistingFiles;
    host.settings.Options = asoChangedOnly | asoConfirmAutoSave;
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_EQ(host.saver->SaveNow(), 0);
    EXPECT_EQ(host.saver->SaveNow(), 0);
    EXPECT_EQ(host.prompter.prompts().size(), 1) << "unchanged since the declined run: not asked again";
    host.type(0, QStringLiteral("!"));
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_EQ(host.saver->SaveNow(), 1);
    EXPECT_EQ(TestSupport::readFile(host.path("geaendert.html")), "<p>neu!");
}

TEST(AutoSaver, TheIntervalIsInMinutesAndGuarded)
{
    SaverHost host;
    host.settings.Intervall = 3;
    host.saver->ApplySettings();
    EXPECT_EQ(host.saver->IntervalMs(), 3 * 60 * 1000);
    for (int bad : {0, -4}) {
        host.settings.Intervall = bad;
        host.saver->ApplySettings();
        EXPECT_FALSE(host.saver->IsActive()) << bad;
    }
    host.settings.Intervall = 1000000;
    host.saver->ApplySettings();
    EXPECT_EQ(host.saver->IntervalMs(), TAutoSaver::MaxIntervalMinutes * 60 * 1000);
    host.settings.Intervall = 3;
    host.settings.Enabled = false;
    host.saver->ApplySettings();
    EXPECT_FALSE(host.saver->IsActive());
}
