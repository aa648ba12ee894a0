#pragma once

#include "dialogs/TPropertiesModel.h"

#include <QObject>

class TMainForm;
class TSnippet;
class TSnippetsPanel;
class TVYRACore;
class TVYRADocument;

// Puts the window's small dialogs into it: the shortcut manager, the
// document properties, the template settings, the plug-in list, and the
// snippets with their quick-bar page and the snippet editor.
class TDialogsFeature : public QObject
{
    Q_OBJECT
public:
    TDialogsFeature(TVYRACore &core, TMainForm &window);
    ~TDialogsFeature() override;

    // The properties of a document of the container (also for the project manager).
    void ShowProperties(TVYRADocument *document, TPropertiesModel::TMode mode = TPropertiesModel::pmFile);
    TSnippetsPanel *SnippetsPanel() const { return m_snippets; }
    // Inserts the snippet at the caret of the active document.
    void InsertSnippet(const TSnippet *snippet);

private:
    void registerCommands();
    void showShortcutManager();
    void showTemplateSettings();
    void showPlugins();
    void createSnippetFromSelection();

    TVYRACore &m_core;
    TMainForm &m_window;
    TSnippetsPanel *m_snippets = nullptr;
};
