#pragma once

#include <QString>

// Whether a file of ours was put in place by the system's package manager
// (the Debian package "talvex-studio"). Such files belong to dpkg: replacing
// them behind its back would leave the package database wrong and be undone
// by the next package upgrade, whoever has the rights to write them.
class TSystemPackage
{
public:
    static QString PackageName() { return QStringLiteral("talvex-studio"); }
    // dpkg's list of the files each installed package owns.
    static QString DefaultInfoFolder() { return QStringLiteral("/var/lib/dpkg/info"); }

    // True when the package's file list in infoFolder names file exactly.
    static bool Owns(const QString &file, const QString &infoFolder = DefaultInfoFolder());
};
