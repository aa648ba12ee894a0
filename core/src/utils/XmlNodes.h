#pragma once

#include "vyra_export.h"

#include <QString>
#include <optional>
#include <QStringList>
#include <pugixml.hpp>

// Helpers on pugixml nodes used by every XML store. Texts cross the boundary
// as QString; pugixml holds UTF-8. A null node or a missing child never
// raises: the default is returned instead.

// A number as the stores write it: decimal, or hexadecimal after "$" or "0x".
VYRA_EXPORT std::optional<int> ParseNodeInt(const QString &text);
// All text below an element in document order (CDATA included), as a DOM's "text" gives it.
VYRA_EXPORT QString GetElementText(const pugi::xml_node &node);
// Text of the first child element named childName, or the default.
VYRA_EXPORT QString GetNodeText(const pugi::xml_node &node, const QString &childName,
                                const QString &defaultValue = QString());
// Value of the attribute, or the default when the node has no such attribute.
VYRA_EXPORT QString GetNodeAttributeText(const pugi::xml_node &node, const QString &attributeName,
                                         const QString &defaultValue = QString());
// The child's text as integer; raises EConvertError when the text is not one.
// A missing node or child gives 0.
VYRA_EXPORT int GetNodeInt(const pugi::xml_node &node, const QString &childName);
// The child's text as integer, or the default when it is not one.
VYRA_EXPORT int GetNodeInt(const pugi::xml_node &node, const QString &childName, int defaultValue);
// "True"/"False" (any case), "0" false, other integers true; else the default.
VYRA_EXPORT bool GetNodeBool(const pugi::xml_node &node, const QString &childName, bool defaultValue = false);

// Sets the text of the first child named childName, appending the child when
// missing. Every text reads back unchanged through GetNodeText. With Escape
// the text is written with markup characters escaped; without, it is written
// as a CDATA section so the file shows it as typed.
VYRA_EXPORT void SetNodeText(pugi::xml_node node, const QString &childName, const QString &value,
                             bool Escape = true);
VYRA_EXPORT void SetNodeBool(pugi::xml_node node, const QString &childName, bool value, bool Escape = true);
VYRA_EXPORT void SetNodeInt(pugi::xml_node node, const QString &childName, int value, bool Escape = true);

// Writes a new document "<rootName>" with one empty child per name, creating
// the folder when missing. False when a name is no valid XML name or the file
// cannot be written (an existing file then stays as it was).
VYRA_EXPORT bool CreateXMLFile(const QString &fileName, const QString &rootName, const QStringList &childNames);

// Loads a file. Honours a BOM or a declared encoding; "windows-1252" and
// "iso-8859-1" are read as Windows-1252. Line breaks inside texts are kept as
// stored, and a whitespace-only text that is an element's only content is kept.
VYRA_EXPORT bool LoadXmlDocument(pugi::xml_document &doc, const QString &fileName, QString *error = nullptr);
// Parses a document from bytes with the same rules.
VYRA_EXPORT bool LoadXmlDocumentFromBytes(pugi::xml_document &doc, const QByteArray &bytes,
                                          QString *error = nullptr);
// The document as UTF-8 with a declaration and 2-space indent.
VYRA_EXPORT QByteArray XmlDocumentToBytes(const pugi::xml_document &doc);
// Saves the document through QSaveFile; on failure the old file stays whole.
VYRA_EXPORT bool SaveXmlDocument(const pugi::xml_document &doc, const QString &fileName, QString *error);

// True for a name that may stand as an XML element or attribute name.
VYRA_EXPORT bool IsValidXmlName(const QString &name);
