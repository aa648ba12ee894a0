#pragma once

#include "utils/TOperationResult.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The list of recently opened files, most recent first, kept in
// "recent.xml" as the elements item0, item1 ... below the root "recent".
// File names are compared exactly: on Linux "a.php" and "A.php" are two files.
class VYRA_EXPORT TVYRAMRUList
{
public:
    // Called after a name was put into the list: the list, the name and
    // whether the name was new.
    using TChangeHandler = std::function<void(TVYRAMRUList &list, const QString &fileName, bool isNew)>;

    // Loads the file at once (see ReLoadFromXML).
    explicit TVYRAMRUList(const QString &fileName);

    QString FileName() const { return m_fileName; }
    const QStringList &Items() const { return m_items; }
    int GetCount() const { return int(m_items.size()); }
    int MaxCount() const { return m_maxCount; }
    // Takes effect at the next ExpandList or save; values below 1 count as 1.
    void SetMaxCount(int maxCount);
    void SetOnChange(TChangeHandler handler) { m_onChange = std::move(handler); }

    // Puts the name in front: a new name is inserted there, a known one
    // changes places with the first entry. Then the oldest entries beyond
    // MaxCount go, the change handler is told and the list is saved; the
    // result is the save's. An empty name changes nothing.
    TOperationResult ExpandList(const QString &fileName);
    // Empties the list in memory; the file changes at the next save.
    void ClearList() { m_items.clear(); }
    // Writes at most MaxCount names, creating a missing file. A file whose
    // root is not "recent" or that cannot be parsed is left as it is, and
    // the result says so.
    TOperationResult SaveToXML() const;
    // Reads the file again: a missing file or one with another root gives an
    // empty list; a file the XML parser refuses raises EInvalidVYRAFormat.
    void ReLoadFromXML();
    // The same from bytes already read.
    void LoadFromData(const QByteArray &data);

private:
    QString m_fileName;
    QStringList m_items;
    int m_maxCount = 10;
    TChangeHandler m_onChange;
};
