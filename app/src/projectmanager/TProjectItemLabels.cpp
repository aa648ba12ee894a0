#include "projectmanager/TProjectItemLabels.h"

#include "documents/TVYRADocument.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "utils/FileUtils.h"

#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>

namespace {

const QString NotFound = QStringLiteral("%1 (Datei nicht gefunden!)");

QString fileNameOf(const TVYRAProjectGroupItem &item)
{
    if (!item.ItemName().isEmpty())
        return item.ItemName();
    return ExtractFileName(item.PhysicalFileName());
}

} // namespace

QString TProjectItemLabels::DiskPath(const TVYRAProjectGroupItem &item)
{
    TVYRAProjectGroupItems *group = item.Owner();
    if (item.ItemType() == pitFolder)
        return group ? group->FolderDirectory(&item) : IncludeTrailingPathDelimiter(item.PhysicalFileName());
    return group ? group->AbsolutePath(item.PhysicalFileName()) : item.PhysicalFileName();
}

bool TProjectItemLabels::IsPresent(const TVYRAProjectGroupItem &item, const TVYRADocument *document)
{
    if (document)
        return document->GetFileExists();
    const QString path = DiskPath(item);
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString TProjectItemLabels::Name(const TVYRAProjectGroupItem &item, const TVYRADocument *document,
                                 bool isStartPage)
{
    return Name(item, document, isStartPage, document || item.ItemType() == pitFolder || IsPresent(item, nullptr));
}

QString TProjectItemLabels::Name(const TVYRAProjectGroupItem &item, const TVYRADocument *document,
                                 bool isStartPage, bool fileExists)
{
    if (item.ItemType() == pitFolder)
        return item.ItemName();
    QString name = fileNameOf(item);
    if (document) {
        if (document->GetModified())
            name += QStringLiteral(" *");
        if (!document->GetFileExists())
            name = NotFound.arg(name);
    } else if (!fileExists) {
        name = NotFound.arg(name);
    }
    if (isStartPage)
        name += QStringLiteral(" [Startseite]");
    return name;
}

QString TProjectItemLabels::Path(const TVYRAProjectGroupItem &item)
{
    return Path(item, DiskPath(item));
}

QString TProjectItemLabels::Path(const TVYRAProjectGroupItem &item, const QString &path)
{
    QString folder = item.ItemType() == pitFolder ? path : ExtractFilePath(path);
    const TVYRAProjectGroupItems *group = item.Owner();
    const QString fileFolder = group ? group->FileFolder() : QString();
    if (!fileFolder.isEmpty() && IncludeTrailingPathDelimiter(folder).startsWith(fileFolder))
        folder = IncludeTrailingPathDelimiter(folder).mid(fileFolder.size());
    folder = folder == QStringLiteral("/") ? folder : ExcludeTrailingPathDelimiter(folder);
    if (folder.isEmpty() && item.ItemType() != pitFolder)
        return QStringLiteral("(kein)");
    return folder;
}

QString TProjectItemLabels::Changed(const QDateTime &changed)
{
    return changed.isValid() ? changed.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QString();
}

QString TProjectItemLabels::Size(const TVYRAProjectGroupItem &item)
{
    return item.ItemType() == pitFolder ? QString() : FileSize(QFileInfo(DiskPath(item)));
}

QString TProjectItemLabels::FileSize(const QFileInfo &info)
{
    return info.isFile() ? FormatDiskSpace(info.size()) : QString();
}

QString TProjectItemLabels::TypeName(const TVYRAProjectGroupItem &item)
{
    if (item.ItemType() == pitFolder)
        return QStringLiteral("Dateiordner");
    return FileTypeName(DiskPath(item));
}

QString TProjectItemLabels::FileTypeName(const QString &path)
{
    // By extension, as the desktop names types in its file lists: reading every
    // file's content would make a large project slow to show. Main thread only.
    static const QMimeDatabase database;
    static QHash<QString, QString> bySuffix;
    const QString suffix = QFileInfo(path).suffix().toLower();
    auto found = bySuffix.constFind(suffix);
    if (found == bySuffix.constEnd())
        found = bySuffix.insert(suffix, database.mimeTypeForFile(path, QMimeDatabase::MatchExtension).comment());
    return *found;
}

QString TProjectItemLabels::WindowCaption(const TVYRAProjectGroupItems *group)
{
    if (!group)
        return QStringLiteral("Talvex Studio - Projektmanager");
    return QStringLiteral("Talvex Studio - Projektmanager (%1) - %2 Datei(en)")
        .arg(group->ProjectName())
        .arg(group->GetFileCount());
}

QString TProjectItemLabels::TreeHeader(const TVYRAProjectGroupItems *group)
{
    const int files = group ? group->GetFileCount() : 0;
    const int folders = group ? group->GetFolderCount() : 0;
    const int all = group ? group->Root()->GetTotalCount() : 0;
    return QStringLiteral("%1 Datei(en), %2 Ordner - %3 Element(e) insgesamt in Projektgruppe:")
        .arg(files)
        .arg(folders)
        .arg(all);
}
