#pragma once

#include "orvane_export.h"
#include "settings/TVYRAPersistent.h"
#include "settings/VYRASettingsTypes.h"

#include <QStringList>

// The search dialog's history and last options.
class ORVANE_EXPORT TTalvexStudioSearchSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(QStringList SearchHistory MEMBER SearchHistory)
    Q_PROPERTY(VYRASettingsTypes::TVYRASearchOptions LastOptions MEMBER LastOptions)

public:
    using TVYRAPersistent::TVYRAPersistent;

    QStringList SearchHistory;
    TVYRASearchOptions LastOptions;
};
