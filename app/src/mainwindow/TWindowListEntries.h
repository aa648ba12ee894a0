#pragma once

#include <QString>

// One entry of the tool-bar lists "Dokumentliste" and "Projektliste".
struct TWindowListEntry
{
    QString caption;
    QString hint;
    bool showIcon = false;
    // The file whose type gives the icon; empty: the application icon.
    QString iconFile;

    bool operator==(const TWindowListEntry &) const = default;
};

// The texts of the two lists and the rule that picks the selected project
// group from them; no widgets, so that they can be tested on their own.
class TWindowListEntries
{
public:
    // fileName is the document's full name (a never-saved document has its
    // plain name); tabIcons is the view setting vcTabIcon.
    static TWindowListEntry Document(const QString &fileName, bool hasFile, bool modified, bool tabIcons);
    static TWindowListEntry ProjectGroup(const QString &name, const QString &fileName, bool modified,
                                         bool tabIcons);
    // None with no group, the only one with one, else the current entry of
    // "Projektliste" (-1 when there is none or it is out of range).
    static int SelectedGroup(int groupCount, int currentEntry);
};
