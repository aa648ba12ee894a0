#include "projects/TVYRAProjectDiskOperations.h"

#include "utils/TFreedesktopTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr TSHFileOperationFlags kFlags = fofAllowUndo | fofNoConfirmMakeDir | fofSilent;

bool entryExists(const QString &path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

TDocumentResult run(TSHFileOperation &operation, const QString &what)
{
    if (operation.ExecuteOperation())
        return TDocumentResult::success();
    return TDocumentResult::failure(QStringLiteral("%1: %2").arg(what, operation.GetErrorText()));
}

QString verb(TSHFileOperationType operation)
{
    return operation == fotMove ? QStringLiteral("verschoben") : QStringLiteral("kopiert");
}

} // namespace

TDocumentResult TVYRAProjectDiskOperations::MoveEntry(const QString &source, const QString &target)
{
    return TransferFile(source, target, fotMove);
}

TDocumentResult TVYRAProjectDiskOperations::TransferFile(const QString &source, const QString &target,
                                                         TSHFileOperationType operation)
{
    const QString what = QStringLiteral("„%1“ konnte nicht nach „%2“ %3 werden").arg(source, target, verb(operation));
    if (entryExists(target))
        return TDocumentResult::failure(QStringLiteral("%1: „%2“ gibt es schon.").arg(what, target));
    TSHFileOperation op;
    op.SetOperation(operation);
    op.SetFlags(kFlags);
    op.SourceFiles() << source;
    op.TargetFiles() << target;
    return run(op, what);
}

TDocumentResult TVYRAProjectDiskOperations::TransferInto(const QStringList &sources, const QString &targetFolder,
                                                         TSHFileOperationType operation)
{
    const QString folder = QDir::cleanPath(targetFolder) + QLatin1Char('/');
    const QString what = QStringLiteral("Der Inhalt konnte nicht nach „%1“ %2 werden").arg(folder, verb(operation));
    if (sources.isEmpty())
        return TDocumentResult::success();
    for (const QString &source : sources) {
        const QString target = folder + QFileInfo(source).fileName();
        if (entryExists(target))
            return TDocumentResult::failure(QStringLiteral("%1: „%2“ gibt es schon.").arg(what, target));
    }
    TSHFileOperation op;
    op.SetOperation(operation);
    op.SetFlags(kFlags);
    op.SourceFiles() = sources;
    op.TargetFiles() << folder;
    return run(op, what);
}

TDocumentResult TVYRAProjectDiskOperations::Trash(const QString &path, QString &trashedName)
{
    TFreedesktopTrash trash;
    QString error;
    if (trash.MoveToTrash(path, &error, &trashedName))
        return TDocumentResult::success();
    return TDocumentResult::failure(
        QStringLiteral("„%1“ konnte nicht in den Papierkorb verschoben werden: %2").arg(path, error));
}

bool TVYRAProjectDiskOperations::Restore(const QString &trashedName, const QString &path)
{
    TFreedesktopTrash trash;
    const QString stored = trash.Root() + QStringLiteral("/files/") + trashedName;
    if (entryExists(path) || !QDir().rename(stored, path))
        return false;
    QFile::remove(trash.Root() + QStringLiteral("/info/") + trashedName + QStringLiteral(".trashinfo"));
    return true;
}
