#include "dialogs/TSnippetsPanel.h"

#include "snippets/TSnippets.h"

#include <QStyle>

namespace {

constexpr int SnippetRole = Qt::UserRole + 1;
constexpr int GroupRole = Qt::UserRole + 2;

} // namespace

TSnippetsPanel::TSnippetsPanel(TSnippets &store, QWidget *parent) : QTreeWidget(parent), m_store(store)
{
    setObjectName(QStringLiteral("tvSnippets"));
    setHeaderHidden(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (auto *snippet = static_cast<TSnippet *>(item->data(0, SnippetRole).value<void *>()))
            emit snippetChosen(snippet);
    });
    Refresh();
}

void TSnippetsPanel::Refresh()
{
    clear();
    if (TSnippetGroup *root = m_store.RootGroup())
        addGroup(invisibleRootItem(), *root);
    expandAll();
}

void TSnippetsPanel::addGroup(QTreeWidgetItem *parent, const TSnippetGroup &group)
{
    for (int i = 0; i < group.GetGroupCount(); ++i) {
        TSnippetGroup *child = group.GetGroup(i);
        auto *item = new QTreeWidgetItem(parent, {child->Name});
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
        item->setData(0, GroupRole, QVariant::fromValue<void *>(child));
        addGroup(item, *child);
    }
    for (int i = 0; i < group.GetSnippetCount(); ++i) {
        TSnippet *snippet = group.GetSnippet(i);
        auto *item = new QTreeWidgetItem(parent, {snippet->Name});
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
        item->setToolTip(0, snippet->HintText());
        item->setData(0, SnippetRole, QVariant::fromValue<void *>(snippet));
    }
}

TSnippet *TSnippetsPanel::SelectedSnippet() const
{
    QTreeWidgetItem *item = currentItem();
    return item ? static_cast<TSnippet *>(item->data(0, SnippetRole).value<void *>()) : nullptr;
}

TSnippetGroup *TSnippetsPanel::SelectedGroup() const
{
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return nullptr;
    if (TSnippet *snippet = SelectedSnippet())
        return snippet->Group();
    return static_cast<TSnippetGroup *>(item->data(0, GroupRole).value<void *>());
}
