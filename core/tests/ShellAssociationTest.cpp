#include "filetypes/TVYRAExtensionGroup.h"
#include "filetypes/TXdgShellAssociationStore.h"
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
class ShellAssociationTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }
    QString config() const { return home.filePath("config"); }
    QString data() const { return home.filePath("data"); }
    QStringList writtenFiles() const
    {
        QStringList files;
        QDirIterator it(home.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(home.path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    QTemporaryDir home;
    TXdgShellAssociationStore store{QStringLiteral("/opt/talvex/bin/TalvexStudio"), config(), data()};
    TVYRAExtensionGroup group{"PHP", QString(), nullptr, true, false, egtOfficial};
};
} // namespace

TEST_F(ShellAssociationTest, RegistersOpenAndVerbAndReadsThemBack)
{
    TVYRAFileExtension *php = group.AddItem(std::make_unique<TVYRAFileExtension>("*.php", "", "", "", nullptr, etBoth));
    EXPECT_EQ(php->IsExtensionsRegistred("edit", store), 0);
    ASSERT_TRUE(php->RegisterExtension(etOpen, "TalvexStudio", "Bearbeiten", "edit", true, store));
    EXPECT_EQ(php->IsExtensionsRegistred("edit", store), 1);
    ASSERT_TRUE(php->RegisterExtension(etEdit, "TalvexStudio", "Bearbeiten", "edit", true, store));
    EXPECT_EQ(php->IsExtensionsRegistred("edit", store), 3);
    EXPECT_EQ(php->IsExtensionsRegistred("print", store), 1);

    const QString mimeApps = QString::fromUtf8(readFile(store.MimeAppsFile()));
    EXPECT_TRUE(mimeApps.contains("[Added Associations]"));
    EXPECT_FALSE(mimeApps.contains("[Default Applications]")) << "never takes over the default";
    const QString desktop = QString::fromUtf8(readFile(store.ApplicationsDir() + "/talvexstudio.desktop"));
    EXPECT_TRUE(desktop.contains("Exec=\"/opt/talvex/bin/TalvexStudio\" %F"));
    EXPECT_TRUE(desktop.contains("MimeType=" + store.MimeTypeFor(".php") + ";"));
}

TEST_F(ShellAssociationTest, KeepsOtherProgramsAndWritesOnlyUserFiles)
{
    writeFile(store.MimeAppsFile(), "[Default Applications]\ntext/x-foo=other.desktop;\n\n[Added Associations]\n"
                                    "text/x-foo=other.desktop;\n");
    TVYRAFileExtension *own = group.AddItem(std::make_unique<TVYRAFileExtension>("*.talvexprobe", "", "Probe", "",
                                                                                 nullptr, etOpen));
    ASSERT_TRUE(own->RegisterExtension(etBoth, "TalvexStudio", "", "", true, store));
    EXPECT_EQ(own->IsExtensionsRegistred("edit", store), 1);
    EXPECT_EQ(store.MimeTypeFor(".talvexprobe"), "application/x-talvexstudio-talvexprobe");
    const QString mimeApps = QString::fromUtf8(readFile(store.MimeAppsFile()));
    EXPECT_TRUE(mimeApps.contains("[Default Applications]\ntext/x-foo=other.desktop;"));
    EXPECT_TRUE(mimeApps.contains("text/x-foo=other.desktop;\napplication/x-talvexstudio-talvexprobe=talvexstudio.desktop;"));
    for (const QString &file : writtenFiles())
        EXPECT_TRUE(file.startsWith("config/") || file.startsWith("data/")) << file.toStdString();

    // A pattern whose own mode forbids opening registers nothing.
    TVYRAFileExtension *none = group.AddItem(std::make_unique<TVYRAFileExtension>("*.log", "", "", "", nullptr, etNone));
    EXPECT_FALSE(none->RegisterExtension(etBoth, "TalvexStudio", "", "", true, store));
    EXPECT_EQ(none->IsExtensionsRegistred("", store), 0);
    // Another program's entry for the same type is not ours.
    TXdgShellAssociationStore other(QStringLiteral("/usr/bin/otheredit"), config(), data());
    EXPECT_EQ(own->IsExtensionsRegistred("", other), 0);
}
