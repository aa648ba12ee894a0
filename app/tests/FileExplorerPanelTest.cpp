#include "commands/TActionCatalogue.h"
#include "commands/TActionRegistry.h"
#include "commands/TWindowSnapshot.h"
#include "documents/IDocumentOperations.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighters/TIHighlighters.h"
#include "panels/TFileExplorerController.h"
#include "panels/TFileExplorerPanel.h"
#include "panels/TThumbnailCache.h"
#include "settings/TTalvexStudioFileExplorerSettings.h"
#include "TestSupport.h"
#include "ui/TScriptedPrompter.h"

#include <QAction>
#include <QFileSystemModel>
#include <QImage>
#include <QListView>
#include <QMimeData>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Records the batches the panel asks to open.
class TRecordingDocuments : public IDocumentOperations
{
public:
    void OpenFiles(const QStringList &fileNames, TVYRAProjectGroupItems *) override { batches << fileNames; }
    bool CloseDocument(int) override { return false; }
    bool CloseProjectGroup(TVYRAProjectGroupItems *) override { return false; }
    bool QueryExit() override { return true; }
    void CloseAllWithoutAsking() override {}

    QList<QStringList> batches;
};

const QByteArray kFileTypes = R"(<?xml version="1.0" encoding="UTF-8"?>
<filetypes>
  <filetype name="PHP" type="egtOfficial">
    <extension identifier="*.php" registermode="etBoth"/>
    <extension identifier="*.tar.php" registermode="etNone"/>
  </filetype>
  <filetype name="Text" type="egtOfficial">
    <extension identifier="*.TXT" registermode="etNone"/>
  </filetype>
</filetypes>
)";

class FileExplorerPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        extensions.LoadFromData(kFileTypes, true);
        for (const char *name : {"index.php", "SHOUT.PHP", "notes.txt", "archive.tar.gz", "image.png", "Makefile"})
            writeFile(root.filePath(QString::fromLatin1(name)), "x");
        QDir(root.path()).mkdir(QStringLiteral("subfolder"));
    }

    // The names the list shows once the model has read the folder.
    QStringList shownNames(TFileExplorerPanel &panel)
    {
        QFileSystemModel *model = panel.FileModel();
        const QModelIndex rootIndex = panel.ListView()->rootIndex();
        EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(rootIndex) > 0 || !model->canFetchMore(rootIndex); }));
        QTest::qWait(50);
        QStringList names;
        for (int row = 0; row < model->rowCount(rootIndex); ++row) {
            const QModelIndex index = model->index(row, 0, rootIndex);
            if (!panel.ListView()->isRowHidden(row))
                names << model->fileName(index);
        }
        names.sort();
        return names;
    }

    QStringList waitForNames(TFileExplorerPanel &panel, const QStringList &expected)
    {
        QStringList names;
        (void)QTest::qWaitFor([&] { return (names = shownNames(panel)) == expected; }, 5000);
        return names;
    }

    void selectAll(TFileExplorerPanel &panel) { panel.ListView()->selectAll(); }

    QTemporaryDir root;
    TVYRAExtensions extensions{QString(), nullptr};
    TRecordingDocuments documents;
    TTalvexStudioFileExplorerSettings settings;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
};

} // namespace

TEST_F(FileExplorerPanelTest, ListShowsFilesOnlyAndTheSupportedFilterMatchesRegisteredExtensionsInAnyCase)
{
    settings.ShowAllFiles = true;
    TFileExplorerPanel panel(&extensions, &documents, &settings);
    ASSERT_TRUE(panel.SetFolder(root.path()));
    EXPECT_EQ(waitForNames(panel, {"Makefile", "SHOUT.PHP", "archive.tar.gz", "image.png", "index.php", "notes.txt"}),
              (QStringList{"Makefile", "SHOUT.PHP", "archive.tar.gz", "image.png", "index.php", "notes.txt"}));

    panel.SetShowAllTypes(false);
    EXPECT_FALSE(settings.ShowAllFiles);
    EXPECT_EQ(waitForNames(panel, {"SHOUT.PHP", "index.php", "notes.txt"}),
              (QStringList{"SHOUT.PHP", "index.php", "notes.txt"}));

    // No file type registered: nothing is supported, so nothing shows.
    TVYRAExtensions none(QString(), nullptr);
    TFileExplorerPanel empty(&none, &documents, nullptr);
    empty.SetShowAllTypes(false);
    QSignalSpy loaded(empty.FileModel(), &QFileSystemModel::directoryLoaded);
    ASSERT_TRUE(empty.SetFolder(root.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        for (const QList<QVariant> &arguments : loaded) {
            if (QDir::cleanPath(arguments.at(0).toString()) == QDir::cleanPath(root.path()))
                return true;
        }
        return false;
    }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(shownNames(empty), QStringList());
}

TEST_F(FileExplorerPanelTest, StartsInTheStoredFolderWithTheStoredFilterAndRemembersTheLastFolder)
{
    settings.StorePath = true;
    settings.FileExplorerPath = root.path();
    settings.ShowAllFiles = false;
    TFileExplorerPanel panel(&extensions, &documents, &settings);
    EXPECT_EQ(panel.Folder(), QDir::cleanPath(root.path()));
    EXPECT_FALSE(panel.ShowAllTypes());

    QSignalSpy changed(&panel, &TFileExplorerPanel::folderChanged);
    ASSERT_TRUE(panel.SetFolder(root.filePath(QStringLiteral("subfolder"))));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(settings.FileExplorerPath, root.filePath(QStringLiteral("subfolder")));
    EXPECT_FALSE(panel.SetFolder(root.filePath(QStringLiteral("index.php"))));
    EXPECT_FALSE(panel.SetFolder(root.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(panel.Folder(), root.filePath(QStringLiteral("subfolder")));
}

TEST_F(FileExplorerPanelTest, SelectedFilesOpenAsOneBatchAndDragAsFileUrls)
{
    TFileExplorerPanel panel(&extensions, &documents, &settings);
    panel.SetShowAllTypes(false);
    ASSERT_TRUE(panel.SetFolder(root.path()));
    waitForNames(panel, {"SHOUT.PHP", "index.php", "notes.txt"});

    panel.OpenSelected();
    EXPECT_TRUE(documents.batches.isEmpty());

    selectAll(panel);
    panel.OpenSelected();
    ASSERT_EQ(documents.batches.size(), 1);
    QStringList opened = documents.batches.first();
    opened.sort();
    EXPECT_EQ(opened, (QStringList{root.filePath("SHOUT.PHP"), root.filePath("index.php"), root.filePath("notes.txt")}));

    // A drag carries the same files as URLs.
    const QModelIndexList rows = panel.ListView()->selectionModel()->selectedRows();
    std::unique_ptr<QMimeData> mime(panel.FileModel()->mimeData(rows));
    ASSERT_TRUE(mime && mime->hasUrls());
    QStringList dragged;
    for (const QUrl &url : mime->urls())
        dragged << url.toLocalFile();
    dragged.sort();
    EXPECT_EQ(dragged, opened);
    EXPECT_EQ(panel.ListView()->dragDropMode(), QAbstractItemView::DragOnly);
    EXPECT_TRUE(panel.ListView()->dragEnabled());
}

TEST_F(FileExplorerPanelTest, CommandsSwitchViewsAndFilterAndFillTheSnapshot)
{
    TFileExplorerPanel panel(&extensions, &documents, &settings);
    QString activeFile = root.filePath(QStringLiteral("subfolder/page.php"));
    QString groupFolder;
    TFileExplorerController controller(panel, [&] { return activeFile; }, [&] { return groupFolder; });
    TActionRegistry registry;
    registry.AddAll(TActionCatalogue::Standard());
    registry.Install(controller);

    const auto snapshot = [&] {
        TWindowSnapshot s;
        s.hasActiveDocument = s.editable = s.hasFile = true;
        s.projectGroupCount = 1;
        s.projectSelected = s.activeGroupHasFile = true;
        controller.FillSnapshot(s);
        registry.Update(s);
        return s;
    };
    const char *views[] = {"FileExplorerViewIcon", "FileExplorerViewSmallIcon", "FileExplorerViewList",
                           "FileExplorerViewReport", "FileExplorerViewThumbnails"};
    snapshot();
    for (int mode = 4; mode >= 0; --mode) {
        registry.Action(QString::fromLatin1(views[mode]))->trigger();
        EXPECT_EQ(snapshot().explorerViewMode, mode);
        EXPECT_TRUE(registry.Action(QString::fromLatin1(views[mode]))->isChecked()) << views[mode];
        auto *pages = panel.findChild<QStackedWidget *>();
        EXPECT_EQ(pages->currentWidget() == panel.DetailsView(), mode == 3) << views[mode];
    }
    EXPECT_EQ(panel.ListView()->viewMode(), QListView::IconMode);
    registry.Action(QStringLiteral("FileExplorerViewList"))->trigger();
    EXPECT_EQ(panel.ListView()->viewMode(), QListView::ListMode);
    EXPECT_EQ(panel.ListView()->flow(), QListView::TopToBottom);

    // The filter pair behaves as radio items.
    registry.Action(QStringLiteral("FileExplorerShowSupportedOnly"))->trigger();
    snapshot();
    EXPECT_FALSE(registry.Action(QStringLiteral("FileExplorerShowAllTypes"))->isChecked());
    EXPECT_TRUE(registry.Action(QStringLiteral("FileExplorerShowSupportedOnly"))->isChecked());
    registry.Action(QStringLiteral("FileExplorerShowAllTypes"))->trigger();
    EXPECT_TRUE(snapshot().explorerShowAllTypes);
    EXPECT_FALSE(registry.Action(QStringLiteral("FileExplorerShowSupportedOnly"))->isChecked());

    // Going to the document's folder; the project folder only when it exists.
    QDir(root.path()).mkdir(QStringLiteral("subfolder"));
    registry.Action(QStringLiteral("FileExplorerGotoFileDir"))->trigger();
    EXPECT_EQ(panel.Folder(), root.filePath(QStringLiteral("subfolder")));
    groupFolder = root.filePath(QStringLiteral("gone"));
    registry.Action(QStringLiteral("FileExplorerGotoProjectDir"))->trigger();
    EXPECT_EQ(panel.Folder(), root.filePath(QStringLiteral("subfolder")));
    groupFolder = root.path();
    registry.Action(QStringLiteral("FileExplorerGotoProjectDir"))->trigger();
    EXPECT_EQ(panel.Folder(), QDir::cleanPath(root.path()));
    EXPECT_TRUE(snapshot().explorerFolderSelected);
    EXPECT_TRUE(registry.Action(QStringLiteral("FileExplorerOpenFolderWindows"))->isEnabled());
    EXPECT_EQ(registry.Action(QStringLiteral("FileExplorerOpenFolderWindows"))->text(),
              QStringLiteral("Ordner im Windows Explorer öffnen"));
}

TEST_F(FileExplorerPanelTest, OpeningTheFolderInTheFileManagerReportsAFailureNamingTheFolder)
{
    TFileExplorerPanel panel(&extensions, &documents, &settings);
    ASSERT_TRUE(panel.SetFolder(root.path()));
    QList<QUrl> opened;
    bool succeed = true;
    TFileExplorerController controller(panel, {}, {}, [&](const QUrl &url) {
        opened << url;
        return succeed;
    });
    controller.OpenFolderInFileManager();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().toLocalFile(), QDir::cleanPath(root.path()));
    EXPECT_TRUE(prompter.prompts().isEmpty());

    succeed = false;
    controller.OpenFolderInFileManager();
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.contains(QDir::cleanPath(root.path())));
    EXPECT_EQ(prompter.prompts().first().icon, TPromptIcon::Error);

    // A folder removed since it was chosen is not handed to the file manager.
    ASSERT_TRUE(panel.SetFolder(root.filePath(QStringLiteral("subfolder"))));
    ASSERT_TRUE(QDir(root.filePath(QStringLiteral("subfolder"))).removeRecursively());
    controller.OpenFolderInFileManager();
    EXPECT_EQ(opened.size(), 2);
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.prompts().last().text.contains(QStringLiteral("subfolder")));
}

TEST_F(FileExplorerPanelTest, ThumbnailsAreReadOffTheGuiThreadAndScaled)
{
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString file = root.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(picture.save(file));
    TThumbnailCache cache(96);
    EXPECT_TRUE(TThumbnailCache::IsPicture(QStringLiteral("a.JPG")));
    EXPECT_FALSE(TThumbnailCache::IsPicture(root.filePath(QStringLiteral("index.php"))));

    QSignalSpy ready(&cache, &TThumbnailCache::thumbnailReady);
    EXPECT_TRUE(cache.Thumbnail(file).isNull());
    EXPECT_TRUE(cache.IsPending(file));
    ASSERT_TRUE(ready.wait(5000));
    const QPixmap thumbnail = cache.Thumbnail(file);
    EXPECT_EQ(thumbnail.size(), QSize(96, 48));

    // A damaged picture stays without preview and is not read again.
    writeFile(root.filePath(QStringLiteral("broken.png")), "not a picture");
    cache.Thumbnail(root.filePath(QStringLiteral("broken.png")));
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_TRUE(cache.Thumbnail(root.filePath(QStringLiteral("broken.png"))).isNull());
    EXPECT_FALSE(cache.IsPending(root.filePath(QStringLiteral("broken.png"))));
}
