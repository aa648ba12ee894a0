#include "settings/TMultiHighlighterPage.h"

#include "editor/TScheme.h"
#include "editor/TSynHighlighterAttributes.h"
#include "framework/TVYRACore.h"
#include "highlighters/TIHighlighter.h"
#include "settings/TColorButton.h"
#include "settings/TFontStyleBoxes.h"
#include "ui/TPrompter.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TMultiHighlighterPage::TMultiHighlighterPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_editor(std::make_unique<TMultiHighlighterEditor>(
          *core.Highlighters(), QDir(core.HighlighterDir()).filePath(QStringLiteral("multihighlighter.xml")),
          TPrompter::instance()))
    , m_schemes(new QComboBox(this))
    , m_name(new QLineEdit(this))
    , m_highlighters(new QListWidget(this))
    , m_defaultLabel(new QLabel(QStringLiteral("Standard-Hervorhebung"), this))
    , m_makeDefault(new QPushButton(QStringLiteral("Als Standardehervorhebung"), this))
    , m_embedding(new QGroupBox(QStringLiteral("Einbettung"), this))
    , m_start(new QLineEdit(this))
    , m_end(new QLineEdit(this))
    , m_styles(new TFontStyleBoxes(this))
    , m_foreground(new TColorButton(QStringLiteral("Vordergrund"), this))
    , m_background(new TColorButton(QStringLiteral("Hintergrund"), this))
    , m_applyEmbedding(new QPushButton(QStringLiteral("Übernehmen"), this))
{
    auto *newButton = new QPushButton(QStringLiteral("Neu..."), this);
    auto *removeButton = new QPushButton(QStringLiteral("Entfernen"), this);
    auto *saveButton = new QPushButton(QStringLiteral("Schema speichern"), this);
    auto *top = new QHBoxLayout;
    top->addWidget(m_schemes, 1);
    top->addWidget(newButton);
    top->addWidget(removeButton);
    auto *embedding = new QFormLayout(m_embedding);
    embedding->addRow(QStringLiteral("Startausdruck:"), m_start);
    embedding->addRow(QStringLiteral("Endausdruck:"), m_end);
    embedding->addRow(m_styles);
    embedding->addRow(m_foreground, m_background);
    embedding->addRow(m_applyEmbedding);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Multi-Syntaxhervorhebung"), this));
    layout->addWidget(new QLabel(QStringLiteral("Schema zum Bearbeiten wählen:"), this));
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("Schemen-Name:"), this));
    layout->addWidget(m_name);
    layout->addWidget(new QLabel(QStringLiteral("Hevorhebungen auswählen:"), this));
    layout->addWidget(m_highlighters, 1);
    auto *defaultRow = new QHBoxLayout;
    defaultRow->addWidget(m_defaultLabel);
    defaultRow->addWidget(m_makeDefault);
    defaultRow->addStretch();
    layout->addLayout(defaultRow);
    layout->addWidget(m_embedding);
    layout->addWidget(saveButton, 0, Qt::AlignLeft);
    layout->addWidget(
        new QLabel(QStringLiteral("Hinweis: Änderungen werden erst nach einem Neustart von Talvex Studio wirksam."), this));

    connect(m_schemes, &QComboBox::currentIndexChanged, this, &TMultiHighlighterPage::showScheme);
    connect(m_highlighters, &QListWidget::currentRowChanged, this, &TMultiHighlighterPage::showSingle);
    connect(m_highlighters, &QListWidget::itemChanged, this,
            [this](QListWidgetItem *item) { ticked(m_highlighters->row(item)); });
    connect(newButton, &QPushButton::clicked, this, [this] {
        if (TIHighlighter *entry = m_editor->New())
            showSchemes(entry);
    });
    connect(removeButton, &QPushButton::clicked, this, [this] {
        if (m_editor->Remove(CurrentMulti()))
            showSchemes(nullptr);
    });
    connect(m_makeDefault, &QPushButton::clicked, this, &TMultiHighlighterPage::makeDefault);
    connect(m_applyEmbedding, &QPushButton::clicked, this, &TMultiHighlighterPage::applyEmbedding);
    connect(saveButton, &QPushButton::clicked, this, &TMultiHighlighterPage::saveScheme);
    for (QLineEdit *edit : {m_start, m_end})
        connect(edit, &QLineEdit::textEdited, this, &TMultiHighlighterPage::embeddingEdited);
    connect(m_styles, &TFontStyleBoxes::styleChanged, this, &TMultiHighlighterPage::embeddingEdited);
    for (TColorButton *button : {m_foreground, m_background})
        connect(button, &TColorButton::colorChanged, this, &TMultiHighlighterPage::embeddingEdited);
}

void TMultiHighlighterPage::Load()
{
    showSchemes(CurrentMulti());
}

void TMultiHighlighterPage::Apply()
{
    // Every step has written its file already.
}

TIHighlighter *TMultiHighlighterPage::CurrentMulti() const
{
    const int index = m_schemes->currentIndex();
    return index >= 0 && index < m_multis.size() ? m_multis.at(index) : nullptr;
}

TIHighlighter *TMultiHighlighterPage::CurrentSingle() const
{
    const int row = m_highlighters->currentRow();
    return row >= 0 && row < m_singles.size() ? m_singles.at(row) : nullptr;
}

void TMultiHighlighterPage::showSchemes(TIHighlighter *select)
{
    m_multis = m_editor->MultiHighlighters();
    {
        const QSignalBlocker block(m_schemes);
        m_schemes->clear();
        for (const TIHighlighter *entry : std::as_const(m_multis))
            m_schemes->addItem(entry->LongName());
        m_schemes->setCurrentIndex(select ? int(m_multis.indexOf(select)) : (m_multis.isEmpty() ? -1 : 0));
        if (m_schemes->currentIndex() < 0 && !m_multis.isEmpty())
            m_schemes->setCurrentIndex(0);
    }
    showScheme();
}

void TMultiHighlighterPage::showScheme()
{
    const TIHighlighter *multi = CurrentMulti();
    m_singles = m_editor->SingleHighlighters();
    m_showing = true;
    m_name->setText(multi ? multi->LongName() : QString());
    const int row = m_highlighters->currentRow();
    m_highlighters->clear();
    for (const TIHighlighter *single : std::as_const(m_singles)) {
        auto *item = new QListWidgetItem(single->LongName(), m_highlighters);
        item->setFlags(multi ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                             : Qt::ItemIsSelectable);
        item->setCheckState(multi && TMultiHighlighterEditor::IsTicked(*multi, *single) ? Qt::Checked : Qt::Unchecked);
    }
    m_highlighters->setCurrentRow(qMin(row, int(m_highlighters->count()) - 1));
    m_showing = false;
    showSingle();
}

void TMultiHighlighterPage::showSingle()
{
    const TIHighlighter *multi = CurrentMulti();
    const TIHighlighter *single = CurrentSingle();
    const bool isDefault = multi && single && TMultiHighlighterEditor::IsDefault(*multi, *single);
    const TScheme *scheme = multi && single ? TMultiHighlighterEditor::SchemeOf(*multi, *single) : nullptr;
    m_defaultLabel->setVisible(isDefault);
    m_makeDefault->setEnabled(multi && single && !isDefault);
    m_embedding->setEnabled(scheme && !isDefault);
    const TMultiHighlighterEditor::TEmbedding shown =
        scheme ? TMultiHighlighterEditor::EmbeddingOf(*scheme) : TMultiHighlighterEditor::TEmbedding();
    m_showing = true;
    m_start->setText(shown.startExpr);
    m_end->setText(shown.endExpr);
    m_styles->SetStyle(shown.style);
    m_foreground->SetColor(shown.foreground);
    m_background->SetColor(shown.background);
    m_showing = false;
    m_applyEmbedding->setEnabled(false);
}

void TMultiHighlighterPage::ticked(int row)
{
    TIHighlighter *multi = CurrentMulti();
    if (m_showing || !multi || row < 0 || row >= m_singles.size())
        return;
    const bool on = m_highlighters->item(row)->checkState() == Qt::Checked;
    if (on)
        m_editor->Tick(*multi, *m_singles.at(row));
    else
        m_editor->Untick(*multi, *m_singles.at(row));
    // A refused step shows the old ticks again; the list is rebuilt once its
    // own signal is over.
    QMetaObject::invokeMethod(this, &TMultiHighlighterPage::showScheme, Qt::QueuedConnection);
}

void TMultiHighlighterPage::makeDefault()
{
    TIHighlighter *multi = CurrentMulti();
    if (const TIHighlighter *single = CurrentSingle(); multi && single && m_editor->MakeDefault(*multi, *single))
        showScheme();
}

void TMultiHighlighterPage::embeddingEdited()
{
    if (!m_showing)
        m_applyEmbedding->setEnabled(true);
}

void TMultiHighlighterPage::applyEmbedding()
{
    TIHighlighter *multi = CurrentMulti();
    const TIHighlighter *single = CurrentSingle();
    if (!multi || !single)
        return;
    if (m_editor->ApplyEmbedding(*multi, *single, {m_start->text(), m_end->text(), m_styles->Style(), m_foreground->Color(),
                                                   m_background->Color()}))
        m_applyEmbedding->setEnabled(false);
}

void TMultiHighlighterPage::saveScheme()
{
    TIHighlighter *multi = CurrentMulti();
    if (!multi)
        return;
    if (m_applyEmbedding->isEnabled())
        applyEmbedding();
    m_editor->SaveScheme(*multi, m_name->text());
    showSchemes(multi);
}
