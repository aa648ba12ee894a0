#include "TPrivateFolder.h"

#include "utils/FileUtils.h"

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString TPrivateFolder::UpdateFolder()
{
    return IncludeTrailingPathDelimiter(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        + QStringLiteral("Talvex Studio/TVSUpdate/");
}

QString TPrivateFolder::Check(const QString &folder)
{
    const QByteArray path = QFile::encodeName(ExcludeTrailingPathDelimiter(folder));
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return QStringLiteral("Der Update-Ordner \"%1\" ist nicht vorhanden: %2").arg(folder, systemText(errno));
    if (S_ISLNK(info.st_mode) || !S_ISDIR(info.st_mode))
        return QStringLiteral("Der Update-Ordner \"%1\" ist kein Ordner, sondern eine Verknüpfung oder Datei.").arg(folder);
    if (info.st_uid != ::geteuid())
        return QStringLiteral("Der Update-Ordner \"%1\" gehört einem anderen Benutzer.").arg(folder);
    if ((info.st_mode & 077) != 0)
        return QStringLiteral("Der Update-Ordner \"%1\" ist für andere Benutzer zugänglich.").arg(folder);
    return {};
}

QString TPrivateFolder::Prepare(const QString &folder)
{
    const QString path = ExcludeTrailingPathDelimiter(folder);
    const QByteArray native = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return QStringLiteral("Der Update-Ordner \"%1\" konnte nicht angelegt werden: %2").arg(folder, systemText(errno));
    struct stat info {};
    // Only a folder of our own is tightened; a link or a stranger's folder is refused below.
    if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        ::chmod(native.constData(), 0700);
    const QString problem = Check(folder);
    if (!problem.isEmpty())
        return problem;
    if (!Empty(folder))
        return QStringLiteral("Der Update-Ordner \"%1\" konnte nicht geleert werden.").arg(folder);
    return {};
}

bool TPrivateFolder::Empty(const QString &folder)
{
    QDir dir(folder);
    bool all = true;
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        // A link is removed itself, never what it points to.
        const bool removed = entry.isDir() && !entry.isSymLink() ? QDir(entry.absoluteFilePath()).removeRecursively()
                                                                 : QFile::remove(entry.absoluteFilePath());
        all = all && removed;
    }
    return all;
}
