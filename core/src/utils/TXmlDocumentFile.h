#pragma once

#include "vyra_export.h"

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

// A whole XML document file for the settings serializer: loading tells a
// missing, empty, damaged and unreadable file apart; saving goes through the
// common XML helpers (UTF-8, a temporary file that replaces the old one only
// when complete); a damaged file can be kept as a copy beside it.
class VYRA_EXPORT TXmlDocumentFile
{
public:
    enum class TLoadStatus {
        Missing,    // no such file
        Loaded,     // parsed, with a document element
        NoRoot,     // parsed, but empty or without a document element
        Damaged,    // not well-formed
        Unreadable, // exists but cannot be read
    };

    struct TLoadResult {
        TLoadStatus status = TLoadStatus::Missing;
        QString error; // German text for Damaged and Unreadable
    };

    // Loads the file; raw receives its bytes when given.
    static TLoadResult Load(const QString &fileName, pugi::xml_document &document, QByteArray *raw = nullptr);
    static TLoadResult Parse(const QByteArray &data, pugi::xml_document &document);
    // Writes the document; false with a German error text on failure, in
    // which case the old file is left as it was.
    static bool Save(const pugi::xml_document &document, const QString &fileName, QString *error);
    static QByteArray ToBytes(const pugi::xml_document &document);
    // Copies the file to a new name beside it ("<name>.damaged", numbered
    // when taken) and returns that name; empty when the copy failed.
    static QString KeepDamagedCopy(const QString &fileName);
};
