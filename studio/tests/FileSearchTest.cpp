#include "TestSupport.h"
#include "documents/TVYRADocument.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "regex/RegexExceptions.h"
#include "search/TFileReplacer.h"
#include "search/TFolderFileLister.h"
#include "search/TLineColumnCounter.h"
#include "search/TSearchMatcher.h"
#include "search/TTalvexStudioFileSearch.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using TestSupport::readFile;
using TestSupport::writeFile;

struct Hit {
    QString file;
    int position;
    int length;
    bool operator==(const Hit &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Hit &hit)
{
    return out << hit.file.toStdString() << '@' << hit.position << '+' << hit.length;
}

class FileSearchTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    // The hits of a folder search, file names relative to the folder.
    std::vector<Hit> searchFolder(const QString &text, TVYRASearchOptions options, const QString &mask = "*.*",
                                  bool recursive = true)
    {
        search.Scope = fsoDirectories;
        search.Directory = dir.path();
        search.FileMask = mask;
        search.Recursive = recursive;
        search.Options = options;
        search.InitiateSearch(text);
        return hits();
    }
    std::vector<Hit> hits() const
    {
        std::vector<Hit> out;
        for (int i = 0; i < search.GetResultCount(); ++i) {
            const TTalvexStudioFileSearchResult &r = search.GetResult(i);
            EXPECT_EQ(r.Document, nullptr);
            out.push_back({QDir(dir.path()).relativeFilePath(r.FileName), r.Position, r.Length});
        }
        return out;
    }

    QTemporaryDir dir;
    TTalvexStudioFileSearch search;
};

TEST_F(FileSearchTest, ScopesThatCannotBeSearchedGiveNoResults)
{
    writeFile(path("a.php"), "echo 1;");
    EXPECT_TRUE(searchFolder("", {}).empty());
    // A folder that does not exist, and a file given as the folder.
    search.Directory = path("fehlt");
    search.InitiateSearch("echo");
    EXPECT_EQ(search.GetResultCount(), 0);
    search.Directory = path("a.php");
    search.InitiateSearch("echo");
    EXPECT_EQ(search.GetResultCount(), 0);
    // No project, then a project of folders only.
    search.Scope = fsoAllProjectFiles;
    search.InitiateSearch("echo");
    EXPECT_EQ(search.GetResultCount(), 0);
    TVYRAProjectGroupItems project(nullptr, QString(), false);
    project.AddItem("css", path("css"), pitFolder, nullptr, false);
    search.Project = &project;
    search.InitiateSearch("echo");
    EXPECT_EQ(search.GetResultCount(), 0);
    // Open documents without a core.
    search.Scope = fsoAllOpenFiles;
    search.InitiateSearch("echo");
    EXPECT_EQ(search.GetResultCount(), 0);
}

TEST_F(FileSearchTest, PlainRegexCaseAndWholeWordGiveZeroBasedPositionsInDiscoveryOrder)
{
    writeFile(path("b.txt"), "abc a.c");
    writeFile(path("a/x.txt"), "Echo echo\r\nechoes");
    writeFile(path("c.TXT"), "xa.c");
    writeFile(path("skip.bin"), "a.c");

    EXPECT_EQ(searchFolder("a.c", xsoCaseSensitive, "*.txt"),
              (std::vector<Hit>{{"b.txt", 4, 3}, {"c.TXT", 1, 3}}));
    EXPECT_EQ(searchFolder("a.c", TVYRASearchOptions(xsoUseRegEx) | xsoCaseSensitive, "*.txt"),
              (std::vector<Hit>{{"b.txt", 0, 3}, {"b.txt", 4, 3}, {"c.TXT", 1, 3}}));
    EXPECT_EQ(searchFolder("Echo", xsoCaseSensitive, "*.txt"), (std::vector<Hit>{{"a/x.txt", 0, 4}}));
    EXPECT_EQ(searchFolder("Echo", {}, "*.txt"),
              (std::vector<Hit>{{"a/x.txt", 0, 4}, {"a/x.txt", 5, 4}, {"a/x.txt", 11, 4}}));
    EXPECT_EQ(searchFolder("echo", xsoWholeWord, "*.txt"), (std::vector<Hit>{{"a/x.txt", 0, 4}, {"a/x.txt", 5, 4}}));
    // Without subfolders the file in "a" is not read.
    EXPECT_TRUE(searchFolder("echo", {}, "*.txt", false).empty());
    // Several masks, ";"-separated.
    EXPECT_EQ(searchFolder("a.c", xsoCaseSensitive, "*.bin; c.*").size(), 2u);
}

TEST_F(FileSearchTest, WholeWordFindsAWordBehindARejectedOverlappingHit)
{
    const TSearchMatcher matcher("ab", xsoWholeWord);
    EXPECT_EQ(matcher.FindAll("abab ab"), (QList<TTextMatch>{{5, 2}}));
    const TSearchMatcher regex("a+", TVYRASearchOptions(xsoWholeWord) | xsoUseRegEx);
    EXPECT_EQ(regex.FindAll("aa baa aaa"), (QList<TTextMatch>{{0, 2}, {7, 3}}));
}

TEST_F(FileSearchTest, InvalidRegexIsRefusedBeforeSearchingAndEarlierResultsStay)
{
    writeFile(path("a.txt"), "needle");
    ASSERT_EQ(searchFolder("needle", {}).size(), 1u);
    search.Options = xsoUseRegEx;
    EXPECT_THROW(search.InitiateSearch("(unclosed"), ERegexException);
    EXPECT_EQ(search.GetResultCount(), 1);
    EXPECT_THROW(search.Start(), ERegexException);
    EXPECT_FALSE(search.IsRunning());
}

TEST_F(FileSearchTest, BinaryFilesSpecialFilesAndLinksAreSkipped)
{
    writeFile(path("text.txt"), "needle");
    writeFile(path("binary.txt"), QByteArray("needle\0needle", 13));
    // UTF-16 text holds NUL bytes too, but its byte order mark marks it as text.
    writeFile(path("utf16.txt"), QByteArray("\xFF\xFEn\0e\0e\0d\0l\0e\0", 14));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.txt")).constData(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(path("socket.txt"));
    std::strncpy(address.sun_path, socketPath.constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    // A folder named like a file, and a link back up the tree.
    QDir().mkpath(path("folder.txt/sub"));
    ASSERT_TRUE(QFile::link(dir.path(), path("folder.txt/sub/loop")));
    ASSERT_TRUE(QFile::link(path("text.txt"), path("link.txt")));

    EXPECT_EQ(searchFolder("needle", {}, "*.txt"), (std::vector<Hit>{{"text.txt", 0, 6}, {"utf16.txt", 0, 6}}));
    ::close(sock);
}

TEST_F(FileSearchTest, FilesThatAreNotUtf8AreReadInTheirOwnEncoding)
{
    // Windows-1252 next to UTF-8: the same word at its own position in each.
    writeFile(path("ansi.txt"), "M\xE4rz Gr\xFC\xDF""e");
    writeFile(path("utf8.txt"), "\xE2\x82\xAC Gr\xC3\xBC\xC3\x9F""e");
    EXPECT_EQ(searchFolder(QStringLiteral("Grüße"), {}, "*.txt"),
              (std::vector<Hit>{{"ansi.txt", 5, 5}, {"utf8.txt", 2, 5}}));
}

TEST_F(FileSearchTest, BackgroundSearchStreamsHitsAndCanBeCancelled)
{
    const QByteArray content = QByteArray(2000, 'x') + " needle";
    for (int i = 0; i < 2000; ++i)
        writeFile(path(QStringLiteral("d%1/f%2.txt").arg(i / 200).arg(i, 4, 10, QChar(u'0'))), content);
    search.Scope = fsoDirectories;
    search.Directory = dir.path();
    search.FileMask = "*.txt";
    search.Recursive = true;
    search.SearchText = "needle";
    QSignalSpy finished(&search, &TTalvexStudioFileSearch::finished);

    // A whole run: every hit, in list order.
    search.Start();
    ASSERT_TRUE(finished.wait(20000));
    ASSERT_EQ(search.GetResultCount(), 2000);
    EXPECT_FALSE(search.WasCancelled());
    EXPECT_EQ(search.FilesDone(), 2000);
    EXPECT_TRUE(search.GetResult(0).FileName.endsWith("d0/f0000.txt"));
    EXPECT_TRUE(search.GetResult(1999).FileName.endsWith("d9/f1999.txt"));

    // Cancelled as soon as the first hits arrive: it ends, keeping what it found.
    QSignalSpy added(&search, &TTalvexStudioFileSearch::resultsAdded);
    QObject::connect(&search, &TTalvexStudioFileSearch::resultsAdded, &search, [this] { search.Cancel(); });
    search.Start();
    EXPECT_TRUE(finished.wait(20000));
    EXPECT_FALSE(search.IsRunning());
    EXPECT_TRUE(search.WasCancelled());
    EXPECT_GE(added.count(), 1);
    EXPECT_LT(search.GetResultCount(), 2000);
}

TEST_F(FileSearchTest, ReplaceInFilesKeepsEncodingBomAndLineBreaks)
{
    const QString utf8 = path("utf8.txt"), ansi = path("ansi.txt"), utf16 = path("utf16.txt");
    writeFile(utf8, "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F""e alt\r\nalt\r\n");
    writeFile(ansi, "M\xE4rz alt\rEnde");
    writeFile(utf16, QByteArray("\xFF\xFE" "a\0l\0t\0\n\0", 10));
    const TSearchMatcher matcher("alt", xsoCaseSensitive);

    const TFileReplacer::TOutcome outcome = TFileReplacer(matcher, "neü").Replace({utf8, ansi, utf16, path("fehlt.txt")});
    EXPECT_EQ(outcome.filesChanged, 3);
    EXPECT_EQ(outcome.replacements, 4);
    EXPECT_EQ(readFile(utf8), QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F""e ne\xC3\xBC\r\nne\xC3\xBC\r\n"));
    EXPECT_EQ(readFile(ansi), QByteArray("M\xE4rz ne\xFC\rEnde"));
    EXPECT_EQ(readFile(utf16), QByteArray("\xFF\xFE" "n\0e\0\xFC\0\n\0", 10));
    ASSERT_EQ(outcome.failures.size(), 1);
    EXPECT_TRUE(outcome.failures[0].contains("fehlt.txt"));
}

TEST_F(FileSearchTest, ReplacementTheFileCannotHoldLeavesTheFileWholeAndIsReported)
{
    const QString ansi = path("ansi.txt"), other = path("other.txt");
    writeFile(ansi, "M\xE4rz alt");
    writeFile(other, "alt");
    const TSearchMatcher matcher("alt", {});
    const TFileReplacer::TOutcome outcome = TFileReplacer(matcher, "\xE2\x9C\x93").Replace({ansi, other});
    EXPECT_EQ(readFile(ansi), QByteArray("M\xE4rz alt"));
    EXPECT_EQ(readFile(other), QByteArray("\xE2\x9C\x93"));
    EXPECT_EQ(outcome.filesChanged, 1);
    ASSERT_EQ(outcome.failures.size(), 1);
    EXPECT_TRUE(outcome.failures[0].contains(ansi));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left behind";
}

TEST(LineColumnCounterTest, CountsLfCrLfAndLoneCrAndStartsAgainForAnEarlierOffset)
{
    const QString text = "ab\ncd\r\nef\rgh";
    TLineColumnCounter counter(text);
    auto place = [&counter](int offset) {
        const auto p = counter.At(offset);
        return std::pair{p.line, p.column};
    };
    EXPECT_EQ(place(1), std::pair(1, 2));
    EXPECT_EQ(place(3), std::pair(2, 1));
    EXPECT_EQ(place(7), std::pair(3, 1));
    EXPECT_EQ(place(11), std::pair(4, 2));
    EXPECT_EQ(place(4), std::pair(2, 2));
}

// The command-line tool on the same engine.
class SearchToolTest : public ::testing::Test
{
protected:
    int run(const QStringList &arguments)
    {
        QProcess tool;
        tool.start(TestSupport::buildDir() + "/bin/talvex-search", arguments);
        EXPECT_TRUE(tool.waitForFinished(30000));
        out = QString::fromUtf8(tool.readAllStandardOutput());
        err = QString::fromUtf8(tool.readAllStandardError());
        return tool.exitCode();
    }
    QTemporaryDir dir;
    QString out, err;
};

TEST_F(SearchToolTest, PrintsOneJsonObjectPerHitWithCharacterColumnsAndExitCodes)
{
    writeFile(dir.filePath("a.php"), "<?php\r\n$gr\xC3\xBC\xC3\x9F""e = 'Echo'; echo 1;\n");
    writeFile(dir.filePath("b.txt"), "echo");
    EXPECT_EQ(run({"-i", "-w", "--mask", "*.php", "echo", dir.path()}), 0);
    const QString file = dir.filePath("a.php");
    EXPECT_EQ(out, QStringLiteral("{\"file\":\"%1\",\"line\":2,\"column\":11,\"offset\":17,\"length\":4}\n"
                                  "{\"file\":\"%1\",\"line\":2,\"column\":18,\"offset\":24,\"length\":4}\n")
                       .arg(file));
    EXPECT_EQ(run({"-E", "e.h", dir.path()}), 0);
    EXPECT_EQ(out.count('\n'), 2);
    EXPECT_EQ(run({"nirgends", dir.path()}), 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(run({"-E", "(", dir.path()}), 2);
    EXPECT_TRUE(err.contains("nicht gültig"));
    EXPECT_EQ(run({"echo", dir.filePath("fehlt")}), 2);
    EXPECT_TRUE(err.contains("fehlt"));
}

} // namespace
