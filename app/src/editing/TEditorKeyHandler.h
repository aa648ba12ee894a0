#pragma once

#include "mainwindow/TActiveEditor.h"
#include "settings/StudioSettingsTypes.h"

#include <QObject>
#include <functional>

class QKeyEvent;
class TCodeEditor;
class TSnippetGroup;

// What the editor does with keys typed in a code editor before the control
// sees them: an enabled opening character brings its closing partner, and
// Tab after a snippet's short text puts the snippet in its place. It also
// takes the error-line mark away once the caret leaves that line.
class TEditorKeyHandler : public QObject
{
    Q_OBJECT
public:
    struct TSettings {
        std::function<TCharCompletionTypes()> closingKinds;
        std::function<bool()> quickTemplates;
        std::function<const TSnippetGroup *()> snippets;
    };

    TEditorKeyHandler(TActiveEditor activeEditor, TSettings settings, QObject *parent = nullptr);

    // Hears the editor's keys from now on; a second call does nothing.
    void Attach(TCodeEditor *editor);
    // True when the key was used up (a snippet replaced its short text).
    bool KeyDown(TCodeEditor &editor, const QKeyEvent &key);

private:
    bool typedOpening(TCodeEditor &editor, QChar typed);
    bool expandSnippet(TCodeEditor &editor);

    TActiveEditor m_activeEditor;
    TSettings m_settings;
};
