#include "utils/TFreedesktopTrash.h"

#include "utils/FileUtils.h"
#include "utils/TFileErrorText.h"
#include "utils/TFileTreeWorker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace {

constexpr int kMaxNameAttempts = 10000;

QString infoPath(const QString &root, const QString &name)
{
    return root + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo");
}

QByteArray trashInfo(const QString &absolutePath)
{
    const QString date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
    return QByteArray("[Trash Info]\nPath=") + QFile::encodeName(absolutePath).toPercentEncoding("/")
        + "\nDeletionDate=" + date.toLatin1() + "\n";
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Copies an entry from another file system into the trash; a partial copy is removed.
bool copyAcross(const QString &source, const QString &target, QString *error)
{
    TFileTreeWorker copier;
    if (copier.CopyTree(source, target))
        return true;
    setError(error, copier.ErrorText());
    TFileTreeWorker cleanup;
    cleanup.DeleteTree(target);
    return false;
}

} // namespace

QString TFreedesktopTrash::DefaultRoot()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + QStringLiteral("/Trash");
}

TFreedesktopTrash::TFreedesktopTrash(QString root)
    : m_root(std::move(root))
{
}

bool TFreedesktopTrash::prepareFolders(QString *error)
{
    for (const QString &folder : {m_root, m_root + QStringLiteral("/files"), m_root + QStringLiteral("/info")}) {
        if (QFileInfo(folder).isDir())
            continue;
        if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            setError(error, QStringLiteral("Der Papierkorb „%1“ kann nicht angelegt werden.").arg(folder));
            return false;
        }
    }
    return true;
}

QString TFreedesktopTrash::reserveName(const QString &fileName, const QByteArray &info, QString *error)
{
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const QString name = attempt == 1 ? fileName : QStringLiteral("%1.%2").arg(fileName).arg(attempt);
        if (QFileInfo::exists(m_root + QStringLiteral("/files/") + name))
            continue;
        QFile file(infoPath(m_root, name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue; // taken meanwhile, or not writable: the next name shows which
        if (file.write(info) == info.size() && file.flush()) {
            file.close();
            return name;
        }
        file.remove();
        setError(error, QStringLiteral("Die Papierkorb-Information „%1“ kann nicht geschrieben werden.\n%2")
                            .arg(file.fileName(), TFileErrorText::SystemText(file.errorString())));
        return {};
    }
    setError(error, QStringLiteral("Im Papierkorb „%1“ ist kein freier Name für „%2“ zu finden.").arg(m_root, fileName));
    return {};
}

bool TFreedesktopTrash::MoveToTrash(const QString &path, QString *error, QString *trashedName)
{
    const QFileInfo entry(ExcludeTrailingPathDelimiter(path));
    if (entry.fileName().isEmpty() || (!entry.exists() && !entry.isSymLink())) {
        setError(error, QStringLiteral("„%1“ existiert nicht.").arg(path));
        return false;
    }
    if (!prepareFolders(error))
        return false;
    const QString absolute = QDir::cleanPath(entry.absoluteFilePath());
    const QString name = reserveName(entry.fileName(), trashInfo(absolute), error);
    if (name.isEmpty())
        return false;
    const QString target = m_root + QStringLiteral("/files/") + name;
    TFileTreeWorker worker;
    if (!worker.RenameNoReplace(absolute, target)) {
        if (worker.ErrorCode() != EXDEV || !copyAcross(absolute, target, error)) {
            if (worker.ErrorCode() != EXDEV)
                setError(error, worker.ErrorText());
            QFile::remove(infoPath(m_root, name));
            return false;
        }
        // The trash holds a complete copy now; it stays even if removing the original fails.
        if (!worker.DeleteTree(absolute)) {
            setError(error, worker.ErrorText());
            return false;
        }
    }
    if (trashedName)
        *trashedName = name;
    return true;
}
