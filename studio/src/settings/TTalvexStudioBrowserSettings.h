#pragma once

#include "settings/TTalvexStudioBrowser.h"
#include "settings/TVYRAOwnedCollection.h"

// The browsers offered for previews.
class ORVANE_EXPORT TTalvexStudioBrowserSettings : public TVYRAOwnedCollection<TTalvexStudioBrowser>
{
public:
    // Index of the first browser of that name / program path (exact), -1 if none.
    int IndexOf(const QString &name) const;
    int IndexOfFileName(const QString &path) const;
};
