#include "DocumentCommandsHost.h"

#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"

#include <QAction>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using Host = DocumentCommandsHost;

const QString CloseQuestion = QStringLiteral("Der Text in der Datei \"%1\" wurde geändert. Änderungen "
                                             "speichern?\r\n\r\nKlicken Sie auf \"Abbrechen\", um zu Talvex Studio "
                                             "zurückzukehren.");

TCloseAnswer leave(TCloseDialogModel &)
{
    return TCloseAnswer::caLeaveWithoutSaving;
}

TCloseAnswer cancel(TCloseDialogModel &)
{
    return TCloseAnswer::caCancel;
}

} // namespace

// ---------------------------------------------------------------------------
// Target group, new and open

TEST(DocumentCommands, NewAndOpenedFilesGoIntoTheActiveGroupByTheTargetRule)
{
    Host host;
    // No group open: the default group.
    ASSERT_EQ(host.commands->NewDocument(), 0);
    EXPECT_EQ(host.container->ProjectOf(host.doc(0)), host.container->GetDefaultGroup());
    // One group (the default group): that one.
    EXPECT_EQ(host.commands->ActiveProjectGroup(), host.container->GetDefaultGroup());

    TVYRAProjectGroupItems *shop = host.openProject("shop.qpg", "Shop");
    ASSERT_NE(shop, nullptr);
    ASSERT_EQ(host.groups()->Count(), 2);
    EXPECT_EQ(host.count(), 1) << "a project-group file never becomes a document";
    // Two groups, none selected: no active group, so the default group.
    EXPECT_EQ(host.commands->ActiveProjectGroup(), nullptr);
    host.commands->OpenFiles({host.write("a.txt", "a")});
    EXPECT_EQ(host.container->ProjectOf(host.doc(1)), host.container->GetDefaultGroup());
    // The group selected in the project list.
    host.selected = shop;
    host.commands->OpenFiles({host.write("b.txt", "b")});
    EXPECT_EQ(host.container->ProjectOf(host.doc(2)), shop);
    host.commands->NewDocument();
    EXPECT_EQ(host.container->ProjectOf(host.doc(3)), shop);
    // fooAddToDefault ignores the selection.
    host.core->Settings()->Behavior()->FileOpenOptions = VYRASettingsTypes::fooAddToDefault;
    host.commands->OpenFiles({host.write("c.txt", "c")});
    EXPECT_EQ(host.container->ProjectOf(host.doc(4)), host.container->GetDefaultGroup());
    // A selection that is no longer open counts as none.
    host.core->Settings()->Behavior()->FileOpenOptions = VYRASettingsTypes::fooAddToActive;
    host.closeScript.push_back(leave);
    ASSERT_TRUE(host.commands->CloseProjectGroup(shop));
    EXPECT_EQ(host.commands->ActiveProjectGroup(), host.container->GetDefaultGroup());
    EXPECT_EQ(host.prompter.unexpectedCount(), 0);
}

TEST(DocumentCommands, TheOpenDialogOffersEveryTypeAndOpensTheChosenFilesAsOneBatch)
{
    Host host;
    const QString a = host.write("a.php", "<?php"), b = host.write("b.html", "<p>"), c = host.write("c.css", "p{}");
    TVYRAProjectGroupItems *shop = host.openProject("shop.qpg", "Shop");
    ASSERT_NE(shop, nullptr);
    shop->SetFileFolder(host.path(QString()));
    host.listsChanged = 0;
    QList<bool> batchState;
    host.betweenFiles = [&] { batchState << host.commands->IsOpeningBatch(); };
    host.dialogs.answerOpen({a, b, c});
    host.commands->Open();
    ASSERT_EQ(host.dialogs.openRequests().size(), 1);
    const TOpenFilesRequest request = host.dialogs.openRequests().first();
    EXPECT_EQ(request.title, "Dokument öffnen");
    EXPECT_TRUE(request.multiSelect);
    EXPECT_TRUE(request.filter.startsWith("Alle unterstützten Formate|")) << request.filter.toStdString();
    EXPECT_TRUE(request.filter.endsWith("Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(request.startFolder, host.path(QString())) << "the folder of the active group";
    ASSERT_EQ(host.count(), 3);
    EXPECT_EQ(host.doc(2)->GetFileName(), c);
    EXPECT_EQ(host.listsChanged, 1) << "the lists are rebuilt once per batch";
    EXPECT_EQ(batchState, QList<bool>({true, true, true}));
    EXPECT_FALSE(host.commands->IsOpeningBatch());
    EXPECT_EQ(host.core->RecentFiles()->Items().first(), c);
}

TEST(DocumentCommands, ABatchStopsWhenTheProgramEnds)
{
    Host host;
    const QStringList files = {host.write("1.txt", "1"), host.write("2.txt", "2"), host.write("3.txt", "3")};
    host.betweenFiles = [&] { host.terminating = host.count() == 2; };
    host.commands->OpenFiles(files);
    EXPECT_EQ(host.count(), 2);
    EXPECT_EQ(host.listsChanged, 1);
}

TEST(DocumentCommands, RegistersTheFileCommands)
{
    Host host;
    TActionRegistry registry;
    registry.AddAll(TActionCatalogue::Standard());
    registry.Install(*host.commands);
    for (const char *name : {"FileNew", "FileOpen", "FileOpenTemplate", "FileSave", "FileSaveAs", "FileSaveAll",
                             "FileClose", "FileCloseAll", "FileExit"})
        EXPECT_TRUE(registry.HasHandler(QString::fromLatin1(name))) << name;
    registry.Action("FileNew")->setEnabled(true);
    registry.Action("FileNew")->trigger();
    EXPECT_EQ(host.count(), 1);
}

// ---------------------------------------------------------------------------
// Save and save as

TEST(DocumentCommands, SavingANewDocumentProposesItsNameWithTheDefaultExtension)
{
    Host host;
    ASSERT_EQ(host.commands->NewDocument(), 0);
    host.type(0, "<?php echo 1;");
    host.dialogs.answerSave(host.path("seite.php"));
    ASSERT_TRUE(host.commands->Save(0));
    ASSERT_EQ(host.dialogs.saveRequests().size(), 1);
    const TSaveFileRequest request = host.dialogs.saveRequests().first();
    EXPECT_EQ(request.title, "Dokument1 speichern unter...");
    EXPECT_EQ(request.suggestedName, "Dokument1.php");
    EXPECT_EQ(request.defaultExtension, "php");
    EXPECT_FALSE(request.filter.contains("*.qpg"));
    EXPECT_FALSE(request.filter.contains("*.jpg"));
    EXPECT_TRUE(request.filter.endsWith("Alle Dateien (*.*)|*.*"));
    EXPECT_GE(request.filterIndex, 1) << "at least the entry for every file matches";
    EXPECT_EQ(host.read("seite.php"), "<?php echo 1;");
    EXPECT_FALSE(host.doc(0)->GetModified());
    // Saved and unmodified: Save does nothing and asks nothing.
    EXPECT_TRUE(host.commands->Save(0));
    EXPECT_EQ(host.dialogs.saveRequests().size(), 1);
    // Modified with a file: saved under its own name without a dialog.
    host.type(0, " echo 2;");
    EXPECT_TRUE(host.commands->Save(0));
    EXPECT_EQ(host.dialogs.saveRequests().size(), 1);
    EXPECT_EQ(host.read("seite.php"), "<?php echo 1; echo 2;");
}

TEST(DocumentCommands, SaveAsStartsInTheFileFolderAndAsksBeforeReplacingAFile)
{
    Host host;
    const QString source = host.write("quelle.txt", "quelle");
    const QString target = host.write("ziel.txt", "alt");
    host.commands->OpenFiles({source});
    host.type(0, " neu");
    // No: the old file stays, the document stays modified under its name.
    host.dialogs.answerSave(target);
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_FALSE(host.commands->Save(0, true));
    const TSaveFileRequest request = host.dialogs.saveRequests().first();
    EXPECT_EQ(request.title, "quelle.txt speichern unter...");
    EXPECT_EQ(request.startFolder, QFileInfo(source).absolutePath());
    EXPECT_EQ(request.suggestedName, "quelle.txt");
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].text,
              QStringLiteral("Die Datei \"%1\" existiert bereits!\r\n\r\nMöchten Sie die Datei überschreiben?")
                  .arg(target));
    EXPECT_EQ(host.prompter.prompts()[0].caption, "Datei überschreiben");
    EXPECT_EQ(host.read("ziel.txt"), "alt");
    EXPECT_EQ(host.doc(0)->GetFileName(), source);
    EXPECT_TRUE(host.doc(0)->GetModified());
    // Yes: replaced.
    host.dialogs.answerSave(target);
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_TRUE(host.commands->Save(0, true));
    EXPECT_EQ(host.read("ziel.txt"), "quelle neu");
    EXPECT_EQ(host.read("quelle.txt"), "quelle");
    EXPECT_EQ(host.doc(0)->GetFileName(), target);
    EXPECT_EQ(host.prompter.prompts().size(), 2) << "asked once per save";
}

TEST(DocumentCommandsFaults, AFailedOverwriteLeavesTheOldFileWhole)
{
    Host host;
    // Read as Windows-1252 (not UTF-8), so a Chinese character cannot be written back.
    const QString source = host.write("alt1252.txt", "Gr\xfc\xdf" "e");
    const QString target = host.write("ziel.txt", "bleibt");
    host.commands->OpenFiles({source});
    host.type(0, QStringLiteral(" 中"));
    host.dialogs.answerSave(target);
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_FALSE(host.commands->Save(0, true));
    EXPECT_EQ(host.read("ziel.txt"), "bleibt") << "the old file is never deleted before the new one is complete";
    EXPECT_TRUE(host.doc(0)->GetModified());
    EXPECT_EQ(host.doc(0)->GetFileName(), source);
    EXPECT_TRUE(host.text(0).endsWith(QStringLiteral(" 中")));
}

TEST(DocumentCommands, SaveAllSavesEveryDocumentThenTheGroups)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a"), host.write("b.txt", "b")});
    host.type(0, "1");
    host.type(1, "2");
    // The default group is modified by the documents; it is asked a name for.
    host.dialogs.answerSave(host.path("gruppe.qpg"));
    EXPECT_TRUE(host.commands->SaveAll());
    EXPECT_EQ(host.read("a.txt"), "a1");
    EXPECT_EQ(host.read("b.txt"), "b2");
    EXPECT_TRUE(QFileInfo(host.path("gruppe.qpg")).isFile());
    ASSERT_EQ(host.dialogs.saveRequests().size(), 1);
    EXPECT_EQ(host.dialogs.saveRequests()[0].title, "Unbenanntes Projekt speichern unter...");
}

TEST(DocumentCommands, BeforeSaveCanVetoASave)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a")});
    host.type(0, "b");
    TDocumentCommandsHost vetoing;
    vetoing.beforeSave = [](TVYRADocument *) { return false; };
    TDocumentCommands commands(*host.core, host.dialogs, vetoing);
    EXPECT_FALSE(commands.Save(0));
    EXPECT_EQ(host.read("a.txt"), "a");
    EXPECT_TRUE(host.doc(0)->GetModified());
}

// ---------------------------------------------------------------------------
// Close one document

TEST(DocumentCommands, ClosingAModifiedDocumentAsksAndCancelKeepsIt)
{
    Host host;
    const QString file = host.write("a.txt", "a");
    host.commands->OpenFiles({file});
    host.type(0, "b");
    host.prompter.answerButton(TPromptButton::Cancel);
    EXPECT_FALSE(host.commands->CloseDocument(0));
    ASSERT_EQ(host.prompter.prompts().size(), 1);
    EXPECT_EQ(host.prompter.prompts()[0].text, CloseQuestion.arg(file));
    EXPECT_EQ(host.prompter.prompts()[0].caption, "Bestätigen");
    EXPECT_EQ(host.prompter.prompts()[0].buttons,
              TPromptButton::Yes | TPromptButton::No | TPromptButton::Cancel);
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(host.text(0), "ab");
    // No closes without saving.
    host.prompter.answerButton(TPromptButton::No);
    EXPECT_TRUE(host.commands->CloseDocument(0));
    EXPECT_EQ(host.count(), 0);
    EXPECT_EQ(host.read("a.txt"), "a");
}

TEST(DocumentCommands, YesSavesAndThenCloses)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a")});
    host.type(0, "b");
    host.prompter.answerButton(TPromptButton::Yes);
    EXPECT_TRUE(host.commands->CloseDocument(0));
    EXPECT_EQ(host.count(), 0);
    EXPECT_EQ(host.read("a.txt"), "ab");
}

TEST(DocumentCommandsFaults, YesWithAFailingSaveKeepsTheDocumentOpen)
{
    Host host;
    ASSERT_EQ(host.commands->NewDocument(), 0);
    host.type(0, "wichtig");
    // The chosen name is a folder: the save fails.
    QDir().mkpath(host.path("ordner.txt"));
    host.prompter.answerButton(TPromptButton::Yes);
    host.dialogs.answerSave(host.path("ordner.txt"));
    EXPECT_FALSE(host.commands->CloseDocument(0));
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(host.text(0), "wichtig");
    EXPECT_TRUE(host.doc(0)->GetModified());
    EXPECT_GE(host.prompter.prompts().size(), 2) << "the failure was reported";
    // Under a path whose parent is a file.
    host.write("datei", "x");
    host.prompter.answerButton(TPromptButton::Yes);
    host.dialogs.answerSave(host.path("datei/neu.txt"));
    EXPECT_FALSE(host.commands->CloseDocument(0));
    EXPECT_EQ(host.count(), 1);
}

TEST(DocumentCommandsFaults, YesAndACancelledSaveDialogKeepTheDocumentOpen)
{
    Host host;
    ASSERT_EQ(host.commands->NewDocument(), 0);
    host.type(0, "entwurf");
    host.prompter.answerButton(TPromptButton::Yes);
    host.dialogs.answerSave(std::nullopt);
    EXPECT_FALSE(host.commands->CloseDocument(0));
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(host.text(0), "entwurf");
}

// ---------------------------------------------------------------------------
// Close all, project groups and exit

TEST(DocumentCommands, CloseAllAsksWithTheCloseDialogAndCancelKeepsEverything)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a"), host.write("b.txt", "b")});
    host.type(1, "!");
    EXPECT_FALSE(host.commands->CloseAll());
    ASSERT_EQ(host.closeModes.size(), 1);
    EXPECT_EQ(host.closeModes[0], TCloseDialogMode::cdmCloseDocuments);
    EXPECT_EQ(host.closeTrees[0], QStringList({"Unbenanntes Projekt *", "  b.txt *"}));
    EXPECT_EQ(host.count(), 2);
    host.closeScript.push_back(leave);
    EXPECT_TRUE(host.commands->CloseAll());
    EXPECT_EQ(host.count(), 0);
    EXPECT_EQ(host.groups()->Count(), 0);
    EXPECT_EQ(host.read("b.txt"), "b");
}

TEST(DocumentCommands, CloseAllWithNothingUnsavedAsksNothing)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a")});
    host.container->GetDefaultGroup()->SetModified(false);
    EXPECT_TRUE(host.commands->CloseAll());
    EXPECT_TRUE(host.closeModes.isEmpty());
    EXPECT_EQ(host.count(), 0);
}

TEST(DocumentCommandsFaults, SaveAllInTheCloseDialogThatFailsDoesNotClose)
{
    Host host;
    ASSERT_EQ(host.commands->NewDocument(), 0);
    host.type(0, "ungesichert");
    QDir().mkpath(host.path("ordner.txt"));
    bool allSaved = true;
    host.closeScript.push_back([&](TCloseDialogModel &model) {
        host.dialogs.answerSave(host.path("ordner.txt")); // the document: fails
        host.dialogs.answerSave(host.path("g.qpg"));      // the default group
        allSaved = model.SaveAll();
        // The dialog stays open while something is unsaved; the user cancels then.
        return allSaved ? TCloseAnswer::caOk : TCloseAnswer::caCancel;
    });
    EXPECT_FALSE(host.commands->CloseAll());
    EXPECT_FALSE(allSaved);
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(host.text(0), "ungesichert");
}

TEST(DocumentCommands, SavingSelectedEntriesEmptiesTheTreeAndEndsTheDialog)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a")});
    host.type(0, "b");
    host.container->GetDefaultGroup()->SetModified(false);
    bool done = false;
    host.closeScript.push_back([&](TCloseDialogModel &model) {
        EXPECT_EQ(model.AttentionCount(), 1);
        done = model.SaveSelected({{0, 0}});
        return done ? TCloseAnswer::caOk : TCloseAnswer::caCancel;
    });
    EXPECT_TRUE(host.commands->CloseAll());
    EXPECT_TRUE(done);
    EXPECT_EQ(host.read("a.txt"), "ab");
    EXPECT_EQ(host.count(), 0);
}

TEST(DocumentCommandsFaults, ClosingAProjectGroupAsksForItsUnsavedDocumentsFirst)
{
    Host host;
    TVYRAProjectGroupItems *shop = host.openProject("shop.qpg", "Shop");
    ASSERT_NE(shop, nullptr);
    host.commands->OpenFiles({host.write("a.txt", "a")}, shop);
    host.commands->OpenFiles({host.write("b.txt", "b")}, host.container->GetDefaultGroup());
    ASSERT_EQ(host.container->ProjectOf(host.doc(0)), shop);
    host.type(0, "!");
    host.type(1, "?");
    // Cancel keeps the group and its documents.
    host.closeScript.push_back(cancel);
    EXPECT_FALSE(host.commands->CloseProjectGroup(shop));
    ASSERT_EQ(host.closeTrees.size(), 1);
    EXPECT_TRUE(host.closeTrees[0].contains("  a.txt *"));
    EXPECT_FALSE(host.closeTrees[0].contains("  b.txt *")) << "only the group's documents are offered";
    EXPECT_EQ(host.count(), 2);
    EXPECT_EQ(host.groups()->IndexOf(shop) >= 0, true);
    // Leave without saving closes just that group.
    host.closeScript.push_back(leave);
    EXPECT_TRUE(host.commands->CloseProjectGroup(shop));
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(host.doc(0)->GetFileName(), host.path("b.txt"));
}

TEST(DocumentCommands, ExitCountsTheDefaultGroupAsSavedWhenTheSettingSaysSo)
{
    Host host;
    host.commands->OpenFiles({host.write("a.txt", "a")});
    TVYRAProjectGroupItems *defaultGroup = host.container->GetDefaultGroup();
    defaultGroup->SetModified(true);
    host.settings()->View()->SkipDefaultGroupSaveDialog = true;
    EXPECT_TRUE(host.commands->QueryExit());
    EXPECT_TRUE(host.closeModes.isEmpty()) << "nothing else is unsaved";
    EXPECT_TRUE(defaultGroup->Modified()) << "the flag is restored";
    host.settings()->View()->SkipDefaultGroupSaveDialog = false;
    EXPECT_FALSE(host.commands->QueryExit());
    ASSERT_EQ(host.closeModes.size(), 1);
    EXPECT_EQ(host.closeModes[0], TCloseDialogMode::cdmExit);
    EXPECT_EQ(host.count(), 1) << "QueryExit closes nothing";
    host.commands->CloseAllWithoutAsking();
    EXPECT_EQ(host.count(), 0);
    EXPECT_EQ(host.groups()->Count(), 0);
}

TEST(DocumentCommands, CloseDialogTextsFollowTheMode)
{
    EXPECT_EQ(TCloseDialogModel::Caption(TCloseDialogMode::cdmCloseDocuments),
              "Talvex Studio - Dokumente schließen");
    EXPECT_EQ(TCloseDialogModel::Caption(TCloseDialogMode::cdmExit), "Talvex Studio - Beenden");
    EXPECT_EQ(TCloseDialogModel::LeaveButtonText(TCloseDialogMode::cdmCloseDocuments), "Weiter ohne Speichern");
    EXPECT_EQ(TCloseDialogModel::LeaveButtonText(TCloseDialogMode::cdmExit), "Beenden ohne Speichern");
}
