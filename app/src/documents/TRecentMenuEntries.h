#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of a recent-file menu.
struct TRecentMenuEntry {
    QString caption;      // "&1  /pfad/datei.php"
    QString fileName;
    bool separatorBefore = false; // before the fourth entry
};

// The entries of a recent-file menu for the list's names, most recent first.
QList<TRecentMenuEntry> RecentMenuEntries(const QStringList &fileNames);
