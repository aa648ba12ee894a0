// The Debian package as a user gets it: built from this build tree, unpacked
// into a temporary root, started from its desktop entry, and checked with the
// validators Debian ships.
#include "TOpenedFiles.h"
#include "TPackageTree.h"
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

const QString kProductFolder = QStringLiteral("Talvex Studio");
const QString kDesktopEntry = QStringLiteral("/usr/share/applications/talvex-studio.desktop");
const QString kMetainfo = QStringLiteral("/usr/share/metainfo/de.halvorn.TalvexStudio.metainfo.xml");
const QString kMimePackage = QStringLiteral("/usr/share/mime/packages/talvex-studio.xml");
const QStringList kIconSizes{"16", "22", "24", "32", "48", "64", "128", "256"};
constexpr int kStartTimeoutMs = 90000;

QString packagePrefix()
{
    return qEnvironmentVariable("TALVEX_PACKAGE_PREFIX");
}

// Every file below folder (links included; with folders, those too),
// relative to it, without the sub-folders named in skipped.
QStringList filesBelow(const QString &folder, const QStringList &skipped = {}, bool withFolders = false)
{
    QStringList files;
    const QDir base(folder);
    const QDir::Filters filter = QDir::Files | QDir::System | QDir::Hidden
        | (withFolders ? QDir::Dirs | QDir::NoDotAndDotDot : QDir::Filters());
    QDirIterator it(folder, filter, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = base.relativeFilePath(it.next());
        const bool skip = std::any_of(skipped.begin(), skipped.end(), [&relative](const QString &sub) {
            return relative.startsWith(sub + QLatin1Char('/'));
        });
        if (!skip)
            files.append(relative);
    }
    files.sort();
    return files;
}

// Where a file of the build tree's layout lies in the installation, relative
// to the installation prefix; empty when it has no place there.
QString installedRelative(const QString &buildRelative)
{
    if (buildRelative.startsWith(QStringLiteral("Data/")))
        return QStringLiteral("share/") + kProductFolder + buildRelative.mid(4);
    for (const QString &folder : {QStringLiteral("bin/"), QStringLiteral("lib/"), QStringLiteral("Packages/")}) {
        if (buildRelative.startsWith(folder))
            return buildRelative;
    }
    return {};
}

// The other way round: where a file of the installation lies in the build tree.
QString buildRelative(const QString &installedRelative)
{
    const QString commonData = QStringLiteral("share/") + kProductFolder + QLatin1Char('/');
    if (installedRelative.startsWith(commonData))
        return QStringLiteral("Data/") + installedRelative.mid(commonData.size());
    for (const QString &folder : {QStringLiteral("bin/"), QStringLiteral("lib/"), QStringLiteral("Packages/")}) {
        if (installedRelative.startsWith(folder))
            return installedRelative;
    }
    return {};
}

// The keys of the [Desktop Entry] group of a desktop file.
QHash<QString, QString> desktopEntry(const QString &file)
{
    QHash<QString, QString> keys;
    bool inGroup = false;
    const QString text = QString::fromUtf8(TestSupport::readFile(file));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line.trimmed() == QStringLiteral("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0).trimmed(), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// A run of a program with its own home, data, configuration and runtime
// folders, so that it neither meets a running instance nor touches the
// user's files, and with a file to open.
class TPrivateRun
{
public:
    TPrivateRun()
    {
        for (const char *folder : {"home", "data", "config", "cache", "runtime", "work"})
            QDir().mkpath(m_folder.filePath(QString::fromLatin1(folder)));
        // Qt accepts a runtime folder only when nobody else may enter it.
        QFile::setPermissions(m_folder.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_probe = m_folder.filePath(QStringLiteral("work/probe.php"));
        TestSupport::writeFile(m_probe, "<?php\necho 'Installationsprobe';\n");
    }

    QString Probe() const { return m_probe; }
    QString DataHome() const { return m_folder.filePath("data"); }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &key : environment.keys()) {
            if (key.startsWith(QStringLiteral("TALVEX_")) || key.startsWith(QStringLiteral("XDG_"))
                || key == QStringLiteral("LD_LIBRARY_PATH"))
                environment.remove(key);
        }
        environment.insert("HOME", m_folder.filePath("home"));
        environment.insert("XDG_DATA_HOME", m_folder.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", m_folder.filePath("config"));
        environment.insert("XDG_CACHE_HOME", m_folder.filePath("cache"));
        environment.insert("XDG_RUNTIME_DIR", m_folder.filePath("runtime"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        return environment;
    }

private:
    QTemporaryDir m_folder;
    QString m_probe;
};

class InstallTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_tree = TPackageTree::Build(TestSupport::buildDir(), s_error);
    }
    static void TearDownTestSuite() { s_tree.reset(); }

    void SetUp() override
    {
        ASSERT_FALSE(packagePrefix().isEmpty());
        ASSERT_TRUE(s_tree) << s_error.toStdString();
    }

    static QString installedPrefix() { return s_tree->Installed(packagePrefix()); }

    // The build tree's program with the probe file, under strace.
    static TOpenedFiles traceBuildTreeStart(const TPrivateRun &run)
    {
        // With a user data folder in place the portable layout keeps the build tree clean.
        QDir().mkpath(QDir(run.DataHome()).filePath(kProductFolder));
        return TOpenedFiles::Trace(QDir(TestSupport::buildDir()).filePath("bin/TalvexStudio"),
                                   {run.Probe(), QStringLiteral("--quit-when-shown")}, run.Environment(),
                                   kStartTimeoutMs);
    }

    static std::unique_ptr<TPackageTree> s_tree;
    static QString s_error;
};

std::unique_ptr<TPackageTree> InstallTest::s_tree;
QString InstallTest::s_error;

TEST_F(InstallTest, PackageIsNamedAfterItsVersionAndCarriesComputedDependencies)
{
    const QString version = qEnvironmentVariable("TALVEX_PROJECT_VERSION");
    EXPECT_EQ(QFileInfo(s_tree->PackageFile()).fileName(),
              QStringLiteral("talvex-studio_%1_amd64.deb").arg(version));
    EXPECT_EQ(s_tree->Field("Package"), "talvex-studio");
    EXPECT_EQ(s_tree->Field("Version"), version);
    EXPECT_EQ(s_tree->Field("Architecture"), "amd64");

    // Computed from the binaries: the program (Qt, QScintilla), the libraries
    // (PCRE2, pugixml), the update assistant (libzip) and the cipher module (libssl).
    const QString depends = s_tree->Field("Depends");
    for (const char *package : {"libc6", "libqt6widgets6", "libqscintilla2-qt6", "libpcre2-16-0", "libpugixml1v5",
                                "libzip4", "libssl3"})
        EXPECT_TRUE(depends.contains(QString::fromLatin1(package))) << package << " missing in: " << depends.toStdString();
    // Our own libraries travel in the package and are no dependency.
    EXPECT_FALSE(depends.contains("vyra", Qt::CaseInsensitive)) << depends.toStdString();
    EXPECT_TRUE(s_tree->Field("Recommends").contains("php-cli"));
}

TEST_F(InstallTest, EveryFileOfTheBuildTreeLayoutIsInstalled)
{
    const QString build = TestSupport::buildDir();
    QStringList missing;
    QStringList differing;
    int checked = 0;
    // Data/User is the build tree's own user data, never shipped.
    const QStringList folders{"bin", "lib", "Packages", "Data"};
    for (const QString &folder : folders) {
        const QStringList files = filesBelow(QDir(build).filePath(folder), {"User", "static"});
        EXPECT_FALSE(files.isEmpty()) << folder.toStdString() << " is empty in the build tree";
        for (const QString &file : files) {
            const QString buildFile = QDir(build).filePath(folder + QLatin1Char('/') + file);
            const QString installed = installedPrefix() + QLatin1Char('/') + installedRelative(folder + "/" + file);
            ++checked;
            if (!QFileInfo::exists(installed))
                missing.append(installed.mid(s_tree->Root().size()));
            else if (folder == QStringLiteral("Data") && TestSupport::readFile(buildFile) != TestSupport::readFile(installed))
                differing.append(installed.mid(s_tree->Root().size()));
        }
    }
    // The plug-in SDK headers.
    const QString headers = QDir(TestSupport::sourceDir()).filePath("core/include");
    for (const QString &header : filesBelow(headers)) {
        ++checked;
        if (!QFileInfo::exists(installedPrefix() + QStringLiteral("/include/talvex/") + header))
            missing.append(packagePrefix() + QStringLiteral("/include/talvex/") + header);
    }
    EXPECT_GT(checked, 20);
    EXPECT_TRUE(missing.isEmpty()) << "not in the package:\n" << missing.join('\n').toStdString();
    EXPECT_TRUE(differing.isEmpty()) << "differs from the build tree:\n" << differing.join('\n').toStdString();
}

TEST_F(InstallTest, EveryFileTheProgramReadsAtStartIsInThePackage)
{
    TPrivateRun run;
    const TOpenedFiles trace = traceBuildTreeStart(run);
    ASSERT_TRUE(trace.Ended()) << trace.RunError().toStdString() << trace.Output().toStdString();
    ASSERT_EQ(trace.ExitCode(), 0) << trace.Output().toStdString();
    ASSERT_TRUE(trace.WasOpened(run.Probe()));

    const QString build = QDir::cleanPath(TestSupport::buildDir());
    const QStringList read = trace.Opened(build);
    QStringList unplaced;
    QStringList missing;
    int dataFiles = 0;
    for (const QString &path : read) {
        const QString relative = path.mid(build.size() + 1);
        const QString installed = installedRelative(relative);
        if (installed.isEmpty())
            unplaced.append(path);
        else if (!QFileInfo::exists(installedPrefix() + QLatin1Char('/') + installed))
            missing.append(packagePrefix() + QLatin1Char('/') + installed);
        dataFiles += relative.startsWith(QStringLiteral("Data/")) && QFileInfo(path).isFile();
    }
    // The start reads the file types, highlighters and catalogues of the common data.
    EXPECT_GE(dataFiles, 3) << read.join('\n').toStdString();
    EXPECT_TRUE(unplaced.isEmpty()) << "read from the build tree, no place in an installation:\n"
                                    << unplaced.join('\n').toStdString();
    EXPECT_TRUE(missing.isEmpty()) << "read at start, not in the package:\n" << missing.join('\n').toStdString();
}

TEST_F(InstallTest, InstalledProgramStartsFromItsDesktopEntryAndOpensTheGivenFile)
{
    const QHash<QString, QString> entry = desktopEntry(s_tree->Installed(kDesktopEntry));
    QStringList command = QProcess::splitCommand(entry.value("Exec"));
    ASSERT_FALSE(command.isEmpty()) << "no Exec line";
    const QString program = command.takeFirst();
    ASSERT_TRUE(program.startsWith(packagePrefix() + QLatin1Char('/'))) << program.toStdString();
    ASSERT_TRUE(QFileInfo(s_tree->Installed(program)).isExecutable()) << program.toStdString();

    TPrivateRun run;
    QStringList arguments;
    for (const QString &argument : command)
        arguments.append(argument == QStringLiteral("%F") || argument == QStringLiteral("%f") ? run.Probe() : argument);
    ASSERT_TRUE(arguments.contains(run.Probe())) << "the Exec line takes no file";
    arguments.append(QStringLiteral("--quit-when-shown"));

    const QStringList before = filesBelow(s_tree->Root(), {}, true);
    const TOpenedFiles installed = TOpenedFiles::Trace(s_tree->Installed(program), arguments, run.Environment(),
                                                       kStartTimeoutMs);
    ASSERT_TRUE(installed.Ended()) << installed.RunError().toStdString() << installed.Output().toStdString();
    ASSERT_EQ(installed.ExitCode(), 0) << installed.Output().toStdString();
    EXPECT_TRUE(installed.WasOpened(run.Probe())) << "the file named on the command line was not read";
    // It became a document: the recent-file list in the user's data folder names it.
    const QString recent = QDir(run.DataHome()).filePath(kProductFolder + QStringLiteral("/recent.xml"));
    EXPECT_TRUE(QString::fromUtf8(TestSupport::readFile(recent)).contains(run.Probe()));

    // Libraries, modules and data come from the installation, never from the build tree.
    const QString build = QDir::cleanPath(TestSupport::buildDir());
    EXPECT_TRUE(installed.Opened(build).isEmpty()) << installed.Opened(build).join('\n').toStdString();
    EXPECT_TRUE(installed.WasOpened(installedPrefix() + QStringLiteral("/lib/libVYRA.so.1")));

    // It reads from the installation what the build tree's program reads from
    // the build tree, and looks for nothing there that the build tree has.
    TPrivateRun buildRun;
    const TOpenedFiles fromBuild = traceBuildTreeStart(buildRun);
    ASSERT_EQ(fromBuild.ExitCode(), 0) << fromBuild.RunError().toStdString() << fromBuild.Output().toStdString();
    QSet<QString> expected;
    for (const QString &path : fromBuild.Opened(build))
        expected.insert(installedPrefix() + QLatin1Char('/') + installedRelative(path.mid(build.size() + 1)));
    const QStringList opened = installed.Opened(s_tree->Root());
    QStringList notRead;
    for (const QString &path : expected) {
        if (!opened.contains(path))
            notRead.append(path.mid(s_tree->Root().size()));
    }
    // The loader also looks for the system's libraries in our library folder:
    // only what the build tree has is missing.
    QStringList notFound;
    for (const QString &path : installed.NeverOpened(installedPrefix())) {
        const QString inBuild = buildRelative(path.mid(installedPrefix().size() + 1));
        if (!inBuild.isEmpty() && QFileInfo::exists(QDir(build).filePath(inBuild)))
            notFound.append(path.mid(s_tree->Root().size()));
    }
    EXPECT_TRUE(notRead.isEmpty()) << "read from the build tree, not from the installation:\n"
                                   << notRead.join('\n').toStdString();
    EXPECT_TRUE(notFound.isEmpty()) << "looked for in the installation, not there:\n" << notFound.join('\n').toStdString();

    // The installation stays as the package made it, not a folder more: a
    // user cannot write there. User data goes to the XDG folders.
    const QStringList after = filesBelow(s_tree->Root(), {}, true);
    QStringList added;
    std::copy_if(after.begin(), after.end(), std::back_inserter(added),
                 [&before](const QString &entry) { return !before.contains(entry); });
    EXPECT_TRUE(added.isEmpty()) << "made in the installation at start:\n" << added.join('\n').toStdString();
}

TEST_F(InstallTest, DesktopEntryMetainfoMimeTypesAndIconsAreValid)
{
    const QString desktop = s_tree->Installed(kDesktopEntry);
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start("desktop-file-validate", {desktop});
    ASSERT_TRUE(validate.waitForFinished(30000)) << "desktop-file-validate (desktop-file-utils) is missing";
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();

    QProcess appstream;
    appstream.setProcessChannelMode(QProcess::MergedChannels);
    appstream.start("appstreamcli", {"validate", "--no-net", s_tree->Installed(kMetainfo)});
    ASSERT_TRUE(appstream.waitForFinished(60000)) << "appstreamcli (appstream) is missing";
    EXPECT_EQ(appstream.exitCode(), 0) << appstream.readAll().toStdString();

    // Every type of ours the entry opens is defined by the MIME package.
    QStringList defined;
    QStringList globs;
    QXmlStreamReader mime(TestSupport::readFile(s_tree->Installed(kMimePackage)));
    while (!mime.atEnd()) {
        if (mime.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (mime.name() == QStringLiteral("mime-type"))
            defined.append(mime.attributes().value("type").toString());
        else if (mime.name() == QStringLiteral("glob"))
            globs.append(mime.attributes().value("pattern").toString());
    }
    EXPECT_FALSE(mime.hasError()) << mime.errorString().toStdString();
    EXPECT_TRUE(globs.contains("*.qpg"));
    const QHash<QString, QString> entry = desktopEntry(desktop);
    for (const QString &type : entry.value("MimeType").split(';', Qt::SkipEmptyParts)) {
        if (type.startsWith(QStringLiteral("application/x-talvex"))) {
            EXPECT_TRUE(defined.contains(type)) << type.toStdString();
        }
    }
    EXPECT_TRUE(entry.value("MimeType").contains("application/x-talvex-projectgroup"));

    // The icon the entry names, in every hicolor size, and the link on the search path.
    const QString icon = entry.value("Icon");
    ASSERT_FALSE(icon.isEmpty());
    for (const QString &size : kIconSizes) {
        const QImage image(s_tree->Installed(QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size, icon)));
        EXPECT_EQ(image.width(), size.toInt()) << "icon " << size.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(s_tree->Installed("/usr/share/icons/hicolor/scalable/apps/" + icon + ".svg")));
    // The link is absolute: it leads from /usr into /opt.
    EXPECT_EQ(QFile::symLinkTarget(s_tree->Installed("/usr/bin/talvex-studio")), packagePrefix() + "/bin/TalvexStudio");
}

} // namespace
