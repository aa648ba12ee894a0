#include "settings/TTalvexStudioEditorSettings.h"

bool TTalvexStudioEditorSettings::IsPropertyStored(const char *propertyName) const
{
    if (qstrcmp(propertyName, "BracketForegroundColor") == 0 || qstrcmp(propertyName, "BracketBackgroundColor") == 0)
        return HighlightBrackets;
    return TVYRAEditorSettings::IsPropertyStored(propertyName);
}
