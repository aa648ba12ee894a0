#pragma once

#include <QString>

// One entry of the update list, with what the check found out about the
// installed file. TargetDir and LocalFile are filled by the check.
struct TUpdateFile {
    QString FileName;
    QString RemotePath;  // the URL prefix in force when the entry was read
    QString Target;      // the installation folder as listed, with placeholders
    QString TargetDir;   // Target expanded, with a trailing '/'
    QString LocalFile;   // the installed file compared against
    QString FileVersion; // the version the update brings
    QString SHA1;
    qint64 Size = 0;     // download size of the archive in bytes
    bool Optional = false;
    bool SystemFile = false;
    bool ForceUpdate = false;

    QString LocalVersion;   // version of LocalFile; empty when none
    bool Installed = false; // LocalFile exists
    bool Checked = true;    // optional entries can be deselected

    QString ArchiveName() const { return FileName + QStringLiteral(".zip"); }
};
