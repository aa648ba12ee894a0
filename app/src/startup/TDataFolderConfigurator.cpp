#include "startup/TDataFolderConfigurator.h"

#include "utils/FileUtils.h"
#include "utils/TSHFileOperation.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool makeFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}

bool isGoneOrEmpty(const QString &folder)
{
    const QDir dir(folder);
    return !dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

TDataFolderConfigurator::TDataFolderConfigurator(const QString &programBaseFolder, const TSystemFolders &system)
    : m_portableData(IncludeTrailingPathDelimiter(programBaseFolder) + QStringLiteral("Data/"))
    , m_portableUser(m_portableData + QStringLiteral("User/"))
    , m_appData(IncludeTrailingPathDelimiter(system.appData))
    , m_commonData(IncludeTrailingPathDelimiter(system.commonAppData))
{
}

bool TDataFolderConfigurator::ConfigDataDirs(int mode) const
{
    switch (mode) {
    case 0: return toApplicationDataFolders();
    case 1: return toProgramFolder();
    default: return false;
    }
}

bool TDataFolderConfigurator::toApplicationDataFolders() const
{
    if (!makeFolder(m_commonData) || !makeFolder(m_appData))
        return false;
    if (!QFileInfo(m_portableData).isDir())
        return true;
    bool ok = true;
    if (QFileInfo(m_portableUser).isDir())
        ok = MoveDataFolder(m_portableUser, m_appData) && ok;
    ok = MoveDataFolder(m_portableData, m_commonData) && ok;
    return ok && isGoneOrEmpty(m_portableData);
}

bool TDataFolderConfigurator::toProgramFolder() const
{
    // An existing "Data" folder means the portable layout is already in use.
    if (QFileInfo(m_portableData).exists())
        return false;
    if (!QDir().mkpath(m_portableData) || !makeFolder(m_portableUser))
        return false;
    bool ok = true;
    if (QFileInfo(m_appData).isDir())
        ok = MoveDataFolder(m_appData, m_portableUser) && isGoneOrEmpty(m_appData) && ok;
    if (QFileInfo(m_commonData).isDir())
        ok = MoveDataFolder(m_commonData, m_portableData) && isGoneOrEmpty(m_commonData) && ok;
    return ok;
}

bool TDataFolderConfigurator::MoveDataFolder(const QString &source, const QString &target)
{
    const QDir sourceDir(source);
    if (!sourceDir.exists())
        return false;
    TSHFileOperation operation;
    operation.SetOperation(fotMove);
    operation.SetFlags(TSHFileOperationFlags(fofNoConfirmation | fofNoConfirmMakeDir));
    const QStringList entries =
        sourceDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        operation.SourceFiles().append(sourceDir.filePath(entry));
    operation.TargetFiles().append(IncludeTrailingPathDelimiter(target));
    const bool moved = entries.isEmpty() ? QDir().mkpath(target) : operation.ExecuteOperation();
    if (moved && isGoneOrEmpty(source))
        QDir().rmdir(source);
    return moved;
}
