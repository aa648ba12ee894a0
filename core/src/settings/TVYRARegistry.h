#pragma once

#include "vyra_export.h"

#include <QString>
#include <memory>

class QSettings;

// Registry-stored data on Linux: a root key handle and a key path such as
// "Software\Halvorn\Talvex\1.0.0.0\Settings" map to QSettings of organisation
// "Halvorn", application "Talvex" and the group "1.0.0.0/Settings".
class VYRA_EXPORT TVYRARegistry
{
public:
    static constexpr quint32 HKeyCurrentUser = 0x80000001u;
    static constexpr quint32 HKeyLocalMachine = 0x80000002u;

    // The settings opened at the key's group; HKeyLocalMachine gives the
    // system scope, any other root the user scope.
    static std::unique_ptr<QSettings> Open(quint32 root, const QString &key);
};
