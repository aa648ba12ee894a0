#pragma once

#include "settings/TSettingsPage.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QSpinBox;

// "Editor" / "Standards": the editor font, the highlighter of new documents
// and word wrap, with a sample of the font.
class TEditorStandardsPage : public TSettingsPage
{
    Q_OBJECT
public:
    TEditorStandardsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    QFontComboBox *FontBox() const { return m_font; }
    QSpinBox *SizeBox() const { return m_size; }

private:
    void showSample();

    QFontComboBox *const m_font;
    QSpinBox *const m_size;
    QComboBox *const m_highlighter;
    QCheckBox *const m_wordWrap;
    QLabel *const m_sample;
    // A stored font that is not installed stays stored until the user picks another.
    bool m_fontChosen = false;
};
