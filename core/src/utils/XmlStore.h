#pragma once

#include "vyra_export.h"

#include <QString>
#include <pugixml.hpp>

// The rules every small XML store of the file types and highlighters keeps:
// a missing file is no error, a file whose root has another name is ignored
// by the loader and left alone by the saver, a damaged file raises
// EInvalidVYRAFormat and is never written over.

// True when the file was loaded and its root is rootName.
VYRA_EXPORT bool LoadXmlStore(pugi::xml_document &doc, const QString &fileName, const char *rootName);
// Same rules for bytes already read (fuzzing, tests).
VYRA_EXPORT bool ParseXmlStore(pugi::xml_document &doc, const QByteArray &data, const char *rootName);
// Loads the file for rewriting: a missing file gives a new document with an
// empty root; the root's children are removed. False for a wrong root.
VYRA_EXPORT bool OpenXmlStoreForSave(pugi::xml_document &doc, const QString &fileName, const char *rootName);
// Saves; raises EVYRAException with the German reason when the file cannot be written.
VYRA_EXPORT void SaveXmlStore(const pugi::xml_document &doc, const QString &fileName);
