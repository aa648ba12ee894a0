#include "TestSupport.h"
#include "utils/TFreedesktopTrash.h"
#include "utils/TSHFileOperation.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

// A small tree: a.txt, b.php, sub/c.txt, sub/deep/d.bin, sub/link -> c.txt
void makeTree(const QString &root)
{
    writeFile(root + "/a.txt", "A");
    writeFile(root + "/b.php", "<?php");
    writeFile(root + "/sub/c.txt", "C");
    writeFile(root + "/sub/deep/d.bin", QByteArray(3 * 1024 * 1024, 'd'));
    QFile::link("c.txt", root + "/sub/link");
}

void expectTree(const QString &root)
{
    EXPECT_EQ(readFile(root + "/a.txt"), "A");
    EXPECT_EQ(readFile(root + "/sub/c.txt"), "C");
    EXPECT_EQ(readFile(root + "/sub/deep/d.bin").size(), 3 * 1024 * 1024);
    EXPECT_TRUE(QFileInfo(root + "/sub/link").isSymLink());
    EXPECT_EQ(QFileInfo(root + "/sub/link").symLinkTarget(), root + "/sub/c.txt");
}

quint64 deviceOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? quint64(info.st_dev) : 0;
}

} // namespace

TEST(SHFileOperation, CopiesTreeIntoFolderWithProgress)
{
    QTemporaryDir dir;
    makeTree(dir.filePath("src"));
    TSHFileOperation op;
    op.SetOperation(fotCopy);
    op.SetFlags(fofSimpleProgress);
    op.SetProgressTitle("Kopiere");
    op.SourceFiles() << dir.filePath("src") << dir.filePath("src/a.txt");
    op.TargetFiles() << dir.filePath("dest");
    QList<TSHFileOperationProgress> reports;
    op.SetOnProgress([&](const TSHFileOperationProgress &p) {
        reports.append(p);
        return true;
    });
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_EQ(op.GetResult(), 0);
    EXPECT_TRUE(op.Flags().testFlag(fofMultiDestFiles));
    expectTree(dir.filePath("dest/src"));
    EXPECT_EQ(readFile(dir.filePath("dest/a.txt")), "A");
    expectTree(dir.filePath("src"));
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_EQ(reports.last().Title, QStringLiteral("Kopiere"));
    EXPECT_EQ(reports.last().FilesTotal, 6);
    EXPECT_EQ(reports.last().FilesDone, 6);
    EXPECT_EQ(reports.last().BytesDone, reports.last().BytesTotal);
}

TEST(SHFileOperation, PairwiseTargetsMasksAndCollisions)
{
    QTemporaryDir dir;
    makeTree(dir.filePath("src"));
    TSHFileOperation op;
    op.SetOperation(fotCopy);
    op.SourceFiles() << dir.filePath("src/a.txt") << dir.filePath("src/b.php");
    op.TargetFiles() << dir.filePath("x/first.txt") << dir.filePath("x/second.php");
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_EQ(readFile(dir.filePath("x/first.txt")), "A");
    EXPECT_EQ(readFile(dir.filePath("x/second.php")), "<?php");

    // An existing file is not replaced without permission.
    writeFile(dir.filePath("src/a.txt"), "new");
    EXPECT_FALSE(op.ExecuteOperation());
    EXPECT_EQ(op.GetResult(), EEXIST);
    EXPECT_EQ(readFile(dir.filePath("x/first.txt")), "A");
    QStringList asked;
    op.SetOnConfirmOverwrite([&](const QString &target) {
        asked << target;
        return false; // skip
    });
    EXPECT_TRUE(op.ExecuteOperation());
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(readFile(dir.filePath("x/first.txt")), "A");
    op.SetFlags(fofNoConfirmation);
    EXPECT_TRUE(op.ExecuteOperation());
    EXPECT_EQ(readFile(dir.filePath("x/first.txt")), "new");

    // Mask with files only, and renaming on collision.
    op.Reset();
    EXPECT_TRUE(op.SourceFiles().isEmpty() && op.TargetFiles().isEmpty());
    op.SourceFiles() << dir.filePath("src/*.TXT");
    op.TargetFiles() << dir.filePath("x");
    op.SetFlags(fofRenameOnCollision | fofFilesOnly);
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_EQ(readFile(dir.filePath("x/a.txt")), "new");
    ASSERT_TRUE(op.ExecuteOperation());
    EXPECT_EQ(readFile(dir.filePath("x/a - Kopie.txt")), "new");
    ASSERT_TRUE(op.ExecuteOperation());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("x/a - Kopie (2).txt")));

    // A target ending in "/" is a folder even for a single source.
    op.Reset();
    op.SourceFiles() << dir.filePath("src/b.php");
    op.TargetFiles() << dir.filePath("newfolder/");
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_EQ(readFile(dir.filePath("newfolder/b.php")), "<?php");

    op.Reset();
    op.SourceFiles() << dir.filePath("src/a.txt") << dir.filePath("src/b.php") << dir.filePath("src/sub");
    op.TargetFiles() << dir.filePath("y") << dir.filePath("z");
    EXPECT_FALSE(op.ExecuteOperation());
    EXPECT_EQ(op.GetResult(), EINVAL);
}

TEST(SHFileOperation, RefusesToCopyFolderIntoItselfOrMissingSource)
{
    QTemporaryDir dir;
    makeTree(dir.filePath("src"));
    TSHFileOperation op;
    op.SetOperation(fotCopy);
    op.SourceFiles() << dir.filePath("src");
    op.TargetFiles() << dir.filePath("src/sub");
    EXPECT_FALSE(op.ExecuteOperation());
    EXPECT_EQ(op.GetResult(), EINVAL);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("src/sub/src")));

    op.Reset();
    op.SourceFiles() << dir.filePath("src/a.txt") << dir.filePath("nothing");
    op.TargetFiles() << dir.filePath("out");
    EXPECT_FALSE(op.ExecuteOperation());
    EXPECT_EQ(op.GetResult(), ENOENT);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out")));
}

TEST(SHFileOperation, AbortKeepsTargetWholeAndReportsIt)
{
    QTemporaryDir dir;
    makeTree(dir.filePath("src"));
    writeFile(dir.filePath("dest/d.bin"), "old");
    TSHFileOperation op;
    op.SetOperation(fotCopy);
    op.SetFlags(fofNoConfirmation);
    op.SourceFiles() << dir.filePath("src/sub/deep/d.bin");
    op.TargetFiles() << dir.filePath("dest");
    op.SetOnProgress([&](const TSHFileOperationProgress &p) {
        if (p.BytesDone > 0)
            op.Abort();
        return true;
    });
    EXPECT_FALSE(op.ExecuteOperation());
    EXPECT_TRUE(op.GetAborted());
    EXPECT_EQ(op.GetResult(), ECANCELED);
    EXPECT_EQ(readFile(dir.filePath("dest/d.bin")), "old");
    EXPECT_EQ(QDir(dir.filePath("dest")).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary left";
}

TEST(SHFileOperation, MovesWithinAndAcrossFileSystems)
{
    QTemporaryDir dir;
    makeTree(dir.filePath("src"));
    TSHFileOperation op;
    op.SetOperation(fotMove);
    op.SourceFiles() << dir.filePath("src");
    op.TargetFiles() << dir.filePath("moved");
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("src")));
    expectTree(dir.filePath("moved"));

    if (!QFileInfo("/dev/shm").isDir() || deviceOf("/dev/shm") == deviceOf(dir.path()))
        GTEST_SKIP() << "/dev/shm is not another file system here";
    QTemporaryDir other(QStringLiteral("/dev/shm/talvex-move-XXXXXX"));
    ASSERT_TRUE(other.isValid());
    op.Reset();
    op.SourceFiles() << dir.filePath("moved");
    op.TargetFiles() << other.filePath("there");
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("moved")));
    expectTree(other.filePath("there"));

    // A failing cross-device move keeps its whole source: "sub" is in the way as a file.
    makeTree(dir.filePath("again"));
    writeFile(other.filePath("blocked/again/sub"), "file, not folder");
    op.Reset();
    op.SourceFiles() << dir.filePath("again");
    op.TargetFiles() << other.filePath("blocked");
    EXPECT_FALSE(op.ExecuteOperation());
    expectTree(dir.filePath("again"));
    EXPECT_EQ(readFile(dir.filePath("again/b.php")), "<?php");

    // A file the user chose not to replace stays in the source.
    writeFile(other.filePath("merge/again/a.txt"), "theirs");
    op.Reset();
    op.SourceFiles() << dir.filePath("again");
    op.TargetFiles() << other.filePath("merge");
    op.SetOnConfirmOverwrite([](const QString &) { return false; });
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_EQ(readFile(other.filePath("merge/again/a.txt")), "theirs");
    EXPECT_EQ(readFile(dir.filePath("again/a.txt")), "A");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("again/b.php")));
    EXPECT_EQ(readFile(other.filePath("merge/again/sub/c.txt")), "C");
    EXPECT_TRUE(QFileInfo(other.filePath("merge/again/sub/link")).isSymLink());
}

TEST(SHFileOperation, MergesIntoExistingFolderOnMove)
{
    QTemporaryDir dir;
    makeTree(dir.filePath("src"));
    writeFile(dir.filePath("dest/src/keep.txt"), "K");
    TSHFileOperation op;
    op.SetOperation(fotMove);
    op.SourceFiles() << dir.filePath("src");
    op.TargetFiles() << dir.filePath("dest");
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    expectTree(dir.filePath("dest/src"));
    EXPECT_EQ(readFile(dir.filePath("dest/src/keep.txt")), "K");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("src")));
}

TEST(SHFileOperation, DeletesForGoodOrToTrash)
{
    QTemporaryDir dir;
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    makeTree(dir.filePath("gone"));
    makeTree(dir.filePath("trashed"));
    writeFile(dir.filePath("same name/trashed"), "second");

    TSHFileOperation op;
    op.SetOperation(fotDelete);
    op.SetFlags(fofSilent | fofNoConfirmation | fofNoErrorUI);
    op.SourceFiles() << dir.filePath("gone");
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("gone")));

    op.Reset();
    op.SetFlags(fofAllowUndo);
    op.SourceFiles() << dir.filePath("trashed") << dir.filePath("same name/trashed");
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("trashed")));
    const QString trash = dataHome.filePath("Trash");
    expectTree(trash + "/files/trashed");
    EXPECT_EQ(readFile(trash + "/files/trashed.2"), "second");
    const QByteArray info = readFile(trash + "/info/trashed.2.trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]\nPath=" + QFile::encodeName(dir.filePath("same name/trashed")).toPercentEncoding("/") + "\nDeletionDate="))
        << info.constData();
    EXPECT_TRUE(info.contains("%20")) << "blanks are escaped";
    qunsetenv("XDG_DATA_HOME");
}

TEST(SHFileOperation, TrashAcrossFileSystems)
{
    QTemporaryDir dataHome;
    if (!QFileInfo("/dev/shm").isDir() || deviceOf("/dev/shm") == deviceOf(dataHome.path()))
        GTEST_SKIP() << "/dev/shm is not another file system here";
    QTemporaryDir other(QStringLiteral("/dev/shm/talvex-trash-XXXXXX"));
    makeTree(other.filePath("t"));
    TFreedesktopTrash trash(dataHome.filePath("Trash"));
    QString error;
    QString name;
    ASSERT_TRUE(trash.MoveToTrash(other.filePath("t"), &error, &name)) << error.toStdString();
    EXPECT_EQ(name, QStringLiteral("t"));
    EXPECT_FALSE(QFileInfo::exists(other.filePath("t")));
    expectTree(dataHome.filePath("Trash/files/t"));
    EXPECT_FALSE(trash.MoveToTrash(other.filePath("missing"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SHFileOperation, RenamesWithoutReplacing)
{
    QTemporaryDir dir;
    makeTree(dir.filePath("src"));
    TSHFileOperation op;
    op.SetOperation(fotRename);
    op.SourceFiles() << dir.filePath("src/a.txt");
    op.TargetFiles() << "renamed.txt";
    ASSERT_TRUE(op.ExecuteOperation()) << op.GetErrorText().toStdString();
    EXPECT_EQ(readFile(dir.filePath("src/renamed.txt")), "A");
    op.Reset();
    op.SourceFiles() << dir.filePath("src/b.php");
    op.TargetFiles() << dir.filePath("src/renamed.txt");
    EXPECT_FALSE(op.ExecuteOperation());
    EXPECT_EQ(op.GetResult(), EEXIST);
    EXPECT_EQ(readFile(dir.filePath("src/renamed.txt")), "A");
    EXPECT_EQ(readFile(dir.filePath("src/b.php")), "<?php");
}
