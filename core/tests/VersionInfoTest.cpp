#include "TestSupport.h"
#include "utils/VersionInfo.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray marker(const char *body) { return QByteArray("@(#)TALVEX-") + "VERSION:" + body; }

} // namespace

TEST(VersionInfo, RunningProgramAndOurLibrary)
{
    const QString version = GetVersion();
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(version).hasMatch()) << version.toStdString();
    EXPECT_EQ(GetFileVersion(), QStringLiteral("Version ") + version);
    // The library file carries the same marker as the compiled-in values.
    const QDir lib(TestSupport::buildDir() + "/lib");
    const QStringList libraries = lib.entryList({"libVYRA.so*"}, QDir::Files);
    ASSERT_FALSE(libraries.isEmpty());
    EXPECT_EQ(GetVersion(lib.filePath(libraries.first())), version);
    EXPECT_EQ(GetDate(lib.filePath(libraries.first())), GetDate());
    EXPECT_TRUE(QRegularExpression("^[A-Z][a-z]{2} \\d\\d \\d{4} at \\d\\d:\\d\\d (AM|PM) $").match(GetDate()).hasMatch())
        << GetDate().toStdString();
}

TEST(VersionInfo, MarkerFoundAcrossChunkBoundaryInLargeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.bin");
    // False starts before the real marker, and the marker straddling the 256 KiB chunk edge.
    QByteArray data = marker("not-a-version;") + QByteArray(100, '\0') + marker("1.2");
    data += QByteArray(256 * 1024 - 10 - data.size(), 'x');
    data += marker("3.4.5.6:2024-03-05T14:07:00Z;") + QByteArray(300000, 'y');
    TestSupport::writeFile(path, data);
    EXPECT_EQ(GetVersion(path), QStringLiteral("3.4.5.6"));
    const auto found = ReadVersionMarker(path);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->buildTime, QDateTime(QDate(2024, 3, 5), QTime(14, 7), Qt::UTC));
}

TEST(VersionInfo, FileWithoutMarker)
{
    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath("plain"), QByteArray(1000, 'a') + marker("x"));
    EXPECT_EQ(GetVersion(dir.filePath("plain")), QString());
    EXPECT_EQ(GetVersion(dir.filePath("missing")), QString());
    EXPECT_EQ(GetDate(dir.filePath("missing")), QString());
    EXPECT_EQ(GetIntVersion(dir.filePath("missing")), 0);
}

TEST(VersionInfo, CompactAndIntegerForms)
{
    EXPECT_EQ(FormatVersion({1, 2, 3, 4}, false), QStringLiteral("1.2.3.4"));
    EXPECT_EQ(FormatVersion({1, 2, 3, 4}, true), QStringLiteral("1.234"));
    EXPECT_EQ(FormatVersion({1, 2, 0, 0}, true), QStringLiteral("1.2"));
    EXPECT_EQ(FormatVersion({1, 2, 0, 5}, true), QStringLiteral("1.25"));
    EXPECT_EQ(FormatVersion({1, 2, 3, 0}, true), QStringLiteral("1.23"));
    EXPECT_EQ(IntVersionOf("1.2"), 12);
    EXPECT_EQ(IntVersionOf("1.23"), 1230);
    EXPECT_EQ(IntVersionOf("1.234"), 12340);
    EXPECT_EQ(IntVersionOf(""), 0);

    QTemporaryDir dir;
    TestSupport::writeFile(dir.filePath("bin"), QByteArray("\x7f" "ELF") + marker("2.1.0.3:2024-01-01T00:00:00Z;"));
    EXPECT_EQ(GetVersion(dir.filePath("bin"), true), QStringLiteral("2.13"));
    EXPECT_EQ(GetIntVersion(dir.filePath("bin")), 2130);
}

TEST(VersionInfo, DateFormat)
{
    qputenv("TZ", "UTC");
    tzset();
    EXPECT_EQ(FormatBuildDate(QDateTime(QDate(2024, 3, 5), QTime(14, 7), Qt::UTC)), QStringLiteral("Mar 05 2024 at 02:07 PM "));
    EXPECT_EQ(FormatBuildDate(QDateTime(QDate(2023, 12, 24), QTime(0, 30), Qt::UTC)), QStringLiteral("Dec 24 2023 at 12:30 AM "));
    EXPECT_EQ(FormatBuildDate(QDateTime()), QString());
}
