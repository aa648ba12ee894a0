#include "settings/TSettingsForm.h"

#include "framework/TVYRACore.h"
#include "settings/TAdvancedSettingsPage.h"
#include "settings/TBehaviorSettingsPage.h"
#include "settings/TBrowserSettingsPage.h"
#include "settings/TCodeEditorPage.h"
#include "settings/TCompletionSettingsPage.h"
#include "settings/TEditorStandardsPage.h"
#include "settings/TFileTypesPage.h"
#include "settings/THighlighterStylesPage.h"
#include "settings/TMultiHighlighterPage.h"
#include "settings/TPhpSettingsPage.h"
#include "settings/TSettingsPageList.h"
#include "settings/TSnippetsPage.h"
#include "settings/TSystemIntegrationPage.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TViewSettingsPage.h"
#include "snippets/TSnippets.h"
#include "ui/TPrompter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

TSettingsForm::TSettingsForm(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_core(core)
    , m_settings(settings)
    , m_navigation(new QTreeWidget(this))
    , m_stack(new QStackedWidget(this))
    , m_ok(new QPushButton(QStringLiteral("Ok"), this))
    , m_apply(new QPushButton(QStringLiteral("Übernehmen"), this))
    , m_cancel(new QPushButton(QStringLiteral("Abbrechen"), this))
{
    setWindowTitle(QStringLiteral("Talvex Studio - Einstellungen"));
    resize(860, 620);
    m_navigation->setHeaderHidden(true);
    m_navigation->setMaximumWidth(240);

    const QStringList &captions = TSettingsPageList::Captions();
    for (const QString &text : captions)
        m_topNodes << new QTreeWidgetItem(m_navigation, {text});
    QTreeWidgetItem *editor = m_topNodes.at(TSettingsPageList::Editor);
    const QStringList &editorCaptions = TSettingsPageList::EditorCaptions();
    QList<QTreeWidgetItem *> editorNodes;
    for (const QString &text : editorCaptions)
        editorNodes << new QTreeWidgetItem(editor, {text});

    // The "Editor" node shows its first sub-page.
    addPage(new TEditorStandardsPage(core, settings, this), editorNodes.at(0));
    addPage(new THighlighterStylesPage(core, settings, this), editorNodes.at(1));
    addPage(new TCodeEditorPage(core, settings, this), editorNodes.at(2));
    addPage(new TViewSettingsPage(core, settings, this), m_topNodes.at(TSettingsPageList::View));
    addPage(new TBehaviorSettingsPage(core, settings, this), m_topNodes.at(TSettingsPageList::Behavior));
    addPage(new TFileTypesPage(core, settings, this), m_topNodes.at(TSettingsPageList::FileTypes));
    addPage(new TMultiHighlighterPage(core, settings, this), m_topNodes.at(TSettingsPageList::MultiHighlighter));
    addPage(new TSnippetsPage(core, settings, this), m_topNodes.at(TSettingsPageList::Snippets));
    addPage(new TBrowserSettingsPage(core, settings, this), m_topNodes.at(TSettingsPageList::Browser));
    addPage(new TPhpSettingsPage(core, settings, this), m_topNodes.at(TSettingsPageList::Php));
    addPage(new TCompletionSettingsPage(core, settings, this), m_topNodes.at(TSettingsPageList::Completion));
    addPage(new TSystemIntegrationPage(core, settings, this), m_topNodes.at(TSettingsPageList::SystemIntegration));
    addPage(new TAdvancedSettingsPage(core, settings, this), m_topNodes.at(TSettingsPageList::Advanced));
    editor->setData(0, Qt::UserRole, 0);
    m_navigation->expandAll();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    auto *pages = new QHBoxLayout;
    pages->addWidget(m_navigation);
    pages->addWidget(m_stack, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);
    m_ok->setDefault(true);

    connect(m_navigation, &QTreeWidget::currentItemChanged, this, &TSettingsForm::showNode);
    connect(m_ok, &QPushButton::clicked, this, &TSettingsForm::accept);
    connect(m_apply, &QPushButton::clicked, this, &TSettingsForm::Apply);
    connect(m_cancel, &QPushButton::clicked, this, &TSettingsForm::reject);
}

void TSettingsForm::addPage(TSettingsPage *page, QTreeWidgetItem *node)
{
    node->setData(0, Qt::UserRole, m_stack->addWidget(page));
    m_pages << page;
    connect(page, &TSettingsPage::changed, this, [this] { m_apply->setEnabled(true); });
}

void TSettingsForm::showNode(QTreeWidgetItem *node)
{
    if (node)
        m_stack->setCurrentIndex(node->data(0, Qt::UserRole).toInt());
}

void TSettingsForm::Prepare(int page)
{
    for (TSettingsPage *settingsPage : std::as_const(m_pages)) {
        const QSignalBlocker block(settingsPage);
        settingsPage->Load();
    }
    QTreeWidgetItem *node = m_topNodes.at(TSettingsPageList::Resolve(page));
    m_navigation->setCurrentItem(node);
    showNode(node);
    m_apply->setEnabled(false);
}

int TSettingsForm::Execute(int page)
{
    Prepare(page);
    return exec();
}

int TSettingsForm::CurrentPage() const
{
    QTreeWidgetItem *node = m_navigation->currentItem();
    while (node && node->parent())
        node = node->parent();
    return int(m_topNodes.indexOf(node));
}

bool TSettingsForm::Apply()
{
    for (TSettingsPage *page : std::as_const(m_pages))
        page->Apply();
    bool ok = true;
    if (TSnippets *snippets = m_core.Snippets()) {
        const TOperationResult saved = snippets->SaveToXML();
        if (!saved.ok) {
            TPrompter::instance().error(saved.errorText);
            ok = false;
        }
    }
    // Saving tells the open editors to take the editor settings.
    if (!m_settings.Save()) {
        TPrompter::instance().error(QStringLiteral("Die Einstellungen konnten nicht in der Datei \"%1\" gespeichert "
                                                   "werden.\n%2")
                                        .arg(m_settings.fileName(), m_settings.LastSaveError()));
        ok = false;
    }
    m_apply->setEnabled(!ok);
    return ok;
}

void TSettingsForm::accept()
{
    // A file that could not be written keeps the dialog open with the user's input.
    if (Apply())
        QDialog::accept();
}

void TSettingsForm::reject()
{
    // Snippet edits live in the store until saved; a cancel drops them.
    if (TSnippets *snippets = m_core.Snippets()) {
        try {
            snippets->ReloadFromXML();
        } catch (const std::exception &) {
            // The next opening tells about the damaged file.
        }
    }
    QDialog::reject();
}
