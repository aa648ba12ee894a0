#include "settings/TTalvexStudioBrowserSettings.h"

int TTalvexStudioBrowserSettings::IndexOf(const QString &name) const
{
    return IndexOfKey(&TTalvexStudioBrowser::BrowserName, name);
}

int TTalvexStudioBrowserSettings::IndexOfFileName(const QString &path) const
{
    return IndexOfKey(&TTalvexStudioBrowser::Path, path);
}
