#include "projectmanager/TToDoListView.h"

#include "projectmanager/TToDoTexts.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioToDoList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int EntryRole = Qt::UserRole + 1;

} // namespace

TToDoListView::TToDoListView(QWidget *parent)
    : QWidget(parent)
    , m_header(new QWidget(this))
    , m_counter(new QLabel(m_header))
    , m_tree(new QTreeWidget(this))
{
    auto *headerLayout = new QHBoxLayout(m_header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->addWidget(m_counter, 1);
    m_tree->setColumnCount(4);
    m_tree->setHeaderLabels({QStringLiteral("Priorität"), QStringLiteral("Betrifft Datei"),
                             QStringLiteral("Beschreibung"), QStringLiteral("Erledigt?")});
    m_tree->setRootIsDecorated(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_header);
    layout->addWidget(m_tree, 1);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *row) {
        if (TTalvexStudioToDoEntry *entry = entryOf(row))
            emit entryActivated(entry);
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TToDoListView::currentEntryChanged);
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { emit contextMenuRequested(m_tree->viewport()->mapToGlobal(pos)); });
    Show(nullptr);
}

void TToDoListView::Show(TTalvexStudioProject *project)
{
    if (project && m_isOpen && !m_isOpen(project))
        project = nullptr;
    const TTalvexStudioToDoEntry *current = project && project == m_project ? CurrentEntry() : nullptr;
    m_project = project;
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    TTalvexStudioToDoList *list = project ? project->ToDoList() : nullptr;
    const int count = list ? list->GetCount() : 0;
    m_counter->setText(TToDoTexts::Counter(count, list ? list->GetDoneItemsCount() : 0));
    QList<QTreeWidgetItem *> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        TTalvexStudioToDoEntry *entry = list->GetItems(i);
        auto *row = new QTreeWidgetItem(TToDoTexts::Row(*project, *entry));
        row->setData(0, EntryRole, QVariant::fromValue(static_cast<void *>(entry)));
        rows.append(row);
    }
    m_tree->addTopLevelItems(rows);
    SetCurrentEntry(current);
    emit currentEntryChanged();
}

TTalvexStudioProject *TToDoListView::Project() const
{
    return m_project && (!m_isOpen || m_isOpen(m_project)) ? m_project : nullptr;
}

TTalvexStudioToDoEntry *TToDoListView::entryOf(const QTreeWidgetItem *row) const
{
    TTalvexStudioProject *project = Project();
    if (!row || !project)
        return nullptr;
    auto *entry = static_cast<TTalvexStudioToDoEntry *>(row->data(0, EntryRole).value<void *>());
    // Looked up in the list again: the row may outlive its entry until the next Show.
    return project->ToDoList()->IndexOf(entry) >= 0 ? entry : nullptr;
}

TTalvexStudioToDoEntry *TToDoListView::CurrentEntry() const
{
    return entryOf(m_tree->currentItem());
}

void TToDoListView::SetCurrentEntry(const TTalvexStudioToDoEntry *entry)
{
    for (int i = 0; entry && i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = m_tree->topLevelItem(i);
        if (row->data(0, EntryRole).value<void *>() == entry) {
            m_tree->setCurrentItem(row);
            return;
        }
    }
}
