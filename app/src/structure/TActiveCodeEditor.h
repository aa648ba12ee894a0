#pragma once

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"

class TCodeEditor;

// The code editor of a document when it can be edited in one: the document
// is open in the container and shown in the source editor; else nullptr.
inline TCodeEditor *EditableCodeEditor(TVYRADocumentContainer &container, TVYRADocument *document)
{
    const int index = document ? container.Documents().IndexOf(document) : -1;
    if (index < 0 || !document->EditorMode())
        return nullptr;
    return container.GetSynEdit(index);
}
