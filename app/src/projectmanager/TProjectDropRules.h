#pragma once

#include "documents/TDocumentResult.h"

#include <QList>
#include <QString>
#include <QStringList>

class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// Where a drop lands relative to the row under the mouse.
enum class TDropPosition { OnItem, AboveItem, BelowItem, Viewport };

// The rules for rows moved inside the project manager's tree: the folder a
// drop goes into, which of the dragged items move (an item inside a folder
// that moves as well goes with it), and the refusal of any drop into a
// dragged folder or below it, which would hang the folder below itself.
class TProjectDropRules
{
public:
    struct TPlan {
        TVYRAProjectGroupItem *target = nullptr;
        QList<TVYRAProjectGroupItem *> items;
        // Nothing may move; target and items are empty.
        bool refused = false;
    };

    // On a folder: that folder; on a file: the nearest folder above it; above
    // or below a folder: the folder that holds it; empty space: the root.
    static TVYRAProjectGroupItem *TargetFolder(TVYRAProjectGroupItems &group, TVYRAProjectGroupItem *dropItem,
                                               TDropPosition position);
    // The items without the root and without items below another of the folders, in order
    // (an item inside a folder that moves or goes away goes with it).
    static QList<TVYRAProjectGroupItem *> OutermostItems(const QList<TVYRAProjectGroupItem *> &dragged);
    static TPlan Plan(TVYRAProjectGroupItems &group, const QList<TVYRAProjectGroupItem *> &dragged,
                      TVYRAProjectGroupItem *dropItem, TDropPosition position);
    // Re-parents every item of the plan (the core keeps the disk in step);
    // the error texts of the moves that failed.
    static QStringList Run(const TPlan &plan);
    // Position within a row of the given height: the outer quarters are above and below.
    static TDropPosition PositionInRow(int y, int rowTop, int rowHeight);
};
