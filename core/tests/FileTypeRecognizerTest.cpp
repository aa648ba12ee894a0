#include "framework/TVYRACore.h"
#include "utils/VYRAExceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The recogniser table is process-wide and freezes with the first core, so the
// tests of this file run in this order in their own process.

TEST(FileTypeRecognizer, DefaultsAndRecognition)
{
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftDefault), QString());
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftDocument), QStringLiteral("Talvex Dokument"));
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftTemplate), QStringLiteral("Talvex Template"));
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftProject), QStringLiteral("talvexprojectgroup"));
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftDataFile), QStringLiteral("Talvex File"));
    EXPECT_EQ(TVYRAFileTypeRecognizers::recognize(QStringLiteral("Talvex Template")), ftTemplate);
    EXPECT_EQ(TVYRAFileTypeRecognizers::recognize(QStringLiteral("talvex template")), ftDefault);
    EXPECT_EQ(TVYRAFileTypeRecognizers::recognize(QString()), ftDefault);
}

TEST(FileTypeRecognizer, DefaultEntryCannotBeChanged)
{
    try {
        TVYRACore::SetFileTypeRecognizer(ftDefault, QStringLiteral("x"));
        FAIL() << "no exception";
    } catch (const EVYRAInvalidOperation &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Der Identifikations-string für den Standarddateityp "
                                                  "'ftDefault' darf nicht geändert werden."));
    }
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftDefault), QString());
}

TEST(FileTypeRecognizer, ChangeBeforeFirstCoreIsUsedForRecognition)
{
    TVYRACore::SetFileTypeRecognizer(ftProject, QStringLiteral("talvexstudioproject"));
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftProject), QStringLiteral("talvexstudioproject"));
    EXPECT_EQ(TVYRAFileTypeRecognizers::recognize(QStringLiteral("talvexstudioproject")), ftProject);
    EXPECT_EQ(TVYRAFileTypeRecognizers::recognize(QStringLiteral("talvexprojectgroup")), ftDefault);
}

TEST(FileTypeRecognizer, TableIsFixedOnceACoreExists)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        TVYRACore core(TVYRACoreConfig{nullptr, dir.filePath("app"), dir.filePath("common"), dir.filePath("user"),
                                       TVYRAEditorTypes::etBoth, false, {}});
    }
    // The "too late" check comes before the ftDefault check, and outlives the core.
    for (TVYRAFileType type : {ftDefault, ftDocument}) {
        try {
            TVYRACore::SetFileTypeRecognizer(type, QStringLiteral("neu"));
            FAIL() << "no exception";
        } catch (const EVYRAInvalidOperation &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Identifikations-strings müssen gesetzt werden, bevor die "
                                                      "erste Instanz von TVYRACore erzeugt wird."));
        }
    }
    EXPECT_EQ(TVYRACore::GetFileTypeRecognizer(ftDocument), QStringLiteral("Talvex Dokument"));
}
