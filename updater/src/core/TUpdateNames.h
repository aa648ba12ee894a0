#pragma once

#include <QString>

// The file names the editor, the assistant and the helper know each other by.
namespace TUpdateNames {
inline QString Editor() { return QStringLiteral("TalvexStudio"); }
inline QString Assistant() { return QStringLiteral("TalvexStudioUpdater"); }
// The helper's name once the assistant has written it into the update folder.
inline QString WrittenHelper() { return QStringLiteral("TalvexUpdateHelper"); }
inline QString DataIni() { return QStringLiteral("updatedata.ini"); }
inline QString DataIniSection() { return QStringLiteral("updatedata"); }

inline QString CheckSwitch() { return QStringLiteral("-checkupdates"); }
inline QString DownloadSwitch() { return QStringLiteral("-downloadupdates"); }
inline QString FinishSwitch() { return QStringLiteral("-finish"); }
inline QString HelperSwitch() { return QStringLiteral("-update"); }

// The exit code of the silent check when updates are offered.
constexpr int UpdatesAvailableExitCode = 255;
} // namespace TUpdateNames
