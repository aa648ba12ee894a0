#pragma once

#include "lintara_export.h"

#include <QList>
#include <QString>

class TPHPSource;

// The entities of a PHP model as a flat list in offset order, the form the
// outline tool prints: kind is one of class, interface, trait, enum,
// function, method, constant, define, include, variable.
class LINTARA_EXPORT TPHPOutline
{
public:
    struct TEntry
    {
        QString Kind;
        QString Name;
        QString Owner; // the enclosing class-like entity, empty for none
        int Line = 0;  // 1-based
        int32_t Offset = -1;
    };

    static QList<TEntry> Build(const TPHPSource &source);
    // 1-based line of offset; "\n", "\r\n" and a lone "\r" end a line.
    static int LineOf(const QList<int32_t> &lineEnds, int32_t offset);
    static QList<int32_t> LineEnds(const QString &text);
};
