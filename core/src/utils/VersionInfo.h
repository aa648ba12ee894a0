#pragma once

#include "vyra_export.h"

#include <QDateTime>
#include <QString>
#include <optional>

// Version and build time of a binary of ours. Each of our binaries embeds the
// marker "@(#)TALVEX-VERSION:<a.b.c.d>:<ISO build time stamp>;"; for the
// running program the compiled-in values are used. An empty file name means
// the running program.

struct VYRA_EXPORT TVersionNumber {
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
};

// Reads the marker from a file (in chunks); nullopt when it holds none.
struct VYRA_EXPORT TVersionMarker {
    TVersionNumber version;
    QDateTime buildTime; // UTC; invalid when the marker's time stamp is unreadable
};
VYRA_EXPORT std::optional<TVersionMarker> ReadVersionMarker(const QString &fileName);

// "major.minor.release.build"; compact: "major.minor" followed directly by
// the release number when above 0 and the build number when not 0. Empty for
// a file without marker.
VYRA_EXPORT QString GetVersion(const QString &fileName = QString(), bool compact = false);
VYRA_EXPORT QString FormatVersion(const TVersionNumber &version, bool compact);
// "Version <full version>".
VYRA_EXPORT QString GetFileVersion(const QString &fileName = QString());
// The compact version without its first dot, followed by "0" when the compact
// version has 4 or more characters: 1.2 gives 12, 1.23 gives 1230. 0 when
// there is no version.
VYRA_EXPORT int GetIntVersion(const QString &fileName = QString());
VYRA_EXPORT int IntVersionOf(const QString &compactVersion);
// The build time in local time as "mmm dd yyyy at hh:mm AM/PM " (English
// month abbreviation, trailing blank); empty when unknown.
VYRA_EXPORT QString GetDate(const QString &fileName = QString());
VYRA_EXPORT QString FormatBuildDate(const QDateTime &time);
