#include "mainwindow/TWindowListEntries.h"

#include <QFileInfo>

namespace {

QString marked(const QString &caption, bool modified)
{
    return modified ? caption + QStringLiteral(" *") : caption;
}

} // namespace

TWindowListEntry TWindowListEntries::Document(const QString &fileName, bool hasFile, bool modified, bool tabIcons)
{
    TWindowListEntry entry;
    const QString name = QFileInfo(fileName).fileName();
    entry.caption = marked(name, modified);
    entry.hint = QStringLiteral("Zum Dokument \"%1\" wechseln.").arg(name);
    entry.showIcon = tabIcons;
    if (tabIcons && hasFile) {
        entry.hint = fileName;
        entry.iconFile = fileName;
    }
    return entry;
}

TWindowListEntry TWindowListEntries::ProjectGroup(const QString &name, const QString &fileName, bool modified,
                                                  bool tabIcons)
{
    TWindowListEntry entry;
    const QString shown = name.isEmpty() ? QFileInfo(fileName).completeBaseName() : name;
    entry.caption = marked(shown, modified);
    entry.hint = QStringLiteral("Zum Projekt \"%1\" wechseln").arg(shown);
    entry.showIcon = tabIcons;
    if (tabIcons)
        entry.iconFile = fileName.isEmpty() ? QStringLiteral("projekt.qpg") : fileName;
    return entry;
}

int TWindowListEntries::SelectedGroup(int groupCount, int currentEntry)
{
    if (groupCount <= 0)
        return -1;
    if (groupCount == 1)
        return 0;
    return currentEntry >= 0 && currentEntry < groupCount ? currentEntry : -1;
}
