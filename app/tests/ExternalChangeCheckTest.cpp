#include "TestContainerHost.h"
#include "recovery/TExternalChangeCheck.h"
#include "recovery/TFileStamp.h"
#include "ui/TScriptedPrompter.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using TResult = TExternalChangeCheck::TResult;

// One plain file open, remembered as the main window does after opening.
struct CheckHost : TestContainerHost {
    TScriptedPrompter prompter;
    TExternalChangeCheck check{*container, prompter};
    QString file;

    CheckHost()
    {
        file = write("seite.html", "<h1>alt</h1>\n");
        EXPECT_EQ(container->OpenDocument(file), lrSuccess);
        check.Remember(doc(0));
    }
    // Another program writes the file (same size: only the content tells).
    void changeOnDisk(const QByteArray &bytes = "<h1>neu</h1>\n") { TestSupport::writeFile(file, bytes); }
};

} // namespace

TEST(FileStamp, SmallFilesAreComparedByContent)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("a.txt");
    TestSupport::writeFile(file, "eins");
    const TFileStamp first = TFileStamp::Of(file);
    EXPECT_TRUE(first.exists);
    EXPECT_EQ(first.size, 4);
    TestSupport::writeFile(file, "eins");
    EXPECT_TRUE(TFileStamp::Of(file).SameAs(first)) << "rewritten with the same content";
    TestSupport::writeFile(file, "zwei");
    EXPECT_FALSE(TFileStamp::Of(file).SameAs(first)) << "same size, same second, other content";
    QFile::remove(file);
    EXPECT_FALSE(TFileStamp::Of(file).exists);
    EXPECT_FALSE(TFileStamp::Of(file).SameAs(first));
}

TEST(ExternalChangeCheck, AnUnchangedFileAsksNothing)
{
    CheckHost host;
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Unchanged);
    ASSERT_EQ(host.container->NewDocument(), 1);
    host.check.Remember(host.doc(1));
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(1)), TResult::NotWatched) << "a new document has no file";
    EXPECT_TRUE(host.prompter.prompts().isEmpty());
}

TEST(ExternalChangeCheck, ReloadTakesTheFileAndLeavesTheDocumentUnmodified)
{
    CheckHost host;
    host.changeOnDisk();
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Reloaded);
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_TRUE(host.prompter.prompts()[0].text.startsWith(
        QStringLiteral("Die Datei \"%1\" wurde außerhalb von Talvex Studio geändert.").arg(host.file)));
    EXPECT_EQ(host.prompter.prompts()[0].defaultButton, TPromptButton::Yes);
    EXPECT_EQ(host.code(0)->text(), "<h1>neu</h1>\n");
    EXPECT_FALSE(host.doc(0)->GetModified());
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Unchanged);
    EXPECT_TRUE(host.check.ConfirmSave(host.doc(0)));
    EXPECT_EQ(host.prompter.prompts().size(), 1);
}

TEST(ExternalChangeCheck, KeepingTheTextIsAskedOnceAndNeverOverwrittenSilently)
{
    CheckHost host;
    host.type(0, QStringLiteral("<p>meins</p>"));
    host.changeOnDisk();
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Kept);
    EXPECT_EQ(host.prompter.prompts()[0].defaultButton, TPromptButton::No) << "unsaved edits: keeping is the default";
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains("ungespeicherten Änderungen"));
    EXPECT_EQ(host.code(0)->text(), "<h1>alt</h1>\n<p>meins</p>");
    EXPECT_TRUE(host.doc(0)->GetModified());

    // The same state again: no nagging, and the save goes ahead.
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Unchanged);
    EXPECT_TRUE(host.check.ConfirmSave(host.doc(0)));
    EXPECT_EQ(host.prompter.prompts().size(), 1);

    // Changed once more: asked again, on saving too.
    host.changeOnDisk("<h1>neuer</h1>\n");
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_FALSE(host.check.ConfirmSave(host.doc(0)));
    ASSERT_EQ(host.prompter.prompts().size(), 2);
    EXPECT_TRUE(host.prompter.prompts()[1].text.contains("überschrieben"));
    EXPECT_EQ(TestSupport::readFile(host.file), "<h1>neuer</h1>\n");
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_TRUE(host.check.ConfirmSave(host.doc(0)));
    ASSERT_TRUE(host.container->SaveDocument(0));
    host.check.Remember(host.doc(0));
    EXPECT_EQ(TestSupport::readFile(host.file), "<h1>alt</h1>\n<p>meins</p>");
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Unchanged);
    EXPECT_EQ(host.prompter.unexpectedCount(), 0);
}

TEST(ExternalChangeCheck, ADeletedFileIsReportedAndItsTextKept)
{
    CheckHost host;
    ASSERT_TRUE(QFile::remove(host.file));
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Deleted);
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].icon, TPromptIcon::Warning);
    EXPECT_TRUE(host.prompter.prompts()[0].text.contains(host.file));
    EXPECT_TRUE(host.doc(0)->GetModified());
    EXPECT_EQ(host.code(0)->text(), "<h1>alt</h1>\n");
    EXPECT_EQ(host.check.CheckOnActivate(host.doc(0)), TResult::Unchanged) << "reported once";
    EXPECT_TRUE(host.check.ConfirmSave(host.doc(0))) << "saving writes the file anew";
    ASSERT_TRUE(host.container->SaveDocument(0));
    EXPECT_EQ(TestSupport::readFile(host.file), "<h1>alt</h1>\n");
    EXPECT_EQ(host.prompter.prompts().size(), 1);
}
