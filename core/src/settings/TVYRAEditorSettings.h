#pragma once

#include "settings/TVYRAPersistent.h"
#include "settings/VYRASettingsTypes.h"

// Options of the code editor.
class VYRA_EXPORT TVYRAEditorSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool SynAutoSaveHighlighter MEMBER SynAutoSaveHighlighter)
    Q_PROPERTY(bool SynGutterLeadingZeros MEMBER SynGutterLeadingZeros)
    Q_PROPERTY(bool SynHasGutterEditorFont MEMBER SynHasGutterEditorFont)
    Q_PROPERTY(bool SynLineNumberingFromZero MEMBER SynLineNumberingFromZero)
    Q_PROPERTY(bool SynKeepCaretX MEMBER SynKeepCaretX)
    Q_PROPERTY(bool SynTabsToSpaces MEMBER SynTabsToSpaces)
    Q_PROPERTY(int SynTabWidth MEMBER SynTabWidth)
    Q_PROPERTY(bool SynLineNumbering MEMBER SynLineNumbering)
    Q_PROPERTY(int SynSelectionMode MEMBER SynSelectionMode)
    Q_PROPERTY(bool SynMarkActiveLine MEMBER SynMarkActiveLine)
    Q_PROPERTY(int SynLineForeColor MEMBER SynLineForeColor)
    Q_PROPERTY(int SynLineBackColor MEMBER SynLineBackColor)
    Q_PROPERTY(int SynActiveLineColor MEMBER SynActiveLineColor)

public:
    using TVYRAPersistent::TVYRAPersistent;

    bool SynAutoSaveHighlighter = false;
    bool SynGutterLeadingZeros = false;
    bool SynHasGutterEditorFont = false;
    bool SynLineNumberingFromZero = false;
    bool SynKeepCaretX = false;
    bool SynTabsToSpaces = false;
    int SynTabWidth = 0;
    bool SynLineNumbering = false;
    int SynSelectionMode = 0; // 0: normal selection
    bool SynMarkActiveLine = false;
    TColor SynLineForeColor = 0; // text colour of the selection
    TColor SynLineBackColor = 0; // background of the selection
    TColor SynActiveLineColor = 0;
};
