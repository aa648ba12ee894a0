#include "settings/TEditorStandardsPage.h"

#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "settings/TTalvexStudioDefaultEditor.h"
#include "settings/TTalvexStudioSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

TEditorStandardsPage::TEditorStandardsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_font(new QFontComboBox(this))
    , m_size(new QSpinBox(this))
    , m_highlighter(new QComboBox(this))
    , m_wordWrap(new QCheckBox(QStringLiteral("Zeilen automatisch umbrechen"), this))
    , m_sample(new QLabel(QStringLiteral("AaBbCcXxYyZz 0123 <?php echo $text; ?>"), this))
{
    m_size->setRange(4, 72);
    m_sample->setMinimumHeight(48);
    m_sample->setFrameShape(QFrame::StyledPanel);
    auto *form = new QFormLayout(this);
    form->addRow(caption(QStringLiteral("Standards"), this));
    form->addRow(QStringLiteral("Schriftart:"), m_font);
    form->addRow(QStringLiteral("Schriftgröße:"), m_size);
    form->addRow(QStringLiteral("Standard-Syntaxhervorhebung für neue Dokumente:"), m_highlighter);
    form->addRow(m_wordWrap);
    form->addRow(QStringLiteral("Beispieltext:"), m_sample);
    for (QWidget *control : {static_cast<QWidget *>(m_font), static_cast<QWidget *>(m_size),
                             static_cast<QWidget *>(m_highlighter), static_cast<QWidget *>(m_wordWrap)})
        watch(control);
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this] {
        m_fontChosen = true;
        showSample();
        emit changed();
    });
    connect(m_size, &QSpinBox::valueChanged, this, &TEditorStandardsPage::showSample);
}

void TEditorStandardsPage::Load()
{
    const TTalvexStudioDefaultEditor &defaults = *m_settings.DefaultEditor();
    const QSignalBlocker blockFont(m_font);
    m_font->setCurrentFont(QFont(defaults.CodeEditorDefaultFont));
    m_fontChosen = false;
    m_size->setValue(defaults.CodeEditorDefaultFontSize);
    m_highlighter->clear();
    if (TIHighlighters *registry = m_core.Highlighters()) {
        for (int i = 0; i < registry->GetHighlighterCount(); ++i) {
            const TIHighlighter *entry = registry->GetHighlighter(i);
            m_highlighter->addItem(entry->LongName(), entry->ShortName());
        }
    }
    const int current = m_highlighter->findData(defaults.DefaultHighlighter);
    m_highlighter->setCurrentIndex(current >= 0 ? current : 0);
    m_wordWrap->setChecked(defaults.WordWrap);
    showSample();
}

void TEditorStandardsPage::Apply()
{
    TTalvexStudioDefaultEditor &defaults = *m_settings.DefaultEditor();
    if (m_fontChosen)
        defaults.CodeEditorDefaultFont = m_font->currentFont().family();
    defaults.CodeEditorDefaultFontSize = m_size->value();
    if (m_highlighter->currentIndex() >= 0)
        defaults.DefaultHighlighter = m_highlighter->currentData().toString();
    defaults.WordWrap = m_wordWrap->isChecked();
}

void TEditorStandardsPage::showSample()
{
    QFont font = m_font->currentFont();
    font.setPointSize(m_size->value());
    m_sample->setFont(font);
}
