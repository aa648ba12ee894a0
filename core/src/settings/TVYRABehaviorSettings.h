#pragma once

#include "settings/TVYRAPersistent.h"
#include "settings/VYRASettingsTypes.h"

// What opening and closing a file does to the project groups.
class VYRA_EXPORT TVYRABehaviorSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(VYRASettingsTypes::TFileOpenOption FileOpenOptions MEMBER FileOpenOptions)
    Q_PROPERTY(VYRASettingsTypes::TFileCloseOption FileCloseOptions MEMBER FileCloseOptions)

public:
    using TVYRAPersistent::TVYRAPersistent;

    TFileOpenOption FileOpenOptions = fooAddToDefault;
    TFileCloseOption FileCloseOptions = fcoRemoveIfDefault;
};
