#pragma once

#include "settings/TSettingsPage.h"

class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TSnippet;
class TSnippetGroup;

// "Code-Snippets": the snippet groups and their snippets, edited in the
// core's snippet store; the dialog writes "snippets.xml" on Apply, and an
// opening after Cancel reads the file again.
class TSnippetsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TSnippetsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    QTreeWidget *Tree() const { return m_tree; }
    QLineEdit *NameEdit() const { return m_name; }
    QPlainTextEdit *CodeEdit() const { return m_code; }

    // The group shown selected (or holding the selected snippet); the root without one.
    TSnippetGroup *CurrentGroup() const;
    TSnippet *CurrentSnippet() const;

private:
    void fill(QTreeWidgetItem *parent, TSnippetGroup &group);
    void showSelected();
    void takeEdits();
    void newGroup();
    void newSnippet();
    void remove();

    QTreeWidget *const m_tree;
    QLineEdit *const m_name;
    QPlainTextEdit *const m_code;
    QLineEdit *const m_shortcut;
    bool m_showing = false;
};
