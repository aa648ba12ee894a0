#include "catalogues/TDocTypeList.h"

#include "catalogues/TCatalogueFile.h"
#include "framework/TVYRACore.h"

namespace {

std::vector<TDocType> readDocTypes(const pugi::xml_node &root)
{
    std::vector<TDocType> items;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        const pugi::xml_attribute name = child.attribute("name");
        if (child.type() != pugi::node_element || !name)
            continue;
        items.push_back({QString::fromUtf8(name.value()), TCatalogueFile::ElementText(child)});
    }
    return items;
}

} // namespace

TDocTypeList::TDocTypeList(TVYRACore *core)
    : m_core(core)
{
    ReloadFromXml();
}

bool TDocTypeList::ReloadFromXml()
{
    if (!m_core)
        return true;
    TCatalogueFile file;
    m_items = readDocTypes(file.Load(m_core->GetAppDataDir() + QString::fromLatin1(CatalogueFileName)));
    m_errorText = file.ErrorText();
    return m_errorText.isEmpty();
}

bool TDocTypeList::LoadFromBytes(const QByteArray &data, const QString &fileName)
{
    TCatalogueFile file;
    m_items = readDocTypes(file.Parse(data, fileName));
    m_errorText = file.ErrorText();
    return m_errorText.isEmpty();
}

const TDocType *TDocTypeList::GetItems(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return &m_items[size_t(index)];
}
