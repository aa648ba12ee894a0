#pragma once

#include "orvane_export.h"

#include <QString>
#include <QStringList>
#include <atomic>

// The files of a folder that a folder search reads: regular files whose
// name matches one of the ";"-separated masks (case-insensitive, "*" and
// "?"), with the subfolders' files when recursive. Names are taken in
// alphabetical order, a folder's subfolders where they fall in that order.
// Symbolic links are not followed (as `grep -r` does not), so no link can
// lead the walk in a circle; FIFOs, sockets and devices are left out.
class ORVANE_EXPORT TFolderFileLister
{
public:
    TFolderFileLister(const QString &masks, bool recursive);

    // Stops early (with what was found so far) once cancel is set.
    QStringList List(const QString &folder, const std::atomic_bool *cancel = nullptr) const;
    bool Matches(const QString &fileName) const;

private:
    void listInto(const QString &folder, QStringList &out, const std::atomic_bool *cancel) const;

    QStringList m_masks;
    bool m_recursive;
};
