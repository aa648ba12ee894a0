#pragma once

#include "settings/TVYRAPersistent.h"

// Which editor new documents get, their fonts and default highlighter.
class VYRA_EXPORT TVYRADefaultEditorSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool EditorMode MEMBER EditorMode)
    Q_PROPERTY(QString DefaultHighlighter MEMBER DefaultHighlighter)
    Q_PROPERTY(QString RichEditorDefaultFont MEMBER RichEditorDefaultFont)
    Q_PROPERTY(int RichEditorDefaultFontSize MEMBER RichEditorDefaultFontSize)
    Q_PROPERTY(QString CodeEditorDefaultFont MEMBER CodeEditorDefaultFont)
    Q_PROPERTY(int CodeEditorDefaultFontSize MEMBER CodeEditorDefaultFontSize)
    Q_PROPERTY(bool RTFMode MEMBER RTFMode)

public:
    using TVYRAPersistent::TVYRAPersistent;

    bool EditorMode = false; // true: code editor, false: rich editor
    QString DefaultHighlighter;
    QString RichEditorDefaultFont;
    int RichEditorDefaultFontSize = 0;
    QString CodeEditorDefaultFont;
    int CodeEditorDefaultFontSize = 0;
    bool RTFMode = false;
};
