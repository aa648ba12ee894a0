#pragma once

class TTalvexStudioFileSearchResult;
class TVYRADocumentContainer;

// Shows a hit of a file search: activates the document it was found in, or
// when that was closed (or the hit came from disk) the document open under
// the file's name, opening the file when none is; then selects the hit.
class TSearchHitOpener
{
public:
    explicit TSearchHitOpener(TVYRADocumentContainer &container);
    // False when the file could not be opened (nothing is selected then).
    bool Open(const TTalvexStudioFileSearchResult &hit);

private:
    int documentIndexOf(const TTalvexStudioFileSearchResult &hit) const;

    TVYRADocumentContainer &m_container;
};
