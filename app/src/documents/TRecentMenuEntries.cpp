#include "documents/TRecentMenuEntries.h"

#include <QDir>

QList<TRecentMenuEntry> RecentMenuEntries(const QStringList &fileNames)
{
    QList<TRecentMenuEntry> entries;
    for (int i = 0; i < fileNames.size(); ++i) {
        TRecentMenuEntry entry;
        entry.caption = QStringLiteral("&%1  %2").arg(i + 1).arg(QDir::toNativeSeparators(fileNames[i]));
        entry.fileName = fileNames[i];
        entry.separatorBefore = i == 3;
        entries.append(entry);
    }
    return entries;
}
