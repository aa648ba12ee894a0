#include "projects/TProjectFileBatch.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The group's question before each copy is answered by the batch as a whole.
class TConfirmationPause
{
public:
    explicit TConfirmationPause(TVYRAProjectGroupItems &group)
        : m_group(group)
        , m_confirm(group.ConfirmFileSync())
        , m_modified(group.Modified())
    {
        m_group.SetConfirmFileSync(false);
    }
    ~TConfirmationPause()
    {
        m_group.SetConfirmFileSync(m_confirm);
        m_group.SetModified(m_modified || m_changed);
    }
    void Changed() { m_changed = true; }

private:
    TVYRAProjectGroupItems &m_group;
    bool m_confirm;
    bool m_modified;
    bool m_changed = false;
};

} // namespace

TProjectFileBatch::TProjectFileBatch(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *target, TProgress progress)
    : m_group(group)
    , m_target(group.FindNextUpperFolder(target))
    , m_progress(std::move(progress))
{
}

QStringList TProjectFileBatch::FolderEntries(const QString &folder, bool recursive)
{
    QDir::Filters filter = QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    if (recursive)
        filter |= QDir::Dirs;
    QStringList entries;
    const QFileInfoList infos = QDir(folder).entryInfoList(filter, QDir::DirsFirst | QDir::Name);
    for (const QFileInfo &info : infos)
        entries.append(info.absoluteFilePath());
    return entries;
}

bool TProjectFileBatch::report(const QString &line)
{
    if (m_progress && !m_progress(m_done, m_total, line))
        m_stopped = true;
    return !m_stopped;
}

bool TProjectFileBatch::addOne(const QString &path, TVYRAProjectFileOperation operation)
{
    const QFileInfo info(path);
    const bool folder = info.isDir() && !info.isSymLink();
    const int index = folder ? m_group.AddFolder(path, m_target, operation, false)
                             : m_group.AddFile(path, m_target, operation, false);
    if (index < 0)
        m_errors.append(m_group.LastError().isEmpty()
                            ? QStringLiteral("\"%1\" konnte nicht in die Projektgruppe aufgenommen werden.")
                                  .arg(QDir::toNativeSeparators(path))
                            : m_group.LastError());
    ++m_done;
    return index >= 0;
}

void TProjectFileBatch::AddEntries(const QStringList &paths, TVYRAProjectFileOperation operation)
{
    m_total += int(paths.size());
    for (const QString &path : paths) {
        if (!report(QStringLiteral("\"%1\" wird hinzugefügt...").arg(QFileInfo(path).fileName())))
            return;
        addOne(path, operation);
    }
    report(QString());
}

void TProjectFileBatch::ImportFolders(const QList<TImportFolder> &folders)
{
    TConfirmationPause pause(m_group);
    QList<QStringList> entries;
    for (const TImportFolder &folder : folders) {
        if (!QFileInfo(folder.path).isDir()) {
            m_errors.append(QStringLiteral("Der Ordner \"%1\" konnte nicht importiert werden.")
                                .arg(QDir::toNativeSeparators(folder.path)));
            entries.append(QStringList());
            continue;
        }
        entries.append(FolderEntries(folder.path, folder.recursive));
        m_total += int(entries.last().size());
    }
    for (int i = 0; i < folders.size(); ++i) {
        const QString line = QStringLiteral("Ordner \"%1\" wird importiert...")
                                 .arg(QDir::toNativeSeparators(folders[i].path));
        const TVYRAProjectFileOperation operation = folders[i].deleteSources ? fotMove : fotCopy;
        for (const QString &path : entries[i]) {
            if (!report(line))
                return;
            addOne(path, operation);
            pause.Changed();
        }
    }
    report(QString());
}
