// The project manager and the ToDo page in the real main window, offscreen:
// a project with a folder tree in a temporary folder is opened, a folder is
// moved by a drop onto the manager's tree, the group is saved and read
// again, and tree and disk agree; the properties and settings pages, the
// removal with an open modified document, and the ToDo commands.
#include "ShippedDataFolders.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "dialogs/TEditToDoForm.h"
#include "documents/TDocumentCommands.h"
#include "documents/TDocumentFilters.h"
#include "documents/TFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "projectmanager/TProjectFileTree.h"
#include "projectmanager/TProjectFilesPage.h"
#include "projectmanager/TProjectManager.h"
#include "projectmanager/TProjectManagerFeature.h"
#include "projectmanager/TToDoActions.h"
#include "projectmanager/TToDoListView.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoList.h"
#include "projects/TVYRAProjectGroupList.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QDockWidget>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

class ProjectManagerEndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid() && dataHome.isValid());
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        core = programCore.Create(shippedDataFolders(root));
        window = std::make_unique<TMainForm>(*core);
        features = std::make_unique<TStudioFeatures>(*core, *window);
        window->resize(1200, 800);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        web = root.filePath("web/");
        projectFile = root.filePath("shop.qpg");
        writeFile(web + "css/a.css", "a{}");
        writeFile(web + "css/sub/b.css", "b{}");
        writeFile(web + "js/app.js", "go();");
        writeFile(web + "index.php", "<?php echo 1;");
        writeProject();
        // Opening project groups is switched on where the window's project commands are installed.
        core->Container()->SetCanOpenProjects(true);
        window->OpenFiles({projectFile});
        const int index = core->Container()->FindProject(projectFile);
        ASSERT_GE(index, 0) << prompter.prompts().value(0).text.toStdString();
        group = dynamic_cast<TTalvexStudioProject *>(core->Container()->ProjectGroups()->Items(index));
        ASSERT_TRUE(group);
        window->SelectProjectGroup(group);
        prompter.clear();
    }
    void TearDown() override
    {
        features->Documents().CloseAllWithoutAsking();
        features.reset();
        window.reset();
        core.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qunsetenv("XDG_DATA_HOME");
    }

    // The folder tree imported as it lies, synchronised by copying, without questions.
    void writeProject()
    {
        TTalvexStudioProject project(nullptr, projectFile, false);
        ASSERT_TRUE(project.SetMainFolder(web));
        ASSERT_TRUE(project.SetFileFolder(web));
        project.SetProjectName("Shop");
        addEntries(project, web, project.Root());
        project.SetSyncFileMode(sfmSynchronize);
        project.SetConfirmFileSync(false);
        ASSERT_TRUE(project.Save().ok);
    }
    static void addEntries(TVYRAProjectGroupItems &project, const QString &folder, TVYRAProjectGroupItem *node)
    {
        for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) {
            const TVYRAProjectItemType type = entry.isDir() ? pitFolder : pitFile;
            const int index = project.AddItem(entry.fileName(), entry.filePath(), type, node, false);
            if (entry.isDir())
                addEntries(project, entry.filePath(), node->GetItems(index));
        }
    }
    TProjectManager &showManager(int page)
    {
        window->UpdateNow();
        window->Registry().Action(QStringLiteral("ProjectSettings"))->trigger();
        TProjectManager &manager = features->ProjectManager().Manager();
        manager.Pages()->setCurrentIndex(page);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&manager));
        return manager;
    }
    TVYRAProjectGroupItem *item(const QString &treePath) const
    {
        for (TVYRAProjectGroupItem *node = group->Root()->FirstItem(); node; node = node->NextItem()) {
            if (node->GetFullPath() == treePath)
                return node;
        }
        return nullptr;
    }
    TVYRADocument *open(TVYRAProjectGroupItem *file)
    {
        file->Open();
        TVYRADocument *document = nullptr;
        (void)QTest::qWaitFor([&] { return (document = file->GetDocument()) != nullptr; }, 5000);
        return document;
    }
    void drop(TProjectFileTree *tree, QMimeData *data, const QPoint &pos)
    {
        // The application delivers a drop only to the widget that accepted the drag's entry.
        QDragEnterEvent enter(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &enter);
        QDragMoveEvent move(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &move);
        lastDropAccepted = move.isAccepted();
        QDropEvent event(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &event);
        delete data;
    }
    static void expandAll(TProjectFileTree *tree) { tree->expandAll(); }

    // Every file and folder below the folder, as relative paths.
    static QStringList onDisk(const QString &folder)
    {
        QStringList paths;
        QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << QDir(folder).relativeFilePath(it.next());
        paths.sort();
        return paths;
    }
    // Every item of a group as tree path, checked against its place on disk.
    static QStringList inTree(const TVYRAProjectGroupItems &project, const QString &folder)
    {
        QStringList paths;
        for (TVYRAProjectGroupItem *node = project.Root()->FirstItem(); node; node = node->NextItem()) {
            paths << node->GetFullPath();
            EXPECT_EQ(QDir::cleanPath(project.AbsolutePath(node->PhysicalFileName())),
                      QDir::cleanPath(folder + node->GetFullPath()));
        }
        paths.sort();
        return paths;
    }

    QTemporaryDir root;
    QTemporaryDir dataHome;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    TProgramCore programCore{[](const QString &) {}};
    std::unique_ptr<TVYRACore> core;
    std::unique_ptr<TMainForm> window;
    std::unique_ptr<TStudioFeatures> features;
    QString web;
    QString projectFile;
    TTalvexStudioProject *group = nullptr;
    bool lastDropAccepted = false;
};

} // namespace

TEST_F(ProjectManagerEndToEndTest, FolderDraggedIntoAnotherMovesOnDiskAndSurvivesSaving)
{
    TVYRADocument *document = open(item("css/sub/b.css"));
    ASSERT_TRUE(document);
    TProjectManager &manager = showManager(TProjectManager::pgFiles);
    EXPECT_TRUE(manager.isVisible());
    EXPECT_TRUE(manager.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(manager.windowTitle(), "Talvex Studio - Projektmanager (Shop) - 4 Datei(en)");
    TProjectFileTree *tree = manager.FilesPage()->Tree();
    expandAll(tree);
    EXPECT_EQ(manager.FilesPage()->Header()->text(), "4 Datei(en), 3 Ordner - 7 Element(e) insgesamt in Projektgruppe:");
    EXPECT_EQ(tree->RowOf(item("index.php"))->text(TProjectFileTree::colPath), "(kein)");
    EXPECT_EQ(tree->RowOf(item("css"))->text(TProjectFileTree::colType), "Dateiordner");

    // "sub" dragged onto "js": moved into it in the tree and on disk; the open document follows.
    tree->clearSelection();
    tree->RowOf(item("css/sub"))->setSelected(true);
    const QPoint onJs = tree->visualItemRect(tree->RowOf(item("js"))).center();
    TDropPosition position = TDropPosition::Viewport;
    EXPECT_EQ(tree->DropTarget(onJs, position), item("js"));
    EXPECT_EQ(position, TDropPosition::OnItem);
    drop(tree, tree->DragData(), onJs);
    EXPECT_TRUE(lastDropAccepted);
    ASSERT_TRUE(item("js/sub/b.css")) << prompter.prompts().value(0).text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(web + "js/sub/b.css"));
    EXPECT_FALSE(QFileInfo::exists(web + "css/sub"));
    EXPECT_EQ(document->GetFileName(), web + "js/sub/b.css");
    ASSERT_TRUE(tree->RowOf(item("js/sub")));
    EXPECT_EQ(tree->RowOf(item("js/sub"))->parent(), tree->RowOf(item("js")));
    EXPECT_TRUE(manager.ApplyButton()->isEnabled());

    // "js" dropped onto its own descendant "sub": refused, nothing moves.
    expandAll(tree);
    tree->clearSelection();
    tree->RowOf(item("js"))->setSelected(true);
    drop(tree, tree->DragData(), tree->visualItemRect(tree->RowOf(item("js/sub"))).center());
    EXPECT_FALSE(lastDropAccepted);
    EXPECT_TRUE(item("js/sub/b.css"));
    EXPECT_EQ(item("js")->Parent(), group->Root());
    EXPECT_TRUE(prompter.prompts().isEmpty());

    // A file dropped on empty space goes to the top.
    expandAll(tree);
    tree->clearSelection();
    tree->RowOf(item("css/a.css"))->setSelected(true);
    drop(tree, tree->DragData(), QPoint(10, tree->viewport()->height() - 2));
    EXPECT_TRUE(item("a.css"));
    EXPECT_TRUE(QFileInfo::exists(web + "a.css"));

    // Saved with "Ok", closed and opened again: tree and disk agree.
    manager.Ok();
    EXPECT_FALSE(manager.isVisible());
    EXPECT_FALSE(group->Modified());
    ASSERT_TRUE(features->Documents().CloseProjectGroup(group));
    EXPECT_EQ(core->Container()->FindProject(projectFile), -1);
    window->OpenFiles({projectFile});
    const int reopened = core->Container()->FindProject(projectFile);
    ASSERT_GE(reopened, 0);
    EXPECT_EQ(inTree(*core->Container()->ProjectGroups()->Items(reopened), web), onDisk(web));
    EXPECT_EQ(onDisk(web), QStringList({"a.css", "css", "index.php", "js", "js/app.js", "js/sub", "js/sub/b.css"}));
}

TEST_F(ProjectManagerEndToEndTest, PropertiesAndSettingsPagesFollowTheApplyRules)
{
    TProjectManager &manager = showManager(TProjectManager::pgProperties);
    EXPECT_EQ(manager.Pages()->currentIndex(), int(TProjectManager::pgProperties));
    // Showing marks nothing.
    EXPECT_FALSE(group->Modified());
    EXPECT_FALSE(manager.ApplyButton()->isEnabled());
    EXPECT_EQ(manager.VersionEdit()->placeholderText(), "Geben Sie hier die Version des Projektes ein.");

    QTest::keyClicks(manager.NameEdit(), "2");
    EXPECT_EQ(group->ProjectName(), "Shop2");
    EXPECT_TRUE(manager.ApplyButton()->isEnabled());
    EXPECT_EQ(manager.windowTitle(), "Talvex Studio - Projektmanager (Shop2) - 4 Datei(en)");

    // The settings are written on "Übernehmen", which also saves the group.
    EXPECT_TRUE(manager.SyncBox()->isEnabled());
    EXPECT_FALSE(manager.SyncWarning()->isVisibleTo(&manager));
    manager.DefaultActionBox()->setCurrentIndex(1);
    EXPECT_EQ(group->SyncFileMode(), sfmSynchronize);
    QTest::mouseClick(manager.ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(group->SyncFileMode(), sfmSynchronizeMoveFile);
    EXPECT_FALSE(manager.ApplyButton()->isEnabled());
    EXPECT_FALSE(group->Modified());
    EXPECT_TRUE(readFile(projectFile).contains("<name>Shop2</name>"));
    EXPECT_TRUE(readFile(projectFile).contains("<autosyncfiles>1</autosyncfiles>"));
    manager.SyncBox()->setChecked(false);
    EXPECT_FALSE(manager.DefaultActionBox()->isEnabled());
    EXPECT_TRUE(manager.Apply());
    EXPECT_EQ(group->SyncFileMode(), sfmDontSynrchronize);

    // "Abbrechen" keeps what was written to the group in memory.
    QTest::keyClicks(manager.VersionEdit(), "1.0");
    manager.close();
    EXPECT_EQ(group->Version(), "1.0");
    EXPECT_TRUE(group->Modified());

    // The default group cannot synchronise: the warning shows and the options are off.
    TVYRAProjectGroupItems *defaultGroup = core->Container()->GetDefaultGroup();
    manager.ShowProjectManager(defaultGroup, TProjectManager::pgSettings);
    EXPECT_EQ(manager.Pages()->currentIndex(), int(TProjectManager::pgSettings));
    EXPECT_TRUE(manager.SyncWarning()->isVisibleTo(&manager));
    EXPECT_FALSE(manager.SyncBox()->isEnabled());
    EXPECT_FALSE(manager.ConfirmBox()->isEnabled());
}

TEST_F(ProjectManagerEndToEndTest, RemovingAnItemAsksToSaveItsModifiedDocumentFirst)
{
    TVYRAProjectGroupItem *index = item("index.php");
    TVYRADocument *document = open(index);
    ASSERT_TRUE(document);
    TCodeEditor *code = core->Container()->GetSynEdit(core->Container()->Documents().IndexOf(document));
    ASSERT_TRUE(code);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !code->isLoading(); }, 5000));
    code->setText(QStringLiteral("<?php echo 2;"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return document->GetModified(); }, 2000));

    TProjectManager &manager = showManager(TProjectManager::pgFiles);
    TProjectFileTree *tree = manager.FilesPage()->Tree();
    EXPECT_EQ(tree->RowOf(index)->text(TProjectFileTree::colName), "index.php *");
    tree->setCurrentItem(tree->RowOf(index));

    // Removal confirmed, save question cancelled: item and text stay.
    prompter.answerButton(TPromptButton::Yes);
    prompter.answerButton(TPromptButton::Cancel);
    manager.FilesPage()->RemoveSelected();
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.prompts()[0].text.startsWith("Möchten Sie \"index.php\" und alle untergeordneten Elemente"));
    EXPECT_TRUE(prompter.prompts()[1].text.contains("Änderungen speichern?"));
    EXPECT_EQ(item("index.php"), index);
    EXPECT_EQ(index->GetDocument(), document);

    // Again, "Ja": the text is saved, then the item goes and its document closes.
    tree->setCurrentItem(tree->RowOf(index));
    prompter.answerButton(TPromptButton::Yes);
    prompter.answerButton(TPromptButton::Yes);
    manager.FilesPage()->RemoveSelected();
    EXPECT_EQ(item("index.php"), nullptr);
    EXPECT_EQ(core->Container()->Documents().IndexOf(document), -1);
    EXPECT_EQ(readFile(web + "index.php"), "<?php echo 2;");
    EXPECT_EQ(manager.FilesPage()->Header()->text(),
              "3 Datei(en), 3 Ordner - 6 Element(e) insgesamt in Projektgruppe:");
}

TEST_F(ProjectManagerEndToEndTest, ToDoPageAndCommandsInBothWindows)
{
    auto *dock = window->findChild<QDockWidget *>(QStringLiteral("tbToDo"));
    ASSERT_TRUE(dock);
    EXPECT_EQ(dock->windowTitle(), "ToDo-Liste");
    TToDoListView *page = features->ProjectManager().ToDoPage();
    EXPECT_EQ(page->Counter()->text(), "ToDo-Liste: 0 Einträge, davon 0 erledigt:");

    // The editor is cancelled: nothing is added.
    auto answerEditor = [](bool accept, std::function<void(TEditToDoForm &)> fill) {
        QTimer::singleShot(0, [accept, fill] {
            auto *form = qobject_cast<TEditToDoForm *>(QApplication::activeModalWidget());
            ASSERT_TRUE(form);
            fill(*form);
            accept ? form->accept() : form->reject();
        });
    };
    window->UpdateNow();
    QAction *add = window->Registry().Action(QStringLiteral("ToDoAddEntry"));
    ASSERT_TRUE(add->isEnabled());
    answerEditor(false, [](TEditToDoForm &) {});
    add->trigger();
    EXPECT_EQ(group->ToDoList()->GetCount(), 0);

    // A new entry starts with the defaults; the chosen file is stored by its item's identity.
    answerEditor(true, [](TEditToDoForm &form) {
        EXPECT_EQ(form.windowTitle(), "ToDo-Eintrag bearbeiten...");
        EXPECT_EQ(form.NoteEdit()->toPlainText(), "Geben Sie hier Ihre Notiz ein.");
        EXPECT_EQ(form.PriorityBox()->currentText(), "Mittel");
        EXPECT_EQ(form.FileBox()->currentText(), "(keine Datei)");
        EXPECT_FALSE(form.DoneBox()->isChecked());
        form.FileBox()->setCurrentIndex(form.FileBox()->findText("css/sub/b.css"));
        form.NoteEdit()->setPlainText("Farben prüfen");
        form.PriorityBox()->setCurrentIndex(5);
    });
    add->trigger();
    ASSERT_EQ(group->ToDoList()->GetCount(), 1);
    TTalvexStudioToDoEntry *entry = group->ToDoList()->GetItems(0);
    EXPECT_EQ(entry->AssociatedFile(), dynamic_cast<TTalvexStudioProjectItem *>(item("css/sub/b.css"))->ID());
    EXPECT_EQ(entry->Priority(), tdpHigher);
    EXPECT_TRUE(group->Modified());
    EXPECT_EQ(page->Counter()->text(), "ToDo-Liste: 1 Eintrag, davon 0 erledigt:");
    ASSERT_EQ(page->CurrentEntry(), entry);

    window->UpdateNow();
    window->Registry().Action(QStringLiteral("ToDoToggleDoneStatus"))->trigger();
    EXPECT_TRUE(entry->IsDone());
    EXPECT_EQ(page->Counter()->text(), "ToDo-Liste: 1 Eintrag, davon 1 erledigt:");

    // Another group selected: the page shows its (empty) list and the entry commands are off.
    window->SelectProjectGroup(core->Container()->GetDefaultGroup());
    window->UpdateNow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->Project() != group; }, 2000));
    EXPECT_EQ(page->Tree()->topLevelItemCount(), 0);
    window->UpdateNow();
    EXPECT_FALSE(window->Registry().Action(QStringLiteral("ToDoToggleDoneStatus"))->isEnabled());
    window->SelectProjectGroup(group);
    window->UpdateNow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->Project() == group; }, 2000));

    // The manager's ToDo page shows the same rows; its menu takes the main window's shortcuts.
    window->Registry().SetShortcut(QStringLiteral("ToDoEditEntry"), QKeySequence(QStringLiteral("Ctrl+Alt+E")));
    TProjectManager &manager = showManager(TProjectManager::pgToDo);
    QTreeWidget *rows = manager.ToDoView()->Tree();
    ASSERT_EQ(rows->topLevelItemCount(), 1);
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(rows->topLevelItem(0)->text(column), page->Tree()->topLevelItem(0)->text(column));
    EXPECT_EQ(rows->topLevelItem(0)->text(1), web + "css/sub/b.css");
    EXPECT_EQ(rows->topLevelItem(0)->text(3), "Ja");
    EXPECT_EQ(manager.ToDoMenu()->Action("ToDoEditEntry")->shortcut(), QKeySequence("Ctrl+Alt+E"));

    // Editing in the manager: the file box shows the entry's file; OK writes back.
    rows->setCurrentItem(rows->topLevelItem(0));
    answerEditor(true, [](TEditToDoForm &form) {
        EXPECT_EQ(form.FileBox()->currentText(), "css/sub/b.css");
        EXPECT_TRUE(form.DoneBox()->isChecked());
        form.NoteEdit()->setPlainText("Erledigt");
    });
    manager.ToDoMenu()->Action("ToDoEditEntry")->trigger();
    EXPECT_EQ(entry->Note(), "Erledigt");
    EXPECT_EQ(page->Tree()->topLevelItem(0)->text(2), "Erledigt");

    // "Erledigte ToDo-Einträge löschen" asks with the singular text.
    prompter.answerButton(TPromptButton::Yes);
    manager.ToDoMenu()->Action("ToDoRemoveDoneEntries")->trigger();
    EXPECT_EQ(prompter.prompts().last().text, "Es wird 1 Eintrag entfernt. Fortfahren?");
    EXPECT_EQ(group->ToDoList()->GetCount(), 0);
    EXPECT_EQ(manager.ToDoView()->Counter()->text(), "ToDo-Liste: 0 Einträge, davon 0 erledigt:");
    EXPECT_EQ(page->Counter()->text(), "ToDo-Liste: 0 Einträge, davon 0 erledigt:");
}

TEST_F(ProjectManagerEndToEndTest, FilesFromAFileManagerAreCopiedInWithTheOpenDialogsFilter)
{
    TProjectManager &manager = showManager(TProjectManager::pgFiles);
    TProjectFileTree *tree = manager.FilesPage()->Tree();
    expandAll(tree);
    writeFile(root.filePath("outside/logo.txt"), "logo");
    tree->setCurrentItem(tree->RowOf(item("css/sub")));
    auto *data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(root.filePath("outside/logo.txt"))});
    drop(tree, data, tree->visualItemRect(tree->RowOf(item("css/a.css"))).center());
    EXPECT_TRUE(lastDropAccepted);
    // Under the focused folder, copied there by the group's synchronisation; the original stays.
    ASSERT_TRUE(item("css/sub/logo.txt"));
    EXPECT_EQ(readFile(web + "css/sub/logo.txt"), "logo");
    EXPECT_TRUE(QFileInfo::exists(root.filePath("outside/logo.txt")));
    EXPECT_TRUE(tree->RowOf(item("css/sub/logo.txt")));

    // The add dialog's filter pairs every name with its patterns, as the open dialog's does.
    const TOpenFilesRequest request = TProjectFileCommands::AddFilesRequest(core->Extensions(), *group);
    EXPECT_EQ(request.filter, TDocumentFilters::OpenFilter(core->Extensions()));
    const QList<TDocumentFilters::TEntry> entries = TDocumentFilters::Entries(request.filter);
    ASSERT_GT(entries.size(), 2);
    EXPECT_EQ(entries.first().name, "Alle unterstützten Formate");
    EXPECT_TRUE(entries.first().patterns.contains("*.php"));
    EXPECT_EQ(entries.last().name, "Alle Dateien (*.*)");
    for (const TDocumentFilters::TEntry &entry : entries) {
        EXPECT_FALSE(entry.name.isEmpty());
        EXPECT_TRUE(entry.patterns.startsWith("*")) << entry.name.toStdString() << " | " << entry.patterns.toStdString();
    }
}
