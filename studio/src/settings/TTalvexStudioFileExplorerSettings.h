#pragma once

#include "orvane_export.h"
#include "settings/TVYRAPersistent.h"

// The file explorer panel.
class ORVANE_EXPORT TTalvexStudioFileExplorerSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool StorePath MEMBER StorePath)
    Q_PROPERTY(QString FileExplorerPath MEMBER FileExplorerPath)
    Q_PROPERTY(bool ShowAllFiles MEMBER ShowAllFiles)

public:
    using TVYRAPersistent::TVYRAPersistent;

    // FileExplorerPath is written only while StorePath is set.
    bool IsPropertyStored(const char *propertyName) const override;

    bool StorePath = false;
    QString FileExplorerPath;
    bool ShowAllFiles = false;
};
