#pragma once

#include <QByteArrayView>
#include <QString>

// Writes the helper program the assistant carries into the update folder and
// starts it, detached, with "-update <program folder> <pid> <assistant>".
class THelperLauncher
{
public:
    // Returns a German error text, empty when the helper runs.
    static QString Launch(QByteArrayView helperProgram, const QString &updateFolder, const QString &programFolder,
                          qint64 assistantPid, const QString &assistantPath);
};
