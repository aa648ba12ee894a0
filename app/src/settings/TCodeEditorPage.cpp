#include "settings/TCodeEditorPage.h"

#include "settings/TColorButton.h"
#include "settings/TTalvexStudioEditorSettings.h"
#include "settings/TTalvexStudioSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

TCodeEditorPage::TCodeEditorPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_lineNumbers(new QCheckBox(QStringLiteral("Zeilennummern anzeigen"), this))
    , m_selectionFore(new TColorButton(QStringLiteral("Textfarbe der Auswahl"), this))
    , m_selectionBack(new TColorButton(QStringLiteral("Hintergrund der Auswahl"), this))
    , m_selectionMode(new QComboBox(this))
    , m_markActiveLine(new QCheckBox(QStringLiteral("Aktive Zeile hervorheben"), this))
    , m_activeLine(new TColorButton(QStringLiteral("Farbe der aktiven Zeile"), this))
    , m_keepCaretX(new QCheckBox(QStringLiteral("Cursor hinter dem Zeilenende erlauben"), this))
    , m_tabWidth(new QSpinBox(this))
    , m_tabsToSpaces(new QCheckBox(QStringLiteral("Tabulatoren in Leerzeichen umwandeln"), this))
    , m_brackets(new QCheckBox(QStringLiteral("Klammerpaare hervorheben"), this))
    , m_bracketFore(new TColorButton(QStringLiteral("Textfarbe der Klammern"), this))
    , m_bracketBack(new TColorButton(QStringLiteral("Hintergrund der Klammern"), this))
{
    m_selectionMode->addItems({QStringLiteral("Normal"), QStringLiteral("Spalten"), QStringLiteral("Zeilen")});
    m_tabWidth->setRange(1, 32);
    auto *form = new QFormLayout(this);
    form->addRow(caption(QStringLiteral("Code-Editor Einstellungen"), this));
    form->addRow(m_lineNumbers);
    form->addRow(m_selectionFore, m_selectionBack);
    form->addRow(QStringLiteral("Auswahlmodus:"), m_selectionMode);
    form->addRow(m_markActiveLine, m_activeLine);
    form->addRow(m_keepCaretX);
    form->addRow(QStringLiteral("Tabulatorbreite:"), m_tabWidth);
    form->addRow(m_tabsToSpaces);
    form->addRow(m_brackets);
    form->addRow(m_bracketFore, m_bracketBack);
    for (QWidget *control : std::initializer_list<QWidget *>{m_lineNumbers, m_selectionMode, m_markActiveLine,
                                                             m_keepCaretX, m_tabWidth, m_tabsToSpaces, m_brackets})
        watch(control);
    for (TColorButton *button : {m_selectionFore, m_selectionBack, m_activeLine, m_bracketFore, m_bracketBack})
        connect(button, &TColorButton::colorChanged, this, &TSettingsPage::changed);
}

void TCodeEditorPage::Load()
{
    const TTalvexStudioEditorSettings &editor = *m_settings.Editor();
    m_lineNumbers->setChecked(editor.SynLineNumbering);
    m_selectionFore->SetColor(TColorButton::FromStored(editor.SynLineForeColor));
    m_selectionBack->SetColor(TColorButton::FromStored(editor.SynLineBackColor));
    m_selectionMode->setCurrentIndex(qBound(0, editor.SynSelectionMode, 2));
    m_markActiveLine->setChecked(editor.SynMarkActiveLine);
    m_activeLine->SetColor(TColorButton::FromStored(editor.SynActiveLineColor));
    m_keepCaretX->setChecked(editor.SynKeepCaretX);
    m_tabWidth->setValue(editor.SynTabWidth);
    m_tabsToSpaces->setChecked(editor.SynTabsToSpaces);
    m_brackets->setChecked(editor.HighlightBrackets);
    m_bracketFore->SetColor(TColorButton::FromStored(editor.BracketForegroundColor));
    m_bracketBack->SetColor(TColorButton::FromStored(editor.BracketBackgroundColor));
}

void TCodeEditorPage::Apply()
{
    TTalvexStudioEditorSettings &editor = *m_settings.Editor();
    editor.SynLineNumbering = m_lineNumbers->isChecked();
    editor.SynLineForeColor = TColorButton::ToStored(m_selectionFore->Color(), editor.SynLineForeColor);
    editor.SynLineBackColor = TColorButton::ToStored(m_selectionBack->Color(), editor.SynLineBackColor);
    editor.SynSelectionMode = m_selectionMode->currentIndex();
    editor.SynMarkActiveLine = m_markActiveLine->isChecked();
    editor.SynActiveLineColor = TColorButton::ToStored(m_activeLine->Color(), editor.SynActiveLineColor);
    editor.SynKeepCaretX = m_keepCaretX->isChecked();
    editor.SynTabWidth = m_tabWidth->value();
    editor.SynTabsToSpaces = m_tabsToSpaces->isChecked();
    editor.HighlightBrackets = m_brackets->isChecked();
    editor.BracketForegroundColor = TColorButton::ToStored(m_bracketFore->Color(), editor.BracketForegroundColor);
    editor.BracketBackgroundColor = TColorButton::ToStored(m_bracketBack->Color(), editor.BracketBackgroundColor);
}
