#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The stored form of "reload.xml": the project groups and documents open at
// the end of a run, root "reloads", one "project" element per group
// ("filename" = the group file or "|default|") with one "file" element per
// document ("filename", and "active"="True" for the active document).
// Knows no container; TReloadFile collects and applies.
class TReloadList
{
public:
    struct TDocumentEntry {
        QString fileName;
        bool active = false;
        bool operator==(const TDocumentEntry &) const = default;
    };
    struct TProjectEntry {
        QString fileName; // DefaultGroupName for the default group
        QList<TDocumentEntry> files;
        bool operator==(const TProjectEntry &) const = default;
        bool isDefault() const { return fileName == DefaultGroupName(); }
    };
    struct TReadResult {
        bool ok = true;      // false: damaged or another root; projects is empty then
        QString errorText;   // German, for the log
        QList<TProjectEntry> projects;
    };

    static const QString &DefaultGroupName(); // "|default|"
    static QByteArray Write(const QList<TProjectEntry> &projects);
    // Elements other than "project" and "file" and entries without a name are skipped.
    static TReadResult Read(const QByteArray &data);
    // Boolean text as stored: "True"/"False" in any case, or a number (0 = false); false when unreadable.
    static bool ReadBoolean(const QString &text);
};
