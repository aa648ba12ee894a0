#pragma once

#include "orvane_export.h"
#include "settings/TTalvexStudioAdvancedSettings.h"
#include "settings/TTalvexStudioBrowserSettings.h"
#include "settings/TTalvexStudioCompletionSettings.h"
#include "settings/TTalvexStudioDefaultEditor.h"
#include "settings/TTalvexStudioDockSettings.h"
#include "settings/TTalvexStudioEditorSettings.h"
#include "settings/TTalvexStudioPHPSettings.h"
#include "settings/TTalvexStudioSearchSettings.h"
#include "settings/TTalvexStudioShortcutSettings.h"
#include "settings/TTalvexStudioToolbarSettings.h"
#include "settings/TTalvexStudioViewSettings.h"
#include "settings/TVYRASettings.h"

// The settings of the editor program, stored under the document element
// "talvexstudiosettings" of the same settings file. The cipher and user-text
// groups of the framework are kept out of the file.
class ORVANE_EXPORT TTalvexStudioSettings : public TVYRASettings
{
    Q_OBJECT
    Q_PROPERTY(TTalvexStudioViewSettings *View READ View)
    Q_PROPERTY(TTalvexStudioSearchSettings *Search READ Search)
    Q_PROPERTY(TTalvexStudioDockSettings *Docks READ Docks)
    Q_PROPERTY(TTalvexStudioPHPSettings *PHP READ PHP)
    Q_PROPERTY(TTalvexStudioBrowserSettings *Browsers READ Browsers)
    Q_PROPERTY(TTalvexStudioToolbarSettings *Toolbars READ Toolbars)
    Q_PROPERTY(QStringList FontGroups MEMBER FontGroups)
    Q_PROPERTY(TTalvexStudioShortcutSettings *CustomShortcuts READ CustomShortcuts)
    Q_PROPERTY(TTalvexStudioCompletionSettings *Completion READ Completion)
    Q_PROPERTY(TVYRACiphersettings *CipherSettings READ CipherSettings STORED false)
    Q_PROPERTY(TVYRAUserText *UserDefinedText READ UserDefinedText STORED false)

public:
    TTalvexStudioSettings(const QString &fileName, bool initNow, QObject *parent = nullptr);
    ~TTalvexStudioSettings() override;

    static TSettingsFactory factory();

    void InitialiseClasses() override;
    void SetDefaultSettings() override;
    void ResetDefaultSettings() override;
    void ClearCollections();
    // The default dock items and tool bars, through the keyed setters.
    void SetCollectionDefaultSettings();

    TTalvexStudioViewSettings *View() const { return m_view; }
    TTalvexStudioSearchSettings *Search() const { return m_search; }
    TTalvexStudioDockSettings *Docks() const { return m_docks; }
    TTalvexStudioPHPSettings *PHP() const { return m_php; }
    TTalvexStudioBrowserSettings *Browsers() const { return m_browsers; }
    TTalvexStudioToolbarSettings *Toolbars() const { return m_toolbars; }
    TTalvexStudioShortcutSettings *CustomShortcuts() const { return m_customShortcuts; }
    TTalvexStudioCompletionSettings *Completion() const { return m_completion; }
    // The framework groups, replaced by the studio's classes.
    TTalvexStudioDefaultEditor *DefaultEditor() const;
    TTalvexStudioEditorSettings *Editor() const;
    TTalvexStudioAdvancedSettings *Advanced() const;

    QStringList FontGroups;

protected:
    // Empties the collections once the file is known to hold these settings.
    void PrepareLoad() override;

private:
    TTalvexStudioViewSettings *m_view = nullptr;
    TTalvexStudioSearchSettings *m_search = nullptr;
    TTalvexStudioDockSettings *m_docks = nullptr;
    TTalvexStudioPHPSettings *m_php = nullptr;
    TTalvexStudioBrowserSettings *m_browsers = nullptr;
    TTalvexStudioToolbarSettings *m_toolbars = nullptr;
    TTalvexStudioShortcutSettings *m_customShortcuts = nullptr;
    TTalvexStudioCompletionSettings *m_completion = nullptr;
};
