#include "facade/IEditorDocument.h"

IEditorDocument::~IEditorDocument() = default;
