#pragma once

#include <QString>

// The web-server folder of the preview: an existing folder (or drive root)
// the user can read.
class TWebServerPath
{
public:
    // Empty when acceptable, else the message naming the folder.
    static QString Check(const QString &path);
};
