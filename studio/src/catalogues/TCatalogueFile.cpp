#include "catalogues/TCatalogueFile.h"

#include "utils/TXmlDocumentFile.h"

namespace {

void collectText(const pugi::xml_node &node, QByteArray &out)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            out += child.value();
        else if (child.type() == pugi::node_element)
            collectText(child, out);
    }
}

} // namespace

pugi::xml_node TCatalogueFile::Load(const QString &fileName)
{
    const TXmlDocumentFile::TLoadResult result = TXmlDocumentFile::Load(fileName, m_document);
    m_errorText = result.error;
    if (result.status != TXmlDocumentFile::TLoadStatus::Loaded)
        return {};
    return m_document.document_element();
}

pugi::xml_node TCatalogueFile::Parse(const QByteArray &data, const QString &fileName)
{
    const TXmlDocumentFile::TLoadResult result = TXmlDocumentFile::Parse(data, m_document);
    m_errorText.clear();
    if (result.status == TXmlDocumentFile::TLoadStatus::Damaged)
        m_errorText = QStringLiteral("Die Datei \"%1\" ist beschädigt. %2").arg(fileName, result.error);
    if (result.status != TXmlDocumentFile::TLoadStatus::Loaded)
        return {};
    return m_document.document_element();
}

QString TCatalogueFile::ElementText(const pugi::xml_node &node)
{
    QByteArray text;
    collectText(node, text);
    return QString::fromUtf8(text);
}
