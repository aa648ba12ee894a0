#include "settings/THighlighterStylesPage.h"

#include "editor/TSynCustomHighlighter.h"
#include "editor/TSynHighlighterAttributes.h"
#include "framework/TVYRACore.h"
#include "highlighters/THighlighterAttributeFile.h"
#include "highlighters/TIHighlighter.h"
#include "settings/TColorButton.h"
#include "settings/TFontStyleBoxes.h"
#include "settings/TTalvexStudioEditorSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

THighlighterStylesPage::THighlighterStylesPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_highlighter(new QComboBox(this))
    , m_elements(new QListWidget(this))
    , m_foreground(new TColorButton(QStringLiteral("Vordergrund"), this))
    , m_background(new TColorButton(QStringLiteral("Hintergrund"), this))
    , m_styles(new TFontStyleBoxes(this))
    , m_autoSave(new QCheckBox(QStringLiteral("Geänderte Einstellungen automatisch speichern"), this))
{
    auto *save = new QPushButton(QStringLiteral("Speichern"), this);
    auto *load = new QPushButton(QStringLiteral("Laden..."), this);
    auto *resetButton = new QPushButton(QStringLiteral("Zurücksetzen"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Einstellungen für die Syntaxhervorhebung"), this));
    layout->addWidget(m_highlighter);
    auto *grid = new QGridLayout;
    grid->addWidget(m_elements, 0, 0, 3, 1);
    grid->addWidget(m_foreground, 0, 1);
    grid->addWidget(m_background, 1, 1);
    grid->addWidget(m_styles, 2, 1);
    layout->addLayout(grid);
    layout->addWidget(m_autoSave);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(load);
    buttons->addWidget(resetButton);
    buttons->addStretch();
    layout->addLayout(buttons);

    watch(m_autoSave);
    connect(m_styles, &TFontStyleBoxes::styleChanged, this, &TSettingsPage::changed);
    connect(m_foreground, &TColorButton::colorChanged, this, &TSettingsPage::changed);
    connect(m_background, &TColorButton::colorChanged, this, &TSettingsPage::changed);
    connect(m_highlighter, &QComboBox::currentIndexChanged, this, &THighlighterStylesPage::highlighterChosen);
    connect(m_elements, &QListWidget::currentRowChanged, this, &THighlighterStylesPage::showElement);
    connect(save, &QPushButton::clicked, this, &THighlighterStylesPage::SaveElement);
    connect(load, &QPushButton::clicked, this, &THighlighterStylesPage::loadFromFile);
    connect(resetButton, &QPushButton::clicked, this, &THighlighterStylesPage::reset);
}

void THighlighterStylesPage::Load()
{
    m_autoSave->setChecked(m_settings.Editor()->SynAutoSaveHighlighter);
    const QSignalBlocker block(m_highlighter);
    m_highlighter->clear();
    m_highlighter->addItem(QString());
    if (TIHighlighters *registry = m_core.Highlighters()) {
        for (int i = 1; i < registry->GetHighlighterCount(); ++i) {
            if (!registry->GetHighlighter(i)->IsMultiHighlighter())
                m_highlighter->addItem(registry->GetHighlighter(i)->LongName(), i);
        }
    }
    m_highlighter->setCurrentIndex(0);
    highlighterChosen();
}

void THighlighterStylesPage::Apply()
{
    m_settings.Editor()->SynAutoSaveHighlighter = m_autoSave->isChecked();
    if (m_autoSave->isChecked() && currentElement() && elementEdited())
        SaveElement();
}

TIHighlighter *THighlighterStylesPage::currentHighlighter() const
{
    const QVariant index = m_highlighter->currentData();
    return index.isValid() && m_core.Highlighters() ? m_core.Highlighters()->GetHighlighter(index.toInt()) : nullptr;
}

TSynHighlighterAttributes *THighlighterStylesPage::currentElement() const
{
    const TIHighlighter *entry = currentHighlighter();
    const int row = m_elements->currentRow();
    if (!entry || !entry->GetHighlighter() || row < 0 || row >= int(entry->GetHighlighter()->attributes().size()))
        return nullptr;
    return entry->GetHighlighter()->attributes().at(size_t(row)).get();
}

void THighlighterStylesPage::highlighterChosen()
{
    m_elements->clear();
    const TIHighlighter *entry = currentHighlighter();
    if (!entry || !entry->GetHighlighter())
        return;
    m_core.Highlighters()->LoadAttributes(*entry, m_core.UserHighlighterDir(), m_core.HighlighterDir());
    for (const auto &attribute : entry->GetHighlighter()->attributes())
        m_elements->addItem(attribute->name());
    m_elements->setCurrentRow(0);
}

void THighlighterStylesPage::showElement()
{
    const TSynHighlighterAttributes *element = currentElement();
    m_foreground->SetColor(element ? element->foreground() : QColor());
    m_background->SetColor(element ? element->background() : QColor());
    m_styles->SetStyle(element ? element->style() : 0);
}

bool THighlighterStylesPage::elementEdited() const
{
    const TSynHighlighterAttributes *element = currentElement();
    return element
        && (element->foreground() != m_foreground->Color() || element->background() != m_background->Color()
            || element->style() != m_styles->Style());
}

bool THighlighterStylesPage::SaveElement()
{
    TSynHighlighterAttributes *element = currentElement();
    if (!element) {
        TPrompter::instance().warning(
            QStringLiteral("Sie haben keine Syntaxhervorhebung ausgewählt. Bitte wählen Sie aus der Auswahlbox oben "
                           "eine Syntaxhervorhebung aus, die sie konfigurieren möchten."));
        return false;
    }
    element->setForeground(m_foreground->Color());
    element->setBackground(m_background->Color());
    element->setStyle(m_styles->Style());
    return saveHighlighter(*currentHighlighter());
}

bool THighlighterStylesPage::saveHighlighter(const TIHighlighter &entry)
{
    const QString file = THighlighterAttributeFile::FileName(m_core.UserHighlighterDir(), entry.ShortName());
    try {
        THighlighterAttributeFile::Save(*entry.GetHighlighter(), file);
        return true;
    } catch (const std::exception &e) {
        TPrompter::instance().error(QStringLiteral("Die Einstellungen der Syntaxhervorhebung \"%1\" konnten nicht in "
                                                   "der Datei \"%2\" gespeichert werden.\n%3")
                                        .arg(entry.LongName(), file, QString::fromUtf8(e.what())));
        return false;
    }
}

void THighlighterStylesPage::loadFromFile()
{
    TIHighlighter *entry = currentHighlighter();
    if (!entry) {
        SaveElement(); // tells that no highlighter is chosen
        return;
    }
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Laden..."), m_core.UserHighlighterDir(),
                                                      QStringLiteral("Syntaxhervorhebung (*.dat)"));
    if (file.isEmpty())
        return;
    if (!THighlighterAttributeFile::Load(*entry->GetHighlighter(), file)) {
        TPrompter::instance().error(
            QStringLiteral("Die Datei \"%1\" enthält keine Einstellungen einer Syntaxhervorhebung.").arg(file));
        return;
    }
    showElement();
    if (TPrompter::instance().confirm(
            QStringLiteral("Möchten Sie die geänderten Einstellungen an der Syntaxhervorhebung speichern?")))
        saveHighlighter(*entry);
}

void THighlighterStylesPage::reset()
{
    if (const TIHighlighter *entry = currentHighlighter())
        m_core.Highlighters()->LoadAttributes(*entry, m_core.UserHighlighterDir(), m_core.HighlighterDir());
    showElement();
}
