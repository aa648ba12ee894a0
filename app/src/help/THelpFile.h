#pragma once

#include <QString>

// Where the user guide is. It is shipped in the "help" folder of the common
// data directory; a program run from the build tree or an installation
// without a data switch finds it beside the program as well.
class THelpFile
{
public:
    // The start page of the guide: the first of the candidate files that
    // exists, else the first candidate (so a message can name where it was
    // looked for). Folders may be given with or without a trailing slash.
    static QString Locate(const QString &commonDataDir, const QString &programBaseDir);
};
