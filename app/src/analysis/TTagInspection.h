#pragma once

#include <QString>
#include <QStringList>

class TVYRAHTMLTagList;

// What an inspection found at the caret: the catalogue entry of the tag
// (its index, -1 for none), where the tag stands in the text and the
// attributes written in it ("name=value").
struct TTagInspection
{
    int TagIndex = -1;
    int TagStart = -1;  // 0-based offset of "<"
    int TagLength = -1; // from "<" to ">" inclusive
    QStringList Attributes;

    bool Found() const { return TagIndex >= 0; }
    // The value written for name (case-insensitive), or a null string.
    QString Value(const QString &name) const;

    // The tag at caret, looked up in tags; a name the catalogue lacks
    // gives no tag.
    static TTagInspection Inspect(const QString &text, int caret, const TVYRAHTMLTagList &tags);
};
