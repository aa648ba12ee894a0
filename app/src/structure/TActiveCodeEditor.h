#pragma once

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"

class TCodeEditor;

// The code editor of a document open in the container, else nullptr.
inline TCodeEditor *EditableCodeEditor(TVYRADocumentContainer &container, TVYRADocument *document)
{
    const int index = document ? container.Documents().IndexOf(document) : -1;
    if (index < 0)
        return nullptr;
    return container.GetSynEdit(index);
}
