#include "documents/TRecentFilesMenu.h"

#include "documents/IDocumentOperations.h"
#include "documents/TRecentMenuEntries.h"
#include "snippets/TVYRAMRUList.h"

#include <QAction>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMenu>

TRecentFilesMenu::TRecentFilesMenu(TVYRAMRUList &list, IDocumentOperations &operations, QObject *parent)
    : QObject(parent), m_list(list), m_operations(operations)
{
}

QString TRecentFilesMenu::Hint()
{
    return QStringLiteral("Öffnet die ausgewählte Datei in Talvex Studio.");
}

void TRecentFilesMenu::Fill(QMenu *menu)
{
    if (!menu)
        return;
    menu->clear();
    QFileIconProvider icons;
    for (const TRecentMenuEntry &entry : RecentMenuEntries(m_list.Items())) {
        if (entry.separatorBefore)
            menu->addSeparator();
        QAction *action = menu->addAction(icons.icon(QFileInfo(entry.fileName)), entry.caption);
        action->setStatusTip(Hint());
        action->setToolTip(Hint());
        const QString fileName = entry.fileName;
        connect(action, &QAction::triggered, this, [this, fileName] { m_operations.OpenFiles({fileName}); });
    }
}
