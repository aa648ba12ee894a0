#pragma once

#include "projects/TVYRAProjectTypes.h"

#include <QString>
#include <functional>

class TVYRAProjectGroupItem;
class TVYRAProjectGroupItems;

// The project events the main program sets once on the core; every project
// group copies them when it is created.
struct TVYRAProjectEvents {
    // Asked before synchronisation copies or moves something into a group.
    // wantedDestination starts as the path the entry would get; allowAdd
    // starts false.
    using TAddingProjectItem = std::function<void(TVYRAProjectGroupItems *sender, TVYRAProjectItemType itemType,
                                                  const QString &elementName, QString &wantedDestination,
                                                  bool &allowAdd)>;
    using TProjectItemNotify = std::function<void(TVYRAProjectGroupItems *sender, TVYRAProjectGroupItem *item)>;
    using TModifiedNotify = std::function<void(TVYRAProjectGroupItems *sender, bool state)>;

    TAddingProjectItem OnAddingProjectItem;
    TProjectItemNotify OnProjectItemAdded;
    // Called while the node is still whole, before it leaves the tree.
    TProjectItemNotify OnProjectItemRemoved;
    TModifiedNotify OnModified;
};

// A moved node meets a sibling of the same name; action starts as racCancel.
using TVYRAProjectItemCollision = std::function<void(TVYRAProjectGroupItems *sender, TVYRAProjectGroupItem *colliding,
                                                     TVYRAProjectGroupItem *existing, TVYRARenameAction &action)>;
