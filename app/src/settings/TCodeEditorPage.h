#pragma once

#include "settings/TSettingsPage.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class TColorButton;

// "Editor" / "Code-Editor Einstellungen": line numbers, selection, active
// line, caret, tabs and bracket pairs.
class TCodeEditorPage : public TSettingsPage
{
    Q_OBJECT
public:
    TCodeEditorPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    QSpinBox *TabWidthBox() const { return m_tabWidth; }

private:
    QCheckBox *const m_lineNumbers;
    TColorButton *const m_selectionFore;
    TColorButton *const m_selectionBack;
    QComboBox *const m_selectionMode;
    QCheckBox *const m_markActiveLine;
    TColorButton *const m_activeLine;
    QCheckBox *const m_keepCaretX;
    QSpinBox *const m_tabWidth;
    QCheckBox *const m_tabsToSpaces;
    QCheckBox *const m_brackets;
    TColorButton *const m_bracketFore;
    TColorButton *const m_bracketBack;
};
