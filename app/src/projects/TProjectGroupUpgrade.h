#pragma once

#include "utils/TOperationResult.h"

#include <QByteArray>
#include <QString>

// Brings a project-group file of the older format (document element
// "talvexprojectgroup") into the studio's project format. The conversion
// happens in memory: the old element's children move under a new
// "talvexstudioproject" element, the result is read and written once as a
// studio project, and only then does it replace the file, whose old content
// stays beside it as "<file>.bak". A failure leaves the file as it was.
class TProjectGroupUpgrade
{
public:
    static const QString OlderRootName;

    // True for an existing file whose document element is the older one.
    static bool IsOlderFormat(const QString &fileName);
    // The converted form of the older XML; fileName names the file in
    // messages and stands for its folder. Fails with the reason.
    static TOperationResult ConvertBytes(const QByteArray &older, const QString &fileName, QByteArray &converted);
    // Converts the file in place, keeping a ".bak" copy of the original.
    static TOperationResult Convert(const QString &fileName);
    static QString BackupName(const QString &fileName) { return fileName + QStringLiteral(".bak"); }
    // The message shown when a conversion failed.
    static QString FailureText(const QString &details);
};
