// The ".qpg" file of a project group: element order, path macros, the sync
// mode, blank, damaged and foreign targets.
#include "TestProjectDocuments.h"
#include "TestSupport.h"
#include "documents/TVYRAFileType.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "projects/TVYRAProjectGroupList.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

QString recognizer() { return TVYRAFileTypeRecognizers::get(ftProject); }

QString folder(const QTemporaryDir &dir, const QString &name)
{
    QDir().mkpath(dir.filePath(name));
    return dir.filePath(name) + QLatin1Char('/');
}

std::unique_ptr<TVYRAProjectGroupItems> loaded(const QString &fileName)
{
    return TVYRAProjectGroupItems::Create<TVYRAProjectGroupItems>(nullptr, fileName, true, true);
}

QStringList childNames(const pugi::xml_node &node)
{
    QStringList names;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        names.append(QString::fromUtf8(child.name()));
    return names;
}

pugi::xml_node rootOf(pugi::xml_document &document, const QString &fileName)
{
    EXPECT_TRUE(LoadXmlDocument(document, fileName));
    return document.document_element();
}

QString storedPathOfFirstChild(const QString &fileName)
{
    pugi::xml_document document;
    return GetNodeText(rootOf(document, fileName).child("item").child("item"), "PhysicalFileName");
}

} // namespace

TEST(ProjectGroupFile, NewFileTakesTheCurrentRecognizerAndTheOrderOfElements)
{
    // The program sets its own recogniser before any core exists; a new file must carry it.
    TVYRAFileTypeRecognizers::set(ftProject, QStringLiteral("talvexstudioproject"));
    QTemporaryDir dir;
    TVYRAProjectGroupItems group(nullptr, QString(), false);
    group.SetProjectName("Web");
    group.AddItem("a.php", dir.filePath("a.php"), pitFile, nullptr, false);
    const QString file = dir.filePath("new.qpg");
    ASSERT_TRUE(group.Save(file).ok);
    pugi::xml_document document;
    const pugi::xml_node root = rootOf(document, file);
    EXPECT_STREQ(root.name(), "talvexstudioproject");
    EXPECT_EQ(childNames(root), QStringList({"name", "version", "comment", "autosyncfiles", "confirmfilesync",
                                             "directory", "filedirectory", "item"}));
    EXPECT_EQ(childNames(root.child("item").child("item")),
              QStringList({"ItemType", "ItemName", "Comment", "PhysicalFileName"}));
    EXPECT_FALSE(group.Modified());
    EXPECT_TRUE(group.FileExists());
    EXPECT_EQ(loaded(file)->Root()->GetItems(0)->GetName(), "a.php");
}

TEST(ProjectGroupFile, EmptyAndBlankTargetsGetTheWholeStructure)
{
    QTemporaryDir dir;
    for (const QByteArray &content : {QByteArray(), QByteArray(" \n\t \r\n")}) {
        const QString file = dir.filePath("blank.qpg");
        writeFile(file, content);
        // A blank file loads as an empty project ...
        auto group = loaded(file);
        EXPECT_TRUE(group->FileExists());
        EXPECT_EQ(group->Root()->GetCount(), 0);
        // ... and saving fills it.
        group->SetProjectName("Blank");
        ASSERT_TRUE(group->Save().ok);
        pugi::xml_document document;
        const pugi::xml_node root = rootOf(document, file);
        EXPECT_EQ(QString::fromUtf8(root.name()), recognizer());
        EXPECT_EQ(GetNodeText(root, "name"), "Blank");
        EXPECT_TRUE(root.child("filedirectory"));
        EXPECT_TRUE(root.child("item"));
    }
}

TEST(ProjectGroupFile, SavingWithoutANameFails)
{
    for (const QString &name : {QString(), QStringLiteral("  ")}) {
        TVYRAProjectGroupItems group(nullptr, name, false);
        group.SetProjectName("Ohne Namen");
        const TDocumentResult result = group.Save();
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.errorText.contains("Ohne Namen"));
        EXPECT_TRUE(group.Modified());
    }
}

TEST(ProjectGroupFile, ForeignRootIsAFailureThatKeepsFileAndModified)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("other.qpg");
    const QByteArray foreign = "<?xml version=\"1.0\"?>\n<snippets><snippet/></snippets>\n";
    writeFile(file, foreign);
    TVYRAProjectGroupItems group(nullptr, file, true);
    group.SetProjectName("Mine");
    ASSERT_TRUE(group.Modified());
    const TDocumentResult result = group.Save();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.errorText.contains(file));
    EXPECT_TRUE(group.Modified());
    EXPECT_EQ(readFile(file), foreign);

    try {
        loaded(file);
        FAIL() << "a foreign root must not load";
    } catch (const EInvalidVYRAFormat &e) {
        EXPECT_EQ(e.message(), "Datei \"other.qpg\" enthält kein gültiges VYRA Projekt.");
    }
}

TEST(ProjectGroupFile, DamagedTargetIsKeptAsCopyAndReplaced)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("damaged.qpg");
    writeFile(file, "<" + recognizer().toUtf8() + "><name>x</nam");
    EXPECT_THROW(loaded(file), EInvalidVYRAFormat);
    TVYRAProjectGroupItems group(nullptr, file, true);
    group.SetProjectName("Repaired");
    ASSERT_TRUE(group.Save().ok);
    EXPECT_EQ(readFile(file + ".damaged"), "<" + recognizer().toUtf8() + "><name>x</nam");
    EXPECT_EQ(loaded(file)->ProjectName(), "Repaired");
}

TEST(ProjectGroupFile, MainFolderMacroMovesWithTheProject)
{
    QTemporaryDir dir;
    const QString main = folder(dir, "web");
    const QString files = folder(dir, "files");
    TVYRAProjectGroupItems group(nullptr, QString(), false);
    ASSERT_TRUE(group.SetMainFolder(main));
    ASSERT_TRUE(group.SetFileFolder(files));
    group.AddItem("index.php", main + "index.php", pitFile, nullptr, false);
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(group.Save(file).ok);
    EXPECT_EQ(storedPathOfFirstChild(file), "$(MAINFOLDER)index.php");

    // The same file with another main folder: the node follows it.
    const QString moved = folder(dir, "moved");
    QByteArray content = readFile(file);
    content.replace(main.toUtf8(), moved.toUtf8());
    writeFile(file, content);
    auto reloaded = loaded(file);
    EXPECT_EQ(reloaded->MainFolder(), moved);
    EXPECT_EQ(reloaded->Root()->GetItems(0)->PhysicalFileName(), moved + "index.php");
}

TEST(ProjectGroupFile, FileFolderMacroWinsWhenBothFoldersAreEqual)
{
    QTemporaryDir dir;
    const QString main = folder(dir, "web");
    TVYRAProjectGroupItems group(nullptr, QString(), false);
    group.SetMainFolder(main);
    group.SetFileFolder(main);
    group.AddItem("x.css", main + "css/x.css", pitFile, nullptr, false);
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(group.Save(file).ok);
    EXPECT_EQ(storedPathOfFirstChild(file), "$(FILEFOLDER)css/x.css");
    EXPECT_EQ(loaded(file)->Root()->GetItems(0)->PhysicalFileName(), main + "css/x.css");
}

TEST(ProjectGroupFile, OnlyALeadingFolderBecomesAMacro)
{
    // A main folder that occurs inside a path, but not at its start, stays as it is.
    QTemporaryDir dir;
    const QString main = folder(dir, "web");
    const QString inner = dir.filePath("home/u") + main; // ".../home/u/<tmp>/web/x.php"
    const QString lookalike = dir.filePath("web2/y.php"); // shares the text but not the folder
    TVYRAProjectGroupItems group(nullptr, QString(), false);
    group.SetMainFolder(main);
    group.SetFileFolder(main);
    group.AddItem("x.php", inner + "x.php", pitFile, nullptr, false);
    group.AddItem("y.php", lookalike, pitFile, nullptr, false);
    EXPECT_EQ(group.StoredPath(inner + "x.php"), inner + "x.php");
    EXPECT_EQ(group.StoredPath(lookalike), lookalike);
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(group.Save(file).ok);
    auto reloaded = loaded(file);
    EXPECT_EQ(reloaded->Root()->GetItems(0)->PhysicalFileName(), inner + "x.php");
    EXPECT_EQ(reloaded->Root()->GetItems(1)->PhysicalFileName(), lookalike);
    // A macro later in a stored path is text, not a folder.
    EXPECT_EQ(reloaded->ExpandedPath("/a$(MAINFOLDER)b"), "/a$(MAINFOLDER)b");
    EXPECT_EQ(reloaded->ExpandedPath("$(MAINFOLDER)sub\\b.php"), main + "sub/b.php");
}

TEST(ProjectGroupFile, MissingDirectoryFallsBackToTheProjectFolder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("sub/p.qpg");
    writeFile(file, "<" + recognizer().toUtf8() + "><name>n</name><directory>/no/such/folder/</directory>"
                    "<filedirectory></filedirectory></" + recognizer().toUtf8() + ">");
    auto group = loaded(file);
    EXPECT_EQ(group->MainFolder(), dir.filePath("sub") + "/");
    EXPECT_EQ(group->FileFolder(), group->MainFolder());
    EXPECT_EQ(group->Root()->PhysicalFileName(), group->FileFolder());
    EXPECT_EQ(group->ProjectName(), "n");
    EXPECT_FALSE(group->Modified());
}

TEST(ProjectGroupFile, SyncModeRoundTripsAndUnknownTextsMeanNoSync)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.qpg");
    for (TVYRASyncFileMode mode : {sfmSynchronize, sfmSynchronizeMoveFile, sfmDontSynrchronize}) {
        for (bool confirm : {false, true}) {
            TVYRAProjectGroupItems group(nullptr, QString(), false);
            group.SetSyncFileMode(mode);
            group.SetConfirmFileSync(confirm);
            ASSERT_TRUE(group.Save(file).ok);
            pugi::xml_document document;
            EXPECT_EQ(GetNodeText(rootOf(document, file), "autosyncfiles"), QString::number(int(mode)));
            auto reloaded = loaded(file);
            EXPECT_EQ(reloaded->SyncFileMode(), mode);
            EXPECT_EQ(reloaded->AutoSync(), mode != sfmDontSynrchronize);
            EXPECT_EQ(reloaded->ConfirmFileSync(), confirm);
        }
    }
    const QList<std::pair<QString, TVYRASyncFileMode>> texts = {
        {"sfmSynchronizeMoveFile", sfmSynchronizeMoveFile}, {"sfmSynchronize", sfmSynchronize},
        {" 1 ", sfmSynchronizeMoveFile}, {"sfmDontSynrchronize", sfmDontSynrchronize},
        {"garbage", sfmDontSynrchronize}, {"", sfmDontSynrchronize}, {"7", sfmDontSynrchronize},
        {"-1", sfmDontSynrchronize}};
    for (const auto &[text, mode] : texts)
        EXPECT_EQ(SyncFileModeFromText(text), mode) << text.toStdString();
    // Without the element: no synchronisation, and confirmation on.
    writeFile(file, "<" + recognizer().toUtf8() + "/>");
    auto bare = loaded(file);
    EXPECT_FALSE(bare->AutoSync());
    EXPECT_TRUE(bare->ConfirmFileSync());
}

TEST(ProjectGroupFile, TreeRoundTripsWithTypesNamesAndComments)
{
    QTemporaryDir dir;
    const QString main = folder(dir, "web");
    TVYRAProjectGroupItems group(nullptr, QString(), false);
    group.SetMainFolder(main);
    group.SetFileFolder(main);
    const int css = group.AddItem("css", main + "css", pitFolder, nullptr, false);
    TVYRAProjectGroupItem *cssNode = group.Root()->GetItems(css);
    group.AddItem("a.css", main + "css/a.css", pitFile, cssNode, false);
    group.AddItem("Notiz", "", pitSpecial, nullptr, false);
    cssNode->SetComment("Stile <&> \"alle\"");
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(group.Save(file).ok);
    // An unknown type name reads as pitUnknown.
    QByteArray content = readFile(file);
    content.replace("pitSpecial", "pitWhatever");
    writeFile(file, content);
    auto reloaded = loaded(file);
    TVYRAProjectGroupItem *root = reloaded->Root();
    ASSERT_EQ(root->GetCount(), 2);
    EXPECT_EQ(root->ItemType(), pitFolder);
    EXPECT_EQ(root->GetItems(0)->Comment(), "Stile <&> \"alle\"");
    EXPECT_EQ(root->GetItems(0)->GetItems(0)->PhysicalFileName(), main + "css/a.css");
    EXPECT_EQ(root->GetItems(1)->ItemType(), pitUnknown);
    EXPECT_EQ(reloaded->GetFileCount(), 1);
    EXPECT_EQ(reloaded->GetFolderCount(), 1);
    EXPECT_EQ(reloaded->SaveToBytes(), loaded(file)->SaveToBytes());
}

TEST(ProjectGroupFile, DeepNestingIsRejectedNotOverflowed)
{
    QByteArray bytes = "<" + recognizer().toUtf8() + ">";
    for (int i = 0; i < 5000; ++i)
        bytes += "<item>";
    for (int i = 0; i < 5000; ++i)
        bytes += "</item>";
    bytes += "</" + recognizer().toUtf8() + ">";
    TVYRAProjectGroupItems group(nullptr, QString(), false);
    group.AddItem("kept", "/k", pitFile, nullptr, false);
    EXPECT_THROW(group.LoadFromBytes(bytes, "deep.qpg"), EInvalidVYRAFormat);
    // The tree the group had stays.
    EXPECT_EQ(group.Root()->GetItems(0)->GetName(), "kept");
}

TEST(ProjectGroupFile, SavingTellsTheDocumentListAndSetsFileName)
{
    QTemporaryDir dir;
    TestProjectDocuments documents;
    TVYRAProjectGroupList list(&documents);
    list.Add(std::make_unique<TVYRAProjectGroupItems>(&list, QString(), false));
    TVYRAProjectGroupItems *group = list.Items(0);
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(group->Save(file).ok);
    EXPECT_EQ(documents.saved, QList<TVYRAProjectGroupItems *>({group}));
    EXPECT_EQ(group->FileName(), file);
    EXPECT_TRUE(group->FileExists());
}
