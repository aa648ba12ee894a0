#pragma once

#include "orvane_export.h"
#include "settings/TVYRAPersistent.h"

// The PHP interpreter and the web server folder used for previews.
class ORVANE_EXPORT TTalvexStudioPHPSettings : public TVYRAPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString PHPExeFile MEMBER PHPExeFile)
    Q_PROPERTY(bool PreviewUnknownExt MEMBER PreviewUnknownExt)
    Q_PROPERTY(QString WebServerPath MEMBER WebServerPath)

public:
    using TVYRAPersistent::TVYRAPersistent;

    QString PHPExeFile;
    bool PreviewUnknownExt = false;
    QString WebServerPath;
};
