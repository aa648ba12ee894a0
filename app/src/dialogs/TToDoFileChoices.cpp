#include "dialogs/TToDoFileChoices.h"

#include "projectmanager/TToDoTexts.h"
#include "projects/TTalvexStudioProject.h"
#include "projects/TTalvexStudioProjectItem.h"
#include "utils/FileUtils.h"

namespace {

void collectFiles(const TVYRAProjectGroupItem &node, QList<TToDoFileChoices::TChoice> &choices)
{
    for (int i = 0; i < node.GetCount(); ++i) {
        const TVYRAProjectGroupItem *child = node.GetItems(i);
        if (child->ItemType() == pitFile) {
            const auto *item = dynamic_cast<const TTalvexStudioProjectItem *>(child);
            QString path = ExcludeTrailingPathDelimiter(child->GetFullPath());
            while (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\')))
                path.remove(0, 1);
            choices.append({path, item ? item->ID() : QUuid(), child->PhysicalFileName()});
        }
        collectFiles(*child, choices);
    }
}

} // namespace

QList<TToDoFileChoices::TChoice> TToDoFileChoices::Build(const TTalvexStudioProject &project)
{
    QList<TChoice> choices{{TToDoTexts::NoFile, QUuid(), QString()}};
    collectFiles(*project.Root(), choices);
    return choices;
}

int TToDoFileChoices::Select(QList<TChoice> &choices, const TTalvexStudioProject &project, const QUuid &id)
{
    if (id.isNull())
        return 0;
    for (int i = 1; i < choices.size(); ++i) {
        if (choices.at(i).id == id)
            return i;
    }
    const QString recorded = project.RealFileNameByGUID(id);
    if (recorded.isEmpty())
        return 0;
    choices.append({recorded, id, recorded});
    return int(choices.size()) - 1;
}
