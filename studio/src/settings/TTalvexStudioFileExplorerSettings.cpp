#include "settings/TTalvexStudioFileExplorerSettings.h"

bool TTalvexStudioFileExplorerSettings::IsPropertyStored(const char *propertyName) const
{
    if (qstrcmp(propertyName, "FileExplorerPath") == 0)
        return StorePath;
    return true;
}
