// The rules of the project manager without a window: the row labels and
// counts, the ToDo texts and commands, the synchronisation settings, every
// drop rule with the disk following it, the removal question and the file
// commands, all on real project groups in temporary folders.
#include "TestSupport.h"
#include "documents/TDocumentFilters.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRAFileType.h"
#include "projectmanager/TProjectDropRules.h"
#include "projectmanager/TProjectFileCommands.h"
#include "projectmanager/TProjectItemLabels.h"
#include "projectmanager/TProjectItemRemoval.h"
#include "projectmanager/TProjectSyncSettings.h"
#include "projectmanager/TToDoCommands.h"
#include "projectmanager/TToDoTexts.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoList.h"
#include "ui/TScriptedPrompter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// A synchronised studio project in a temporary folder "web/":
//   css/ (a.css, sub/ (b.css)), img/, index.php, gone.php (no file on disk)
class ProjectManagerRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TVYRAFileTypeRecognizers::set(ftProject, _TVS_PROJECT);
        ASSERT_TRUE(dir.isValid() && dataHome.isValid());
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        web = dir.filePath("web/");
        writeFile(web + "css/a.css", "a{}");
        writeFile(web + "css/sub/b.css", "b{}");
        writeFile(web + "index.php", "<?php");
        QDir().mkpath(web + "img");
        ASSERT_TRUE(project.SetMainFolder(web));
        ASSERT_TRUE(project.SetFileFolder(web));
        project.SetProjectName("Shop");
        project.SetSyncFileMode(sfmSynchronize);
        project.SetConfirmFileSync(false);
        css = folder("css", nullptr);
        a = file("css/a.css", css);
        sub = folder("css/sub", css);
        b = file("css/sub/b.css", sub);
        img = folder("img", nullptr);
        index = file("index.php", nullptr);
        gone = file("gone.php", nullptr);
        project.SetModified(false);
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    TVYRAProjectGroupItem *folder(const QString &path, TVYRAProjectGroupItem *parent)
    {
        TVYRAProjectGroupItem *at = parent ? parent : project.Root();
        return at->GetItems(project.AddItem(QFileInfo(path).fileName(), web + path, pitFolder, parent, false));
    }
    TVYRAProjectGroupItem *file(const QString &path, TVYRAProjectGroupItem *parent)
    {
        TVYRAProjectGroupItem *at = parent ? parent : project.Root();
        return at->GetItems(project.AddItem(QFileInfo(path).fileName(), web + path, pitFile, parent, false));
    }
    QStringList trashed() const
    {
        return QDir(dataHome.filePath("Trash/files")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
    QTemporaryDir dataHome;
    QString web;
    TTalvexStudioProject project{nullptr, QString(), false};
    TVYRAProjectGroupItem *css = nullptr, *a = nullptr, *sub = nullptr, *b = nullptr;
    TVYRAProjectGroupItem *img = nullptr, *index = nullptr, *gone = nullptr;
    TScriptedPrompter prompter;
};

} // namespace

TEST_F(ProjectManagerRules, RowLabelsCaptionAndCounts)
{
    auto *start = dynamic_cast<TTalvexStudioProjectItem *>(index);
    ASSERT_TRUE(project.SetStartPage(start));
    EXPECT_EQ(TProjectItemLabels::Name(*index, nullptr, true), "index.php [Startseite]");
    EXPECT_EQ(TProjectItemLabels::Name(*a, nullptr, false), "a.css");
    EXPECT_EQ(TProjectItemLabels::Name(*gone, nullptr, false), "gone.php (Datei nicht gefunden!)");
    EXPECT_EQ(TProjectItemLabels::Name(*gone, nullptr, true), "gone.php (Datei nicht gefunden!) [Startseite]");
    EXPECT_EQ(TProjectItemLabels::Name(*sub, nullptr, false), "sub");
    EXPECT_FALSE(TProjectItemLabels::IsPresent(*gone, nullptr));

    // Paths are shown below the project's file folder; a file right in it has "(kein)".
    EXPECT_EQ(TProjectItemLabels::Path(*index), "(kein)");
    EXPECT_EQ(TProjectItemLabels::Path(*b), "css/sub");
    EXPECT_EQ(TProjectItemLabels::Path(*sub), "css/sub");
    EXPECT_EQ(TProjectItemLabels::TypeName(*css), "Dateiordner");
    EXPECT_FALSE(TProjectItemLabels::TypeName(*index).isEmpty());
    EXPECT_EQ(TProjectItemLabels::Size(*a), "3 Byte");
    EXPECT_EQ(TProjectItemLabels::Size(*gone), "");
    EXPECT_EQ(TProjectItemLabels::Changed(QDateTime(QDate(2026, 3, 7), QTime(9, 5))), "07.03.2026 09:05");

    EXPECT_EQ(TProjectItemLabels::WindowCaption(&project), "Talvex Studio - Projektmanager (Shop) - 4 Datei(en)");
    EXPECT_EQ(TProjectItemLabels::WindowCaption(nullptr), "Talvex Studio - Projektmanager");
    EXPECT_EQ(TProjectItemLabels::TreeHeader(&project),
              "4 Datei(en), 3 Ordner - 7 Element(e) insgesamt in Projektgruppe:");
}

TEST_F(ProjectManagerRules, ToDoTextsAndCommands)
{
    EXPECT_EQ(TToDoTexts::Counter(1, 0), "ToDo-Liste: 1 Eintrag, davon 0 erledigt:");
    EXPECT_EQ(TToDoTexts::Counter(0, 0), "ToDo-Liste: 0 Einträge, davon 0 erledigt:");
    EXPECT_EQ(TToDoTexts::Counter(3, 2), "ToDo-Liste: 3 Einträge, davon 2 erledigt:");
    EXPECT_EQ(TToDoTexts::PriorityName(tdpLowest), "Niedrigste");
    EXPECT_EQ(TToDoTexts::PriorityName(tdpMedium), "Mittel");
    EXPECT_EQ(TToDoTexts::PriorityName(tdpHighest), "Höchste");

    TTalvexStudioToDoList *list = project.ToDoList();
    auto *item = dynamic_cast<TTalvexStudioProjectItem *>(a);
    TTalvexStudioToDoEntry *aboutFile = list->AddItem(tdpHigh, "Farben", false, item->ID());
    TTalvexStudioToDoEntry *noFile = list->AddItem(tdpLow, "Logo", true);
    EXPECT_EQ(TToDoTexts::Row(project, *aboutFile), QStringList({"Hoch", web + "css/a.css", "Farben", "Nein"}));
    EXPECT_EQ(TToDoTexts::Row(project, *noFile), QStringList({"Niedrig", "(keine Datei)", "Logo", "Ja"}));
    project.SetModified(false);

    // The editor is cancelled: nothing is added. Then it fills in an entry.
    std::unique_ptr<TTalvexStudioToDoEntry> next;
    TToDoCommands commands(prompter, {[&next](TTalvexStudioProject &) { return std::move(next); }, {}});
    EXPECT_EQ(commands.Add(project), nullptr);
    EXPECT_EQ(list->GetCount(), 2);
    EXPECT_FALSE(project.Modified());
    next = std::make_unique<TTalvexStudioToDoEntry>();
    next->SetNote("Neu");
    EXPECT_NE(commands.Add(project), nullptr);
    EXPECT_EQ(list->GetCount(), 3);
    EXPECT_TRUE(project.Modified());

    // One done entry: the singular question; "Nein" keeps it, "Ja" removes it.
    prompter.answerButton(TPromptButton::No);
    prompter.answerButton(TPromptButton::Yes);
    EXPECT_EQ(commands.RemoveDone(project), 0);
    EXPECT_EQ(commands.RemoveDone(project), 1);
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts()[0].text, "Es wird 1 Eintrag entfernt. Fortfahren?");
    EXPECT_EQ(prompter.prompts()[0].caption, "Einträge entfernen");
    // None done: no question at all.
    EXPECT_EQ(commands.RemoveDone(project), 0);
    EXPECT_EQ(prompter.prompts().size(), 2);

    EXPECT_TRUE(commands.ToggleDone(list->GetItems(0)));
    EXPECT_TRUE(commands.ToggleDone(list->GetItems(1)));
    prompter.answerButton(TPromptButton::Yes);
    EXPECT_EQ(commands.RemoveDone(project), 2);
    EXPECT_EQ(prompter.prompts().last().text, "Es werden 2 Einträge entfernt. Fortfahren?");
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_FALSE(commands.Remove(project, nullptr));
}

TEST_F(ProjectManagerRules, SynchronisationSettingsAndApplyRules)
{
    TProjectSyncSettings settings = TProjectSyncSettings::Read(project, false);
    EXPECT_TRUE(settings.available);
    EXPECT_TRUE(settings.enabled);
    EXPECT_EQ(settings.defaultAction, 0);
    EXPECT_FALSE(settings.confirm);

    // The default group never synchronises, whatever its folder.
    EXPECT_FALSE(TProjectSyncSettings::Read(project, true).available);
    settings.defaultAction = 1;
    settings.confirm = true;
    settings.WriteTo(project);
    EXPECT_EQ(project.SyncFileMode(), sfmSynchronizeMoveFile);
    EXPECT_TRUE(project.ConfirmFileSync());
    EXPECT_TRUE(project.Modified());
    settings.enabled = false;
    EXPECT_EQ(settings.Mode(), sfmDontSynrchronize);

    // A group without an existing file folder cannot switch it on.
    TTalvexStudioProject unsaved(nullptr, QString(), false);
    const TProjectSyncSettings unavailable = TProjectSyncSettings::Read(unsaved, false);
    EXPECT_FALSE(unavailable.available);
    TProjectSyncSettings forced = unavailable;
    forced.enabled = true;
    forced.WriteTo(unsaved);
    EXPECT_EQ(unsaved.SyncFileMode(), sfmDontSynrchronize);
}

TEST_F(ProjectManagerRules, DropTargetsFollowEveryRule)
{
    using P = TDropPosition;
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, sub, P::OnItem), sub);
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, b, P::OnItem), sub);
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, index, P::OnItem), project.Root());
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, sub, P::AboveItem), css);
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, sub, P::BelowItem), css);
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, css, P::BelowItem), project.Root());
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, nullptr, P::Viewport), project.Root());
    EXPECT_EQ(TProjectDropRules::TargetFolder(project, b, P::Viewport), project.Root());

    EXPECT_EQ(TProjectDropRules::PositionInRow(100, 100, 20), P::AboveItem);
    EXPECT_EQ(TProjectDropRules::PositionInRow(110, 100, 20), P::OnItem);
    EXPECT_EQ(TProjectDropRules::PositionInRow(119, 100, 20), P::BelowItem);

    // Items inside a folder that moves go with it; the root never moves.
    EXPECT_EQ(TProjectDropRules::OutermostItems({b, css, a, project.Root(), index}), QList({css, index}));

    // A folder dropped on itself or anything below it is refused as a whole.
    EXPECT_TRUE(TProjectDropRules::Plan(project, {css}, css, P::OnItem).refused);
    EXPECT_TRUE(TProjectDropRules::Plan(project, {index, css}, sub, P::OnItem).refused);
    EXPECT_TRUE(TProjectDropRules::Plan(project, {css}, b, P::OnItem).refused);
    EXPECT_TRUE(TProjectDropRules::Run(TProjectDropRules::Plan(project, {css}, b, P::OnItem)).isEmpty());
    EXPECT_EQ(css->Parent(), project.Root());
    EXPECT_EQ(sub->Parent(), css);
    const TProjectDropRules::TPlan intoImg = TProjectDropRules::Plan(project, {css, b}, img, P::OnItem);
    EXPECT_FALSE(intoImg.refused);
    EXPECT_EQ(intoImg.target, img);
    EXPECT_EQ(intoImg.items, QList({css}));
}

TEST_F(ProjectManagerRules, DropsMoveFilesAndFoldersOnDisk)
{
    // A file dropped on a file lands in that file's folder, on disk as well.
    ASSERT_TRUE(TProjectDropRules::Run(TProjectDropRules::Plan(project, {index}, b, TDropPosition::OnItem)).isEmpty());
    EXPECT_EQ(index->Parent(), sub);
    EXPECT_TRUE(QFileInfo::exists(web + "css/sub/index.php"));
    EXPECT_FALSE(QFileInfo::exists(web + "index.php"));
    EXPECT_EQ(index->PhysicalFileName(), web + "css/sub/index.php");

    // The folder "sub" dropped on empty space goes to the top with its content.
    ASSERT_TRUE(TProjectDropRules::Run(TProjectDropRules::Plan(project, {sub, b}, nullptr, TDropPosition::Viewport))
                    .isEmpty());
    EXPECT_EQ(sub->Parent(), project.Root());
    EXPECT_EQ(b->Parent(), sub);
    EXPECT_EQ(readFile(web + "sub/b.css"), "b{}");
    EXPECT_EQ(readFile(web + "sub/index.php"), "<?php");
    EXPECT_FALSE(QFileInfo::exists(web + "css/sub"));
    EXPECT_EQ(b->PhysicalFileName(), web + "sub/b.css");
    EXPECT_TRUE(project.Modified());

    // A name already taken: the group's collision handler decides; overwriting trashes the old file.
    writeFile(web + "img/a.css", "old");
    TVYRAProjectGroupItem *oldA = file("img/a.css", img);
    EXPECT_FALSE(TProjectDropRules::Run(TProjectDropRules::Plan(project, {a}, img, TDropPosition::OnItem)).isEmpty());
    EXPECT_EQ(a->Parent(), css);
    EXPECT_EQ(readFile(web + "css/a.css"), "a{}");
    project.OnProjectItemCollision = [](TVYRAProjectGroupItems *, TVYRAProjectGroupItem *, TVYRAProjectGroupItem *,
                                        TVYRARenameAction &action) { action = racOverwrite; };
    ASSERT_TRUE(TProjectDropRules::Run(TProjectDropRules::Plan(project, {a}, oldA, TDropPosition::OnItem)).isEmpty());
    EXPECT_EQ(readFile(web + "img/a.css"), "a{}");
    EXPECT_EQ(img->GetCount(), 1);
    EXPECT_EQ(trashed(), QStringList({"a.css"}));
}

TEST_F(ProjectManagerRules, RemovalAsksOnceAndNamesASingleItem)
{
    EXPECT_EQ(TProjectItemRemoval::Question({a}),
              "Möchten Sie \"a.css\" und alle untergeordneten Elemente aus der Projektgruppe entfernen?\r\n"
              "Hinweis: Die entsprechenden Dokumente werden, falls sie in Talvex Studio geöffnet sind, geschlossen.");
    int saveQuestions = 0;
    auto save = [&saveQuestions](TVYRADocument *) { return ++saveQuestions > 0; };

    prompter.answerButton(TPromptButton::No);
    EXPECT_EQ(TProjectItemRemoval::Run({a, img, index}, prompter, save), 0);
    EXPECT_EQ(project.Root()->GetTotalCount(), 7);

    // Three items (one inside a removed folder): one question for all.
    prompter.answerButton(TPromptButton::Yes);
    EXPECT_EQ(TProjectItemRemoval::Run({css, b, img, index}, prompter, save), 3);
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.prompts()[1].text.startsWith("Möchten Sie alle ausgewählten Elemente und dessen "
                                                      "untergeordnete Elemente aus der Projektgruppe entfernen?"));
    EXPECT_EQ(prompter.prompts()[1].caption, "Bestätigen");
    EXPECT_EQ(project.Root()->GetTotalCount(), 1);
    EXPECT_EQ(saveQuestions, 0);
    // Removing takes items out of the group only: the files stay.
    EXPECT_TRUE(QFileInfo::exists(web + "css/sub/b.css"));
    EXPECT_TRUE(QFileInfo::exists(web + "index.php"));
}

TEST_F(ProjectManagerRules, AddingFollowsTheSynchronisationMode)
{
    TScriptedFileDialogs dialogs;
    TProjectFileCommands commands(prompter, {&dialogs, {}, nullptr, {}});
    const QString outside = dir.filePath("outside/");
    writeFile(outside + "copied.txt", "c");
    writeFile(outside + "moved.txt", "m");
    writeFile(outside + "tree/deep/x.txt", "x");

    // Copy mode: the file is copied into the folder's directory and the original stays.
    dialogs.answerOpen({outside + "copied.txt", outside + "missing.txt"});
    EXPECT_EQ(commands.AddFiles(project, b), 1);
    EXPECT_EQ(readFile(web + "css/sub/copied.txt"), "c");
    EXPECT_TRUE(QFileInfo::exists(outside + "copied.txt"));
    EXPECT_EQ(sub->GetCount(), 2);
    const TOpenFilesRequest request = dialogs.openRequests().first();
    EXPECT_EQ(request.title, "Dateien hinzufügen...");
    EXPECT_TRUE(request.multiSelect);
    EXPECT_EQ(request.filter, TDocumentFilters::OpenFilter(nullptr));

    // Move mode: the original goes.
    project.SetSyncFileMode(sfmSynchronizeMoveFile);
    EXPECT_EQ(commands.AddPaths(project, img, {outside + "moved.txt"}), 1);
    EXPECT_EQ(readFile(web + "img/moved.txt"), "m");
    EXPECT_FALSE(QFileInfo::exists(outside + "moved.txt"));

    // A dropped folder comes in with its content; a missing path is reported by name.
    project.SetSyncFileMode(sfmSynchronize);
    EXPECT_EQ(commands.AddPaths(project, nullptr, {outside + "tree", outside + "nothing"}), 1);
    EXPECT_EQ(readFile(web + "tree/deep/x.txt"), "x");
    TVYRAProjectGroupItem *tree = project.Root()->GetItems(project.Root()->GetCount() - 1);
    EXPECT_EQ(tree->GetName(), "tree");
    EXPECT_EQ(tree->GetTotalCount(), 2);
    ASSERT_FALSE(prompter.prompts().isEmpty());
    EXPECT_TRUE(prompter.prompts().last().text.contains("nothing"));
    EXPECT_EQ(prompter.prompts().last().caption, "Fehler");
}

TEST_F(ProjectManagerRules, FolderCommentAndStartPageCommands)
{
    TProjectFileCommands commands(prompter, {nullptr, [this] { return dir.filePath("import"); }, nullptr, {}});
    // An invalid name is asked again; the folder is made on disk inside the selected folder.
    prompter.answerText(QString("a/b"));
    prompter.answerText(QString("neu"));
    EXPECT_TRUE(commands.NewFolder(project, a));
    EXPECT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts()[0].caption, "Ordnernamen eingeben");
    EXPECT_TRUE(QFileInfo(web + "css/neu").isDir());
    EXPECT_EQ(css->GetItems(css->GetCount() - 1)->GetName(), "neu");
    prompter.answerText(std::nullopt);
    EXPECT_FALSE(commands.NewFolder(project, nullptr));

    // Import with sub-folders: copied into the project folder, reported with the group's name.
    writeFile(dir.filePath("import/top.txt"), "t");
    writeFile(dir.filePath("import/inner/in.txt"), "i");
    prompter.clear();
    prompter.answerButton(TPromptButton::Cancel);
    EXPECT_FALSE(commands.ImportFolder(project, img));
    prompter.answerButton(TPromptButton::Yes);
    prompter.answerButton(TPromptButton::Ok);
    EXPECT_TRUE(commands.ImportFolder(project, img));
    EXPECT_EQ(readFile(web + "img/inner/in.txt"), "i");
    EXPECT_EQ(img->GetTotalCount(), 3);
    ASSERT_EQ(prompter.prompts().size(), 3);
    EXPECT_EQ(prompter.prompts()[1].caption, "Unterverzeichnisse");
    EXPECT_EQ(prompter.prompts()[2].caption, "Import abgeschlossen");
    EXPECT_TRUE(prompter.prompts()[2].text.endsWith("importiert."));
    EXPECT_TRUE(prompter.prompts()[2].text.contains("\"Shop\""));

    prompter.answerText(QString("wichtig"));
    EXPECT_TRUE(commands.ChangeComment(index));
    EXPECT_EQ(index->Comment(), "wichtig");
    prompter.answerText(QString("wichtig"));
    EXPECT_FALSE(commands.ChangeComment(index));

    EXPECT_FALSE(TProjectFileCommands::CanBeStartPage(project, css));
    EXPECT_TRUE(commands.SetStartPage(project, index));
    EXPECT_EQ(project.StartPage(), index);
    EXPECT_FALSE(TProjectFileCommands::CanBeStartPage(project, index));
}
