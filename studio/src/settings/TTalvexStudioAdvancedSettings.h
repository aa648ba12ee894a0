#pragma once

#include "orvane_export.h"
#include "settings/TVYRAAdvancedSettings.h"

// The framework's advanced group; the studio keeps the update addresses and
// the file-type detection out of its settings file, but not the address
// error reports go to.
class ORVANE_EXPORT TTalvexStudioAdvancedSettings : public TVYRAAdvancedSettings
{
    Q_OBJECT
    Q_PROPERTY(QString UpdateUrl MEMBER UpdateUrl STORED false)
    Q_PROPERTY(QString SiteUrl MEMBER SiteUrl STORED false)
    Q_PROPERTY(bool AutoDetectFileType MEMBER AutoDetectFileType STORED false)
    Q_PROPERTY(bool WarnUnsupportedFileOpenAttempt MEMBER WarnUnsupportedFileOpenAttempt)
    Q_PROPERTY(bool CheckUpdatesOnStart MEMBER CheckUpdatesOnStart)
    Q_PROPERTY(QString ErrorReportUrl MEMBER ErrorReportUrl)

public:
    using TVYRAAdvancedSettings::TVYRAAdvancedSettings;

    bool WarnUnsupportedFileOpenAttempt = false;
    bool CheckUpdatesOnStart = false;
    // Where error reports are sent (an HTTPS address); empty: no sending.
    QString ErrorReportUrl;
};
