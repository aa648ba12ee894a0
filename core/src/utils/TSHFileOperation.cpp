#include "utils/TSHFileOperation.h"

#include "utils/FileUtils.h"
#include "utils/TFileTreeWorker.h"
#include "utils/TFreedesktopTrash.h"
#include "utils/WildCards.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

bool hasMask(const QString &path)
{
    const QString name = ExtractFileName(path);
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

bool entryExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool isRealFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

QString absoluteClean(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// "a.txt" becomes "a - Kopie.txt", then "a - Kopie (2).txt" and so on.
QString freeCopyName(const QString &target)
{
    const QFileInfo info(target);
    const QString folder = info.path() + QLatin1Char('/');
    const QString base = info.isDir() ? info.fileName() : info.completeBaseName();
    const QString suffix = (info.isDir() || info.suffix().isEmpty()) ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1;; ++n) {
        const QString copy = n == 1 ? QStringLiteral(" - Kopie") : QStringLiteral(" - Kopie (%1)").arg(n);
        const QString candidate = folder + base + copy + suffix;
        if (!entryExists(candidate))
            return candidate;
    }
}

} // namespace

TSHFileOperation::TSHFileOperation(QObject *owner)
    : m_owner(owner)
{
}

void TSHFileOperation::Reset()
{
    m_sources.clear();
    m_targets.clear();
}

bool TSHFileOperation::fail(int code, const QString &text)
{
    m_result = code;
    m_errorText = text;
    return false;
}

bool TSHFileOperation::ExecuteOperation()
{
    m_result = 0;
    m_aborted = false;
    m_abortRequested = false;
    m_errorText.clear();
    m_progress = TSHFileOperationProgress();
    if (!m_targets.isEmpty())
        m_flags |= fofMultiDestFiles;

    QStringList sources;
    bool masked = false;
    if (!expandSources(sources, masked))
        return false;
    if (sources.isEmpty())
        return true; // a mask that matches nothing
    switch (m_operation) {
    case fotDelete:
        return deleteSources(sources);
    case fotRename:
        return renameSources(sources);
    case fotCopy:
    case fotMove:
        break;
    }
    QList<TItem> items;
    if (!planTargets(sources, masked, items))
        return false;
    for (TItem &item : items) {
        if (!checkItem(item))
            return false;
    }
    return runItems(items);
}

bool TSHFileOperation::expandSources(QStringList &sources, bool &masked)
{
    for (const QString &entry : std::as_const(m_sources)) {
        const QString source = entry.trimmed();
        if (source.isEmpty())
            continue;
        if (!hasMask(source)) {
            if (!entryExists(source))
                return fail(ENOENT, QStringLiteral("„%1“ wurde nicht gefunden.").arg(source));
            sources.append(ExcludeTrailingPathDelimiter(source));
            continue;
        }
        masked = true;
        const QString folder = ExtractFilePath(source).isEmpty() ? QStringLiteral(".") : ExtractFilePath(source);
        QStringList found;
        FileList(folder, ExtractFileName(source), false, found);
        const bool filesOnly = m_flags & (fofFilesOnly | fofNoRecursion);
        for (const QString &path : std::as_const(found)) {
            if (!filesOnly || !isRealFolder(path))
                sources.append(path);
        }
    }
    if (sources.isEmpty() && !masked)
        return fail(EINVAL, QStringLiteral("Es wurden keine Quelldateien angegeben."));
    return true;
}

bool TSHFileOperation::planTargets(const QStringList &sources, bool masked, QList<TItem> &items)
{
    QStringList targets;
    for (const QString &target : std::as_const(m_targets)) {
        if (!target.trimmed().isEmpty())
            targets.append(target.trimmed());
    }
    if (targets.isEmpty())
        return fail(EINVAL, QStringLiteral("Es wurde kein Ziel angegeben."));
    const bool oneFolder =
        targets.size() == 1 && (masked || sources.size() > 1 || IsPathDelimiter(targets.first().back()));
    if (!oneFolder && targets.size() != sources.size()) {
        return fail(EINVAL, QStringLiteral("Die Anzahl der Ziele (%1) passt nicht zur Anzahl der Quellen (%2).")
                                .arg(targets.size())
                                .arg(sources.size()));
    }
    for (qsizetype i = 0; i < sources.size(); ++i) {
        const QString given = oneFolder ? targets.first() : targets.at(i);
        const QString target = ExcludeTrailingPathDelimiter(given);
        const QString name = ExtractFileName(sources.at(i));
        const bool namesFolder = oneFolder || IsPathDelimiter(given.back());
        if (namesFolder && entryExists(target) && !QFileInfo(target).isDir())
            return fail(ENOTDIR, QStringLiteral("Das Ziel „%1“ ist kein Ordner.").arg(target));
        const bool intoFolder = namesFolder || QFileInfo(target).isDir();
        items.append({absoluteClean(sources.at(i)), absoluteClean(intoFolder ? target + QLatin1Char('/') + name : target)});
    }
    return true;
}

bool TSHFileOperation::checkItem(TItem &item)
{
    const bool same = item.source == item.target;
    if (same && m_operation == fotMove)
        return true; // nothing to do
    if (isRealFolder(item.source) && !same && item.target.startsWith(IncludeTrailingPathDelimiter(item.source))) {
        return fail(EINVAL, QStringLiteral("„%1“ kann nicht in sich selbst kopiert oder verschoben werden.")
                                .arg(item.source));
    }
    if (entryExists(item.target) && (m_flags & fofRenameOnCollision))
        item.target = freeCopyName(item.target);
    else if (same)
        return fail(EEXIST, QStringLiteral("Quelle und Ziel sind gleich: „%1“.").arg(item.source));
    return true;
}

bool TSHFileOperation::progress(const QString &file, qint64 bytes)
{
    if (bytes == 0) {
        m_progress.FilesDone = qMin(m_progress.FilesDone + 1, m_progress.FilesTotal);
        m_progress.CurrentFile = file;
    }
    m_progress.BytesDone = qMin(m_progress.BytesDone + bytes, m_progress.BytesTotal);
    if (m_onProgress && !(m_flags & fofSilent) && !m_onProgress(m_progress))
        m_abortRequested = true;
    return !m_abortRequested;
}

void TSHFileOperation::measure(const QStringList &paths)
{
    for (const QString &path : paths)
        TFileTreeWorker::Measure(path, m_progress.FilesTotal, m_progress.BytesTotal);
    if (m_flags & fofSimpleProgress)
        m_progress.Title = m_progressTitle;
}

bool TSHFileOperation::runItems(const QList<TItem> &items)
{
    QStringList sources;
    for (const TItem &item : items)
        sources.append(item.source);
    measure(sources);
    TFileTreeWorker worker;
    if (m_flags & fofNoConfirmation)
        worker.SetCollision(TFileTreeWorker::TCollision::Overwrite);
    else if (m_onConfirm)
        worker.SetCollision(TFileTreeWorker::TCollision::Ask);
    worker.SetConfirm(m_onConfirm);
    worker.SetProgress([this](const QString &file, qint64 bytes) { return progress(file, bytes); });
    for (const TItem &item : items) {
        if (item.source == item.target)
            continue;
        if (!QDir().mkpath(QFileInfo(item.target).path()))
            return fail(EIO, QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(QFileInfo(item.target).path()));
        const bool done = m_operation == fotMove ? worker.MoveTree(item.source, item.target)
                                                 : worker.CopyTree(item.source, item.target);
        if (!done) {
            m_aborted = worker.Aborted();
            return fail(worker.ErrorCode(), worker.ErrorText());
        }
    }
    return true;
}

bool TSHFileOperation::deleteSources(const QStringList &sources)
{
    measure(sources);
    if (m_flags & fofAllowUndo) {
        TFreedesktopTrash trash;
        for (const QString &source : sources) {
            if (!progress(source, 0)) {
                m_aborted = true;
                return fail(ECANCELED, QStringLiteral("Der Vorgang wurde abgebrochen."));
            }
            QString error;
            if (!trash.MoveToTrash(source, &error))
                return fail(EIO, error);
        }
        return true;
    }
    TFileTreeWorker worker;
    worker.SetProgress([this](const QString &file, qint64 bytes) { return progress(file, bytes); });
    for (const QString &source : sources) {
        if (!worker.DeleteTree(source)) {
            m_aborted = worker.Aborted();
            return fail(worker.ErrorCode(), worker.ErrorText());
        }
    }
    return true;
}

bool TSHFileOperation::renameSources(const QStringList &sources)
{
    if (m_targets.size() != sources.size()) {
        return fail(EINVAL, QStringLiteral("Die Anzahl der Ziele (%1) passt nicht zur Anzahl der Quellen (%2).")
                                .arg(m_targets.size())
                                .arg(sources.size()));
    }
    TFileTreeWorker worker;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        QString target = m_targets.at(i).trimmed();
        if (ExtractFilePath(target).isEmpty())
            target = ExtractFilePath(sources.at(i)) + target;
        if (!worker.RenameNoReplace(sources.at(i), target))
            return fail(worker.ErrorCode(), worker.ErrorText());
    }
    return true;
}
