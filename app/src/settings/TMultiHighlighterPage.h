#pragma once

#include "settings/TMultiHighlighterEditor.h"
#include "settings/TSettingsPage.h"

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TColorButton;
class TFontStyleBoxes;

// "Multi-Syntaxhervorhebung": the editor of the multi-highlighters. Its
// steps act on the registry at once and write "multihighlighter.xml"
// themselves; they take effect in editors after a restart.
class TMultiHighlighterPage : public TSettingsPage
{
    Q_OBJECT
public:
    TMultiHighlighterPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent = nullptr);

    void Load() override;
    void Apply() override;

    TMultiHighlighterEditor &Editor() { return *m_editor; }
    QComboBox *Schemes() const { return m_schemes; }
    QListWidget *Highlighters() const { return m_highlighters; }
    TIHighlighter *CurrentMulti() const;
    TIHighlighter *CurrentSingle() const;

private:
    void showSchemes(TIHighlighter *select);
    void showScheme();
    void showSingle();
    void ticked(int row);
    void makeDefault();
    void applyEmbedding();
    void saveScheme();
    void embeddingEdited();

    std::unique_ptr<TMultiHighlighterEditor> m_editor;
    QList<TIHighlighter *> m_multis;
    QList<TIHighlighter *> m_singles;
    QComboBox *const m_schemes;
    QLineEdit *const m_name;
    QListWidget *const m_highlighters;
    QLabel *const m_defaultLabel;
    QPushButton *const m_makeDefault;
    QGroupBox *const m_embedding;
    QLineEdit *const m_start;
    QLineEdit *const m_end;
    TFontStyleBoxes *const m_styles;
    TColorButton *const m_foreground;
    TColorButton *const m_background;
    QPushButton *const m_applyEmbedding;
    bool m_showing = false;
};
