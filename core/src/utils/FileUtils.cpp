#include "utils/FileUtils.h"

#include "utils/WildCards.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Trimmed, delimiters as "/", absolute (relative ones against base) and cleaned.
QString expandPath(const QString &path, const QString &base)
{
    QString result = ToSlashes(path.trimmed());
    if (QDir::isRelativePath(result))
        result = base + QLatin1Char('/') + result;
    return QDir::cleanPath(result);
}

// Whether a file opened for writing shows a lock held through another open file.
bool holdsForeignLock(int fd)
{
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
#ifdef F_OFD_GETLK
    // Open-file-description locks also report conflicts with record locks of
    // this very process, which F_GETLK would not.
    const int command = F_OFD_GETLK;
#else
    const int command = F_GETLK;
#endif
    if (::fcntl(fd, command, &probe) == 0 && probe.l_type != F_UNLCK)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK;
    ::flock(fd, LOCK_UN);
    return false;
}

} // namespace

void FileList(const QString &folder, const QString &mask, bool Recursive, QStringList &out)
{
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (Recursive && entry.isDir() && !entry.isSymLink())
            FileList(entry.filePath(), mask, Recursive, out);
        else if (MatchesFileMask(mask, entry.fileName()))
            out.append(entry.filePath());
    }
}

bool IsDirectory(const QString &path)
{
    const QString folder = ExcludeTrailingPathDelimiter(path);
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

bool IsDirectoryOrDrive(const QString &path)
{
    if (IsDirectory(path))
        return true;
    const QStorageInfo storage(ExcludeTrailingPathDelimiter(path));
    return storage.isValid() && storage.isReady() && storage.rootPath() == QDir::cleanPath(path);
}

bool IsSubDirOf(const QString &folder, const QString &path)
{
    if (folder.trimmed().isEmpty() || path.trimmed().isEmpty())
        return false;
    const QString base = expandPath(folder, QDir::currentPath());
    const QString relativeBase = IsDirectory(base) ? base : QDir::currentPath();
    const QString target = expandPath(path, relativeBase);
    if (target == base)
        return true;
    return target.startsWith(IncludeTrailingPathDelimiter(base));
}

bool IsSameFolder(const QString &a, const QString &b)
{
    const QString current = QDir::currentPath();
    return expandPath(a, current) == expandPath(b, current);
}

const QString &FileForbiddenChars()
{
    static const QString chars = QStringLiteral("\\/<>|?*\":");
    return chars;
}

bool IsFileForbiddenChar(QChar c, bool AllowBackslash)
{
    if (AllowBackslash && c == QLatin1Char('\\'))
        return false;
    return FileForbiddenChars().contains(c);
}

bool IsValidFileName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (IsFileForbiddenChar(c))
            return false;
    }
    return true;
}

QString ReplaceInvalidFileNameIdents(const QString &name)
{
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        if (!IsFileForbiddenChar(c))
            result.append(c);
    }
    return result;
}

bool CanOpenFile(const QString &fileName, bool &locked)
{
    locked = false;
    const QByteArray path = QFile::encodeName(fileName);
    const int readFd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (readFd < 0)
        return false;
    struct stat info = {};
    const bool isFolder = ::fstat(readFd, &info) == 0 && S_ISDIR(info.st_mode);
    ::close(readFd);
    if (isFolder)
        return false;
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        locked = true;
        return true;
    }
    locked = holdsForeignLock(fd);
    ::close(fd);
    return true;
}

qint64 GetFileSize(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() ? info.size() : 0;
}

QString FormatDiskSpace(qint64 bytes)
{
    constexpr double kKiB = 1024.0;
    if (bytes < 1024)
        return QStringLiteral("%1 Byte").arg(bytes);
    const QLocale german(QLocale::German, QLocale::Germany);
    const double value = double(bytes);
    if (value < kKiB * kKiB)
        return german.toString(value / kKiB, 'f', 2) + QStringLiteral(" KB");
    if (value < kKiB * kKiB * kKiB)
        return german.toString(value / (kKiB * kKiB), 'f', 2) + QStringLiteral(" MB");
    return german.toString(value / (kKiB * kKiB * kKiB), 'f', 2) + QStringLiteral(" GB");
}

QString FileSizeString(const QString &fileName) { return FormatDiskSpace(GetFileSize(fileName)); }

QString ProcessFileName(const QString &fileName, TFileNameReplaceMode mode, const QString &referenceFile)
{
    switch (mode) {
    case fnrmTranformFolderStructure: {
        const QString folder = ExtractFilePath(fileName);
        const qsizetype colon = folder.indexOf(QLatin1Char(':'));
        if (colon >= 0)
            return QLatin1Char('.') + ToSlashes(folder.mid(colon + 1)) + ExtractFileName(fileName);
        // An absolute Linux path has no drive: its whole folder becomes relative.
        if (folder.startsWith(QLatin1Char('/')))
            return QLatin1Char('.') + folder + ExtractFileName(fileName);
        return fileName;
    }
    case fnrmRelativePath: {
        QString base = ExtractFilePath(referenceFile);
        if (base.isEmpty() || base == QLatin1String("\\"))
            base = QDir::currentPath();
        const QString current = QDir::currentPath();
        return QDir(expandPath(base, current)).relativeFilePath(expandPath(fileName, current));
    }
    case fnrmKeepFileName:
        return ExtractFileName(fileName);
    case fnrmKeepDefault:
        break;
    }
    return fileName;
}

void MakeList(const QString &text, QStringList &list)
{
    list.clear();
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    for (const QString &piece : text.split(separators)) {
        const QString trimmed = piece.trimmed();
        if (!trimmed.isEmpty())
            list.append(trimmed);
    }
}

QStringList MakeList(const QString &text)
{
    QStringList list;
    MakeList(text, list);
    return list;
}

QString MakeString(const QStringList &list) { return list.join(QLatin1Char(';')); }

QStringList Explode(const QString &separator, const QString &text, int limit)
{
    if (separator.isEmpty())
        return {text};
    QStringList pieces;
    qsizetype start = 0;
    while (limit <= 0 || pieces.size() < limit - 1) {
        const qsizetype found = text.indexOf(separator, start);
        if (found < 0)
            break;
        pieces.append(text.mid(start, found - start));
        start = found + separator.size();
    }
    pieces.append(text.mid(start));
    return pieces;
}

QStringList GetFileTypes(const QString &filter)
{
    const qsizetype open = filter.indexOf(QLatin1Char('('));
    const qsizetype close = filter.indexOf(QLatin1Char(')'), open + 1);
    if (open < 0 || close < 0)
        return {};
    const QString inner = filter.mid(open + 1, close - open - 1);
    QStringList types = MakeList(inner);
    if (!inner.contains(QLatin1String("*.*"))) {
        for (QString &type : types)
            type.remove(QLatin1Char('*'));
    }
    return types;
}

bool IsPathDelimiter(QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); }

QString IncludeTrailingPathDelimiter(const QString &path)
{
    if (path.endsWith(QLatin1Char('/')))
        return path;
    if (path.endsWith(QLatin1Char('\\')))
        return path.chopped(1) + QLatin1Char('/');
    return path + QLatin1Char('/');
}

QString ExcludeTrailingPathDelimiter(const QString &path)
{
    if (path.size() > 1 && IsPathDelimiter(path.back()))
        return path.chopped(1);
    return path;
}

QString ToSlashes(const QString &path)
{
    QString result = path;
    return result.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString ExtractFilePath(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsPathDelimiter(path.at(i)))
            return path.left(i + 1);
    }
    return {};
}

QString ExtractFileName(const QString &path) { return path.mid(ExtractFilePath(path).size()); }
