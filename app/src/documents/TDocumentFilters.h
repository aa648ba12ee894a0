#pragma once

#include <QList>
#include <QString>

class TVYRAExtensions;

// The filters of the document dialogs, built from the file-type list. A
// filter is kept in the stored form "Name|patterns|Name|patterns"; an entry
// is one name with its pattern list ("*.php;*.php3").
class TDocumentFilters
{
public:
    struct TEntry {
        QString name;
        QString patterns;
    };

    // "Alle unterstützten Formate|<every pattern>|<one entry per type>Alle Dateien (*.*)|*.*"
    static QString OpenFilter(const TVYRAExtensions *extensions);
    // The types' entries and "Alle Dateien (*.*)|*.*", without the entries of
    // project groups (projectPattern, e.g. "*.qpg") and pictures ("*.jpg").
    static QString SaveFilter(const TVYRAExtensions *extensions, const QString &projectPattern);
    // The entry of the type that holds pattern, or a bare entry for the pattern.
    static QString FilterFor(const TVYRAExtensions *extensions, const QString &pattern, const QString &name);
    // 1-based position of the first entry whose patterns match the file
    // name (masks as the file dialogs know them); -1 when none does.
    static int FilterIndex(const QString &filter, const QString &fileName);

    static QList<TEntry> Entries(const QString &filter);
    static QString Join(const QList<TEntry> &entries);
};
