#pragma once

#include "settings/TSettingsPage.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class TColorButton;
class TFontStyleBoxes;
class TIHighlighter;
class TSynHighlighterAttributes;

// "Editor" / "Einstellungen für die Syntaxhervorhebung": colours and font
// styles of each element of a highlighter, stored in the user's highlighter
// folder as "<short name>.dat".
class THighlighterStylesPage : public TSettingsPage
{
    Q_OBJECT
public:
    THighlighterStylesPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    // "Speichern": the controls into the element, the highlighter into its file.
    bool SaveElement();

private:
    TIHighlighter *currentHighlighter() const;
    TSynHighlighterAttributes *currentElement() const;
    void highlighterChosen();
    void showElement();
    bool elementEdited() const;
    bool saveHighlighter(const TIHighlighter &entry);
    void loadFromFile();
    void reset();

    QComboBox *const m_highlighter;
    QListWidget *const m_elements;
    TColorButton *const m_foreground;
    TColorButton *const m_background;
    TFontStyleBoxes *const m_styles;
    QCheckBox *const m_autoSave;
};
