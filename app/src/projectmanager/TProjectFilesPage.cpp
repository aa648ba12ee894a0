#include "projectmanager/TProjectFilesPage.h"

#include "projectmanager/TProjectDropRules.h"
#include "projectmanager/TProjectFileTree.h"
#include "projectmanager/TProjectItemLabels.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "projects/TVYRAProjectGroupItems.h"
#include "ui/TPrompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

TProjectFilesPage::TProjectFilesPage(TProjectFileCommands::THost host,
                                     std::function<bool(TVYRAProjectGroupItems *)> isOpen, QWidget *parent)
    : QWidget(parent)
    , m_commands(TPrompter::instance(), std::move(host))
    , m_isOpen(std::move(isOpen))
    , m_header(new QLabel(this))
    , m_tree(new TProjectFileTree(this))
{
    auto *options = new QLabel(QStringLiteral("<a href=\"#\">Optionen</a>"), this);
    options->setObjectName(QStringLiteral("lblFileOptions"));
    auto *top = new QHBoxLayout;
    top->addWidget(m_header, 1);
    top->addWidget(options);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tree, 1);

    auto popup = [this](const QPoint &globalPos) {
        QMenu menu(this);
        FillMenu(menu);
        menu.exec(globalPos);
    };
    connect(options, &QLabel::linkActivated, this,
            [options, popup] { popup(options->mapToGlobal(options->rect().bottomLeft())); });
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &pos) { popup(m_tree->viewport()->mapToGlobal(pos)); });
    connect(m_tree, &TProjectFileTree::itemActivated, this, [this] { ShowSelected(); });
    connect(m_tree, &TProjectFileTree::itemsDropped, this, &TProjectFilesPage::moveItems);
    connect(m_tree, &TProjectFileTree::pathsDropped, this,
            [this](const QStringList &paths, TVYRAProjectGroupItem *focused) {
                if (TVYRAProjectGroupItems *current = group(); current && m_commands.AddPaths(*current, focused, paths) > 0)
                    afterChange(current->FindNextUpperFolder(focused));
            });
    connect(m_tree, &TProjectFileTree::commentEdited, this, [this](TVYRAProjectGroupItem *item, const QString &text) {
        item->SetComment(text);
        emit changed();
    });
}

TVYRAProjectGroupItems *TProjectFilesPage::group() const
{
    return m_group && (!m_isOpen || m_isOpen(m_group)) ? m_group : nullptr;
}

void TProjectFilesPage::Show(TVYRAProjectGroupItems *group)
{
    m_group = group;
    m_header->setText(TProjectItemLabels::TreeHeader(group));
    m_tree->Show(group);
}

void TProjectFilesPage::afterChange(TVYRAProjectGroupItem *expand)
{
    Show(group());
    if (QTreeWidgetItem *row = m_tree->RowOf(expand)) {
        for (QTreeWidgetItem *up = row; up; up = up->parent())
            up->setExpanded(true);
    }
    emit changed();
}

void TProjectFilesPage::moveItems(const QList<TVYRAProjectGroupItem *> &items, TVYRAProjectGroupItem *dropItem,
                                  TDropPosition position)
{
    if (!group())
        return;
    const TProjectDropRules::TPlan plan = TProjectDropRules::Plan(*group(), items, dropItem, position);
    if (plan.refused)
        return;
    const QStringList errors = TProjectDropRules::Run(plan);
    afterChange(plan.target);
    if (!errors.isEmpty())
        TPrompter::instance().error(errors.join(QStringLiteral("\r\n")));
}

void TProjectFilesPage::FillMenu(QMenu &menu)
{
    const QList<TVYRAProjectGroupItem *> selected = m_tree->SelectedProjectItems();
    const bool focused = m_tree->FocusedItem() != nullptr;
    auto add = [&menu](const QString &caption, bool enabled, auto slot) {
        QAction *action = menu.addAction(caption, slot);
        action->setEnabled(enabled);
        return action;
    };
    TVYRAProjectGroupItems *current = group();
    const bool hasGroup = current != nullptr;
    add(QStringLiteral("&Anzeigen"), hasGroup && focused, [this] { ShowSelected(); });
    menu.addSeparator();
    add(QStringLiteral("Neuen Ordner anlegen..."), hasGroup, [this] { NewFolder(); });
    add(QStringLiteral("Existierende Ordnerstruktur importieren..."), hasGroup, [this] { ImportFolder(); });
    add(QStringLiteral("Alphabetisch sortieren"), hasGroup, [this] { SortItems(); });
    menu.addSeparator();
    add(QStringLiteral("Hinzufügen..."), hasGroup, [this] { AddFiles(); });
    add(QStringLiteral("Löschen"), hasGroup && focused, [this] { RemoveSelected(); });
    // Entries the menu has always offered without a function behind them.
    add(QStringLiteral("&Umbenennen"), false, [] {});
    add(QStringLiteral("Ungültige Einträge entfernen..."), false, [] {});
    menu.addSeparator();
    add(QStringLiteral("Kommentar ändern..."), hasGroup && selected.size() == 1, [this] { ChangeComment(); });
    QAction *start = add(QStringLiteral("Als Startseite festlegen"), true, [this] { SetStartPage(); });
    start->setVisible(hasGroup && selected.size() == 1 && TProjectFileCommands::CanBeStartPage(*current, selected.first()));
}

void TProjectFilesPage::ShowSelected()
{
    if (group() && m_commands.Show(m_tree->SelectedProjectItems()) > 0) {
        Show(group());
        emit filesShown();
    }
}

void TProjectFilesPage::NewFolder()
{
    if (group() && m_commands.NewFolder(*group(), m_tree->FocusedItem()))
        afterChange(group()->FindNextUpperFolder(m_tree->FocusedItem()));
}

void TProjectFilesPage::ImportFolder()
{
    TVYRAProjectGroupItem *focused = m_tree->FocusedItem();
    if (group() && m_commands.ImportFolder(*group(), focused))
        afterChange(group()->FindNextUpperFolder(focused));
}

void TProjectFilesPage::SortItems()
{
    if (!group())
        return;
    group()->AlphaSort();
    afterChange();
}

void TProjectFilesPage::AddFiles()
{
    TVYRAProjectGroupItem *focused = m_tree->FocusedItem();
    if (group() && m_commands.AddFiles(*group(), focused) > 0)
        afterChange(group()->FindNextUpperFolder(focused));
}

void TProjectFilesPage::RemoveSelected()
{
    if (group() && m_commands.Remove(m_tree->SelectedProjectItems()) > 0)
        afterChange();
}

void TProjectFilesPage::ChangeComment()
{
    const QList<TVYRAProjectGroupItem *> selected = m_tree->SelectedProjectItems();
    if (group() && selected.size() == 1 && m_commands.ChangeComment(selected.first()))
        afterChange();
}

void TProjectFilesPage::SetStartPage()
{
    const QList<TVYRAProjectGroupItem *> selected = m_tree->SelectedProjectItems();
    if (group() && selected.size() == 1 && m_commands.SetStartPage(*group(), selected.first()))
        afterChange();
}
