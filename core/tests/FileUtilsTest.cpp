#include "TestSupport.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TEST(FileUtils, FileListMatchesMasksAndRecurses)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    TestSupport::writeFile(root + "/a.PHP", "");
    TestSupport::writeFile(root + "/.hidden.php", "");
    TestSupport::writeFile(root + "/b.txt", "");
    TestSupport::writeFile(root + "/sub.php/c.php", "");
    TestSupport::writeFile(root + "/sub.php/deep/d.inc", "");
    QFile::link(root + "/sub.php", root + "/loop.php");

    QStringList flat;
    FileList(root, "*.php;*.inc", false, flat);
    flat.sort();
    EXPECT_EQ(flat, QStringList({root + "/.hidden.php", root + "/a.PHP", root + "/loop.php", root + "/sub.php"}));

    QStringList deep;
    FileList(root, "*.php; *.inc", true, deep);
    deep.sort();
    // Folders are descended into instead of listed; the link is listed, not followed.
    EXPECT_EQ(deep, QStringList({root + "/.hidden.php", root + "/a.PHP", root + "/loop.php",
                                 root + "/sub.php/c.php", root + "/sub.php/deep/d.inc"}));
}

TEST(FileUtils, FolderTests)
{
    QTemporaryDir dir;
    EXPECT_TRUE(IsDirectory(dir.path()));
    EXPECT_TRUE(IsDirectory(dir.path() + "/"));
    EXPECT_TRUE(IsDirectory("/"));
    EXPECT_TRUE(IsDirectoryOrDrive("/"));
    TestSupport::writeFile(dir.filePath("f"), "x");
    EXPECT_FALSE(IsDirectory(dir.filePath("f")));
    EXPECT_FALSE(IsDirectoryOrDrive(dir.filePath("missing")));
    EXPECT_FALSE(IsDirectory(""));
}

TEST(FileUtils, SubFolderComparesOnPathBoundaries)
{
    EXPECT_TRUE(IsSubDirOf("/w/proj", "/w/proj/a.php"));
    EXPECT_TRUE(IsSubDirOf("/w/proj/", "/w/proj/x/y/a.php"));
    EXPECT_TRUE(IsSubDirOf("/w/proj", "/w/proj"));
    EXPECT_FALSE(IsSubDirOf("/w/proj", "/w/project2/a.php"));
    EXPECT_FALSE(IsSubDirOf("/w/proj", "/w/Proj/a.php")); // case-sensitive
    EXPECT_FALSE(IsSubDirOf("/w/proj", "/w/proj/../other/a.php"));
    EXPECT_TRUE(IsSubDirOf(" /w/proj ", "\\w\\proj\\a.php"));
    EXPECT_TRUE(IsSubDirOf("/", "/etc/passwd"));
    EXPECT_FALSE(IsSubDirOf("", "/etc"));

    QTemporaryDir dir;
    EXPECT_TRUE(IsSubDirOf(dir.path(), "sub/file.txt")); // relative to an existing folder
    EXPECT_TRUE(IsSameFolder(dir.path(), dir.path() + "/./"));
    EXPECT_TRUE(IsSameFolder("/w/a/../b", "/w/b/"));
    EXPECT_FALSE(IsSameFolder("/w/b", "/w/B"));
}

TEST(FileUtils, FileNameCharacters)
{
    EXPECT_EQ(FileForbiddenChars(), QStringLiteral("\\/<>|?*\":"));
    EXPECT_FALSE(IsValidFileName(""));
    EXPECT_TRUE(IsValidFileName("index.php"));
    for (const QChar c : FileForbiddenChars())
        EXPECT_FALSE(IsValidFileName(QStringLiteral("a") + c + "b")) << c.toLatin1();
    EXPECT_TRUE(IsFileForbiddenChar('\\'));
    EXPECT_FALSE(IsFileForbiddenChar('\\', true));
    EXPECT_TRUE(IsFileForbiddenChar(':', true));
    EXPECT_EQ(ReplaceInvalidFileNameIdents("a<b>:c?.txt"), QStringLiteral("abc.txt"));
}

TEST(FileUtils, CanOpenFileSeesLocks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data.bin");
    bool locked = true;
    EXPECT_FALSE(CanOpenFile(path, locked));
    EXPECT_FALSE(CanOpenFile(dir.path(), locked));
    TestSupport::writeFile(path, "content");
    EXPECT_TRUE(CanOpenFile(path, locked));
    EXPECT_FALSE(locked);

    // flock() through another open file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_TRUE(CanOpenFile(path, locked));
    EXPECT_TRUE(locked);
    ::flock(fd, LOCK_UN);
    EXPECT_TRUE(CanOpenFile(path, locked));
    EXPECT_FALSE(locked);

    // A record lock held by another process.
    QProcess holder;
    holder.start("python3", {"-c", "import fcntl,sys,time\nf=open(sys.argv[1],'r+')\nfcntl.lockf(f,fcntl.LOCK_EX)\n"
                                   "print('locked',flush=True)\ntime.sleep(30)",
                             path});
    if (!holder.waitForStarted(5000))
        GTEST_SKIP() << "python3 not available";
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    EXPECT_TRUE(CanOpenFile(path, locked));
    EXPECT_TRUE(locked);
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(CanOpenFile(path, locked));
    EXPECT_FALSE(locked);
    ::close(fd);
}

TEST(FileUtils, SizesAndTheirTexts)
{
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath("f"), QByteArray(2048, 'x'));
    EXPECT_EQ(GetFileSize(dir.filePath("f")), 2048);
    EXPECT_EQ(GetFileSize(dir.path()), 0);
    EXPECT_EQ(GetFileSize(dir.filePath("missing")), 0);
    EXPECT_EQ(FileSizeString(dir.filePath("f")), QStringLiteral("2,00 KB"));
    EXPECT_EQ(FormatDiskSpace(0), QStringLiteral("0 Byte"));
    EXPECT_EQ(FormatDiskSpace(1023), QStringLiteral("1023 Byte"));
    EXPECT_EQ(FormatDiskSpace(1024), QStringLiteral("1,00 KB"));
    EXPECT_EQ(FormatDiskSpace(1536), QStringLiteral("1,50 KB"));
    EXPECT_EQ(FormatDiskSpace(1024 * 1024 - 1), QStringLiteral("1.024,00 KB"));
    EXPECT_EQ(FormatDiskSpace(5 * 1024 * 1024 + 512 * 1024), QStringLiteral("5,50 MB"));
    EXPECT_EQ(FormatDiskSpace(3LL * 1024 * 1024 * 1024), QStringLiteral("3,00 GB"));
    EXPECT_EQ(FormatDiskSpace(2000LL * 1024 * 1024 * 1024), QStringLiteral("2.000,00 GB"));
}

TEST(FileUtils, ProcessFileNameModes)
{
    QTemporaryDir dir;
    const QString ref = dir.filePath("index.php");
    EXPECT_EQ(ProcessFileName(dir.filePath("img/logo.png"), fnrmRelativePath, ref), QStringLiteral("img/logo.png"));
    EXPECT_EQ(ProcessFileName(dir.path() + "\\img\\logo.png", fnrmRelativePath, ref), QStringLiteral("img/logo.png"));
    EXPECT_EQ(ProcessFileName("/elsewhere/x.css", fnrmRelativePath, "/w/site/index.php"),
              QStringLiteral("../../elsewhere/x.css"));
    EXPECT_EQ(ProcessFileName("C:\\web\\img\\a.png", fnrmTranformFolderStructure, ""), QStringLiteral("./web/img/a.png"));
    EXPECT_EQ(ProcessFileName("/var/www/a.png", fnrmTranformFolderStructure, ""), QStringLiteral("./var/www/a.png"));
    EXPECT_EQ(ProcessFileName("a.png", fnrmTranformFolderStructure, ""), QStringLiteral("a.png"));
    EXPECT_EQ(ProcessFileName("/var/www/a.png", fnrmKeepFileName, ""), QStringLiteral("a.png"));
    EXPECT_EQ(ProcessFileName("C:\\www\\b.png", fnrmKeepFileName, ""), QStringLiteral("b.png"));
    EXPECT_EQ(ProcessFileName("C:\\www\\b.png", fnrmKeepDefault, ""), QStringLiteral("C:\\www\\b.png"));
}

TEST(FileUtils, ListsAndPieces)
{
    EXPECT_EQ(MakeList(" *.php ; *.php3,*.inc;"), QStringList({"*.php", "*.php3", "*.inc"}));
    QStringList list{"old"};
    MakeList("a", list);
    EXPECT_EQ(list, QStringList({"a"}));
    EXPECT_EQ(MakeString({"a", "b", "c"}), QStringLiteral("a;b;c"));
    EXPECT_EQ(Explode(",", "a,b,,c"), QStringList({"a", "b", "", "c"}));
    EXPECT_EQ(Explode(",", "a,b,c,d", 2), QStringList({"a", "b,c,d"}));
    EXPECT_EQ(Explode("::", "a::b", 0), QStringList({"a", "b"}));
    EXPECT_EQ(Explode("", "a,b"), QStringList({"a,b"}));
    EXPECT_EQ(Explode(",", ""), QStringList({""}));
    EXPECT_EQ(GetFileTypes("PHP-Dateien (*.php;*.php3, *.phtml)"), QStringList({".php", ".php3", ".phtml"}));
    EXPECT_EQ(GetFileTypes("Alle Dateien (*.*)"), QStringList({"*.*"}));
    EXPECT_EQ(GetFileTypes("keine Klammern"), QStringList());
}

TEST(FileUtils, PathDelimiters)
{
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), QStringLiteral("/a/"));
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), QStringLiteral("/a/"));
    EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\a\\"), QStringLiteral("C:\\a/"));
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), QStringLiteral("/a"));
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a\\"), QStringLiteral("/a"));
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), QStringLiteral("/"));
    EXPECT_EQ(ExtractFilePath("C:\\x\\y.txt"), QStringLiteral("C:\\x\\"));
    EXPECT_EQ(ExtractFileName("/x/y.txt"), QStringLiteral("y.txt"));
}
