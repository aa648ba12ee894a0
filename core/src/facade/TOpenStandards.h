#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QList>
#include <QString>

// "openstandards.xml" in the user's data folder: per file extension the
// editor mode and highlighter that win over the file-type registry.
class VYRA_EXPORT TOpenStandards
{
public:
    struct TEntry {
        QString name; // lower-case extension with dot: ".php"
        bool editorMode = false;
        QString highlighter; // short or long name
    };

    // A missing file or another root gives no entries; a damaged file raises EInvalidVYRAFormat.
    static TOpenStandards Load(const QString &fileName);
    static TOpenStandards Parse(const QByteArray &data);

    // The first entry for an extension (compared in lower case); nullptr when none.
    const TEntry *Find(const QString &extension) const;
    const QList<TEntry> &Entries() const { return m_entries; }

private:
    QList<TEntry> m_entries;
};
