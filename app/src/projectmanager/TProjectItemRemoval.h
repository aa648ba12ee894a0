#pragma once

#include <QList>
#include <QString>
#include <functional>

class TPrompter;
class TVYRADocument;
class TVYRAProjectGroupItem;

// "Löschen" in the project manager: one question for the selected items
// (naming the item when there is one), then, before an item goes, the save
// question for every modified open document at or below it, since removing
// an item closes its documents. Cancelling that question, or a save that
// fails, stops the removal there: nothing the user typed is lost.
class TProjectItemRemoval
{
public:
    // Asks whether a modified document is saved before it is closed; false
    // stops the removal (cancelled, or the save failed).
    using TSaveQuestion = std::function<bool(TVYRADocument *document)>;

    static QString Question(const QList<TVYRAProjectGroupItem *> &items);
    // The number of items removed (their children go with them).
    static int Run(const QList<TVYRAProjectGroupItem *> &selected, TPrompter &prompter,
                   const TSaveQuestion &saveQuestion);
    // The modified open documents of the item and its descendants.
    static QList<TVYRADocument *> ModifiedDocuments(const TVYRAProjectGroupItem &item);
};
