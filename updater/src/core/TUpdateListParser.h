#pragma once

#include "TUpdateFile.h"

#include <QByteArray>
#include <vector>

// The update list: any root element whose children are read in order.
// "remotepath" sets the URL prefix of the "fileinf" entries after it; other
// elements are ignored. A "fileinf" whose file name could leave its folder
// (a path separator, ":" or "..") makes the whole list invalid.
struct TUpdateList {
    std::vector<TUpdateFile> entries;
    QString error; // German; empty when the list was read
    bool ok() const { return error.isEmpty(); }
};

class TUpdateListParser
{
public:
    static TUpdateList Parse(const QByteArray &xml);
    // True for "True" and "1" (any letter case), false for everything else.
    static bool ParseBoolean(const QString &text);
    // A plain file name: not empty, no "/", "\", ":" and no "..".
    static bool IsPlainFileName(const QString &name);
};
