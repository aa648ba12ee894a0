#pragma once

#include <QString>
#include <QtGlobal>

// One character of the character table: its Unicode code point and the named
// character reference the editor inserts for it ("&nbsp;").
struct TSpecialCharacter {
    quint32 Code = 0;
    QString Entity;

    // The character itself.
    QString Character() const
    {
        const char32_t code = char32_t(Code);
        return QString::fromUcs4(&code, 1);
    }
};
