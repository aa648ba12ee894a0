#pragma once

#include "documents/TDocumentResult.h"
#include "vyra_export.h"

#include <QIODevice>
#include <QString>
#include <functional>

// Writes a file through QSaveFile: the content goes to a temporary file that
// replaces the target only when everything was written, so a failed save
// leaves the old file whole. Missing folders are created.
class VYRA_EXPORT TSafeFileWriter
{
public:
    using Writer = std::function<TDocumentResult(QIODevice &device)>;

    static TDocumentResult Write(const QString &fileName, const Writer &writer);
    static TDocumentResult Write(const QString &fileName, const QByteArray &content);
};
