// The tree of a project group: navigation, finding, sorting, adding and
// importing with disk synchronisation, moves with each collision action, and
// removing nodes with open documents. Real files in temporary folders; the
// trash is a temporary one.
#include "TestProjectDocuments.h"
#include "TestSupport.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// A synchronising group over <tmp>/web with a private trash, a document
// list and folder nodes "css" and "img" (both with directories).
class ProjectTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid() && dataHome.isValid());
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        web = dir.filePath("web") + "/";
        QDir().mkpath(web + "css");
        QDir().mkpath(web + "img");
        list.Add(std::make_unique<TVYRAProjectGroupItems>(&list, QString(), false));
        group = list.Items(0);
        group->SetMainFolder(web);
        group->SetFileFolder(web);
        group->SetSyncFileMode(sfmSynchronize);
        group->SetConfirmFileSync(false);
        css = node(group->AddItem("css", web + "css", pitFolder, nullptr, false));
        img = node(group->AddItem("img", web + "img", pitFolder, nullptr, false));
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    TVYRAProjectGroupItem *node(int index, TVYRAProjectGroupItem *parent = nullptr)
    {
        return (parent ? parent : group->Root())->GetItems(index);
    }
    // A file on disk with its node under parent.
    TVYRAProjectGroupItem *file(const QString &relative, TVYRAProjectGroupItem *parent, const QByteArray &content)
    {
        writeFile(web + relative, content);
        return node(group->AddItem(QFileInfo(relative).fileName(), web + relative, pitFile, parent, false), parent);
    }
    QStringList trashed() const
    {
        return QDir(dataHome.filePath("Trash/files")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    void collideWith(TVYRARenameAction action)
    {
        group->OnProjectItemCollision = [action](TVYRAProjectGroupItems *, TVYRAProjectGroupItem *,
                                                 TVYRAProjectGroupItem *, TVYRARenameAction &answer) {
            answer = action;
        };
    }

    QTemporaryDir dir;
    QTemporaryDir dataHome;
    QString web;
    TestProjectDocuments documents;
    TVYRAProjectGroupList list{&documents};
    TVYRAProjectGroupItems *group = nullptr;
    TVYRAProjectGroupItem *css = nullptr;
    TVYRAProjectGroupItem *img = nullptr;
};

} // namespace

TEST_F(ProjectTree, NavigationAndIndexesAgree)
{
    TVYRAProjectGroupItem *a = file("css/a.css", css, "a");
    TVYRAProjectGroupItem *b = file("css/b.css", css, "b");
    TVYRAProjectGroupItem *p = file("img/p.png", img, "p");
    // Depth first: css, a, b, img, p.
    const QList<TVYRAProjectGroupItem *> walk = {css, a, b, img, p};
    TVYRAProjectGroupItem *n = group->Root()->FirstItem();
    for (int i = 0; i < walk.size(); ++i, n = n->NextItem()) {
        EXPECT_EQ(n, walk[i]);
        EXPECT_EQ(n->GetAbsoluteIndex(), i);
        EXPECT_EQ(group->ItemByAbsIndex(i), n);
    }
    EXPECT_EQ(n, nullptr);
    EXPECT_EQ(p->PrevItem(), img);
    EXPECT_EQ(img->PrevItem(), b);
    EXPECT_EQ(css->PrevItem(), nullptr);
    EXPECT_EQ(group->Root()->GetAbsoluteIndex(), -1);
    EXPECT_EQ(group->ItemByAbsIndex(5), nullptr);
    EXPECT_EQ(a->NextSibling(), b);
    EXPECT_EQ(b->PrevSibling(), a);
    EXPECT_EQ(css->LastItem(), b);
    EXPECT_TRUE(b->IsChildOf(group->Root()));
    EXPECT_FALSE(b->IsChildOf(img));
    EXPECT_EQ(b->GetFullPath(), "css/b.css");
    EXPECT_EQ(group->GetItemLevel(b), 2);
    EXPECT_EQ(group->GetItemLevel(group->Root()), 0);
    EXPECT_EQ(group->SelectItem(0, 0), group->Root());
    EXPECT_EQ(group->SelectItem(2, 1), b);
    EXPECT_EQ(group->SelectItem(1, 1), img);
    EXPECT_EQ(group->SelectItem(2, 5), nullptr);
    EXPECT_EQ(group->Root()->GetTotalCount(), 5);
    EXPECT_EQ(group->Root()->GetCountOf(pitFolder), 2);
    EXPECT_EQ(group->FindNextUpperFolder(a), css);
    EXPECT_EQ(group->FindNextUpperFolder(img), img);
    TVYRAProjectGroupItems other(nullptr, QString(), false);
    EXPECT_EQ(other.GetItemLevel(b), -1);
}

TEST_F(ProjectTree, FindFileByTreePathOrPhysicalName)
{
    TVYRAProjectGroupItem *a = file("css/a.css", css, "a");
    EXPECT_EQ(group->FindFile("CSS/A.css"), a);
    EXPECT_EQ(group->FindFile(web + "css/a.css"), a);
    EXPECT_EQ(group->FindFile(web + "CSS/a.css"), nullptr); // paths are case-sensitive here
    EXPECT_EQ(group->FindFile("css"), nullptr);             // folders are no files
    EXPECT_EQ(group->FindFile(""), nullptr);
}

TEST_F(ProjectTree, AlphaSortOrdersByFileNameCaseInsensitively)
{
    file("img/b.png", img, "");
    file("img/A.png", img, "");
    group->AddItem("zeta", "", pitSpecial, img, false);
    file("img/c.png", img, "");
    group->SetModified(false);
    group->AlphaSort();
    QStringList names;
    for (int i = 0; i < img->GetCount(); ++i)
        names << img->GetItems(i)->GetName();
    EXPECT_EQ(names, QStringList({"A.png", "b.png", "c.png", "zeta"}));
    EXPECT_TRUE(group->Modified());
    EXPECT_TRUE(group->ExchangeItems(img->GetItems(0), img->GetItems(3)));
    EXPECT_EQ(img->GetItems(0)->GetName(), "zeta");
    EXPECT_FALSE(group->ExchangeItems(img->GetItems(0), css));
}

TEST_F(ProjectTree, AddFileKnowsItsFilesAndCopiesIntoTheFolder)
{
    const QString outside = dir.filePath("outside/logo.png");
    writeFile(outside, "PNG");
    const int index = group->AddFile(outside, img, fotCopy, false);
    ASSERT_GE(index, 0);
    TVYRAProjectGroupItem *added = node(index, img);
    EXPECT_EQ(added->PhysicalFileName(), web + "img/logo.png");
    EXPECT_EQ(readFile(web + "img/logo.png"), "PNG");
    EXPECT_TRUE(QFileInfo::exists(outside));
    // Known by either name: nothing is added twice.
    EXPECT_EQ(group->AddFile(web + "img/logo.png", img, fotCopy, false), index);
    EXPECT_EQ(group->AddFile(outside, img, fotCopy, false), index);
    EXPECT_EQ(img->GetCount(), 1);
}

TEST_F(ProjectTree, AddFileMovesWhenTheGroupSaysSo)
{
    group->SetSyncFileMode(sfmSynchronizeMoveFile);
    const QString outside = dir.filePath("outside/a.css");
    writeFile(outside, "body{}");
    const int index = group->AddFile(outside, css, fotCopy, false);
    ASSERT_GE(index, 0);
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_EQ(node(index, css)->PhysicalFileName(), web + "css/a.css");
}

TEST_F(ProjectTree, AddFileThatCannotBeCopiedAddsNothing)
{
    const QString outside = dir.filePath("outside/a.css");
    writeFile(outside, "new");
    writeFile(web + "css/a.css", "old"); // not in the tree, but in the way on disk
    EXPECT_EQ(group->AddFile(outside, css, fotCopy, false), -1);
    EXPECT_FALSE(group->LastError().isEmpty());
    EXPECT_EQ(css->GetCount(), 0);
    EXPECT_EQ(readFile(web + "css/a.css"), "old");
    // A folder node whose directory is gone takes nothing in.
    const int gone = group->AddItem("gone", web + "gone", pitFolder, nullptr, false);
    EXPECT_EQ(group->AddFile(outside, node(gone), fotCopy, false), -1);
    EXPECT_EQ(node(gone)->GetCount(), 0);
}

TEST_F(ProjectTree, AddFileAsksBeforeSynchronising)
{
    group->SetConfirmFileSync(true);
    QString asked;
    group->Events().OnAddingProjectItem = [&asked](TVYRAProjectGroupItems *, TVYRAProjectItemType type,
                                                   const QString &name, QString &destination, bool &allow) {
        EXPECT_EQ(type, pitFile);
        asked = name + " -> " + destination;
        allow = false;
    };
    const QString outside = dir.filePath("outside/a.css");
    writeFile(outside, "x");
    const int index = group->AddFile(outside, css, fotCopy, false);
    EXPECT_EQ(asked, "a.css -> " + web + "css/a.css");
    // Refused: added where it lies.
    EXPECT_EQ(node(index, css)->PhysicalFileName(), outside);
    EXPECT_FALSE(QFileInfo::exists(web + "css/a.css"));
}

TEST_F(ProjectTree, ImportInPlaceAndWithMove)
{
    writeFile(dir.filePath("src/index.php"), "i");
    writeFile(dir.filePath("src/lib/a.php"), "a");
    writeFile(dir.filePath("src/.hidden"), "h");
    // Without an operation the files stay where they are.
    TVYRAProjectGroupItems plain(nullptr, QString(), false);
    ASSERT_TRUE(plain.ImportFromFolder(dir.filePath("src"), true, std::nullopt, nullptr).ok);
    EXPECT_EQ(plain.GetFileCount(), 3);
    EXPECT_EQ(plain.GetFolderCount(), 1);
    EXPECT_NE(plain.FindFile(dir.filePath("src/lib/a.php")), nullptr);

    // Moving: the content goes into the folder's directory and the nodes carry the new paths.
    group->SetSyncFileMode(sfmSynchronizeMoveFile);
    ASSERT_TRUE(group->ImportFromFolder(dir.filePath("src"), true, fotCopy, img).ok);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("src/index.php")));
    EXPECT_EQ(readFile(web + "img/lib/a.php"), "a");
    EXPECT_EQ(img->GetTotalItemCount(pitFile), 3);
    TVYRAProjectGroupItem *a = group->FindFile(web + "img/lib/a.php");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->GetFullPath(), "img/lib/a.php");
    // Importing the folder's own directory does nothing.
    EXPECT_TRUE(group->ImportFromFolder(web + "img", true, fotCopy, img).ok);
    EXPECT_EQ(img->GetTotalItemCount(pitFile), 3);
}

TEST_F(ProjectTree, AddFolderBringsAnExistingDirectoryWithItsContent)
{
    writeFile(dir.filePath("outside/fonts/a.woff"), "w");
    const int index = group->AddFolder(dir.filePath("outside/fonts"), css, fotCopy, false);
    ASSERT_GE(index, 0) << group->LastError().toStdString();
    TVYRAProjectGroupItem *fonts = node(index, css);
    EXPECT_EQ(fonts->PhysicalFileName(), web + "css/fonts");
    ASSERT_EQ(fonts->GetCount(), 1);
    EXPECT_EQ(fonts->GetItems(0)->PhysicalFileName(), web + "css/fonts/a.woff");
    EXPECT_EQ(readFile(web + "css/fonts/a.woff"), "w");
    // A new name is created inside the folder's directory.
    const int created = group->AddFolder("js", nullptr, fotCopy, false);
    EXPECT_TRUE(QFileInfo(web + "js").isDir());
    EXPECT_EQ(node(created)->PhysicalFileName(), web + "js");
}

TEST_F(ProjectTree, MoveFileRenamesFileAndOpenDocument)
{
    TVYRAProjectGroupItem *a = file("css/a.css", css, "A");
    TVYRADocument *document = documents.Open(a);
    ASSERT_TRUE(group->MoveItem(a, img).ok);
    EXPECT_EQ(a->Parent(), img);
    EXPECT_EQ(a->PhysicalFileName(), web + "img/a.css");
    EXPECT_EQ(readFile(web + "img/a.css"), "A");
    EXPECT_FALSE(QFileInfo::exists(web + "css/a.css"));
    EXPECT_EQ(document->GetFileName(), web + "img/a.css");
    EXPECT_EQ(a->GetDocument(), document);
}

TEST_F(ProjectTree, CollisionCancelledLeavesTreeAndDisk)
{
    TVYRAProjectGroupItem *moving = file("css/x.txt", css, "moving");
    file("img/x.txt", img, "staying");
    // No handler: cancelled.
    EXPECT_FALSE(group->MoveItem(moving, img).ok);
    collideWith(racCancel);
    EXPECT_FALSE(group->MoveItem(moving, img).ok);
    EXPECT_EQ(moving->Parent(), css);
    EXPECT_EQ(img->GetCount(), 1);
    EXPECT_EQ(readFile(web + "css/x.txt"), "moving");
    EXPECT_EQ(readFile(web + "img/x.txt"), "staying");
}

TEST_F(ProjectTree, CollisionOverwriteTrashesTheReplacedFileAndClosesItsDocument)
{
    TVYRAProjectGroupItem *moving = file("css/x.txt", css, "moving");
    TVYRAProjectGroupItem *existing = file("img/X.TXT", img, "staying"); // names collide in any case
    // Only the same path is replaced: make the existing node's file the target.
    ASSERT_TRUE(QFile::rename(web + "img/X.TXT", web + "img/x.txt"));
    existing->SetPhysFile(web + "img/x.txt");
    documents.Open(existing);
    collideWith(racOverwrite);
    ASSERT_TRUE(group->MoveItem(moving, img).ok);
    EXPECT_EQ(img->GetCount(), 1);
    EXPECT_EQ(img->GetItems(0), moving);
    EXPECT_EQ(readFile(web + "img/x.txt"), "moving");
    EXPECT_EQ(trashed(), QStringList({"x.txt"}));
    EXPECT_EQ(readFile(dataHome.filePath("Trash/files/x.txt")), "staying");
    EXPECT_EQ(documents.closed, QStringList({web + "img/x.txt"}));
    EXPECT_FALSE(documents.itemFreedTwice);
}

TEST_F(ProjectTree, CollisionOverwriteDeletesNothingThatIsNotReplaced)
{
    // Without synchronisation the node goes, its file stays.
    group->SetSyncFileMode(sfmDontSynrchronize);
    TVYRAProjectGroupItem *moving = file("css/x.txt", css, "moving");
    file("img/x.txt", img, "staying");
    collideWith(racOverwrite);
    ASSERT_TRUE(group->MoveItem(moving, img).ok);
    EXPECT_EQ(img->GetCount(), 1);
    EXPECT_EQ(readFile(web + "img/x.txt"), "staying");
    EXPECT_EQ(readFile(web + "css/x.txt"), "moving");
    EXPECT_TRUE(trashed().isEmpty());

    // With synchronisation, but the existing node stands for a file elsewhere:
    // that file is not the one replaced and stays.
    group->SetSyncFileMode(sfmSynchronize);
    writeFile(dir.filePath("elsewhere/y.txt"), "elsewhere");
    group->AddItem("y.txt", dir.filePath("elsewhere/y.txt"), pitFile, img, false);
    TVYRAProjectGroupItem *y = file("css/y.txt", css, "y");
    ASSERT_TRUE(group->MoveItem(y, img).ok);
    EXPECT_EQ(readFile(dir.filePath("elsewhere/y.txt")), "elsewhere");
    EXPECT_EQ(readFile(web + "img/y.txt"), "y");
    EXPECT_TRUE(trashed().isEmpty());
}

TEST_F(ProjectTree, CollisionAutoRenameGivesAFreeName)
{
    TVYRAProjectGroupItem *moving = file("css/x.txt", css, "moving");
    file("img/x.txt", img, "staying");
    writeFile(web + "img/x (2).txt", "in the way on disk");
    collideWith(racAutoRename);
    ASSERT_TRUE(group->MoveItem(moving, img).ok);
    EXPECT_EQ(moving->GetName(), "x (3).txt");
    EXPECT_EQ(moving->PhysicalFileName(), web + "img/x (3).txt");
    EXPECT_EQ(readFile(web + "img/x (3).txt"), "moving");
    EXPECT_EQ(readFile(web + "img/x.txt"), "staying");
    EXPECT_EQ(img->GetCount(), 2);
}

TEST_F(ProjectTree, MovingAFolderRewritesDescendantsAndDocuments)
{
    const int sub = group->AddItem("theme", web + "css/theme", pitFolder, css, false);
    TVYRAProjectGroupItem *theme = node(sub, css);
    QDir().mkpath(web + "css/theme");
    TVYRAProjectGroupItem *deep = file("css/theme/dark/d.css", theme, "D");
    TVYRADocument *document = documents.Open(deep);
    ASSERT_TRUE(group->MoveItem(theme, img).ok);
    EXPECT_TRUE(QFileInfo(web + "img/theme").isDir());
    EXPECT_FALSE(QFileInfo::exists(web + "css/theme"));
    EXPECT_EQ(theme->PhysicalFileName(), web + "img/theme");
    EXPECT_EQ(deep->PhysicalFileName(), web + "img/theme/dark/d.css");
    EXPECT_EQ(readFile(deep->PhysicalFileName()), "D");
    EXPECT_EQ(document->GetFileName(), web + "img/theme/dark/d.css");
}

TEST_F(ProjectTree, ImpossibleMovesChangeNothing)
{
    const int sub = group->AddItem("theme", web + "css/theme", pitFolder, css, false);
    EXPECT_FALSE(group->MoveItem(css, node(sub, css)).ok); // into its own subtree
    EXPECT_FALSE(group->MoveItem(group->Root(), css).ok);  // the root
    EXPECT_EQ(css->Parent(), group->Root());
    // A disk move that fails leaves the node where it was.
    TVYRAProjectGroupItem *a = file("css/a.css", css, "A");
    writeFile(web + "img/a.css", "in the way");
    EXPECT_FALSE(group->MoveItem(a, img).ok);
    EXPECT_EQ(a->Parent(), css);
    EXPECT_EQ(a->PhysicalFileName(), web + "css/a.css");
    EXPECT_EQ(readFile(web + "img/a.css"), "in the way");
}

TEST_F(ProjectTree, RemovingANodeDetachesItsDocumentBeforeClosingIt)
{
    TVYRAProjectGroupItem *a = file("css/a.css", css, "A");
    TVYRAProjectGroupItem *b = file("css/b.css", css, "B");
    documents.Open(a);
    documents.Open(b);
    QStringList removed;
    group->Events().OnProjectItemRemoved = [&removed](TVYRAProjectGroupItems *, TVYRAProjectGroupItem *item) {
        removed << item->GetName();
    };
    group->SetModified(false);
    group->Root()->RemoveItem(css->GetIndex());
    EXPECT_EQ(removed, QStringList({"css", "a.css", "b.css"}));
    EXPECT_EQ(documents.closed, QStringList({web + "css/a.css", web + "css/b.css"}));
    EXPECT_FALSE(documents.itemFreedTwice);
    EXPECT_TRUE(documents.entries.empty());
    EXPECT_TRUE(group->Modified());
    // Files stay on disk: removing a node is no delete.
    EXPECT_TRUE(QFileInfo::exists(web + "css/a.css"));
}

TEST_F(ProjectTree, OpenActivatesOrOpens)
{
    TVYRAProjectGroupItem *a = file("css/a.css", css, "A");
    EXPECT_TRUE(a->Open());
    ASSERT_NE(a->GetDocument(), nullptr);
    EXPECT_FALSE(a->Open());
    EXPECT_EQ(documents.activated, a->GetDocument());
    EXPECT_FALSE(css->Open()); // folders do not open
    EXPECT_EQ(group->GetDocuments().size(), 1);
    QStringList files;
    QList<TVYRAProjectGroupItem *> nodes;
    group->ListFiles(files, true, &nodes);
    EXPECT_EQ(files, QStringList({web + "css/a.css"}));
    EXPECT_EQ(nodes, QList<TVYRAProjectGroupItem *>({a}));
}

TEST_F(ProjectTree, MoveBetweenGroups)
{
    TVYRAProjectGroupItem *a = file("css/a.css", css, "A");
    list.Add(std::make_unique<TVYRAProjectGroupItems>(&list, QString(), false));
    TVYRAProjectGroupItems *other = list.Items(1);
    ASSERT_TRUE(a->SetOwner(other).ok);
    EXPECT_EQ(a->Owner(), other);
    EXPECT_EQ(a->Parent(), other->Root());
    EXPECT_EQ(css->GetCount(), 0);
    // The other group does not synchronise: the file stays.
    EXPECT_EQ(a->PhysicalFileName(), web + "css/a.css");
}

TEST_F(ProjectTree, CollisionOverwriteReplacesAFolderAsAWhole)
{
    // css/fonts is moved onto img/fonts: the old folder goes to the trash with its content.
    TVYRAProjectGroupItem *moving = node(group->AddItem("fonts", web + "css/fonts", pitFolder, css, false), css);
    TVYRAProjectGroupItem *existing = node(group->AddItem("fonts", web + "img/fonts", pitFolder, img, false), img);
    TVYRAProjectGroupItem *newFont = file("css/fonts/new.woff", moving, "new");
    TVYRAProjectGroupItem *oldFont = file("img/fonts/old.woff", existing, "old");
    documents.Open(oldFont);
    documents.Open(newFont);
    collideWith(racOverwrite);
    ASSERT_TRUE(group->MoveItem(moving, img).ok);
    EXPECT_EQ(img->GetCount(), 1);
    EXPECT_EQ(newFont->PhysicalFileName(), web + "img/fonts/new.woff");
    EXPECT_EQ(newFont->GetDocument()->GetFileName(), web + "img/fonts/new.woff");
    EXPECT_FALSE(QFileInfo::exists(web + "img/fonts/old.woff"));
    EXPECT_EQ(readFile(dataHome.filePath("Trash/files/fonts/old.woff")), "old");
    EXPECT_EQ(documents.closed, QStringList({web + "img/fonts/old.woff"}));
    EXPECT_FALSE(documents.itemFreedTwice);
}
