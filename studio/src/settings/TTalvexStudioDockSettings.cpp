#include "settings/TTalvexStudioDockSettings.h"

TTalvexStudioDockSettings::TTalvexStudioDockSettings(QObject *parent)
    : TVYRAPersistent(parent),
      m_leftQuickbar(new TTalvexStudioBarElement(this)),
      m_bottomQuickbar(new TTalvexStudioBarElement(this)),
      m_rightQuickbar(new TTalvexStudioBarElement(this)),
      m_dockItems(new TTalvexStudioDockItems),
      m_webpaletteSettings(new TTalvexStudioCategoryButtonSettings),
      m_codeSnippetSettings(new TTalvexStudioCategoryButtonSettings),
      m_fileExplorerSettings(new TTalvexStudioFileExplorerSettings(this))
{
    m_dockItems->setParent(this);
    m_webpaletteSettings->setParent(this);
    m_codeSnippetSettings->setParent(this);
}
