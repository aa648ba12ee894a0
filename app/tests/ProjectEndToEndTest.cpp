#include "StudioWindowFixture.h"
#include "dialogs/TProperties.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TDocumentCommands.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "editor/TCodeEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "projects/TProjectAssist.h"
#include "projects/TProjectFeature.h"
#include "projects/TProjectTreeLabels.h"
#include "projects/TProjectTreePanel.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TVYRAProjectGroupList.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "settings/TVYRASettings.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QDockWidget>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <iostream>

namespace {

QSet<QString> filesOnDisk(const QString &folder)
{
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QFileInfo(it.next()).absoluteFilePath());
    return files;
}

// The files the tree shows below a row, by the nodes behind the rows.
void filesInTree(const TProjectTreePanel &panel, const TVYRAProjectGroupItem *node, QSet<QString> &files, int &rows)
{
    for (int i = 0; i < node->GetCount(); ++i) {
        const TVYRAProjectGroupItem *child = node->GetItems(i);
        if (!panel.RowOf(child))
            continue;
        ++rows;
        if (child->ItemType() == pitFile)
            files.insert(QFileInfo(child->PhysicalFileName()).absoluteFilePath());
        filesInTree(panel, child, files, rows);
    }
}

class ProjectEndToEndTest : public StudioWindowFixture
{
protected:
    void SetUp() override
    {
        StudioWindowFixture::SetUp();
        window->resize(1200, 800);
        tree = features->Projects().Tree();
        ASSERT_TRUE(tree);
    }
    void trigger(const QString &name)
    {
        window->UpdateNow();
        QAction *action = window->Registry().Action(name);
        ASSERT_TRUE(action && action->isEnabled()) << name.toStdString();
        action->trigger();
    }
    TVYRAProjectGroupList &groups() const { return *core->ProjectGroups(); }
    template <class T> static T *child(QWidget *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    static void click(QWidget *parent, const char *name)
    {
        if (auto *button = child<QAbstractButton>(parent, name))
            button->click();
    }
    // Runs the assistant through its buttons: an import of folder into a project called name.
    void createByAssistant(const QString &name, const QString &folder)
    {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto *assist = qobject_cast<TProjectAssist *>(QApplication::activeModalWidget());
            if (!assist) {
                for (QWidget *widget : QApplication::topLevelWidgets())
                    if (auto *found = qobject_cast<TProjectAssist *>(widget))
                        assist = found;
            }
            if (!assist)
                return;
            assist->SetFolderPicker([folder](QWidget *) { return folder; });
            prompter.answerButton(TPromptButton::Ok);
            click(assist, "btnNext"); // no type chosen: warned, the step stays
            EXPECT_EQ(assist->Step(), TProjectAssist::stWelcome);
            click(assist, "rbImport");
            click(assist, "btnNext");
            EXPECT_EQ(assist->Step(), TProjectAssist::stFolders);
            prompter.answerButton(TPromptButton::Yes); // sub-folders too
            click(assist, "btnAddFolder");
            click(assist, "btnNext");
            EXPECT_EQ(assist->Step(), TProjectAssist::stName);
            auto *nameEdit = child<QLineEdit>(assist, "edName");
            nameEdit->selectAll();
            QTest::keyClicks(nameEdit, name);
            // The path followed the typed name.
            EXPECT_EQ(QDir::fromNativeSeparators(child<QLineEdit>(assist, "edPath")->text()),
                      QDir(core->ProjectDir()).filePath(name));
            EXPECT_EQ(child<QPushButton>(assist, "btnNext")->text(), QStringLiteral("Erstellen..."));
            click(assist, "btnNext");
            EXPECT_EQ(assist->Step(), TProjectAssist::stDone);
            EXPECT_FALSE(child<QPushButton>(assist, "btnBack")->isEnabled());
            EXPECT_EQ(child<QPushButton>(assist, "btnNext")->text(), QStringLiteral("Fertig stellen"));
            click(assist, "btnNext");
            driven = assist->result() == QDialog::Accepted;
            // A wizard left open by a failure would hold the test forever.
            if (assist->isVisible())
                assist->done(QDialog::Rejected);
        });
        trigger(QStringLiteral("FileNewProject"));
        ASSERT_TRUE(driven);
    }

    TProjectTreePanel *tree = nullptr;
};

} // namespace

TEST_F(ProjectEndToEndTest, AssistantImportSaveCloseReopenTreeAndDiskAgree)
{
    ASSERT_TRUE(window->findChild<QDockWidget *>(QStringLiteral("tbProjectTree")));
    const QString source = root.filePath(QStringLiteral("site"));
    for (int i = 0; i < 1000; ++i)
        TestSupport::writeFile(source + QStringLiteral("/page%1.php").arg(i), "<?php echo 1;");
    TestSupport::writeFile(source + QStringLiteral("/css/site.css"), "body{}");

    createByAssistant(QStringLiteral("Web"), source);
    ASSERT_EQ(groups().Count(), 1);
    TVYRAProjectGroupItems *group = groups().Items(0);
    EXPECT_EQ(window->SelectedProjectGroup(), group);
    const QString projectFile = QDir(core->ProjectDir()).filePath(QStringLiteral("Web/Web.qpg"));
    EXPECT_EQ(group->FileName(), projectFile);
    const QString fileFolder = QDir(core->ProjectDir()).filePath(QStringLiteral("Web/Web - Dateien"));
    EXPECT_EQ(filesOnDisk(fileFolder).size(), 1001);
    EXPECT_EQ(filesOnDisk(source).size(), 1001); // copied, not moved

    // A file added later follows the copy mode, after the project's question.
    const QString extra = root.filePath(QStringLiteral("extra.js"));
    TestSupport::writeFile(extra, "var a;");
    tree->Select(group->Root());
    dialogs.answerOpen({extra});
    prompter.answerButton(TPromptButton::Yes);
    trigger(QStringLiteral("ProjectAdd"));
    ASSERT_EQ(dialogs.openRequests().size(), 1);
    EXPECT_EQ(dialogs.openRequests().first().title, QStringLiteral("Dateien hinzufügen..."));
    EXPECT_TRUE(dialogs.openRequests().first().filter.startsWith(QStringLiteral("Alle unterstützten Formate|")));
    EXPECT_EQ(prompter.prompts().last().text,
              QStringLiteral("Möchten Sie die Datei \"extra.js\" in den Projektordner des Projektes \"Web\" kopieren?"));
    EXPECT_TRUE(QFile::exists(fileFolder + QStringLiteral("/extra.js")));
    EXPECT_TRUE(QFile::exists(extra));

    trigger(QStringLiteral("ProjectSaveProject"));
    EXPECT_FALSE(group->Modified());
    trigger(QStringLiteral("ProjectCloseProject"));
    EXPECT_EQ(groups().Count(), 0);
    features->Projects().Refresh();
    EXPECT_EQ(tree->Tree()->topLevelItemCount(), 0);

    prompter.answerButton(TPromptButton::Yes); // this data folder registers no file types
    window->OpenFiles({projectFile});
    ASSERT_EQ(groups().Count(), 1);
    features->Projects().Refresh();
    ASSERT_EQ(tree->Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(tree->Tree()->topLevelItem(0)->text(0), QStringLiteral("Web"));
    QSet<QString> shown;
    int rows = 0;
    filesInTree(*tree, groups().Items(0)->Root(), shown, rows);
    EXPECT_EQ(rows, 1003); // 1002 files and the folder "css"
    EXPECT_EQ(shown, filesOnDisk(fileFolder));
    EXPECT_EQ(prompter.unexpectedCount(), 0);
}

TEST_F(ProjectEndToEndTest, TreeLabelsFollowTheDocumentsAndRemoveAsksBeforeClosing)
{
    const QString folder = root.filePath(QStringLiteral("p"));
    TestSupport::writeFile(folder + QStringLiteral("/index.php"), "<?php\n");
    TestSupport::writeFile(folder + QStringLiteral("/inc/gone.php"), "<?php\n");
    auto *project = new TTalvexStudioProject(&groups(), folder + QStringLiteral("/p.qpg"), false);
    groups().Add(std::unique_ptr<TVYRAProjectGroupItems>(project));
    project->SetProjectName(QStringLiteral("P"));
    ASSERT_TRUE(project->ImportFromFolder(folder, true, std::nullopt, nullptr).ok);
    TVYRAProjectGroupItem *index = project->FindFile(folder + QStringLiteral("/index.php"));
    ASSERT_TRUE(index);
    project->SetStartPage(dynamic_cast<TTalvexStudioProjectItem *>(index));
    QFile::remove(folder + QStringLiteral("/inc/gone.php"));
    features->Projects().Refresh();

    EXPECT_EQ(tree->Tree()->topLevelItem(0)->text(0), QStringLiteral("P *"));
    EXPECT_EQ(tree->RowOf(index)->text(0), QStringLiteral("index.php [Startseite]"));
    EXPECT_TRUE(tree->RowOf(index)->font(0).bold());
    const TVYRAProjectGroupItem *gone = project->FindFile(folder + QStringLiteral("/inc/gone.php"));
    ASSERT_TRUE(gone);
    EXPECT_EQ(tree->RowOf(gone)->text(0), QStringLiteral("gone.php (Datei nicht gefunden!)"));
    EXPECT_EQ(tree->RowOf(gone->Parent())->text(0), QStringLiteral("inc"));

    // The properties of a file that is not open yet open it first and name it.
    tree->Select(index);
    QString propertiesCaption;
    QTimer::singleShot(0, window.get(), [&] {
        if (auto *dialog = qobject_cast<TProperties *>(QApplication::activeModalWidget())) {
            propertiesCaption = dialog->windowTitle();
            dialog->reject();
        }
    });
    prompter.answerButton(TPromptButton::Yes); // this data folder registers no file types
    trigger(QStringLiteral("ProjectProperties"));
    EXPECT_EQ(propertiesCaption, QStringLiteral("Eigenschaften von index.php"));
    ASSERT_TRUE(index->GetDocument());
    core->Container()->CloseDocument(core->Container()->Documents().IndexOf(index->GetDocument()));
    ASSERT_FALSE(index->GetDocument());

    // Double click opens the file; typing marks it.
    QDockWidget *dock = window->findChild<QDockWidget *>(QStringLiteral("tbProjectTree"));
    ASSERT_TRUE(dock);
    dock->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tree->Tree()->isVisible(); }, 2000));
    tree->Select(index);
    prompter.answerButton(TPromptButton::Yes); // this data folder registers no file types
    const QPoint where = tree->Tree()->visualItemRect(tree->RowOf(index)).center();
    QTest::mouseClick(tree->Tree()->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(tree->Tree()->viewport(), Qt::LeftButton, {}, where);
    ASSERT_TRUE(QTest::qWaitFor([&] { return index->GetDocument() != nullptr; }, 3000))
        << core->Container()->GetDocumentCount() << " " << prompter.prompts().size() << " "
        << index->PhysicalFileName().toStdString();
    EXPECT_EQ(window->SelectedProjectGroup(), project);
    TVYRADocument *document = index->GetDocument();
    document->SetModified(true);
    emit window->documentChanged(document);
    EXPECT_EQ(tree->RowOf(index)->text(0), QStringLiteral("index.php * [Startseite]"));

    // Remove: the question names the item, then the save question; Cancel keeps both.
    tree->Select(index);
    prompter.clear();
    prompter.answerButton(TPromptButton::Yes);
    prompter.answerButton(TPromptButton::Cancel);
    trigger(QStringLiteral("ProjectRemove"));
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts()[0].text,
              QStringLiteral("Möchten Sie \"index.php\" und alle untergeordneten Elemente aus der Projektgruppe entfernen?"));
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Bestätigen"));
    EXPECT_TRUE(prompter.prompts()[1].text.startsWith(QStringLiteral("Der Text in der Datei")));
    EXPECT_EQ(project->FindFile(folder + QStringLiteral("/index.php")), index);
    EXPECT_EQ(index->GetDocument(), document);

    // Yes, then No to saving: the item and its document go, the file stays unchanged on disk.
    tree->Select(index);
    prompter.clear();
    prompter.answerButton(TPromptButton::Yes);
    prompter.answerButton(TPromptButton::No);
    trigger(QStringLiteral("ProjectRemove"));
    EXPECT_EQ(project->FindFile(folder + QStringLiteral("/index.php")), nullptr);
    EXPECT_EQ(core->Container()->GetDocumentCount(), 0);
    EXPECT_EQ(TestSupport::readFile(folder + QStringLiteral("/index.php")), "<?php\n");
    EXPECT_EQ(project->StartPage(), nullptr);
    // A root is never removed.
    tree->Select(project->Root());
    prompter.clear();
    trigger(QStringLiteral("ProjectRemove"));
    EXPECT_TRUE(prompter.prompts().isEmpty());
    EXPECT_EQ(project->GetFolderCount(), 1);
}

TEST_F(ProjectEndToEndTest, OlderProjectGroupOpensOnlyWhenUpgraded)
{
    const QString file = root.filePath(QStringLiteral("alt.qpg"));
    const QByteArray older = "<?xml version=\"1.0\"?>\n<talvexprojectgroup><name>Alt</name><autosyncfiles>2"
                             "</autosyncfiles></talvexprojectgroup>\n";
    TestSupport::writeFile(file, older);
    QStringList asked;
    bool answer = false;
    features->Projects().SetUpgradeQuestion([&](const QString &name) {
        asked.append(name);
        return answer;
    });
    window->OpenFiles({file});
    EXPECT_EQ(asked, QStringList{file});
    EXPECT_EQ(groups().Count(), 0);
    EXPECT_EQ(TestSupport::readFile(file), older);

    answer = true;
    prompter.answerButton(TPromptButton::Yes); // this data folder registers no file types
    window->OpenFiles({file});
    ASSERT_EQ(groups().Count(), 1);
    EXPECT_EQ(groups().Items(0)->ProjectName(), QStringLiteral("Alt"));
    EXPECT_EQ(TestSupport::readFile(file + QStringLiteral(".bak")), older);
    features->Projects().Refresh();
    EXPECT_EQ(tree->Tree()->topLevelItem(0)->text(0), QStringLiteral("Alt"));
}
