#pragma once

#include <QStringList>

// The pages of the settings dialog in the order of its navigation tree; a
// page's index is what callers pass to open the dialog on it.
class TSettingsPageList
{
public:
    enum TPage {
        Editor = 0,
        View,
        Behavior,
        FileTypes,
        MultiHighlighter,
        Snippets,
        Browser,
        Php,
        Completion,
        SystemIntegration,
        Advanced,
        PageCount
    };

    static const QStringList &Captions();
    // The sub-pages below "Editor".
    static const QStringList &EditorCaptions();
    // The page to show for a caller's index: out of range gives the first.
    static int Resolve(int index);
};
