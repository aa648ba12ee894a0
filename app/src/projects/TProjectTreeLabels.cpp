#include "projects/TProjectTreeLabels.h"

#include "documents/TVYRADocument.h"
#include "mainwindow/TWindowListEntries.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "utils/FileUtils.h"

#include <QFileInfo>

namespace {

const QString NotFound = QStringLiteral("%1 (Datei nicht gefunden!)");

QString fileNameOf(const QString &path, const QString &fallback)
{
    const QString name = ExtractFileName(ToSlashes(path));
    return name.isEmpty() ? fallback : name;
}

} // namespace

bool TProjectTreeLabels::IsStartPage(const TVYRAProjectGroupItem &item)
{
    const auto *project = dynamic_cast<const TTalvexStudioProject *>(item.Owner());
    return project && project->StartPage() == &item;
}

bool TProjectTreeLabels::IsMissing(const TVYRAProjectGroupItem &item, const TVYRADocument *document)
{
    if (item.ItemType() != pitFile)
        return false;
    if (document)
        return !document->GetFileExists();
    return !QFileInfo(item.PhysicalFileName()).isFile();
}

QString TProjectTreeLabels::ItemLabel(const TVYRAProjectGroupItem &item, const TVYRADocument *document)
{
    if (item.ItemType() != pitFile)
        return item.GetName();
    QString label;
    if (document) {
        label = fileNameOf(document->GetFileName(), item.GetName());
        if (document->GetModified())
            label += QStringLiteral(" *");
        if (!document->GetFileExists())
            label = NotFound.arg(label);
    } else {
        label = fileNameOf(item.PhysicalFileName(), item.GetName());
        if (IsMissing(item, nullptr))
            label = NotFound.arg(label);
    }
    if (IsStartPage(item))
        label += QStringLiteral(" [Startseite]");
    return label;
}

QString TProjectTreeLabels::GroupLabel(const TVYRAProjectGroupItems &group)
{
    return TWindowListEntries::ProjectGroup(group.ProjectName(), group.FileName(), group.Modified(), false).caption;
}
