#include "filetypes/TVYRAExtensionGroup.h"

TVYRAExtensionGroup::TVYRAExtensionGroup(QString name, QString iconPath, TIHighlighter *defaultHighlighter,
                                         bool editorMode, bool isBinary, TVYRAExtensionGroupType groupType)
    : Name(std::move(name))
    , IconPath(std::move(iconPath))
    , DefaultHighlighter(defaultHighlighter)
    , EditorMode(editorMode)
    , IsBinary(isBinary)
    , GroupType(groupType)
{
}

TVYRAExtensionGroup::~TVYRAExtensionGroup() = default;

TVYRAFileExtension *TVYRAExtensionGroup::GetItem(int i) const
{
    return i >= 0 && i < GetCount() ? m_items[size_t(i)].get() : nullptr;
}

void TVYRAExtensionGroup::SetItem(int i, std::unique_ptr<TVYRAFileExtension> item)
{
    if (i < 0 || i >= GetCount() || !item)
        return;
    item->Group = this;
    m_items[size_t(i)] = std::move(item);
}

TVYRAFileExtension *TVYRAExtensionGroup::AddItem(std::unique_ptr<TVYRAFileExtension> item)
{
    if (!item)
        return nullptr;
    item->Group = this;
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

bool TVYRAExtensionGroup::RemoveItem(int i)
{
    if (i < 0 || i >= GetCount() || GroupType != egtCustom)
        return false;
    m_items.erase(m_items.begin() + i);
    return true;
}

int TVYRAExtensionGroup::IndexOf(const TVYRAFileExtension *item) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_items[size_t(i)].get() == item)
            return i;
    }
    return -1;
}

void TVYRAExtensionGroup::Clear()
{
    m_items.clear();
}

QString TVYRAExtensionGroup::GetExtensions() const
{
    QStringList identifiers;
    for (const auto &item : m_items)
        identifiers.append(item->Identifier);
    return identifiers.join(QLatin1Char(';'));
}

QString TVYRAExtensionGroup::GetName() const
{
    return m_items.empty() ? Name : QStringLiteral("%1 (%2)").arg(Name, GetExtensions());
}

QString TVYRAExtensionGroup::AsFilterString() const
{
    return GetName() + QLatin1Char('|') + GetExtensions() + QLatin1Char('|');
}

void TVYRAExtensionGroup::AssignTo(QStringList *strings) const
{
    if (strings)
        strings->append(GetName());
}
