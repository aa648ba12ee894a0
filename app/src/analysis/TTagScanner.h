#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Finds the HTML tag around a caret and reads its attributes. Pure text
// functions: every index is bounded by the text, so a caret at the end of
// the text or beyond it finds nothing instead of reading past the end.
class TTagScanner
{
public:
    struct TTagSpan
    {
        int Open = -1;  // 0-based offset of "<", -1 when none
        int Close = -1; // 0-based offset of ">", -1 when none
        QString Name;   // lower case, as written after "<"
        int NameEnd = -1;
        bool IsValid() const { return Open >= 0 && Close > Open && !Name.isEmpty(); }
    };

    // One attribute as written: [Start, End) covers the name, the "=" and
    // the value with its quotes.
    struct TAttributeSpan
    {
        QString Name;
        QString Value; // quotes removed, "&quot;" read as a quote
        bool HasValue = false;
        int Start = 0;
        int End = 0;
    };

    // The tag whose "<" lies at or before caret and whose ">" lies at or
    // after it. A ">" right at the caret belongs to the tag it closes; one
    // before the caret means the caret stands between two tags.
    static TTagSpan FindTag(QStringView text, int caret);
    // Every attribute of the text behind a tag name, in order; a quoted
    // value hides what looks like attributes inside it.
    static QList<TAttributeSpan> ScanAttributes(QStringView attributeText);
    // The attributes written with "=", as "name=value"; attributes without
    // a value give nothing.
    static QStringList ParseAttributes(QStringView attributeText);
    // True for a character that ends a tag name.
    static bool EndsName(QChar c);
    static bool IsBlank(QChar c);
};
