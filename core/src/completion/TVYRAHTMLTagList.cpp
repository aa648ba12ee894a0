#include "completion/TVYRAHTMLTagList.h"

#include "utils/TXmlDocumentFile.h"
#include "utils/VYRAExceptions.h"

#include <QFileInfo>
#include <pugixml.hpp>

namespace {
void loadChecked(const TXmlDocumentFile::TLoadResult &result)
{
    using S = TXmlDocumentFile::TLoadStatus;
    if (result.status == S::Damaged || result.status == S::Unreadable)
        throw EInvalidVYRAFormat(result.error);
}
} // namespace

TVYRAHTMLTagList::TVYRAHTMLTagList(const QString &fileName) : m_fileName(fileName)
{
    LoadTagList();
}

void TVYRAHTMLTagList::LoadTagList()
{
    if (!QFileInfo::exists(m_fileName))
        return;
    pugi::xml_document doc;
    loadChecked(TXmlDocumentFile::Load(m_fileName, doc));
    read(doc.document_element());
}

void TVYRAHTMLTagList::LoadFromData(const QByteArray &data)
{
    pugi::xml_document doc;
    loadChecked(TXmlDocumentFile::Parse(data, doc));
    read(doc.document_element());
}

void TVYRAHTMLTagList::read(const pugi::xml_node &root)
{
    m_tags.clear();
    for (pugi::xml_node node = root.child("tag"); node; node = node.next_sibling("tag")) {
        TVYRAHTMLTag tag;
        tag.Load(node);
        m_tags.append(tag);
    }
    // Universal attributes after all tags, wherever the block stands.
    for (pugi::xml_node block = root.child("universalattributes"); block;
         block = block.next_sibling("universalattributes"))
        addUniversal(block);
}

void TVYRAHTMLTagList::addUniversal(const pugi::xml_node &block)
{
    for (pugi::xml_node node = block.child("attribute"); node; node = node.next_sibling("attribute")) {
        const TVYRAHTMLTagAttribute attribute = TVYRAHTMLTagAttribute::FromXml(node);
        QStringList excluded = QString::fromUtf8(node.attribute("exclude").value()).split(u';');
        for (QString &name : excluded)
            name = name.trimmed();
        for (TVYRAHTMLTag &tag : m_tags) {
            if (!excluded.contains(tag.Name, Qt::CaseInsensitive))
                tag.Add(attribute);
        }
    }
}

int TVYRAHTMLTagList::IndexOf(const QString &name) const
{
    for (int i = 0; i < m_tags.size(); ++i) {
        if (m_tags[i].Name == name)
            return i;
    }
    return -1;
}
