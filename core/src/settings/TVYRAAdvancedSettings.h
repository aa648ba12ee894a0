#pragma once

#include "settings/TVYRAPersistent.h"

// Update addresses and the detection of file types.
class VYRA_EXPORT TVYRAAdvancedSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString UpdateUrl MEMBER UpdateUrl)
    Q_PROPERTY(QString SiteUrl MEMBER SiteUrl)
    Q_PROPERTY(bool AutoDetectFileType MEMBER AutoDetectFileType)

public:
    using TVYRAPersistent::TVYRAPersistent;

    QString UpdateUrl; // "%d" stands for a number
    QString SiteUrl;
    bool AutoDetectFileType = false; // false: file types by extension
};
