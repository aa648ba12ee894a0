#pragma once

#include <QString>
#include <QStringList>

// The editors the property grid offers for a value.
enum class TPropertyKind { pkText, pkList, pkBoolean, pkColor };

// One row of the property grid: a named value and how it is edited. A
// Boolean value is its TrueText when true and empty when false.
struct TPropertyGridItem
{
    QString Name;
    TPropertyKind Kind = TPropertyKind::pkText;
    QString Value;
    QStringList Choices; // of a list item
    QString TrueText;    // of a Boolean item
    QString Hint;
};
