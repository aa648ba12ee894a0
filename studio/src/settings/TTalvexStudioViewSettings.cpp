#include "settings/TTalvexStudioViewSettings.h"

bool TTalvexStudioViewSettings::IsPropertyStored(const char *propertyName) const
{
    if (qstrcmp(propertyName, "SkipDefaultGroupSaveDialog") == 0)
        return SkipDefaultGroupSaveDialog;
    return true;
}
