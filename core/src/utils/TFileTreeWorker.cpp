#include "utils/TFileTreeWorker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kCopyChunk = 1024 * 1024;

QByteArray nativePath(const QString &path) { return QFile::encodeName(path); }

bool lstatPath(const QString &path, struct stat &info) { return ::lstat(nativePath(path).constData(), &info) == 0; }

QFileInfoList children(const QString &folder)
{
    return QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
}

void copyTimesAndMode(const struct stat &from, const QString &target)
{
    const QByteArray path = nativePath(target);
    const struct timespec times[2] = {from.st_atim, from.st_mtim};
    ::utimensat(AT_FDCWD, path.constData(), times, 0);
    ::chmod(path.constData(), from.st_mode & 07777);
}

// Renames without replacing an existing entry; 0 or the error number.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without RENAME_NOREPLACE: check, then rename.
    struct stat info = {};
    if (::lstat(to.constData(), &info) == 0)
        return EEXIST;
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

// Whether target (or, when it does not exist yet, its folder) lies on the
// file system of the source, so that a rename can move it.
bool onSameDevice(const struct stat &source, const QString &target)
{
    struct stat info = {};
    if (::lstat(nativePath(target).constData(), &info) != 0
        && ::stat(nativePath(QFileInfo(target).path()).constData(), &info) != 0) {
        return true; // let the rename tell
    }
    return info.st_dev == source.st_dev;
}

} // namespace

void TFileTreeWorker::ClearError()
{
    m_errorCode = 0;
    m_errorText.clear();
    m_aborted = false;
    m_abort = false;
}

bool TFileTreeWorker::fail(int code, const QString &text)
{
    m_errorCode = code;
    m_errorText = text;
    return false;
}

bool TFileTreeWorker::failErrno(int code, const QString &what, const QString &path)
{
    return fail(code, QStringLiteral("%1 „%2“: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(code))));
}

bool TFileTreeWorker::report(const QString &file, qint64 bytes)
{
    if (!m_abort && m_progress && !m_progress(file, bytes))
        m_abort = true;
    if (m_abort) {
        m_aborted = true;
        return fail(ECANCELED, QStringLiteral("Der Vorgang wurde abgebrochen."));
    }
    return true;
}

void TFileTreeWorker::Measure(const QString &path, int &files, qint64 &bytes)
{
    struct stat info = {};
    if (!lstatPath(path, info))
        return;
    if (!S_ISDIR(info.st_mode)) {
        ++files;
        bytes += S_ISREG(info.st_mode) ? qint64(info.st_size) : 0;
        return;
    }
    for (const QFileInfo &entry : children(path))
        Measure(entry.filePath(), files, bytes);
}

bool TFileTreeWorker::mayWrite(const QString &target, bool &skip)
{
    skip = false;
    struct stat info = {};
    if (!lstatPath(target, info))
        return true;
    if (S_ISDIR(info.st_mode))
        return failErrno(EISDIR, QStringLiteral("Das Ziel ist ein Ordner:"), target);
    switch (m_collision) {
    case TCollision::Overwrite:
        return true;
    case TCollision::Ask:
        if (m_confirm && m_confirm(target))
            return true;
        skip = bool(m_confirm);
        if (skip)
            return true;
        break;
    case TCollision::Fail:
        break;
    }
    return failErrno(EEXIST, QStringLiteral("Die Datei existiert bereits:"), target);
}

bool TFileTreeWorker::beginWrite(const QString &source, const QString &target, bool &skip)
{
    if (!report(source, 0) || !mayWrite(target, skip))
        return false;
    if (skip)
        m_skipped.insert(source);
    return true;
}

bool TFileTreeWorker::CopyTree(const QString &source, const QString &target)
{
    struct stat info = {};
    if (!lstatPath(source, info))
        return failErrno(errno, QStringLiteral("Die Quelle kann nicht gelesen werden:"), source);
    if (S_ISDIR(info.st_mode))
        return copyFolder(source, target);
    if (S_ISLNK(info.st_mode))
        return copyLink(source, target);
    if (S_ISREG(info.st_mode))
        return copyFile(source, target);
    return failErrno(ENOTSUP, QStringLiteral("Keine gewöhnliche Datei, sie wird nicht kopiert:"), source);
}

bool TFileTreeWorker::copyFolder(const QString &source, const QString &target)
{
    struct stat info = {};
    lstatPath(source, info);
    struct stat existing = {};
    const bool exists = lstatPath(target, existing);
    if (exists && !S_ISDIR(existing.st_mode))
        return failErrno(EEXIST, QStringLiteral("Am Ziel liegt bereits eine Datei:"), target);
    if (!exists && ::mkdir(nativePath(target).constData(), 0700) != 0)
        return failErrno(errno, QStringLiteral("Der Ordner kann nicht angelegt werden:"), target);
    for (const QFileInfo &entry : children(source)) {
        if (!CopyTree(entry.filePath(), target + QLatin1Char('/') + entry.fileName()))
            return false;
    }
    if (!exists)
        copyTimesAndMode(info, target);
    return true;
}

bool TFileTreeWorker::copyLink(const QString &source, const QString &target)
{
    bool skip = false;
    if (!beginWrite(source, target, skip))
        return false;
    if (skip)
        return true;
    char buffer[4096];
    const ssize_t length = ::readlink(nativePath(source).constData(), buffer, sizeof(buffer) - 1);
    if (length < 0)
        return failErrno(errno, QStringLiteral("Die Verknüpfung kann nicht gelesen werden:"), source);
    buffer[length] = '\0';
    ::unlink(nativePath(target).constData());
    if (::symlink(buffer, nativePath(target).constData()) != 0)
        return failErrno(errno, QStringLiteral("Die Verknüpfung kann nicht angelegt werden:"), target);
    return true;
}

bool TFileTreeWorker::copyFile(const QString &source, const QString &target)
{
    bool skip = false;
    if (!beginWrite(source, target, skip))
        return false;
    if (skip)
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(EIO, QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(source, in.errorString()));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(EIO, QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(target, out.errorString()));
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kCopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return fail(EIO, QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(source, in.errorString()));
        if (out.write(chunk) != chunk.size())
            return fail(EIO, QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(target, out.errorString()));
        if (!report(source, chunk.size()))
            return false; // QSaveFile drops its temporary file
    }
    if (!out.commit())
        return fail(EIO, QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2").arg(target, out.errorString()));
    struct stat info = {};
    if (::stat(nativePath(source).constData(), &info) == 0)
        copyTimesAndMode(info, target);
    return true;
}

bool TFileTreeWorker::RenameNoReplace(const QString &source, const QString &target)
{
    const int code = renameNoReplace(nativePath(source), nativePath(target));
    return code == 0 || failErrno(code, QStringLiteral("Umbenennen nicht möglich:"), source);
}

bool TFileTreeWorker::MoveTree(const QString &source, const QString &target)
{
    struct stat info = {};
    if (!lstatPath(source, info))
        return failErrno(errno, QStringLiteral("Die Quelle kann nicht gelesen werden:"), source);
    if (!onSameDevice(info, target))
        return copyThenDelete(source, target);
    struct stat existing = {};
    const bool targetExists = lstatPath(target, existing);
    if (targetExists && S_ISDIR(info.st_mode) && S_ISDIR(existing.st_mode))
        return moveFolderInto(source, target);
    if (targetExists) {
        bool skip = false;
        if (!mayWrite(target, skip))
            return false;
        if (skip)
            return true;
    }
    if (!report(source, 0))
        return false;
    const QByteArray from = nativePath(source);
    const QByteArray to = nativePath(target);
    // An existing target has been agreed to above and is replaced in one step.
    const int code = targetExists ? (::rename(from.constData(), to.constData()) == 0 ? 0 : errno)
                                  : renameNoReplace(from, to);
    if (code == 0)
        return true;
    if (code != EXDEV) // two mounts of one file system also refuse to rename
        return failErrno(code, QStringLiteral("Verschieben nicht möglich:"), source);
    const TCollision previous = m_collision;
    if (targetExists)
        m_collision = TCollision::Overwrite;
    const bool moved = copyThenDelete(source, target);
    m_collision = previous;
    return moved;
}

bool TFileTreeWorker::copyThenDelete(const QString &source, const QString &target)
{
    // The source goes only after the whole copy is complete, and what the
    // user chose to skip stays where it is.
    m_skipped.clear();
    if (!CopyTree(source, target))
        return false;
    return deleteCopied(source);
}

bool TFileTreeWorker::deleteCopied(const QString &path)
{
    if (m_skipped.contains(path))
        return true;
    struct stat info = {};
    if (!lstatPath(path, info) || !S_ISDIR(info.st_mode))
        return DeleteTree(path);
    for (const QFileInfo &entry : children(path)) {
        if (!deleteCopied(entry.filePath()))
            return false;
    }
    if (::rmdir(nativePath(path).constData()) != 0 && errno != ENOTEMPTY)
        return failErrno(errno, QStringLiteral("Der Ordner kann nicht gelöscht werden:"), path);
    return true;
}

bool TFileTreeWorker::moveFolderInto(const QString &source, const QString &target)
{
    for (const QFileInfo &entry : children(source)) {
        if (!MoveTree(entry.filePath(), target + QLatin1Char('/') + entry.fileName()))
            return false;
    }
    // Entries skipped on request stay, and so does their folder.
    if (QDir(source).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        ::rmdir(nativePath(source).constData());
    return true;
}

bool TFileTreeWorker::DeleteTree(const QString &path)
{
    struct stat info = {};
    if (!lstatPath(path, info))
        return failErrno(errno, QStringLiteral("Löschen nicht möglich:"), path);
    if (S_ISDIR(info.st_mode)) {
        for (const QFileInfo &entry : children(path)) {
            if (!DeleteTree(entry.filePath()))
                return false;
        }
        if (::rmdir(nativePath(path).constData()) != 0)
            return failErrno(errno, QStringLiteral("Der Ordner kann nicht gelöscht werden:"), path);
        return true;
    }
    if (!report(path, 0))
        return false;
    if (::unlink(nativePath(path).constData()) != 0)
        return failErrno(errno, QStringLiteral("Die Datei kann nicht gelöscht werden:"), path);
    return true;
}
