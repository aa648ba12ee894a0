#pragma once

#include "settings/TTalvexStudioBarElement.h"
#include "settings/TTalvexStudioCategoryButtonSettings.h"
#include "settings/TTalvexStudioDockItems.h"
#include "settings/TTalvexStudioFileExplorerSettings.h"

// The quick bars, the docking panels and the panels' own settings.
class ORVANE_EXPORT TTalvexStudioDockSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(TTalvexStudioBarElement *LeftQuickbar READ LeftQuickbar)
    Q_PROPERTY(TTalvexStudioBarElement *BottomQuickbar READ BottomQuickbar)
    Q_PROPERTY(TTalvexStudioBarElement *RightQuickbar READ RightQuickbar)
    Q_PROPERTY(TTalvexStudioDockItems *DockItems READ DockItems)
    Q_PROPERTY(TTalvexStudioCategoryButtonSettings *WebpaletteSettings READ WebpaletteSettings)
    Q_PROPERTY(TTalvexStudioCategoryButtonSettings *CodeSnippetSettings READ CodeSnippetSettings)
    Q_PROPERTY(TTalvexStudioFileExplorerSettings *FileExplorerSettings READ FileExplorerSettings)

public:
    explicit TTalvexStudioDockSettings(QObject *parent = nullptr);

    TTalvexStudioBarElement *LeftQuickbar() const { return m_leftQuickbar; }
    TTalvexStudioBarElement *BottomQuickbar() const { return m_bottomQuickbar; }
    TTalvexStudioBarElement *RightQuickbar() const { return m_rightQuickbar; }
    TTalvexStudioDockItems *DockItems() const { return m_dockItems; }
    TTalvexStudioCategoryButtonSettings *WebpaletteSettings() const { return m_webpaletteSettings; }
    TTalvexStudioCategoryButtonSettings *CodeSnippetSettings() const { return m_codeSnippetSettings; }
    TTalvexStudioFileExplorerSettings *FileExplorerSettings() const { return m_fileExplorerSettings; }

private:
    TTalvexStudioBarElement *const m_leftQuickbar;
    TTalvexStudioBarElement *const m_bottomQuickbar;
    TTalvexStudioBarElement *const m_rightQuickbar;
    TTalvexStudioDockItems *const m_dockItems;
    TTalvexStudioCategoryButtonSettings *const m_webpaletteSettings;
    TTalvexStudioCategoryButtonSettings *const m_codeSnippetSettings;
    TTalvexStudioFileExplorerSettings *const m_fileExplorerSettings;
};
