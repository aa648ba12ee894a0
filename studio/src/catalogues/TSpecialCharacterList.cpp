#include "catalogues/TSpecialCharacterList.h"

#include "catalogues/TCatalogueFile.h"
#include "framework/TVYRACore.h"
#include "utils/XmlNodes.h"

#include <optional>

namespace {

// A Unicode scalar value, in decimal or, as the other stores allow, in hex
// after "$" or "0x"; nothing else can be inserted as a character.
std::optional<quint32> codePoint(const pugi::xml_attribute &attribute)
{
    const std::optional<int> value = ParseNodeInt(QString::fromUtf8(attribute.value()));
    if (!value || *value < 0 || *value > 0x10FFFF || (*value >= 0xD800 && *value <= 0xDFFF))
        return std::nullopt;
    return quint32(*value);
}

} // namespace

TSpecialCharacterList::TSpecialCharacterList(TVYRACore *core)
    : m_core(core)
{
    ReloadFromXml();
}

bool TSpecialCharacterList::ReloadFromXml()
{
    if (!m_core)
        return true;
    TCatalogueFile file;
    Read(file.Load(m_core->GetAppDataDir() + QString::fromLatin1(CatalogueFileName)));
    m_errorText = file.ErrorText();
    return m_errorText.isEmpty();
}

bool TSpecialCharacterList::LoadFromBytes(const QByteArray &data, const QString &fileName)
{
    TCatalogueFile file;
    Read(file.Parse(data, fileName));
    m_errorText = file.ErrorText();
    return m_errorText.isEmpty();
}

void TSpecialCharacterList::Read(const pugi::xml_node &root)
{
    m_items.clear();
    m_indexByCode.clear();
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        const pugi::xml_attribute entity = child.attribute("entity");
        const pugi::xml_attribute ascii = child.attribute("ascii");
        if (child.type() != pugi::node_element || !entity || !ascii)
            continue;
        const std::optional<quint32> code = codePoint(ascii);
        if (!code || m_indexByCode.contains(*code))
            continue;
        m_indexByCode.insert(*code, GetCount());
        m_items.push_back({*code, QString::fromUtf8(entity.value())});
    }
}

const TSpecialCharacter *TSpecialCharacterList::GetItems(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return &m_items[size_t(index)];
}

int TSpecialCharacterList::IndexOf(quint32 code) const { return m_indexByCode.value(code, -1); }
