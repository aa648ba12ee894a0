#include "settings/TCompletionSettingsPage.h"

#include "settings/TTalvexStudioCompletionSettings.h"
#include "settings/TTalvexStudioSettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const TCharCompletionType kTypes[] = {cctParenthesis, cctSquareBracket, cctBrace,
                                      cctAngleBracket, cctSingleQuote,   cctDoubleQuote};
const char *const kCaptions[] = {"( )", "[ ]", "{ }", "< >", "' '", "\" \""};

} // namespace

TCompletionSettingsPage::TCompletionSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_completion(new QCheckBox(QStringLiteral("Code-Vervollständigung und Code-Parameter aktivieren"), this))
    , m_quickTemplates(new QCheckBox(QStringLiteral("Quick-Templates (Einfügen von Code-Snippets mittels Kurztext + "
                                                    "[Tab] im Editor) aktivieren"),
                                     this))
    , m_closing(new QListWidget(this))
{
    for (const char *text : kCaptions) {
        auto *item = new QListWidgetItem(QString::fromLatin1(text), m_closing);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    }
    auto *all = new QPushButton(QStringLiteral("Alle auswählen"), this);
    auto *none = new QPushButton(QStringLiteral("Keine auswählen"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Vervollständigung"), this));
    layout->addWidget(m_completion);
    layout->addWidget(m_quickTemplates);
    layout->addWidget(m_closing);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch();
    layout->addLayout(buttons);
    watch(m_completion);
    watch(m_quickTemplates);
    watch(m_closing);
    connect(all, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { checkAll(false); });
}

void TCompletionSettingsPage::checkAll(bool on)
{
    for (int i = 0; i < m_closing->count(); ++i)
        m_closing->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void TCompletionSettingsPage::Load()
{
    const TTalvexStudioCompletionSettings &completion = *m_settings.Completion();
    m_completion->setChecked(completion.CodeCompletionEnabled);
    m_quickTemplates->setChecked(completion.QuickTemplatesEnabled);
    const QSignalBlocker block(m_closing);
    for (int i = 0; i < m_closing->count(); ++i)
        m_closing->item(i)->setCheckState(completion.CloseCharTypes.testFlag(kTypes[i]) ? Qt::Checked : Qt::Unchecked);
}

void TCompletionSettingsPage::Apply()
{
    TTalvexStudioCompletionSettings &completion = *m_settings.Completion();
    completion.CodeCompletionEnabled = m_completion->isChecked();
    completion.QuickTemplatesEnabled = m_quickTemplates->isChecked();
    TCharCompletionTypes types;
    for (int i = 0; i < m_closing->count(); ++i)
        if (m_closing->item(i)->checkState() == Qt::Checked)
            types |= kTypes[i];
    completion.CloseCharTypes = types;
}
