#include "startup/TProgramCore.h"

#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "projects/TTalvexStudioProject.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The program's core over the shipped data of the build tree, with the user
// data and projects in a temporary folder.
class ProgramCoreTest : public ::testing::Test
{
protected:
    TDataFolders folders() const
    {
        TDataFolders result;
        result.programBase = TestSupport::buildDir() + QLatin1Char('/');
        result.commonData = TestSupport::buildDir() + QStringLiteral("/Data/");
        result.userData = user.filePath(QStringLiteral("user/"));
        result.projects = user.filePath(QStringLiteral("Projekte/"));
        return result;
    }
    std::unique_ptr<TVYRACore> create(TProgramCore &programCore) { return programCore.Create(folders()); }

    QTemporaryDir user;
    QStringList statuses;
};

} // namespace

TEST_F(ProgramCoreTest, SetsUpTheCoreInStartupOrderWithTheProgramsNames)
{
    TProgramCore programCore([this](const QString &status) { statuses << status; });
    const auto core = create(programCore);

    EXPECT_EQ(statuses, (QStringList{QStringLiteral("Core Services initialisieren..."),
                                     QStringLiteral("Daten werden geladen...")}));
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftProject), QStringLiteral("talvexstudioproject"));
    EXPECT_EQ(core->ProductCaption(), QStringLiteral("Talvex Studio"));
    EXPECT_EQ(core->DefaultHighlighterName(), QStringLiteral("Kein"));
    ASSERT_TRUE(core->GetDefaultHighlighter());
    EXPECT_EQ(core->GetDefaultHighlighter()->LongName(), QStringLiteral("Kein"));
    EXPECT_EQ(core->ProjectDir(), folders().projects);
    // The shipped registries are loaded: more than the plain entry.
    EXPECT_TRUE(programCore.DataFileError().isEmpty()) << programCore.DataFileError().toStdString();
    EXPECT_GT(core->Highlighters()->GetHighlighterCount(), 1);
}

TEST_F(ProgramCoreTest, ProjectsAreStudioProjectsWrittenWithTheStudioRoot)
{
    TProgramCore programCore([](const QString &) {});
    const auto core = create(programCore);
    const QString file = user.filePath(QStringLiteral("web.qpg"));
    auto project = core->ProjectGroupClass()(core->ProjectGroups(), file, false, false);
    ASSERT_TRUE(dynamic_cast<TTalvexStudioProject *>(project.get()));
    ASSERT_TRUE(project->Save(QString()));
    EXPECT_TRUE(TestSupport::readFile(file).contains("<talvexstudioproject"));
}

TEST_F(ProgramCoreTest, ASecondCoreOfTheProcessKeepsTheRecognizer)
{
    TProgramCore first([](const QString &) {});
    create(first).reset();
    TProgramCore second([](const QString &) {});
    const auto core = create(second);
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftProject), QStringLiteral("talvexstudioproject"));
    EXPECT_EQ(core->GetDefaultHighlighter()->LongName(), QStringLiteral("Kein"));
}

TEST_F(ProgramCoreTest, DamagedDataFileIsReportedAndTheCoreStillStarts)
{
    TDataFolders damaged = folders();
    QTemporaryDir common;
    damaged.commonData = common.path() + QLatin1Char('/');
    QFile file(common.filePath(QStringLiteral("filetypes.xml")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<filetypes><filetype name=");
    file.close();

    TProgramCore programCore([](const QString &) {});
    const auto core = programCore.Create(damaged);
    EXPECT_TRUE(programCore.DataFileError().contains(QStringLiteral("filetypes.xml")))
        << programCore.DataFileError().toStdString();
    EXPECT_EQ(core->GetDefaultHighlighter()->LongName(), QStringLiteral("Kein"));
}
