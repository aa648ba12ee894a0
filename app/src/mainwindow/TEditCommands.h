#pragma once

#include "commands/TCommandController.h"
#include "mainwindow/TActiveEditor.h"

// The clipboard, undo, select-all and go-to-line commands on the active
// document's editor, code or rich text alike (through the editor facade).
class TEditCommands : public TCommandController
{
public:
    explicit TEditCommands(TActiveEditor activeEditor);
    void Register(TActionRegistry &registry) override;

    // Asks for a line number ("Gehe zu...") and moves the caret there; any
    // other answer than a positive number is ignored.
    void GotoLine();

private:
    void onEditor(void (*command)(TVYRAEditor &));

    TActiveEditor m_activeEditor;
};
