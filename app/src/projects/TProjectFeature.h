#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class TDocumentCommands;
class TFileDialogs;
class TMainForm;
class TProjectAssist;
class TProjectCommands;
class TProjectTreePanel;
class TProjectUpgradeHandler;
class TVYRACore;

// Puts projects into the main window: the "Projektverwaltung" page with the
// project tree, the project commands, the project assistant behind
// "Neues Projekt..." and the upgrade of older project-group files when they
// are opened. It answers the core's project questions and keeps the tree
// in step with the window's and the core's project events.
class TProjectFeature : public QObject
{
    Q_OBJECT
public:
    TProjectFeature(TVYRACore &core, TMainForm &window, TDocumentCommands &documents, TFileDialogs &dialogs);
    ~TProjectFeature() override;

    TProjectTreePanel *Tree() const { return m_tree; }
    TProjectCommands &Commands() const { return *m_commands; }
    // Runs the project assistant; the new project becomes the selected group.
    void RunAssistant();
    // Rebuilds the tree now.
    void Refresh();
    // Replaces the upgrade question (tests answer it without a dialog).
    void SetUpgradeQuestion(std::function<bool(const QString &fileName)> ask);

private:
    void hearWindow();
    void answerCoreEvents();
    void scheduleRefresh();

    TVYRACore &m_core;
    TMainForm &m_window;
    TProjectTreePanel *const m_tree;
    std::unique_ptr<TProjectCommands> m_commands;
    std::unique_ptr<TProjectUpgradeHandler> m_upgrade;
    QTimer m_refreshTimer;
};
