#include "tools/TVYRAToolList.h"

#include "utils/TXmlDocumentFile.h"
#include "utils/VYRAExceptions.h"
#include "utils/XmlNodes.h"
#include "utils/XmlStore.h"

#include <pugixml.hpp>

namespace {

const char *const kRootName = "tools";

std::vector<std::unique_ptr<TVYRATool>> readTools(const pugi::xml_node &root)
{
    std::vector<std::unique_ptr<TVYRATool>> tools;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        tools.push_back(std::make_unique<TVYRATool>(GetNodeText(child, QStringLiteral("file")),
                                                    GetNodeText(child, QStringLiteral("params")),
                                                    GetNodeText(child, QStringLiteral("name"))));
    }
    return tools;
}

pugi::xml_node nextElement(pugi::xml_node node)
{
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();
    return node;
}

} // namespace

TVYRAToolList::TVYRAToolList(const QString &fileName)
    : m_fileName(fileName)
{
    load();
}

TVYRAToolList::~TVYRAToolList() = default;

void TVYRAToolList::load()
{
    m_tools.clear();
    pugi::xml_document doc;
    if (LoadXmlStore(doc, m_fileName, kRootName))
        m_tools = readTools(doc.document_element());
}

void TVYRAToolList::LoadFromData(const QByteArray &data)
{
    m_tools.clear();
    pugi::xml_document doc;
    if (ParseXmlStore(doc, data, kRootName))
        m_tools = readTools(doc.document_element());
}

TVYRATool *TVYRAToolList::GetTool(int i) const
{
    return i >= 0 && i < GetCount() ? m_tools[std::size_t(i)].get() : nullptr;
}

void TVYRAToolList::SetTool(int i, std::unique_ptr<TVYRATool> tool)
{
    if (i >= 0 && i < GetCount() && tool)
        m_tools[std::size_t(i)] = std::move(tool);
}

int TVYRAToolList::AddTool(std::unique_ptr<TVYRATool> tool)
{
    if (!tool)
        return -1;
    m_tools.push_back(std::move(tool));
    return GetCount() - 1;
}

void TVYRAToolList::DeleteTool(int i)
{
    if (i >= 0 && i < GetCount())
        m_tools.erase(m_tools.begin() + i);
}

int TVYRAToolList::SearchTool(const QString &value, TToolSearchOptions key) const
{
    for (int i = 0; i < GetCount(); ++i) {
        const TVYRATool &tool = *m_tools[std::size_t(i)];
        const QString &field = key == tsoFileName ? tool.FileName : key == tsoParameter ? tool.Params : tool.Name;
        if (field == value)
            return i;
    }
    return -1;
}

TOperationResult TVYRAToolList::Save() const
{
    const QString failed = QStringLiteral("Die Werkzeugliste konnte nicht in \"%1\" gespeichert werden: %2");
    pugi::xml_document doc;
    const TXmlDocumentFile::TLoadResult loaded = TXmlDocumentFile::Load(m_fileName, doc);
    using S = TXmlDocumentFile::TLoadStatus;
    if (loaded.status == S::Damaged || loaded.status == S::Unreadable)
        return TOperationResult::failure(failed.arg(m_fileName, loaded.error));
    if (loaded.status != S::Loaded) {
        doc.reset();
        doc.append_child(kRootName);
    } else if (qstrcmp(doc.document_element().name(), kRootName) != 0) {
        return TOperationResult::failure(
            failed.arg(m_fileName, QStringLiteral("Die Datei hat nicht das Wurzelelement \"tools\".")));
    }
    pugi::xml_node root = doc.document_element();
    pugi::xml_node element = nextElement(root.first_child());
    for (const auto &tool : m_tools) {
        if (!element)
            element = root.append_child("tool");
        SetNodeText(element, QStringLiteral("file"), tool->FileName);
        SetNodeText(element, QStringLiteral("params"), tool->Params);
        SetNodeText(element, QStringLiteral("name"), tool->Name);
        element = nextElement(element.next_sibling());
    }
    while (element) {
        const pugi::xml_node surplus = element;
        element = nextElement(element.next_sibling());
        root.remove_child(surplus);
    }
    try {
        SaveXmlStore(doc, m_fileName);
    } catch (const EVYRAException &error) {
        return TOperationResult::failure(failed.arg(m_fileName, error.message()));
    }
    return TOperationResult::success();
}
