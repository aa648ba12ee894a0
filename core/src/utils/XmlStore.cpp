#include "utils/XmlStore.h"

#include "utils/VYRAExceptions.h"
#include "utils/TXmlDocumentFile.h"

namespace {
bool checkResult(const TXmlDocumentFile::TLoadResult &result, const pugi::xml_document &doc, const char *rootName)
{
    using S = TXmlDocumentFile::TLoadStatus;
    switch (result.status) {
    case S::Missing:
    case S::NoRoot:
        return false;
    case S::Damaged:
    case S::Unreadable:
        throw EInvalidVYRAFormat(result.error);
    case S::Loaded:
        break;
    }
    return qstrcmp(doc.document_element().name(), rootName) == 0;
}
} // namespace

bool LoadXmlStore(pugi::xml_document &doc, const QString &fileName, const char *rootName)
{
    return checkResult(TXmlDocumentFile::Load(fileName, doc), doc, rootName);
}

bool ParseXmlStore(pugi::xml_document &doc, const QByteArray &data, const char *rootName)
{
    return checkResult(TXmlDocumentFile::Parse(data, doc), doc, rootName);
}

bool OpenXmlStoreForSave(pugi::xml_document &doc, const QString &fileName, const char *rootName)
{
    const auto result = TXmlDocumentFile::Load(fileName, doc);
    if (result.status == TXmlDocumentFile::TLoadStatus::Missing) {
        doc.reset();
        doc.append_child(rootName);
        return true;
    }
    if (!checkResult(result, doc, rootName))
        return false;
    pugi::xml_node root = doc.document_element();
    while (root.first_child())
        root.remove_child(root.first_child());
    return true;
}

void SaveXmlStore(const pugi::xml_document &doc, const QString &fileName)
{
    QString error;
    if (!TXmlDocumentFile::Save(doc, fileName, &error))
        throw EVYRAException(error);
}
