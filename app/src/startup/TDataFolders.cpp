#include "startup/TDataFolders.h"

#include "utils/FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kProductFolder = QStringLiteral("Talvex Studio/");
} // namespace

TSystemFolders TSystemFolders::forProgramBase(const QString &programBaseFolder)
{
    TSystemFolders folders;
    folders.appData = IncludeTrailingPathDelimiter(
                          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        + kProductFolder;
    folders.commonAppData = IncludeTrailingPathDelimiter(programBaseFolder) + QStringLiteral("share/") + kProductFolder;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    folders.documents = IncludeTrailingPathDelimiter(documents);
    return folders;
}

QString TDataFolders::programBaseFolder(const QString &programFile)
{
    const QString programFolder = QFileInfo(programFile).absolutePath();
    const QString base = QDir::cleanPath(programFolder + QStringLiteral("/.."));
    // The folder above the root is the root itself.
    return base.startsWith(QStringLiteral("/..")) ? QStringLiteral("/") : IncludeTrailingPathDelimiter(base);
}

TDataFolders TDataFolders::choose(const QString &programBaseFolder, const TSystemFolders &system)
{
    TDataFolders folders;
    folders.programBase = IncludeTrailingPathDelimiter(programBaseFolder);
    const QString portableData = folders.programBase + QStringLiteral("Data/");
    folders.portable = QFileInfo(portableData).isDir();
    if (folders.portable) {
        folders.commonData = portableData;
        folders.userData = QFileInfo(system.appData).isDir() ? IncludeTrailingPathDelimiter(system.appData)
                                                             : portableData + QStringLiteral("User/");
    } else {
        folders.commonData = IncludeTrailingPathDelimiter(system.commonAppData);
        folders.userData = IncludeTrailingPathDelimiter(system.appData);
    }
    folders.projects = projectsFolder(system.documents);
    return folders;
}

QString TDataFolders::projectsFolder(const QString &documentsFolder)
{
    return IncludeTrailingPathDelimiter(documentsFolder) + QStringLiteral("Talvex Studio-Projekte/");
}
