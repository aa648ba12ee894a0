#include "snippets/TVYRAMRUList.h"

#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"
#include "utils/XmlStore.h"

#include <pugixml.hpp>

namespace {

const char *const kRootName = "recent";

QString itemName(int i)
{
    return QStringLiteral("item%1").arg(i);
}

// Item i is looked up by its name among the first MaxCount children, so a
// gap (item1 missing) skips that place rather than ending the list.
QStringList readItems(const pugi::xml_node &root, int maxCount)
{
    int children = 0;
    for (pugi::xml_node child = root.first_child(); child && children < maxCount; child = child.next_sibling()) {
        if (child.type() == pugi::node_element)
            ++children;
    }
    QStringList items;
    for (int i = 0; i < children; ++i) {
        if (root.child(itemName(i).toUtf8().constData()))
            items.append(GetNodeText(root, itemName(i)));
    }
    return items;
}

} // namespace

TVYRAMRUList::TVYRAMRUList(const QString &fileName)
    : m_fileName(fileName)
{
    ReLoadFromXML();
}

void TVYRAMRUList::SetMaxCount(int maxCount)
{
    m_maxCount = qMax(1, maxCount);
}

TOperationResult TVYRAMRUList::ExpandList(const QString &fileName)
{
    if (fileName.isEmpty())
        return TOperationResult::success();
    const qsizetype index = m_items.indexOf(fileName);
    const bool isNew = index < 0;
    if (isNew)
        m_items.prepend(fileName);
    else
        m_items.swapItemsAt(0, index);
    while (m_items.size() > m_maxCount)
        m_items.removeLast();
    if (m_onChange)
        m_onChange(*this, fileName, isNew);
    return SaveToXML();
}

TOperationResult TVYRAMRUList::SaveToXML() const
{
    const QString failed = QStringLiteral("Die Liste der zuletzt geöffneten Dateien konnte nicht in \"%1\" "
                                          "gespeichert werden: %2");
    pugi::xml_document doc;
    try {
        if (!OpenXmlStoreForSave(doc, m_fileName, kRootName)) {
            return TOperationResult::failure(
                failed.arg(m_fileName, QStringLiteral("Die Datei hat nicht das Wurzelelement \"recent\".")));
        }
        pugi::xml_node root = doc.document_element();
        for (int i = 0; i < m_maxCount && i < m_items.size(); ++i)
            root.append_child(itemName(i).toUtf8().constData()).text().set(m_items.at(i).toUtf8().constData());
        SaveXmlStore(doc, m_fileName);
    } catch (const EVYRAException &error) {
        return TOperationResult::failure(failed.arg(m_fileName, error.message()));
    }
    return TOperationResult::success();
}

void TVYRAMRUList::ReLoadFromXML()
{
    m_items.clear();
    pugi::xml_document doc;
    if (LoadXmlStore(doc, m_fileName, kRootName))
        m_items = readItems(doc.document_element(), m_maxCount);
}

void TVYRAMRUList::LoadFromData(const QByteArray &data)
{
    m_items.clear();
    pugi::xml_document doc;
    if (ParseXmlStore(doc, data, kRootName))
        m_items = readItems(doc.document_element(), m_maxCount);
}
