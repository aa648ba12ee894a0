#pragma once

#include "phpcheck/TPHPCheckRunner.h"
#include "phpcheck/TPrivateFolder.h"

#include <QObject>
#include <optional>

class QDockWidget;
class TMainForm;
class TPHPMessageModel;
class TPHPMessagesPanel;
class TVYRACore;
class TVYRADocument;

// "PHP Fehlerprüfung" (F9, runs the script) and "PHP Syntaxprüfung" (lint)
// on the active document with the interpreter of the PHP settings, the
// quick-bar page "PHP Meldungen" with their rows, and the jump from a row
// to its file and line.
class TPHPCheckFeature : public QObject
{
    Q_OBJECT
public:
    TPHPCheckFeature(TVYRACore &core, TMainForm &window);
    ~TPHPCheckFeature() override;

    // Checks document (its file or its editor text) and fills the rows; the
    // run's result, or nullopt when no interpreter is there (the user was told).
    std::optional<TPHPCheckResult> Check(TVYRADocument *document, bool runScript);
    // Opens the row's file at its line; false when the row has no position
    // or the file is gone (the user was told).
    bool Jump(int row);
    // Brings "PHP Meldungen" up with its first row selected, and jumps to it.
    void PresentMessages();

    TPHPMessageModel &Model() const { return *m_model; }
    TPHPMessagesPanel *Panel() const { return m_panel; }
    TPrivateFolder &PrivateFiles() { return m_private; }
    // The interpreter of the settings ("/usr/bin/php" when none is set).
    QString Interpreter() const;
    // The editor's text of an open document.
    QString EditorText(TVYRADocument *document) const;

    static constexpr int TimeLimitMs = 20000;

private:
    void runCommand(bool runScript);
    void moveToLine(TVYRADocument *document, int line);

    TVYRACore &m_core;
    TMainForm &m_window;
    TPrivateFolder m_private;
    TPHPMessageModel *const m_model;
    TPHPMessagesPanel *const m_panel;
    QDockWidget *m_dock = nullptr;
};
