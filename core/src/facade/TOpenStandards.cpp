#include "facade/TOpenStandards.h"

#include "utils/XmlStore.h"
#include "utils/XmlNodes.h"

namespace {
const char *RootName = "openstandards";

QList<TOpenStandards::TEntry> readEntries(const pugi::xml_node &root)
{
    QList<TOpenStandards::TEntry> entries;
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element || !node.attribute("name"))
            continue;
        entries.append({GetNodeAttributeText(node, QStringLiteral("name")),
                        GetNodeBool(node, QStringLiteral("editormode")),
                        GetNodeText(node, QStringLiteral("highlighter"))});
    }
    return entries;
}
} // namespace

TOpenStandards TOpenStandards::Load(const QString &fileName)
{
    TOpenStandards result;
    pugi::xml_document doc;
    if (LoadXmlStore(doc, fileName, RootName))
        result.m_entries = readEntries(doc.document_element());
    return result;
}

TOpenStandards TOpenStandards::Parse(const QByteArray &data)
{
    TOpenStandards result;
    pugi::xml_document doc;
    if (ParseXmlStore(doc, data, RootName))
        result.m_entries = readEntries(doc.document_element());
    return result;
}

const TOpenStandards::TEntry *TOpenStandards::Find(const QString &extension) const
{
    const QString ext = extension.toLower();
    for (const TEntry &entry : m_entries) {
        if (entry.name == ext)
            return &entry;
    }
    return nullptr;
}
