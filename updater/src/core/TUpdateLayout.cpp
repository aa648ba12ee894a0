#include "TUpdateLayout.h"

#include "TSystemPackage.h"
#include "TUpdateNames.h"
#include "startup/TDataFolders.h"
#include "utils/FileUtils.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kInstDir = QStringLiteral("$INSTDIR");
const QString kDataDir = QStringLiteral("$DATADIR");
const QString kUserDataDir = QStringLiteral("$USERDATADIR");

void replaceFirst(QString &text, const QString &placeholder, const QString &value)
{
    const qsizetype at = text.indexOf(placeholder);
    if (at >= 0)
        text.replace(at, placeholder.size(), value);
}

// The nearest folder that exists on the way up decides whether a missing one
// could be made.
bool folderWritable(const QString &folder)
{
    QFileInfo info(folder);
    while (!info.exists() && info.absoluteFilePath() != QStringLiteral("/"))
        info = QFileInfo(info.absolutePath());
    return info.isDir() && info.isWritable();
}

} // namespace

TUpdateLayout TUpdateLayout::ForProgramFolder(const QString &programFolder, const TSystemFolders &system)
{
    TUpdateLayout layout;
    layout.m_programFolder = IncludeTrailingPathDelimiter(QDir::cleanPath(programFolder));
    layout.m_instDir = TDataFolders::programBaseFolder(layout.m_programFolder + TUpdateNames::Editor());
    const TDataFolders folders = TDataFolders::choose(layout.m_instDir, system);
    layout.m_dataDir = folders.commonData;
    layout.m_userDataDir = folders.userData;
    layout.m_portable = folders.portable;
    layout.m_packageManaged = !folders.portable && TSystemPackage::Owns(layout.m_programFolder + TUpdateNames::Editor());
    layout.m_writable = folderWritable;
    return layout;
}

TUpdateLayout TUpdateLayout::ForProgramFolder(const QString &programFolder)
{
    const QString base = TDataFolders::programBaseFolder(
        IncludeTrailingPathDelimiter(QDir::cleanPath(programFolder)) + TUpdateNames::Editor());
    return ForProgramFolder(programFolder, TSystemFolders::forProgramBase(base));
}

QString TUpdateLayout::Expand(const QString &target) const
{
    QString folder = target;
    replaceFirst(folder, kInstDir, m_instDir);
    replaceFirst(folder, kDataDir, m_dataDir);
    replaceFirst(folder, kUserDataDir, m_userDataDir);
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // A placeholder followed by a delimiter of its own gives "//".
    while (folder.contains(QStringLiteral("//")))
        folder.replace(QStringLiteral("//"), QStringLiteral("/"));
    return IncludeTrailingPathDelimiter(folder);
}

bool TUpdateLayout::ProgramLeftToSystem() const
{
    return !m_portable && (m_packageManaged || !writable(m_programFolder));
}

bool TUpdateLayout::Updatable(const QString &target) const
{
    if (m_portable)
        return true;
    if (target.contains(kInstDir) && ProgramLeftToSystem())
        return false;
    if (m_packageManaged && target.contains(kDataDir))
        return false;
    return writable(Expand(target));
}

bool TUpdateLayout::writable(const QString &folder) const
{
    return m_writable ? m_writable(folder) : folderWritable(folder);
}
