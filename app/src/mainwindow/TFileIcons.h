#pragma once

#include <QIcon>
#include <QString>

// The icon the desktop associates with a file: of the file itself when it
// exists, else of its type by extension; the application icon for a
// document without a file.
class TFileIcons
{
public:
    static QIcon ForFile(const QString &fileName);
    static QIcon Application();
};
