#pragma once

#include "snippets/TSnippet.h"
#include "vyra_export.h"

#include <QString>
#include <memory>
#include <vector>

namespace pugi {
class xml_node;
}

// A named group of snippets with ordered child groups; the root group of the
// snippet file is named "maingroup". A group owns its children and snippets.
class VYRA_EXPORT TSnippetGroup
{
public:
    TSnippetGroup(QString name, TSnippetGroup *parent = nullptr);
    ~TSnippetGroup();
    TSnippetGroup(const TSnippetGroup &) = delete;
    TSnippetGroup &operator=(const TSnippetGroup &) = delete;

    QString Name;
    TSnippetGroup *Parent() const { return m_parent; }

    // Child groups. Out-of-range indexes give nullptr or change nothing.
    TSnippetGroup *GetGroup(int i) const;
    // Replaces child i (the old one is freed); the group takes ownership.
    void SetGroup(int i, std::unique_ptr<TSnippetGroup> group);
    int GetGroupCount() const { return int(m_groups.size()); }
    // Appends a child and makes this group its parent; returns it.
    TSnippetGroup *AddGroup(std::unique_ptr<TSnippetGroup> group);
    TSnippetGroup *AddGroup(const QString &name);
    void DeleteGroup(int i);
    // Ignores a group that is not a child of this one.
    void DeleteGroup(TSnippetGroup *group);
    int IndexOfGroup(const TSnippetGroup *group) const;

    // Snippets, in the same manner.
    TSnippet *GetSnippet(int i) const;
    void SetSnippet(int i, std::unique_ptr<TSnippet> snippet);
    int GetSnippetCount() const { return int(m_snippets.size()); }
    // Appends the snippet, sets its group and returns its index.
    int AddSnippet(std::unique_ptr<TSnippet> snippet);
    // Moves a snippet of another group here: -1 for nullptr or for a snippet
    // that no group holds (add those with AddSnippet); the snippet's index
    // here when it already belongs to this group; otherwise it leaves its
    // old group's list without being freed and is appended here.
    int AddSnipetAutoMove(TSnippet *snippet);
    void ExchangeSnippets(int i, int j);
    void DeleteSnippet(int i);
    void DeleteSnippet(TSnippet *snippet);
    int IndexOfSnippet(const TSnippet *snippet) const;

    // Writes the snippets, then the child groups, recursively, into node:
    // "snippet" elements with "name", "shortcut" when set and the code as
    // CDATA; "group" elements with "groupname".
    void SaveToXML(pugi::xml_node node) const;

private:
    std::unique_ptr<TSnippet> takeSnippet(TSnippet *snippet);

    TSnippetGroup *m_parent = nullptr;
    std::vector<std::unique_ptr<TSnippetGroup>> m_groups;
    std::vector<std::unique_ptr<TSnippet>> m_snippets;
};
