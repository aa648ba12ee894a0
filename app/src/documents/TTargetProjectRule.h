#pragma once

#include "settings/VYRASettingsTypes.h"

#include <QString>

class TVYRAProjectGroupItems;
class TVYRAProjectGroupList;

// Which project group new and opened files go into.
class TTargetProjectRule
{
public:
    // The active group: none without groups, the only one when there is
    // one, otherwise the selected one (when it is still in the list).
    static TVYRAProjectGroupItems *ActiveGroup(const TVYRAProjectGroupList *groups,
                                               TVYRAProjectGroupItems *selected);
    // The active group when the option is fooAddToActive, else nullptr (the
    // container's default group).
    static TVYRAProjectGroupItems *Target(VYRASettingsTypes::TFileOpenOption option, TVYRAProjectGroupItems *active);
    // A project-group file opens as a group and never goes into one.
    static bool IsProjectGroupFile(const QString &fileName);
};
