#include "settings/TSnippetsPage.h"

#include "framework/TVYRACore.h"
#include "snippets/TSnippet.h"
#include "snippets/TSnippetGroup.h"
#include "snippets/TSnippets.h"
#include "ui/TPrompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The tree items carry their group or snippet.
enum { GroupRole = Qt::UserRole + 1, SnippetRole };

} // namespace

TSnippetsPage::TSnippetsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_tree(new QTreeWidget(this))
    , m_name(new QLineEdit(this))
    , m_code(new QPlainTextEdit(this))
    , m_shortcut(new QLineEdit(this))
{
    m_tree->setHeaderHidden(true);
    auto *newGroupButton = new QPushButton(QStringLiteral("Neue Gruppe"), this);
    auto *newSnippetButton = new QPushButton(QStringLiteral("Neues Snippet"), this);
    auto *removeButton = new QPushButton(QStringLiteral("Entfernen"), this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {newGroupButton, newSnippetButton, removeButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Code-Snippets"), this));
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Name:"), this));
    layout->addWidget(m_name);
    layout->addWidget(new QLabel(QStringLiteral("Text ( %cursor% für Cursorposition nach Einfügen ):"), this));
    layout->addWidget(m_code, 1);
    layout->addWidget(new QLabel(QStringLiteral("Kurztext für Templatesystem (Leer lassen für kein):"), this));
    layout->addWidget(m_shortcut);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TSnippetsPage::showSelected);
    for (QLineEdit *edit : {m_name, m_shortcut})
        connect(edit, &QLineEdit::textEdited, this, &TSnippetsPage::takeEdits);
    connect(m_code, &QPlainTextEdit::textChanged, this, &TSnippetsPage::takeEdits);
    connect(newGroupButton, &QPushButton::clicked, this, &TSnippetsPage::newGroup);
    connect(newSnippetButton, &QPushButton::clicked, this, &TSnippetsPage::newSnippet);
    connect(removeButton, &QPushButton::clicked, this, &TSnippetsPage::remove);
}

void TSnippetsPage::Load()
{
    TSnippets *snippets = m_core.Snippets();
    m_tree->clear();
    if (!snippets)
        return;
    try {
        snippets->ReloadFromXML();
    } catch (const std::exception &e) {
        TPrompter::instance().error(QStringLiteral("Die Snippets konnten nicht aus der Datei \"%1\" gelesen "
                                                   "werden.\n%2")
                                        .arg(snippets->FileName(), QString::fromUtf8(e.what())));
    }
    fill(m_tree->invisibleRootItem(), *snippets->RootGroup());
    m_tree->expandAll();
    showSelected();
}

void TSnippetsPage::Apply()
{
    // The dialog writes the file; the edits are in the store already.
}

void TSnippetsPage::fill(QTreeWidgetItem *parent, TSnippetGroup &group)
{
    for (int i = 0; i < group.GetGroupCount(); ++i) {
        TSnippetGroup *child = group.GetGroup(i);
        auto *item = new QTreeWidgetItem(parent, {child->Name});
        item->setData(0, GroupRole, QVariant::fromValue<void *>(child));
        fill(item, *child);
    }
    for (int i = 0; i < group.GetSnippetCount(); ++i) {
        auto *item = new QTreeWidgetItem(parent, {group.GetSnippet(i)->Name});
        item->setData(0, SnippetRole, QVariant::fromValue<void *>(group.GetSnippet(i)));
    }
}

TSnippet *TSnippetsPage::CurrentSnippet() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    return item ? static_cast<TSnippet *>(item->data(0, SnippetRole).value<void *>()) : nullptr;
}

TSnippetGroup *TSnippetsPage::CurrentGroup() const
{
    if (TSnippet *snippet = CurrentSnippet())
        return snippet->Group();
    const QTreeWidgetItem *item = m_tree->currentItem();
    if (auto *group = item ? static_cast<TSnippetGroup *>(item->data(0, GroupRole).value<void *>()) : nullptr)
        return group;
    return m_core.Snippets() ? m_core.Snippets()->RootGroup() : nullptr;
}

void TSnippetsPage::showSelected()
{
    m_showing = true;
    const TSnippet *snippet = CurrentSnippet();
    const QTreeWidgetItem *item = m_tree->currentItem();
    const bool isGroup = item && !snippet;
    m_name->setText(snippet ? snippet->Name : isGroup ? item->text(0) : QString());
    m_code->setPlainText(snippet ? snippet->Code : QString());
    m_shortcut->setText(snippet ? snippet->Shortcut : QString());
    m_name->setEnabled(item);
    m_code->setEnabled(snippet);
    m_shortcut->setEnabled(snippet);
    m_showing = false;
}

void TSnippetsPage::takeEdits()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (m_showing || !item)
        return;
    if (TSnippet *snippet = CurrentSnippet()) {
        snippet->Name = m_name->text();
        snippet->Code = m_code->toPlainText();
        snippet->Shortcut = m_shortcut->text();
    } else {
        CurrentGroup()->Name = m_name->text();
    }
    item->setText(0, m_name->text());
    emit changed();
}

void TSnippetsPage::newGroup()
{
    TSnippetGroup *parent = CurrentSnippet() ? CurrentSnippet()->Group() : CurrentGroup();
    if (!parent)
        return;
    TSnippetGroup *group = parent->AddGroup(QStringLiteral("Neue Gruppe"));
    QTreeWidgetItem *parentItem = m_tree->currentItem();
    if (CurrentSnippet())
        parentItem = parentItem->parent();
    if (!parentItem || parentItem->data(0, GroupRole).isNull())
        parentItem = m_tree->invisibleRootItem();
    auto *item = new QTreeWidgetItem({group->Name});
    item->setData(0, GroupRole, QVariant::fromValue<void *>(group));
    parentItem->insertChild(parent->GetGroupCount() - 1, item);
    m_tree->setCurrentItem(item);
    emit changed();
}

void TSnippetsPage::newSnippet()
{
    TSnippetGroup *group = CurrentGroup();
    if (!group)
        return;
    const int index = group->AddSnippet(std::make_unique<TSnippet>(QStringLiteral("Neues Snippet"), QString()));
    QTreeWidgetItem *parentItem = m_tree->currentItem();
    if (CurrentSnippet())
        parentItem = parentItem->parent();
    if (!parentItem || parentItem->data(0, GroupRole).isNull())
        parentItem = m_tree->invisibleRootItem();
    auto *item = new QTreeWidgetItem(parentItem, {group->GetSnippet(index)->Name});
    item->setData(0, SnippetRole, QVariant::fromValue<void *>(group->GetSnippet(index)));
    m_tree->setCurrentItem(item);
    emit changed();
}

void TSnippetsPage::remove()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return;
    if (TSnippet *snippet = CurrentSnippet()) {
        TSnippetGroup *group = snippet->Group();
        delete item;
        group->DeleteSnippet(snippet);
    } else if (auto *group = static_cast<TSnippetGroup *>(item->data(0, GroupRole).value<void *>())) {
        TSnippetGroup *parent = group->Parent();
        delete item;
        if (parent)
            parent->DeleteGroup(group);
    }
    showSelected();
    emit changed();
}
