#pragma once

#include <QList>
#include <QString>

class TSnippetGroup;
class TSnippets;

// The snippet groups a new snippet can go into, depth first, each shown with
// the names of its parents before it ("Parent -> Child"). A store without
// any group offers "Snippets", which is created only when the snippet is
// added.
class TSnippetGroupChoice
{
public:
    struct TEntry {
        QString caption;
        TSnippetGroup *group = nullptr; // nullptr: "Snippets", not created yet
    };

    explicit TSnippetGroupChoice(TSnippets &store);

    const QList<TEntry> &Entries() const { return m_entries; }
    // The entry of the group, else 0.
    int IndexOf(const TSnippetGroup *group) const;

    // Adds the snippet to the entry's group (creating "Snippets" first when
    // needed) and saves the store. A failed save is reported naming the file,
    // and the store is left as it was; false then.
    bool AddSnippet(int entry, const QString &name, const QString &text, const QString &shortText);

private:
    void collect(TSnippetGroup &group, const QString &prefix);

    TSnippets &m_store;
    QList<TEntry> m_entries;
};
