#include "search/TTalvexStudioFileSearchResult.h"

#include "documents/TVYRADocument.h"

TTalvexStudioFileSearchResult::TTalvexStudioFileSearchResult(const QString &fileName, TVYRADocument *document,
                                                             int32_t position, int32_t length)
    : Length(length)
    , FileName(fileName)
    , Document(document)
    , Position(position)
{
}
