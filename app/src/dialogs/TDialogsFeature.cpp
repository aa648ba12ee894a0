#include "dialogs/TDialogsFeature.h"

#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "container/TVYRADocumentEditorLink.h"
#include "dialogs/TAddSnippetForm.h"
#include "dialogs/TPluginForm.h"
#include "dialogs/TProperties.h"
#include "dialogs/TShortCutManager.h"
#include "dialogs/TSnippetsPanel.h"
#include "dialogs/TTemplateSettings.h"
#include "documents/TVYRADocument.h"
#include "documents/TVYRATemplate.h"
#include "editing/TTextInsertion.h"
#include "facade/TEditorControl.h"
#include "facade/TVYRAEditor.h"
#include "framework/TVYRACore.h"
#include "mainwindow/TMainForm.h"
#include "plugins/TVYRAPlugins.h"
#include "snippets/TSnippets.h"

TDialogsFeature::TDialogsFeature(TVYRACore &core, TMainForm &window)
    : QObject(&window), m_core(core), m_window(window)
{
    if (TSnippets *store = m_core.Snippets()) {
        m_snippets = new TSnippetsPanel(*store);
        m_window.AddQuickbarPage(QStringLiteral("tbSnippets"), QStringLiteral("Code-Snippets"), m_snippets);
        connect(m_snippets, &TSnippetsPanel::snippetChosen, this, &TDialogsFeature::InsertSnippet);
    }
    registerCommands();
}

TDialogsFeature::~TDialogsFeature() = default;

void TDialogsFeature::registerCommands()
{
    TActionRegistry &registry = m_window.Registry();
    registry.SetHandler(QStringLiteral("ShortcutManager"), [this] { showShortcutManager(); });
    registry.SetHandler(QStringLiteral("FileProperties"), [this] { ShowProperties(m_window.ActiveDocument()); });
    registry.SetHandler(QStringLiteral("FileTemplateSettings"), [this] { showTemplateSettings(); });
    registry.SetHandler(QStringLiteral("HelpShowPlugins"), [this] { showPlugins(); });
    if (m_snippets) {
        registry.SetHandler(QStringLiteral("SnippetInsert"), [this] { InsertSnippet(m_snippets->SelectedSnippet()); });
        registry.SetHandler(QStringLiteral("FormatCreateSnippetFromSelText"),
                            [this] { createSnippetFromSelection(); });
    }
}

void TDialogsFeature::showShortcutManager()
{
    if (TVYRASettings *settings = m_core.Settings())
        TShortCutManager::Execute(m_window.Registry(), *settings, &m_window);
}

void TDialogsFeature::ShowProperties(TVYRADocument *document, TPropertiesModel::TMode mode)
{
    if (document && m_core.Container()->Documents().IndexOf(document) >= 0)
        TProperties::Execute(m_core, *document, mode, &m_window);
}

void TDialogsFeature::showTemplateSettings()
{
    TVYRADocument *document = m_window.ActiveDocument();
    if (!document)
        return;
    TVYRATemplate *target = dynamic_cast<TVYRATemplate *>(document);
    if (!target)
        target = document->TemplateObject();
    if (!target)
        return;
    TTemplateSettings dialog(*target, &m_window);
    dialog.exec();
}

void TDialogsFeature::showPlugins()
{
    TVYRAPlugins *plugins = m_core.Plugins();
    if (!plugins)
        return;
    TPluginListModel model(*plugins, m_core.PluginDir());
    TPluginForm dialog(model, &m_window);
    dialog.exec();
}

void TDialogsFeature::InsertSnippet(const TSnippet *snippet)
{
    TVYRADocumentContainer &container = *m_core.Container();
    const int index = container.Documents().IndexOf(m_window.ActiveDocument());
    if (!snippet || index < 0)
        return;
    const std::unique_ptr<TVYRAEditor> editor = container.GetEditor(index);
    if (!editor)
        return;
    TTextInsertion(*editor).Plain(snippet->Code);
    editor->SetFocus();
}

void TDialogsFeature::createSnippetFromSelection()
{
    TVYRADocument *document = m_window.ActiveDocument();
    TSnippets *store = m_core.Snippets();
    if (!document || !store)
        return;
    const auto *entry = m_core.Container()->Documents().EntryOf(document);
    const QString text = entry ? TEditorControl(entry->link.get()).SelText() : QString();
    TAddSnippetForm form(*store, text, m_snippets->SelectedGroup(), &m_window);
    if (form.exec() == QDialog::Accepted)
        m_snippets->Refresh();
}
