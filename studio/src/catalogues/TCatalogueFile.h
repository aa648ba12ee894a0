#pragma once

#include "orvane_export.h"

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

// Reads one small catalogue of the data folder. A missing or empty file is no
// error and holds nothing; a damaged or unreadable one holds nothing either,
// and says why in German, naming the file. Never raises.
class ORVANE_EXPORT TCatalogueFile
{
public:
    // The document element of the file, or a null node when it holds nothing.
    pugi::xml_node Load(const QString &fileName);
    // The same for bytes already read; fileName only names them in messages.
    pugi::xml_node Parse(const QByteArray &data, const QString &fileName);

    // Empty unless the file was damaged or unreadable.
    QString ErrorText() const { return m_errorText; }

    // All text of an element in document order, character data included.
    static QString ElementText(const pugi::xml_node &node);

private:
    pugi::xml_document m_document;
    QString m_errorText;
};
