#pragma once

#include "settings/TSettingsPage.h"

#include <QHash>

class QTreeWidget;
class TIHighlighter;
class TVYRAExtensionGroup;

// "Dateitypen anpassen": the highlighter each file type opens with, and the
// way to the dialog for the user's own file types.
class TFileTypesPage : public TSettingsPage
{
    Q_OBJECT
public:
    TFileTypesPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    QTreeWidget *Tree() const { return m_tree; }
    // The highlighter chosen for group (applied on Apply).
    void ChooseHighlighter(TVYRAExtensionGroup *group, TIHighlighter *highlighter);

private:
    void customize();

    QTreeWidget *const m_tree;
    QHash<TVYRAExtensionGroup *, TIHighlighter *> m_chosen;
};
