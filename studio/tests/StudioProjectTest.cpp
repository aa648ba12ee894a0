// The studio project: node ids, the format version check, the start page and
// the ToDo list stored in the project file.
#include "TestSupport.h"
#include "documents/TVYRAFileType.h"
#include "projects/ProjectGuids.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoList.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// The program sets the studio's recogniser before it creates its core.
class StudioRecognizer : public ::testing::Environment
{
public:
    void SetUp() override { TVYRAFileTypeRecognizers::set(ftProject, _TVS_PROJECT); }
};
const auto *const kRecognizer = ::testing::AddGlobalTestEnvironment(new StudioRecognizer);

std::unique_ptr<TTalvexStudioProject> loaded(const QString &fileName)
{
    auto group = TTalvexStudioProject::Factory()(nullptr, fileName, true, true);
    return std::unique_ptr<TTalvexStudioProject>(static_cast<TTalvexStudioProject *>(group.release()));
}

TTalvexStudioProjectItem *studioItem(TVYRAProjectGroupItem *item)
{
    return dynamic_cast<TTalvexStudioProjectItem *>(item);
}

QByteArray projectFile(const QByteArray &attributes, const QByteArray &body)
{
    return "<talvexstudioproject" + attributes + ">" + body + "</talvexstudioproject>";
}

// A project in dir with a folder "css" holding "a.css", and "index.php" at the top.
struct SampleProject {
    explicit SampleProject(const QTemporaryDir &dir)
        : project(nullptr, QString(), false)
    {
        const QString web = dir.filePath("web/");
        QDir().mkpath(web);
        project.SetMainFolder(web);
        project.SetFileFolder(web);
        css = studioItem(project.Root()->GetItems(project.AddItem("css", web + "css", pitFolder, nullptr, false)));
        a = studioItem(css->GetItems(project.AddItem("a.css", web + "css/a.css", pitFile, css, false)));
        index = studioItem(project.Root()->GetItems(project.AddItem("index.php", web + "index.php", pitFile, nullptr, false)));
    }
    TTalvexStudioProject project;
    TTalvexStudioProjectItem *css = nullptr;
    TTalvexStudioProjectItem *a = nullptr;
    TTalvexStudioProjectItem *index = nullptr;
};

} // namespace

TEST(StudioProject, ItemIdsRoundTripBracedUpperCase)
{
    QTemporaryDir dir;
    SampleProject sample(dir);
    ASSERT_FALSE(sample.a->ID().isNull());
    EXPECT_NE(sample.a->ID(), sample.index->ID());
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(sample.project.Save(file).ok);
    const QString text = QString::fromUtf8(readFile(file));
    EXPECT_TRUE(text.startsWith("<?xml") && text.contains("<talvexstudioproject version=\"1.0\" mincompatible=\"1.0\">"));
    const QString id = GuidText(sample.a->ID());
    EXPECT_TRUE(QRegularExpression("^\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}$").match(id).hasMatch()) << id.toStdString();
    EXPECT_TRUE(text.contains("id=\"" + id + "\""));

    auto reloaded = loaded(file);
    EXPECT_EQ(reloaded->ItemByGUID(sample.a->ID())->GetFullPath(), "css/a.css");
    EXPECT_EQ(reloaded->RealFileNameByGUID(sample.index->ID()), dir.filePath("web/index.php"));
    EXPECT_EQ(reloaded->RealFileNameByGUID(QUuid::createUuid()), "");
    EXPECT_EQ(studioItem(reloaded->Root())->ID(), studioItem(sample.project.Root())->ID());
}

TEST(StudioProject, IdsAreReadInAnyCaseAndUnreadableOnesAreRenewed)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.qpg");
    const QByteArray lower = "{0a1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d}";
    writeFile(file, projectFile("", "<item><item id=\"" + lower + "\"><ItemType>pitFile</ItemType></item>"
                                    "<item id=\"kein guid\"><ItemType>pitFile</ItemType></item>"
                                    "<item id=\"{00000000-0000-0000-0000-000000000000}\"/>"
                                    "<item/></item>"));
    auto project = loaded(file);
    TVYRAProjectGroupItem *root = project->Root();
    ASSERT_EQ(root->GetCount(), 4);
    EXPECT_EQ(studioItem(root->GetItems(0))->ID(), QUuid(QString::fromLatin1(lower)));
    QSet<QUuid> ids;
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(studioItem(root->GetItems(i))->ID().isNull()) << i;
        ids.insert(studioItem(root->GetItems(i))->ID());
    }
    EXPECT_EQ(ids.size(), 4);
    ASSERT_TRUE(project->Save().ok);
    EXPECT_TRUE(readFile(file).contains("id=\"{0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D}\""));
}

TEST(StudioProject, VersionCheckComparesMajorAndMinorAsNumbers)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.qpg");
    writeFile(file, projectFile("", ""));
    EXPECT_EQ(loaded(file)->FormatVersion(), "1.0");
    writeFile(file, projectFile(" version=\"1.7\" mincompatible=\"0.9\"", ""));
    EXPECT_EQ(loaded(file)->FormatVersion(), "1.7");
    for (const char *accepted : {"1.0", "0.9", "1", "", "x"}) {
        writeFile(file, projectFile(QByteArray(" mincompatible=\"") + accepted + "\"", ""));
        EXPECT_NO_THROW(loaded(file)) << accepted;
    }
    for (const char *refused : {"1.1", "2.0", "10.0", "1.10", "99999999999999999999.0"}) {
        writeFile(file, projectFile(QByteArray(" mincompatible=\"") + refused + "\"", ""));
        try {
            loaded(file);
            ADD_FAILURE() << refused << " was accepted";
        } catch (const EInvalidVYRAFormat &e) {
            EXPECT_EQ(e.message(), "Diese Implementierung des Talvex Studio Projektformates ist nicht kompatibel "
                                   "mit dem in den gegebenen Datei.");
        }
    }
    EXPECT_FALSE(TTalvexStudioProject::IsCompatible("10.0"));
    EXPECT_TRUE(TTalvexStudioProject::IsCompatible("1.0"));
}

TEST(StudioProject, StartPageRoundTripsAndFoldersAreNotRestored)
{
    QTemporaryDir dir;
    SampleProject sample(dir);
    sample.project.SetModified(false);
    ASSERT_TRUE(sample.project.SetStartPage(sample.a));
    EXPECT_TRUE(sample.project.Modified());
    EXPECT_EQ(sample.project.StartPageID(), sample.a->ID());
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(sample.project.Save(file).ok);
    pugi::xml_document document;
    ASSERT_TRUE(LoadXmlDocument(document, file));
    EXPECT_EQ(GetNodeText(document.document_element(), "startpage"), GuidText(sample.a->ID()));
    EXPECT_EQ(loaded(file)->StartPage()->ID(), sample.a->ID());

    // A start page id naming a folder, or text that is no id, restores nothing.
    sample.project.SetStartPage(sample.css);
    ASSERT_TRUE(sample.project.Save(file).ok);
    auto folder = loaded(file);
    EXPECT_EQ(folder->StartPage(), nullptr);
    QByteArray content = readFile(file);
    content.replace(GuidText(sample.css->ID()).toUtf8(), "kaputt");
    writeFile(file, content);
    auto broken = loaded(file);
    EXPECT_EQ(broken->StartPage(), nullptr);
    EXPECT_TRUE(broken->StartPageID().isNull());

    // A node of another project is refused.
    TTalvexStudioProject other(nullptr, QString(), false);
    EXPECT_FALSE(other.SetStartPage(sample.a));
    EXPECT_EQ(other.StartPage(), nullptr);
}

TEST(StudioProject, StartPageIsClearedWhenItsNodeGoes)
{
    QTemporaryDir dir;
    SampleProject sample(dir);
    sample.project.SetStartPage(sample.a);
    sample.project.SetModified(false);
    // Removing the folder takes the start page with it.
    sample.project.Root()->RemoveItem(sample.css->GetIndex());
    EXPECT_EQ(sample.project.StartPage(), nullptr);
    EXPECT_TRUE(sample.project.StartPageID().isNull());
    EXPECT_TRUE(sample.project.Modified());
    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(sample.project.Save(file).ok);
    EXPECT_FALSE(readFile(file).contains("startpage"));
}

TEST(StudioProject, ToDoListRoundTripsAndEveryChangeMarksTheProject)
{
    QTemporaryDir dir;
    SampleProject sample(dir);
    TTalvexStudioToDoList *todo = sample.project.ToDoList();
    sample.project.SetModified(false);
    todo->AddItem(tdpHigh, "Stile prüfen", false, sample.a->ID());
    EXPECT_TRUE(sample.project.Modified());
    todo->AddItem(tdpLowest, "Erledigt", true);
    todo->AddItem(tdpMedium, "Auch erledigt", true);
    sample.project.SetModified(false);
    EXPECT_TRUE(todo->DeleteItem(2));
    EXPECT_TRUE(sample.project.Modified());
    sample.project.SetModified(false);
    todo->GetItems(0)->SetNote(todo->GetItems(0)->Note());
    EXPECT_FALSE(sample.project.Modified()); // no change, no mark

    const QString file = dir.filePath("p.qpg");
    ASSERT_TRUE(sample.project.Save(file).ok);
    auto reloaded = loaded(file);
    EXPECT_FALSE(reloaded->Modified());
    TTalvexStudioToDoList *again = reloaded->ToDoList();
    ASSERT_EQ(again->GetCount(), 2);
    EXPECT_EQ(again->GetDoneItemsCount(), 1);
    EXPECT_EQ(again->GetItems(0)->Note(), "Stile prüfen");
    EXPECT_EQ(again->GetItems(0)->Priority(), tdpHigh);
    EXPECT_EQ(reloaded->RealFileNameByGUID(again->GetItems(0)->AssociatedFile()), dir.filePath("web/css/a.css"));
    EXPECT_TRUE(again->GetItems(1)->AssociatedFile().isNull());
    EXPECT_EQ(again->RemoveDoneItems(), 1);
    EXPECT_TRUE(reloaded->Modified());
    EXPECT_EQ(again->GetCount(), 1);
}

TEST(StudioProject, CoreCreatesStudioProjectsThroughTheFactory)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.qpg");
    auto group = TTalvexStudioProject::Factory()(nullptr, file, false, true);
    ASSERT_NE(dynamic_cast<TTalvexStudioProject *>(group.get()), nullptr);
    EXPECT_NE(studioItem(group->Root()), nullptr);
    group->SetProjectName("Neu");
    ASSERT_TRUE(group->Save().ok);
    EXPECT_TRUE(readFile(file).contains("<talvexstudioproject"));
    EXPECT_EQ(loaded(file)->ProjectName(), "Neu");
}
