#pragma once

#include <QString>

// One row of the procedure list: copies of what it shows, so that a row
// outlives the model it was filled from.
struct TProcedureListEntry
{
    QString Name;
    QString ClassName; // empty for a global function
    int Offset = -1;
    int Line = 0;   // 1-based
    int Column = 0; // 1-based

    static const QString NoClassText;
    QString ClassCaption() const { return ClassName.isEmpty() ? NoClassText : ClassName; }
    QString PositionCaption() const { return QStringLiteral("%1:%2").arg(Line).arg(Column); }
};
