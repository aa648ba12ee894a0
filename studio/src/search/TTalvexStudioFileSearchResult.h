#pragma once

#include "orvane_export.h"

#include <QPointer>
#include <QString>
#include <cstdint>

class TVYRADocument;

// One hit of a file search. The document is held weakly: it may be closed
// while the hit is still listed, and then the hit names only its file.
class ORVANE_EXPORT TTalvexStudioFileSearchResult
{
public:
    TTalvexStudioFileSearchResult() = default;
    TTalvexStudioFileSearchResult(const QString &fileName, TVYRADocument *document, int32_t position,
                                  int32_t length);

    int32_t Length = 0;
    QString FileName;
    // nullptr for a hit in a file read from disk, or once its document closed.
    QPointer<TVYRADocument> Document;
    // 0-based character offset of the hit in the text.
    int32_t Position = 0;
};
