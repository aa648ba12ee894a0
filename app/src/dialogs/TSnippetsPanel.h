#pragma once

#include <QTreeWidget>

class TSnippet;
class TSnippetGroup;
class TSnippets;

// The quick-bar page "Code-Snippets": the snippet tree, groups with their
// snippets below them; a double click on a snippet asks for its insertion.
class TSnippetsPanel : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TSnippetsPanel(TSnippets &store, QWidget *parent = nullptr);

    // Builds the tree again from the store.
    void Refresh();
    TSnippet *SelectedSnippet() const;
    // The selected group, or the group of the selected snippet; none at the top.
    TSnippetGroup *SelectedGroup() const;

signals:
    void snippetChosen(TSnippet *snippet);

private:
    void addGroup(QTreeWidgetItem *parent, const TSnippetGroup &group);

    TSnippets &m_store;
};
