#pragma once

#include <QObject>
#include <memory>

class QDockWidget;
class TCodeBrowserController;
class TCodeBrowserPanel;
class TMainForm;
class TTagInspectorController;
class TTagInspectorPanel;
class TVYRACore;

// Puts the views of the document structure into the main window: the
// "Code-Browser" page with the procedure list and the "Tag-Inspektor" page.
// Hears the window's document signals and registers the code browser
// commands. Background analyses are waited for when it goes.
class TStructureFeature : public QObject
{
    Q_OBJECT
public:
    TStructureFeature(TVYRACore &core, TMainForm &window);
    ~TStructureFeature() override;

    TCodeBrowserController &CodeBrowser() const { return *m_codeBrowser; }
    TTagInspectorController &TagInspector() const { return *m_tagInspector; }
    TCodeBrowserPanel *CodeBrowserPanel() const { return m_browserPanel; }
    TTagInspectorPanel *TagInspectorPanel() const { return m_tagPanel; }

    static QString TagListFileName(const TVYRACore &core);

private:
    void hearWindow();

    TVYRACore &m_core;
    TMainForm &m_window;
    TCodeBrowserPanel *const m_browserPanel;
    TTagInspectorPanel *const m_tagPanel;
    QDockWidget *m_browserDock = nullptr;
    QDockWidget *m_tagDock = nullptr;
    std::unique_ptr<TCodeBrowserController> m_codeBrowser;
    std::unique_ptr<TTagInspectorController> m_tagInspector;
};
