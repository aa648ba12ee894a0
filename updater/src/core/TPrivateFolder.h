#pragma once

#include <QString>

// The user's own update folder: mode 0700, owned by the user, never a
// symbolic link, so that nobody else can put a file in that gets installed.
class TPrivateFolder
{
public:
    // $XDG_CACHE_HOME/Talvex Studio/TVSUpdate/ (with a trailing '/').
    static QString UpdateFolder();

    // Creates the folder or checks the one there, and empties it. Returns a
    // German error text, empty on success.
    static QString Prepare(const QString &folder);
    // Checks without changing anything.
    static QString Check(const QString &folder);
    // Removes every entry inside the folder; false when one stays.
    static bool Empty(const QString &folder);
};
