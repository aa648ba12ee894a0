#include "projectmanager/TProjectItemRemoval.h"

#include "documents/TVYRADocument.h"
#include "projectmanager/TProjectDropRules.h"
#include "projects/TVYRAProjectGroupItem.h"
#include "ui/TPrompter.h"

namespace {

const QString ClosingNote = QStringLiteral(
    "\r\nHinweis: Die entsprechenden Dokumente werden, falls sie in Talvex Studio geöffnet sind, geschlossen.");

void collectModified(const TVYRAProjectGroupItem &item, QList<TVYRADocument *> &documents)
{
    if (TVYRADocument *document = item.GetDocument(); document && document->GetModified())
        documents.append(document);
    for (int i = 0; i < item.GetCount(); ++i)
        collectModified(*item.GetItems(i), documents);
}

} // namespace

QString TProjectItemRemoval::Question(const QList<TVYRAProjectGroupItem *> &items)
{
    if (items.size() == 1)
        return QStringLiteral("Möchten Sie \"%1\" und alle untergeordneten Elemente aus der Projektgruppe entfernen?")
                   .arg(items.first()->GetName())
            + ClosingNote;
    return QStringLiteral("Möchten Sie alle ausgewählten Elemente und dessen untergeordnete Elemente aus der "
                          "Projektgruppe entfernen?")
        + ClosingNote;
}

QList<TVYRADocument *> TProjectItemRemoval::ModifiedDocuments(const TVYRAProjectGroupItem &item)
{
    QList<TVYRADocument *> documents;
    collectModified(item, documents);
    return documents;
}

int TProjectItemRemoval::Run(const QList<TVYRAProjectGroupItem *> &selected, TPrompter &prompter,
                             const TSaveQuestion &saveQuestion)
{
    const QList<TVYRAProjectGroupItem *> items = TProjectDropRules::OutermostItems(selected);
    if (items.isEmpty() || !prompter.confirm(Question(items)))
        return 0;
    int removed = 0;
    for (TVYRAProjectGroupItem *item : items) {
        for (TVYRADocument *document : ModifiedDocuments(*item)) {
            if (!saveQuestion || !saveQuestion(document))
                return removed;
        }
        TVYRAProjectGroupItem *parent = item->Parent();
        parent->RemoveItem(parent->IndexOf(item));
        ++removed;
    }
    return removed;
}
